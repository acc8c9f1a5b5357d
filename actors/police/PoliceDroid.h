#pragma once
#include "actors/FlyingMob.h"
#include "actors/MobSoundPlatform.h"
#include "actors/WeaponsPlatform.h"
#include "actors/police/PoliceDroidTexts.h"
#include <cstdint>
#include <string>

class CrimeScene;
class GameMob;

// The flying police robot. The police manager keeps a quota of them on duty,
// sends them to crime scenes and lends one to a contract target that travels
// with a police escort. A droid patrols at random, circles the scene it was
// sent to, scans the people it meets there and gives its verdict (a fine, or
// punishment), shoots the scene's suspect with its turret, escorts an NPC,
// and spins out of the sky when an EMP hits it. Two lamps and the turret hang
// under its sprite as objects of their own.
//
// The modes live in PoliceDroidModes.cpp, the scan and its verdict in
// PoliceDroidScan.cpp.
class PoliceDroid : public FlyingMob, public MobSoundPlatform, public WeaponsPlatform
{
public:
    enum Mode : int32_t { Patrol = 0, Enforce = 1, Scan = 2, Combat = 4, Escort = 5, Disabled = 6 };
    // Lamp colours (policeLampColours).
    enum Lamp : int32_t { LampWhite = 0, LampBlue = 1, LampOlive = 2, LampRed = 3, LampAmber = 4 };

    static constexpr int DefinitionId = 52;
    // Anyone alive this close to the droid is within its guns' reach.
    static constexpr float AttackRange = 192.0f;
    // Scans run for this long once the droid hovers by its target.
    static constexpr float ScanSeconds = 8.0f;

    PoliceDroid();
    ~PoliceDroid() override;

    void createSprites() override;
    void update(float dt) override;

    virtual void updatePatrolMode(float dt);
    virtual void updateEnforceMode(float dt);
    virtual void updateCombatMode(float dt);
    virtual void updateScanMode(float dt);
    virtual void updateDisabledMode(float dt);
    virtual void updateEscortMode(float dt);

    // "`9Police Drone a123" and the like.
    std::string getName() const;

    void enterPatrolMode();
    // The police manager sets the crime scene first.
    void enterEnforceMode(bool bark);
    void enterScanMode(GameMob* target);
    void leaveScanMode(const std::string& message);
    void finishScan(bool resisted);
    void enterCombatMode();
    void enterEscortMode(GameMob* npc);
    void enterDisabledMode();

    void clearPlayerAlert();
    void setLampColour(int index);
    void pickPatrolPoint(bool wide);
    void flyToPatrolPoint();
    void pickEscortPoint();
    // No flight order, or only hovering.
    bool isFlightIdle() const;

    // The child objects under the droid's sprite (null when gone).
    GameObject* getTurret() const { return turret; }
    GameObject* getLamp(int index) const { return index == 0 ? lamp1 : lamp2; }

    float spinRate = -1.0f;
    float fallHeading = -1.0f;
    float fallSpeed = -1.0f;
    float shutdownTime = -1.0f;
    // Leave the city: the police manager removes the droid once it is off screen.
    bool despawn = false;
    int32_t lampColour = LampWhite;
    bool missedShot = false;
    int32_t mode = Patrol;
    CrimeScene* crimeScene = nullptr;
    float patrolWaitElapsed = 0.0f;
    float patrolWait = 0.0f;
    // x = -1 means none.
    cocos2d::Vec2 patrolPoint{-1.0f, -1.0f};
    cocos2d::Vec2 enforceCentre;
    GameMob* escortedNpc = nullptr;
    cocos2d::Vec2 escortPoint;
    float escortWait = 0.0f;
    bool warned = false;
    GameMob* scanTarget = nullptr;
    cocos2d::Vec2 scanPosition;
    int32_t m_flyAttempts = 0;
    // -1 until the droid hovers by its target.
    float scanTime = -1.0f;
    int32_t serialNumber = 0;

private:
    void buildChildren();
    void hangLamp(cocos2d::Sprite* light, cocos2d::Vec2 anchor);
    void removeLamps();
    void lookAtWatched();
    void turnTurretTowards(cocos2d::Vec2 point);
    void resetTurret();
    // The mode's voice lines; null leaves the droid silent.
    void setVoice(const PoliceDroidTexts::VoiceLines* lines);
    bool scanningPlayer() const;
    bool isSuspectInReach() const;
    // Releases the scanned person and forgets the scan; the next mode is left
    // to the caller.
    void releaseScanTarget(const std::string& message);
    void approachScanTarget();
    void continueScan(float dt);
    void punish(const std::string& message);
    void fireAtSuspect(GameMob* suspect);
    void queueOwnRemoval();

    std::string displayName;
    GameObject* turret = nullptr;
    GameObject* lamp1 = nullptr;
    GameObject* lamp2 = nullptr;
    bool removalQueued = false;
};
