#pragma once
#include "actors/contracts/ContractActors.h"

// The police side of what a contract needs from the city's actors: a target
// with a police escort gets a droid of its own, and lets it go when the
// contract ends. The class that makes targets and bodyguards derives from
// this one and is the one registered with MissionManager::setActors.
class PoliceEscorts : public ContractActors
{
public:
    void requestEscort(GameMob* target) override;
    void releaseEscort(GameMob* target) override;
};
