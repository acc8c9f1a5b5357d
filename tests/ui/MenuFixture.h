#pragma once
// The menus on a headless scene: a bare game layer known to the driver, the
// game's own art, saves in a temporary folder, a fresh profile and the
// tutorial list at its start-of-process state.
#include "UIFixture.h"
#include "app/GameLayerScene.h"
#include "app/TempFolder.h"

#include "app/Achievements.h"
#include "app/ControllerInterface.h"
#include "app/GameServices.h"
#include "app/GameInterface.h"
#include "app/GameState.h"
#include "app/HighScores.h"
#include "app/SoundEngine.h"
#include "app/StatEngine.h"
#include "ui/UIText.h"
#include "ui/menus/MenuEngine.h"
#include "ui/menus/TutorialEngine.h"
#include "ui/menus/UIMenu.h"
#include "ui/windows/UIInteractElement.h"
#include "world/GameData.h"

#include <memory>
#include <string>
#include <vector>

// The driver's calls into the other managers, with the interface manager's
// mode changes and the intro recorded instead of run.
class MenuServices : public GameServices
{
public:
    explicit MenuServices(std::vector<int>& modes, int& intros) : modes(modes), intros(intros) {}
    void setInterfaceMode(int state) override { modes.push_back(state); }
    void playIntro() override { ++intros; }
    void showRain() override {}
    void hideRain() override {}

private:
    std::vector<int>& modes;
    int& intros;
};

class MenuFixture : public UIFixture
{
protected:
    void SetUp() override
    {
        ASSERT_FALSE(folder.path().empty());
        saves = std::make_unique<ScopedSavesFolder>(folder.path());
        UIFixture::SetUp();
        cocos2d::FileUtils::getInstance()->addSearchPath(std::string(TALLOWIND_SOURCE_DIR) + "/assets/");
        layer = addBareGameLayer(scene);
        driver = GameInterface::getInstance();
        driver->setServices(std::make_unique<MenuServices>(modes, intros));
        // Screens of other tests may have left a menu or a page open.
        menus = MenuEngine::getInstance();
        menus->dismiss();
        menus->removePageNodes();
        UIInteractElement::focusedElement = nullptr;
        menus->closing = false;
        modes.clear();
        driver->state = GameState::Menu;
        driver->difficulty = 0;
        driver->windowMode = 0;
        driver->alternateMovement = false;
        driver->zoneCompleted = false;
        GameData::getInstance()->currentZone = 0;
        Achievements::getInstance()->reset();
        StatEngine::getInstance()->reset();
        HighScores::getInstance()->clearMurders();
        menus = MenuEngine::getInstance();
        menus->paneIndex = 0;
        menus->unlockPageIndex = 0;
        menus->messagePageIndex = 0;
        tutorials = TutorialEngine::getInstance();
        tutorials->enabled = true;
        tutorials->reset();
        tutorials->setAlternateImages(false);
        controller = std::make_unique<ControllerInterface>(true);
    }

    void TearDown() override
    {
        controller.reset();
        menus->dismiss();
        menus->removePageNodes();
        UIInteractElement::focusedElement = nullptr;
        driver->state = GameState::Menu;
        driver->windowMode = 0;
        driver->zoneCompleted = false;
        driver->gameLayer = nullptr;
        driver->setServices(std::make_unique<GameServices>());
        SoundEngine::getInstance()->stopAll();
        UIFixture::TearDown();
        saves.reset();
    }

    // A key pressed and released, as the input hub routes it.
    void key(int code)
    {
        controller->handleKeyPressed(code);
        controller->handleKeyReleased(code);
    }

    // The text of column k of the held menu, or "" when it is not shown.
    std::string column(int k) const
    {
        const UIMenu* menu = driver->menu;
        return menu && menu->columns[k] ? menu->columns[k]->text : std::string();
    }

    TempFolder folder;
    std::unique_ptr<ScopedSavesFolder> saves;
    Game* layer = nullptr;
    GameInterface* driver = nullptr;
    MenuEngine* menus = nullptr;
    TutorialEngine* tutorials = nullptr;
    std::unique_ptr<ControllerInterface> controller;
    std::vector<int> modes;
    int intros = 0;
};
