#include "actors/Player.h"
#include "app/GameInterface.h"
#include "app/GameServices.h"
#include "ui/hud/GameHUD.h"
#include "ui/hud/UIObjectDescriptor.h"
#include "ui/hud/UIUnlockBar.h"
#include "world/ObjectDef.h"
#include "world/Train.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <vector>

namespace {

// Writes down every call the driver makes instead of making it.
class RecordingServices : public GameServices
{
public:
    explicit RecordingServices(std::vector<std::string>& calls, std::vector<float>& worldSteps)
        : log(calls), steps(worldSteps)
    {
    }

    void deliverStatsCallbacks() override { log.push_back("stats"); }
    void pollInput(ControllerInterface*) override { log.push_back("input"); }
    void updateWorldMap(float dt, bool move) override
    {
        log.push_back("world");
        steps.push_back(dt);
        bulletsFly = move;
    }
    void updateSound() override { log.push_back("sound"); }
    void updatePather() override { log.push_back("pather"); }
    void updateMovement(ControllerInterface*) override { log.push_back("movement"); }
    void updatePlayer(Player*, float) override { log.push_back("player"); }
    void updateTutorials(float) override { log.push_back("tutorials"); }
    void rearmDealerHint() override { log.push_back("dealerHint"); }
    void updateHoverInfo(float) override { log.push_back("hover"); }
    void updateUnlockBar(UIUnlockBar*, float) override { log.push_back("unlockBar"); }
    void updateConsole(UITextConsole*, float) override { log.push_back("console"); }
    void updatePopulation() override { log.push_back("population"); }
    void updateMobs(float) override { log.push_back("mobs"); }
    void updateWeather(float) override { log.push_back("weather"); }
    void updatePolice(float) override { log.push_back("police"); }
    void updateCamera(float) override { log.push_back("camera"); }
    bool updateTrain(Train*, float) override
    {
        log.push_back("train");
        return trainLeaves;
    }
    void spawnTrain() override { log.push_back("spawnTrain"); }
    void updateMissions(float) override { log.push_back("missions"); }
    void updateHudOverlay(float) override { log.push_back("hud"); }
    void updateTargetMarker(UIObjectDescriptor*, float) override { log.push_back("marker"); }
    void checkRunEnd() override { log.push_back("runEnd"); }
    void closeMainMenu() override { log.push_back("closeMenu"); }
    void leaveEditor() override { log.push_back("leaveEditor"); }
    void enterEditor() override { log.push_back("enterEditor"); }
    void showRain() override { log.push_back("showRain"); }
    void hideRain() override { log.push_back("hideRain"); }
    void setInterfaceMode(int state) override { log.push_back("mode " + std::to_string(state)); }
    void playIntro() override { log.push_back("intro"); }

    bool trainLeaves = false;
    bool bulletsFly = false;

private:
    std::vector<std::string>& log;
    std::vector<float>& steps;
};

using Calls = std::vector<std::string>;

const Calls kBefore = {"stats", "input", "world", "sound", "pather"};
const Calls kCity = {"unlockBar", "console", "population", "mobs", "weather", "police", "camera"};

Calls join(std::initializer_list<Calls> parts)
{
    Calls all;
    for (const Calls& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

class GameInterfaceTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        driver = GameInterface::getInstance();
        auto recording = std::make_unique<RecordingServices>(calls, worldSteps);
        services = recording.get();
        driver->setServices(std::move(recording));
        driver->state = GameState::Menu;
        driver->player = nullptr;
        driver->trainlocation = -1;
        driver->train = nullptr;
        driver->windowMode = 0;
        driver->dealerVisited = false;
        driver->dealerHintTimer = 0.0f;
        driver->messages.clear();
        driver->popupShowing = false;
        driver->runOver = false;
        driver->runSummaryShown = false;
    }

    void TearDown() override
    {
        driver->player = nullptr;
        driver->train = nullptr;
        driver->state = GameState::Menu;
        driver->setServices(std::make_unique<GameServices>());
    }

    Calls frameIn(int state, float dt = 1.0f / 60.0f)
    {
        driver->state = state;
        calls.clear();
        driver->update(dt);
        return calls;
    }

    GameInterface* driver = nullptr;
    RecordingServices* services = nullptr;
    Calls calls;
    std::vector<float> worldSteps;
    ObjectDef playerDef;
    Player player{&playerDef, false};
};

}

TEST_F(GameInterfaceTest, BehindTheMenuWithoutARunTheCityLivesOn)
{
    EXPECT_EQ(frameIn(GameState::Menu), join({kBefore, {"hover"}, kCity, {"missions", "hud", "marker"}}));
}

TEST_F(GameInterfaceTest, BehindTheMenuOfAPausedRunNothingMoves)
{
    driver->player = &player;
    EXPECT_EQ(frameIn(GameState::Menu), join({kBefore, {"marker"}}));
}

