#include "LevelFlowFixture.h"

#include "actors/Player.h"
#include "app/ControllerInterface.h"
#include "app/ControllerKeys.h"
#include "world/ObjectDef.h"

#include <memory>
#include <string>
#include <vector>

USING_NS_CC;

namespace {

using Log = std::vector<std::string>;

// Writes down where each key went instead of delivering it.
class RecordingRoutes : public ControllerRoutes
{
public:
    explicit RecordingRoutes(Log& log) : log(log) {}

    bool uiHasFocus() override { return focus; }
    void keyToFocused(int key) override { note("focused", key); }
    void buttonToFocused(int button) override { note("focusedButton", button); }
    void tutorialPaneKey(int key) override { note("tutorialPane", key); }
    void infoPageKey(int key) override { note("infoPage", key); }
    bool creditsShowing() override { return credits; }
    void closeCredits() override { log.push_back("closeCredits"); }
    void highlightCharacter(int choice) override { note("highlight", choice); }
    void confirmCharacter() override { log.push_back("confirmCharacter"); }
    void turnComicPage() override { log.push_back("turnPage"); }
    void editorDirectionKey(int direction) override { note("editorDirection", direction); }
    void editorKey(int key) override { note("editor", key); }
    void menuCloseKey(int key) override { note("menuClose", key); }
    void openMainMenu() override { log.push_back("openMenu"); }
    void highScoreKey(int key) override { note("highScore", key); }
    void highScoreButton(int button) override { note("highScoreButton", button); }
    void shopKey(int key) override { note("shop", key); }
    void runCommand(Command command, int argument) override
    {
        note("command" + std::to_string(static_cast<int>(command)), argument);
    }

    bool focus = false;
    bool credits = false;

private:
    void note(const std::string& what, int value) { log.push_back(what + " " + std::to_string(value)); }
    Log& log;
};

std::string command(ControllerRoutes::Command which, int argument = 0)
{
    return "command" + std::to_string(static_cast<int>(which)) + " " + std::to_string(argument);
}

using KC = EventKeyboard::KeyCode;
using Command = ControllerRoutes::Command;

class ControllerInterfaceTest : public LevelFlowFixture
{
protected:
    void SetUp() override
    {
        LevelFlowFixture::SetUp();
        controller = std::make_unique<ControllerInterface>(true);
        auto recording = std::make_unique<RecordingRoutes>(log);
        routes = recording.get();
        controller->setRoutes(std::move(recording));
        player.health = 100;
    }

    void TearDown() override
    {
        controller.reset();
        LevelFlowFixture::TearDown();
    }

    void press(KC key) { view->injectKeyPress(key); }
    void release(KC key) { view->injectKeyRelease(key); }
    void tap(KC key)
    {
        press(key);
        release(key);
    }
    // A key tapped in a state; what the routes were given.
    Log tapIn(int state, KC key)
    {
        driver->state = state;
        log.clear();
        tap(key);
        return log;
    }

    void playing()
    {
        driver->state = GameState::Playing;
        driver->player = &player;
    }

    std::unique_ptr<ControllerInterface> controller;
    RecordingRoutes* routes = nullptr;
    Log log;
};

}

TEST_F(ControllerInterfaceTest, AHeldKeyActsOnceAndItsReleaseAlwaysArrives)
{
    driver->state = GameState::Edit;
    press(KC::KEY_A);
    press(KC::KEY_A); // auto-repeat
    press(KC::KEY_A);
    EXPECT_EQ(log, Log({"editorDirection 1"}));
    EXPECT_TRUE(controller->isKeyDown(Key::A));
    release(KC::KEY_A);
    EXPECT_FALSE(controller->isKeyDown(Key::A));
    EXPECT_EQ(log, Log({"editorDirection 1", "editor 121"}));
}

TEST_F(ControllerInterfaceTest, EditorDirectionKeys)
{
    driver->state = GameState::Edit;
    for (KC key : {KC::KEY_A, KC::KEY_D, KC::KEY_W, KC::KEY_S, KC::KEY_Q})
        tap(key);
    EXPECT_EQ(log, Log({"editorDirection 1", "editor 121", "editorDirection 2", "editor 124", "editorDirection 3",
                        "editor 143", "editorDirection 4", "editor 139", "editor 137"}));
}

