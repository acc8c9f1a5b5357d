#pragma once
#include "cocos2d.h"
#include <cstdint>

// One cell of an A* search. Nodes come from the PathNodePool and go back to it
// when the search that used them is reset.
struct PathNode
{
    enum State : int32_t { Fresh = 0, Open = 1, Closed = 2 };

    PathNode* parent = nullptr;
    cocos2d::Vec2 position;
    float g = 0.0f;
    float h = 0.0f;
    float f = 0.0f;
    int32_t state = Fresh;
    // Where the node's entry sits in the open set's heap; -1 when not open.
    int32_t heapIndex = -1;

    void clear()
    {
        parent = nullptr;
        position = cocos2d::Vec2::ZERO;
        g = h = f = 0.0f;
        state = Fresh;
        heapIndex = -1;
    }
};
