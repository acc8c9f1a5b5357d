#pragma once
#include "app/Singleton.h"
#include "cocos2d.h"
#include <string>

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

    // A witness reports a crime of the severity at a pixel position, naming
    // the culprit (may be null); droid is the reporting droid, null for a citizen.
    void reportCrime(int severity, GameMob* culprit, GameObject* droid, cocos2d::Vec2 position,
                     const std::string& reporter);
    // A citizen reports a body it found.
    void reportBody(GameObject* body, const std::string& reporter);
    bool isSuspect(const GameMob* mob) const;

private:
    friend class Singleton<PoliceManager>;
    PoliceManager() = default;
};
