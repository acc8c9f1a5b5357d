#pragma once
#include "actors/FlyingMob.h"
#include "actors/MobSoundPlatform.h"
#include <string>
#include <vector>

// A slow advertising blimp that crosses the city from one map edge to the
// opposite one, playing the adverts of the zone now and then (never the same
// one twice in a row). The advert playing moves with the blimp while it
// lives and stays where the blimp left it when it goes.
class AdBlimp : public FlyingMob, public MobSoundPlatform
{
public:
    static constexpr int DefinitionId = 51;
    static constexpr float AdvertInterval = 29.0f;

    // Side: the map edge of the destination (as WorldMap::randomEdgeCell).
    explicit AdBlimp(int side);
    ~AdBlimp() override;

    void update(float dt) override;

    // The adverts of a zone: the city-wide ones, and more in the later zones.
    static std::vector<std::string> advertsForZone(int zone);

    cocos2d::Vec2 destination;
};
