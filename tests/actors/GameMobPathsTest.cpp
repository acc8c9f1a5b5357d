#include "GameMobFixture.h"
#include <algorithm>

using cocos2d::Vec2;

class GameMobPathsTest : public GameMobFixture
{
protected:
    void SetUp() override
    {
        GameMobFixture::SetUp();
        mob = std::make_unique<GameMob>(mobDef(8.0f), false);
        mob->mobKind = MobCitizen;
    }

    // Frames of the path finder and the mob until the mob has nowhere left to
    // go; false if it never stops. Every frame the mob must stand on ground
    // level and clear of the given obstacle.
    bool walkOut(int maxFrames, const GameObject* obstacle = nullptr)
    {
        for (int frame = 0; frame < maxFrames; ++frame)
        {
            Pather::getInstance()->update();
            mob->update(1.0f / 60.0f);
            const MapTile* under = map->tileAtCell(mob->cell.x, mob->cell.y);
            EXPECT_TRUE(under && WorldMap::cellLevel(under) == 0) << "never inside a wall";
            if (obstacle)
            {
                EXPECT_FALSE(mob->overlaps(obstacle)) << "never inside the obstacle";
            }
            if (mob->path.empty() && !mob->waitingForPath)
                return true;
        }
        return false;
    }

    std::unique_ptr<GameMob> mob;
};

TEST_F(GameMobPathsTest, AMobWalksThePatherSAnswerRoundAWallToItsGoal)
{
    TileDef* wall = makeTileDef(1);
    for (int y = 0; y < 16; ++y)
        setFloor(8, y, wall);
    mob->walkSpeed = 64.0f;
    mob->setPosition(centreOf(4, 10));
    ASSERT_TRUE(mob->findPath(Vec2(12, 10), true));
    EXPECT_TRUE(mob->waitingForPath);
    ASSERT_EQ(Pather::getInstance()->getQueue(2).size(), 1u);

    Pather::getInstance()->update();
    ASSERT_FALSE(mob->path.empty()) << "answered on the first frame";
    EXPECT_FALSE(mob->waitingForPath);
    EXPECT_EQ(mob->path.back().point, centreOf(12, 10));
    EXPECT_TRUE(std::none_of(mob->path.begin(), mob->path.end(),
                             [](const PathPoint& p) { return p.point == centreOf(4, 10); }))
        << "the start cell is not walked to";

    ASSERT_TRUE(walkOut(3000));
    EXPECT_LE(mob->position.distance(centreOf(12, 10)), 2.0f);
    mob->update(1.0f / 60.0f);
    EXPECT_EQ(mob->currentAnimation, GameMob::AnimStand) << "a citizen stops walking at the end";
}

TEST_F(GameMobPathsTest, AnObjectOnTheLegIsPassedByADetour)
{
    // Mob and crate share a bucket of the map, where the leg test looks for objects.
    GameObject* crate = addObject(makeObjectDef(false, 0, 8.0f), Vec2(180, 300));
    mob->setPosition(Vec2(136, 300));
    mob->path.push_back(PathPoint{0, Vec2(264, 300)});
    mob->update(1.0f / 60.0f);
    // Neither mirrored one-point detour is clear, so the mob steps sideways,
    // passes the crate and steps back.
    ASSERT_EQ(mob->path.size(), 3u);
    EXPECT_NEAR(mob->path[0].point.x, 136.0f, 0.01f);
    EXPECT_NEAR(std::fabs(mob->path[0].point.y - 300.0f), 32.0f, 0.01f);
    EXPECT_NEAR(mob->path[1].point.x, 264.0f, 0.01f);
    EXPECT_EQ(mob->path[2].point, Vec2(264, 300));
    ASSERT_TRUE(walkOut(2000, crate));
    EXPECT_LE(mob->position.distance(Vec2(264, 300)), 2.0f);

    // An open leg is walked as it is; arriving removes the point.
    mob->path.push_back(PathPoint{0, Vec2(264, 340)});
    mob->checkNextLeg = true;
    mob->update(1.0f / 60.0f);
    EXPECT_EQ(mob->path.size(), 1u) << "nothing inserted";
    ASSERT_TRUE(walkOut(2000));
}

