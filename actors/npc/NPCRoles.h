#pragma once
#include "cocos2d.h"

class GameNPC;
class GameObject;

// What the bodyguard, the contact and the hunter share. None of them runs the
// citizen's update; each keeps these few pieces of it instead.
namespace NPCRoles
{
// A police scan holds the role still in its plain pose until it ends.
void startScan(GameNPC& npc);
void endScan(GameNPC& npc);
// While frozen (a scan or a flash-bang) the role only lets its body move on;
// a flash-bang's stun still counts down. True when the frame ends there.
bool holdWhileFrozen(GameNPC& npc, float dt);

// How an armed role fights: the bodyguard minds its weapon by sight and its
// employer in the line of fire; the hunter does neither and fires faster.
struct CombatRules
{
    float fireInterval = 2.0f;
    bool raiseBySight = false;
    // Held fire while this one stands in the line of fire (null: nobody).
    const GameObject* employer = nullptr;
};

// A role's fight state: time to the next shot (-1 before the first aim) and
// where the target was last seen (x -1 when unknown).
struct CombatState
{
    float fireTimer = -1.0f;
    cocos2d::Vec2 lastSeen{-1.0f, -1.0f};
};

// A target done with: an actor without health, a lure no longer switched on
// (nothing can down it), or an object that counts as dead.
bool isDown(const GameObject* target);

// One frame of closing in on and firing at the target, following it to where
// it was last seen. False when the target is lost for good (the caller
// decides what follows); the body's own update has then not run.
bool pursue(GameNPC& npc, GameObject* target, const CombatRules& rules, CombatState& state, float dt);
}
