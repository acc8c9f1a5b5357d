// The input hub's dispatch: which handler gets a key or a pad button in which
// game state and with which window open.
#include "app/ControllerInterface.h"

#include "actors/Player.h"
#include "app/ControllerKeys.h"
#include "app/GameInterface.h"
#include "app/MessagePopups.h"

#include <array>
#include <utility>

USING_NS_CC;

namespace {

using Command = ControllerRoutes::Command;

// The windows whose keys go to the high-score and initials entry.
bool isRunEndWindow(int windowMode)
{
    return windowMode == 4 || windowMode == 5;
}

// The end-of-run step at which the screens are done and SPACE restarts.
constexpr int kScreensDoneStep = 5;

// The vending machine (1) and the contract dealer (2).
bool isShopWindow(int windowMode)
{
    return windowMode == 1 || windowMode == 2;
}

struct PlayKey
{
    int key;
    Command command;
    int argument;
};

// The play keys of a living player (ESC is handled before them).
constexpr std::array<PlayKey, 11> kPlayKeys{{
    {Key::Tab, Command::ToggleWeapon, 0},
    {Key::Space, Command::FireEmp, 0},
    {Key::Digit1, Command::SelectWeapon, 69},
    {Key::Digit2, Command::SelectWeapon, 70},
    {Key::Digit3, Command::SelectWeapon, 67},
    {Key::E, Command::Interact, 0},
    {Key::F, Command::DropWeapon, 0},
    {Key::Q, Command::ToggleSecondary, 0},
    {Key::R, Command::ReloadWeapon, 0},
    {Key::V, Command::StartSmoking, 0},
    {Key::Z, Command::UseSecondary, 0},
}};

// The editor's direction keys: A 1, D 2, W 3, S 4.
constexpr std::array<std::pair<int, int>, 4> kEditorDirections{{
    {Key::A, 1}, {Key::D, 2}, {Key::W, 3}, {Key::S, 4}}};

// The closing keys of a tutorial pop-up.
bool closesPopup(int key)
{
    return key == Key::E || key == Key::Q || key == Key::Escape || Key::isEnter(key);
}

}

void ControllerInterface::handleKeyPressed(int key)
{
    if (key >= 0 && key < kKeyCount)
        pressedInRunEnd[key] = runEndScreensUp();
    if (routes->uiHasFocus())
        return;
    if (owner->windowMode == 1 || owner->state == GameState::Paused)
    {
        moveHorizontal = 0.0f;
        moveVertical = 0.0f;
        return;
    }
    if (owner->state == GameState::Edit)
    {
        for (const auto& [editorKey, direction] : kEditorDirections)
            if (key == editorKey)
                routes->editorDirectionKey(direction);
    }
    if (!padMode)
        updateMovement();
}

void ControllerInterface::handleKeyReleased(int key)
{
    if (routeScreenKey(key) || routeIntroKey(key))
        return;
    const int state = owner->state;
    if (state == GameState::Paused)
    {
        routePausedKey(key);
        return;
    }
    if (routes->uiHasFocus())
    {
        routes->keyToFocused(key);
        return;
    }
    if (state == GameState::Edit)
    {
        routes->editorKey(key);
        return;
    }
    if (state == GameState::Menu)
    {
        if (owner->menu)
            routes->menuCloseKey(key);
        return;
    }
    routeGameKey(key);
}

bool ControllerInterface::routeScreenKey(int key)
{
    switch (owner->state)
    {
    case GameState::TutorialPanes:
        routes->tutorialPaneKey(key);
        return true;
    case GameState::InfoPages:
        routes->infoPageKey(key);
        return true;
    case GameState::Paused:
        if (!routes->creditsShowing())
            return false;
        if (key == Key::E)
            routes->closeCredits();
        return true;
    default:
        return false;
    }
}

bool ControllerInterface::routeIntroKey(int key)
{
    if (owner->state != GameState::Intro)
        return false;
    if (owner->introStep == 2)
    {
        if (key == Key::A)
            routes->highlightCharacter(-1);
        else if (key == Key::D)
            routes->highlightCharacter(1);
        else if (Key::isConfirm(key))
            routes->confirmCharacter();
    }
    else if (owner->introStep == 4 && Key::isConfirm(key))
    {
        routes->turnComicPage();
    }
    return true;
}

