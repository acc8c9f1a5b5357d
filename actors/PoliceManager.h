#pragma once
#include "app/Singleton.h"
#include "cocos2d.h"
#include <string>
#include <vector>

class GameMob;
class GameObject;

// An open crime scene. The police fill in what they keep of it (time left,
// suspect, bodies, who was scanned); the hunters read where and how recent.
struct CrimeScene
{
    int32_t severity = 1;
    // From a counter: the highest id is the most recently opened scene.
    int32_t id = 0;
    cocos2d::Vec2 position;
};

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
    // The first security camera that can see the player; null without one.
    GameObject* findCameraSeeing() const;

    // The open scenes, in order of opening; the manager owns them.
    std::vector<CrimeScene*> crimeScenes;

private:
    friend class Singleton<PoliceManager>;
    PoliceManager() = default;
};
