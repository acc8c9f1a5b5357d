#include "app/ControllerRoutes.h"

#include "actors/Player.h"
#include "app/GameInterface.h"
#include "app/HighScores.h"
#include "ui/CharSelectScreen.h"
#include "ui/ComicEngine.h"
#include "ui/CreditScreen.h"
#include "ui/menus/MenuEngine.h"
#include "ui/menus/UIMenu.h"
#include "ui/windows/ShopEngine.h"
#include "ui/windows/UIInteractElement.h"
#include "world/MapEditor.h"

// Each route names the operation of its owner; an owner that does not offer
// the operation yet leaves its route empty.

ControllerRoutes::~ControllerRoutes() = default;

bool ControllerRoutes::uiHasFocus()
{
    return UIInteractElement::focusedElement != nullptr;
}

void ControllerRoutes::keyToFocused(int key)
{
    UIInteractElement::dispatchKey(key);
}

void ControllerRoutes::buttonToFocused(int button)
{
    UIInteractElement::dispatchButton(button);
}

void ControllerRoutes::tutorialPaneKey(int key)
{
    MenuEngine::getInstance()->onTutorialPaneKey(key);
}

void ControllerRoutes::infoPageKey(int key)
{
    MenuEngine::getInstance()->onInfoPageKey(key);
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
    CharSelectScreen::getInstance()->highlight(choice);
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
    if (UIMenu* menu = GameInterface::getInstance()->menu)
        menu->onCloseKey(key);
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
    GameInterface* game = GameInterface::getInstance();
    switch (command)
    {
    case Command::ToggleWeapon:
        game->toggleWeapon();
        break;
    case Command::SelectWeapon:
        game->selectWeapon(argument);
        break;
    case Command::FireEmp:
        game->fireEMP();
        break;
    case Command::Interact:
        game->interact();
        break;
    case Command::DropWeapon:
        game->dropWeapon();
        break;
    case Command::ToggleSecondary:
        game->toggleSecondary();
        break;
    case Command::ReloadWeapon:
        game->reloadWeapon();
        break;
    case Command::StartSmoking:
        if (game->player)
            game->player->startSmoking();
        break;
    case Command::UseSecondary:
        game->useSecondary();
        break;
    }
}
