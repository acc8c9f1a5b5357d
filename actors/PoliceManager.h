#pragma once
#include "app/Singleton.h"

class GameMob;
class GameObject;

// Crimes, suspects, alerts and the police droids' dispatch.
class PoliceManager : public Singleton<PoliceManager>
{
public:
    void update(float dt);

    // An actor leaves the game: every droid scanning it drops it, every crime
    // scene loses it as suspect (with reassign, another ground mob is named),
    // every droid escorting it lets go, and no scene keeps it among its bodies.
    void forgetDroidTarget(const GameMob* mob);
    void clearSuspect(const GameMob* mob, bool reassign);
    void releaseEscort(const GameMob* npc);
    void forgetBody(const GameObject* body);

private:
    friend class Singleton<PoliceManager>;
    PoliceManager() = default;
};
