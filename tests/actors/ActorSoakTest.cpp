// A minute of city life on a real zone: walkers follow the Pather's paths
// and shoot, robots fly their rounds, and actors leave the game every way
// they can (shot and faded, despawned off screen, removed directly, robots
// taking themselves out in their own pass, bodies cleaned away by a robot).
// Run under ASan and UBSan, it shows that no holder keeps a removed actor.
#include "ActorCast.h"
#include "GameMobFixture.h"
#include "actors/Inventory.h"
#include "actors/Player.h"
#include "actors/PopulationSettings.h"
#include "actors/Projectile.h"
#include "world/MapFile.h"
#include "world/Pather.h"

using cocos2d::Vec2;

namespace {
constexpr int Walkers = 40;
constexpr int Robots = 6;
constexpr int Frames = 3600;
constexpr float FrameTime = 1.0f / 60.0f;
constexpr int CitizenLook = 3000;
constexpr int RobotLook = 50;
constexpr int Pistol = 73;
}

class ActorSoakTest : public GameMobFixture
{
protected:
    void SetUp() override
    {
        GameMobFixture::SetUp();
        ASSERT_NO_FATAL_FAILURE(loadRealZone(0));
        mobs = MobManager::getInstance();
        mobs->makers.citizen = [this](bool, Vec2 position) { return makeWalker(position); };
        mobs->makers.flyer = [this](int) { return makeRobot(); };
    }

    void TearDown() override
    {
        mobs->clear();
        mobs->makers = {};
        PopulationSettings::getInstance()->cleaningDroids.clear();
        PopulationSettings::getInstance()->spawnedCitizens = 0;
        PopulationSettings::getInstance()->flyers = 0;
        GameMobFixture::TearDown();
    }

    TestCitizen* makeWalker(Vec2 position)
    {
        auto* walker = new TestCitizen(GameData::getInstance()->getObjectDef(CitizenLook), nextId++);
        walker->mobKind = MobCitizen;
        walker->roleCode = 4;
        walker->setPosition(position);
        walker->setHeightLevel(0);
        if (map->worldNode && walker->mainSprite)
            map->worldNode->addChild(walker->mainSprite, 30);
        walker->equip(walker->inventory, walker->inventory->addItem(Pistol));
        walker->destroyed = &walkersGone;
        walker->onUpdate = [this](TestCitizen* self) { live(self); };
        ++walkersMade;
        PopulationSettings::getInstance()->countCitizen(walker);
        return walker;
    }

    TestFlyer* makeRobot()
    {
        auto* robot = new TestFlyer(GameData::getInstance()->getObjectDef(RobotLook), FlyingMob::AmbientFlyer);
        robot->destroyed = &robotsGone;
        robot->onUpdate = [this](TestFlyer* self) { fly(self); };
        ++robotsMade;
        PopulationSettings::getInstance()->flyers += 1;
        PopulationSettings::getInstance()->cleaningDroids.push_back(robot);
        return robot;
    }

    // A walker's errand: a path to a cell a few streets away; now and then a shot.
    void live(TestCitizen* self)
    {
        if (self->path.empty() && !self->waitingForPath)
        {
            const Vec2 step(static_cast<float>(rand() % 17 - 8), static_cast<float>(rand() % 17 - 8));
            const Vec2 goal = self->cell + step;
            if (map->isWalkable(static_cast<int>(goal.x), static_cast<int>(goal.y)))
                self->findPath(goal, true);
        }
        if (rand() % 90 == 0 && self->tryFire(static_cast<float>(rand() % 360), 2.0f))
            ++shots;
    }

    // A robot's round: it claims a body and takes it away, or flies its goals
    // and, its round done, leaves the game from within its own update.
    void fly(TestFlyer* self)
    {
        if (self->cleaningTarget)
        {
            mobs->removeMob(self->cleaningTarget);
            self->cleaningTarget = nullptr;
            ++cleaned;
            return;
        }
        for (GameMob* mob : mobs->groundMobs)
        {
            if (mob->health <= 0 && !PopulationSettings::getInstance()->isClaimedByCleaner(mob) && rand() % 4 == 0)
            {
                self->cleaningTarget = mob;
                return;
            }
        }
        if (self->updates > 240 && rand() % 600 == 0)
        {
            mobs->removeMob(self);
            mobs->removeMob(self);
            ++robotsLeft;
        }
        else if (self->orders.empty() || self->orders.front().type == FlightOrder::Hover)
            self->pickRandomGoals();
    }

