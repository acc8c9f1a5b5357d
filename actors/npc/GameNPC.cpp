// The NPC's construction, its identity for the actor manager, and the order
// of its per-frame update around the behaviour modes.
#include "actors/npc/GameNPC.h"
#include "actors/npc/NPCPathOrders.h"
#include "actors/Inventory.h"
#include "actors/MobManager.h"
#include "actors/Player.h"
#include "actors/police/PoliceManager.h"
#include "actors/citizens/CitizenRecord.h"
#include "actors/citizens/CitizenRoutine.h"
#include "actors/contracts/Contract.h"
#include "actors/contracts/MissionManager.h"
#include "app/GameInterface.h"
#include "app/Geometry.h"
#include "world/ObjectDef.h"
#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>

namespace {
constexpr float kArmedTraitForGun = 50.0f;
constexpr int kHeavyWeapon = 405;
constexpr int kSecondWeapon = 74;
constexpr int kFirstWeapon = 73;
constexpr float kParanoidPace = 1.2f;
constexpr float kNervousDistance = 8.0f;
const char* const kSpawnTypeNames[] = {"Pedestrian"};

float wrapHeading(float heading)
{
    heading = std::fmod(heading, 360.0f);
    return heading < 0.0f ? heading + 360.0f : heading;
}
}

void NPCTimer::advance(float dt)
{
    fired = false;
    if (duration == -1.0f)
        return;
    elapsed += dt;
    if (elapsed >= duration)
    {
        fired = true;
        duration = -1.0f;
        elapsed = 0.0f;
    }
}

void NPCTimer::restart(float newDuration)
{
    elapsed = 0.0f;
    duration = newDuration;
}

void debugLog(const GameNPC* npc, const char* format, ...)
{
    // The commentary is for a debugger's eyes only: it is built and dropped.
    (void)npc;
    char buffer[16384];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
}

GameNPC::GameNPC(CitizenRecord* citizen, cocos2d::Vec2 home)
    : GameMob(citizen->appearanceId), homeCell(home), record(citizen)
{
    stateChange.duration = walkingSpell();
    if (record->paranoid)
        walkSpeed *= kParanoidPace;
    record->spawned = true;
    // A blank errand: the first travel update draws a real one.
    routine = std::make_unique<CitizenRoutine>(*record, homeCell, cell);
    routine->destination = cocos2d::Vec2(-1.0f, -1.0f);
    mobKind = MobCitizen;
    debugLog(this, "Spawned at type %s.", kSpawnTypeNames[spawnType]);
    name = record->fullName;
    roleCode = record->gangMember ? RoleGangMember : RoleCitizen;
    arm();
    debugLog(this, "My home is %f, %f", homeCell.x, homeCell.y);
}

GameNPC::~GameNPC()
{
    Contract* contract = MissionManager::getInstance()->acceptedContract();
    if (contract && contract->target == record.get() && !contract->ownsTargetRecord())
    {
        contract->takeRecordBack();
        record.release();
    }
    if (thoughtBubble)
    {
        thoughtBubble->removeFromParent();
        thoughtBubble = nullptr;
    }
}

void GameNPC::arm()
{
    if (record->armedTrait <= kArmedTraitForGun)
        return;
    const GameInterface* game = GameInterface::getInstance();
    if (rand() % 100 + 1 <= game->firstWeaponPercent)
        giveWeapon(kHeavyWeapon);
    else
        giveWeapon(rand() % 100 + 1 <= game->secondWeaponPercent ? kSecondWeapon : kFirstWeapon);
}

float GameNPC::walkingSpell()
{
    return 30.0f + static_cast<float>(rand() % 6 + 1 + rand() % 6 + 1 + rand() % 6 + 1);
}

void GameNPC::giveWeapon(int objectDefinitionId)
{
    if (!inventory || !inventory->addItem(objectDefinitionId))
        return;
    if (inventory->countWeapons() >= 1)
    {
        equip(inventory, inventory->nextWeapon(currentWeapon));
        return;
    }
    currentWeapon = nullptr;
    inventory->ammoId = -1;
    inventory->recount();
}

