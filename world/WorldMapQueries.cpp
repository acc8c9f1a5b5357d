// Object look-ups, the bucket registry, taking objects off the map and the
// random placement of mobs.
#include "world/WorldMap.h"
#include "actors/GameMob.h"
#include "actors/GameObject.h"
#include "actors/police/PoliceManager.h"
#include "actors/MobManager.h"
#include "actors/Player.h"
#include "actors/PopulationSettings.h"
#include "actors/Projectile.h"
#include "actors/contracts/MissionManager.h"
#include "app/GameCamera.h"
#include "app/Geometry.h"
#include "app/SoundEngine.h"
#include "world/MapMarker.h"
#include "world/MapTile.h"
#include "world/ObjectDef.h"
#include "world/TileDef.h"
#include <algorithm>
#include <cmath>
#include <cstdlib>

const cocos2d::Vec2 WorldMap::None(-1.0f, -1.0f);

namespace {
bool isInteractable(const ObjectDef* def)
{
    return def->canpickup || def->vendingmachine || def->hackbox || def->exit;
}
}

GameObject* WorldMap::findObjectNear(bool cleanables, bool interactables, bool bodyContainers, cocos2d::Vec2 point,
                                     float radius) const
{
    MobManager* mobs = MobManager::getInstance();
    // Dead mobs come first for the cleaners.
    if (cleanables)
    {
        if (GameObject* body = mobs->pickMobInRadius(true, nullptr, false, point, radius))
            return body;
    }
    for (const std::vector<GameObject*>* list : {&passableObjects, &solidObjects})
    {
        for (GameObject* o : *list)
        {
            if (objectMatches(o, cleanables, interactables, bodyContainers, point, radius))
                return o;
        }
    }
    // Without bodyContainers a body lying near is the answer.
    return bodyContainers ? nullptr : mobs->findBodyNear(point, radius);
}

bool WorldMap::objectMatches(GameObject* o, bool cleanables, bool interactables, bool bodyContainers,
                             cocos2d::Vec2 point, float radius) const
{
    if (!(fastDistance(o->getPosition(), point) < radius))
        return false;
    const ObjectDef* def = o->def;
    if (interactables && !(def && isInteractable(def)))
        return false;
    if (cleanables)
    {
        if (!(o->isDead() || (def && def->garbage)) || o->carried || o->isOnUpperLevel())
            return false;
        if (PopulationSettings::getInstance()->isClaimedByCleaner(o))
            return false;
    }
    if (bodyContainers && !(def && def->cancarrybody && !o->filled))
        return false;
    if (o->isMob())
    {
        const MapTile* tile = getTile(static_cast<int>(o->cell.x), static_cast<int>(o->cell.y));
        if (tile && tile->floor && tile->floor->water)
            return false;
    }
    return true;
}

cocos2d::Vec2 WorldMap::randomEdgeCell(int side) const
{
    if (width <= 0 || height <= 0)
        return None;
    switch (side)
    {
    case 1: return cocos2d::Vec2(static_cast<float>(rand() % width), 0.0f);
    case 3: return cocos2d::Vec2(0.0f, static_cast<float>(rand() % height));
    case 4: return cocos2d::Vec2(static_cast<float>(width - 1), static_cast<float>(rand() % height));
    default: return cocos2d::Vec2(static_cast<float>(rand() % width), static_cast<float>(height - 1));
    }
}

cocos2d::Vec2 WorldMap::randomOffscreenPoint() const
{
    const float s = zoomScale();
    const float r = s * CellSize * visibleRadius;
    const int spanX = static_cast<int>(s * CellSize * width);
    const int spanY = static_cast<int>(s * CellSize * height);
    if (spanX <= 0 || spanY <= 0)
        return None;
    // A map that lies wholly within the view on either axis has no such point:
    // the draws are bounded.
    for (int draw = 0; draw < MaxRandomDraws; ++draw)
    {
        const float x = static_cast<float>(rand() % spanX);
        const float y = static_cast<float>(rand() % spanY);
        const bool offX = x <= cameraPoint.x - r || x >= cameraPoint.x + r;
        const bool offY = y <= cameraPoint.y - r || y >= cameraPoint.y + r;
        if (offX && offY)
            return cocos2d::Vec2(x, y);
    }
    return None;
}

