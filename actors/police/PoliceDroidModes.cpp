// The police droid's modes: patrol, enforcing a crime scene, combat with the
// scene's suspect, escorting an NPC, and the fall after an EMP. The scan has
// a file of its own (PoliceDroidScan.cpp).
#include "actors/GameMob.h"
#include "actors/MobManager.h"
#include "actors/Projectile.h"
#include "actors/police/CrimeScene.h"
#include "actors/police/PoliceDroid.h"
#include "actors/police/PoliceManager.h"
#include "app/Geometry.h"
#include "app/StringHelpers.h"
#include "world/ObjectDef.h"
#include "world/WeaponDef.h"
#include <cfloat>
#include <cmath>
#include <cstdlib>

namespace {
constexpr int AnimCalm = 0;
constexpr int AnimAlert = 1;
constexpr int AnimDown = 2;
constexpr int TurretIdle = 0;
constexpr int TurretFire = 1;
constexpr float PatrolRadius = 96.0f;
constexpr int PatrolSpread = 64;
constexpr int WidePatrolSpread = 128;
constexpr float ScanReach = 0.7f;
constexpr float ChaseDistance = 128.0f;
constexpr float FirstShotDelay = 2.0f;
constexpr float EscortSlack = 2.0f;
// Inaccuracy of a shot beyond the weapon's range: falls from 10 to 0 over
// 200 px, then stays at 10.
constexpr float FalloffDistance = 200.0f;
constexpr float FalloffRate = 0.05f;
constexpr float WildShot = 10.0f;
const cocos2d::Vec2 LeavingPoint(0.0f, 0.0f);

int dieSix()
{
    return rand() % 6 + 1;
}

bool isPlayer(const GameMob* mob)
{
    return mob && mob->mobKind == MobPlayer;
}

float inaccuracyAt(float distance, float range)
{
    if (distance <= range)
        return 0.0f;
    const float beyond = distance - range;
    return beyond <= FalloffDistance ? (FalloffDistance - beyond) * FalloffRate : WildShot;
}
}

// Orders that replace what the droid was doing rather than queue behind it
// (an order behind a hover is never reached), and only when they change it.
static void flyTo(PoliceDroid* droid, cocos2d::Vec2 point)
{
    const std::deque<FlightOrder>& orders = droid->orders;
    if (orders.empty() || orders.front().type != FlightOrder::FlyTo || orders.front().point != point ||
        orders.size() > 1)
        droid->addOrder(true, point);
}

void PoliceDroid::enterPatrolMode()
{
    if (mode == Scan)
        releaseScanTarget(std::string());
    clearPlayerAlert();
    crimeScene = nullptr;
    patrolPoint = cocos2d::Vec2(-1.0f, -1.0f);
    orders.clear();
    mode = Patrol;
    setLampColour(LampWhite);
    playAnimation(AnimCalm);
    setVoice(nullptr);
}

void PoliceDroid::updatePatrolMode(float dt)
{
    (void)dt;
    if (currentAnimation != AnimCalm)
        playAnimation(AnimCalm);
    if (isFlightIdle())
        pickRandomGoals();
}

void PoliceDroid::enterEnforceMode(bool bark)
{
    if (mode == Scan)
        releaseScanTarget(std::string());
    clearPlayerAlert();
    enforceCentre = crimeScene ? crimeScene->position : position;
    setLampColour(crimeScene && isPlayer(crimeScene->suspect) ? LampAmber : LampOlive);
    mode = Enforce;
    orders.clear();
    playAnimation(AnimAlert);
    setVoice(bark ? &PoliceDroidTexts::PatrolBark : nullptr);
}

void PoliceDroid::updateEnforceMode(float dt)
{
    if (!isFlightIdle())
        return;
    if (!crimeScene || crimeScene->timeLeft <= 0.0f)
    {
        enterPatrolMode();
        return;
    }
    if (isSuspectInReach())
    {
        enterCombatMode();
        return;
    }
    if (currentAnimation != AnimAlert)
        playAnimation(AnimAlert);
    if (patrolPoint.x == -1.0f)
    {
        pickPatrolPoint(crimeScene->old);
        flyToPatrolPoint();
        return;
    }
    const bool atPoint =
        std::fabs(position.x - patrolPoint.x) < FLT_EPSILON && std::fabs(position.y - patrolPoint.y) < FLT_EPSILON;
    if (!atPoint)
    {
        flyTo(this, patrolPoint);
        return;
    }
    if (patrolWait == 0.0f)
    {
        patrolWait = static_cast<float>(5 + dieSix() + dieSix());
        return;
    }
    GameObject* someone = MobManager::getInstance()->pickMobInRadius(false, &crimeScene->scannedIds, true, position,
                                                                     ScanReach * sightRange);
    if (someone && someone->isMob())
    {
        enterScanMode(static_cast<GameMob*>(someone));
        return;
    }
    patrolWaitElapsed += dt;
    if (patrolWaitElapsed >= patrolWait)
        patrolPoint = cocos2d::Vec2(-1.0f, -1.0f);
}

bool PoliceDroid::isSuspectInReach() const
{
    const GameMob* suspect = crimeScene ? crimeScene->suspect : nullptr;
    return suspect && suspect->health > 0 && fastDistance(position, suspect->getPosition()) <= AttackRange;
}

