#include "GameMobFixture.h"
#include "2d/Sprite.h"

using cocos2d::Vec2;

class GameMobMovementTest : public GameMobFixture
{
protected:
    GameMob* walker(Vec2 at, float heading = 0.0f)
    {
        mobs.push_back(std::make_unique<GameMob>(mobDef(8.0f), false));
        GameMob* mob = mobs.back().get();
        mob->setPosition(at);
        mob->setRotation(heading);
        return mob;
    }

    float stepLength(GameMob* mob, int forward, int sideways, bool running, bool raised)
    {
        const Vec2 start = centreOf(10, 10);
        mob->setPosition(start);
        mob->running = running;
        mob->weaponRaised = raised;
        EXPECT_TRUE(mob->moveStep(forward, sideways, false, 1.0f));
        return mob->position.distance(start);
    }

    std::vector<std::unique_ptr<GameMob>> mobs;
};

TEST_F(GameMobMovementTest, StepLengthsFollowDirectionRunningAndTheRaisedWeapon)
{
    GameMob* mob = walker(centreOf(10, 10), 90.0f);
    EXPECT_NEAR(stepLength(mob, GameMob::Ahead, 0, false, false), 24.0f, 0.01f) << "1.5 x walk speed";
    EXPECT_NEAR(mob->position.x, centreOf(10, 10).x + 24.0f, 0.01f) << "along the heading";
    EXPECT_NEAR(stepLength(mob, GameMob::Ahead, 0, true, false), 52.8f, 0.01f) << "3.3 x walk speed";
    EXPECT_NEAR(stepLength(mob, GameMob::Ahead, 0, true, true), 24.0f, 0.01f) << "no running with the weapon up";
    EXPECT_NEAR(stepLength(mob, GameMob::Back, 0, false, false), 16.0f, 0.01f);
    EXPECT_NEAR(stepLength(mob, 0, GameMob::Left, false, false), 19.2f, 0.01f);
    const float diagonal = std::sqrt(24.0f * 24.0f + 19.2f * 19.2f);
    EXPECT_NEAR(stepLength(mob, GameMob::Ahead, GameMob::Right, true, false), diagonal, 0.01f)
        << "a diagonal step gets no running bonus";
    EXPECT_FALSE(mob->moveStep(0, 0, false, 1.0f));
    EXPECT_EQ(mob->currentAnimation, GameMob::AnimWalk);

    // Keyboard directions do not depend on the heading, and running always helps.
    mob->setPosition(centreOf(10, 10));
    mob->setRotation(0.0f);
    mob->weaponRaised = false;
    mob->running = true;
    ASSERT_TRUE(mob->moveInDirection(GameMob::Ahead, GameMob::Left, 1.0f));
    const Vec2 moved = mob->position - centreOf(10, 10);
    EXPECT_NEAR(moved.length(), 16.0f * 1.5f * 2.2f, 0.01f);
    EXPECT_LT(moved.x, 0.0f);
    EXPECT_NEAR(moved.x, -moved.y, 0.01f) << "up-left";
    EXPECT_FALSE(mob->moveInDirection(0, 0, 1.0f));
}

TEST_F(GameMobMovementTest, WallsUndoOnlyThePartOfTheStepThatRunsIntoThem)
{
    setFloor(6, 5, makeTileDef(1));  // a raised cell east of the mob's cell
    GameMob* mob = walker(Vec2(183, 176));
    ASSERT_TRUE(mob->tryMove(false, Vec2(3, 3)));
    EXPECT_FLOAT_EQ(mob->position.x, 183.0f) << "the +x part runs into the wall";
    EXPECT_FLOAT_EQ(mob->position.y, 179.0f) << "the +y part is kept: the mob slides";

    // A wall side of the next cell counts too.
    setFloor(2, 3, makeTileDef(0, 1, {2}));  // walled on its south side
    mob->setPosition(Vec2(80, 85));
    ASSERT_TRUE(mob->tryMove(false, Vec2(-2, 4)));
    EXPECT_FLOAT_EQ(mob->position.y, 85.0f);
    EXPECT_FLOAT_EQ(mob->position.x, 78.0f);

    // A blocked cell or the map's edge refuses the step outright.
    tile(9, 9)->blocked = true;
    mob->setPosition(Vec2(9 * 32 - 2, 9 * 32 + 16));
    EXPECT_FALSE(mob->tryMove(false, Vec2(4, 0)));
    EXPECT_EQ(mob->position, Vec2(9 * 32 - 2, 9 * 32 + 16));
    EXPECT_EQ(mob->cell, Vec2(8, 9));
    mob->setPosition(Vec2(3, 100));
    EXPECT_FALSE(mob->tryMove(false, Vec2(-5, 0)));
    EXPECT_FALSE(mob->tryMove(false, Vec2::ZERO));
}

TEST_F(GameMobMovementTest, RoundObstaclesPushTheMobOutSquareOnesStopIt)
{
    GameObject* post = addObject(makeObjectDef(false, 0, 8.0f), Vec2(190, 176));
    GameMob* mob = walker(Vec2(170, 176), 90.0f);
    ASSERT_TRUE(mob->tryMove(false, Vec2(6, 1)));
    EXPECT_NEAR(mob->position.distance(post->position), 16.0f, 0.05f) << "ends touching the post";
    EXPECT_LT(mob->position.x, 176.0f);
    EXPECT_GT(mob->position.y, 176.0f) << "pushed out along the line from the post";

    // With a wall where the mob would be pushed to, it does not move at all.
    setFloor(4, 5, makeTileDef(1));
    post->setPosition(Vec2(180, 176));
    mob->setPosition(Vec2(169, 155));
    EXPECT_FALSE(mob->tryMove(false, Vec2(0, 15)));
    EXPECT_EQ(mob->position, Vec2(169, 155));

    ObjectDef* barrierDef = makeObjectDef(false, 1, 16.0f);
    barrierDef->addFile("Barrier.png");
    GameObject* barrier = addObject(barrierDef, Vec2(440, 400));
    map->addObjectSprite(barrier);
    ASSERT_NE(barrier->mainSprite, nullptr);
    mob->setPosition(Vec2(420, 400));
    EXPECT_FALSE(mob->tryMove(false, Vec2(6, 0))) << "a square object always stops the mob";
    EXPECT_EQ(mob->position, Vec2(420, 400));

    // A step that jumps the object is caught by the segment test when asked for.
    mob->setPosition(Vec2(390, 400));
    EXPECT_FALSE(mob->tryMove(true, Vec2(80, 0)));
    EXPECT_TRUE(mob->tryMove(false, Vec2(80, 0))) << "without the segment test the jump succeeds";
}

TEST_F(GameMobMovementTest, ACarriedBodyMovesWithItsCarrier)
{
    GameMob* carrier = walker(centreOf(4, 4), 90.0f);
    GameMob* body = walker(centreOf(4, 5));
    body->health = 0;
    carrier->carriedBody = body;
    ASSERT_TRUE(carrier->moveStep(GameMob::Ahead, 0, false, 0.5f));
    EXPECT_EQ(body->position, carrier->position);
}
