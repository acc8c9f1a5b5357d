// The weather over a small headless map: drops fall, land and splash, the
// lightning countdown, the flash-bang hold, thunder, and clearing the rain.
#include "WeatherFixture.h"

#include "actors/GameObject.h"
#include "app/SoundInstance.h"
#include "world/ObjectDef.h"

#include <algorithm>
#include <cstdlib>

using cocos2d::Vec2;

namespace {

constexpr float kFrame = 0.016f;

bool hasRunningActions(cocos2d::Node* node)
{
    return node->getNumberOfRunningActions() > 0;
}

}

TEST_F(WeatherFixture, LayersAreTheDarkTintAndAClearFlash)
{
    EXPECT_EQ(weather->darkLayer->getColor(), cocos2d::Color3B(0, 0, 20));
    EXPECT_EQ(weather->darkLayer->getOpacity(), 64);
    EXPECT_EQ(weather->flashLayer->getColor(), cocos2d::Color3B(255, 255, 255));
    EXPECT_EQ(weather->flashLayer->getOpacity(), 0);
}

TEST_F(WeatherFixture, NothingHappensWithoutTheGameLayer)
{
    weather->parent = nullptr;
    weather->strikeDelay = 0.01f;
    weather->update(1.0f);
    EXPECT_EQ(weather->dropCount, 0);
    EXPECT_FLOAT_EQ(weather->strikeDelay, 0.01f);
}

TEST_F(WeatherFixture, RainFillsInOneDropAFrameUpToTheLevelsMost)
{
    for (int frame = 1; frame <= 100; ++frame)
    {
        weather->update(kFrame);
        ASSERT_EQ(weather->dropCount, frame);
    }
    weather->update(kFrame);
    EXPECT_EQ(weather->dropCount, 100);
    EXPECT_EQ(weather->drops.size(), 100u);
    for (RainDrop* drop : weather->drops)
        ASSERT_EQ(drop->node->getParent(), map->worldNode);

    weather->clearRain();
    EXPECT_TRUE(weather->drops.empty());
    EXPECT_EQ(weather->dropCount, 0);
    for (int frame = 1; frame <= 100; ++frame)
    {
        weather->update(kFrame);
        ASSERT_EQ(weather->dropCount, frame);
    }
}

TEST_F(WeatherFixture, TheFirstDropIsAFallingMeshAtTheRainHeight)
{
    weather->update(kFrame);
    ASSERT_EQ(weather->drops.size(), 1u);
    cocos2d::Sprite3D* node = weather->drops[0]->node;
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(node->getLocalZOrder(), 800);
    EXPECT_EQ(node->getColor(), cocos2d::Color3B(167, 209, 235));
    EXPECT_EQ(node->getOpacity(), 64);
    EXPECT_FLOAT_EQ(node->getScaleZ(), 2.0f);
    // Made and moved in the same frame.
    EXPECT_FLOAT_EQ(node->getPositionZ(), 192.0f - kFrame * 256.0f);
}

TEST_F(WeatherFixture, ADropOverGroundLandsAfter47FramesAndSplashes)
{
    RainDrop* drop = onlyDrop(Vec2(100.0f, 100.0f));
    const size_t objectsBefore = map->passableObjects.size();
    for (int frame = 1; frame < 47; ++frame)
    {
        weather->update(kFrame);
        ASSERT_LT(drop->node->getPositionZ(), 192.0f) << frame;
    }
    weather->update(kFrame);
    EXPECT_FLOAT_EQ(drop->node->getPositionZ(), 192.0f);
    ASSERT_EQ(map->passableObjects.size(), objectsBefore + 1);
    const GameObject* splash = map->passableObjects.back();
    EXPECT_EQ(splash->def->id, WeatherEngine::kSplashDef);
    EXPECT_EQ(splash->getPosition(), Vec2(100.0f, 100.0f));
    ASSERT_NE(splash->mainSprite, nullptr);
    EXPECT_GE(splash->mainSprite->getScale(), 0.41f - 1e-4f);
    EXPECT_LE(splash->mainSprite->getScale(), 0.60f + 1e-4f);
}

TEST_F(WeatherFixture, DropsLandOnRoofsAtTheRoofsHeightInPixels)
{
    TileDef roof;
    roof.id = 1;
    roof.height = 3;
    MapTile* tile = map->getTile(3, 3);
    tile->overlay = &roof;
    // A level-3 roof is 48 pixels up: 192 - 48 = 144 pixels of fall, 36 frames.
    RainDrop* drop = onlyDrop(Vec2(3 * 32 + 16, 3 * 32 + 16));
    EXPECT_EQ(drop->groundHeight, 3);
    for (int frame = 1; frame < 36; ++frame)
        weather->update(kFrame);
    EXPECT_LT(drop->node->getPositionZ(), 192.0f);
    weather->update(kFrame);
    EXPECT_FLOAT_EQ(drop->node->getPositionZ(), 192.0f);
    tile->overlay = nullptr;
}

