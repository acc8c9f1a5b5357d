#pragma once
#include "cocos2d.h"

// A wall or sight segment from one end point to the other, made on the spot
// by the world's wall and sight tests.
class Line : public cocos2d::Ref
{
public:
    Line(const cocos2d::Vec2& first, const cocos2d::Vec2& second);
    virtual ~Line();

    // True when the two segments cross or touch (aligned segments count when an
    // end of one lies within the other's extents).
    bool intersects(const Line& other) const;

    cocos2d::Vec2 first;
    cocos2d::Vec2 second;
};
