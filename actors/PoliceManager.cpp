#include "actors/PoliceManager.h"

// Crime scenes, droids and their scans come with the police's own work; until
// then no droid and no scene holds an actor, so there is nothing to forget.
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

void PoliceManager::reportCrime(int severity, GameMob* culprit, GameObject* droid, cocos2d::Vec2 position,
                                const std::string& reporter)
{
    (void)severity;
    (void)culprit;
    (void)droid;
    (void)position;
    (void)reporter;
}

void PoliceManager::reportBody(GameObject* body, const std::string& reporter)
{
    (void)body;
    (void)reporter;
}

bool PoliceManager::isSuspect(const GameMob* mob) const
{
    (void)mob;
    return false;
}

GameObject* PoliceManager::findCameraSeeing() const
{
    return nullptr;
}
