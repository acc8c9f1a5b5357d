#pragma once
// A small city with a headless Director for the walking, flying and bullet
// tests: every cell on plain level-0 ground (WorldMapFixture), the world node
// in a running scene, and the images of the game's assets at hand so that
// objects of real definitions get their sprites.
#include "../app/TempFolder.h"
#include "../world/WorldMapFixture.h"
#include "actors/MobManager.h"
#include "app/SoundEngine.h"
#include "cocos2d.h"
#include <memory>
#include "world/GameData.h"
#include "world/MapFile.h"
#include "world/Pather.h"

class GameMobFixture : public WorldMapFixture
{
protected:
    void SetUp() override
    {
        // Statistics and achievements the actors count are saved: never into the tree.
        scratchSaves = std::make_unique<ScopedSavesFolder>(scratchSavesFolder.path());
        director = cocos2d::Director::getInstance();
        view = cocos2d::GLView::createHeadless("actors test", cocos2d::Size(1280, 720));
        view->retain();
        director->setOpenGLView(view);
        view->setDesignResolutionSize(640, 360, ResolutionPolicy::FIXED_HEIGHT);
        scene = cocos2d::Scene::create();
        director->runWithScene(scene);
        director->stepFrame(0.0f);
        cocos2d::FileUtils::getInstance()->addSearchPath(std::string(TALLOWIND_SOURCE_DIR) + "/assets/");
        WorldMapFixture::SetUp();
        map->buildTiles(0, 0, -1, -1);
        if (!map->worldNode->getParent())
            scene->addChild(map->worldNode);
        // Sounds are positional: give the listener a place so that plays are kept.
        SoundEngine::getInstance()->listener = cocos2d::Vec2(320, 320);
    }

    // Replaces the small city by a real zone of assets/: its map, sprites and
    // a fresh path finder. Check with ASSERT_NO_FATAL_FAILURE.
    void loadRealZone(int zone)
    {
        GameData* data = GameData::getInstance();
        data->currentZone = zone;
        map->clear();
        map->update(0.0f);
        ASSERT_TRUE(readMapFile(data->getLevelMapPath()));
        map->buildTiles(0.0f, 0.0f, -1.0f, -1.0f);
        map->addAllObjectSprites();
        if (!map->worldNode->getParent())
            scene->addChild(map->worldNode);
        Pather::destroyInstance();
    }

    void TearDown() override
    {
        MobManager::getInstance()->clear();
        SoundEngine::getInstance()->stopAll();
        WorldMapFixture::TearDown();
        map->worldNode->removeFromParent();
        director->end();
        director->stepFrame(0.0f);
        view->release();
        scratchSaves.reset();
    }

    // A round walking definition of the given radius, not in GameData.
    ObjectDef* mobDef(float radius = 8.0f) { return makeObjectDef(true, 0, radius); }

    // Placed objects of a definition id lying on the map.
    int countPlaced(int definitionId) const
    {
        int count = 0;
        for (const GameObject* object : map->passableObjects)
            count += object->def && object->def->id == definitionId;
        for (const GameObject* object : map->solidObjects)
            count += object->def && object->def->id == definitionId;
        return count;
    }

    static cocos2d::Vec2 centreOf(int x, int y) { return cocos2d::Vec2(x * 32 + 16.0f, y * 32 + 16.0f); }

    cocos2d::Director* director = nullptr;
    cocos2d::GLView* view = nullptr;
    cocos2d::Scene* scene = nullptr;

private:
    TempFolder scratchSavesFolder;
    std::unique_ptr<ScopedSavesFolder> scratchSaves;
};
