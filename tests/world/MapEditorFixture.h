#pragma once
// A headless game in the Edit state for the map editor: a running scene whose
// layer is the game layer, a small map of the game's own tile and object
// types with its world node in that layer, and the editor put back to its
// start state (no tool, nothing selected, an empty clipboard) before each test.
#include "actors/GameObject.h"
#include "app/Game.h"
#include "app/GameLayerScene.h"
#include "app/GameInterface.h"
#include "app/GameState.h"
#include "app/Message.h"
#include "app/SoundEngine.h"
#include "cocos2d.h"
#include "support/HeadlessDirectorTest.h"
#include "ui/UIElement.h"
#include "ui/UIText.h"
#include "world/GameData.h"
#include "world/MapEditor.h"
#include "world/MapMarker.h"
#include "world/MapTile.h"
#include "world/ObjectDef.h"
#include "world/TileDef.h"
#include "world/WorldMap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

class MapEditorFixture : public HeadlessDirectorTest
{
protected:
    static constexpr int kWidth = 10;
    static constexpr int kHeight = 8;
    // Tile types of the game's tiles.txt.
    static constexpr int kAsphalt = 0;
    static constexpr int kPavement = 3;
    static constexpr int kRoof = 12;
    static constexpr int kBuildingLow = 24;
    // Object types of objects.txt: a vending machine (locked to the cell
    // centre, turned by quarters) and a pool of blood.
    static constexpr int kVending = 500;
    static constexpr int kBlood = 1002;

    MapEditorFixture() : HeadlessDirectorTest("editor test", cocos2d::Size(1280, 720), cocos2d::Size(640, 360)) {}

    void SetUp() override
    {
        HeadlessDirectorTest::SetUp();
        cocos2d::FileUtils::getInstance()->addSearchPath(std::string(TALLOWIND_SOURCE_DIR) + "/assets/");
        layer = addBareGameLayer(scene);

        data = GameData::getInstance();
        driver = GameInterface::getInstance();
        driver->state = GameState::Edit;
        driver->clearMessages();

        map = WorldMap::getInstance();
        map->clear();
        map->update(0.0f);
        map->init(kWidth, kHeight);
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                map->setTileFloorType(x, y, kAsphalt);
        map->viewMode = 0;
        map->zoomIndex = 0;
        map->levelFilter = -2;
        map->buildTiles(0.0f, 0.0f, -1.0f, -1.0f);
        layer->addChild(map->worldNode);
        map->cameraPoint = cocos2d::Vec2(-1.0f, -1.0f);
        map->setCameraCentre(cocos2d::Vec2(kWidth * 16.0f, kHeight * 16.0f));

        editor = MapEditor::getInstance();
        editor->selectedObject = nullptr;
        editor->selectedMarker = nullptr;
        editor->selectedTile = nullptr;
        editor->tool = EditorTool::None;
        editor->clipboard = TileClipboard();
        editor->textureIndex = 0;
        editor->markerKind = MapMarkerKind::Spawn;
        editor->onLevelLoaded();
    }

    void TearDown() override
    {
        editor->selectedObject = nullptr;
        editor->selectedMarker = nullptr;
        editor->selectedTile = nullptr;
        driver->clearMessages();
        driver->state = GameState::Menu;
        driver->gameLayer = nullptr;
        SoundEngine::getInstance()->stopAll();
        data->currentZone = 0;
        map->clear();
        map->update(0.0f);
        map->viewMode = 0;
        map->zoomIndex = 0;
        map->levelFilter = -2;
        if (map->worldNode)
            map->worldNode->removeFromParent();
        HeadlessDirectorTest::TearDown();
    }

    // The window point (y down) over a map pixel point.
    cocos2d::Vec2 screenOf(cocos2d::Vec2 pixel) const
    {
        return director->convertToUI(map->worldNode->getPosition() + pixel * map->zoomScale());
    }

    cocos2d::Vec2 screenOfCell(int x, int y) const
    {
        return screenOf(cocos2d::Vec2(x * 32.0f + 16.0f, y * 32.0f + 16.0f));
    }

    void clickCell(int x, int y) { editor->onMouseClick(screenOfCell(x, y)); }

    // The text now on screen or waiting to be, last first.
    bool saidOnScreen(const std::string& text) const
    {
        for (const Message& m : driver->messages)
            if (m.text == text)
                return true;
        return driver->popupText && driver->popupText->text == text;
    }

    void runFor(float seconds)
    {
        for (float t = 0.0f; t < seconds; t += 1.0f / 60.0f)
            director->stepFrame(1.0f / 60.0f);
    }

    static bool holds(const std::vector<MapMarker*>& list, const MapMarker* marker)
    {
        return std::find(list.begin(), list.end(), marker) != list.end();
    }

    static bool holds(const std::vector<GameObject*>& list, const GameObject* object)
    {
        return std::find(list.begin(), list.end(), object) != list.end();
    }

    std::string info() const { return editor->infoText ? editor->infoText->text : std::string(); }

    Game* layer = nullptr;
    GameData* data = nullptr;
    GameInterface* driver = nullptr;
    WorldMap* map = nullptr;
    MapEditor* editor = nullptr;
};
