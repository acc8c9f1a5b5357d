// How a mob walks: step lengths by direction and running, the collision step
// that slides along walls and steps round round objects, and walking to a point.
#include "actors/GameMob.h"
#include "app/Geometry.h"
#include "app/Line.h"
#include "world/MapTile.h"
#include "world/WorldMap.h"

namespace {
constexpr float SideFactor = 1.2f;
constexpr float AheadFactor = 1.5f;
constexpr float BackFactor = 1.0f;
constexpr float RunFactor = 2.2f;
constexpr float ArrivalDistance = 2.0f;
// The collision test measures with the fast distance, which comes out up to
// 0.18 % short: a mob pushed out to touch an object stands that much further
// off, or the test would still see the two overlap and refuse the place.
constexpr float TouchingSlack = 1.002f;

// The eight flags of WorldMap::collideWithTiles: the first four say the mover
// is walled towards +y, -y, +x and -x.
enum WallFlag { WallUp = 0, WallDown = 1, WallRight = 2, WallLeft = 3 };

// Keyboard directions: vertical 3 up, 4 down; horizontal 1 left, 2 right.
bool keyDirection(int vertical, int horizontal, float& direction)
{
    const bool up = vertical == GameMob::Ahead;
    const bool down = vertical == GameMob::Back;
    const bool left = horizontal == GameMob::Left;
    const bool right = horizontal == GameMob::Right;
    if (up)
        direction = left ? 315.0f : right ? 45.0f : 0.0f;
    else if (down)
        direction = left ? 225.0f : right ? 135.0f : 180.0f;
    else if (left)
        direction = 270.0f;
    else if (right)
        direction = 90.0f;
    else
        return false;
    return true;
}
}

bool GameMob::moveStep(int forward, int sideways, bool checkSegment, float dt)
{
    const bool ahead = forward == Ahead;
    const bool back = forward == Back;
    const bool side = sideways == Left || sideways == Right;
    if (!ahead && !back && !side)
        return false;
    cocos2d::Vec2 step;
    if (sideways == Left)
        step += vectorFromAngle(heading - 90.0f, walkSpeed * SideFactor * dt);
    else if (sideways == Right)
        step += vectorFromAngle(heading + 90.0f, walkSpeed * SideFactor * dt);
    if (ahead)
        step += vectorFromAngle(heading, walkSpeed * AheadFactor * dt);
    else if (back)
        step -= vectorFromAngle(heading, walkSpeed * BackFactor * dt);
    // Running helps only a straight walk with the weapon down.
    if (running && !((ahead || back) && side) && !weaponRaised)
        step *= RunFactor;
    return tryMove(checkSegment, step);
}

bool GameMob::moveInDirection(int vertical, int horizontal, float dt)
{
    float direction = 0.0f;
    if (!keyDirection(vertical, horizontal, direction))
        return false;
    return moveAlong(true, vectorFromAngle(direction, 1.0f), dt);
}

bool GameMob::moveAlong(bool checkSegment, cocos2d::Vec2 direction, float dt)
{
    float relative = angleBetween(cocos2d::Vec2::ZERO, direction) - heading;
    if (relative < 0.0f)
        relative += 360.0f;
    float factor = SideFactor;
    if (relative >= 315.0f || relative <= 45.0f)
        factor = AheadFactor;
    else if (relative >= 155.0f && relative <= 205.0f)
        factor = BackFactor;
    cocos2d::Vec2 step = direction * (dt * walkSpeed * factor);
    if (running && !weaponRaised)
        step *= RunFactor;
    return tryMove(checkSegment, step);
}

bool GameMob::tryMove(bool checkSegment, cocos2d::Vec2 delta)
{
    if (delta.isZero())
        return false;
    WorldMap* map = WorldMap::getInstance();
    const cocos2d::Vec2 oldPosition = position;
    const cocos2d::Vec2 oldCell = cell;
    auto restore = [&]() {
        position = oldPosition;
        cell = oldCell;
        return false;
    };
    moveTo(oldPosition + delta);
    // Cells are whole parts of the position, which would count a step just
    // past the left or bottom edge as still on the map: test the pixels too.
    const MapTile* tile = position.x < 0.0f || position.y < 0.0f ? nullptr : map->tileAtCell(cell.x, cell.y);
    if (!tile || tile->isBlocked())
        return restore();

    slideAlongWalls(oldPosition, delta);
    GameObject* obstacle = map->findCollidingObject(this);
    if (!obstacle && checkSegment)
        obstacle = map->findObjectOnSegment(Line(oldPosition, position));
    if (obstacle && !stepRound(obstacle))
        return restore();

    setPosition(position);  // virtual: a carried body comes along
    const int walking = weaponRaised ? AnimWalkArmed : AnimWalk;
    if (currentAnimation != walking)
        playAnimation(walking);
    if (mobKind == MobPlayer && cell != oldCell)
        map->setCurrentInterior(cell);
    return true;
}

void GameMob::moveTo(cocos2d::Vec2 point)
{
    position = point;
    cell = WorldMap::pixelToGrid(position.x, position.y);
}

// Walls undo only the part of the step that runs into them, so a mob pressed
// against a wall slides along it.
void GameMob::slideAlongWalls(cocos2d::Vec2 oldPosition, cocos2d::Vec2 delta)
{
    const int* walls = WorldMap::getInstance()->collideWithTiles(this, true);
    if (!WorldMap::anyBlocked(walls))
        return;
    cocos2d::Vec2 slid = position;
    if ((walls[WallUp] == 1 && delta.y > 0.0f) || (walls[WallDown] == 1 && delta.y < 0.0f))
        slid.y = oldPosition.y;
    if ((walls[WallRight] == 1 && delta.x > 0.0f) || (walls[WallLeft] == 1 && delta.x < 0.0f))
        slid.x = oldPosition.x;
    moveTo(slid);
}

// A round mob meeting a round object steps round it: it is put where it just
// touches the object, if that place is free. Anything square stops it.
bool GameMob::stepRound(GameObject* obstacle)
{
    if (!obstacle->isCircle() || !isCircle())
        return false;
    WorldMap* map = WorldMap::getInstance();
    const float away = angleBetween(obstacle->getPosition(), position);
    const float touching = (obstacle->getRadius() + getRadius()) * TouchingSlack;
    moveTo(obstacle->getPosition() + vectorFromAngle(away, touching));
    return !WorldMap::anyBlocked(map->collideWithTiles(this, true)) && !map->findCollidingObject(this);
}

int GameMob::moveTowards(float dt, cocos2d::Vec2 target)
{
    setRotation(angleBetween(position, target));
    if (moveStep(Ahead, 0, mobKind == MobPlayer, dt))
        return fastDistance(position, target) <= ArrivalDistance ? Arrived : Moving;
    if (weaponRaised && (currentAnimation == AnimWalk || currentAnimation == AnimWalkArmed))
        playAnimation(AnimStandArmed);
    else if (!weaponRaised && currentAnimation == AnimWalk)
        playAnimation(AnimStand);
    return Blocked;
}
