#include "LevelFlowFixture.h"

#include "actors/Inventory.h"
#include "actors/Player.h"
#include "actors/contracts/Contract.h"
#include "actors/contracts/MissionManager.h"
#include "app/Achievements.h"
#include "app/HighScores.h"
#include "app/SoundInstance.h"
#include "ui/UIText.h"
#include "world/LevelSettings.h"
#include "world/ObjectDef.h"
#include "world/Train.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <string>

USING_NS_CC;

namespace {

class LevelFlowTest : public LevelFlowFixture
{
protected:
    void TearDown() override
    {
        layer->stopAllActions();
        layer->setPosition(Vec2::ZERO);
        LevelFlowFixture::TearDown();
    }

    void loadZone(int zone)
    {
        GameData::getInstance()->currentZone = zone;
        driver->loadLevel();
    }

    std::string shownText() const { return driver->popupText ? driver->popupText->text : std::string(); }

    // A player of an earlier run, handed over to the flow like a spawned one.
    Player* earlierPlayer()
    {
        auto* earlier = new Player(&playerDef, false);
        driver->player = earlier;
        camera->setTarget(earlier);
        return earlier;
    }

    WorldMap* map = WorldMap::getInstance();
    GameCamera* camera = GameCamera::getInstance();
};

}

TEST_F(LevelFlowTest, LoadsEachZoneOfTheAssets)
{
    const std::array<int, 3> trains = {80, 44, -1};
    const std::array<int, 3> bases = {150, 175, 200};
    int previousCityLoop = SoundEngine::getInstance()->play(nullptr, true, "city_loop.wav", 1.0f);
    for (int zone = 0; zone < 3; ++zone)
    {
        SCOPED_TRACE(zone);
        driver->levelUsed = true;
        driver->runOver = true;
        loadZone(zone);
        EXPECT_TRUE(map->mapLoaded);
        EXPECT_GT(map->width, 0);
        EXPECT_FALSE(map->playerSpawnMarkers.empty());
        EXPECT_GT(map->passableObjects.size() + map->solidObjects.size(), 0u);
        EXPECT_EQ(driver->trainlocation, trains[static_cast<size_t>(zone)]);
        // Contracts are priced by the zone's own table.
        EXPECT_EQ(contractValueTable, readLevelSettings(GameData::getInstance()->getLevelSettingsPath()).contractValues);
        EXPECT_EQ(contractValueTable[LevelSettings::Base], bases[static_cast<size_t>(zone)]);
        EXPECT_FALSE(driver->levelUsed);
        EXPECT_FALSE(driver->runOver);
        EXPECT_EQ(driver->scanCountdown, -1.0f);
        EXPECT_EQ(map->worldNode->getParent(), layer);

        // The view starts on the centre of the map.
        const Vec2 centre = WorldMap::gridToPixel(map->mapCentre.x, map->mapCentre.y);
        EXPECT_EQ(camera->position, centre);
        EXPECT_EQ(map->cameraPoint, centre);
        EXPECT_EQ(camera->target, nullptr);

        // The two ambient loops run (beside the map objects' own loops);
        // nothing of the zone before is left playing.
        SoundEngine* sound = SoundEngine::getInstance();
        EXPECT_EQ(sound->find(previousCityLoop), nullptr);
        ASSERT_NE(sound->find(driver->cityLoopSound), nullptr);
        ASSERT_NE(sound->find(driver->rainLoopSound), nullptr);
        EXPECT_TRUE(sound->find(driver->cityLoopSound)->loop);
        EXPECT_FALSE(sound->find(driver->rainLoopSound)->positional);
        previousCityLoop = driver->cityLoopSound;
        director->stepFrame(1.0f / 60.0f);
    }
}

TEST_F(LevelFlowTest, TheTrainGoesWithTheMapItRanOn)
{
    loadZone(0);
    driver->train = Train::spawnOnMap(driver->trainlocation);
    ASSERT_NE(driver->train, nullptr);
    loadZone(1);
    EXPECT_EQ(driver->train, nullptr);

    driver->train = Train::spawnOnMap(driver->trainlocation);
    ASSERT_NE(driver->train, nullptr);
    driver->reloadLevelAndStart();
    EXPECT_EQ(driver->train, nullptr);
}

TEST_F(LevelFlowTest, AMissingMapFileGivesAnEmptyMap)
{
    contractValueTable[LevelSettings::Base] = 999;
    loadZone(7);
    EXPECT_EQ(contractValueTable, LevelSettings().contractValues) << "no settings: the default prices";
    EXPECT_EQ(map->width, 140);
    EXPECT_EQ(map->height, 140);
    EXPECT_TRUE(map->playerSpawnMarkers.empty());
    EXPECT_EQ(camera->position, WorldMap::gridToPixel(70.0f, 70.0f));

    // A run still starts, at the centre of the empty map.
    driver->startRun();
    EXPECT_EQ(driver->state, GameState::Playing);
}