// A bullet fired just before a tutorial picture or the menu paused the run
// must not fly on and hit the player who cannot move.
TEST_F(GameInterfaceTest, APausedRunHoldsItsBulletsWhereTheyAre)
{
    driver->player = &player;
    for (int state : {GameState::Paused, GameState::Menu, GameState::TutorialPanes, GameState::InfoPages})
    {
        frameIn(state);
        EXPECT_FALSE(services->bulletsFly) << state;
    }
    for (int state : {GameState::Playing, GameState::Dead, GameState::Edit})
    {
        frameIn(state);
        EXPECT_TRUE(services->bulletsFly) << state;
    }
    driver->player = nullptr;
    frameIn(GameState::Menu);
    EXPECT_TRUE(services->bulletsFly) << "the city behind the menu lives on";
}

TEST_F(GameInterfaceTest, PlayingRunsThePlayerFirstThenTheCity)
{
    driver->player = &player;
    EXPECT_EQ(frameIn(GameState::Playing),
              join({kBefore, {"movement", "player", "tutorials"}, kCity, {"missions", "hud", "marker"}}));
}

TEST_F(GameInterfaceTest, StillStatesRunOnlyTheServices)
{
    driver->player = &player;
    for (int state : {GameState::Paused, GameState::Edit, GameState::Intro, GameState::TutorialPanes,
                      GameState::InfoPages})
        EXPECT_EQ(frameIn(state), join({kBefore, {"marker"}})) << state;
    driver->player = nullptr;
    EXPECT_EQ(frameIn(GameState::Intro), join({kBefore, {"marker"}}));
}

TEST_F(GameInterfaceTest, DeadKeepsTheCityRunningAndChecksTheRunEnd)
{
    driver->player = &player;
    player.health = 0;
    EXPECT_EQ(frameIn(GameState::Dead),
              join({kBefore, {"movement", "player", "tutorials"}, kCity, {"missions", "hud", "marker", "runEnd"}}));

    // Not while a message waits or shows, and only once the summary is due.
    driver->messages.push_back(Message{"You have been `@neutralised`7.", true});
    EXPECT_EQ(frameIn(GameState::Dead).back(), "marker");
    driver->messages.clear();
    driver->popupShowing = true;
    EXPECT_EQ(frameIn(GameState::Dead).back(), "marker");
    driver->popupShowing = false;
    driver->runSummaryShown = true;
    EXPECT_EQ(frameIn(GameState::Dead).back(), "marker");
    driver->runOver = true;
    EXPECT_EQ(frameIn(GameState::Dead).back(), "runEnd");
    // A living player ends the run only by leaving the zone.
    player.health = 50;
    driver->runSummaryShown = false;
    driver->runOver = false;
    EXPECT_EQ(frameIn(GameState::Dead).back(), "marker");
    // Outside Dead there is no run end.
    driver->runOver = true;
    EXPECT_EQ(frameIn(GameState::Playing).back(), "marker");
}

TEST_F(GameInterfaceTest, ContractsWaitWhileTheDealerIsOpen)
{
    driver->windowMode = 2;
    EXPECT_EQ(frameIn(GameState::Menu), join({kBefore, {"hover"}, kCity, {"hud", "marker"}}));
    driver->windowMode = 1;
    EXPECT_EQ(frameIn(GameState::Menu), join({kBefore, {"hover"}, kCity, {"missions", "hud", "marker"}}));
}

TEST_F(GameInterfaceTest, TheTrainIsStartedWhenMissingAndDroppedWhenItLeaves)
{
    driver->trainlocation = 12;
    EXPECT_EQ(frameIn(GameState::Menu), join({kBefore, {"hover"}, kCity, {"spawnTrain", "missions", "hud", "marker"}}));

    // A train of its engine alone; the recording services never move it.
    Train someTrain(180, 0, cocos2d::Vec2::ZERO);
    driver->train = &someTrain;
    EXPECT_EQ(frameIn(GameState::Menu), join({kBefore, {"hover"}, kCity, {"train", "missions", "hud", "marker"}}));
    EXPECT_EQ(driver->train, &someTrain);
    services->trainLeaves = true;
    frameIn(GameState::Menu);
    EXPECT_EQ(driver->train, nullptr);
}

TEST_F(GameInterfaceTest, TheTimeStepIsNeverBelowTenMilliseconds)
{
    driver->player = &player;
    frameIn(GameState::Playing, 0.001f);
    frameIn(GameState::Playing, 0.0f);
    frameIn(GameState::Playing, 0.05f);
    ASSERT_EQ(worldSteps.size(), 3u);
    EXPECT_FLOAT_EQ(worldSteps[0], 0.01f);
    EXPECT_FLOAT_EQ(worldSteps[1], 0.01f);
    EXPECT_FLOAT_EQ(worldSteps[2], 0.05f);
    EXPECT_FLOAT_EQ(driver->dealerHintTimer, 0.07f);
}

