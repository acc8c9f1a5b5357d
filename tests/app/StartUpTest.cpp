#include "app/AppDelegate.h"
#include "app/DisplaySettings.h"
#include "app/GameInterface.h"
#include "app/HighScores.h"
#include "app/ProgramEntry.h"
#include "app/ResolutionVerify.h"
#include "ui/UIText.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>
#include <string>

// Each start runs in a process of its own (a fresh game driver and resolution
// check), headless, with the saves folder in a temporary folder.

USING_NS_CC;

namespace {

using KeyCode = EventKeyboard::KeyCode;

// Ends the start's own process at once: what the engine keeps for the life of
// the process is left to the system, as the real program leaves it at its end.
[[noreturn]] void finish(const std::string& problem)
{
    if (!problem.empty())
        std::fprintf(stderr, "%s\n", problem.c_str());
    std::fflush(nullptr);
    _exit(problem.empty() ? 0 : 1);
}

// Returns the problem from the scenario, so that its temporary folder is
// removed before the process ends.
#define REQUIRE(condition, message)  \
    do                               \
    {                                \
        if (!(condition))            \
            return message;          \
    } while (0)

// Reads the modes and settings, makes a headless window of the chosen size
// and launches the delegate, as the program entry does.
std::string launch(TempFolder& folder, AppDelegate& app)
{
    setenv("TALLOWIND_SAVES", folder.path().c_str(), 1);
    setenv("TALLOWIND_ASSETS", (std::string(TALLOWIND_SOURCE_DIR) + "/assets").c_str(), 1);
    buildDisplayModeList({{1024, 768}, {1280, 1024}});
    loadSettings();
    const float width = currentDisplayMode.width == -1 ? 1280.0f : static_cast<float>(currentDisplayMode.width);
    const float height = currentDisplayMode.height == -1 ? 720.0f : static_cast<float>(currentDisplayMode.height);
    mainGLView = GLView::createHeadless("Tallowind", Size(width, height));
    REQUIRE(mainGLView, "no headless view");
    // Kept past the end of the run, so the test can still ask it whether it closed.
    mainGLView->retain();
    REQUIRE(app.applicationDidFinishLaunching(), "the delegate refused to start");
    return std::string();
}

void stepSeconds(float seconds, float dt = 0.1f)
{
    for (float t = 0.0f; t < seconds - 1e-4f; t += dt)
        Director::getInstance()->stepFrame(dt);
}

std::string shownText()
{
    UIText* text = ResolutionVerify::getInstance()->textNode;
    return text ? text->text : std::string();
}

std::string startWithoutSettingsFile()
{
    TempFolder folder;
    AppDelegate app;
    const std::string problem = launch(folder, app);
    REQUIRE(problem.empty(), problem);
    GameInterface* driver = GameInterface::getInstance();
    REQUIRE(driver->gameLayer, "the game layer did not register itself");
    REQUIRE(driver->state == GameState::Intro, "a first start goes straight into the intro");
    REQUIRE(folder.read("settings.cfg") == "1024x768\nwindowed\nverified", "the defaults were not written");
    REQUIRE(mainGLView->getDesignResolutionSize().width == 512.0f, "the design width is not half the window");
    REQUIRE(driver->visibleSize.height == 384.0f, "the visible size is not half the window");
    REQUIRE(driver->mainHUD && driver->copHUD && driver->console && driver->targetMarker && driver->unlockBar,
            "the HUD was not built");
    stepSeconds(0.5f);
    REQUIRE(driver->state == GameState::Intro, "the intro did not hold");
    return std::string();
}

std::string confirmAnUntriedResolution()
{
    TempFolder folder;
    folder.write("settings.cfg", "1280x1024\nwindowed");
    AppDelegate app;
    const std::string problem = launch(folder, app);
    REQUIRE(problem.empty(), problem);
    GameInterface* driver = GameInterface::getInstance();
    REQUIRE(!currentDisplayMode.verified, "the file said unverified");
    REQUIRE(driver->state == GameState::Menu && !driver->mainHUD, "the game started before the check");
    REQUIRE(shownText().find("Testing Resolution: `!1280`7x`!1024`7") == 0, "wrong text: " + shownText());
    REQUIRE(shownText().find("Timeout in: 10") != std::string::npos, "wrong count: " + shownText());

    stepSeconds(2.5f);
    REQUIRE(ResolutionVerify::getInstance()->secondsLeft == 8, "the count does not run");
    REQUIRE(shownText().find("Timeout in: 8") != std::string::npos, "the text was not redrawn: " + shownText());

    mainGLView->injectKeyPress(KeyCode::KEY_Q);
    mainGLView->injectKeyRelease(KeyCode::KEY_Q);
    stepSeconds(0.1f);
    REQUIRE(!ResolutionVerify::getInstance()->confirmed, "another key confirmed");

    mainGLView->injectKeyPress(KeyCode::KEY_E);
    mainGLView->injectKeyRelease(KeyCode::KEY_E);
    stepSeconds(0.1f);
    REQUIRE(ResolutionVerify::getInstance()->confirmed, "E did not confirm");
    stepSeconds(1.0f);
    REQUIRE(driver->state == GameState::Intro, "the game did not start within a second of E");
    REQUIRE(folder.read("settings.cfg") == "1280x1024\nwindowed\nverified", "not written as verified");
    REQUIRE(!ResolutionVerify::getInstance()->textNode, "the text stayed");
    REQUIRE(!mainGLView->windowShouldClose(), "the program ended");
    return std::string();
}

std::string letTheCheckTimeOut()
{
    TempFolder folder;
    folder.write("settings.cfg", "-1x-1\nfullscreen");
    AppDelegate app;
    const std::string problem = launch(folder, app);
    REQUIRE(problem.empty(), problem);
    REQUIRE(shownText().find("Testing Resolution: `!auto`7 - press `$e`7 to confirm.") == 0,
            "wrong text: " + shownText());
    stepSeconds(10.5f);
    REQUIRE(!mainGLView->windowShouldClose(), "ended before the count ran out");
    REQUIRE(ResolutionVerify::getInstance()->secondsLeft == 0, "the count is off");
    stepSeconds(1.0f);
    stepSeconds(0.2f);
    REQUIRE(mainGLView->windowShouldClose(), "the time-out did not end the program");
    REQUIRE(folder.read("settings.cfg") == "1024x768\nwindowed", "the fallback was not written");
    REQUIRE(GameInterface::getInstance()->state == GameState::Menu, "the game started after a time-out");
    return std::string();
}

// The score file is the next start's to read: a quit from the resolution
// check has shown nothing, so a damaged one must still be there to be told of.
std::string quitFromTheCheckWithADamagedScoreFile()
{
    TempFolder folder;
    folder.write("settings.cfg", "1280x1024\nwindowed");
    // A head of version 1 and no tables, then two stray bytes.
    const std::string damaged("\x01\0\0\0\0\0\0\0\xAB\xCD", 10);
    folder.write(HighScores::kFileName, damaged);
    AppDelegate app;
    const std::string problem = launch(folder, app);
    REQUIRE(problem.empty(), problem);
    stepSeconds(11.7f);
    REQUIRE(mainGLView->windowShouldClose(), "the time-out did not end the program");
    GameInterface::getInstance()->saveBeforeQuitting();
    REQUIRE(folder.read(HighScores::kFileName) == damaged, "the score file was rewritten at quit");
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
    {
        const std::string name = entry.path().filename().string();
        REQUIRE(name == "settings.cfg" || name == HighScores::kFileName, "the quit left " + name);
    }
    return std::string();
}

class StartUpTest : public ::testing::Test
{
protected:
    void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

}

TEST_F(StartUpTest, AMissingSettingsFileGoesStraightIntoTheIntro)
{
    EXPECT_EXIT(finish(startWithoutSettingsFile()), ::testing::ExitedWithCode(0), "");
}

TEST_F(StartUpTest, AnUntriedResolutionIsConfirmedWithEThenTheIntroStarts)
{
    EXPECT_EXIT(finish(confirmAnUntriedResolution()), ::testing::ExitedWithCode(0), "");
}

TEST_F(StartUpTest, AnUnconfirmedResolutionTimesOutToTheSmallestWindowedMode)
{
    EXPECT_EXIT(finish(letTheCheckTimeOut()), ::testing::ExitedWithCode(0), "");
}

TEST_F(StartUpTest, AQuitFromTheResolutionCheckLeavesADamagedScoreFileForTheNextStart)
{
    EXPECT_EXIT(finish(quitFromTheCheckWithADamagedScoreFile()), ::testing::ExitedWithCode(0), "");
}
