// The population spawner: on each real zone it keeps the zone's
// "citizencount" citizens walking their errands through a long run in which
// citizens go home, die and are cleared away (half an hour of game time at a
// tenth of a second a frame); on a map without markers, or with an interest
// marker walled in, it and the errands give up without spinning.
#include "NPCFixture.h"
#include "actors/npc/NPCContact.h"
#include "app/GameCamera.h"
#include "world/GameData.h"
#include "world/LevelSettings.h"
#include "world/MapFile.h"
#include "world/MapMarker.h"
#include "world/Pather.h"
#include <functional>
#include <map>
#include <set>

using cocos2d::Vec2;

namespace {
constexpr float Step = 0.1f;
constexpr float RunSeconds = 30.0f * 60.0f;
}

class PopulationSettingsTest : public NPCFixture
{
protected:
    void TearDown() override
    {
        PopulationSettings::getInstance()->beginZone(LevelSettings().citizenCount);
        NPCFixture::TearDown();
    }

    void loadZone(int zone)
    {
        ASSERT_NO_FATAL_FAILURE(loadRealZone(zone));
        GameData* data = GameData::getInstance();
        settings = readLevelSettings(data->getLevelSettingsPath());
        PopulationSettings::getInstance()->beginZone(settings.citizenCount);
        GameInterface::getInstance()->contactcount = settings.contactCount;
    }

    // One frame of the driver's order: the spawner, the actors, the map, the
    // path finder; after the spawner's step, the check given.
    void frame(const std::function<void()>& afterSpawner = {})
    {
        PopulationSettings::getInstance()->update();
        if (afterSpawner)
            afterSpawner();
        mobs->update(Step);
        map->update(Step);
        Pather::getInstance()->update();
    }

    int livingCitizens() const
    {
        int count = 0;
        for (const GameMob* mob : mobs->groundMobs)
            count += mob->mobKind == MobCitizen && mob->health > 0;
        return count;
    }

    LevelSettings settings;
};

class PopulationZoneTest : public PopulationSettingsTest, public ::testing::WithParamInterface<int>
{
};

TEST_P(PopulationZoneTest, HoldsItsCitizenCountWalkingErrandsThroughHalfAnHour)
{
    loadZone(GetParam());
    PopulationSettings* population = PopulationSettings::getInstance();
    ASSERT_GT(settings.citizenCount, 0);
    map->cameraPoint = map->randomSpawnPosition(false, -1);

    // By citizen id: the addresses of citizens who left are reused.
    std::set<int> seen;
    int killed = 0;
    int pausing = 0;
    float walked = 0.0f;
    std::map<const GameMob*, Vec2> lastPosition;
    const int frames = static_cast<int>(RunSeconds / Step);
    for (int number = 0; number < frames; ++number)
    {
        int counted = 0;
        int living = 0;
        frame([&] {
            counted = population->spawnedCitizens;
            living = livingCitizens();
        });
        ASSERT_EQ(counted, settings.citizenCount) << "frame " << number;
        ASSERT_EQ(living, settings.citizenCount) << "frame " << number;
        for (GameMob* mob : mobs->groundMobs)
        {
            if (mob->mobKind != MobCitizen || mob->health <= 0)
                continue;
            auto* npc = static_cast<GameNPC*>(mob);
            if (seen.insert(npc->citizenId()).second)
                lastPosition[mob] = mob->getPosition();
            walked += mob->getPosition().distance(lastPosition[mob]);
            lastPosition[mob] = mob->getPosition();
            pausing += npc->mode == ModeActivity ? 1 : 0;
        }
        // Now and then a citizen is shot; its body is cleared away later.
        if (number % 600 == 300)
        {
            for (GameMob* mob : mobs->groundMobs)
            {
                if (mob->mobKind == MobCitizen && mob->health > 0)
                {
                    mob->lastHitBy = RoleGangMember;
                    mob->takeDamage(1, 500.0f, 0.0f);
                    mob->corpseTimer = 20.0f;
                    ++killed;
                    break;
                }
            }
        }
        for (auto it = lastPosition.begin(); it != lastPosition.end();)
        {
            const bool gone = std::find(mobs->groundMobs.begin(), mobs->groundMobs.end(), it->first) ==
                              mobs->groundMobs.end();
            it = gone ? lastPosition.erase(it) : std::next(it);
        }
    }
    EXPECT_GT(killed, 20);
    EXPECT_GT(static_cast<int>(seen.size()), settings.citizenCount + killed) << "some went home and were replaced";
    EXPECT_GT(pausing, 0);
    // On average every citizen walked a good stretch of the streets.
    EXPECT_GT(walked / static_cast<float>(seen.size()), 32.0f * 10.0f);
    // Contacts come one a frame, and not into the camera's view once the first fill is over.
    EXPECT_GE(mobs->countLivingContacts(), 1);
    EXPECT_LE(mobs->countLivingContacts(), settings.contactCount);
}

INSTANTIATE_TEST_SUITE_P(EveryZone, PopulationZoneTest, ::testing::Values(0, 1, 2));

TEST_F(PopulationSettingsTest, WithoutMarkersOrWalkableCellsTheSpawnerAndTheErrandsGiveUp)
{
    PopulationSettings* population = PopulationSettings::getInstance();
    population->beginZone(50);
    GameInterface::getInstance()->contactcount = 1;
    for (int i = 0; i < 3; ++i)
        frame();
    EXPECT_EQ(population->spawnedCitizens, 0) << "no spawn marker: nothing made, nothing counted";
    EXPECT_TRUE(mobs->groundMobs.empty());

    // An interest marker walled in by blocked cells: the errand finds no cell and the NPC draws again.
    auto* marker = new MapMarker(MapMarkerKind::Interest, centreOf(15, 15));
    map->allMarkers.push_back(marker);
    for (int y = 11; y < 20; ++y)
    {
        for (int x = 11; x < 20; ++x)
            tile(x, y)->blocked = true;
    }
    GameNPC* npc = makeNPC(40.0f, 30.0f, Vec2(3, 3));
    run(npc, 2.0f);
    EXPECT_FALSE(npc->routine->hasDestination());
    EXPECT_EQ(npc->mode, ModeTravel);
}

// The city that lived behind the menu goes when a run starts; the new run's
// first fill brings a contact at once, although a run starts with the camera
// at a contact's corner, where later contacts never appear.
TEST_F(PopulationSettingsTest, ANewRunFillsItsFirstContactWhereverTheCameraStands)
{
    loadZone(0);
    ASSERT_FALSE(map->contactMarkers.empty());
    PopulationSettings* population = PopulationSettings::getInstance();
    GameCamera* camera = GameCamera::getInstance();
    // The map's corner, out of sight of every contact's corner.
    camera->position = WorldMap::gridToPixel(0.0f, 0.0f);
    for (int i = 0; i < 5; ++i)
        frame();
    ASSERT_EQ(mobs->countLivingContacts(), settings.contactCount) << "the city behind the menu has its contacts";

    camera->position = map->contactMarkers.front()->position;
    mobs->clear();
    population->resetRun();
    for (int i = 0; i < 5; ++i)
        frame();
    EXPECT_EQ(mobs->countLivingContacts(), 1) << "the first fill's contact, and none in sight after it";
}
