#include "actors/PoliceManager.h"

// Crime scenes, droids and their scans come with the police's own work; until
// then no droid and no scene holds an actor, so there is nothing to forget or
// reset, no alert to recompute, and nobody is wanted.
void PoliceManager::update(float dt)
{
    (void)dt;
}

void PoliceManager::forgetDroidTarget(const GameMob* mob)
{
    (void)mob;
}

void PoliceManager::clearSuspect(const GameMob* mob, bool reassign)
{
    (void)mob;
    (void)reassign;
}

void PoliceManager::releaseEscort(const GameMob* npc)
{
    (void)npc;
}

void PoliceManager::forgetBody(const GameObject* body)
{
    (void)body;
}

void PoliceManager::reset()
{
}

void PoliceManager::updateChaseState()
{
}

bool PoliceManager::isWanted(const GameMob* mob) const
{
    (void)mob;
    return false;
}