void WorldMap::moveObjectBucket(GameObject* object, cocos2d::Vec2 newCell)
{
    const cocos2d::Vec2 oldBucket = bucketOfCell(object->cell);
    const cocos2d::Vec2 newBucket = bucketOfCell(newCell);
    // An object not yet in any bucket is entered even when its first cell
    // lies in the bucket of the cell it was made with.
    if (oldBucket == newBucket && object->inBucket)
        return;
    removeFromBucket(oldBucket, object);
    object->inBucket = false;
    if (bucketInRange(newBucket))
    {
        addToBucket(newBucket, object);
        object->inBucket = true;
    }
}

void WorldMap::addToBucket(cocos2d::Vec2 bucket, GameObject* object)
{
    if (bucketInRange(bucket))
        objectBuckets[bucketIndex(bucket)].push_back(object);
}

void WorldMap::removeFromBucket(cocos2d::Vec2 bucket, GameObject* object)
{
    if (bucketInRange(bucket))
        eraseFromList(objectBuckets[bucketIndex(bucket)], object);
}

void WorldMap::clearReferencesTo(GameObject* object)
{
    for (const std::vector<GameObject*>* list : {&passableObjects, &solidObjects})
    {
        for (GameObject* o : *list)
        {
            if (o->watchedObject == object)
                o->watchedObject = nullptr;
        }
    }
    // A bullet outlives its shooter: an actor made later at the same address
    // must not pass for it and be spared.
    for (GameObject* bullet : projectiles)
    {
        Projectile* projectile = dynamic_cast<Projectile*>(bullet);
        if (projectile && projectile->shooter == object)
            projectile->shooter = nullptr;
    }
    // An object leaving the game is never updated again.
    eraseFromList(activeObjects, object);
}

void WorldMap::removeObject(GameObject* object, bool silent)
{
    if (!object)
        return;
    const ObjectDef* def = object->def;
    if (object->soundChannel != -1)
    {
        SoundEngine::getInstance()->stop(object->soundChannel);
        object->soundChannel = -1;
    }
    if (def && def->exit && exitObject == object)
        exitObject = nullptr;
    if (!silent && def && def->despawnasobject != -1)
        spawnObject(def->despawnasobject, object->getPosition());
    PopulationSettings::getInstance()->forgetCleanerTarget(object);
    MobManager::getInstance()->forgetObject(object);
    MissionManager::getInstance()->forgetObject(object);
    // The player leaves the game this way: no scan, scene or camera keeps it.
    if (object->isMob())
    {
        PoliceManager* police = PoliceManager::getInstance();
        police->forgetDroidTarget(static_cast<GameMob*>(object));
        police->clearSuspect(static_cast<GameMob*>(object), false);
    }
    clearReferencesTo(object);
    removeObjectNodes(object);
    if (def && def->islure)
        eraseFromList(lures, object);
    if (def)
    {
        if (def->passable)
            eraseFromList(passableObjects, object);
        else
        {
            eraseFromList(solidObjects, object);
            removeFromBucket(bucketOfCell(object->cell), object);
            object->inBucket = false;
        }
        if (def->camera)
            PoliceManager::getInstance()->removeCamera(object);
    }
    else
    {
        eraseFromList(passableObjects, object);
        eraseFromList(solidObjects, object);
    }
    // Every entry, whatever the flag says: a removed object is never updated again.
    eraseFromList(activeObjects, object);
}

bool WorldMap::holdsObject(const GameObject* object) const
{
    for (const std::vector<GameObject*>* list : {&passableObjects, &solidObjects, &projectiles})
    {
        if (std::find(list->begin(), list->end(), object) != list->end())
            return true;
    }
    return false;
}

void WorldMap::setCurrentInterior(cocos2d::Vec2 cell)
{
    const MapTile* tile = tileAtCell(cell.x, cell.y);
    currentInterior = tile ? tile->buildingId : -1;
}

MapMarker* WorldMap::randomSpawnMarkerElsewhere(cocos2d::Vec2 cell) const
{
    if (allMarkers.empty())
        return nullptr;
    for (int draw = 0; draw < 100; ++draw)
    {
        MapMarker* marker = allMarkers[static_cast<size_t>(rand()) % allMarkers.size()];
        if (marker->kind == MapMarkerKind::Spawn && !sameCell(marker->gridPos, cell))
            return marker;
    }
    return nullptr;
}