TEST_F(GameMobPathsTest, AThinObstacleIsPassedByTheMirroredDetour)
{
    GameObject* pole = addObject(makeObjectDef(false, 0, 2.0f), Vec2(232, 300));
    mob->setPosition(Vec2(136, 300));
    mob->path.push_back(PathPoint{0, Vec2(264, 300)});
    mob->update(1.0f / 60.0f);
    // The point as far beyond the target as the mob stands before it, 32
    // pixels to the left of the way.
    ASSERT_EQ(mob->path.size(), 2u);
    EXPECT_NEAR(mob->path[0].point.x, 392.0f, 0.01f);
    EXPECT_NEAR(mob->path[0].point.y, 332.0f, 0.01f);
    ASSERT_TRUE(walkOut(2000, pole));
    EXPECT_LE(mob->position.distance(Vec2(264, 300)), 2.0f);
}

TEST_F(GameMobPathsTest, AnUnreachableLegAsksAgainWithThatCellAsAWall)
{
    TileDef* wall = makeTileDef(1);
    for (int y = 3; y < 20; ++y)
        setFloor(4, y, wall);
    mob->setPosition(centreOf(2, 10));
    mob->path.push_back(PathPoint{0, centreOf(6, 10)});
    mob->path.push_back(PathPoint{0, centreOf(12, 10)});
    mob->update(1.0f / 60.0f);
    EXPECT_TRUE(mob->path.empty());
    EXPECT_TRUE(mob->waitingForPath);
    ASSERT_EQ(mob->blockedCells.size(), 1u);
    EXPECT_EQ(mob->blockedCells[0], Vec2(6, 10)) << "the point that could not be reached";
    ASSERT_EQ(Pather::getInstance()->getQueue(2).size(), 1u);
    EXPECT_EQ(Pather::getInstance()->getQueue(2)[0]->goal, Vec2(12, 10)) << "to the destination";

    Pather::getInstance()->update();
    EXPECT_TRUE(mob->blockedCells.empty()) << "the answer clears them";
    ASSERT_FALSE(mob->path.empty());
    EXPECT_TRUE(std::none_of(mob->path.begin(), mob->path.end(),
                             [](const PathPoint& p) { return p.point == centreOf(6, 10); }));
    mob->walkSpeed = 64.0f;
    ASSERT_TRUE(walkOut(3000));
    EXPECT_LE(mob->position.distance(centreOf(12, 10)), 2.0f);

    // A lone point that cannot be reached is dropped and nothing more is asked.
    mob->path.push_back(PathPoint{0, centreOf(2, 10)});
    mob->checkNextLeg = true;
    mob->update(1.0f / 60.0f);
    EXPECT_TRUE(mob->path.empty());
    EXPECT_FALSE(mob->waitingForPath);
}

TEST_F(GameMobPathsTest, AFrozenMobStandsAndABlockedStepDropsThePath)
{
    mob->setPosition(centreOf(5, 5));
    mob->path.push_back(PathPoint{0, centreOf(9, 5)});
    mob->frozen = true;
    mob->update(0.5f);
    EXPECT_EQ(mob->position, centreOf(5, 5));
    mob->frozen = false;
    mob->update(0.5f);
    EXPECT_GT(mob->position.x, centreOf(5, 5).x);
    EXPECT_EQ(mob->currentAnimation, GameMob::AnimWalk);

    // The map edge: the leg looks clear but the step is refused.
    mob->setPosition(Vec2(4, 100));
    mob->path.assign(1, PathPoint{0, Vec2(-40, 100)});
    mob->checkNextLeg = false;
    mob->update(0.5f);
    EXPECT_TRUE(mob->path.empty());
    EXPECT_EQ(mob->currentAnimation, GameMob::AnimStand);
}

TEST_F(GameMobPathsTest, ASynchronousRequestOnlyAnswersWhetherAWayExists)
{
    TileDef* wall = makeTileDef(1);
    for (int y = 0; y < 20; ++y)
        setFloor(8, y, wall);
    mob->setPosition(centreOf(4, 10));
    EXPECT_TRUE(mob->findPath(Vec2(6, 10), false));
    EXPECT_FALSE(mob->findPath(Vec2(12, 10), false));
    EXPECT_TRUE(mob->path.empty());
    EXPECT_TRUE(Pather::getInstance()->getQueue(2).empty());
}
