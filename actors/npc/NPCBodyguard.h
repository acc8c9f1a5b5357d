#pragma once
#include "actors/npc/GameNPC.h"
#include "actors/npc/NPCRoles.h"

// Escorts a contract target: keeps to a cell next to its employer, looks
// round, and shoots whoever its perception scan finds or whoever killed its
// employer. It neither reports, flees nor listens like a citizen.
class NPCBodyguard : public GameNPC
{
public:
    enum GuardMode : int32_t { Guarding = 0, Fighting = 1 };

    NPCBodyguard(CitizenRecord* record, int principalCitizenId, cocos2d::Vec2 cell);

    void update(float dt) override;
    void onScanStart() override;
    void onScanEnd(const std::string& result) override;
    void pathFailed() override;
    void onHeardSound(int loudness, cocos2d::Vec2 position) override;
    void onSawCrime(int severity, cocos2d::Vec2 position, GameMob* culprit) override;
    // The bodyguard's own fight, beside the citizen's: the target is the watched object.
    void enterCombatMode() override;
    void updateCombatMode(float dt) override;
    virtual void enterGuardMode();
    virtual void updateGuardMode(float dt);
    // The employer walks somewhere: guard round that cell from now on.
    void followTo(cocos2d::Vec2 cell) override;

    // CitizenActor.
    GameMob* principal() const override { return employer; }
    int bodyguardMode() const override { return guardMode; }
    bool forgetReferencesTo(const GameObject* object) override;

    float repositionTimer = 0.0f;
    float lookAroundTimer = 2.0f;
    cocos2d::Vec2 guardAnchor;
    cocos2d::Vec2 defendPosition;
    GameNPC* employer = nullptr;
    int32_t guardMode = Guarding;
    NPCRoles::CombatState combat;

private:
    void turnOnKiller();
    void keepClose(float dt);
};
