#pragma once
#include "cocos2d.h"

class CitizenRecord;
class GameMob;

// What accepting a contract needs from the actors that walk the city: the
// NPC classes, the actor manager and the police. Their owner registers one
// with MissionManager::setActors; without it no target walks the city.
class ContractActors
{
public:
    virtual ~ContractActors();

    // Builds the target's NPC on the record at the pixel position (the NPC
    // takes the record), gives it the role of an assassination target and the
    // contract-target mark, and hands it to the actor manager. Null when no
    // NPC could be made.
    virtual GameMob* spawnTarget(CitizenRecord* record, cocos2d::Vec2 position) = 0;
    // Builds a bodyguard for the target at the position, paranoid as given,
    // and hands it to the actor manager. Null when none could be made.
    virtual GameMob* spawnBodyguard(GameMob* principal, cocos2d::Vec2 position, bool paranoid) = 0;
    // The police escort of a target.
    virtual void requestEscort(GameMob* target) = 0;
    virtual void releaseEscort(GameMob* target) = 0;
};