MapMarker* WorldMap::randomInterestMarker() const
{
    std::vector<MapMarker*> interest;
    for (MapMarker* marker : allMarkers)
    {
        if (marker->kind == MapMarkerKind::Interest)
            interest.push_back(marker);
    }
    if (interest.empty())
        return nullptr;
    for (int draw = 0; draw < MaxRandomDraws; ++draw)
    {
        MapMarker* marker = allMarkers[static_cast<size_t>(rand()) % allMarkers.size()];
        if (marker->kind == MapMarkerKind::Interest)
            return marker;
    }
    // Unlucky draws on a map of very few interest markers: take one directly.
    return interest[static_cast<size_t>(rand()) % interest.size()];
}

cocos2d::Vec2 WorldMap::randomCellNearInterest() const
{
    const MapMarker* marker = randomInterestMarker();
    if (!marker)
        return None;
    const int mx = static_cast<int>(marker->gridPos.x);
    const int my = static_cast<int>(marker->gridPos.y);
    bool anyWalkable = false;
    for (int dx = -1; dx <= 1 && !anyWalkable; ++dx)
    {
        for (int dy = -1; dy <= 1 && !anyWalkable; ++dy)
            anyWalkable = isWalkable(mx + dx, my + dy);
    }
    if (!anyWalkable)
        return None;
    for (int draw = 0; draw < MaxRandomDraws; ++draw)
    {
        const int dx = rand() % 3 - 1;
        const int dy = rand() % 3 - 1;
        const cocos2d::Vec2 cell = marker->gridPos + cocos2d::Vec2(static_cast<float>(dx), static_cast<float>(dy));
        if (isWalkable(static_cast<int>(cell.x), static_cast<int>(cell.y)))
            return cell;
    }
    return None;
}

cocos2d::Vec2 WorldMap::randomSpawnPosition(bool nearPlayer, int maxTiles)
{
    return randomSpawnPosition(nearPlayer, maxTiles, MobManager::getInstance()->player);
}

cocos2d::Vec2 WorldMap::randomSpawnPosition(bool nearPlayer, int maxTiles, const GameObject* player)
{
    if (spawnMarkers.empty())
        return None;
    for (int draw = 0; draw < MaxRandomDraws; ++draw)
    {
        MapMarker* marker = spawnMarkers[static_cast<size_t>(rand()) % spawnMarkers.size()];
        if (player)
        {
            const float distance = fastDistance(marker->position, player->getPosition());
            const bool nearEnough = nearPlayer && distance < 512.0f;
            if (!nearEnough && maxTiles != -1 && distance / CellSize > maxTiles)
                continue;
        }
        ++marker->useCount;
        return marker->position;
    }
    return None;
}

cocos2d::Vec2 WorldMap::randomPlayerSpawn() const
{
    if (playerSpawnMarkers.empty())
        return None;
    return playerSpawnMarkers[static_cast<size_t>(rand()) % playerSpawnMarkers.size()]->position;
}

cocos2d::Vec2 WorldMap::randomNeighbourCell(float gx, float gy) const
{
    static const int offsets[8][2] = {{-1, -1}, {0, -1}, {1, -1}, {-1, 0}, {1, 0}, {-1, 1}, {0, 1}, {1, 1}};
    for (int attempt = 0; attempt < 100; ++attempt)
    {
        const int d = rand() & 7;
        const float x = gx + offsets[d][0];
        const float y = gy + offsets[d][1];
        const MapTile* tile = tileAtCell(x, y);
        if (!tile || tile->blocked || !tile->floor)
            continue;
        const TileDef* floor = tile->floor;
        if (floor->north_blocked || floor->south_blocked || floor->west_blocked || floor->east_blocked)
            continue;
        if (floor->height == 0 && floor->cost < 3)
            return cocos2d::Vec2(x, y);
    }
    return None;
}

bool WorldMap::isContactMarkerNearCamera() const
{
    const cocos2d::Vec2 camera = GameCamera::getInstance()->position;
    for (const MapMarker* marker : contactMarkers)
    {
        if (fastDistance(marker->position, camera) < 384.0f)
            return true;
    }
    return false;
}
