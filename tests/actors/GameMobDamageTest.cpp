#include "GameMobFixture.h"
#include "actors/PopulationSettings.h"
#include "world/GameData.h"

using cocos2d::Vec2;

namespace {
constexpr int BloodPool = 1002;
constexpr int BodyPartA = 1003;
constexpr int BodyPartB = 1004;

class CountingMob : public GameMob
{
public:
    explicit CountingMob(ObjectDef* def) : GameMob(def, false) {}
    void onKilled() override { ++deaths; }
    int deaths = 0;
};
}

class GameMobDamageTest : public GameMobFixture
{
protected:
    std::unique_ptr<CountingMob> victim(Vec2 at, int health)
    {
        auto mob = std::make_unique<CountingMob>(mobDef());
        mob->setPosition(at);
        mob->health = health;
        return mob;
    }
};

TEST_F(GameMobDamageTest, ADeathLeavesBloodAndAnOverkillLeavesBodyParts)
{
    PopulationSettings::getInstance()->spawnedCitizens = 4;
    auto shot = victim(centreOf(5, 5), 30);
    PopulationSettings::getInstance()->countCitizen(shot.get());
    shot->takeDamage(1, 25.5f, 90.0f);
    EXPECT_EQ(shot->health, 4) << "whole points";
    EXPECT_EQ(shot->deaths, 0);
    shot->takeDamage(1, 24.0f, 90.0f);
    EXPECT_EQ(shot->health, -20);
    EXPECT_EQ(shot->deaths, 1);
    EXPECT_EQ(shot->lastDamageType, 1);
    EXPECT_FLOAT_EQ(shot->heading, 270.0f) << "falls away from the shot";
    EXPECT_TRUE(shot->currentAnimation == GameMob::AnimDieA || shot->currentAnimation == GameMob::AnimDieB);
    ASSERT_EQ(countPlaced(BloodPool), 1);
    EXPECT_EQ(countPlaced(BodyPartA) + countPlaced(BodyPartB), 0);
    const GameObject* blood = map->passableObjects.back();
    EXPECT_NEAR(blood->position.distance(shot->position + Vec2(8, 0)), 0.0f, 0.01f) << "8 pixels along the shot";
    EXPECT_EQ(PopulationSettings::getInstance()->spawnedCitizens, 4);

    // The dead take no more damage and leave no more remains.
    shot->takeDamage(2, 500.0f, 0.0f);
    EXPECT_EQ(shot->health, -20);
    EXPECT_EQ(shot->deaths, 1);
    EXPECT_EQ(countPlaced(BloodPool), 1);

    // Overkill: one or two body parts, no blood pool, over many deaths both counts occur.
    int seenOne = 0;
    int seenTwo = 0;
    for (int i = 0; i < 40; ++i)
    {
        const int before = countPlaced(BodyPartA) + countPlaced(BodyPartB);
        auto gibbed = victim(centreOf(3 + i % 10, 12), 30);
        gibbed->takeDamage(2, 90.0f, 0.0f);
        EXPECT_EQ(gibbed->health, -60);
        const int parts = countPlaced(BodyPartA) + countPlaced(BodyPartB) - before;
        ASSERT_GE(parts, 1);
        ASSERT_LE(parts, 2);
        seenOne += parts == 1;
        seenTwo += parts == 2;
        const GameObject* part = map->passableObjects.back();
        EXPECT_LE(part->position.distance(gibbed->position), 8.01f) << "half the part's height away";
        EXPECT_GT(part->position.y, gibbed->position.y) << "thrown along the shot";
    }
    EXPECT_GT(seenOne, 0);
    EXPECT_GT(seenTwo, 0);
    EXPECT_EQ(countPlaced(BloodPool), 1) << "an overkill leaves no pool";
}

TEST_F(GameMobDamageTest, TheDeadAndTheMobsOnRoofsAreBlind)
{
    auto mob = victim(centreOf(5, 5), 100);
    mob->viewAngle = 0.0f;
    const Vec2 near = centreOf(6, 5);
    EXPECT_TRUE(mob->canSee(near, false));
    EXPECT_TRUE(mob->canHear(near, 1.0f));
    EXPECT_FALSE(mob->canHear(centreOf(15, 5), 1.0f)) << "beyond 192 pixels";
    EXPECT_FALSE(mob->isVisibleBody());

    TileDef* roof = makeTileDef(2);
    tile(5, 5)->overlay = roof;
    mob->heightLevel = 2;
    EXPECT_FALSE(mob->canSee(near, false)) << "up on a roof";
    EXPECT_TRUE(mob->canHear(near, 1.0f));
    tile(5, 5)->overlay = nullptr;
    mob->heightLevel = 0;

    mob->stunned = true;
    EXPECT_FALSE(mob->canHear(near, 1.0f));
    mob->stunned = false;
    mob->takeDamage(0, 200.0f, 0.0f);
    EXPECT_FALSE(mob->canSee(near, true));
    EXPECT_FALSE(mob->canHear(near, 10.0f));
    EXPECT_TRUE(mob->isVisibleBody());
}

TEST_F(GameMobDamageTest, DroppedObjectsLieAtTheFeetExceptOnARoof)
{
    auto mob = victim(centreOf(5, 5), 100);
    mob->setRotation(90.0f);
    ObjectDef* litter = makeObjectDef(true, 0, 4.0f);
    GameObject* dropped = mob->dropObjectNearby(litter);
    ASSERT_NE(dropped, nullptr);
    const float distance = dropped->position.distance(mob->position);
    EXPECT_GE(distance, 0.99f);
    EXPECT_LE(distance, 4.01f);
    EXPECT_NEAR(dropped->position.y, mob->position.y, 0.01f) << "ahead of the mob";
    EXPECT_EQ(dropped->heightLevel, 0) << "the tile's own level";

    tile(5, 5)->overlay = makeTileDef(2);
    mob->heightLevel = 2;
    EXPECT_EQ(mob->dropObjectNearby(litter), nullptr);
}

TEST_F(GameMobDamageTest, ASmokerPuffsIntoTheWorld)
{
    auto mob = victim(centreOf(5, 5), 100);
    const ssize_t before = map->worldNode->getChildrenCount();
    mob->puffSmoke();
    EXPECT_EQ(mob->currentAnimation, GameMob::AnimSmoke);
    EXPECT_EQ(static_cast<ssize_t>(map->worldNode->getChildrenCount()), before + 1);
}
