// The map editor's edits of the selection: deleting, stepping the selected
// cell, the cell, marker and object attributes, and copying and pasting cells.
#include "world/MapEditor.h"

#include "actors/GameObject.h"
#include "actors/police/PoliceManager.h"
#include "app/GameState.h"
#include "world/GameData.h"
#include "world/MapMarker.h"
#include "world/MapTile.h"
#include "world/ObjectDef.h"
#include "world/TileDef.h"
#include "world/WorldMap.h"

#include <algorithm>
#include <vector>

USING_NS_CC;

namespace {

constexpr int kMostTextures = TileDef::kMaxFiles;
constexpr int kSideTextures = 3;
constexpr int kLowestLevel = -1;
constexpr int kHighestLevel = 10;
constexpr int kHighestObjectLevel = 1;
constexpr int kLowestLevelFilter = -2;

void eraseAll(std::vector<MapMarker*>& list, const MapMarker* marker)
{
    list.erase(std::remove(list.begin(), list.end(), marker), list.end());
}

// A texture index stepped within a tile type's textures: past the last slot
// or onto an empty name back to the first, below the first to the last.
int steppedTexture(const TileDef* def, int index, int step)
{
    index += step;
    if (index >= kMostTextures)
        index = 0;
    if (index < 0)
        index = def->fileCount - 1;
    if (index < 0 || def->file(index).empty())
        index = 0;
    return index;
}

}

void MapEditor::deleteSelection()
{
    if (selectedObject)
    {
        WorldMap::getInstance()->removeObject(selectedObject, true);
        WorldMap::getInstance()->queueForDeletion(selectedObject);
        selectedObject = nullptr;
        tool = EditorTool::None;
        setTool(-1);
        return;
    }
    if (selectedMarker)
    {
        deleteMarker(selectedMarker);
        selectedMarker = nullptr;
    }
    setTool(-1);
}

void MapEditor::deleteMarker(MapMarker* marker)
{
    if (marker->sprite)
    {
        marker->sprite->removeFromParentAndCleanup(true);
        marker->sprite = nullptr;
    }
    WorldMap* map = WorldMap::getInstance();
    // Off every list that holds it: nothing is left pointing at it.
    eraseAll(map->allMarkers, marker);
    eraseAll(map->spawnMarkers, marker);
    eraseAll(map->contactMarkers, marker);
    eraseAll(map->playerSpawnMarkers, marker);
    // The police checkpoints follow the Checkpoint markers.
    PoliceManager::getInstance()->buildCheckpoints();
    delete marker;
}

void MapEditor::stepTileSelection(int dx, int dy)
{
    if (selectedTile && tool == EditorTool::SelectTile)
    {
        const Vec2 cell = selectedTile->gridPos + Vec2(static_cast<float>(dx), static_cast<float>(dy));
        if (MapTile* next = WorldMap::getInstance()->tileAtCell(cell.x, cell.y))
        {
            selectedTile = next;
            highlightTile(next);
        }
    }
    refreshInfo();
}

void MapEditor::changeSpawnChance(int step)
{
    if (selectedMarker && tool == EditorTool::Select)
        selectedMarker->spawnChance = std::clamp(selectedMarker->spawnChance + step, 0, 100);
    refreshInfo();
}

void MapEditor::changeZone(int step)
{
    if (selectedMarker && tool == EditorTool::Select)
    {
        selectedMarker->zone = std::max(selectedMarker->zone + step, -1);
    }
    else if (selectedTile && tool == EditorTool::SelectTile)
    {
        selectedTile->zone = std::max(selectedTile->zone + step, -1);
        rebuildCell(selectedTile);
    }
    refreshInfo();
}

void MapEditor::cycleSideTexture()
{
    if (selectedTile && tool == EditorTool::SelectTile)
    {
        selectedTile->sideTexture = (selectedTile->sideTexture + 1) % kSideTextures;
        rebuildCell(selectedTile);
    }
    refreshInfo();
}

void MapEditor::changeTexture(int step)
{
    if (selectedTile && tool == EditorTool::SelectTile)
    {
        const TileDef* floor = selectedTile->floor;
        if (floor && floor->hasModel)
        {
            selectedTile->textureIndex = steppedTexture(floor, selectedTile->textureIndex, step);
            rebuildCell(selectedTile);
        }
    }
    else if (tileDef && tileDef->hasModel && tool == EditorTool::PaintTile)
    {
        textureIndex = steppedTexture(tileDef, textureIndex, step);
        buildTileBrush();
    }
    else if (selectedObject && tool == EditorTool::Select && selectedObject->def &&
             selectedObject->def->hasModel)
    {
        selectedObject->setFileIndex(selectedObject->fileIndex + step);
    }
    refreshInfo();
}

