#pragma once
#include "cocos2d.h"

class FlyingMob;

// The blimps and the ambient flyers cross the city from one map edge to the
// opposite one and leave the game on arrival.
namespace EdgeCrossing
{
// A random point on the map edge of that side (1 the row y = 0, 3 the column
// x = 0, 4 the last column, any other the last row): a cell's corner.
cocos2d::Vec2 destinationOn(int side);
// One frame of the crossing, flight included. False when the robot has
// arrived and left the game: the caller must not touch it again.
bool fly(FlyingMob& robot, cocos2d::Vec2 destination, float dt);
}
