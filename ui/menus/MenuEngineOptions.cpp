// The options page: display settings written to the settings file, and the
// tutorial and movement options kept in the saved game state.
#include "ui/menus/MenuEngine.h"

#include "app/DisplaySettings.h"
#include "app/GameInterface.h"
#include "app/StatEngine.h"
#include "app/StringHelpers.h"
#include "ui/menus/TutorialEngine.h"
#include "ui/menus/UIMenu.h"

namespace {

std::string checkMark(bool on)
{
    return on ? "`%x`7" : " ";
}

}

std::string MenuEngine::resolutionLabel() const
{
    if (currentDisplayMode.width == -1)
        return "Res: Auto";
    return formatString("Res: %dx%d", currentDisplayMode.width, currentDisplayMode.height);
}

std::string MenuEngine::fullscreenLabel() const
{
    return formatString("`7(%s) Fullscreen", checkMark(fullScreen).c_str());
}

std::string MenuEngine::tutorialsLabel() const
{
    return formatString("`7(%s) Disable Tutorials", checkMark(!TutorialEngine::getInstance()->enabled).c_str());
}

std::string MenuEngine::alternateMovementLabel() const
{
    return formatString("`7(%s) Alternate Movement",
                        checkMark(GameInterface::getInstance()->alternateMovement).c_str());
}

void MenuEngine::toggleOption(int id)
{
    if (id == kTutorialsOption)
    {
        TutorialEngine* tutorials = TutorialEngine::getInstance();
        tutorials->enabled = !tutorials->enabled;
        saveAndRelabel(id, tutorialsLabel());
        return;
    }
    GameInterface* game = GameInterface::getInstance();
    game->alternateMovement = !game->alternateMovement;
    TutorialEngine::getInstance()->setAlternateImages(game->alternateMovement);
    saveAndRelabel(id, alternateMovementLabel());
}

void MenuEngine::saveAndRelabel(int id, const std::string& label)
{
    beep();
    UIMenu* menu = heldMenu();
    menu->setItemLabel(id, label);
    StatEngine::getInstance()->saveGameState();
    menu->refresh();
}

void MenuEngine::changeDisplay(int id)
{
    bool saved = false;
    if (id == kFullScreenOption)
    {
        fullScreen = !fullScreen;
        saved = applyDisplayOption(fullScreen, false,
                                   formatString("%dx%d", currentDisplayMode.width, currentDisplayMode.height));
    }
    else
    {
        if (displayModes.empty())
            return;
        // The stored choice may have no place in the list (index -1): the first mode follows.
        const int count = static_cast<int>(displayModes.size());
        const int next = currentDisplayMode.index + 1;
        saved = saveSettings(displayModes[next >= 0 && next < count ? next : 0], fullScreen, false);
    }
    beep();
    UIMenu* menu = heldMenu();
    menu->setItemLabel(kFullScreenOption, fullscreenLabel());
    menu->setItemLabel(kResolutionOption, resolutionLabel());
    menu->refresh();
    // A restart would bring back the old choice when nothing was written.
    menu->setMessage(saved ? kRestartWarning : kNotSavedWarning);
}
