// Ambient flyers: their looks and speeds, and a crossing from one map edge to
// the other that ends with the flyer leaving the game.
#include "../GameMobFixture.h"
#include "actors/PopulationSettings.h"
#include "actors/police/Flyer.h"
#include "actors/police/RobotMakers.h"
#include <algorithm>
#include <memory>
#include <set>

using cocos2d::Vec2;

class FlyerTest : public GameMobFixture
{
protected:
    void SetUp() override
    {
        GameMobFixture::SetUp();
        mobs = MobManager::getInstance();
        registerRobotMakers();
        map->cameraPoint = Vec2(320, 320);
    }

    void TearDown() override
    {
        mobs->clear();
        mobs->makers = {};
        PopulationSettings::getInstance()->flyers = 0;
        GameMobFixture::TearDown();
    }

    MobManager* mobs = nullptr;
};

TEST_F(FlyerTest, FlyersWearOneOfFiveLooksAndCruiseBetween97And160)
{
    srand(11);
    std::set<int> looks;
    float slowest = 1000.0f;
    float fastest = 0.0f;
    for (int i = 0; i < 60; ++i)
    {
        auto flyer = std::make_unique<Flyer>(2);
        looks.insert(flyer->def->id);
        slowest = std::min(slowest, flyer->cruisingSpeed);
        fastest = std::max(fastest, flyer->cruisingSpeed);
        EXPECT_EQ(flyer->flyingType, FlyingMob::AmbientFlyer);
        EXPECT_NE(flyer->soundChannel, -1) << "a flyer hums";
    }
    EXPECT_EQ(looks, (std::set<int>{75, 76, 77, 326, 327}));
    EXPECT_GE(slowest, 97.0f);
    EXPECT_LE(fastest, 160.0f);
    EXPECT_LT(slowest, 110.0f);
    EXPECT_GT(fastest, 145.0f);
}

TEST_F(FlyerTest, AFlyerCrossesToTheOppositeEdgeAndLeavesTheGame)
{
    PopulationSettings::getInstance()->flyers = 1;
    Flyer* flyer = dynamic_cast<Flyer*>(mobs->spawnFlyer(1));
    ASSERT_NE(flyer, nullptr);
    EXPECT_EQ(flyer->getPosition().y, 0.0f) << "enters on the bottom row";
    EXPECT_EQ(flyer->destination.y, 19.0f * 32.0f) << "bound for the top row";
    int frames = 0;
    while (std::find(mobs->flyingMobs.begin(), mobs->flyingMobs.end(), flyer) != mobs->flyingMobs.end() &&
           frames++ < 600)
        mobs->update(0.05f);
    EXPECT_LT(frames, 600) << "arrives and is removed";
    EXPECT_EQ(PopulationSettings::getInstance()->flyers, 0);
}
