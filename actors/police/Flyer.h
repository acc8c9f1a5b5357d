#pragma once
#include "actors/FlyingMob.h"

// An ambient flying vehicle that crosses the sky from one map edge to the
// opposite one, humming, and leaves the game when it gets there.
class Flyer : public FlyingMob
{
public:
    // The five looks of the flyers.
    static const int Definitions[5];

    // Side: the map edge of the destination (as WorldMap::randomEdgeCell).
    explicit Flyer(int side);
    ~Flyer() override;

    void update(float dt) override;

    cocos2d::Vec2 destination;

private:
    Flyer(int side, int definitionId);
};
