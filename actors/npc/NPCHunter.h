#pragma once
#include "actors/npc/GameNPC.h"
#include "actors/npc/NPCRoles.h"

// The hitman sent after the player: it searches where the player was last
// caught on camera or where the latest crime happened, loiters and listens
// at likely places, and fights the player on sight.
class NPCHunter : public GameNPC
{
public:
    enum HuntMode : int32_t { Hunting = 0, Fighting = 1, Loitering = 2 };

    NPCHunter(CitizenRecord* record, cocos2d::Vec2 cell);

    void update(float dt) override;
    void onScanStart() override;
    void onScanEnd(const std::string& result) override;
    void pathFailed() override;
    void onHeardSound(int loudness, cocos2d::Vec2 position) override;
    void onSawCrime(int severity, cocos2d::Vec2 position, GameMob* culprit) override;
    // The hunter's fight: the target is the watched object (the player).
    void enterCombatMode() override;
    void updateCombatMode(float dt) override;
    // Chooses where to search next; stays unset when no place was found.
    virtual void pickHuntPosition();
    virtual void enterHuntMode();
    virtual void updateHuntMode(float dt);
    virtual void enterLoiterMode();
    virtual void updateLoiterMode(float dt);

    cocos2d::Vec2 huntPosition{-1.0f, -1.0f};
    int32_t huntMode = Hunting;
    NPCRoles::CombatState combat;
    float loiterTimer = 0.0f;
    float puffTimer = 0.0f;
    float noiseHeading = -1.0f;
};