TEST_F(ControllerInterfaceTest, MovementFromTheKeysLeftAndUpWin)
{
    playing();
    press(KC::KEY_A);
    press(KC::KEY_D);
    press(KC::KEY_W);
    press(KC::KEY_S);
    EXPECT_EQ(controller->moveHorizontal, ControllerInterface::kMoveLeft);
    EXPECT_EQ(controller->moveVertical, ControllerInterface::kMoveUp);
    EXPECT_TRUE(controller->running);
    press(KC::KEY_SHIFT);
    EXPECT_FALSE(controller->running);
    release(KC::KEY_A);
    release(KC::KEY_W);
    EXPECT_EQ(controller->moveHorizontal, ControllerInterface::kMoveRight);
    EXPECT_EQ(controller->moveVertical, ControllerInterface::kMoveDown);
    release(KC::KEY_D);
    release(KC::KEY_S);
    release(KC::KEY_SHIFT);
    EXPECT_EQ(controller->moveHorizontal, 0.0f);
    EXPECT_EQ(controller->moveVertical, 0.0f);
    press(KC::KEY_RIGHT_ARROW);
    press(KC::KEY_DOWN_ARROW);
    EXPECT_EQ(controller->moveHorizontal, ControllerInterface::kMoveRight);
    EXPECT_EQ(controller->moveVertical, ControllerInterface::kMoveDown);
}

TEST_F(ControllerInterfaceTest, OnlyAFreeLivingPlayerMoves)
{
    playing();
    press(KC::KEY_A);
    EXPECT_EQ(controller->moveHorizontal, ControllerInterface::kMoveLeft);
    player.health = 0;
    controller->updateMovement();
    EXPECT_EQ(controller->moveHorizontal, 0.0f);
    EXPECT_FALSE(controller->running);
    player.health = 100;
    driver->windowMode = 2;
    controller->updateMovement();
    EXPECT_EQ(controller->moveHorizontal, 0.0f);
    driver->windowMode = 0;
    driver->state = GameState::Dead;
    controller->updateMovement();
    EXPECT_EQ(controller->moveHorizontal, 0.0f);
}

TEST_F(ControllerInterfaceTest, PausedPressesZeroTheMovement)
{
    playing();
    press(KC::KEY_A);
    ASSERT_EQ(controller->moveHorizontal, ControllerInterface::kMoveLeft);
    driver->state = GameState::Paused;
    press(KC::KEY_W);
    EXPECT_EQ(controller->moveHorizontal, 0.0f);
    EXPECT_EQ(controller->moveVertical, 0.0f);
}

TEST_F(ControllerInterfaceTest, ThePlayKeysOfALivingPlayer)
{
    playing();
    for (KC key : {KC::KEY_TAB, KC::KEY_SPACE, KC::KEY_1, KC::KEY_2, KC::KEY_3, KC::KEY_E, KC::KEY_F, KC::KEY_Q,
                   KC::KEY_R, KC::KEY_V, KC::KEY_Z, KC::KEY_X})
        tap(key);
    EXPECT_EQ(log, Log({command(Command::ToggleWeapon), command(Command::FireEmp),
                        command(Command::SelectWeapon, 69), command(Command::SelectWeapon, 70),
                        command(Command::SelectWeapon, 67), command(Command::Interact),
                        command(Command::DropWeapon), command(Command::ToggleSecondary),
                        command(Command::ReloadWeapon), command(Command::StartSmoking),
                        command(Command::UseSecondary)}));
}

TEST_F(ControllerInterfaceTest, ShopWindowsTakeTheKeysButEscOpensTheMenu)
{
    playing();
    driver->windowMode = 1;
    EXPECT_EQ(tapIn(GameState::Playing, KC::KEY_E), Log({"shop 125"}));
    EXPECT_EQ(tapIn(GameState::Playing, KC::KEY_ESCAPE), Log({"openMenu"}));
    EXPECT_EQ(driver->state, GameState::Menu);
}

TEST_F(ControllerInterfaceTest, EachScreenStateHasItsHandler)
{
    EXPECT_EQ(tapIn(GameState::TutorialPanes, KC::KEY_D), Log({"tutorialPane 124"}));
    EXPECT_EQ(tapIn(GameState::InfoPages, KC::KEY_ESCAPE), Log({"infoPage 6"}));
    EXPECT_EQ(tapIn(GameState::Menu, KC::KEY_ESCAPE), Log());
    // A focused element takes keys in every state but Paused.
    routes->focus = true;
    EXPECT_EQ(tapIn(GameState::Menu, KC::KEY_B), Log({"focused 122"}));
    EXPECT_EQ(tapIn(GameState::Playing, KC::KEY_E), Log({"focused 125"}));
}