bool ControllerInterface::tutorialShowing() const
{
    return owner->tutorialNodes[0] != nullptr;
}

void ControllerInterface::routePausedKey(int key)
{
    // Paused serves two screens: a tutorial pop-up closes back to play; the
    // options page keeps its own keys and closes back to its menu.
    if (tutorialShowing())
    {
        if (closesPopup(key))
            owner->closePopups();
        return;
    }
    if (routes->uiHasFocus())
        routes->keyToFocused(key);
    else
        routes->menuCloseKey(key);
}

bool ControllerInterface::runEndScreensUp() const
{
    if (isRunEndWindow(owner->windowMode))
        return true;
    // Once done, the screens leave the dead player at the restart prompt,
    // which stays through a visit to the menu.
    return owner->player && owner->player->health <= 0 && owner->runEndStep == kScreensDoneStep;
}

bool ControllerInterface::pressedOnRunEndScreen(int key) const
{
    return key >= 0 && key < kKeyCount && pressedInRunEnd[key];
}

void ControllerInterface::openMenu()
{
    owner->setState(GameState::Menu);
    routes->openMainMenu();
}

void ControllerInterface::routeGameKey(int key)
{
    const int windowMode = owner->windowMode;
    if (key == Key::Escape && (owner->state == GameState::Playing || isRunEndWindow(windowMode)))
    {
        openMenu();
        return;
    }
    if (isRunEndWindow(windowMode) && pressedOnRunEndScreen(key))
        routes->highScoreKey(key);

    Player* player = owner->player;
    if (player && player->health > 0)
    {
        if (isShopWindow(windowMode))
        {
            routes->shopKey(key);
            return;
        }
        runPlayKey(key);
        if (!padMode)
            updateMovement();
        return;
    }
    if (player && owner->runEndStep == kScreensDoneStep && key == Key::Space && pressedOnRunEndScreen(key))
    {
        owner->restart();
        return;
    }
    if (!owner->runOver && !player)
    {
        const bool fadedOut = owner->flashOverlay && owner->flashOverlay->getOpacity() == 255;
        if (fadedOut && (key == Key::Space || key == Key::Escape))
            owner->backToMenu();
        else if (!fadedOut && key == Key::Space)
            owner->startRun();
        return;
    }
    if (owner->runOver && key == Key::Escape)
        openMenu();
}

void ControllerInterface::runPlayKey(int key)
{
    if (key == Key::Escape)
    {
        openMenu();
        return;
    }
    for (const PlayKey& entry : kPlayKeys)
    {
        if (entry.key != key)
            continue;
        routes->runCommand(entry.command, entry.argument);
        return;
    }
}

void ControllerInterface::pressPadButton(int button)
{
    if (routes->uiHasFocus())
    {
        routes->buttonToFocused(button);
        return;
    }
    if (isRunEndWindow(owner->windowMode))
    {
        routes->highScoreButton(button);
        return;
    }
    switch (button)
    {
    case 0:
        routes->runCommand(Command::FireEmp, 0);
        break;
    case 2:
    case 3:
        routes->runCommand(Command::ToggleSecondary, 0);
        break;
    case 8:
        routes->runCommand(Command::UseSecondary, 0);
        break;
    case 9:
        routes->runCommand(Command::ToggleWeapon, 0);
        break;
    case 11:
        if (owner->state == GameState::NotSpawned)
            owner->startRun();
        else if (owner->state == GameState::Paused)
        {
            // Only a tutorial pop-up closes back to play; the options page stays.
            if (tutorialShowing())
                owner->closePopups();
        }
        else
            routes->runCommand(Command::Interact, 0);
        break;
    case 12:
        dismissTutorial();
        break;
    case 13:
        routes->runCommand(Command::ReloadWeapon, 0);
        break;
    case 14:
        routes->runCommand(Command::DropWeapon, 0);
        break;
    default:
        break;
    }
}
