#pragma once
#include "actors/GameObject.h"
#include <deque>

// One order of a flying robot: fly to a point, hover in place, or done.
struct FlightOrder
{
    enum Type : int32_t { FlyTo = 0, Hover = 1, Finished = 2 };

    int32_t type = FlyTo;
    cocos2d::Vec2 point{-1.0f, -1.0f};
};

// The base of the flying robots (blimps, cleaning droids, ambient flyers and
// police droids). A flyer has no height level: it ignores walls and buildings
// and works through a queue of flight orders, speeding up towards its cruising
// speed, slowing to half of it near the goal and landing exactly on the goal
// when the next step would pass it. With nothing to do it hovers with a small
// wobble of its sprite.
class FlyingMob : public GameObject
{
public:
    enum FlyingType : int32_t { AmbientFlyer = 0, PoliceDrone = 1, AdvertBlimp = 2 };

    FlyingMob(int definitionId, float turnRate, float acceleration, float cruisingSpeed, float slowDownRadius);
    // A flyer of a definition at hand (tests pass one that is not in GameData).
    FlyingMob(ObjectDef* definition, bool buildSpritesNow, float turnRate, float acceleration, float cruisingSpeed,
              float slowDownRadius);
    ~FlyingMob() override;

    void update(float dt) override;

    void addOrder(bool replace, cocos2d::Vec2 point);
    // The order's point is the cell's corner, not its centre.
    void addOrderAtCell(bool replace, cocos2d::Vec2 cell);
    // Replaces the queue with six goals drawn from the eight sectors of the map.
    void pickRandomGoals();
    bool flyTowards(const FlightOrder& order, float dt);
    // The bob of a hovering flyer; never ends the hover order.
    bool wander();

    float currentSpeed = 0.0f;
    float cruisingSpeed = 0.0f;
    float slowDownRadius = 0.0f;
    float turnRate = 0.0f;
    float acceleration = 0.0f;
    float hoverTimer = 0.0f;
    int32_t flyingType = AmbientFlyer;
    std::deque<FlightOrder> orders;

private:
    void turnTowards(cocos2d::Vec2 point, float dt);
    void approachSpeed(float targetSpeed, float dt);
};
