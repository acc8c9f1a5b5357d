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

    // A level or a run starts: no crime, suspect or alert is left.
    void reset();
    // Recomputes the alert flags (the HUD's badge, the chase music) after
    // the scenes or the droids changed.
    void updateChaseState();
    // The mob is the suspect of a crime scene, or a living witness is about
    // to report it.
    bool isWanted(const GameMob* mob) const;

    // Set for each run by the zone and difficulty: the percent chance that a
    // new crime scene raises the police level, and the droids on duty on top
    // of the level's quota.
    int levelUpChance = 50;
    int extraDroids = 0;

private:
    friend class Singleton<PoliceManager>;
    PoliceManager() = default;
};
