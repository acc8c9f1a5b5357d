// What the NPC makes of what it sees and hears: threats, crimes, noises,
// police scans, flash-bangs, and a path that could not be found.
#include "actors/npc/GameNPC.h"
#include "actors/Inventory.h"
#include "actors/MobManager.h"
#include "actors/citizens/CitizenRecord.h"
#include "actors/citizens/CitizenRoutine.h"
#include "app/Geometry.h"
#include "world/WeaponDef.h"
#include <cstdlib>

namespace {
constexpr int kDeclaredEnemy = 2;
constexpr int kPlayerIsEnemy = -2;
constexpr float kBoldCourage = 50.0f;
constexpr float kReportingCourage = 75.0f;
constexpr float kShootingArmedTrait = 70.0f;
constexpr float kCloseNoise = 64.0f;
constexpr int AnimHalt = 6;

bool holdsWarmupWeapon(const GameMob* mob)
{
    const WeaponDef* weapon = mob ? mob->weapon() : nullptr;
    return weapon && weapon->warmup != -1.0f;
}
}

void GameNPC::checkThreats(GameMob* other, bool forced)
{
    watchedObject = other;
    if (watchMode == kDeclaredEnemy)
    {
        if (mode == ModeCombat || mode == ModeFlee)
            return;
        if (watchId != kPlayerIsEnemy)
        {
            const CitizenActor* citizen = MobManager::citizenOf(other);
            if (citizen && citizen->citizenId() == watchId)
                enterCombatMode();
            else
                watchedObject = nullptr;
            return;
        }
        if (other->mobKind != MobPlayer)
            return;
        if (hasBodyguards)
            MobManager::getInstance()->bodyguardsKnowPlayer(citizenId());
        if (!other->currentWeapon)
            enterFleeMode(other);
        else
            enterCombatMode();
        return;
    }
    if (hasPendingReport() || mode == ModeCombat || mode == ModeFlee)
        return;
    if (!forced && !other->weaponRaised)
        return;
    // A nervous target approached by an unarmed player has no weapon to
    // judge by: only its courage decides.
    if (record->courage > kBoldCourage || holdsWarmupWeapon(other))
        onSawCrime(0, other->getPosition(), other);
    else
        enterFleeMode(other);
}

void GameNPC::onSawCrime(int severity, cocos2d::Vec2 where, GameMob* culprit)
{
    // A witness with a report on its way keeps its pause: begun again at
    // every sight (a carried body in view is reacted to every frame), it
    // would never come to file the report.
    if (health <= 0 || mobKind == MobContact || mode == ModeCombat || mode == ModeFlee || hasPendingReport())
        return;
    const bool bold = record->courage > kBoldCourage || holdsWarmupWeapon(culprit);
    if (bold && record->armedTrait > kShootingArmedTrait)
    {
        watchedObject = culprit;
        enterCombatMode();
        return;
    }
    if (record->courage <= kReportingCourage)
    {
        enterFleeMode(culprit);
        return;
    }
    reportSeverity = severity;
    reportPosition = where;
    reportCulprit = culprit;
    float pause = static_cast<float>(2 + rand() % 4);
    if (alertCountdown > 0.0f)
        pause *= 0.5f;
    if (mode == ModeActivity)
        enterTravelMode();
    playAnimation(AnimHalt);
    standStill = pause;
    setRotation(angleBetween(position, where));
    setThoughtBubble(BubbleScared);
}

void GameNPC::onHeardSound(int loudness, cocos2d::Vec2 where)
{
    if (health <= 0 || loudness < 1 || mobKind == MobContact || mode == ModeFlee || mode == ModeCombat)
        return;
    if (alertCountdown == -1.0f)
        alertCountdown = 0.0f;
    alertCountdown += static_cast<float>(11 + rand() % 10);
    const float distance = fastDistance(position, where);
    if ((mode == ModeActivity && activity == ActivityHear) || queuedActivity == ActivityHear)
    {
        if (queuedActivity == ActivityHear)
        {
            enterActivityMode(ActivityHear);
            setThoughtBubble(BubbleHear);
        }
        else
            turnTowards(angleBetween(position, where));
    }
    else
    {
        enterActivityMode(ActivityLook);
        if (rand() % 3 + 1 == 1 || distance < kCloseNoise)
            turnTowards(angleBetween(position, where));
    }
    if (hasBodyguards)
        MobManager::getInstance()->alertBodyguardsOf(citizenId(), where);
}

void GameNPC::onFlashbang(float duration)
{
    stunTimer = duration;
    stunned = true;
    setThoughtBubble(BubbleScared);
    playAnimation(weaponRaised ? AnimStandArmed : AnimStand);
    frozen = true;
}

void GameNPC::onScanStart()
{
    if (health <= 0 || mode == ModeCombat)
        return;
    if (inventory && inventory->hasContraband())
    {
        running = true;
        return;
    }
    frozen = true;
    playAnimation(weaponRaised ? AnimStandArmed : AnimStand);
}

void GameNPC::onScanEnd(const std::string& result)
{
    (void)result;
    if (health > 0)
        frozen = false;
}

void GameNPC::pathFailed()
{
    if (!waitingForPath)
    {
        debugLog(this, "Path failed with no request waiting.");
        return;
    }
    if (mode == ModeFlee)
    {
        fleeDestination.x = -1.0f;
        GameMob::pathFailed();
        return;
    }
    GameMob::pathFailed();
    if (!routine)
        return;
    routine->goingHome = false;
    routine->destination = cocos2d::Vec2(-1.0f, -1.0f);
}
