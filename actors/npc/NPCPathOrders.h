#pragma once
#include "actors/GameMob.h"
#include "world/Pather.h"

// A mode that takes over an NPC's walking (standing to fight, running off,
// walking up to a body) withdraws the way it asked for before: an answer
// arriving later would send the NPC along its old errand instead.
inline void withdrawPathRequest(GameMob& mob)
{
    if (!mob.waitingForPath)
        return;
    Pather::getInstance()->cancelRequests(&mob);
    mob.waitingForPath = false;
}
