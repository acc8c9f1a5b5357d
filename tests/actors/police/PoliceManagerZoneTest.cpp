// The police on the first zone of the game's assets: the player raises and
// fires a weapon in sight of a security camera. The camera reports it, the
// scene opens with the player as suspect, the level rises and brings a droid,
// the droid is dispatched, flies in and fights, and the chase music plays.
// A checkpoint of the zone then fails the player for the shotgun carried.
#include "PoliceManagerFixture.h"
#include "actors/Inventory.h"
#include "actors/police/Checkpoint.h"
#include "world/MapFile.h"

using cocos2d::Vec2;

namespace
{
constexpr int Shotgun = 69;
constexpr float FrameTime = 1.0f / 60.0f;

// A walkable cell whose centre the camera sees, or None.
Vec2 pointSeenBy(const GameObject* camera)
{
    WorldMap* map = WorldMap::getInstance();
    for (int radius = 2; radius <= 6; ++radius)
    {
        for (int dy = -radius; dy <= radius; ++dy)
        {
            for (int dx = -radius; dx <= radius; ++dx)
            {
                const int x = static_cast<int>(camera->cell.x) + dx;
                const int y = static_cast<int>(camera->cell.y) + dy;
                const Vec2 point = WorldMap::gridToPixel(x, y) + Vec2(16, 16);
                if (map->isWalkable(x, y) && camera->canSee(point, false))
                    return point;
            }
        }
    }
    return WorldMap::None;
}
} // namespace

class PoliceManagerZoneTest : public PoliceManagerFixture
{
protected:
    void SetUp() override
    {
        PoliceManagerFixture::SetUp();
        ASSERT_NO_FATAL_FAILURE(loadRealZone(0));
    }

    Player* armedPlayer(Vec2 position)
    {
        Player* player = addPlayer(position);
        GameObject* shotgun = player->inventory->addItem(Shotgun);
        shotgun->roundsLoaded = 4;
        player->equip(player->inventory, shotgun);
        return player;
    }
};

TEST_F(PoliceManagerZoneTest, AShotInSightOfACameraOpensASceneAndBringsTheDroidsAndTheChase)
{
    ASSERT_FALSE(police->getCameras().empty());
    Vec2 spot = WorldMap::None;
    GameObject* camera = nullptr;
    for (GameObject* candidate : police->getCameras())
    {
        spot = pointSeenBy(candidate);
        camera = candidate;
        if (spot != WorldMap::None)
            break;
    }
    ASSERT_NE(spot, WorldMap::None) << "some camera of the zone watches a street";
    Player* player = armedPlayer(spot);
    player->health = 100000; // the droid's shots must not end the chase early
    map->cameraPoint = spot;
    EXPECT_EQ(police->findCameraSeeing(), camera);
    police->levelUpChance = 100;

    // Raising the weapon: the camera reports the player.
    player->raiseWeapon();
    ASSERT_EQ(police->getCrimeScenes().size(), 1u);
    CrimeScene* scene = police->getCrimeScenes()[0];
    EXPECT_EQ(scene->suspect, player);
    EXPECT_EQ(camera->watchedObject, player);
    EXPECT_EQ(police->policeLevel, 1);
    EXPECT_TRUE(police->getDroids().empty()) << "no droid was on duty at level 0";

    // The level's quota brings a droid; the shot that follows is joined to
    // the scene and the droid is sent there.
    police->update(FrameTime);
    ASSERT_EQ(police->getDroids().size(), 1u);
    PoliceDroid* droid = police->getDroids()[0];
    player->attack(0.0f);
    ASSERT_EQ(player->currentWeapon->roundsLoaded, 3) << "the shot went off";
    EXPECT_EQ(police->getCrimeScenes().size(), 1u);
    EXPECT_EQ(droid->crimeScene, scene);
    EXPECT_EQ(droid->mode, PoliceDroid::Enforce);
    EXPECT_TRUE(police->isPursued());
    EXPECT_EQ(police->countPursuingDroids(), 1);
    EXPECT_FALSE(police->isChasing());

    // The droid flies in and fights: the chase and its music.
    for (int frame = 0; frame < 60 * 60 && droid->mode != PoliceDroid::Combat; ++frame)
    {
        mobs->update(FrameTime);
        police->update(FrameTime);
        map->update(FrameTime);
        ASSERT_FALSE(police->getDroids().empty());
    }
    EXPECT_EQ(droid->mode, PoliceDroid::Combat);
    EXPECT_TRUE(police->isChasing());
    EXPECT_NE(police->chaseMusic, -1);
    EXPECT_TRUE(police->isPlayerInSight());
}

TEST_F(PoliceManagerZoneTest, AZoneCheckpointFailsAPlayerWithContraband)
{
    ASSERT_FALSE(police->getCheckpoints().empty()) << "the zone has checkpoint markers";
    Checkpoint* checkpoint = police->getCheckpoints()[0];
    Player* player = armedPlayer(checkpoint->position + Vec2(16, 16));
    map->cameraPoint = player->getPosition();
    police->update(FrameTime);
    EXPECT_TRUE(checkpoint->hasRecordOf(player));
    police->update(FrameTime);
    ASSERT_EQ(police->getCrimeScenes().size(), 1u);
    EXPECT_EQ(police->getCrimeScenes()[0]->suspect, player);
    EXPECT_TRUE(police->isWanted(player));
}