void PoliceDroid::pickPatrolPoint(bool wide)
{
    const int r = rand() % 100 + 1;
    const int radius = static_cast<int>(PatrolRadius) + (wide ? WidePatrolSpread : PatrolSpread) / r;
    const float angle = static_cast<float>(rand() % 360);
    patrolPoint = pointAtAngle(enforceCentre, static_cast<float>(radius), angle);
}

void PoliceDroid::flyToPatrolPoint()
{
    addOrder(true, patrolPoint);
    patrolWaitElapsed = 0.0f;
    patrolWait = 0.0f;
}

void PoliceDroid::enterCombatMode()
{
    if (mode == Scan)
        releaseScanTarget(std::string());
    clearPlayerAlert();
    mode = Combat;
    setLampColour(LampRed);
    playAnimation(AnimAlert);
    if (crimeScene && crimeScene->suspect)
        enforceCentre = crimeScene->suspect->getPosition();
    pickPatrolPoint(false);
    setVoice(&PoliceDroidTexts::Combat);
    pendingSound = formatString(PoliceDroidTexts::Engaging.pattern, rand() % PoliceDroidTexts::Engaging.count + 1);
    reloadTimer = FirstShotDelay;
    PoliceManager::getInstance()->updateChaseState();
}

void PoliceDroid::updateCombatMode(float dt)
{
    (void)dt;
    GameMob* suspect = crimeScene ? crimeScene->suspect : nullptr;
    if (!suspect || suspect->health < 1 || suspect->isOnUpperLevel())
    {
        // The suspect is neutralised: the scene closes and every droid on it patrols again.
        if (turret)
            turret->playAnimation(TurretIdle);
        resetTurret();
        if (crimeScene)
            PoliceManager::getInstance()->closeCrimeScene(crimeScene);
        else
            enterPatrolMode();
        return;
    }
    const cocos2d::Vec2 target = suspect->getPosition();
    turnTurretTowards(target);
    if (position == patrolPoint)
    {
        if (missedShot || fastDistance(position, target) > ChaseDistance)
        {
            enforceCentre = target;
            pickPatrolPoint(false);
            missedShot = false;
        }
    }
    else
        flyTo(this, patrolPoint);
    if (reloadTimer == 0.0f)
        fireAtSuspect(suspect);
}

void PoliceDroid::fireAtSuspect(GameMob* suspect)
{
    const WeaponDef* gun = weapon();
    const float distance = fastDistance(position, suspect->getPosition());
    const float inaccuracy = gun ? inaccuracyAt(distance, gun->range) : 0.0f;
    if (!tryFire(angleBetween(position, suspect->getPosition()), inaccuracy))
        return;
    if (isPlayer(suspect) && lastProjectile)
        lastProjectile->aimedAtPlayer = true;
    missedShot = true;
    if (turret)
        turret->playAnimation(TurretFire);
}

void PoliceDroid::enterEscortMode(GameMob* npc)
{
    if (mode == Scan)
        releaseScanTarget(std::string());
    clearPlayerAlert();
    mode = Escort;
    setLampColour(LampWhite);
    playAnimation(AnimCalm);
    escortWait = 0.0f;
    escortedNpc = npc;
    pickEscortPoint();
    setVoice(nullptr);
}

void PoliceDroid::pickEscortPoint()
{
    if (!escortedNpc)
    {
        escortPoint = position;
        return;
    }
    const float angle = escortedNpc->heading + static_cast<float>(rand() % 40 - 19);
    const float distance = static_cast<float>(rand() % 16 + 49);
    escortPoint = pointAtAngle(escortedNpc->getPosition(), distance, angle);
    addOrder(true, escortPoint);
}

void PoliceDroid::updateEscortMode(float dt)
{
    if (!escortedNpc)
    {
        // Released: leave the city once, towards the map's corner.
        if (!despawn)
        {
            despawn = true;
            addOrder(true, LeavingPoint);
        }
        return;
    }
    if (!isFlightIdle())
        return;
    if (fastDistance(position, escortPoint) > EscortSlack)
    {
        flyTo(this, escortPoint);
        return;
    }
    escortWait -= dt;
    if (escortWait <= 0.0f)
    {
        pickEscortPoint();
        escortWait = static_cast<float>(rand() % 6 + 5);
    }
}

void PoliceDroid::enterDisabledMode()
{
    if (mode == Disabled)
        return;
    // The scanned person goes free.
    if (mode == Scan)
        releaseScanTarget(std::string());
    clearPlayerAlert();
    spinRate = static_cast<float>(rand() % 20 + 121);
    fallHeading = static_cast<float>(rand() % 360);
    fallSpeed = static_cast<float>(rand() % 96 + 65);
    mode = Disabled;
    shutdownTime = static_cast<float>(rand() % 10 + 6);
    setVoice(nullptr);
    pendingSound.clear();
    playAnimation(AnimDown);
    removeLamps();
    orders.clear();
    // A dead droid sees nothing, so it neither reports nor is asked to.
    stunned = true;
    watchedObject = nullptr;
}

void PoliceDroid::updateDisabledMode(float dt)
{
    shutdownTime -= dt;
    if (shutdownTime > 0.0f)
    {
        setRotation(heading + spinRate * dt);
        setPosition(position + vectorFromAngle(fallHeading, fallSpeed * dt));
        return;
    }
    queueOwnRemoval();
}
