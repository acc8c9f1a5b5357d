// Trains: their assembly from the game's piece definitions, their run along a
// column, and their end, which leaves nothing of them on the map's lists.
#include "actors/GameObject.h"
#include "cocos2d.h"
#include "world/GameData.h"
#include "world/MapTile.h"
#include "world/ObjectDef.h"
#include "world/TileDef.h"
#include "world/Train.h"
#include "world/WorldMap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <string>
#include <vector>

using cocos2d::Vec2;

namespace {

// A seed after which rand() % 2 first gives the wanted value.
unsigned seedGiving(int firstModTwo)
{
    for (unsigned seed = 1;; ++seed)
    {
        std::srand(seed);
        if (std::rand() % 2 == firstModTwo)
            return seed;
    }
}

std::vector<int> pieceIds(const Train& train)
{
    std::vector<int> ids;
    for (const GameObject* piece : train.pieces)
        ids.push_back(piece->def->id);
    return ids;
}

bool onAnyMapList(const WorldMap* map, const GameObject* object)
{
    auto holds = [object](const std::vector<GameObject*>& list) {
        return std::find(list.begin(), list.end(), object) != list.end();
    };
    if (holds(map->activeObjects) || holds(map->solidObjects) || holds(map->passableObjects))
        return true;
    return std::any_of(map->objectBuckets.begin(), map->objectBuckets.end(), holds);
}

class TrainTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        cocos2d::FileUtils::getInstance()->addSearchPath(std::string(TALLOWIND_SOURCE_DIR) + "/assets/");
        map = WorldMap::getInstance();
        map->clear();
        map->update(0.0f);
        map->init(30, 40);
        ground.files = {"Tile_Asphalt.png"};
        for (int y = 0; y < map->height; ++y)
            for (int x = 0; x < map->width; ++x)
                map->getTile(x, y)->floor = &ground;
        map->buildTiles(0.0f, 0.0f, -1.0f, -1.0f);
    }

    void TearDown() override
    {
        map->clear();
        map->update(0.0f);
    }

    WorldMap* map = nullptr;
    TileDef ground;
};

}

TEST_F(TrainTest, KindBHasItsFrontAndFourPiecesACarriage)
{
    std::srand(seedGiving(0));
    Train* train = new Train(180, 3, Vec2::ZERO);
    EXPECT_EQ(pieceIds(*train), (std::vector<int>{83, 86, 84, 85, 84, 86, 84, 85, 84, 86, 84, 85, 84}));
    // 96 + 3 x (16 + 112 + 96 + 112) pixels.
    EXPECT_FLOAT_EQ(train->trainLength, -1104.0f);
    EXPECT_FLOAT_EQ(train->getRotation(), 180.0f);
    EXPECT_EQ(train->getChildrenCount(), 13);
    // Each piece hangs from the bottom of the one before it.
    EXPECT_EQ(train->pieces[0]->getPosition(), Vec2::ZERO);
    EXPECT_EQ(train->pieces[1]->getPosition(), Vec2(0.0f, -96.0f));
    EXPECT_EQ(train->pieces[2]->getPosition(), Vec2(0.0f, -112.0f));
    EXPECT_EQ(train->pieces[0]->mainSprite->getAnchorPoint(), Vec2(0.5f, 1.0f));
    EXPECT_EQ(train->pieces[0]->mainSprite->getParent(), train);
    delete train;
}

TEST_F(TrainTest, KindAHasALinkAndThreeEqualCargoesACarriage)
{
    for (unsigned seed = 1; seed < 40; ++seed)
    {
        std::srand(seed);
        if (std::rand() % 2 != 1)
            continue;
        std::srand(seed);
        Train train(0, 3, Vec2::ZERO);
        const std::vector<int> ids = pieceIds(train);
        ASSERT_EQ(ids.size(), 13u);
        EXPECT_EQ(ids[0], 409);
        for (int carriage = 0; carriage < 3; ++carriage)
        {
            const size_t first = 1 + 4 * static_cast<size_t>(carriage);
            EXPECT_EQ(ids[first], 410);
            EXPECT_GE(ids[first + 1], 411);
            EXPECT_LE(ids[first + 1], 414);
            EXPECT_EQ(ids[first + 2], ids[first + 1]);
            EXPECT_EQ(ids[first + 3], ids[first + 1]);
        }
        // 96 + 3 x (16 + 3 x 80) pixels.
        EXPECT_FLOAT_EQ(train.trainLength, -864.0f);
    }
}