    void frame(int number)
    {
        while (static_cast<int>(mobs->groundMobs.size()) < Walkers)
        {
            const Vec2 at = map->randomSpawnPosition(false, -1);
            ASSERT_NE(at, WorldMap::None);
            mobs->spawnMob(MobCitizen, nullptr, at);
        }
        while (static_cast<int>(mobs->flyingMobs.size()) < Robots)
            mobs->spawnFlyer(rand() % 4 + 1);
        for (GameMob* mob : mobs->groundMobs)
        {
            // The fallen fade away; a few walkers are told to leave once out of sight.
            if (mob->health <= 0 && mob->corpseTimer == -1.0f)
                mob->corpseTimer = 0.5f + static_cast<float>(rand() % 100) * 0.02f;
            if (rand() % 2000 == 0)
                mob->despawnFlag = true;
        }
        if (number % 120 == 60 && !mobs->groundMobs.empty())
        {
            mobs->removeMob(mobs->groundMobs[static_cast<size_t>(rand()) % mobs->groundMobs.size()]);
            ++removedDirectly;
        }
        if (number % 300 == 150 && !mobs->groundMobs.empty())
        {
            const Vec2 at = mobs->groundMobs[static_cast<size_t>(rand()) % mobs->groundMobs.size()]->getPosition();
            mobs->explosionAt(at, 96.0f, 60.0f);
            mobs->flashbangAt(at, 96.0f);
        }
        map->update(FrameTime);
        Pather::getInstance()->update();
        mobs->update(FrameTime);
        SoundEngine::getInstance()->update();
        ASSERT_TRUE(mobs->pendingRemovals.empty());
    }

    MobManager* mobs = nullptr;
    int nextId = 1;
    int walkersMade = 0;
    int walkersGone = 0;
    int robotsMade = 0;
    int robotsGone = 0;
    int robotsLeft = 0;
    int removedDirectly = 0;
    int cleaned = 0;
    int shots = 0;
};

TEST_F(ActorSoakTest, AMinuteOfCityLifeWithActorsLeavingEveryWay)
{
    auto* player = new Player(GameData::getInstance()->getObjectDef(4002), true);
    player->setPosition(map->randomSpawnPosition(false, -1));
    mobs->setPlayer(player);
    map->cameraPoint = player->getPosition();

    for (int number = 0; number < Frames; ++number)
    {
        frame(number);
        if (HasFatalFailure())
            return;
    }

    // Every way of leaving was taken, and every leaver was destroyed once.
    EXPECT_GT(shots, 0);
    EXPECT_GT(removedDirectly, 20);
    EXPECT_GT(robotsLeft, 0);
    EXPECT_GT(cleaned, 0);
    EXPECT_EQ(walkersMade - walkersGone, static_cast<int>(mobs->groundMobs.size()));
    EXPECT_EQ(robotsMade - robotsGone, static_cast<int>(mobs->flyingMobs.size()));
    const auto living = std::count_if(mobs->groundMobs.begin(), mobs->groundMobs.end(),
                                      [](const GameMob* mob) { return mob->health > 0; });
    // Every citizen's death or removal counts it off once; the player was never counted.
    EXPECT_EQ(PopulationSettings::getInstance()->spawnedCitizens, living) << "each citizen counted off once";
    EXPECT_EQ(PopulationSettings::getInstance()->flyers, static_cast<int>(mobs->flyingMobs.size()));
    EXPECT_EQ(PopulationSettings::getInstance()->cleaningDroids.size(), mobs->flyingMobs.size());
    EXPECT_GT(walkersGone, removedDirectly) << "some were shot and faded, or left off screen";

    mobs->clear();
    map->update(0.0f);
    EXPECT_EQ(walkersGone, walkersMade);
    EXPECT_EQ(robotsGone, robotsMade);
}
