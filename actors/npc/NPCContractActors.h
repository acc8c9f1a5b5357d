#pragma once
#include "actors/police/PoliceEscorts.h"

// The contract manager's way to the NPCs: the target walks as a GameNPC
// marked as the contract's target; bodyguards come from the actor manager's
// bodyguard maker; the police escort is the police's own.
class NPCContractActors : public PoliceEscorts
{
public:
    GameMob* spawnTarget(CitizenRecord* record, cocos2d::Vec2 position) override;
    GameMob* spawnBodyguard(GameMob* principal, cocos2d::Vec2 position, bool paranoid) override;
};
