#include "actors/police/EdgeCrossing.h"
#include "actors/FlyingMob.h"
#include "actors/MobManager.h"
#include "world/WorldMap.h"
#include <cfloat>
#include <cmath>

namespace EdgeCrossing
{
cocos2d::Vec2 destinationOn(int side)
{
    const cocos2d::Vec2 cell = WorldMap::getInstance()->randomEdgeCell(side);
    return WorldMap::gridToPixel(cell.x, cell.y);
}

bool fly(FlyingMob& robot, cocos2d::Vec2 destination, float dt)
{
    const cocos2d::Vec2 at = robot.getPosition();
    if (std::fabs(at.x - destination.x) < FLT_EPSILON && std::fabs(at.y - destination.y) < FLT_EPSILON)
    {
        MobManager::getInstance()->removeMob(&robot);
        return false;
    }
    // A new order replaces the hover: one queued behind it would never be reached.
    if (robot.orders.empty() || robot.orders.front().type == FlightOrder::Hover)
        robot.addOrder(true, destination);
    robot.FlyingMob::update(dt);
    return true;
}
}
