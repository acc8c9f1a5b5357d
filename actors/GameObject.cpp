#include "actors/GameObject.h"
#include "actors/GameMob.h"
#include "actors/MobManager.h"
#include "app/Geometry.h"
#include "app/SoundEngine.h"
#include "app/Line.h"
#include "world/GameData.h"
#include "world/MapTile.h"
#include "world/ObjectDef.h"
#include "world/TileDef.h"
#include "world/WorldMap.h"
#include <cmath>
#include <cstdlib>

namespace {
constexpr float DegreesToRadians = 0.017453292519943295f;
constexpr float WatchInterval = 0.75f;
constexpr float BobLimit = 3.0f;

float wrapToHalfTurn(float degrees)
{
    float a = std::fmod(degrees + 180.0f, 360.0f);
    if (a < 0.0f)
        a += 360.0f;
    return a - 180.0f;
}
}

GameObject::GameObject(ObjectDef* definition, bool buildSpritesNow, int objectKind)
    : def(definition), kind(objectKind)
{
    if (def && def->weapon != -1)
        weaponDef = GameData::getInstance()->getWeaponDef(def->weapon);
    floatDown[0] = rand() % 2 == 0;  // x
    floatDown[2] = rand() % 2 == 0;  // z
    floatDown[1] = rand() % 2 == 0;  // y
    if (def)
    {
        despawnTimer = def->despawn;
        inUpdateList = def->despawn != -1.0f;
        currentAnimation = def->spawnanimation;
    }
    if (buildSpritesNow)
        createSprites();
}

GameObject::~GameObject()
{
    if (soundChannel != -1)
        SoundEngine::getInstance()->stop(soundChannel);
    soundChannel = -1;
    releaseNodes();
}

void GameObject::setPosition(cocos2d::Vec2 newPosition)
{
    position = newPosition;
    updateCell();
    placeNodes(cocos2d::Vec3::ZERO);
    if (soundChannel != -1)
        SoundEngine::getInstance()->moveSource(soundChannel, position);
}

void GameObject::updateCell()
{
    const cocos2d::Vec2 newCell = WorldMap::pixelToGrid(position.x, position.y);
    const bool solidPlain = kind == PlainObject && def && !def->passable;
    if (solidPlain && (newCell != cell || !inBucket))
        WorldMap::getInstance()->moveObjectBucket(this, newCell);
    cell = newCell;
}

float GameObject::getZ() const
{
    const float offset = def ? def->zposoffset : 0.0f;
    if (def && def->hasModel)
        return offset;
    if (heightLevel == NoLevel)
        return offset + 96.0f;
    return static_cast<float>(heightLevel) * 16.0f + offset;
}

void GameObject::setHeightLevel(int level)
{
    heightLevel = level;
    placeNodes(cocos2d::Vec3::ZERO);
}

bool GameObject::isDead() const
{
    return def && def->humanwaste;
}

bool GameObject::isVisibleBody() const
{
    return false;
}

float GameObject::getDiameter() const
{
    return def ? def->size.x * 2.0f : 0.0f;
}

float GameObject::getRadius() const
{
    return def ? def->size.x : 0.0f;
}

cocos2d::Vec2 GameObject::getSize() const
{
    return def ? def->size : cocos2d::Vec2::ZERO;
}

bool GameObject::isAnimated() const
{
    return def && def->animated;
}

std::string GameObject::getFileName() const
{
    return def ? def->file(fileIndex) : std::string();
}

bool GameObject::isCircle() const
{
    return !def || def->shape == 0;
}

float GameObject::relativeAngle(cocos2d::Vec2 point) const
{
    float direction = std::atan2(point.y - position.y, position.x - point.x) * 180.0f / 3.14159265358979f - 90.0f;
    if (direction < 0.0f)
        direction += 360.0f;
    return direction - heading;
}

bool GameObject::canSee(cocos2d::Vec2 point, bool ignoreViewCone) const
{
    if (stunned || sightRange == 0.0f)
        return false;
    const float distance = fastDistance(position, point);
    if (distance > sightRange)
        return false;
    if (!ignoreViewCone && viewAngle > 0.0f && std::fabs(wrapToHalfTurn(relativeAngle(point))) > viewAngle * 0.5f)
        return false;
    if (heightLevel == NoLevel)
        return true;
    return WorldMap::getInstance()->hasLineOfSight(heightLevel, position, angleBetween(position, point), distance);
}

bool GameObject::canHear(cocos2d::Vec2 point, float loudness) const
{
    if (stunned || hearingRange == 0.0f)
        return false;
    return fastDistance(position, point) <= loudness * hearingRange;
}

