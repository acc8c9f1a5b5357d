#include "actors/MissionManager.h"

// Offering and judging contracts come with the contracts' own work.
void MissionManager::update(float dt)
{
    (void)dt;
}
