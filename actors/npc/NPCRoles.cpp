#include "actors/npc/NPCRoles.h"
#include "actors/Projectile.h"
#include "actors/npc/GameNPC.h"
#include "app/Geometry.h"
#include "world/ObjectDef.h"
#include "world/WeaponDef.h"
#include "world/WorldMap.h"
#include <algorithm>
#include <cmath>

namespace {
// An employer within this many degrees of the line of fire blocks the shot.
constexpr float kLineOfFire = 10.0f;

float angleGap(float a, float b)
{
    float gap = std::fmod(std::fabs(a - b), 360.0f);
    return gap > 180.0f ? 360.0f - gap : gap;
}

bool employerInTheWay(const GameNPC& npc, const GameObject* employer, float targetDistance, float targetHeading)
{
    if (!employer || employer->isDead())
        return false;
    const cocos2d::Vec2 at = employer->getPosition();
    return angleGap(angleBetween(npc.getPosition(), at), targetHeading) <= kLineOfFire &&
           targetDistance > fastDistance(npc.getPosition(), at);
}

// The first shot comes one interval after the role could first fire, then
// one every interval.
void fireWhenReady(GameNPC& npc, GameObject* target, const WeaponDef& held, float distance, float interval,
                   NPCRoles::CombatState& state, float dt)
{
    if (!npc.canFire())
        return;
    if (state.fireTimer > 0.0f)
        state.fireTimer = std::max(0.0f, state.fireTimer - dt);
    if (state.fireTimer == 0.0f)
    {
        npc.lastProjectile = nullptr;
        npc.attack(held.rangePenalty(distance));
        if (target->isMob() && static_cast<GameMob*>(target)->mobKind == MobPlayer && npc.lastProjectile)
            npc.lastProjectile->aimedAtPlayer = true;
        state.fireTimer = interval;
    }
    else if (state.fireTimer == -1.0f)
    {
        state.fireTimer = interval;
    }
}

void showCombatPose(GameNPC& npc, bool moving)
{
    int pose = GameMob::AnimStand;
    if (moving)
        pose = npc.weaponRaised ? GameMob::AnimWalkArmed : GameMob::AnimWalk;
    else if (npc.weaponRaised)
        pose = GameMob::AnimStandArmed;
    if (npc.currentAnimation != pose)
        npc.playAnimation(pose);
}
}

namespace NPCRoles
{
void startScan(GameNPC& npc)
{
    npc.frozen = true;
    npc.playAnimation(GameMob::AnimStand);
}

void endScan(GameNPC& npc)
{
    npc.frozen = false;
}

bool holdWhileFrozen(GameNPC& npc, float dt)
{
    if (!npc.frozen)
        return false;
    if (npc.stunTimer > -1.0f)
    {
        npc.stunTimer -= dt;
        if (npc.stunTimer <= 0.0f)
        {
            npc.setThoughtBubble(BubbleNone);
            npc.stunTimer = -1.0f;
            npc.stunned = false;
            npc.frozen = false;
        }
    }
    npc.GameMob::update(dt);
    return true;
}

bool isDown(const GameObject* target)
{
    if (target->isMob())
        return static_cast<const GameMob*>(target)->health <= 0;
    if (target->def && target->def->islure)
        return !target->armed;
    return target->isDead();
}

bool pursue(GameNPC& npc, GameObject* target, const CombatRules& rules, CombatState& state, float dt)
{
    const cocos2d::Vec2 there = target->getPosition();
    const bool seen = npc.canSee(there, target->def && target->def->islure);
    const float distance = fastDistance(npc.getPosition(), there);
    const float heading = angleBetween(npc.getPosition(), there);
    if (rules.raiseBySight)
    {
        if (seen && !npc.weaponRaised)
            npc.raiseWeapon();
        else if (!seen && npc.weaponRaised)
            npc.lowerWeapon();
    }
    if (seen && npc.path.empty())
        npc.setRotation(heading);
    bool moving = !npc.path.empty();
    if (seen)
    {
        state.lastSeen = there;
        // Without a weapon the role can neither close in nor fire.
        const WeaponDef* held = npc.weapon();
        if (held && distance > 2.0f * held->range)
            moving = npc.moveTowards(dt, there) == GameMob::Moving;
        else if (held && !employerInTheWay(npc, rules.employer, distance, heading))
            fireWhenReady(npc, target, *held, distance, rules.fireInterval, state, dt);
    }
    else if (!npc.waitingForPath && npc.path.empty())
    {
        if (state.lastSeen.x == -1.0f)
            return false;
        npc.moveBodyguards(WorldMap::pixelToGrid(state.lastSeen.x, state.lastSeen.y));
        state.lastSeen.x = -1.0f;
    }
    npc.GameMob::update(dt);
    showCombatPose(npc, moving);
    return true;
}
}
