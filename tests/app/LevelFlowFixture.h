#pragma once
// A headless game for the flow tests: a running scene holding a Game layer
// that the driver uses as its game layer, on a 1280 x 720 frame with the
// game's half-size design resolution. Nothing of the driver's one-time set-up
// runs; each test sets the fields it needs, and the fixture puts the shared
// singletons back afterwards.
#include "GameLayerScene.h"
#include "TempFolder.h"
#include "actors/MobManager.h"
#include "actors/Player.h"
#include "app/Game.h"
#include "app/GameCamera.h"
#include "app/GameInterface.h"
#include "app/SoundEngine.h"
#include "cocos2d.h"
#include "support/HeadlessDirectorTest.h"
#include "world/GameData.h"
#include "world/ObjectDef.h"
#include "world/Pather.h"
#include "world/WorldMap.h"
#include "ui/menus/MenuEngine.h"

#include <gtest/gtest.h>

#include <memory>

class LevelFlowFixture : public HeadlessDirectorTest
{
protected:
    LevelFlowFixture() : HeadlessDirectorTest("flow test", cocos2d::Size(1280, 720), cocos2d::Size(640, 360)) {}

    void SetUp() override
    {
        // Runs that end save the game state: never into the tree.
        scopedSaves = std::make_unique<ScopedSavesFolder>(saves.path());
        HeadlessDirectorTest::SetUp();
        layer = addBareGameLayer(scene);
        driver = GameInterface::getInstance();
        resetDriver();
    }

    void TearDown() override
    {
        WorldMap* map = WorldMap::getInstance();
        // A player the run spawned goes as the flow lets players go: the actor
        // manager owns it and takes it out with every other actor.
        MobManager* mobs = MobManager::getInstance();
        if (driver->player && driver->player != &player)
            mobs->setPlayer(driver->player);
        mobs->clear();
        resetDriver();
        // A menu or page that the flow opened goes with the scene.
        MenuEngine::getInstance()->dismiss();
        MenuEngine::getInstance()->removePageNodes();
        map->update(0.0f);
        if (map->worldNode)
            map->worldNode->removeFromParent();
        driver->gameLayer = nullptr;
        GameCamera::getInstance()->setTarget(nullptr);
        SoundEngine::getInstance()->stopAll();
        GameData::getInstance()->currentZone = 0;
        HeadlessDirectorTest::TearDown();
        scopedSaves.reset();
    }

    void resetDriver()
    {
        driver->clearMessages();
        if (driver->tutorialNodes[0])
            driver->closePopups();
        driver->player = nullptr;
        driver->state = GameState::Menu;
        driver->windowMode = 0;
        driver->runOver = false;
        driver->runEndStep = 0;
        driver->restarting = false;
        driver->mode = 0;
        driver->flashOverlay = nullptr;
        driver->logoSprite = nullptr;
        driver->interactWindow = nullptr;
        driver->introStep = 0;
        driver->mainHUD = nullptr;
        driver->copHUD = nullptr;
    }

    // Steps frames of dt until seconds have passed.
    void run(float seconds, float dt = 1.0f / 60.0f)
    {
        for (float t = 0.0f; t < seconds; t += dt)
            director->stepFrame(dt);
    }

    TempFolder saves;
    std::unique_ptr<ScopedSavesFolder> scopedSaves;
    // A player the test keeps itself (never handed to the flow's removals).
    ObjectDef playerDef;
    Player player{&playerDef, false};
    Game* layer = nullptr;
    GameInterface* driver = nullptr;
};
