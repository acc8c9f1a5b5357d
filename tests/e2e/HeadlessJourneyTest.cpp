// The game played from start-up as a player would, on a headless view: the
// intro with its keys, the character choice and comic of a first start, a run
// in the first zone, a second start with the saves the first one left, each
// of the three zones, and walking with the movement keys. Each journey runs
// in a process of its own (the game's managers live as long as the process),
// with the saves in a temporary folder and the tree's own assets.
#include "GameLaunch.h"
#include "JourneyReport.h"
#include "PlayerJourney.h"
#include "SharedSavesFolder.h"

#include "actors/Player.h"
#include "actors/Projectile.h"
#include "app/ControllerInterface.h"
#include "app/Game.h"
#include "app/HighScores.h"
#include "app/GameInterface.h"
#include "app/GameState.h"
#include "ui/UIText.h"
#include "ui/menus/UIMenu.h"
#include "ui/windows/UIInteractElement.h"
#include "app/Achievements.h"
#include "world/GameData.h"
#include "world/Train.h"
#include "world/WorldMap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

USING_NS_CC;

namespace {

using KeyCode = EventKeyboard::KeyCode;

constexpr float kFrame = GameLaunch::kFrame;
// Enough frames to see a few seconds of play.
constexpr int kPlayFrames = 300;
// Far enough that walking, and not a nudge, moved the player.
constexpr float kWalkedPixels = 16.0f;
// How far above the player the mouse aims, in design units.
constexpr float kAimAbove = 100.0f;

class HeadlessJourney : public ::testing::Test
{
protected:
    void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

// ESC pauses the run in the main menu, where the run stands still; ESC in the
// menu's first column resumes it.
void pauseAndResume(JourneyReport& report, GameLaunch& game, PlayerJourney& journey)
{
    GameInterface* driver = GameInterface::getInstance();
    journey.readTutorial();
    game.tap(KeyCode::KEY_ESCAPE);
    report.check(driver->state == GameState::Menu, "ESC in a run did not open the menu");
    report.check(driver->menu != nullptr, "ESC in a run shows no menu");
    report.check(driver->player != nullptr, "ESC ended the run instead of pausing it");
    if (!driver->player)
        return;
    const Vec2 paused = driver->player->getPosition();
    game.press(KeyCode::KEY_D);
    game.step(kPlayFrames / 10);
    game.release(KeyCode::KEY_D);
    report.check(driver->player->getPosition() == paused, "the paused run moved behind the menu");
    game.tap(KeyCode::KEY_ESCAPE);
    report.check(driver->state == GameState::Playing, "ESC in the menu did not resume the run");
    // The menu fades for half a second before it goes.
    journey.play(kPlayFrames / 5);
    report.check(driver->menu == nullptr && driver->player, "the menu did not go when the run resumed");
    report.note("ESC paused and ESC resumed: state " + std::to_string(driver->state));
}

// The progress a player would have made, so that every zone and mode is open.
void unlockEverything(std::initializer_list<int> unlocks)
{
    for (int unlock : unlocks)
        Achievements::getInstance()->unlock(unlock, false, true);
}

void firstStart(JourneyReport& report, const std::string& saves)
{
    GameLaunch game(saves);
    if (!report.require(game.startHeadless(), "the game did not start: " + game.error()))
        return;
    PlayerJourney journey(game, report, kFrame);
    if (!journey.introToMenu(true))
        return;
    report.check(std::filesystem::exists(saves + "/gamestate.dat"), "the chosen character was not saved");
    report.check(std::filesystem::exists(saves + "/settings.cfg"), "the first start wrote no settings file");
    if (!journey.startRunFromMenu() || !journey.checkZoneLoaded(0))
        return;
    journey.playHolding(kPlayFrames, KeyCode::KEY_W, KeyCode::KEY_D);

    pauseAndResume(report, game, journey);
}

void secondStart(JourneyReport& report, const std::string& saves)
{
    GameLaunch game(saves);
    if (!report.require(game.startHeadless(), "the game did not start: " + game.error()))
        return;
    GameInterface* driver = GameInterface::getInstance();
    report.check(driver->playerCharacter == 4003,
                 "the character chosen at the first start was not loaded (" + std::to_string(driver->playerCharacter) +
                     ")");
    // The road through the menu is the first start's to judge.
    PlayerJourney journey(game, report, kFrame, false);
    if (!journey.introToMenu(false))
        return;
    journey.startRunFromMenu();
    journey.play(kPlayFrames);
    report.check(driver->state == GameState::Playing && driver->player, "the second start's run did not hold");
}

void everyZone(JourneyReport& report, const std::string& saves)
{
    GameLaunch game(saves);
    if (!report.require(game.startHeadless(), "the game did not start: " + game.error()))
        return;
    // Larger steps through the intro: only the zones are looked at here.
    PlayerJourney intro(game, report, 0.05f, false);
    if (!intro.introToMenu(true))
        return;
    PlayerJourney journey(game, report, kFrame, false);
    GameInterface* driver = GameInterface::getInstance();
    unlockEverything({2002, 2009});
    for (int zone = 0; zone < GameData::kZoneCount; ++zone)
    {
        // ESC leaves the run for the menu, whose zone entries load the zone.
        journey.readTutorial();
        if (!driver->menu)
            game.tap(KeyCode::KEY_ESCAPE);
        if (!journey.startRunFromMenu(zone, 0) || !journey.checkZoneLoaded(zone))
            continue;
        journey.play(kPlayFrames);
        const std::string name = GameData::levelName(zone);
        report.check(driver->state == GameState::Playing && driver->player,
                     name + ": the run did not hold for " + std::to_string(kPlayFrames) + " frames");
        // A zone with a railway has a train passing through.
        if (driver->trainlocation != -1)
            report.check(driver->train && driver->train->getParent() == WorldMap::getInstance()->worldNode,
                         name + ": no train runs on the railway of column " +
                             std::to_string(driver->trainlocation));
    }
}

// Puts the mouse a little way above a point of the design view.
void aimAbove(GameLaunch& game, Vec2 designPoint)
{
    const GLView* view = Director::getInstance()->getOpenGLView();
    const float x = designPoint.x * view->getScaleX();
    const float yFromTop = view->getFrameSize().height - (designPoint.y + kAimAbove) * view->getScaleY();
    game.moveMouse(x, yFromTop);
}

// Starts the game headless and plays through the intro (quickly) and the
// menu into a run; false, with the reason reported, when a step failed.
bool intoARun(GameLaunch& game, JourneyReport& report, PlayerJourney& play)
{
    if (!report.require(game.startHeadless(), "the game did not start: " + game.error()))
        return false;
    PlayerJourney intro(game, report, 0.05f, false);
    return intro.introToMenu(true) && play.startRunFromMenu();
}

void walk(JourneyReport& report, const std::string& saves)
{
    GameLaunch game(saves);
    PlayerJourney play(game, report, kFrame, false);
    if (!intoARun(game, report, play))
        return;

    GameInterface* driver = GameInterface::getInstance();
    ControllerInterface* controller = driver->controller;
    // W walks towards the mouse and D steps to its right: aim straight up the screen.
    aimAbove(game, driver->player->getScreenPosition());
    report.check(std::fabs(driver->player->heading) < 1.0f,
                 "the player does not face the mouse above it: heading " + std::to_string(driver->player->heading));
    const Vec2 start = driver->player->getPosition();
    game.press(KeyCode::KEY_D);
    game.press(KeyCode::KEY_W);
    game.step(1);
    report.check(controller->moveHorizontal == ControllerInterface::kMoveRight &&
                     controller->moveVertical == ControllerInterface::kMoveUp && controller->running,
                 "D and W held do not ask for a run to the right and up");
    report.check(driver->player->sidewaysKey, "D held does not tell the player a sideways key is down");
    // A tutorial that pops up on the way is read and closed, as a player would.
    play.play(kPlayFrames);
    const Vec2 end = driver->player ? driver->player->getPosition() : start;
    game.release(KeyCode::KEY_D);
    game.release(KeyCode::KEY_W);
    game.step(1);
    report.check(controller->moveHorizontal == 0.0f && controller->moveVertical == 0.0f,
                 "the movement request did not stop with the keys");
    report.check(driver->player && !driver->player->sidewaysKey, "the sideways key stayed down after D went up");
    report.note("player walked from " + PlayerJourney::describe(start) + " to " + PlayerJourney::describe(end));
    report.check(end.x - start.x > kWalkedPixels && end.y - start.y > kWalkedPixels,
                 "the player did not walk right and up with D and W held for " + std::to_string(kPlayFrames) +
                     " frames: from " + PlayerJourney::describe(start) + " to " + PlayerJourney::describe(end));
    report.check(WorldMap::getInstance()->cameraPoint.distance(end) < 1.0f,
                 "the view did not follow the walking player");
    // V lights a cigarette, which the next step puts out.
    game.tap(KeyCode::KEY_V);
    report.check(driver->player && driver->player->isSmoking(), "V did not start a smoke");
    game.press(KeyCode::KEY_S);
    game.step(2);
    game.release(KeyCode::KEY_S);
    report.check(driver->player && !driver->player->isSmoking(), "walking did not put the smoke out");
}

void reachTheMenu(JourneyReport& report, const std::string& saves)
{
    GameLaunch game(saves);
    if (!report.require(game.startHeadless(), "the game did not start: " + game.error()))
        return;
    PlayerJourney journey(game, report, 0.05f, false);
    if (!journey.introToMenu(true))
        return;
    GameInterface* driver = GameInterface::getInstance();
    const UIMenu* menu = driver->menu;
    if (!report.check(menu != nullptr, "no main menu is shown after the intro, so a player has no way to start a run"))
        return;
    report.check(menu->getParent() == static_cast<Node*>(driver->gameLayer), "the menu is not on the game layer");
    report.check(UIInteractElement::focusedElement == menu, "the menu does not take the keys");
    const std::string root = menu->columns[0] ? menu->columns[0]->text : std::string();
    size_t at = 0;
    for (const char* label : {"Game", "Comics", "Stats", "Options", "Help", "Credits", "Quit"})
    {
        const size_t found = root.find(label, at);
        report.check(found != std::string::npos, std::string("the menu's first column lacks ") + label);
        at = found == std::string::npos ? at : found;
    }
    report.check(menu->logo != nullptr, "the menu shows no logo");
    report.note("menu's first column: \"" + root + "\"");
}

// A run of each of the four modes, chosen by keys in the menu; ESC pauses
// each run and resumes it, then leaves it for the next.
void everyMode(JourneyReport& report, const std::string& saves)
{
    GameLaunch game(saves);
    if (!report.require(game.startHeadless(), "the game did not start: " + game.error()))
        return;
    unlockEverything({2006, 2029, 2019});
    PlayerJourney intro(game, report, 0.05f, false);
    if (!intro.introToMenu(true))
        return;
    PlayerJourney journey(game, report, kFrame);
    GameInterface* driver = GameInterface::getInstance();
    for (int mode = 0; mode < 4; ++mode)
    {
        journey.readTutorial();
        if (!driver->menu)
            game.tap(KeyCode::KEY_ESCAPE);
        if (!journey.startRunFromMenu(0, mode))
            return;
        journey.play(kPlayFrames / 5);
        report.check(driver->state == GameState::Playing && driver->player,
                     "the run of mode " + std::to_string(mode) + " did not hold");
        pauseAndResume(report, game, journey);
    }
}

void dieAndRestart(JourneyReport& report, const std::string& saves)
{
    GameLaunch game(saves);
    PlayerJourney play(game, report, kFrame, false);
    if (!intoARun(game, report, play))
        return;
    play.play(kPlayFrames / 5);

    // A police drone's shot: what the player's own death does (the actors
    // that could fire it are not in the game yet).
    GameInterface* driver = GameInterface::getInstance();
    report.note("the player is shot dead by a police drone");
    driver->player->health = 0;
    driver->playerDied(1);
    report.check(driver->state == GameState::Dead, "the player's death did not end the run");
    report.check(driver->popupText && driver->popupText->text.find("neutralised") != std::string::npos,
                 "no death message is shown");
    if (driver->popupText)
        report.note("death message: \"" + driver->popupText->text + "\"");

    // After the message the end-of-run screens come; their last step lets SPACE restart.
    const bool screensDone = game.stepUntil([&] { return driver->runEndStep == 5; }, 20.0f);
    if (!report.check(screensDone, "the end-of-run screens never came after the death message (runEndStep " +
                                       std::to_string(driver->runEndStep) +
                                       "), so SPACE can never restart the run"))
    {
        report.note("going on as if the end-of-run screens had been read");
        driver->runEndStep = 5;
    }
    if (const UIText* summary = HighScores::getInstance()->summaryNode)
        report.note("run summary: \"" + summary->text + "\"");
    report.check(HighScores::getInstance()->summaryNode != nullptr, "no run summary was shown after the death");
    game.tap(KeyCode::KEY_SPACE);
    report.check(driver->restarting, "SPACE after the end-of-run screens did not restart");
    if (driver->popupText)
        report.note("restart caption: \"" + driver->popupText->text + "\"");
    const bool again = game.stepUntil(
        [&] { return driver->state == GameState::Playing && driver->player && driver->player->health > 0; }, 4.0f);
    if (!report.check(again, "the restarted run never began"))
        return;
    play.checkRunStarted();
    play.play(kPlayFrames);
    report.check(driver->state == GameState::Playing && driver->player, "the restarted run did not hold");
}

// A gang member's bullet is a step from the player when a tutorial picture
// pauses the run: it waits in the air while the player reads, and flies on
// once E closes it. Whatever it strikes then (the player, or a passer-by who
// stepped in between) the bullet itself tells whether it was held.
bool stillFlying(const Projectile* bullet)
{
    const auto& flying = WorldMap::getInstance()->projectiles;
    return std::find(flying.begin(), flying.end(), bullet) != flying.end();
}

void bulletWaitsForTheTutorial(JourneyReport& report, const std::string& saves)
{
    GameLaunch game(saves);
    PlayerJourney play(game, report, kFrame, false);
    if (!intoARun(game, report, play))
        return;
    play.play(kPlayFrames / 5);
    GameInterface* driver = GameInterface::getInstance();
    Player* player = driver->player;
    constexpr int kPistolBullet = 2000;
    constexpr int kGangRole = 3;
    const Vec2 start = player->getPosition() + Vec2(0.0f, 20.0f);
    const Projectile* bullet = WorldMap::getInstance()->spawnProjectile(kPistolBullet, -1.0f, kGangRole, start, 180.0f, 600.0f);
    driver->showTutorialPopup("Tutorial_02.png");
    game.step(kPlayFrames / 5);
    report.check(driver->state == GameState::Paused && stillFlying(bullet) && bullet->getPosition() == start &&
                     player->health == 100,
                 "a bullet flew on behind the tutorial picture: state " + std::to_string(driver->state) +
                     ", the player's health " + std::to_string(player->health));
    // E closes the picture, and any tutorial that comes next, as a player would.
    for (int frame = 0; frame < kPlayFrames / 10 && stillFlying(bullet) && bullet->getPosition() == start; ++frame)
    {
        if (driver->state == GameState::Paused)
            game.tap(KeyCode::KEY_E);
        else
            game.step(1);
    }
    report.check(!stillFlying(bullet) || bullet->getPosition() != start, "the held bullet did not fly on after the tutorial");
}

// A saves folder that is a file, an emptied weapon list and zone settings and
// a map cut in half: the map maker's way in (no intro to wait for) must show
// every one of them on screen, by its file's name.
void filesGoneWrong(JourneyReport& report, const std::string& folder)
{
    namespace fs = std::filesystem;
    const std::string saves = folder + "/saves";
    std::ofstream(saves) << "a file where the saves folder should be";
    const std::string assets = folder + "/assets";
    const std::vector<std::string> damaged = {"weapons.txt", "tallowind_levelOne.txt", "tallowind_levelOne.map"};
    fs::create_directories(assets);
    for (const fs::directory_entry& entry : fs::directory_iterator(GameLaunch::treeAssets()))
    {
        const std::string name = entry.path().filename().string();
        if (std::find(damaged.begin(), damaged.end(), name) == damaged.end())
            fs::create_symlink(entry.path(), assets + "/" + name);
    }
    std::ofstream(assets + "/weapons.txt");
    std::ofstream(assets + "/tallowind_levelOne.txt");
    std::ifstream map(GameLaunch::treeAssets() + "/tallowind_levelOne.map", std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(map)), std::istreambuf_iterator<char>());
    std::ofstream(assets + "/tallowind_levelOne.map", std::ios::binary) << bytes.substr(0, bytes.size() / 2);

