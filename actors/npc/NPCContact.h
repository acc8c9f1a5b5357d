#pragma once
#include "actors/npc/GameNPC.h"

class MapMarker;

// The contract dealer: walks to a free contact marker of the map and loiters
// there for good, smoking or looking round, with the Chat bubble showing. The
// player opens the dealer's window beside it. It ignores noises and crimes.
class NPCContact : public GameNPC
{
public:
    enum Behaviour : int32_t { NoBehaviour = 0, Smoking = 1, LookingRound = 2 };

    NPCContact(CitizenRecord* record, cocos2d::Vec2 cell);

    void update(float dt) override;
    void onKilled() override;
    void onScanStart() override;
    void onScanEnd(const std::string& result) override;
    void pathFailed() override;
    // Smokes or looks round at the marker.
    virtual void idleAtMarker(float dt);

    float loiterTimer = -1.0f;
    MapMarker* marker = nullptr;
    float actionTimer = -1.0f;
    float behaviourTimer = -1.0f;
    int32_t behaviour = NoBehaviour;

private:
    void standAtMarker();
};
