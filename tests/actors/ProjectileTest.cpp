#include "GameMobFixture.h"
#include "../app/TempFolder.h"
#include "actors/Inventory.h"
#include "actors/Player.h"
#include "actors/Projectile.h"
#include "app/Geometry.h"
#include "app/SoundInstance.h"
#include "app/StatEngine.h"
#include "platform/StatsStore.h"
#include "world/GameData.h"

using cocos2d::Vec2;

namespace {
constexpr int PistolItem = 73;
constexpr int BlasterItem = 67;
constexpr int MaverickItem = 87;
constexpr int PistolBullet = 2000;  // rifle damage type, 60 damage
constexpr int Pellet = 2001;        // buckshot, 40 damage
constexpr int Impact = 1000;
constexpr int MissedShots = 1013;
constexpr float Frame = 1.0f / 60.0f;
}

class ProjectileTest : public GameMobFixture
{
protected:
    void SetUp() override
    {
        GameMobFixture::SetUp();
        saves = std::make_unique<ScopedSavesFolder>(folder.path());
        StatsStore::getInstance()->shutdown();
        StatEngine::getInstance()->reset();
    }

    void TearDown() override
    {
        StatEngine::getInstance()->reset();
        GameMobFixture::TearDown();
        saves.reset();
    }

    GameMob* groundMob(Vec2 at)
    {
        auto* mob = new GameMob(mobDef(8.0f), false);
        mob->mobKind = MobCitizen;
        mob->setPosition(at);
        MobManager::getInstance()->addGroundMob(mob);
        return mob;
    }

    // A walker facing east with a pistol in hand, not yet raised.
    GameMob* pistolShooter(Vec2 at)
    {
        GameMob* shooter = groundMob(at);
        shooter->roleCode = 3;
        shooter->setRotation(90.0f);
        shooter->equip(shooter->inventory, shooter->inventory->addItem(PistolItem));
        return shooter;
    }

    int missedShots() const
    {
        const StatRecord* record = StatEngine::getInstance()->find(MissedShots);
        return record ? record->run : 0;
    }

    // A marker sound: everything played after it has a larger handle.
    int mark() { return SoundEngine::getInstance()->play(nullptr, false, "cophack.wav", 1.0f); }

    std::vector<std::string> soundsSince(int marker) const
    {
        std::vector<std::string> names;
        for (int handle = marker + 1; handle < marker + 50; ++handle)
        {
            if (const SoundInstance* sound = SoundEngine::getInstance()->find(handle))
                names.push_back(sound->path.substr(sound->path.find_last_of('/') + 1));
        }
        return names;
    }

    bool flyUntilGone(int maxFrames)
    {
        for (int i = 0; i < maxFrames && !map->projectiles.empty(); ++i)
            map->update(Frame);
        return map->projectiles.empty();
    }

    // An enterable building as the city's maps lay them out: a roof one level
    // up, and under it the room's floor at street height, walled on the sides
    // that face out, with a doorway in the middle of its south side.
    void buildRoom(int x0, int y0, int x1, int y1)
    {
        const GameData* data = GameData::getInstance();
        for (int x = x0; x <= x1; ++x)
        {
            for (int y = y0; y <= y1; ++y)
            {
                const bool n = y == y1, s = y == y0, w = x == x0, e = x == x1;
                int wall = 13;  // the room's floor
                if (n)
                    wall = w ? 19 : (e ? 20 : 15);
                else if (s)
                    wall = w ? 21 : (e ? 22 : 16);
                else if (w || e)
                    wall = w ? 17 : 18;
                setFloor(x, y, data->getTileDef(12));
                tile(x, y)->overlay = data->getTileDef(wall);
            }
        }
        tile((x0 + x1 + 1) / 2, y0)->overlay = data->getTileDef(23);
    }

