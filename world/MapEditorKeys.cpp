// The map editor's keys: every key released in the Edit state comes here.
#include "world/MapEditor.h"

#include "app/GameInterface.h"
#include "app/GameState.h"
#include "world/GameData.h"
#include "world/WorldMap.h"

#include <functional>
#include <unordered_map>

namespace {

constexpr int kMostZoomIndex = 5;

using KC = cocos2d::EventKeyboard::KeyCode;
constexpr int key(KC code)
{
    return static_cast<int>(code);
}

static_assert(key(KC::KEY_F5) == 48 && key(KC::KEY_F10) == 53 && key(KC::KEY_BACK_SLASH) == 117,
              "the editor's keys are numbered as the engine's 3.1 key codes");

}

bool MapEditor::zoomBy(int step)
{
    WorldMap* map = WorldMap::getInstance();
    const int index = map->zoomIndex + step;
    if (index < 0 || index > kMostZoomIndex)
        return false;
    map->setZoom(index);
    return true;
}

void MapEditor::cycleViewMode()
{
    WorldMap* map = WorldMap::getInstance();
    const char* message = "Normal Mode";
    if (map->viewMode == 0)
    {
        map->viewMode = 1;
        message = "Interior Mode";
    }
    else if (map->viewMode == 1)
    {
        map->viewMode = 2;
        message = "Zone Mode";
    }
    else
    {
        map->viewMode = 0;
    }
    GameInterface::getInstance()->queueMessage(message, true);
    map->refreshView();
}

void MapEditor::nextZone()
{
    GameData* data = GameData::getInstance();
    data->currentZone = (data->currentZone + 1) % GameData::kZoneCount;
    // The selection belongs to the map about to go. The load itself brings
    // the editor back over the new map (onLevelLoaded).
    clearSelection();
    GameInterface::getInstance()->loadLevel();
}

void MapEditor::onKeyReleased(int keyCode)
{
    using Action = std::function<void(MapEditor*)>;
    static const std::unordered_map<int, Action> kKeys = {
        {key(KC::KEY_ESCAPE), [](MapEditor* e) {
             if (!e->selectedObject)
                 return;
             e->selectedObject = nullptr;
             e->setTool(EditorTool::Select);
             e->refreshInfo();
         }},
        {key(KC::KEY_BACKSPACE), [](MapEditor* e) { e->deleteSelection(); }},
        {key(KC::KEY_TAB), [](MapEditor* e) { e->setTool(-1); }},
        {key(KC::KEY_DELETE), [](MapEditor* e) { e->deleteSelection(); }},
        {key(KC::KEY_LEFT_ARROW), [](MapEditor* e) { e->stepTileSelection(-1, 0); }},
        {key(KC::KEY_RIGHT_ARROW), [](MapEditor* e) { e->stepTileSelection(1, 0); }},
        {key(KC::KEY_UP_ARROW), [](MapEditor* e) { e->stepTileSelection(0, 1); }},
        {key(KC::KEY_DOWN_ARROW), [](MapEditor* e) { e->stepTileSelection(0, -1); }},
        {key(KC::KEY_KP_PLUS), [](MapEditor* e) { e->changeLevelFilter(1); }},
        {key(KC::KEY_KP_MINUS), [](MapEditor* e) { e->changeLevelFilter(-1); }},
        {key(KC::KEY_PG_UP), [](MapEditor* e) { e->zoomBy(1); }},
        {key(KC::KEY_PG_DOWN), [](MapEditor* e) { e->zoomBy(-1); }},
        {key(KC::KEY_F5), [](MapEditor* e) { e->saveMap(); }},
        {key(KC::KEY_F10), [](MapEditor* e) { e->nextZone(); }},
        {key(KC::KEY_SPACE), [](MapEditor* e) { e->setTool(EditorTool::Select); }},
        {key(KC::KEY_COMMA), [](MapEditor* e) { e->changeSpawnChance(-5); }},
        {key(KC::KEY_PERIOD), [](MapEditor* e) { e->changeSpawnChance(5); }},
        {key(KC::KEY_0), [](MapEditor* e) { e->changeZone(1); }},
        {key(KC::KEY_1), [](MapEditor* e) { e->stepTileDef(-1); e->setTool(EditorTool::PaintTile); }},
        {key(KC::KEY_2), [](MapEditor* e) { e->stepTileDef(1); e->setTool(EditorTool::PaintTile); }},
        {key(KC::KEY_3), [](MapEditor* e) { e->stepObjectDef(-1); e->setTool(EditorTool::PlaceObject); }},
        {key(KC::KEY_4), [](MapEditor* e) { e->stepObjectDef(1); e->setTool(EditorTool::PlaceObject); }},
        {key(KC::KEY_5), [](MapEditor* e) { e->changeMarkerKind(-1); e->setTool(EditorTool::PlaceMarker); }},
        {key(KC::KEY_6), [](MapEditor* e) { e->changeMarkerKind(1); e->setTool(EditorTool::PlaceMarker); }},
        {key(KC::KEY_7), [](MapEditor* e) { e->cycleSideTexture(); }},
        {key(KC::KEY_8), [](MapEditor* e) { e->setTool(EditorTool::ReZone); }},
        {key(KC::KEY_9), [](MapEditor* e) { e->changeZone(-1); }},
        {key(KC::KEY_BACK_SLASH), [](MapEditor* e) { e->toggleNpcAvoid(); }},
        {key(KC::KEY_B), [](MapEditor* e) { e->changeBuildingId(-1); }},
        {key(KC::KEY_C), [](MapEditor* e) { e->setTool(EditorTool::CopyTile); }},
        {key(KC::KEY_F), [](MapEditor* e) { e->pasteTextureIndex(); }},
        {key(KC::KEY_I), [](MapEditor* e) { e->cycleViewMode(); }},
        {key(KC::KEY_K), [](MapEditor* e) { e->clearOverlay(); }},
        {key(KC::KEY_L), [](MapEditor* e) { e->changeLevel(-1); }},
        {key(KC::KEY_M), [](MapEditor*) { GameInterface::getInstance()->setState(GameState::Playing); }},
        {key(KC::KEY_N), [](MapEditor* e) { e->changeBuildingId(1); }},
        {key(KC::KEY_O), [](MapEditor* e) { e->changeLevel(1); }},
        {key(KC::KEY_P), [](MapEditor* e) { e->toggleBlocked(); }},
        {key(KC::KEY_Q), [](MapEditor* e) { e->rotateBrush(); }},
        {key(KC::KEY_T), [](MapEditor* e) { e->setTool(EditorTool::SelectTile); }},
        {key(KC::KEY_U), [](MapEditor* e) { e->changeTexture(1); }},
        {key(KC::KEY_V), [](MapEditor* e) { e->setTool(EditorTool::PasteTile); }},
        {key(KC::KEY_X), [](MapEditor* e) { e->rotateObject(9.0f); }},
        {key(KC::KEY_Y), [](MapEditor* e) { e->changeTexture(-1); }},
        {key(KC::KEY_Z), [](MapEditor* e) { e->rotateObject(-9.0f); }},
    };
    const auto found = kKeys.find(keyCode);
    if (found != kKeys.end())
        found->second(this);
}