TEST_F(LevelFlowTest, StartRunResetsTheRun)
{
    loadZone(0);
    driver->runEndStep = 5;
    driver->runSummaryShown = true;
    driver->creditsEarned = 900;
    driver->murders = 3;
    driver->windowMode = 2;
    driver->playerCharacter = -1;
    auto* overlay = LayerColor::create(Color4B(255, 255, 255, 255));
    layer->addChild(overlay, 2000);
    driver->flashOverlay = overlay;
    driver->queueMessage("an old message", true);
    driver->queueMessage("another", true);
    MissionManager* missions = MissionManager::getInstance();
    missions->update(0.0f);
    missions->acceptContract(0);
    ASSERT_NE(missions->acceptedContract(), nullptr);

    driver->startRun();
    EXPECT_EQ(missions->acceptedContract(), nullptr);
    EXPECT_TRUE(missions->board().empty());
    EXPECT_EQ(missions->completedCount(), 0);
    EXPECT_EQ(driver->state, GameState::Playing);
    EXPECT_TRUE(driver->levelUsed);
    EXPECT_EQ(driver->runEndStep, 0);
    EXPECT_FALSE(driver->runSummaryShown);
    EXPECT_EQ(driver->creditsEarned, 0);
    EXPECT_EQ(driver->murders, 0);
    EXPECT_EQ(driver->windowMode, 0);
    EXPECT_EQ(driver->playerCharacter, 4002);
    EXPECT_EQ(driver->flashOverlay, nullptr);
    EXPECT_EQ(overlay->getParent(), nullptr);
    EXPECT_TRUE(driver->messages.empty());
    EXPECT_EQ(driver->popupText, nullptr);
}

TEST_F(LevelFlowTest, RestartFadesOutAndStartsAgainWithNothingPointingAtTheOldPlayer)
{
    loadZone(1);
    driver->startRun();
    Player* oldPlayer = driver->player ? driver->player : earlierPlayer();
    EXPECT_EQ(camera->target, oldPlayer);
    oldPlayer->health = 0;
    driver->state = GameState::Dead;
    driver->runEndStep = 5;

    driver->restart();
    ASSERT_TRUE(driver->restarting);
    ASSERT_NE(driver->flashOverlay, nullptr);
    EXPECT_EQ(driver->flashOverlay->getOpacity(), 255);
    Sprite* logo = driver->logoSprite;
    ASSERT_NE(logo, nullptr);
    EXPECT_EQ(logo->getLocalZOrder(), 2100);
    EXPECT_EQ(shownText(), "`bRestarting...");

    // A second request during the wait is ignored.
    driver->restart();
    EXPECT_EQ(driver->logoSprite, logo);

    run(1.5f);
    EXPECT_TRUE(driver->restarting);
    EXPECT_EQ(driver->state, GameState::Dead);
    run(0.2f);
    EXPECT_FALSE(driver->restarting);
    EXPECT_EQ(driver->state, GameState::Playing);
    EXPECT_EQ(driver->logoSprite, nullptr);
    EXPECT_NE(driver->player, oldPlayer);
    EXPECT_NE(camera->target, oldPlayer);
    // The run's new player is followed.
    EXPECT_EQ(camera->target, driver->player);
    EXPECT_EQ(driver->runEndStep, 0);
    EXPECT_TRUE(map->mapLoaded);
    EXPECT_FALSE(map->playerSpawnMarkers.empty());
}

TEST_F(LevelFlowTest, ARunStartedDuringARestartLeavesRestartsPossible)
{
    loadZone(2);
    driver->restart();
    driver->startRun(); // the menu starts a run during the fade
    run(2.0f);
    EXPECT_FALSE(driver->restarting);
    EXPECT_EQ(driver->state, GameState::Playing);
    driver->restart();
    EXPECT_TRUE(driver->restarting);
    run(2.0f);
    EXPECT_FALSE(driver->restarting);
}

TEST_F(LevelFlowTest, DeathShowsItsCause)
{
    const std::array<const char*, 8> messages = {
        "You have been `@neutralised`7.",
        "You have been `@neutralised`7 by a police drone.",
        "You have been `@neutralised`7 by, uh... yourself.",
        nullptr,
        "You have been `@neutralised`7 by a vigilante.",
        "You have been `@neutralised`7 by your target.",
        "You have been `@neutralised`7 by a bodyguard.",
        "You have been `@neutralised`7 by a hitman.",
    };
    for (int cause = 0; cause < 8; ++cause)
    {
        if (!messages[static_cast<size_t>(cause)])
            continue;
        driver->clearMessages();
        driver->state = GameState::Playing;
        driver->playerDied(cause);
        EXPECT_EQ(driver->state, GameState::Dead);
        EXPECT_EQ(shownText(), messages[static_cast<size_t>(cause)]) << cause;
        EXPECT_EQ(driver->popupText->getAnchorPoint(), Vec2(0.5f, 1.0f)); // centred
    }
    driver->clearMessages();
    driver->windowMode = 2; // died at the dealer: contracts must not stay frozen
    driver->playerDied(99);
    EXPECT_EQ(shownText(), messages[0]);
    EXPECT_EQ(driver->windowMode, 0);
    EXPECT_EQ(driver->interactWindow, nullptr);
}

