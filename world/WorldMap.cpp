#include "world/WorldMap.h"
#include "2d/Animation.h"
#include "actors/GameObject.h"
#include "world/GameData.h"
#include "world/MapMarker.h"
#include "world/MapTile.h"
#include "world/ObjectDef.h"
#include "world/TileDef.h"
#include <algorithm>
#include <cmath>

const float WorldMap::ZoomScales[WorldMap::ZoomLevels] = {1.0f, 0.75f, 0.5f, 0.25f, 0.1f, 0.05f, 0.025f};

WorldMap* WorldMap::getInstance()
{
    // Never destroyed: objects and nodes may still point into it at exit.
    static WorldMap* instance = new WorldMap();
    return instance;
}

WorldMap::WorldMap() = default;

WorldMap::~WorldMap()
{
    releaseTiles();
    releaseMarkers();
}

void WorldMap::clear()
{
    exitObject = nullptr;
    // Every node of the map hangs under the world node: letting go of them all
    // at once spares a search of its child list for each one.
    forgetWorldNodeChildren();
    removeWorldNodeChildren();
    releaseSoundMarker();
    releaseGridNodes();
    releaseTiles();

    // Nothing refers to the objects once they are off the map: they go with
    // the next end-of-frame deletion.
    for (std::vector<GameObject*>* list : {&passableObjects, &solidObjects})
    {
        while (!list->empty())
        {
            GameObject* object = list->back();
            removeObject(object, true);
            // removeObject takes it out of the list; make sure, whatever its definition says
            eraseFromList(*list, object);
            if (std::find(projectiles.begin(), projectiles.end(), object) == projectiles.end())
                queueForDeletion(object);
        }
    }

    releaseMarkers();
    activeObjects.clear();
    while (!projectiles.empty())
        destroyProjectile(projectiles.back());
    removeWorldNodeChildren();
    for (auto& bucket : objectBuckets)
        bucket.clear();
}

void WorldMap::releaseTiles()
{
    for (auto& row : tileRows)
    {
        for (MapTile* tile : row)
        {
            if (tile->animation)
                tile->animation->release();
        }
    }
    tileRows.clear();
    tileBlocks.clear();
}

void WorldMap::releaseMarkers()
{
    // The kind lists share the markers of the list of all markers.
    for (MapMarker* marker : allMarkers)
        delete marker;
    allMarkers.clear();
    playerSpawnMarkers.clear();
    spawnMarkers.clear();
    contactMarkers.clear();
}

void WorldMap::init(int newWidth, int newHeight)
{
    exitObject = nullptr;
    newWidth = std::clamp(newWidth, 0, MaxSize);
    newHeight = std::clamp(newHeight, 0, MaxSize);
    mapCentre = cocos2d::Vec2(static_cast<float>(newWidth / 2), static_cast<float>(newHeight / 2));
    width = newWidth;
    height = newHeight;
    mapLoaded = true;

    TileDef* ground = GameData::getInstance()->getTileDef(0);
    auto block = std::make_unique<MapTile[]>(static_cast<size_t>(width) * static_cast<size_t>(height));
    for (int y = 0; y < height; ++y)
    {
        std::vector<MapTile*> row;
        row.reserve(static_cast<size_t>(width));
        for (int x = 0; x < width; ++x)
        {
            MapTile* tile = &block[static_cast<size_t>(y) * width + x];
            tile->floor = ground;
            tile->gridPos = cocos2d::Vec2(static_cast<float>(x), static_cast<float>(y));
            tile->level = ground ? ground->height : 0;
            row.push_back(tile);
        }
        tileRows.push_back(std::move(row));
    }
    tileBlocks.push_back(std::move(block));
}

MapTile* WorldMap::tileAtPixel(int px, int py) const
{
    const cocos2d::Vec2 cell = pixelToGrid(static_cast<float>(px), static_cast<float>(py));
    if (cell.x < 0.0f || cell.y < 0.0f || cell.x >= MaxSize || cell.y >= MaxSize)
        return nullptr;
    return getTile(static_cast<int>(cell.x), static_cast<int>(cell.y));
}

MapTile* WorldMap::setTileOverlayType(int x, int y, int tileDefId)
{
    MapTile* tile = getTile(x, y);
    if (tile)
        tile->overlay = GameData::getInstance()->getTileDef(tileDefId);
    return tile;
}

MapTile* WorldMap::setTileFloorType(int x, int y, int tileDefId)
{
    MapTile* tile = getTile(x, y);
    if (!tile)
        return nullptr;
    TileDef* def = GameData::getInstance()->getTileDef(tileDefId);
    // An unknown id would leave the cell without a floor: keep the old one.
    if (def)
    {
        tile->floor = def;
        tile->level = def->height;
    }
    return tile;
}

float WorldMap::zoomScale() const
{
    return ZoomScales[std::clamp(zoomIndex, 0, ZoomLevels - 1)];
}

void WorldMap::update(float dt, bool runGoesOn)
{
    fusesBurning = runGoesOn;
    if (runGoesOn)
        updateList(projectiles, dt);
    updateList(activeObjects, dt);
    destroyDeleteQueue();
    panEditorCamera(dt);
}

void WorldMap::updateList(std::vector<GameObject*>& list, float dt)
{
    // By index, re-reading the length: an object may take itself off the list
    // during its own update, and then the next one has moved into its place.
    size_t i = 0;
    while (i < list.size())
    {
        GameObject* object = list[i];
        object->update(dt);
        if (i < list.size() && list[i] == object)
            ++i;
    }
}

void WorldMap::queueForDeletion(GameObject* object)
{
    if (!object || std::find(deleteQueue.begin(), deleteQueue.end(), object) != deleteQueue.end())
        return;
    // An object on its way out is never updated again.
    eraseFromList(projectiles, object);
    eraseFromList(activeObjects, object);
    deleteQueue.push_back(object);
}

void WorldMap::destroyDeleteQueue()
{
    std::vector<GameObject*> doomed;
    doomed.swap(deleteQueue);
    for (GameObject* object : doomed)
        delete object;
}

void WorldMap::addActiveObject(GameObject* object)
{
    if (std::find(activeObjects.begin(), activeObjects.end(), object) == activeObjects.end())
        activeObjects.push_back(object);
}

void WorldMap::eraseFromList(std::vector<GameObject*>& list, GameObject* object)
{
    list.erase(std::remove(list.begin(), list.end(), object), list.end());
}
