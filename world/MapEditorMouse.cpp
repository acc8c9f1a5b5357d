// The map editor's mouse and direction keys: a click acts by the current tool
// (or moves the selected object), a drag paints tiles or zones, and the
// direction keys move the selection or scroll the view. Every click and drag
// looks its cell up within the map first.
#include "world/MapEditor.h"

#include "actors/GameObject.h"
#include "actors/police/PoliceManager.h"
#include "app/GameInterface.h"
#include "world/GameData.h"
#include "world/MapMarker.h"
#include "world/MapTile.h"
#include "world/ObjectDef.h"
#include "world/TileDef.h"
#include "world/WorldMap.h"

USING_NS_CC;

namespace {

constexpr float kInvalidCoordinate = -1.0f;

// One step in direction 1 left, 2 right, 3 up, 4 down.
Vec2 stepOf(int direction, float step)
{
    switch (direction)
    {
    case 1:
        return Vec2(-step, 0.0f);
    case 2:
        return Vec2(step, 0.0f);
    case 3:
        return Vec2(0.0f, step);
    case 4:
        return Vec2(0.0f, -step);
    default:
        return Vec2::ZERO;
    }
}

// The cell of a map pixel point, or null off the map. Cells are found by
// truncation, which would take the points just west and south of the map
// into its first column and row: those are refused here.
MapTile* tileAtPoint(Vec2 point)
{
    if (point.x < 0.0f || point.y < 0.0f)
        return nullptr;
    const Vec2 cell = WorldMap::pixelToGrid(point.x, point.y);
    return WorldMap::getInstance()->tileAtCell(cell.x, cell.y);
}

}

MapTile* MapEditor::tileUnder(Vec2 screenPoint) const
{
    return tileAtPoint(WorldMap::getInstance()->screenToWorld(screenPoint));
}

bool MapEditor::objectSpotAt(const ObjectDef* def, Vec2 screenPoint, Vec2& spot) const
{
    const WorldMap* map = WorldMap::getInstance();
    spot = map->screenToWorld(screenPoint);
    const Vec2 cell = WorldMap::pixelToGrid(spot.x, spot.y);
    const MapTile* tile = tileAtPoint(spot);
    // Nothing stands off the map.
    if (!tile)
        return false;
    if (def->locktotile)
        spot = WorldMap::gridToPixel(cell.x, cell.y) + Vec2(16.0f, 16.0f);
    if (WorldMap::cellLevel(tile) > 0 && !def->hasModel)
    {
        GameInterface::getInstance()->queueMessage("Cannot place objects on buildings.", true);
        return false;
    }
    return true;
}

void MapEditor::onMouseClick(Vec2 screenPoint)
{
    if (selectedObject)
    {
        Vec2 spot;
        if (!selectedObject->def || !objectSpotAt(selectedObject->def, screenPoint, spot))
            return;
        selectedObject->setPosition(spot);
        highlightObject(selectedObject);
    }
    else if (!clickWithTool(screenPoint))
    {
        return;
    }
    refreshInfo();
}

bool MapEditor::clickWithTool(Vec2 screenPoint)
{
    WorldMap* map = WorldMap::getInstance();
    GameInterface* game = GameInterface::getInstance();
    MapTile* tile = tileUnder(screenPoint);
    switch (tool)
    {
    case EditorTool::PaintTile:
        if (tileDef && tile)
            paintCell(tile, false);
        break;
    case EditorTool::PlaceObject:
    {
        Vec2 spot;
        if (!objectDef)
            break;
        // A refused spot leaves the panel as it was.
        if (!objectSpotAt(objectDef, screenPoint, spot))
            return false;
        map->placeObject(objectDef, -1, spot, -1.0f);
        break;
    }
    case EditorTool::PlaceMarker:
        if (tile)
            placeMarkerAt(map->screenToWorld(screenPoint));
        break;
    case EditorTool::Select:
    {
        const Vec2 p = map->screenToWorld(screenPoint);
        selectedObject = map->objectAtPoint(p);
        selectedMarker = map->markerAtPoint(p);
        if (selectedObject)
            highlightObject(selectedObject);
        else if (selectedMarker)
            highlightMarker(selectedMarker);
        break;
    }
    case EditorTool::SelectTile:
        selectedObject = nullptr;
        selectedMarker = nullptr;
        if (tile)
        {
            selectedTile = tile;
            highlightTile(tile);
        }
        break;
    case EditorTool::CopyTile:
        if (tile)
        {
            copyTile(static_cast<int>(tile->gridPos.x), static_cast<int>(tile->gridPos.y));
            game->showPopup("Copied.", true);
        }
        break;
    case EditorTool::PasteTile:
        if (tile)
        {
            pasteTile(static_cast<int>(tile->gridPos.x), static_cast<int>(tile->gridPos.y));
            game->showPopup("Pasted.", true);
        }
        break;
    case EditorTool::ReZone:
        if (tile)
            reZoneCell(tile);
        break;
    default:
        break;
    }
    return true;
}

