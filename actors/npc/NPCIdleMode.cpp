// Idle: the NPC stands where it is until another mode takes over.
#include "actors/npc/GameNPC.h"

void GameNPC::enterIdleMode()
{
    leaveCurrentMode();
    mode = ModeIdle;
}

void GameNPC::updateIdleMode(float dt)
{
    (void)dt;
}

void GameNPC::leaveIdleMode()
{
    leaveTravelMode();
}