TEST_F(LevelFlowTest, AVigilanteIsRarelyAVegetarian)
{
    int vegetarians = 0;
    std::srand(12345);
    for (int i = 0; i < 3000; ++i)
    {
        driver->clearMessages();
        driver->playerDied(3);
        const std::string text = shownText();
        ASSERT_TRUE(text == "You have been `@neutralised`7 by a vigilante." ||
                    text == "You have been `@neutralised`7 by a vegetarian.")
            << text;
        vegetarians += text.find("vegetarian") != std::string::npos;
    }
    EXPECT_LT(vegetarians, 15);
}

TEST_F(LevelFlowTest, CompletingTheZoneClosesTheWindowAndLetsThePlayerGo)
{
    // A hoarder carries one of each of the ten items out of the zone.
    Player* hoarder = earlierPlayer();
    for (int item : {69, 70, 87, 367, 368, 369, 154, 88, 320, 321})
        hoarder->inventory->addItem(item);
    const auto hoarded = [] {
        for (const AchievementEntry& entry : Achievements::getInstance()->achievementList())
            if (entry.id == 129)
                return entry.done;
        return false;
    };
    ASSERT_FALSE(hoarded());
    driver->state = GameState::Playing;
    driver->windowMode = 2;

    driver->completeZone();
    EXPECT_TRUE(hoarded());
    EXPECT_TRUE(driver->runOver);
    EXPECT_TRUE(driver->zoneCompleted);
    EXPECT_TRUE(driver->runSummaryShown);
    EXPECT_EQ(driver->interactWindow, nullptr);
    // The dealer's window is gone (the run summary may hold the screen now).
    EXPECT_NE(driver->windowMode, 2);
    EXPECT_EQ(driver->player, nullptr);
    EXPECT_EQ(camera->target, nullptr);
}

TEST_F(LevelFlowTest, LeavingTheZoneInAScoreModeOpensTheRunSummaryOnce)
{
    driver->mode = 1;
    driver->state = GameState::Dead;
    driver->completeZone();
    EXPECT_TRUE(driver->runSummaryShown);
    EXPECT_TRUE(saves.exists("gamestate.dat"));
    // Leaving the run closes the end-of-run screens.
    driver->leaveRunToMenu();
    EXPECT_EQ(HighScores::getInstance()->summaryNode, nullptr);
}

TEST_F(LevelFlowTest, AZoneWithoutAMapFileNameIsNotSaved)
{
    loadZone(7);
    driver->saveMap();
    EXPECT_EQ(shownText(), "`@Map not saved:`7 no map file for this zone.");
}

TEST_F(LevelFlowTest, TheRunIsOverOnlyAfterTheLastRunEndStep)
{
    driver->player = &player;
    player.health = 0;
    driver->runEndStep = 5;
    driver->state = GameState::Menu;
    EXPECT_FALSE(driver->isRunOver());
    driver->state = GameState::Dead;
    EXPECT_TRUE(driver->isRunOver());
    driver->runEndStep = 4;
    EXPECT_FALSE(driver->isRunOver());
    driver->runEndStep = 5;
    player.health = 10;
    EXPECT_FALSE(driver->isRunOver());
    driver->player = nullptr;
    EXPECT_TRUE(driver->isRunOver());
    driver->runOver = true;
    EXPECT_FALSE(driver->isRunOver());
}

TEST_F(LevelFlowTest, OverlappingShakesLeaveTheLayerWhereItWas)
{
    layer->setPosition(Vec2(5.0f, -3.0f));
    driver->shakeScreen(4, 0.05f);
    run(0.33f);
    EXPECT_NE(layer->getPosition(), Vec2(5.0f, -3.0f));
    driver->shakeScreen(3, 0.05f);
    run(0.12f);
    driver->shakeScreen(2, 0.04f);
    const Vec2 during = layer->getPosition();
    EXPECT_LE(std::abs(during.x - 5.0f), 3.0f);
    EXPECT_LE(std::abs(during.y + 3.0f), 3.0f);
    run(2.0f);
    EXPECT_EQ(layer->getPosition(), Vec2(5.0f, -3.0f));
    EXPECT_EQ(layer->getNumberOfRunningActions(), 0u);
}