    // The shooter fires a bolt at the bearing, which flies until something
    // stops it: where it stopped, and after how many frames.
    Vec2 boltStops(GameMob* shooter, float bearing, int* frames = nullptr)
    {
        shooter->fire(bearing, 0.0f);
        EXPECT_EQ(map->projectiles.size(), 1u);
        if (map->projectiles.empty())
            return shooter->getPosition();
        const auto* bolt = static_cast<Projectile*>(map->projectiles.front());
        const Vec2 muzzle = bolt->getPosition();
        const float step = bolt->speed * Frame;
        int flown = 0;
        while (flown < 600 && !map->projectiles.empty())
        {
            map->update(Frame);
            ++flown;
        }
        if (frames)
            *frames = flown;
        return muzzle + vectorFromAngle(bearing, step * static_cast<float>(flown));
    }

    TempFolder folder;
    std::unique_ptr<ScopedSavesFolder> saves;
};

TEST_F(ProjectileTest, AShooterIsNeverHitByItsOwnBulletWhichHitsTheMobBeyond)
{
    GameMob* shooter = pistolShooter(centreOf(5, 10));
    GameMob* target = groundMob(centreOf(5, 10) + Vec2(48, 0));
    ASSERT_NE(shooter->weapon(), nullptr);
    EXPECT_FALSE(shooter->canFire()) << "the pistol must be raised first";
    shooter->raiseWeapon();
    EXPECT_TRUE(shooter->weaponRaised);
    EXPECT_EQ(shooter->currentAnimation, GameMob::AnimRaise);
    ASSERT_TRUE(shooter->canFire());

    const int marker = mark();
    shooter->attack(0.0f);
    ASSERT_EQ(map->projectiles.size(), 1u);
    EXPECT_EQ(shooter->currentAnimation, GameMob::AnimFireRaised);
    auto* bullet = static_cast<Projectile*>(map->projectiles.front());
    EXPECT_EQ(bullet->shooter, shooter);
    EXPECT_TRUE(bullet->overlaps(shooter)) << "the bullet starts inside its shooter";
    bullet->aimedAtPlayer = true;

    ASSERT_TRUE(flyUntilGone(600));
    EXPECT_EQ(shooter->health, 100);
    EXPECT_EQ(target->health, 40);
    EXPECT_EQ(target->lastHitBy, 3) << "the shooter's role";
    EXPECT_TRUE(target->hitFlag);
    EXPECT_EQ(target->lastDamageType, 1);
    const std::vector<std::string> sounds = soundsSince(marker);
    EXPECT_NE(std::find(sounds.begin(), sounds.end(), "bullet_hit.wav"), sounds.end());
    EXPECT_EQ(missedShots(), 0);
    // The bullet is deleted by now; its hit sound keeps the place of the hit.
    const SoundInstance* hit = nullptr;
    for (int handle = marker + 1; handle < marker + 50 && !hit; ++handle)
    {
        const SoundInstance* sound = SoundEngine::getInstance()->find(handle);
        if (sound && sound->path.find("bullet_hit.wav") != std::string::npos)
            hit = sound;
    }
    ASSERT_NE(hit, nullptr);
    EXPECT_TRUE(hit->positional);
    EXPECT_LE(hit->source.distance(target->position), 16.0f);

    // A bullet's victim is dead: the next one passes over the body.
    shooter->carriedBody = target;
    EXPECT_FALSE(shooter->canFire()) << "not while carrying a body";
    shooter->carriedBody = nullptr;
    shooter->lowerWeapon();
    EXPECT_FALSE(shooter->weaponRaised);
    EXPECT_EQ(shooter->currentAnimation, GameMob::AnimLower);
    EXPECT_EQ(shooter->poseAnimation, GameMob::AnimStand);
}