TEST_F(ControllerInterfaceTest, TheIntroTakesTheCharacterChoiceAndTheComicPages)
{
    driver->introStep = 2;
    EXPECT_EQ(tapIn(GameState::Intro, KC::KEY_A), Log({"highlight -1"}));
    EXPECT_EQ(tapIn(GameState::Intro, KC::KEY_D), Log({"highlight 1"}));
    EXPECT_EQ(tapIn(GameState::Intro, KC::KEY_ENTER), Log({"confirmCharacter"}));
    EXPECT_EQ(tapIn(GameState::Intro, KC::KEY_X), Log());
    driver->introStep = 4;
    EXPECT_EQ(tapIn(GameState::Intro, KC::KEY_SPACE), Log({"turnPage"}));
    EXPECT_EQ(tapIn(GameState::Intro, KC::KEY_E), Log({"turnPage"}));
    EXPECT_EQ(tapIn(GameState::Intro, KC::KEY_A), Log());
    driver->introStep = 1;
    EXPECT_EQ(tapIn(GameState::Intro, KC::KEY_SPACE), Log());
}

TEST_F(ControllerInterfaceTest, PausedClosesATutorialPopupBackToPlay)
{
    driver->state = GameState::Playing;
    driver->showTutorialPopup("Tutorial_01.png");
    ASSERT_EQ(driver->state, GameState::Paused);
    release(KC::KEY_X);
    EXPECT_EQ(driver->state, GameState::Paused);
    release(KC::KEY_Q);
    EXPECT_EQ(driver->state, GameState::Playing);
    EXPECT_EQ(driver->tutorialNodes[0], nullptr);

    for (KC key : {KC::KEY_E, KC::KEY_ESCAPE, KC::KEY_ENTER})
    {
        driver->showTutorialPopup("Tutorial_01.png");
        release(key);
        EXPECT_EQ(driver->state, GameState::Playing);
    }
}

TEST_F(ControllerInterfaceTest, PausedUnderTheOptionsPageKeepsThePageKeys)
{
    // No tutorial pop-up: the options page is open over the run.
    EXPECT_EQ(tapIn(GameState::Paused, KC::KEY_ESCAPE), Log({"menuClose 6"}));
    EXPECT_EQ(driver->state, GameState::Paused);
    routes->focus = true;
    EXPECT_EQ(tapIn(GameState::Paused, KC::KEY_ESCAPE), Log({"focused 6"}));
    routes->focus = false;
    routes->credits = true;
    EXPECT_EQ(tapIn(GameState::Paused, KC::KEY_ESCAPE), Log());
    EXPECT_EQ(tapIn(GameState::Paused, KC::KEY_E), Log({"closeCredits"}));
}

TEST_F(ControllerInterfaceTest, RunEndWindowsTakeTheKeysAndEscLeaves)
{
    driver->state = GameState::Dead;
    driver->player = &player;
    player.health = 0;
    driver->windowMode = 4;
    EXPECT_EQ(tapIn(GameState::Dead, KC::KEY_B), Log({"highScore 122"}));
    EXPECT_EQ(tapIn(GameState::Dead, KC::KEY_ESCAPE), Log({"openMenu"}));
    EXPECT_EQ(driver->state, GameState::Menu);
}

TEST_F(ControllerInterfaceTest, SpaceAfterTheLastRunEndStepRestarts)
{
    driver->player = &player;
    player.health = 0;
    driver->runEndStep = 4;
    tapIn(GameState::Dead, KC::KEY_SPACE);
    EXPECT_FALSE(driver->restarting);
    driver->runEndStep = 5;
    tapIn(GameState::Dead, KC::KEY_E);
    EXPECT_FALSE(driver->restarting);
    tapIn(GameState::Dead, KC::KEY_SPACE);
    EXPECT_TRUE(driver->restarting);
    EXPECT_NE(driver->flashOverlay, nullptr);
}

TEST_F(ControllerInterfaceTest, SpaceWithoutAPlayerStartsARunUnlessTheScreenIsFadedOut)
{
    auto* overlay = LayerColor::create(Color4B(255, 255, 255, 255));
    layer->addChild(overlay, 2000);
    driver->flashOverlay = overlay;
    tapIn(GameState::NotSpawned, KC::KEY_SPACE);
    EXPECT_EQ(overlay->getOpacity(), 0); // back to the menu
    EXPECT_EQ(driver->state, GameState::NotSpawned);

    tapIn(GameState::NotSpawned, KC::KEY_SPACE);
    EXPECT_EQ(driver->state, GameState::Playing);
    EXPECT_TRUE(driver->levelUsed);
}

