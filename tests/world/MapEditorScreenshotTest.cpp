// The editor over the first zone, drawn in a real window under Xvfb: its
// panel with the brushes, the tool labels and the info text of a cell.
#include "app/GameLayerScene.h"
#include "support/OwnProcess.h"
#include "app/Game.h"
#include "app/GameInterface.h"
#include "app/GameState.h"
#include "cocos2d.h"
#include "support/ScratchFolder.h"
#include "support/XvfbServer.h"
#include "ui/InterfaceManager.h"
#include "ui/UIElement.h"
#include "ui/UIText.h"
#include "world/GameData.h"
#include "world/MapEditor.h"
#include "world/WorldMap.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

USING_NS_CC;

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 360;

// Enters the editor over the first zone, selects the cell under the camera
// and captures the screen; the empty answer when all went well.
std::string shootEditor()
{
    XvfbServer xvfb;
    if (!xvfb.start(1024, 768))
        return xvfb.error();
    Game* layer = nullptr;
    const ::testing::AssertionResult opened = openGameWindow(kWidth, kHeight, layer);
    if (!opened)
        return opened.message();
    Director* director = Director::getInstance();
    GameInterface* driver = GameInterface::getInstance();
    InterfaceManager::getInstance()->hostNode = layer;
    InterfaceManager::getInstance()->screenSize = &driver->visibleSize;
    GameData::getInstance()->currentZone = 0;
    driver->loadLevel();

    MapEditor* editor = MapEditor::getInstance();
    driver->state = GameState::Edit;
    InterfaceManager::getInstance()->setMode(GameState::Edit);
    editor->onLevelLoaded();
    editor->selectTileDef(3);
    editor->stepObjectDef(1);
    editor->setTool(EditorTool::SelectTile);
    WorldMap* map = WorldMap::getInstance();
    const Vec2 cell = map->pixelToGrid(map->cameraPoint.x, map->cameraPoint.y);
    editor->onMouseClick(director->convertToUI(map->gridToScreen(cell) + Vec2(16.0f, 16.0f)));
    for (int i = 0; i < 60; ++i)
        director->stepFrame(1.0f / 60.0f);
    if (editor->panel->getPosition() != editor->panel->shownPosition)
        return "the panel is not in its place";
    if (!editor->infoText || editor->infoText->text.rfind("Tile: ", 0) != 0)
        return "the panel does not describe the cell";

    ScratchFolder folder("tallowind-editor-shot");
    Image image;
    const ::testing::AssertionResult shot = captureWindow(folder.file("editor.png"), "editor.png", image);
    if (!shot)
        return shot.message();
    return std::string();
}

}

TEST(MapEditorScreenshot, ThePanelDescribesTheSelectedCell)
{
    expectPassesInOwnProcess(&shootEditor);
}
