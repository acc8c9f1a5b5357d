#include "GameMobFixture.h"
#include "2d/Sprite.h"
#include "actors/FlyingMob.h"
#include <set>
#include <utility>

using cocos2d::Vec2;

class FlyingMobTest : public GameMobFixture
{
protected:
    // Cruising speed 128, acceleration 128, slow-down radius 96, turn rate 90.
    std::unique_ptr<FlyingMob> flyer(Vec2 at)
    {
        ObjectDef* def = makeObjectDef(true, 0, 8.0f);
        def->addFile("Barrier.png");
        auto mob = std::make_unique<FlyingMob>(def, true, 90.0f, 128.0f, 128.0f, 96.0f);
        mob->setPosition(at);
        return mob;
    }

    static constexpr float Frame = 1.0f / 60.0f;
};

TEST_F(FlyingMobTest, AFlyerSpeedsUpSlowsDownNearItsGoalAndLandsOnIt)
{
    auto mob = flyer(Vec2(100, 100));
    EXPECT_EQ(mob->kind, GameObject::FlyingRobot);
    EXPECT_EQ(mob->heightLevel, GameObject::NoLevel);
    const Vec2 goal(100, 1000);
    mob->addOrder(false, goal);
    for (int i = 0; i < 30; ++i)
        mob->update(Frame);
    EXPECT_NEAR(mob->currentSpeed, 64.0f, 0.01f);
    for (int i = 0; i < 30; ++i)
        mob->update(Frame);
    EXPECT_NEAR(mob->currentSpeed, 128.0f, 0.01f) << "full speed after one second";
    EXPECT_NEAR(mob->heading, 0.0f, 0.01f) << "a goal straight up is faced at once";
    EXPECT_NEAR(mob->position.x, 100.0f, 0.01f);

    // Fly on until inside the slow-down radius, then half a second more.
    while (mob->position.distance(goal) > 96.0f)
        mob->update(Frame);
    for (int i = 0; i < 30; ++i)
        mob->update(Frame);
    EXPECT_NEAR(mob->currentSpeed, 64.0f, 0.01f) << "slowed to half speed at the same rate";

    int frames = 0;
    while (mob->position != goal && frames++ < 600)
        mob->update(Frame);
    ASSERT_EQ(mob->position, goal) << "the last step lands exactly on the goal";
    ASSERT_EQ(mob->orders.size(), 1u) << "arrival is seen on the next frame";
    mob->update(Frame);
    EXPECT_TRUE(mob->orders.empty());
    mob->update(Frame);
    ASSERT_EQ(mob->orders.size(), 1u);
    EXPECT_EQ(mob->orders.front().type, FlightOrder::Hover) << "with nothing to do it hovers";
    EXPECT_EQ(mob->position, goal);
}

TEST_F(FlyingMobTest, AFlyerTurnsTowardsAGoalBehindItAndReachesIt)
{
    auto mob = flyer(Vec2(300, 300));
    mob->setRotation(0.0f);
    const Vec2 goal(300, 100);  // straight down: faced at once, not flown away from
    mob->addOrder(true, goal);
    mob->update(Frame);
    EXPECT_NEAR(mob->heading, 180.0f, 0.01f);
    const Vec2 sideGoal(500, 250);
    mob->addOrder(true, sideGoal);
    int frames = 0;
    while (!mob->orders.empty() && mob->orders.front().type == FlightOrder::FlyTo && frames++ < 1200)
        mob->update(Frame);
    EXPECT_EQ(mob->position, sideGoal);
}

TEST_F(FlyingMobTest, TheQueueTakesFinishedOrdersAwayAndHoldsOnUnknownOnes)
{
    auto mob = flyer(Vec2(200, 200));
    mob->orders.push_back(FlightOrder{FlightOrder::Finished, Vec2(900, 900)});
    mob->orders.push_back(FlightOrder{7, Vec2(900, 900)});
    mob->addOrder(false, Vec2(300, 300));
    mob->update(Frame);
    EXPECT_EQ(mob->position, Vec2(200, 200)) << "a finished order is removed without moving";
    ASSERT_EQ(mob->orders.size(), 2u);
    for (int i = 0; i < 10; ++i)
        mob->update(Frame);
    EXPECT_EQ(mob->orders.size(), 2u) << "an unknown order blocks the queue";
    EXPECT_EQ(mob->position, Vec2(200, 200));

    // Behind a hover order a fly order is never reached; replacing the queue starts it.
    mob->orders.clear();
    mob->update(Frame);
    mob->addOrder(false, Vec2(300, 300));
    for (int i = 0; i < 60; ++i)
        mob->update(Frame);
    EXPECT_EQ(mob->orders.front().type, FlightOrder::Hover);
    EXPECT_GT(mob->hoverTimer, 0.0f);
    EXPECT_LE(mob->hoverTimer, 0.6f) << "the wobble comes every 0.3 to 0.6 s";
    const Vec2 bob = mob->mainSprite->getPosition() - mob->position;
    EXPECT_LE(std::fabs(bob.x), 1.0f);
    EXPECT_LE(std::fabs(bob.y), 1.0f);
    EXPECT_EQ(mob->position, Vec2(200, 200)) << "only the sprite bobs";
    mob->addOrderAtCell(true, Vec2(3, 4));
    ASSERT_EQ(mob->orders.size(), 1u);
    EXPECT_EQ(mob->orders.front().point, Vec2(96, 128)) << "the cell's corner";
}

TEST_F(FlyingMobTest, RandomGoalsLieInTheEightSectorsOfTheMap)
{
    makeMap(200, 200);
    auto mob = flyer(Vec2(10, 10));
    std::set<std::pair<float, float>> allowed;
    for (int row = 0; row < 2; ++row)
    {
        for (int column = 0; column < 4; ++column)
            allowed.insert({(25.0f + 50.0f * column) * 32.0f, (50.0f + 100.0f * row) * 32.0f});
    }
    std::set<std::pair<float, float>> seen;
    srand(7);
    for (int i = 0; i < 40; ++i)
    {
        mob->addOrder(false, Vec2(1, 1));
        mob->pickRandomGoals();
        ASSERT_EQ(mob->orders.size(), 6u) << "the queue is replaced by six goals";
        for (const FlightOrder& order : mob->orders)
        {
            EXPECT_EQ(order.type, FlightOrder::FlyTo);
            const std::pair<float, float> goal{order.point.x, order.point.y};
            EXPECT_TRUE(allowed.count(goal)) << goal.first << ", " << goal.second;
            seen.insert(goal);
        }
    }
    EXPECT_EQ(seen.size(), 8u) << "every sector comes up";
}