TEST_F(GameInterfaceTest, TheDealerHintIsReArmedAfterTwoMinutesWithoutAVisit)
{
    driver->player = &player;
    driver->dealerHintTimer = 119.995f;
    Calls frame = frameIn(GameState::Playing, 0.001f);
    EXPECT_NE(std::find(frame.begin(), frame.end(), "dealerHint"), frame.end());
    EXPECT_FLOAT_EQ(driver->dealerHintTimer, 0.0f);

    driver->dealerVisited = true;
    driver->dealerHintTimer = 500.0f;
    frame = frameIn(GameState::Playing);
    EXPECT_EQ(std::find(frame.begin(), frame.end(), "dealerHint"), frame.end());
    EXPECT_FLOAT_EQ(driver->dealerHintTimer, 500.0f);
}

TEST_F(GameInterfaceTest, StateChangesRunTheirExitAndEntryActionsOnce)
{
    driver->state = GameState::Menu;
    driver->setState(GameState::Intro);
    EXPECT_EQ(calls, (Calls{"closeMenu", "mode 1", "hideRain", "intro"}));
    EXPECT_EQ(driver->state, GameState::Intro);

    calls.clear();
    driver->setState(GameState::Intro);
    EXPECT_TRUE(calls.empty());

    driver->setState(GameState::Menu);
    EXPECT_EQ(calls, (Calls{"showRain", "mode 6"}));

    calls.clear();
    driver->setState(GameState::Edit);
    EXPECT_EQ(calls, (Calls{"closeMenu", "enterEditor", "mode 7"}));

    calls.clear();
    driver->setState(GameState::Playing);
    EXPECT_EQ(calls, (Calls{"leaveEditor", "mode 3"}));

    calls.clear();
    driver->setState(GameState::Dead);
    driver->setState(GameState::Playing);
    driver->setState(GameState::Paused);
    EXPECT_EQ(calls, (Calls{"mode 5", "mode 3", "mode 4"}));
}

TEST(GameServicesTest, UnlockNoticesShowOneAfterTheOtherEveryFourSeconds)
{
    GameServices services;
    UIUnlockBar* bar = UIUnlockBar::create();
    bar->retain();

    services.updateUnlockBar(bar, 0.5f);
    EXPECT_FLOAT_EQ(bar->timer, -1.0f) << "an empty queue leaves the timer alone";

    bar->queueUnlock("Unlock.png", "Unlocked", "unlock.mp3");
    bar->queueUnlock("Unlock.png", "Unlocked again", "");
    services.updateUnlockBar(bar, 0.5f);
    EXPECT_FLOAT_EQ(bar->timer, 4.0f) << "the first notice shows at once";
    EXPECT_EQ(bar->queue.size(), 1u);
    services.updateUnlockBar(bar, 3.0f);
    EXPECT_FLOAT_EQ(bar->timer, 1.0f);
    services.updateUnlockBar(bar, 1.0f);
    EXPECT_FLOAT_EQ(bar->timer, -1.0f);
    services.updateUnlockBar(bar, 1.0f);
    EXPECT_FLOAT_EQ(bar->timer, 4.0f);
    bar->release();
}

// The HUD's readings, in which one mob is a gang member.
class GangMemberSource : public HudSource
{
public:
    explicit GangMemberSource(const GameMob* member) : gangMember(member) {}

    std::optional<PersonReading> person(const GameMob* mob) const override
    {
        if (mob != gangMember)
            return std::nullopt;
        PersonReading reading;
        reading.fullName = "Bo Lint";
        reading.gang = true;
        return reading;
    }

    const GameMob* gangMember;
};

TEST(GameServicesTest, TheTargetMarkerKeepsAHeldTargetAndOtherwiseLooksAgain)
{
    GameServices services;
    UIObjectDescriptor* marker = UIObjectDescriptor::create("target", 1);
    marker->retain();
    ObjectDef def;
    Player someone(&def, false);
    GameHUD::getInstance()->setSource(std::make_unique<GangMemberSource>(&someone));

    // Out of the player's sight the marker fades; it is half faded here.
    marker->target = &someone;
    marker->visibility = 1.0f;
    marker->hold = true;
    services.updateTargetMarker(marker, 0.1f);
    EXPECT_EQ(marker->target, &someone);
    EXPECT_NEAR(marker->visibility, 0.8f, 1e-4f);

    marker->hold = false;
    services.updateTargetMarker(marker, 0.1f);
    EXPECT_FALSE(marker->hold);
    EXPECT_EQ(marker->target, &someone) << "without a player the marker keeps its actor";
    marker->release();
    GameHUD::getInstance()->setSource(nullptr);
}
