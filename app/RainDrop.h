#pragma once
#include "cocos2d.h"

// One falling rain drop: a small 3D mesh in the world node that falls from
// the rain height to the ground of its cell, where it splashes and is sent up
// again somewhere else.
class RainDrop
{
public:
    // The height (map pixels) at which drops start and restart.
    static constexpr float kStartZ = 192.0f;

    // A drop over the map pixel point; without the "Rain.obj" mesh it has no
    // node and stays out of sight.
    explicit RainDrop(cocos2d::Vec2 point);
    ~RainDrop();
    RainDrop(const RainDrop&) = delete;
    RainDrop& operator=(const RainDrop&) = delete;

    // Moves the drop to a new point at the start height; the landing height
    // becomes that of the new cell.
    void placeAt(cocos2d::Vec2 point);
    // The landing height in map pixels (the same scale as a node's z).
    float landingZ() const;

    cocos2d::Sprite3D* node = nullptr;
    cocos2d::Vec2 cell;
    // Height level of the ground under the drop: the overlay's height when the
    // cell has one, else the cell's level; 0 off the map or without a tile.
    int groundHeight = 0;

private:
    void attachToWorld();
};