    GameLaunch game(saves, assets);
    game.requestEditor();
    if (!report.require(game.startHeadless(), "the game did not start: " + game.error()))
        return;
    GameInterface* driver = GameInterface::getInstance();
    if (!report.require(game.stepUntil([&] { return driver->state == GameState::Edit; }, 30.0f),
                        "the editor never opened"))
        return;
    // The notices come one after the other, each in its turn on screen.
    std::string shown;
    std::string last;
    game.stepUntil(
        [&] {
            if (driver->popupText && driver->popupText->text != last)
            {
                last = driver->popupText->text;
                shown += last + "\n";
            }
            return false;
        },
        90.0f, 0.1f);
    report.note("on screen: " + shown);
    report.check(shown.find("Not saved") != std::string::npos, "nothing on screen says the game cannot save");
    for (const char* name : {"settings.cfg", "gamestate.dat", "weapons.txt", "tallowind_levelOne.txt",
                             "tallowind_levelOne.map"})
        report.check(shown.find(name) != std::string::npos, std::string("nothing on screen names ") + name);
}

// Walks one journey in a child process of its own, on the given saves folder.
void expectJourney(const char* name, void (*journey)(JourneyReport&, const std::string&), const std::string& saves)
{
    EXPECT_EXIT(JourneyReport::runAndExit(name, [&](JourneyReport& r) { journey(r, saves); }),
                ::testing::ExitedWithCode(0), "");
}

}