void MapEditor::placeMarkerAt(Vec2 point)
{
    WorldMap* map = WorldMap::getInstance();
    auto* marker = new MapMarker(markerKind, point);
    // Filed in its kind list at once, as the map file reader files it.
    if (markerKind == MapMarkerKind::Spawn)
        map->spawnMarkers.push_back(marker);
    else if (markerKind == MapMarkerKind::Contact)
        map->contactMarkers.push_back(marker);
    else if (markerKind == MapMarkerKind::PlayerSpawn)
        map->playerSpawnMarkers.push_back(marker);
    marker->createSprite();
    // The police checkpoints follow the Checkpoint markers.
    PoliceManager::getInstance()->buildCheckpoints();
    map->allMarkers.push_back(marker);
}

void MapEditor::paintCell(MapTile* tile, bool drag)
{
    WorldMap* map = WorldMap::getInstance();
    const int x = static_cast<int>(tile->gridPos.x);
    const int y = static_cast<int>(tile->gridPos.y);
    const int rotation = brushRotation();
    if (map->viewMode == 1)
    {
        if (drag && tile->overlay && tile->overlay->id == tileDef->id && tile->overlayRotation == rotation)
            return;
        map->setTileOverlayType(x, y, tileDef->id);
        tile->overlayRotation = rotation;
        rebuildCell(tile);
        map->refreshView();
        return;
    }
    if (drag && tile->floor && tile->floor->id == tileDef->id && tile->rotation == rotation)
        return;
    map->setTileFloorType(x, y, tileDef->id);
    tile->rotation = rotation;
    tile->textureIndex = drag ? 0 : textureIndex;
    rebuildCell(tile);
    if (drag)
        map->refreshView();
}

void MapEditor::reZoneCell(MapTile* tile)
{
    tile->zone = clipboard.zone;
    rebuildCell(tile);
    WorldMap::getInstance()->refreshView();
}

void MapEditor::rebuildCell(const MapTile* tile)
{
    WorldMap::getInstance()->buildTiles(tile->gridPos.x, tile->gridPos.y, 1.0f, 1.0f);
}

void MapEditor::onMouseMove(Vec2 screenPoint)
{
    if (tool == EditorTool::ReZone)
    {
        if (MapTile* tile = tileUnder(screenPoint))
            reZoneCell(tile);
        refreshInfo();
        return;
    }
    if (tool == EditorTool::PaintTile && tileDef)
    {
        if (MapTile* tile = tileUnder(screenPoint))
            paintCell(tile, true);
    }
}

void MapEditor::onDirectionKey(int direction)
{
    if (selectedObject)
    {
        moveObject(direction);
        refreshInfo();
    }
    else if (selectedMarker)
    {
        moveMarker(direction);
        refreshInfo();
    }
    else
    {
        scrollView(direction);
    }
}

void MapEditor::moveObject(int direction)
{
    if (!selectedObject || !selectedObject->def)
        return;
    const ObjectDef* def = selectedObject->def;
    const Vec2 target = selectedObject->getPosition() + stepOf(direction, def->locktotile ? 32.0f : 1.0f);
    const MapTile* tile = tileAtPoint(target);
    const bool invalid = target.x == kInvalidCoordinate || target.y == kInvalidCoordinate || !tile ||
                         (WorldMap::cellLevel(tile) >= 1 && !def->hasModel);
    if (invalid)
    {
        GameInterface::getInstance()->queueMessage("Cannot move to invalid position.", true);
        return;
    }
    selectedObject->setPosition(target);
    if (highlight)
    {
        highlight->stopAllActions();
        highlight->setPosition(selectedObject->getScreenPosition() + Vec2(-1.0f, 1.0f));
    }
}

void MapEditor::moveMarker(int direction)
{
    if (!selectedMarker)
        return;
    const Vec2 target = selectedMarker->position + stepOf(direction, 1.0f);
    selectedMarker->setPosition(target.x, target.y);
    if (highlight)
    {
        highlight->stopAllActions();
        highlight->setPosition(selectedMarker->getWorldPosition());
    }
}

void MapEditor::scrollView(int direction)
{
    WorldMap* map = WorldMap::getInstance();
    map->setCameraCentre(map->cameraPoint + stepOf(direction, 1.0f));
}