TEST_F(ProjectileTest, WallsAndObjectsStopBulletsWithoutDamage)
{
    setFloor(10, 10, makeTileDef(1));
    int marker = mark();
    map->spawnProjectile(PistolBullet, -1.0f, 3, centreOf(7, 10), 90.0f, 600.0f);
    ASSERT_TRUE(flyUntilGone(60));
    EXPECT_EQ(countPlaced(Impact), 1);
    std::vector<std::string> sounds = soundsSince(marker);
    ASSERT_EQ(sounds.size(), 1u);
    EXPECT_TRUE(sounds[0] == "bullet_ricochet1.wav" || sounds[0] == "bullet_ricochet2.wav") << sounds[0];

    ObjectDef* crateDef = makeObjectDef(false, 0, 10.0f);
    addObject(crateDef, centreOf(5, 4));
    marker = mark();
    map->spawnProjectile(Pellet, -1.0f, 2, centreOf(1, 4), 90.0f, 600.0f);
    ASSERT_TRUE(flyUntilGone(60));
    EXPECT_EQ(countPlaced(Impact), 2);
    EXPECT_TRUE(soundsSince(marker).empty()) << "an object stops a bullet silently";
    EXPECT_EQ(missedShots(), 1) << "the player's shot missed";

    // Into a mob-like object: no impact effect; an NPC's miss is not counted.
    crateDef->mob = true;
    map->spawnProjectile(Pellet, -1.0f, 3, centreOf(1, 4), 90.0f, 600.0f);
    ASSERT_TRUE(flyUntilGone(60));
    EXPECT_EQ(countPlaced(Impact), 2);
    EXPECT_EQ(missedShots(), 1);
}

TEST_F(ProjectileTest, ThePlayerIsHitByOthersButNotByItsOwnShots)
{
    auto* player = new Player(mobDef(8.0f), false);
    player->mobKind = MobPlayer;
    player->setPosition(centreOf(8, 8));
    MobManager::getInstance()->setPlayer(player);

    map->spawnProjectile(PistolBullet, 200.0f, 2, centreOf(8, 8), 0.0f, 600.0f);
    ASSERT_TRUE(flyUntilGone(60));
    EXPECT_EQ(player->health, 100) << "the player's own bullet passes through";
    EXPECT_EQ(missedShots(), 1) << "and, flying its range out, counts as a miss";

    const int marker = mark();
    Projectile* shot = map->spawnProjectile(Pellet, 200.0f, 1, centreOf(8, 8) - Vec2(64, 0), 90.0f, 600.0f);
    shot->aimedAtPlayer = true;
    ASSERT_TRUE(flyUntilGone(60));
    EXPECT_EQ(player->health, 60);
    EXPECT_EQ(player->lastHitBy, 1);
    EXPECT_TRUE(player->hitFlag);
    EXPECT_EQ(player->lastDamageType, 2);
    const std::vector<std::string> sounds = soundsSince(marker);
    ASSERT_EQ(sounds.size(), 1u);
    EXPECT_EQ(sounds[0].substr(0, 10), "shotgunhit");
    const int number = sounds[0][10] - '0';
    EXPECT_GE(number, 1);
    EXPECT_LE(number, 5);
    EXPECT_EQ(missedShots(), 1);
}

TEST_F(ProjectileTest, ABulletFliesItsRangeOutAndStops)
{
    Projectile* bullet = map->spawnProjectile(PistolBullet, 300.0f, 3, centreOf(2, 2), 0.0f, 600.0f);
    const int serial = bullet->serialNumber;
    // Steps of 37.5 pixels, exact in floating point: eight of them make the range.
    for (int i = 0; i < 7; ++i)
        map->update(0.0625f);
    ASSERT_EQ(map->projectiles.size(), 1u) << "still short of 300 pixels";
    map->update(0.0625f);
    EXPECT_TRUE(map->projectiles.empty()) << "gone after half a second";
    EXPECT_EQ(missedShots(), 0) << "not the player's";
    EXPECT_EQ(countPlaced(Impact), 0);
    Projectile* next = map->spawnProjectile(PistolBullet, -1.0f, 3, centreOf(2, 2), 0.0f, 600.0f);
    EXPECT_EQ(next->serialNumber, serial + 1);
    EXPECT_FLOAT_EQ(next->maxRange, -1.0f);
    ASSERT_TRUE(flyUntilGone(120)) << "the map's edge stops a square bullet";

    // A round bullet without a range meets no wall test at the edge: leaving the map ends it.
    GameData* data = GameData::getInstance();
    if (!data->getObjectDef(987300))
    {
        auto* round = new ObjectDef();
        round->id = 987300;
        round->shape = 0;
        round->size = Vec2(2, 2);
        data->fileObjectDef(round);
    }
    map->spawnProjectile(987300, -1.0f, 2, centreOf(2, 2), 270.0f, 600.0f);
    ASSERT_TRUE(flyUntilGone(120));
    EXPECT_EQ(missedShots(), 1);
}

