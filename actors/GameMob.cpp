#include "actors/GameMob.h"
#include "app/Geometry.h"
#include "world/GameData.h"
#include "world/MapTile.h"
#include "world/PathNode.h"
#include "world/PathRequest.h"
#include "world/Pather.h"
#include "world/TileDef.h"
#include "world/WorldMap.h"

GameMob::GameMob(int definitionId) : GameMob(GameData::getInstance()->getObjectDef(definitionId), true)
{
}

GameMob::GameMob(ObjectDef* definition, bool buildSpritesNow) : GameObject(definition, false, WalkingMob)
{
    viewAngle = 50.0f;
    sightRange = 192.0f;
    hearingRange = 192.0f;
    if (buildSpritesNow)
        createSprites();
}

GameMob::~GameMob()
{
    // A queued or running request must never outlive the mob it answers.
    if (Pather* pather = Pather::existingInstance())
        pather->cancelRequests(this);
    delete pathRequest;
}

void GameMob::setPosition(cocos2d::Vec2 newPosition)
{
    GameObject::setPosition(newPosition);
    if (carriedBody)
        carriedBody->setPosition(newPosition);
}

bool GameMob::isVisibleBody() const
{
    if (health >= 1)
        return false;
    const MapTile* tile = WorldMap::getInstance()->tileAtCell(cell.x, cell.y);
    return !(tile && tile->floor && tile->floor->water);
}

bool GameMob::canSee(cocos2d::Vec2 point, bool ignoreViewCone) const
{
    if (health < 1 || isOnUpperLevel())
        return false;
    return GameObject::canSee(point, ignoreViewCone);
}

bool GameMob::canHear(cocos2d::Vec2 point, float loudness) const
{
    if (health < 1 || stunned || hearingRange == 0.0f)
        return false;
    return fastDistance(position, point) <= loudness * hearingRange;
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
        pathRequest->mode = 2;
        pathRequest->requester = this;
        pather->getQueue(2).push_back(pathRequest);
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
    for (PathNode* node = goal; node && node->parent; node = node->parent)
    {
        PathPoint point;
        point.point = WorldMap::gridToPixel(node->position.x, node->position.y) + cocos2d::Vec2(16.0f, 16.0f);
        path.push_front(point);
    }
}

void GameMob::pathFailed()
{
    blockedCells.clear();
    waitingForPath = false;
}
