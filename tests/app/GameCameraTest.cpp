#include "app/GameCamera.h"

#include "actors/GameObject.h"
#include "world/ObjectDef.h"
#include "world/WorldMap.h"

#include <gtest/gtest.h>

USING_NS_CC;

namespace {

class GameCameraTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        map = WorldMap::getInstance();
        map->clear();
        map->init(140, 140);
        camera = GameCamera::getInstance();
        camera->setTarget(nullptr);
        camera->position = Vec2::ZERO;
    }

    void TearDown() override
    {
        camera->setTarget(nullptr);
        camera->position = Vec2::ZERO;
        map->clear();
        map->cameraPoint = Vec2::ZERO;
    }

    WorldMap* map = nullptr;
    GameCamera* camera = nullptr;
    ObjectDef def;
    GameObject object{&def, false, 0};
};

}

TEST_F(GameCameraTest, SetTargetSnapsToTheObjectAtOnce)
{
    object.setPosition(Vec2(500.0f, 700.0f));
    camera->setTarget(&object);
    EXPECT_EQ(camera->position, Vec2(500.0f, 700.0f));
    EXPECT_EQ(map->cameraPoint, Vec2(500.0f, 700.0f));
}

TEST_F(GameCameraTest, FollowsAPointAcrossTheCityWhateverTheFrameTime)
{
    camera->setTarget(&object);
    const float dts[] = {0.0f, 0.016f, 0.5f, 3.0f};
    int step = 0;
    // Corner to corner of a 140 x 140 city, one cell a frame.
    for (float x = 16.0f; x < 140.0f * 32.0f; x += 32.0f, ++step)
    {
        const Vec2 point(x, x * 0.75f);
        object.setPosition(point);
        camera->update(dts[step % 4]);
        ASSERT_EQ(camera->position, point);
        ASSERT_EQ(map->cameraPoint, point);
        ASSERT_EQ(map->cameraCell, WorldMap::pixelToGrid(point.x, point.y));
    }
}

TEST_F(GameCameraTest, WithoutATargetTheUnchangedPointIsHandedOnEveryFrame)
{
    camera->position = Vec2(320.0f, 320.0f);
    camera->update(0.016f);
    EXPECT_EQ(map->cameraPoint, Vec2(320.0f, 320.0f));
    // Something else moved the view: the camera puts it back.
    map->setCameraCentre(Vec2(10.0f, 10.0f));
    camera->update(0.016f);
    EXPECT_EQ(map->cameraPoint, Vec2(320.0f, 320.0f));
}

TEST_F(GameCameraTest, ClearingTheTargetLeavesThePointAndTheView)
{
    object.setPosition(Vec2(800.0f, 900.0f));
    camera->setTarget(&object);
    camera->setTarget(nullptr);
    EXPECT_EQ(camera->target, nullptr);
    EXPECT_EQ(camera->position, Vec2(800.0f, 900.0f));
    EXPECT_EQ(map->cameraPoint, Vec2(800.0f, 900.0f));

    // As after the player's death: the point no longer moves.
    object.setPosition(Vec2(100.0f, 100.0f));
    camera->update(5.0f);
    EXPECT_EQ(camera->position, Vec2(800.0f, 900.0f));
}

TEST_F(GameCameraTest, ForgetClearsOnlyItsOwnTarget)
{
    ObjectDef otherDef;
    GameObject other(&otherDef, false, 0);
    camera->setTarget(&object);
    camera->forget(&other);
    EXPECT_EQ(camera->target, &object);
    camera->forget(nullptr);
    EXPECT_EQ(camera->target, &object);
    camera->forget(&object);
    EXPECT_EQ(camera->target, nullptr);
}
