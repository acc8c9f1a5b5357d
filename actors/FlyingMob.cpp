#include "actors/FlyingMob.h"
#include "2d/Sprite.h"
#include "app/Geometry.h"
#include "world/GameData.h"
#include "world/WorldMap.h"
#include <algorithm>
#include <cstdlib>

namespace {
constexpr int GoalCount = 6;
constexpr int SectorCount = 8;
constexpr int SectorsPerRow = 4;
}

FlyingMob::FlyingMob(int definitionId, float turn, float accel, float cruising, float slowDown)
    : FlyingMob(GameData::getInstance()->getObjectDef(definitionId), true, turn, accel, cruising, slowDown)
{
}

FlyingMob::FlyingMob(ObjectDef* definition, bool buildSpritesNow, float turn, float accel, float cruising,
                     float slowDown)
    : GameObject(definition, false, FlyingRobot),
      cruisingSpeed(cruising),
      slowDownRadius(slowDown),
      turnRate(turn),
      acceleration(accel)
{
    heightLevel = NoLevel;
    if (buildSpritesNow)
        createSprites();
}

FlyingMob::~FlyingMob() = default;

void FlyingMob::update(float dt)
{
    GameObject::update(dt);
    if (orders.empty())
    {
        FlightOrder hover;
        hover.type = FlightOrder::Hover;
        orders.push_back(hover);
        return;
    }
    const FlightOrder order = orders.front();
    switch (order.type)
    {
    case FlightOrder::FlyTo:
        if (flyTowards(order, dt))
            orders.pop_front();
        break;
    case FlightOrder::Hover:
        // The hover order stays until the robot gives new orders.
        hoverTimer -= dt;
        if (hoverTimer <= 0.0f)
            wander();
        break;
    case FlightOrder::Finished:
        orders.pop_front();
        break;
    default:
        break;
    }
}

void FlyingMob::addOrder(bool replace, cocos2d::Vec2 point)
{
    if (replace)
        orders.clear();
    FlightOrder order;
    order.type = FlightOrder::FlyTo;
    order.point = point;
    orders.push_back(order);
}

void FlyingMob::addOrderAtCell(bool replace, cocos2d::Vec2 cell)
{
    addOrder(replace, WorldMap::gridToPixel(cell.x, cell.y));
}

void FlyingMob::pickRandomGoals()
{
    orders.clear();
    const WorldMap* map = WorldMap::getInstance();
    const int w = map->width;
    const int h = map->height;
    for (int i = 0; i < GoalCount; ++i)
    {
        const int sector = rand() % SectorCount;
        const int row = sector >= SectorsPerRow ? 1 : 0;
        const int column = sector % SectorsPerRow;
        const cocos2d::Vec2 goal(static_cast<float>(w / 4 * column + w / 8), static_cast<float>(h / 2 * row + h / 4));
        addOrderAtCell(false, goal);
    }
}

bool FlyingMob::flyTowards(const FlightOrder& order, float dt)
{
    if (position == order.point)
        return true;
    turnTowards(order.point, dt);
    const float distance = fastDistance(position, order.point);
    approachSpeed(distance <= slowDownRadius ? cruisingSpeed * 0.5f : cruisingSpeed, dt);
    const float step = currentSpeed * dt;
    if (step < distance)
        GameObject::setPosition(position + vectorFromAngle(heading, step));
    else
        GameObject::setPosition(order.point);
    // Arrival is seen on the next frame, when the position equals the goal.
    return false;
}

// The heading follows the goal's direction, trailing it by the turn step
// towards up the map. A goal straight up or down gets that direction at once:
// otherwise a flyer facing away from such a goal would never turn to it.
void FlyingMob::turnTowards(cocos2d::Vec2 point, float dt)
{
    const float a = angleBetween(position, point);
    const float s = turnRate * dt;
    float newHeading = a;
    if (a > 0.0f && a < 180.0f && s < a)
        newHeading = a - s;
    else if (a > 180.0f && s < 360.0f - a)
        newHeading = a + s;
    setRotation(newHeading);
}

void FlyingMob::approachSpeed(float targetSpeed, float dt)
{
    const float change = acceleration * dt;
    if (currentSpeed < targetSpeed)
        currentSpeed = std::min(targetSpeed, currentSpeed + change);
    else if (currentSpeed > targetSpeed)
        currentSpeed = std::max(targetSpeed, currentSpeed - change);
}

bool FlyingMob::wander()
{
    hoverTimer = static_cast<float>(rand() % 4 + 3) * 0.1f;
    if (mainSprite)
    {
        const float dx = static_cast<float>(rand() % 200 + 1) * 0.007f - 1.0f;
        const float dy = static_cast<float>(rand() % 200 + 1) * 0.007f - 1.0f;
        mainSprite->setPosition(position + cocos2d::Vec2(dx, dy));
    }
    return false;
}
