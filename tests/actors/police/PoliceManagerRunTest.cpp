// The police through the game's level and run flow: a zone's load lists its
// cameras and builds its checkpoints, and a new run starts with no scene, no
// droid and level 0, leaving no droid pointing at a scene that is gone. The
// HUD reads the police through its source.
#include "../../app/LevelFlowFixture.h"
#include "actors/police/CrimeScene.h"
#include "actors/police/PoliceDroid.h"
#include "actors/police/PoliceManager.h"
#include "ui/hud/HudSource.h"
#include "world/MapMarker.h"

using cocos2d::Vec2;

namespace
{
class PoliceManagerRunTest : public LevelFlowFixture
{
protected:
    void SetUp() override
    {
        LevelFlowFixture::SetUp();
        MobManager::getInstance()->makers.policeDroid = []() -> FlyingMob* { return new PoliceDroid(); };
    }

    void TearDown() override
    {
        LevelFlowFixture::TearDown();
        MobManager::getInstance()->makers = {};
        police->levelUpChance = 50;
        police->extraDroids = 0;
    }

    void loadZone(int zone)
    {
        GameData::getInstance()->currentZone = zone;
        driver->loadLevel();
    }

    size_t markersOfCheckpointKind() const
    {
        size_t count = 0;
        for (const MapMarker* marker : map->allMarkers)
            count += marker->kind == MapMarkerKind::Checkpoint;
        return count;
    }

    size_t camerasOnTheMap() const
    {
        size_t count = 0;
        for (const std::vector<GameObject*>* list : {&map->passableObjects, &map->solidObjects})
            for (const GameObject* object : *list)
                count += object->def && object->def->camera;
        return count;
    }

    WorldMap* map = WorldMap::getInstance();
    PoliceManager* police = PoliceManager::getInstance();
};
} // namespace

TEST_F(PoliceManagerRunTest, EachZoneBringsItsCamerasAndCheckpointsAndEachRunStartsCalm)
{
    for (int zone = 0; zone < 3; ++zone)
    {
        SCOPED_TRACE(zone);
        loadZone(zone);
        EXPECT_EQ(police->getCheckpoints().size(), markersOfCheckpointKind());
        EXPECT_EQ(police->getCameras().size(), camerasOnTheMap());
        for (const GameObject* camera : police->getCameras())
            EXPECT_TRUE(map->holdsObject(camera));
    }
    EXPECT_GT(police->getCameras().size(), 0u);

    driver->startRun();
    ASSERT_NE(driver->player, nullptr);
    police->levelUpChance = 100;
    police->extraDroids = 1;
    police->update(0.0f);
    ASSERT_EQ(police->getDroids().size(), 1u);
    PoliceDroid* droid = police->getDroids()[0];
    police->reportCrime(1, driver->player, nullptr, driver->player->getPosition(), "`%Someone");
    ASSERT_EQ(droid->crimeScene, police->getCrimeScenes()[0]);
    EXPECT_EQ(police->policeLevel, 1);

    // The HUD reads what the police know.
    const std::optional<PoliceReading> reading = HudSource().police();
    ASSERT_TRUE(reading.has_value());
    EXPECT_EQ(reading->droids, 1);
    EXPECT_EQ(reading->pursuing, 1);
    EXPECT_TRUE(reading->pursued);
    EXPECT_EQ(reading->level, 1);

    driver->startRun();
    EXPECT_EQ(police->policeLevel, 0);
    EXPECT_TRUE(police->getCrimeScenes().empty());
    EXPECT_TRUE(police->getDroids().empty());
    EXPECT_FALSE(police->isPursued());
    for (FlyingMob* flyer : MobManager::getInstance()->flyingMobs)
        EXPECT_EQ(dynamic_cast<PoliceDroid*>(flyer), nullptr) << "the old run's droids left with their scenes";
}