TEST_F(ControllerInterfaceTest, EscAfterLeavingTheZoneOpensTheMenu)
{
    driver->runOver = true;
    EXPECT_EQ(tapIn(GameState::Dead, KC::KEY_SPACE), Log());
    EXPECT_EQ(tapIn(GameState::Dead, KC::KEY_ESCAPE), Log({"openMenu"}));
    EXPECT_EQ(driver->state, GameState::Menu);
}

TEST_F(ControllerInterfaceTest, APadButtonHeldAcrossFramesActsOnce)
{
    GamePadState pad;
    pad.buttonCount = 15;
    pad.buttons[0] = 1;
    for (int frame = 0; frame < 3; ++frame)
        controller->readPad(pad);
    EXPECT_EQ(log, Log({command(Command::FireEmp)}));
    pad.buttons[0] = 0;
    controller->readPad(pad);
    pad.buttons[0] = 1;
    controller->readPad(pad);
    EXPECT_EQ(log.size(), 2u);
}

TEST_F(ControllerInterfaceTest, PadButtonsByIndex)
{
    GamePadState pad;
    pad.buttonCount = 15;
    driver->state = GameState::Playing;
    for (int button : {2, 3, 8, 9, 11, 13, 14, 1})
    {
        pad.buttons[button] = 1;
        controller->readPad(pad);
        pad.buttons[button] = 0;
        controller->readPad(pad);
    }
    EXPECT_EQ(log, Log({command(Command::ToggleSecondary), command(Command::ToggleSecondary),
                        command(Command::UseSecondary), command(Command::ToggleWeapon), command(Command::Interact),
                        command(Command::ReloadWeapon), command(Command::DropWeapon)}));

    log.clear();
    routes->focus = true;
    pad.buttons[4] = 1;
    controller->readPad(pad);
    routes->focus = false;
    driver->windowMode = 5;
    pad.buttons[5] = 1;
    controller->readPad(pad);
    EXPECT_EQ(log, Log({"focusedButton 4", "highScoreButton 5"}));
}

TEST_F(ControllerInterfaceTest, PadButtonElevenClosesOnlyATutorialPopup)
{
    GamePadState pad;
    pad.buttonCount = 12;
    driver->state = GameState::Paused;
    pad.buttons[11] = 1;
    controller->readPad(pad);
    EXPECT_EQ(driver->state, GameState::Paused);
    EXPECT_EQ(log, Log());

    pad.buttons[11] = 0;
    controller->readPad(pad);
    driver->state = GameState::Playing;
    driver->showTutorialPopup("Tutorial_01.png");
    pad.buttons[11] = 1;
    controller->readPad(pad);
    EXPECT_EQ(driver->state, GameState::Playing);
}

TEST_F(ControllerInterfaceTest, PadAxesHaveADeadZoneStrictlyInsideTwoTenths)
{
    GamePadState pad;
    pad.axisCount = 4;
    pad.axes[0] = 0.2f;
    pad.axes[1] = -0.2f;
    pad.axes[2] = 0.19f;
    pad.axes[3] = -0.7f;
    controller->readPad(pad);
    EXPECT_EQ(controller->padAxisCount, 4);
    EXPECT_FLOAT_EQ(controller->padAxes[0], 0.2f);
    EXPECT_FLOAT_EQ(controller->padAxes[1], -0.2f);
    EXPECT_FLOAT_EQ(controller->padAxes[2], 0.0f);
    EXPECT_FLOAT_EQ(controller->padAxes[3], -0.7f);
}

TEST_F(ControllerInterfaceTest, TheMouseReportsDesignUnits)
{
    std::vector<Vec2> downs;
    controller->onMouseMoveCallback = [](Vec2 p) { return Vec2(p.x, p.y + 1.0f); };
    view->injectMouseMove(200.0f, 100.0f);
    // A 1280 x 720 window over a 640 x 360 design, y up.
    EXPECT_EQ(controller->getMousePosition(), Vec2(100.0f, 310.0f + 1.0f));

    view->injectMouseDown(1);
    EXPECT_EQ(controller->mouseButtonDown[1], 0); // no callback, no button byte
    controller->onMouseDownCallback = [&downs](int, Vec2 p) { downs.push_back(p); };
    controller->onMouseUpCallback = [&downs](int, Vec2 p) { downs.push_back(p); };
    view->injectMouseDown(1);
    EXPECT_EQ(controller->mouseButtonDown[1], 1);
    view->injectMouseUp(1);
    EXPECT_EQ(controller->mouseButtonDown[1], 0);
    ASSERT_EQ(downs.size(), 2u);
    EXPECT_EQ(downs[0], Vec2(100.0f, 310.0f));
}
