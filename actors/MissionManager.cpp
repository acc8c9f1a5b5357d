#include "actors/MissionManager.h"

// Offering, accepting and judging contracts come with the contracts' own
// work; until then no contract is ever accepted.
void MissionManager::update(float dt)
{
    (void)dt;
}

void MissionManager::failContract(int reason)
{
    (void)reason;
    target = nullptr;
}

int MissionManager::targetCitizenId() const
{
    return -1;
}

bool MissionManager::targetHasTracker() const
{
    return false;
}
