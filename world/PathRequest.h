#pragma once
#include "cocos2d.h"
#include <cstdint>

class GameMob;

// A mob's standing request for a path; the mob owns it and files it in a
// Pather queue, the Pather only reads it.
struct PathRequest
{
    cocos2d::Vec2 start{-1.0f, -1.0f};
    cocos2d::Vec2 goal{-1.0f, -1.0f};
    int32_t mode = 0;
    int32_t priority = 4;
    GameMob* requester = nullptr;

    void reset()
    {
        start = cocos2d::Vec2(-1.0f, -1.0f);
        goal = cocos2d::Vec2(-1.0f, -1.0f);
        mode = 0;
        priority = 4;
        requester = nullptr;
    }
};
