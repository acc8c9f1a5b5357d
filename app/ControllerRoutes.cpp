#include "app/ControllerRoutes.h"

#include "app/GameInterface.h"
#include "app/HighScores.h"
#include "ui/CharSelectScreen.h"
#include "ui/ComicEngine.h"
#include "ui/CreditScreen.h"
#include "ui/windows/ShopEngine.h"
#include "world/MapEditor.h"

// Each route names the operation of its owner; an owner that does not offer
// the operation yet leaves its route empty.

ControllerRoutes::~ControllerRoutes() = default;

bool ControllerRoutes::uiHasFocus()
{
    // UIInteractElement's focus pointer is not offered yet: no element has the focus.
    return false;
}

void ControllerRoutes::keyToFocused(int key)
{
    (void)key; // UIInteractElement::dispatchKey is not offered yet.
}

void ControllerRoutes::buttonToFocused(int button)
{
    (void)button; // UIInteractElement::dispatchButton is not offered yet.
}

void ControllerRoutes::tutorialPaneKey(int key)
{
    (void)key; // MenuEngine::onTutorialPaneKey is not offered yet.
}

void ControllerRoutes::infoPageKey(int key)
{
    (void)key; // MenuEngine::onInfoPageKey is not offered yet.
}

bool ControllerRoutes::creditsShowing()
{
    return CreditScreen::getInstance()->isShowing();
}

void ControllerRoutes::closeCredits()
{
    CreditScreen::getInstance()->close();
}

void ControllerRoutes::highlightCharacter(int choice)
{
    CharSelectScreen* screen = CharSelectScreen::getInstance();
    screen->selection = choice;
    screen->showPrompt();
}

void ControllerRoutes::confirmCharacter()
{
    CharSelectScreen::getInstance()->select();
}

void ControllerRoutes::turnComicPage()
{
    ComicEngine* comic = ComicEngine::getInstance();
    if (!comic->pageComplete)
        return;
    comic->pageComplete = false;
    comic->pageTransition(ComicEngine::kTransitionSeconds);
}

void ControllerRoutes::editorDirectionKey(int direction)
{
    MapEditor::getInstance()->onDirectionKey(direction);
}

void ControllerRoutes::editorKey(int key)
{
    MapEditor::getInstance()->onKeyReleased(key);
}

void ControllerRoutes::menuCloseKey(int key)
{
    (void)key; // UIMenu::onCloseKey is not offered yet.
}

void ControllerRoutes::openMainMenu()
{
    GameInterface::getInstance()->openMainMenu(nullptr);
}

void ControllerRoutes::highScoreKey(int key)
{
    HighScores::getInstance()->onKeyPressed(key);
}

void ControllerRoutes::highScoreButton(int button)
{
    HighScores::getInstance()->onPadButton(button);
}

void ControllerRoutes::shopKey(int key)
{
    ShopEngine::getInstance()->onKey(key);
}

void ControllerRoutes::runCommand(Command command, int argument)
{
    // The play commands (GameInterface::toggleWeapon, selectWeapon, fireEMP,
    // interact, dropWeapon, toggleSecondary, reloadWeapon, useSecondary and the
    // player's startSmoking) are not offered yet.
    (void)command;
    (void)argument;
}
