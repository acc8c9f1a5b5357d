#pragma once
#include "app/Singleton.h"

class GameMob;

// Spawns, updates and removes every actor.
class MobManager : public Singleton<MobManager>
{
public:
    // Once a frame: the per-frame update of every living actor.
    void update(float dt);
    // The actor worth pointing out to the player, given the marker's current
    // target; null when there is none.
    GameMob* findNotableMob(GameMob* current);

private:
    friend class Singleton<MobManager>;
    MobManager() = default;
};
