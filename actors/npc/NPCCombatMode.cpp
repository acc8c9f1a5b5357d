// Combat: the NPC stands its ground and shoots at the watched actor until it
// falls or gets away.
#include "actors/npc/GameNPC.h"
#include "actors/npc/NPCPathOrders.h"
#include "actors/Projectile.h"
#include "app/Geometry.h"
#include "world/WeaponDef.h"
#include <cstdlib>

namespace {
// Beyond this distance the target has got away and the NPC runs instead.
constexpr float kLostDistance = 192.0f;

// 1.3 to 4 seconds between shots: most NPCs are slow, a few are quick.
float nextAim()
{
    return 1.0f + 3.0f / static_cast<float>(rand() % 10 + 1);
}
}

void GameNPC::enterCombatMode()
{
    // The target is the watched object. Leaving an investigation must not
    // take it for the object that was looked at.
    GameObject* target = watchedObject;
    leaveCurrentMode();
    watchedObject = target;
    path.clear();
    withdrawPathRequest(*this);
    mode = ModeCombat;
    setThoughtBubble(BubbleCrime);
    aimTimer = nextAim();
    raiseWeapon();
    debugLog(this, "Entering combat mode.");
}

void GameNPC::updateCombatMode(float dt)
{
    if (!watchedObject)
    {
        enterTravelMode();
        return;
    }
    // Only actors can be fought; anything else keeps the NPC waiting here.
    if (!watchedObject->isMob())
        return;
    GameMob* target = static_cast<GameMob*>(watchedObject);
    const float distance = fastDistance(position, target->getPosition());
    if (target->health <= 0 || distance >= kLostDistance)
    {
        watchedObject = nullptr;
        if (target->health <= 0)
            enterTravelMode();
        else
            enterFleeMode(target);
        return;
    }
    const WeaponDef* held = weapon();
    if (!held || !canFire())
        return;
    aimTimer -= dt;
    if (aimTimer > 0.0f)
        return;
    aimTimer += nextAim();
    setRotation(angleBetween(position, target->getPosition()));
    lastProjectile = nullptr;
    attack(held->rangePenalty(distance));
    if (target->mobKind == MobPlayer && lastProjectile)
        lastProjectile->aimedAtPlayer = true;
}

void GameNPC::leaveCombatMode()
{
    lowerWeapon();
    playAnimation(AnimStand);
}
