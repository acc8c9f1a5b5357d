#include "actors/MobManager.h"

// The actor lists come with the actors' own work.
void MobManager::update(float dt)
{
    (void)dt;
}

GameMob* MobManager::findNotableMob(GameMob* current)
{
    (void)current;
    return nullptr;
}
