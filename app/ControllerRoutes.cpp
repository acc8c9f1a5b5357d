#include "app/ControllerRoutes.h"

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
    // CreditScreen's showing flag is not offered yet.
    return false;
}

void ControllerRoutes::closeCredits()
{
    // CreditScreen::close is not offered yet.
}

void ControllerRoutes::highlightCharacter(int choice)
{
    (void)choice; // CharSelectScreen's highlighted choice and showPrompt are not offered yet.
}

void ControllerRoutes::confirmCharacter()
{
    // CharSelectScreen::select is not offered yet.
}

void ControllerRoutes::turnComicPage()
{
    // ComicEngine's page-complete flag and pageTransition are not offered yet.
}

void ControllerRoutes::editorDirectionKey(int direction)
{
    (void)direction; // MapEditor::onDirectionKey is not offered yet.
}

void ControllerRoutes::editorKey(int key)
{
    (void)key; // The map editor's key handler is not offered yet.
}

void ControllerRoutes::menuCloseKey(int key)
{
    (void)key; // UIMenu::onCloseKey is not offered yet.
}

void ControllerRoutes::openMainMenu()
{
    // GameInterface::openMainMenu (the intro's work) is not offered yet.
}

void ControllerRoutes::highScoreKey(int key)
{
    (void)key; // The high-score and initials entry is not offered yet.
}

void ControllerRoutes::highScoreButton(int button)
{
    (void)button; // The high-score and initials entry is not offered yet.
}

void ControllerRoutes::shopKey(int key)
{
    (void)key; // ShopEngine::onKey is not offered yet.
}

void ControllerRoutes::runCommand(Command command, int argument)
{
    // The play commands (GameInterface::toggleWeapon, selectWeapon, fireEMP,
    // interact, dropWeapon, toggleSecondary, reloadWeapon, useSecondary and the
    // player's startSmoking) are not offered yet.
    (void)command;
    (void)argument;
}
