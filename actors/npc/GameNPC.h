#pragma once
#include "actors/CitizenActor.h"
#include "actors/GameMob.h"
#include "actors/npc/NPCMode.h"
#include <memory>

class CitizenRecord;
class CitizenRoutine;

// A countdown that raises its fired flag for exactly one frame when it runs
// out, then switches itself off (duration -1). Setting a new duration keeps
// the time already run; only a firing or an explicit restart clears it.
struct NPCTimer
{
    float elapsed = 0.0f;
    float duration = -1.0f;
    bool fired = false;

    void advance(float dt);
    void restart(float newDuration);
    bool running() const { return duration != -1.0f; }
};

// The walking non-player character: every citizen, gang member and contract
// target, and the base of the bodyguard, contact and hunter roles. It carries
// its citizen record and current errand, notices threats, crimes, bodies,
// lures and noises, and runs one of six behaviour modes (NPCMode.h); the
// modes' enter, update and leave live in one file per mode.
class GameNPC : public GameMob, public CitizenActor
{
public:
    // Takes the record (a contract hands its target's over).
    GameNPC(CitizenRecord* record, cocos2d::Vec2 homeCell);
    ~GameNPC() override;

    void setPosition(cocos2d::Vec2 position) override;
    bool isDead() const override;
    void update(float dt) override;
    void onKilled() override;
    void onScanStart() override;
    void onScanEnd(const std::string& result) override;
    void pathFailed() override;
    void onFlashbang(float duration) override;
    // What the police ask of a witness: still in its pause (it notices
    // nothing), and whom its report, not yet filed, names.
    bool isStandingStill() const override { return standStill > 0.0f; }
    const GameMob* pendingReportCulprit() const override { return hasPendingReport() ? reportCulprit : nullptr; }

    // Behaviour modes: each triple is defined in its own NPC*Mode.cpp.
    virtual void leaveCurrentMode();
    void onHeardSound(int loudness, cocos2d::Vec2 position) override;
    void onSawCrime(int severity, cocos2d::Vec2 position, GameMob* culprit) override;
    virtual void enterActivityMode(int activity);
    virtual void updateActivityMode(float dt);
    virtual void leaveActivityMode();
    virtual void enterInvestigationMode();
    virtual void onInvestigationArrived();
    virtual void updateInvestigationMode(float dt);
    virtual void leaveInvestigationMode();
    virtual void enterCombatMode();
    virtual void updateCombatMode(float dt);
    virtual void leaveCombatMode();
    virtual void enterTravelMode();
    virtual void updateTravelMode(float dt);
    virtual void leaveTravelMode();
    virtual void enterIdleMode();
    virtual void updateIdleMode(float dt);
    virtual void leaveIdleMode();
    virtual void enterFleeMode(GameMob* threat);
    virtual void updateFleeMode(float dt);
    virtual void leaveFleeMode();
    // Every walk to a cell: the bodyguards are sent along, then the NPC's own path is asked for.
    virtual void moveBodyguards(cocos2d::Vec2 cell);

    // An actor in view: flee, fight, or take it as a crime.
    void checkThreats(GameMob* other, bool forced);
    void setThoughtBubble(int bubble);
    void refreshThoughtBubble();
    void placeThoughtBubble();
    // A citizen met joins the friends list; false for anything else.
    bool rememberCitizen(GameObject* other);
    // A report waiting to be filed.
    bool hasPendingReport() const { return reportPosition.x != -1.0f; }
    void dropPendingReport();
    // Files the pending report with the police and clears it.
    void filePendingReport();
    // A fresh errand replaces the current one.
    void drawNewRoutine();

    // CitizenActor.
    int citizenId() const override;
    bool isContact() const override;
    bool isGangMember() const override;
    bool knowsCitizen(int id) const override;
    bool isClaimedByCleaner() const override { return claimedByCleaner; }
    const CitizenRecord* citizenRecord() const override { return record.get(); }
    bool isContractTarget() const override { return contractTarget; }
    GameMob* principal() const override { return nullptr; }
    int bodyguardMode() const override { return 0; }
    void followTo(cocos2d::Vec2 point) override;
    bool forgetReferencesTo(const GameObject* object) override;
    void releaseRoutine() override;
    void setArmedTrait(float armed) override;
    void giveWeapon(int objectDefinitionId) override;

    // How far the stand-still and turning go, and the alert's wider view.
    static constexpr float kTurnSpeed = 400.0f;
    static constexpr float kNormalView = 50.0f;
    static constexpr float kAlertView = 80.0f;
    static constexpr float kPathWatchdog = 10.0f;

    bool contractTarget = false;
    float pathWatchdog = -1.0f;
    float stunTimer = -1.0f;
    bool claimedByCleaner = false;
    NPCTimer stateChange;
    NPCTimer activityTimer;
    float alertCountdown = -1.0f;
    float standStill = 0.0f;
    cocos2d::Vec2 reportPosition{-1.0f, -1.0f};
    int32_t reportSeverity = 1;
    GameMob* reportCulprit = nullptr;
    cocos2d::Vec2 homeCell;
    std::unique_ptr<CitizenRoutine> routine;
    cocos2d::Vec2 fleeDestination;
    float aimTimer = 0.0f;
    float turnTarget = -1.0f;
    float viewingDistance = 0.0f;
    bool arrived = false;
    // The object an investigation looks at. The watched object can change
    // under an investigation (the perception scan refills it, a threat takes
    // its place, going back to travel clears it before leaving), so the object
    // looked at is kept apart from it; the actor manager clears it when the
    // object leaves the game.
    GameObject* investigated = nullptr;
    int32_t shownBubble = BubbleNone;
    int32_t requestedBubble = BubbleNone;
    std::unique_ptr<CitizenRecord> record;
    int32_t mode = ModeTravel;
    int32_t activity = ActivityNone;
    int32_t queuedActivity = ActivityNone;
    int32_t spawnType = 0;

protected:
    // 30 + 3d6 seconds: how long an NPC walks before it pauses.
    static float walkingSpell();
    // Whether this NPC is the accepted contract's spawned target.
    bool isAcceptedTarget() const;
    // Sets a new turn towards the heading, wrapped into [0, 360).
    void turnTowards(float heading);

private:
    void updatePathWatchdog(float dt);
    void updateStun(float dt);
    void checkNervousTarget();
    void updateAlert(float dt);
    void reactToWatchedObject();
    void updateTurning(float dt);
    void runModeUpdate(float dt);
    bool holdStill(float dt);
    void arm();
    GameObject* dropOnDeath(bool package);
    void countPlayerKill(bool wasTarget, GameObject* wallet);
    void reportPoliceKill(bool wasTarget);
    bool applyContractOutcome();
};

// The NPCs' commentary of their decisions: formatted and dropped.
void debugLog(const GameNPC* npc, const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 2, 3)))
#endif
    ;