void GameNPC::setPosition(cocos2d::Vec2 point)
{
    GameObject::setPosition(point);
    placeThoughtBubble();
}

bool GameNPC::isDead() const
{
    return health < 1;
}

bool GameNPC::isAcceptedTarget() const
{
    return MissionManager::getInstance()->acceptedContract() && MissionManager::getInstance()->target() == this;
}

void GameNPC::update(float dt)
{
    updatePathWatchdog(dt);
    updateStun(dt);
    checkNervousTarget();
    if (frozen)
    {
        GameMob::update(dt);
        return;
    }
    updateAlert(dt);
    reactToWatchedObject();
    stateChange.advance(dt);
    activityTimer.advance(dt);
    updateTurning(dt);
    runModeUpdate(dt);
    if (holdStill(dt))
        return;
    if (hasPendingReport() && mode != ModeFlee && mode != ModeCombat)
    {
        filePendingReport();
        debugLog(this, "Reported crime.");
        setThoughtBubble(BubbleNone);
    }
    GameMob::update(dt);
}

void GameNPC::updatePathWatchdog(float dt)
{
    if (!waitingForPath)
    {
        pathWatchdog = -1.0f;
        return;
    }
    if (pathWatchdog == -1.0f)
    {
        pathWatchdog = kPathWatchdog;
        return;
    }
    pathWatchdog -= dt;
    if (pathWatchdog > 0.0f)
        return;
    debugLog(this, "CRITICAL ERROR: %d seconds with no sane resolution to my pathing problem. Returning to Travel mode.",
             static_cast<int>(kPathWatchdog));
    pathWatchdog = -1.0f;
    routine->goingHome = false;
    routine->destination.x = -1.0f;
    dropPendingReport();
    requestedBubble = BubbleNone;
    refreshThoughtBubble();
    enterTravelMode();
    withdrawPathRequest(*this);
}

void GameNPC::updateStun(float dt)
{
    if (stunTimer <= -1.0f)
        return;
    stunTimer -= dt;
    if (stunTimer > 0.0f)
        return;
    requestedBubble = BubbleNone;
    refreshThoughtBubble();
    stunTimer = -1.0f;
    stunned = false;
    frozen = false;
}

void GameNPC::checkNervousTarget()
{
    if (!record->paranoid || mode == ModeFlee || mode == ModeCombat)
        return;
    Player* player = MobManager::getInstance()->player;
    if (!player || player->health <= 0 || !isAcceptedTarget())
        return;
    if (fastDistance(position, player->getPosition()) > kNervousDistance)
        return;
    frozen = false;
    checkThreats(player, true);
}

void GameNPC::updateAlert(float dt)
{
    if (alertCountdown == -1.0f)
    {
        viewAngle = kNormalView;
        return;
    }
    alertCountdown -= dt;
    viewAngle = kAlertView;
    if (alertCountdown <= 0.0f)
        alertCountdown = -1.0f;
}

void GameNPC::reactToWatchedObject()
{
    GameObject* seen = watchedObject;
    if (!seen)
        return;
    if (seen->isDead() && seen->carried)
    {
        onSawCrime(1, seen->getPosition(), MobManager::getInstance()->findCarrierOf(seen));
        // A witness that stands still to report takes no look round, so the
        // sighting would follow the body wherever it is carried: it is
        // reported once, and the next look tells whether it is still in view.
        if (watchedObject == seen)
            watchedObject = nullptr;
        return;
    }
    const bool activeLure = !seen->isDead() && seen->def && seen->def->islure && seen->armed;
    if (seen->isDead() || activeLure)
    {
        if (mode != ModeInvestigation && mode != ModeFlee)
            enterInvestigationMode();
        return;
    }
    if (seen->isMob())
        checkThreats(static_cast<GameMob*>(seen), false);
}

