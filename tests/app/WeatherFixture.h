#pragma once
// A headless game for the weather: a running scene whose layer is the game
// layer, a small map of level-0 ground with its world node in that layer, the
// camera on the map's centre and the weather reset to a quiet sky (no drops,
// no strike due) before each test.
#include "GameLayerScene.h"
#include "app/Game.h"
#include "app/GameCamera.h"
#include "app/GameInterface.h"
#include "app/RainDrop.h"
#include "app/SoundEngine.h"
#include "app/WeatherEngine.h"
#include "cocos2d.h"
#include "support/HeadlessDirectorTest.h"
#include "world/MapTile.h"
#include "world/TileDef.h"
#include "world/WorldMap.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

class WeatherFixture : public HeadlessDirectorTest
{
protected:
    static constexpr int kMapSize = 20;

    WeatherFixture() : HeadlessDirectorTest("weather test", cocos2d::Size(1280, 720), cocos2d::Size(640, 360)) {}

    void SetUp() override
    {
        HeadlessDirectorTest::SetUp();
        cocos2d::FileUtils::getInstance()->addSearchPath(std::string(TALLOWIND_SOURCE_DIR) + "/assets/");
        layer = addBareGameLayer(scene);
        driver = GameInterface::getInstance();

        ground.id = 0;
        ground.files = {"Tile_Asphalt.png"};
        map = WorldMap::getInstance();
        map->clear();
        map->update(0.0f);
        map->init(kMapSize, kMapSize);
        for (int y = 0; y < kMapSize; ++y)
            for (int x = 0; x < kMapSize; ++x)
                map->getTile(x, y)->floor = &ground;
        map->buildTiles(0.0f, 0.0f, -1.0f, -1.0f);
        layer->addChild(map->worldNode);
        GameCamera::getInstance()->position = cocos2d::Vec2(kMapSize * 16.0f, kMapSize * 16.0f);

        weather = WeatherEngine::getInstance();
        weather->clearRain();
        weather->parent = layer;
        weather->flashHold = WeatherEngine::kNoHold;
        weather->intensity = 2;
        weather->strikeDelay = 1000.0f;
        weather->flashLayer->stopAllActions();
        weather->flashLayer->setOpacity(0);
    }

    void TearDown() override
    {
        weather->clearRain();
        weather->parent = nullptr;
        weather->flashLayer->stopAllActions();
        SoundEngine::getInstance()->stopAll();
        driver->gameLayer = nullptr;
        map->clear();
        map->update(0.0f);
        if (map->worldNode)
            map->worldNode->removeFromParent();
        HeadlessDirectorTest::TearDown();
    }

    // A drop of its own at the map pixel point, with no new drops made beside it.
    RainDrop* onlyDrop(cocos2d::Vec2 point)
    {
        auto* drop = new RainDrop(point);
        weather->drops.push_back(drop);
        weather->dropCount = WeatherEngine::kLevels[2].mostDrops;
        return drop;
    }

    Game* layer = nullptr;
    GameInterface* driver = nullptr;
    WorldMap* map = nullptr;
    WeatherEngine* weather = nullptr;
    TileDef ground;
};