TEST_F(HeadlessJourney, TheIntroEndsInTheMainMenu)
{
    SharedSavesFolder saves;
    ASSERT_FALSE(saves.path().empty());
    expectJourney("menu", &reachTheMenu, saves.path());
}

TEST_F(HeadlessJourney, EachModeIsStartedPausedAndResumedByKeysAlone)
{
    SharedSavesFolder saves;
    ASSERT_FALSE(saves.path().empty());
    expectJourney("modes", &everyMode, saves.path());
}

TEST_F(HeadlessJourney, ADeadPlayerRestartsWithSpaceAfterTheEndOfRunScreens)
{
    SharedSavesFolder saves;
    ASSERT_FALSE(saves.path().empty());
    expectJourney("death", &dieAndRestart, saves.path());
}

TEST_F(HeadlessJourney, AFirstStartGoesThroughTheIntroIntoARunAndASecondStartSkipsTheChoice)
{
    SharedSavesFolder saves;
    ASSERT_FALSE(saves.path().empty());
    expectJourney("first start", &firstStart, saves.path());
    ASSERT_TRUE(saves.exists("gamestate.dat"));
    expectJourney("second start", &secondStart, saves.path());
}

TEST_F(HeadlessJourney, EachOfTheThreeZonesLoadsAndHoldsARun)
{
    SharedSavesFolder saves;
    ASSERT_FALSE(saves.path().empty());
    expectJourney("zones", &everyZone, saves.path());
}

TEST_F(HeadlessJourney, ThePlayerWalksWithTheMovementKeysAndTheViewFollows)
{
    SharedSavesFolder saves;
    ASSERT_FALSE(saves.path().empty());
    expectJourney("walk", &walk, saves.path());
}

TEST_F(HeadlessJourney, ABulletInFlightWaitsWhileATutorialPausesTheRun)
{
    SharedSavesFolder saves;
    ASSERT_FALSE(saves.path().empty());
    expectJourney("paused bullet", &bulletWaitsForTheTutorial, saves.path());
}

TEST_F(HeadlessJourney, FilesTheGameCannotUseAreSaidOnScreen)
{
    SharedSavesFolder folder;
    ASSERT_FALSE(folder.path().empty());
    expectJourney("files gone wrong", &filesGoneWrong, folder.path());
}