TEST_F(ProjectileTest, ABulletStillInsideItsShooterHitsWhoeverStandsPressedAgainstIt)
{
    // On a fast display the bullet takes small steps: it grazes the one
    // pressed against the shooter's side while it is still inside the
    // shooter, which comes first in the walkers' list.
    GameMob* shooter = pistolShooter(centreOf(5, 10));
    GameMob* crowding = groundMob(centreOf(5, 10) + Vec2(1, 9));
    shooter->raiseWeapon();
    ASSERT_TRUE(shooter->canFire());
    shooter->attack(0.0f);
    ASSERT_EQ(map->projectiles.size(), 1u);
    for (int i = 0; i < 2400 && !map->projectiles.empty(); ++i)
        map->update(1.0f / 600.0f);
    ASSERT_TRUE(map->projectiles.empty());
    EXPECT_EQ(shooter->health, 100);
    EXPECT_EQ(crowding->health, 40);
    EXPECT_EQ(crowding->lastHitBy, 3);
    EXPECT_EQ(missedShots(), 0);
}

TEST_F(ProjectileTest, ABoltFliesAcrossARoomUntilItMeetsAWallAndEntersOnlyByTheDoorway)
{
    // The room spans cells 4..11 by 6..11: walls at x 128 and 384, y 192 and
    // 384, the doorway in cell (8, 6).
    buildRoom(4, 6, 11, 11);
    GameMob* shooter = groundMob(centreOf(6, 6));
    shooter->equip(shooter->inventory, shooter->inventory->addItem(BlasterItem));
    ASSERT_NE(shooter->weapon(), nullptr);

    // From a room cell walled to the south: north, north-east, east and west
    // the bolt crosses the room to the wall ahead; south it stops at once.
    struct Shot
    {
        float bearing;
        Vec2 wall;
    };
    const Shot inside[] = {{0.0f, Vec2(208, 384)},
                           {45.0f, Vec2(384, 384)},
                           {90.0f, Vec2(384, 208)},
                           {270.0f, Vec2(128, 208)},
                           {180.0f, Vec2(208, 192)}};
    for (const Shot& shot : inside)
    {
        int frames = 0;
        const Vec2 stop = boltStops(shooter, shot.bearing, &frames);
        EXPECT_LT(stop.distance(shot.wall), 12.0f)
            << "bearing " << shot.bearing << ": stopped at " << stop.x << ", " << stop.y << " after " << frames
            << " frames";
        if (shot.bearing == 180.0f)
            EXPECT_LE(frames, 2) << "the wall to the south is right ahead";
        else
            EXPECT_GE(frames, 6) << "bearing " << shot.bearing;
    }

    // From the street the building's walls stop a bolt; through the doorway
    // it flies in and across the room, and out again the same way.
    const Shot outside[] = {{0.0f, Vec2(208, 192)}, {270.0f, Vec2(384, 272)}, {0.0f, Vec2(272, 384)}};
    const Vec2 street[] = {centreOf(6, 3), centreOf(15, 8), centreOf(8, 3)};
    for (int i = 0; i < 3; ++i)
    {
        shooter->setPosition(street[i]);
        const Vec2 stop = boltStops(shooter, outside[i].bearing);
        EXPECT_LT(stop.distance(outside[i].wall), 12.0f)
            << "from " << street[i].x << ", " << street[i].y << ": stopped at " << stop.x << ", " << stop.y;
    }
    shooter->setPosition(centreOf(8, 9));
    EXPECT_LT(boltStops(shooter, 180.0f).y, 32.0f) << "out by the doorway and on down the street";
}

