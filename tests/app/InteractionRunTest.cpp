#include "../actors/ActorCast.h"
#include "LevelFlowFixture.h"

#include "actors/police/PoliceManager.h"
#include "actors/PopulationSettings.h"
#include "app/HighScores.h"

#include <algorithm>

USING_NS_CC;

namespace {

class InteractionRunTest : public LevelFlowFixture
{
protected:
    void loadZone(int zone)
    {
        GameData::getInstance()->currentZone = zone;
        driver->loadLevel();
    }

    void TearDown() override
    {
        driver->difficulty = 0;
        HighScores::getInstance()->closeScreens();
        LevelFlowFixture::TearDown();
    }

    struct Tuning
    {
        int price, armed, first, second, levelUpChance, extraDroids;
        bool operator==(const Tuning& o) const
        {
            return price == o.price && armed == o.armed && first == o.first && second == o.second &&
                   levelUpChance == o.levelUpChance && extraDroids == o.extraDroids;
        }
    };

    Tuning tuning() const
    {
        const PoliceManager* police = PoliceManager::getInstance();
        return {driver->travelPapersPrice, driver->armedCitizenPercent, driver->firstWeaponPercent,
                driver->secondWeaponPercent, police->levelUpChance, police->extraDroids};
    }

    Tuning tunedFor(int zone, int difficulty)
    {
        GameData::getInstance()->currentZone = zone;
        driver->difficulty = difficulty;
        driver->applyLevelTuning();
        return tuning();
    }

    ObjectDef actorDef;
};

TEST_F(InteractionRunTest, EachZoneAndDifficultyTunesTheRun)
{
    loadZone(1);
    driver->difficulty = 1;
    driver->startRun();
    EXPECT_EQ(driver->state, GameState::Playing);
    EXPECT_TRUE((tuning() == Tuning{5000, 48, 30, 80, 45, 3})) << "the Docks on Tough, applied by the run start";

    EXPECT_TRUE((tunedFor(0, 0) == Tuning{2000, 20, 0, 35, 20, 1}));
    EXPECT_TRUE((tunedFor(0, 2) == Tuning{3000, 30, 60, 60, 40, 3}));
    EXPECT_TRUE((tunedFor(1, 2) == Tuning{6000, 60, 70, 70, 60, 6}));
    EXPECT_TRUE((tunedFor(2, 0) == Tuning{8000, 60, 75, 75, 40, 5}));
    EXPECT_TRUE((tunedFor(2, 1) == Tuning{10000, 72, 80, 20, 60, 7})) << "Hilldale on Tough keeps its rare shotgun";
    EXPECT_TRUE((tunedFor(2, 2) == Tuning{12000, 90, 80, 80, 80, 8}));

    // A zone or difficulty without a row leaves the run as it was.
    const Tuning before = tuning();
    EXPECT_TRUE(tunedFor(2, 3) == before);
    EXPECT_TRUE(tunedFor(3, 0) == before);
    EXPECT_TRUE(tunedFor(-1, 1) == before);
}

TEST_F(InteractionRunTest, TheFirstRunAfterStartUpLeavesNoActorUncounted)
{
    loadZone(0);
    // The city behind the menu: citizens and flyers that the spawner made and counted.
    MobManager* mobs = MobManager::getInstance();
    PopulationSettings* population = PopulationSettings::getInstance();
    for (int id = 1; id <= 3; ++id)
    {
        auto* citizen = new TestCitizen(&actorDef, id);
        citizen->mobKind = MobCitizen;
        mobs->addGroundMob(citizen);
        population->spawnedCitizens += 1;
    }
    mobs->flyingMobs.push_back(new TestFlyer(&actorDef, FlyingMob::AmbientFlyer));
    population->flyers += 1;
    ASSERT_FALSE(driver->levelUsed) << "the menu starts the first run without loading the level again";

    driver->startRun();
    ASSERT_NE(driver->player, nullptr);
    const auto livingCitizens = std::count_if(mobs->groundMobs.begin(), mobs->groundMobs.end(), [](GameMob* mob) {
        return mob->mobKind == MobCitizen && mob->health > 0;
    });
    EXPECT_EQ(livingCitizens, population->spawnedCitizens) << "the spawner's count holds every citizen alive";
    const auto flyers = std::count_if(mobs->flyingMobs.begin(), mobs->flyingMobs.end(), [](FlyingMob* mob) {
        return mob->flyingType == FlyingMob::AmbientFlyer;
    });
    EXPECT_EQ(flyers, population->flyers);
    EXPECT_EQ(mobs->player, driver->player);
}

TEST_F(InteractionRunTest, TheRunEndsWithItsSummaryOnceTheDeathMessageIsGone)
{
    loadZone(0);
    driver->startRun();
    ASSERT_NE(driver->player, nullptr);
    driver->player->health = 0;
    driver->playerDied(4);
    ASSERT_EQ(driver->state, GameState::Dead);

    driver->update(0.1f);
    EXPECT_FALSE(driver->runSummaryShown) << "the cause of death is read first";

    driver->clearMessages();
    driver->update(0.1f);
    EXPECT_TRUE(driver->runSummaryShown);
    EXPECT_EQ(driver->windowMode, 4);
    EXPECT_NE(HighScores::getInstance()->summaryNode, nullptr);
    EXPECT_EQ(driver->runEndStep, 5) << "Normal mode: the summary is all there is";

    // Once a run: the summary is not opened again.
    HighScores::getInstance()->closeScreens();
    driver->update(0.1f);
    EXPECT_EQ(HighScores::getInstance()->summaryNode, nullptr);
}

TEST_F(InteractionRunTest, TheExitLetsThePlayerLeaveTheZoneOnlyWithTravelPapers)
{
    loadZone(0);
    driver->startRun();
    ASSERT_NE(driver->player, nullptr);
    ObjectDef exitDef;
    exitDef.exit = true;
    exitDef.size = Vec2(8, 8);
    auto* exit = new GameObject(&exitDef, false, GameObject::PlainObject);
    exit->setPosition(driver->player->getPosition() + Vec2(4, 0));
    WorldMap::getInstance()->registerObject(exit);

    driver->interact();
    EXPECT_FALSE(driver->runOver) << "no way out without the papers";
    EXPECT_NE(driver->player, nullptr);

    driver->papersBought = true;
    driver->interact();
    EXPECT_TRUE(driver->runOver);
    EXPECT_TRUE(driver->zoneCompleted);
    EXPECT_EQ(driver->player, nullptr);
    WorldMap::getInstance()->removeObject(exit, true);
    delete exit;
}

}
