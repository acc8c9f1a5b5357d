#include "actors/npc/NPCBodyguard.h"
#include "actors/npc/NPCPathOrders.h"
#include "actors/MobManager.h"
#include "actors/Player.h"
#include "app/Geometry.h"
#include "world/WorldMap.h"
#include <cstdlib>

namespace {
// Farther than this from its employer the bodyguard walks back.
constexpr float kGuardReach = 64.0f;

float repositionPause()
{
    return static_cast<float>(2 + rand() % 6);
}

float lookAroundPause()
{
    return static_cast<float>(2 + rand() % 4);
}
}

NPCBodyguard::NPCBodyguard(CitizenRecord* record, int principalCitizenId, cocos2d::Vec2 spawnCell)
    : GameNPC(record, spawnCell), guardAnchor(spawnCell)
{
    roleCode = RoleBodyguard;
    mobKind = MobBodyguard;
    employer = dynamic_cast<GameNPC*>(MobManager::getInstance()->findByCitizenId(principalCitizenId));
}

void NPCBodyguard::update(float dt)
{
    if (health <= 0 || NPCRoles::holdWhileFrozen(*this, dt))
        return;
    if (guardMode == Guarding)
        updateGuardMode(dt);
    else
        updateCombatMode(dt);
}

void NPCBodyguard::onScanStart()
{
    NPCRoles::startScan(*this);
}

void NPCBodyguard::onScanEnd(const std::string& result)
{
    (void)result;
    NPCRoles::endScan(*this);
}

void NPCBodyguard::pathFailed()
{
    waitingForPath = false;
    if (guardMode == Fighting)
        enterGuardMode();
}

// Noises and crimes are the employer's business: a bodyguard is drawn into a
// fight only by what it sees itself or by its employer's death.
void NPCBodyguard::onHeardSound(int loudness, cocos2d::Vec2 point)
{
    (void)loudness;
    (void)point;
}

void NPCBodyguard::onSawCrime(int severity, cocos2d::Vec2 point, GameMob* culprit)
{
    (void)severity;
    (void)point;
    (void)culprit;
}

void NPCBodyguard::followTo(cocos2d::Vec2 cell)
{
    guardAnchor = cell;
    defendPosition.x = -1.0f;
}

bool NPCBodyguard::forgetReferencesTo(const GameObject* object)
{
    GameNPC::forgetReferencesTo(object);
    if (employer != object)
        return false;
    employer = nullptr;
    return true;
}

void NPCBodyguard::enterGuardMode()
{
    watchedObject = nullptr;
    guardMode = Guarding;
    setThoughtBubble(BubbleNone);
    lowerWeapon();
    running = false;
    repositionTimer = repositionPause();
    lookAroundTimer = lookAroundPause();
    debugLog(this, "Guarding.");
}

void NPCBodyguard::updateGuardMode(float dt)
{
    if (!employer || employer->health <= 0)
    {
        turnOnKiller();
        return;
    }
    if (watchedObject)
    {
        if (watchedObject->isMob() && static_cast<GameMob*>(watchedObject)->health <= 0)
            watchedObject = nullptr;
        else
        {
            enterCombatMode();
            return;
        }
    }
    keepClose(dt);
    GameMob::update(dt);
}

// The employer is gone: a player who killed it is shot at; otherwise the
// bodyguard has nothing left to do here.
void NPCBodyguard::turnOnKiller()
{
    playAnimation(AnimStand);
    const Player* player = MobManager::getInstance()->player;
    if (employer && employer->lastHitBy == RolePlayer && player && player->health > 0)
    {
        watchedObject = MobManager::getInstance()->player;
        combat.lastSeen = employer->getPosition();
        enterCombatMode();
        return;
    }
    despawnFlag = true;
}

void NPCBodyguard::keepClose(float dt)
{
    if (defendPosition.x == -1.0f)
        defendPosition = WorldMap::getInstance()->randomNeighbourCell(guardAnchor.x, guardAnchor.y);
    if (fastDistance(position, employer->getPosition()) >= kGuardReach && defendPosition.x != -1.0f &&
        cell != guardAnchor && path.empty() && !waitingForPath)
        moveBodyguards(defendPosition);
    if (cell != defendPosition)
        return;
    repositionTimer -= dt;
    if (repositionTimer <= 0.0f)
    {
        repositionTimer = repositionPause();
        defendPosition.x = -1.0f;
        return;
    }
    lookAroundTimer -= dt;
    if (lookAroundTimer <= 0.0f)
    {
        lookAroundTimer = lookAroundPause();
        setRotation(static_cast<float>(rand() % 360));
    }
}

void NPCBodyguard::enterCombatMode()
{
    guardMode = Fighting;
    setThoughtBubble(BubbleCrime);
    running = true;
    combat.fireTimer = -1.0f;
    path.clear();
    withdrawPathRequest(*this);
    debugLog(this, "Entering combat mode.");
}

void NPCBodyguard::updateCombatMode(float dt)
{
    GameObject* target = watchedObject;
    if (!target || NPCRoles::isDown(target) || !employer)
    {
        enterGuardMode();
        return;
    }
    NPCRoles::CombatRules rules;
    rules.fireInterval = 2.0f;
    rules.raiseBySight = true;
    rules.employer = employer;
    if (NPCRoles::pursue(*this, target, rules, combat, dt))
        return;
    // Lost for good: back to the employer, or away when there is none left.
    if (employer->health > 0)
        enterGuardMode();
    else
        despawnFlag = true;
}