std::array<cocos2d::Vec2, 4> GameObject::getCorners() const
{
    const cocos2d::Rect box = getBoundingBox();
    const cocos2d::Vec2 centre(box.getMidX(), box.getMidY());
    const float angle = heading * DegreesToRadians;
    return {cocos2d::Vec2(box.getMinX(), box.getMinY()).rotateByAngle(centre, angle),
            cocos2d::Vec2(box.getMaxX(), box.getMinY()).rotateByAngle(centre, angle),
            cocos2d::Vec2(box.getMaxX(), box.getMaxY()).rotateByAngle(centre, angle),
            cocos2d::Vec2(box.getMinX(), box.getMaxY()).rotateByAngle(centre, angle)};
}

bool GameObject::intersectsSegment(const Line& line) const
{
    if (isCircle())
        return circleIntersectsSegment(line, position, getRadius());
    return segmentIntersectsSegmentRect(line, getBoundingBox(), heading);
}

bool GameObject::overlaps(const GameObject* other) const
{
    const bool thisCircle = isCircle();
    const bool otherCircle = other->isCircle();
    if (!thisCircle && !otherCircle)
        return rotatedRectsIntersect(getBoundingBox(), other->getBoundingBox(), heading, other->heading);
    if (thisCircle && !otherCircle)
        return circleIntersectsRotatedRect(position, other->getBoundingBox(), getRadius(), other->heading);
    if (!thisCircle && otherCircle)
        return circleIntersectsRotatedRect(other->position, getBoundingBox(), other->getRadius(), heading);
    return fastDistance(position, other->position) < getRadius() + other->getRadius();
}

bool GameObject::isOnUpperLevel() const
{
    const MapTile* tile = WorldMap::getInstance()->tileAtCell(cell.x, cell.y);
    return tile && tile->overlay && tile->overlay->height == heightLevel;
}

void GameObject::update(float dt)
{
    if (def && def->floats)
        updateBobbing(dt);
    if (def && def->emit != 0)
        updateEmitter(dt);
    updateWatch(dt);
    if (def && def->camera)
        updateCameraLine(dt);
    updateDespawn(dt);
}

void GameObject::updateBobbing(float dt)
{
    for (size_t axis = 0; axis < 3; ++axis)
    {
        float& offset = floatOffset[axis];
        offset += floatDown[axis] ? -dt : dt;
        if (offset > BobLimit)
        {
            floatDown[axis] = true;
            offset = BobLimit;
        }
        else if (offset < -BobLimit)
        {
            floatDown[axis] = false;
            offset = -BobLimit;
        }
    }
    placeNodes(cocos2d::Vec3(floatOffset[0], floatOffset[1], floatOffset[2]));
}

void GameObject::updateEmitter(float dt)
{
    emitterTimer -= dt;
    if (emitterTimer >= 0.0f)
        return;
    emitterTimer += def->emit == 1 ? 2.0f : 0.1f;
    if (WorldMap::getInstance()->isPointOnScreen(position))
        emitPuff();
}

void GameObject::updateWatch(float dt)
{
    if (sightRange <= 0.0f)
        return;
    const bool idle =
        !watchedObject || (watchedObject->isMob() && static_cast<const GameMob*>(watchedObject)->health < 1);
    if (!idle)
        return;
    watchTimer += dt;
    if (watchTimer > WatchInterval)
    {
        watchTimer -= WatchInterval;
        scanForThreat();
    }
}

void GameObject::scanForThreat()
{
    // Watch mode 0 is the ordinary scan, 1 a third query, 2 a declared enemy.
    const int queryKind = watchMode == 1 ? 1 : 3;
    const int soughtId = watchMode == 2 ? watchId : -1;
    watchedObject = MobManager::getInstance()->findThreatFor(queryKind, soughtId, this, position, sightRange);
    // Only people are drawn by lures.
    if (watchedObject && watchedObject->def && watchedObject->def->islure && !isMob())
        watchedObject = nullptr;
}

void GameObject::disarm()
{
    armed = false;
    despawnTimer = def ? def->despawn : -1.0f;
}

void GameObject::updateDespawn(float dt)
{
    // A lit fuse holds with a paused run, as the bullets do.
    if (!(despawnTimer > -1.0f) || !armed || !WorldMap::getInstance()->fusesBurn())
        return;
    despawnTimer -= dt;
    if (despawnTimer > 0.0f)
        return;
    despawnTimer = -2.0f;  // goes off once
    WorldMap* map = WorldMap::getInstance();
    if (def && def->isflashbang)
    {
        map->explodeAt(this);
        return;
    }
    // Only the map's own objects are the map's to delete.
    if (!map->holdsObject(this))
        return;
    map->removeObject(this, false);
    map->queueForDeletion(this);
}
