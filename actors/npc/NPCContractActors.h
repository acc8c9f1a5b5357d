#pragma once
#include "actors/contracts/ContractActors.h"

// The contract manager's way to the NPCs: the target walks as a GameNPC
// marked as the contract's target; bodyguards come from the actor manager's
// bodyguard maker.
class NPCContractActors : public ContractActors
{
public:
    GameMob* spawnTarget(CitizenRecord* record, cocos2d::Vec2 position) override;
    GameMob* spawnBodyguard(GameMob* principal, cocos2d::Vec2 position, bool paranoid) override;
    // The police escort belongs to the police.
    void requestEscort(GameMob* target) override;
    void releaseEscort(GameMob* target) override;
};
