// A mob's path: asking the Pather, taking its answer, and repairing the next
// leg with small detours round whatever stands in the way.
#include "actors/GameMob.h"
#include "app/Geometry.h"
#include "world/PathNode.h"
#include "world/PathRequest.h"
#include "world/Pather.h"
#include "world/WorldMap.h"

namespace {
constexpr int MobPathMode = 2;
constexpr int MobQueue = 2;
constexpr float DetourOffset = 32.0f;
constexpr int DetourHalfWidth = 8;

PathPoint pathPointAt(cocos2d::Vec2 point)
{
    PathPoint entry;
    entry.point = point;
    return entry;
}
}

bool GameMob::findPath(cocos2d::Vec2 goalCell, bool deferred)
{
    Pather* pather = Pather::getInstance();
    if (waitingForPath)
        pather->cancelRequests(this);
    waitingForPath = true;
    if (deferred)
    {
        if (!pathRequest)
            pathRequest = new PathRequest();
        pathRequest->reset();
        pathRequest->start = cell;
        pathRequest->goal = goalCell;
        pathRequest->mode = MobPathMode;
        pathRequest->requester = this;
        pather->getQueue(MobQueue).push_back(pathRequest);
        return true;
    }
    // A synchronous search only answers whether a way exists.
    std::vector<cocos2d::Vec2> scratch;
    return pather->findPathNow(goalCell, cell, heightLevel, scratch) && scratch.size() > 1;
}

void GameMob::setPath(PathNode* goal)
{
    blockedCells.clear();
    waitingForPath = false;
    // The nodes go back to the pool when the next search starts: copy now.
    // The new points go in front of any still in the list.
    std::deque<PathPoint> fresh;
    for (PathNode* node = goal; node && node->parent; node = node->parent)
        fresh.push_front(pathPointAt(WorldMap::gridToPixel(node->position.x, node->position.y) +
                                     cocos2d::Vec2(16.0f, 16.0f)));
    path.insert(path.begin(), fresh.begin(), fresh.end());
}

void GameMob::pathFailed()
{
    blockedCells.clear();
    waitingForPath = false;
}

bool GameMob::validatePath()
{
    if (path.empty())
        return false;
    const cocos2d::Vec2 unreachable = path.front().point;
    if (canWalkTo(unreachable))
        return true;
    if (path.size() == 1)
    {
        path.clear();
        return true;
    }
    path.pop_front();
    if (canWalkTo(path.front().point))
        return true;
    // Ask again for the whole way, with the point that could not be reached
    // counted as a wall.
    const cocos2d::Vec2 destination = path.back().point;
    blockedCells.push_back(WorldMap::pixelToGrid(unreachable.x, unreachable.y));
    path.clear();
    findPath(WorldMap::pixelToGrid(destination.x, destination.y), true);
    return false;
}

bool GameMob::canWalkTo(cocos2d::Vec2 point)
{
    return tryDetour(point, true) || tryDetour(point, false) || tryDetourAround(point, true) ||
           tryDetourAround(point, false);
}

bool GameMob::tryDetour(cocos2d::Vec2 target, bool side)
{
    const float a = angleBetween(position, target);
    const cocos2d::Vec2 mirrored = target * 2.0f - position;
    const cocos2d::Vec2 detour = mirrored + vectorFromAngle(side ? a - 90.0f : a + 90.0f, DetourOffset);
    const WorldMap* map = WorldMap::getInstance();
    if (!map->isWidePathClear(DetourHalfWidth, heightLevel, position, detour) ||
        !map->isWidePathClear(DetourHalfWidth, heightLevel, detour, target))
        return false;
    path.push_front(pathPointAt(detour));
    return true;
}

bool GameMob::tryDetourAround(cocos2d::Vec2 target, bool side)
{
    const float a = angleBetween(position, target);
    const cocos2d::Vec2 offset = vectorFromAngle(side ? a - 90.0f : a + 90.0f, DetourOffset);
    const cocos2d::Vec2 first = position + offset;
    const cocos2d::Vec2 second = target + offset;
    const WorldMap* map = WorldMap::getInstance();
    if (!map->isWidePathClear(DetourHalfWidth, heightLevel, position, first) ||
        !map->isWidePathClear(DetourHalfWidth, heightLevel, first, second) ||
        !map->isWidePathClear(DetourHalfWidth, heightLevel, second, target))
        return false;
    path.push_front(pathPointAt(second));
    path.push_front(pathPointAt(first));
    return true;
}