TEST_F(TrainTest, NoCarriagesIsTheFrontAlone)
{
    Train train(0, 0, Vec2::ZERO);
    ASSERT_EQ(train.pieces.size(), 1u);
    EXPECT_TRUE(train.pieces[0]->def->id == 83 || train.pieces[0]->def->id == 409);
    EXPECT_FLOAT_EQ(train.trainLength, -96.0f);
}

TEST_F(TrainTest, ASouthboundTrainLeavesTwiceItsLengthPastTheEnd)
{
    std::srand(seedGiving(0));
    Train train(180, 3, Vec2(64.0f, 0.0f));
    train.setPosition(Vec2(64.0f, 1280.0f));
    // It must cover 1280 + 2 x 1104 = 3488 pixels: 3488 / 512 = 6.8125 s.
    float travelled = 0.0f;
    while (!train.travel(0.0625f))
    {
        travelled += 0.0625f;
        ASSERT_LT(travelled, 10.0f);
    }
    EXPECT_FLOAT_EQ(travelled, 6.75f);
    EXPECT_NEAR(train.getPosition().x, 64.0f, 1e-3f);
    EXPECT_NEAR(train.getPosition().y, 1280.0f - 6.8125f * 512.0f, 1e-2f);
}

TEST_F(TrainTest, ANorthboundTrainLeavesTwiceItsLengthPastTheEnd)
{
    std::srand(seedGiving(0));
    Train train(0, 3, Vec2(0.0f, 1280.0f));
    train.setPosition(Vec2::ZERO);
    float travelled = 0.0f;
    while (!train.travel(0.0625f))
    {
        travelled += 0.0625f;
        ASSERT_LT(travelled, 10.0f);
    }
    EXPECT_FLOAT_EQ(travelled, 6.75f);
    EXPECT_NEAR(train.getPosition().x, 0.0f, 1e-3f);
}

TEST_F(TrainTest, ATrainOfAnyOtherDirectionNeverLeaves)
{
    Train train(90, 1, Vec2::ZERO);
    for (int i = 0; i < 100; ++i)
        ASSERT_FALSE(train.travel(1.0f));
}

TEST_F(TrainTest, TheGamesTrainCrossesTheMapAndIsTakenOffIt)
{
    const size_t childrenBefore = map->worldNode->getChildrenCount();
    Train* train = Train::spawnOnMap(10);
    ASSERT_NE(train, nullptr);
    EXPECT_EQ(train->getParent(), map->worldNode);
    EXPECT_EQ(train->getLocalZOrder(), Train::kZOrder);
    EXPECT_EQ(train->pieces.size(), 13u);
    const bool south = train->trainDirection == 180;
    EXPECT_EQ(train->getPosition(), south ? Vec2(12 * 32, 40 * 32) : Vec2(10 * 32, 0));
    EXPECT_EQ(train->endPoint, south ? Vec2(12 * 32, 0) : Vec2(10 * 32, 40 * 32));
    for (const GameObject* piece : train->pieces)
        EXPECT_FALSE(onAnyMapList(map, piece));

    // Let the map's frames run beside the train's, as in the game.
    int frames = 0;
    while (!Train::advance(train, 1.0f / 60.0f))
    {
        map->update(1.0f / 60.0f);
        ASSERT_LT(++frames, 60 * 20);
    }
    EXPECT_EQ(map->worldNode->getChildrenCount(), childrenBefore);
    for (const auto& bucket : map->objectBuckets)
        ASSERT_TRUE(bucket.empty());
    EXPECT_TRUE(map->activeObjects.empty());
    map->update(1.0f / 60.0f);
}

TEST_F(TrainTest, ATrainFarOffTheMapStillRunsItsCourse)
{
    // Zone settings may name any column; the largest one the reader takes,
    // until trains of both directions have run.
    bool seen[2] = {false, false};
    for (int attempt = 0; attempt < 32 && !(seen[0] && seen[1]); ++attempt)
    {
        Train* train = Train::spawnOnMap(INT_MAX);
        ASSERT_NE(train, nullptr);
        seen[train->trainDirection == 180 ? 1 : 0] = true;
        int frames = 0;
        while (!Train::advance(train, 1.0f / 60.0f))
        {
            map->update(1.0f / 60.0f);
            ASSERT_LT(++frames, 60 * 20);
        }
    }
    EXPECT_TRUE(seen[0] && seen[1]);
    EXPECT_TRUE(map->activeObjects.empty());
}

TEST_F(TrainTest, NoTrainWithoutAWorldNode)
{
    map->clear();
    cocos2d::Node* world = map->worldNode;
    map->worldNode = nullptr;
    EXPECT_EQ(Train::spawnOnMap(3), nullptr);
    map->worldNode = world;
}