void MapEditor::changeBuildingId(int step)
{
    if (selectedTile && tool == EditorTool::SelectTile)
    {
        selectedTile->buildingId = std::max(selectedTile->buildingId + step, -1);
        WorldMap::getInstance()->refreshView();
    }
    else if (selectedObject)
    {
        selectedObject->buildingId = std::max(selectedObject->buildingId + step, -1);
    }
    else if (selectedMarker)
    {
        selectedMarker->identifier = std::max(selectedMarker->identifier + step, -1);
    }
    refreshInfo();
}

void MapEditor::changeLevel(int step)
{
    WorldMap* map = WorldMap::getInstance();
    if (selectedTile && tool == EditorTool::SelectTile)
    {
        selectedTile->level = std::clamp(selectedTile->level + step, kLowestLevel, kHighestLevel);
        map->placeTileModel(selectedTile);
        map->refreshView();
    }
    else if (selectedObject && tool == EditorTool::Select)
    {
        selectedObject->setHeightLevel(
            std::clamp(selectedObject->heightLevel + step, kLowestLevel, kHighestObjectLevel));
        map->objectZOrder(selectedObject);
    }
    refreshInfo();
}

void MapEditor::changeLevelFilter(int step)
{
    WorldMap* map = WorldMap::getInstance();
    map->levelFilter = std::clamp(map->levelFilter + step, kLowestLevelFilter, kHighestLevel);
    map->updateVisibleTiles(map->cameraCell.x, map->cameraCell.y);
    refreshInfo();
}

void MapEditor::rotateObject(float step)
{
    if (selectedObject)
    {
        float turn = step;
        if (selectedObject->def && selectedObject->def->rotate90)
            turn = step < 0.0f ? -90.0f : 90.0f;
        selectedObject->setRotation(selectedObject->heading + turn);
        highlightObject(selectedObject);
    }
    refreshInfo();
}

void MapEditor::clearOverlay()
{
    if (selectedTile && tool == EditorTool::SelectTile)
    {
        selectedTile->overlay = nullptr;
        // The overlay's picture goes with it.
        rebuildCell(selectedTile);
        WorldMap::getInstance()->refreshView();
    }
    refreshInfo();
}

void MapEditor::pasteTextureIndex()
{
    if (!selectedTile || tool != EditorTool::SelectTile)
        return;
    selectedTile->textureIndex = clipboard.textureIndex;
    rebuildCell(selectedTile);
    WorldMap::getInstance()->refreshView();
}

void MapEditor::toggleNpcAvoid()
{
    if (!selectedTile)
        return;
    selectedTile->npcAvoid = !selectedTile->npcAvoid;
    refreshInfo();
}

void MapEditor::toggleBlocked()
{
    if (!selectedTile)
        return;
    selectedTile->blocked = !selectedTile->blocked;
    refreshInfo();
}

void MapEditor::copyTile(int x, int y)
{
    const MapTile* tile = WorldMap::getInstance()->getTile(x, y);
    if (!tile)
        return;
    clipboard.overlayId = tile->overlay ? tile->overlay->id : -1;
    clipboard.overlayRotation = tile->overlayRotation;
    clipboard.floorId = tile->floor ? tile->floor->id : -1;
    clipboard.floorRotation = tile->rotation;
    clipboard.buildingId = tile->buildingId;
    clipboard.level = tile->level;
    clipboard.textureIndex = tile->textureIndex;
    clipboard.zone = tile->zone;
}

void MapEditor::pasteTile(int x, int y)
{
    WorldMap* map = WorldMap::getInstance();
    MapTile* tile = map->getTile(x, y);
    if (!tile || clipboard.floorId == -1)
        return;
    map->setTileFloorType(x, y, clipboard.floorId);
    tile->rotation = clipboard.floorRotation;
    map->setTileOverlayType(x, y, clipboard.overlayId);
    tile->overlayRotation = clipboard.overlayRotation;
    tile->level = clipboard.level;
    tile->buildingId = clipboard.buildingId;
    tile->textureIndex = clipboard.textureIndex;
    tile->zone = clipboard.zone;
    rebuildCell(tile);
    map->updateVisibleTiles(map->cameraCell.x, map->cameraCell.y);
}