TEST_F(ProjectileTest, AShooterCloseToAWallNeverHitsThePersonPressedAgainstItsOtherSide)
{
    // Walls at x 128 and 384, y 192 and 384; the shots keep clear of the
    // doorway in cell (8, 6).
    buildRoom(4, 6, 11, 11);
    GameMob* shooter = groundMob(centreOf(1, 1));
    GameMob* victim = groundMob(centreOf(1, 3));
    struct Wall
    {
        Vec2 point;    // a point of the wall
        Vec2 outward;  // from the room out to the street
    };
    const Wall walls[] = {{Vec2(176, 192), Vec2(0, -1)},
                          {Vec2(240, 384), Vec2(0, 1)},
                          {Vec2(128, 288), Vec2(-1, 0)},
                          {Vec2(384, 288), Vec2(1, 0)}};
    std::vector<std::string> hits;
    for (int item : {BlasterItem, MaverickItem})
    {
        shooter->equip(shooter->inventory, shooter->inventory->addItem(item));
        for (const Wall& wall : walls)
        {
            for (float side : {-1.0f, 1.0f})  // from the street, then from inside
            {
                const Vec2 towards = wall.outward * side;
                for (float slant : {-40.0f, -20.0f, 0.0f, 20.0f, 40.0f})
                {
                    const float bearing = angleBetween(Vec2::ZERO, towards) + slant;
                    const float toWall = 1.0f / std::cos(slant * 3.14159265f / 180.0f);
                    for (float gap = 8.0f; gap <= 14.0f; gap += 1.0f)
                    {
                        shooter->setPosition(wall.point - towards * gap);
                        const Vec2 crossing = shooter->position + vectorFromAngle(bearing, gap * toWall);
                        victim->setPosition(crossing + towards * 8.0f);
                        victim->health = 100;
                        shooter->fire(bearing, 0.0f);
                        flyUntilGone(120);
                        if (victim->health != 100)
                            hits.push_back("item " + std::to_string(item) + " at " + std::to_string(bearing) +
                                           " degrees from " + std::to_string(shooter->position.x) + ", " +
                                           std::to_string(shooter->position.y));
                    }
                }
            }
        }
    }
    EXPECT_TRUE(hits.empty()) << hits.size() << " of 560 shots hit through the wall, the first "
                              << (hits.empty() ? std::string() : hits.front());
}

TEST_F(ProjectileTest, AMaverickRoundFiredIntoARoomsInnerCornerStopsAtTheCorner)
{
    buildRoom(4, 6, 11, 11);
    GameMob* shooter = groundMob(centreOf(1, 1));
    shooter->equip(shooter->inventory, shooter->inventory->addItem(MaverickItem));
    // Tucked into each corner of the room, 8 pixels from both walls.
    const Vec2 corners[] = {Vec2(128, 192), Vec2(384, 192), Vec2(128, 384), Vec2(384, 384)};
    for (const Vec2& corner : corners)
    {
        const Vec2 into(corner.x < 200 ? -1.0f : 1.0f, corner.y < 300 ? -1.0f : 1.0f);
        shooter->setPosition(corner - into * 8.0f);
        for (float bearing = angleBetween(Vec2::ZERO, into) - 10.0f; bearing <= angleBetween(Vec2::ZERO, into) + 10.0f;
             bearing += 5.0f)
        {
            int frames = 0;
            const Vec2 stop = boltStops(shooter, bearing, &frames);
            EXPECT_LE(frames, 1) << "into the corner at " << corner.x << ", " << corner.y << " at " << bearing
                                 << " degrees: flew to " << stop.x << ", " << stop.y;
        }
    }
}