void GameNPC::turnTowards(float newHeading)
{
    turnTarget = wrapHeading(newHeading);
}

// A clockwise turn (up to half a circle) is taken at once; an anticlockwise
// one is walked round at the turning speed. Either way the shorter side of
// the circle, so a turn across north never swings the long way round.
void GameNPC::updateTurning(float dt)
{
    if (turnTarget == -1.0f)
        return;
    float delta = wrapHeading(turnTarget - heading);
    if (delta > 180.0f)
        delta -= 360.0f;
    const float step = kTurnSpeed * dt;
    if (delta >= 0.0f || -delta <= step)
    {
        setRotation(turnTarget);
        turnTarget = -1.0f;
        return;
    }
    setRotation(wrapHeading(heading - step));
}

void GameNPC::runModeUpdate(float dt)
{
    switch (mode)
    {
    case ModeTravel: updateTravelMode(dt); break;
    case ModeActivity: updateActivityMode(dt); break;
    case ModeIdle: updateIdleMode(dt); break;
    case ModeCombat: updateCombatMode(dt); break;
    case ModeFlee: updateFleeMode(dt); break;
    case ModeInvestigation: updateInvestigationMode(dt); break;
    default: break;
    }
}

void GameNPC::leaveCurrentMode()
{
    switch (mode)
    {
    case ModeTravel: leaveTravelMode(); break;
    case ModeActivity: leaveActivityMode(); break;
    case ModeIdle: leaveIdleMode(); break;
    case ModeCombat: leaveCombatMode(); break;
    case ModeFlee: leaveFleeMode(); break;
    case ModeInvestigation: leaveInvestigationMode(); break;
    default: break;
    }
}

// True when the NPC stands still this frame and so does nothing else.
bool GameNPC::holdStill(float dt)
{
    if (standStill <= 0.0f)
        return false;
    standStill -= dt;
    if (standStill < 0.0f)
        standStill = 0.0f;
    return true;
}

void GameNPC::moveBodyguards(cocos2d::Vec2 target)
{
    if (hasBodyguards)
        MobManager::getInstance()->moveBodyguardsOf(citizenId(), target);
    findPath(target, true);
}

void GameNPC::drawNewRoutine()
{
    routine = std::make_unique<CitizenRoutine>(*record, homeCell, cell);
}

bool GameNPC::rememberCitizen(GameObject* other)
{
    if (!other || !other->isMob() || static_cast<GameMob*>(other)->mobKind != MobCitizen)
        return false;
    const CitizenActor* citizen = MobManager::citizenOf(other);
    if (citizen && !record->knowsCitizen(citizen->citizenId()))
        record->friends.push_back(citizen->citizenId());
    return true;
}

void GameNPC::dropPendingReport()
{
    reportCulprit = nullptr;
    reportPosition = cocos2d::Vec2(-1.0f, -1.0f);
}

void GameNPC::filePendingReport()
{
    PoliceManager::getInstance()->reportCrime(reportSeverity, reportCulprit, nullptr, reportPosition,
                                              record->fullName);
    dropPendingReport();
}

int GameNPC::citizenId() const
{
    return record->id;
}

bool GameNPC::isContact() const
{
    return record->contact;
}

bool GameNPC::isGangMember() const
{
    return record->gangMember;
}

bool GameNPC::knowsCitizen(int id) const
{
    return record->knowsCitizen(id);
}

void GameNPC::followTo(cocos2d::Vec2 point)
{
    (void)point;
}

bool GameNPC::forgetReferencesTo(const GameObject* object)
{
    if (reportCulprit == object)
        reportCulprit = nullptr;
    if (investigated == object)
        investigated = nullptr;
    return false;
}

void GameNPC::releaseRoutine()
{
    routine.reset();
}

void GameNPC::setArmedTrait(float armedTrait)
{
    record->armedTrait = armedTrait;
}
