#pragma once
#include "cocos2d.h"

class Line;

// A rectangle by its centre, size and angle in radians.
struct RotatedRect
{
    float centreX;
    float centreY;
    float width;
    float height;
    float angle;
};

// Distance by the fast inverse square root (about 0.2 % error); equal points
// give exactly 0.
float fastDistance(const cocos2d::Vec2& a, const cocos2d::Vec2& b);

// Heading from a to b in degrees [0, 360), clockwise from +y.
float angleBetween(const cocos2d::Vec2& a, const cocos2d::Vec2& b);

// (length sin h, length cos h) for heading h in degrees.
cocos2d::Vec2 vectorFromAngle(float heading, float length);
cocos2d::Vec2 pointAtAngle(const cocos2d::Vec2& origin, float distance, float heading);

// Both coordinates truncate to the same integers (callers pass cells).
bool sameCell(const cocos2d::Vec2& a, const cocos2d::Vec2& b);

// A point at a random heading and a whole-number distance below radius.
cocos2d::Vec2 randomPointAround(const cocos2d::Vec2& centre, float radius);
bool coinFlip();

cocos2d::Vec2 closestPointOnSegment(const cocos2d::Vec2& a, const cocos2d::Vec2& b, const cocos2d::Vec2& p);
bool segmentIntersectsCircle(const cocos2d::Vec2& a, const cocos2d::Vec2& b, const cocos2d::Vec2& centre, float radius);
bool circleIntersectsSegment(const Line& line, const cocos2d::Vec2& centre, float radius);

// Hit tests against the four edges of a rectangle turned by heading degrees
// about its centre; a shape wholly inside touches no edge and gives false.
bool segmentIntersectsSegmentRect(const Line& line, const cocos2d::Rect& rect, float heading);
bool circleIntersectsRotatedRect(const cocos2d::Vec2& centre, const cocos2d::Rect& rect, float radius, float heading);

bool rotatedRectsIntersect(const cocos2d::Rect& rectA, const cocos2d::Rect& rectB, float headingA, float headingB);
bool rotatedRectsCollide(const RotatedRect& r1, const RotatedRect& r2);