TEST_F(ProjectileTest, ABoltWhosePathClipsABuildingsCornerStops)
{
    // A solid building of one cell, (10, 10): its south-east corner at 352, 320.
    setFloor(10, 10, GameData::getInstance()->getTileDef(12));
    // Bolts flying north-east past that corner: a bolt flying that way is 12
    // pixels across, so its side passes 8.5 pixels further west than its
    // middle. Its side cuts 1 to 10 pixels into the cell; each is fired from
    // ten starting points a pixel apart, at 60 and at 30 frames a second.
    std::vector<std::string> through;
    for (float frame : {Frame, 2.0f * Frame})
    {
        for (float depth = 1.0f; depth <= 10.0f; depth += 1.0f)
        {
            for (float start = 0.0f; start < 10.0f; start += 1.0f)
            {
                const Vec2 from = Vec2(360.5f - depth, 320.0f) + vectorFromAngle(225.0f, 100.0f + start);
                const int sparks = countPlaced(Impact);
                map->spawnProjectile(200, 400.0f, 3, from, 45.0f, 600.0f);
                for (int i = 0; i < 120 && !map->projectiles.empty(); ++i)
                    map->update(frame);
                if (countPlaced(Impact) == sparks)
                    through.push_back(std::to_string(depth) + " deep from " + std::to_string(start) + " at " +
                                      std::to_string(frame));
            }
        }
    }
    EXPECT_TRUE(through.empty()) << through.size() << " bolts flew on past the corner, the first "
                                 << (through.empty() ? std::string() : through.front());
}

TEST_F(ProjectileTest, TheSparkOfABoltStoppedByAWallStandsOnTheShootersSide)
{
    // The room's walls at y 192 and 384; north of it, from y 480, a solid
    // building.
    buildRoom(4, 6, 11, 11);
    for (int x = 4; x <= 11; ++x)
        setFloor(x, 15, GameData::getInstance()->getTileDef(12));
    GameMob* shooter = groundMob(centreOf(1, 1));
    shooter->equip(shooter->inventory, shooter->inventory->addItem(BlasterItem));
    struct Shot
    {
        Vec2 from;
        float wallY;  // the wall faces south, the shooter stands below it
    };
    // From the street at the building's face, from inside at the room's north
    // wall, and from the street at the room's south wall.
    const Shot shots[] = {{Vec2(200, 440), 480.0f}, {Vec2(200, 330), 384.0f}, {Vec2(176, 140), 192.0f}};
    std::vector<std::string> past;
    for (float frame : {Frame, 2.0f * Frame, 4.0f * Frame})
    {
        for (const Shot& shot : shots)
        {
            for (float bearing : {330.0f, 0.0f, 30.0f})
            {
                shooter->setPosition(shot.from);
                shooter->fire(bearing, 0.0f);
                for (int i = 0; i < 60 && !map->projectiles.empty(); ++i)
                    map->update(frame);
                EXPECT_EQ(countPlaced(Impact), 1) << "from " << shot.from.y << " at " << bearing;
                for (GameObject* object : std::vector<GameObject*>(map->passableObjects))
                {
                    if (!object->def || object->def->id != Impact)
                        continue;
                    if (object->getPosition().y >= shot.wallY)
                        past.push_back("from " + std::to_string(shot.from.y) + " at " + std::to_string(bearing) +
                                       ": " + std::to_string(object->getPosition().y));
                    map->removeObject(object, true);
                    map->queueForDeletion(object);
                }
            }
        }
    }
    EXPECT_TRUE(past.empty()) << past.size() << " of 27 sparks past the wall, the first "
                              << (past.empty() ? std::string() : past.front());
}