TEST_F(WeatherFixture, ARelocatedDropTakesTheGroundOfItsNewCell)
{
    map->getTile(5, 5)->level = 6;
    RainDrop drop(Vec2(16.0f, 16.0f));
    EXPECT_EQ(drop.groundHeight, 0);
    drop.placeAt(Vec2(5 * 32 + 1, 5 * 32 + 1));
    EXPECT_EQ(drop.cell, Vec2(5, 5));
    EXPECT_EQ(drop.groundHeight, 6);
    EXPECT_FLOAT_EQ(drop.landingZ(), 96.0f);
    EXPECT_FLOAT_EQ(drop.node->getPositionZ(), 192.0f);
    drop.placeAt(Vec2(-100.0f, 50.0f));
    EXPECT_EQ(drop.groundHeight, 0);
}

TEST_F(WeatherFixture, LightningStrikesWhenTheCountdownRunsOut)
{
    weather->dropCount = 100;  // no rain in the way
    weather->strikeDelay = 0.5f;
    const size_t soundsBefore = SoundEngine::getInstance()->activeCount();
    weather->update(0.25f);
    EXPECT_FALSE(hasRunningActions(weather->flashLayer));
    weather->update(0.25f);
    EXPECT_TRUE(hasRunningActions(weather->flashLayer));
    EXPECT_EQ(SoundEngine::getInstance()->activeCount(), soundsBefore + 1);
    EXPECT_TRUE(hasRunningActions(layer));  // the screen shakes
    EXPECT_GE(weather->strikeDelay, 2.0f);
    EXPECT_LE(weather->strikeDelay, 40.0f);
}

TEST_F(WeatherFixture, NoLightningBelowTheStormyLevel)
{
    weather->intensity = 1;
    weather->dropCount = 100;
    weather->strikeDelay = 0.1f;
    weather->update(0.2f);
    EXPECT_FALSE(hasRunningActions(weather->flashLayer));
    EXPECT_GE(weather->strikeDelay, 2.0f);
}

TEST_F(WeatherFixture, TheLongThunderShakesThreeTimes)
{
    SoundEngine* sound = SoundEngine::getInstance();
    sound->stopAll();
    sound->update();
    weather->lightning(3);
    ASSERT_EQ(sound->activeCount(), 1u);
    bool longRoll = false;
    for (int handle = 0; handle < 10000 && !longRoll; ++handle)
        if (const SoundInstance* s = sound->find(handle))
            longRoll = s->path.find("thunder_long.wav") != std::string::npos;
    EXPECT_TRUE(longRoll);
    // Three rounds of five steps of 0.075 s: the layer is still shaking at 1 s.
    for (int i = 0; i < 60; ++i)
        director->stepFrame(1.0f / 60.0f);
    EXPECT_TRUE(hasRunningActions(layer));
    for (int i = 0; i < 10; ++i)
        director->stepFrame(1.0f / 60.0f);
    EXPECT_FALSE(hasRunningActions(layer));
    // The flash went up to 64 and back to nothing.
    EXPECT_EQ(weather->flashLayer->getOpacity(), 0);
}

TEST_F(WeatherFixture, AFlashBangHoldsTheLightningFor5Point1Seconds)
{
    weather->dropCount = 100;
    weather->strikeDelay = 3.0f;
    weather->flash();
    EXPECT_FLOAT_EQ(weather->flashHold, 5.1f);
    EXPECT_TRUE(hasRunningActions(weather->flashLayer));
    for (int second = 1; second <= 5; ++second)
    {
        weather->update(1.0f);
        ASSERT_FLOAT_EQ(weather->strikeDelay, 3.0f) << second;
    }
    EXPECT_NEAR(weather->flashHold, 0.1f, 1e-4f);
    weather->update(1.0f);
    EXPECT_EQ(weather->flashHold, WeatherEngine::kNoHold);
    EXPECT_FLOAT_EQ(weather->strikeDelay, 2.0f);
}

TEST_F(WeatherFixture, HiddenRainStaysHiddenUntilShown)
{
    for (int frame = 0; frame < 5; ++frame)
        weather->update(kFrame);
    weather->hideRain();
    EXPECT_TRUE(std::none_of(weather->drops.begin(), weather->drops.end(),
                             [](RainDrop* d) { return d->node->isVisible(); }));
    weather->showRain();
    EXPECT_TRUE(std::all_of(weather->drops.begin(), weather->drops.end(),
                            [](RainDrop* d) { return d->node->isVisible(); }));
}

TEST_F(WeatherFixture, ClearedRainLeavesTheWorldNode)
{
    for (int frame = 0; frame < 3; ++frame)
        weather->update(kFrame);
    cocos2d::Node* node = weather->drops[0]->node;
    node->retain();
    weather->clearRain();
    EXPECT_EQ(node->getParent(), nullptr);
    node->release();
}

TEST_F(WeatherFixture, RainSurvivesAMapClearedUnderIt)
{
    for (int frame = 0; frame < 3; ++frame)
        weather->update(kFrame);
    map->clear();
    map->init(kMapSize, kMapSize);
    map->buildTiles(0.0f, 0.0f, -1.0f, -1.0f);
    for (int frame = 0; frame < 60; ++frame)
        weather->update(kFrame);
    for (RainDrop* drop : weather->drops)
        EXPECT_EQ(drop->node->getParent(), map->worldNode);
}
