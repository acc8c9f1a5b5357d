// What the actors, the police, the droids, the bullets and the HUD ask of the
// actor lists: overlaps, picks in a radius, threats, blasts, the notable
// actor, contacts and bodyguards.
#include "actors/CitizenActor.h"
#include "actors/FlyingMob.h"
#include "actors/GameMob.h"
#include "actors/contracts/MissionManager.h"
#include "actors/MobManager.h"
#include "actors/Player.h"
#include "actors/PopulationSettings.h"
#include "app/Geometry.h"
#include "world/ObjectDef.h"
#include "world/WorldMap.h"
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {
constexpr float FlashbangSeconds = 5.0f;
constexpr float BlastCoreRadius = 16.0f;
constexpr int ExplosionCause = 4;
constexpr int PlayerRole = 2;
constexpr float NotableNearDistance = 32.0f;
constexpr float ContactReach = 1.5f;
constexpr float BodyguardStrayDistance = 160.0f;
constexpr int SeeksPlayer = -2;
constexpr int AnyCitizen = -1;
constexpr int BodyQuery = 3;

bool seesAllRound(const GameObject* object)
{
    return object->def && object->def->islure;
}

bool lists(const std::vector<int>* ids, int id)
{
    return ids && std::find(ids->begin(), ids->end(), id) != ids->end();
}

// A distance from the position beyond which no part of the object's shape
// lies: the radius of a circle, half the sides of a rectangle (at least its
// half-diagonal), with a pixel to spare.
float reachOf(const GameObject* object)
{
    if (object->isCircle())
        return object->getRadius() + 1.0f;
    const cocos2d::Vec2 size = object->getSize();
    return 0.5f * (std::fabs(size.x) + std::fabs(size.y)) + 1.0f;
}

int citizenIdOf(const GameObject* mob)
{
    const CitizenActor* citizen = MobManager::citizenOf(mob);
    return citizen ? citizen->citizenId() : -1;
}
}

GameMob* MobManager::segmentHitTest(const GameObject* object, const GameObject* ignored) const
{
    // Every bullet asks this of every walker each frame: a plain distance
    // test passes over the far ones before the exact shape test.
    const float objectReach = reachOf(object);
    for (GameMob* mob : groundMobs)
    {
        if (mob == object || mob == ignored || mob->health <= 0)
            continue;
        const float reach = objectReach + reachOf(mob);
        if (mob->getPosition().distanceSquared(object->getPosition()) > reach * reach)
            continue;
        if (mob->overlaps(object))
            return mob;
    }
    return nullptr;
}

// A contact shot in crossfire lies in the list until its body is cleaned
// away, while a living one takes its trade: only the living are led to.
GameMob* MobManager::nearestContact() const
{
    GameMob* nearest = nullptr;
    float best = 0.0f;
    for (GameMob* contact : contacts)
    {
        if (contact->health <= 0)
            continue;
        if (!player)
            return contact;
        const float distance = fastDistance(contact->getPosition(), player->getPosition());
        if (!nearest || distance < best)
        {
            best = distance;
            nearest = contact;
        }
    }
    return nearest;
}

GameMob* MobManager::findByCitizenId(int citizenId) const
{
    for (GameMob* mob : groundMobs)
    {
        const CitizenActor* citizen = citizenOf(mob);
        if (citizen && citizen->citizenId() == citizenId)
            return mob;
    }
    return nullptr;
}

GameMob* MobManager::findCarrierOf(const GameObject* object) const
{
    if (player && player->carriedBody == object)
        return player;
    for (GameMob* mob : groundMobs)
    {
        if (mob->carriedBody == object)
            return mob;
    }
    return nullptr;
}

GameMob* MobManager::findBodyNear(cocos2d::Vec2 point, float radius) const
{
    for (GameMob* mob : groundMobs)
    {
        if (mob->isVisibleBody() && !mob->carried && fastDistance(mob->getPosition(), point) <= radius)
            return mob;
    }
    return nullptr;
}

GameObject* MobManager::pickMobInRadius(bool bodiesOnly, const std::vector<int>* excludedIds, bool livingOnly,
                                        cocos2d::Vec2 point, float radius) const
{
    const PopulationSettings* population = PopulationSettings::getInstance();
    const bool excluding = excludedIds && !excludedIds->empty();
    auto playerPasses = [&](bool livingTest) {
        return player && !(livingTest && player->health <= 0) &&
               fastDistance(player->getPosition(), point) < radius && !(bodiesOnly && !player->isDead()) &&
               !(excluding && lists(excludedIds, -1));
    };
    const bool playerFirst = rand() % 2 == 0;
    if (playerFirst && playerPasses(livingOnly))
        return player;
    for (GameMob* mob : groundMobs)
    {
        if (bodiesOnly)
        {
            const CitizenActor* citizen = citizenOf(mob);
            if (citizen && citizen->isClaimedByCleaner())
                continue;
        }
        if (!(fastDistance(mob->getPosition(), point) < radius))
            continue;
        if (livingOnly && mob->health <= 0)
            continue;
        if (bodiesOnly && (!mob->isDead() || population->isClaimedByCleaner(mob)))
            continue;
        // A body on someone's shoulder, or one sinking in the water, is nobody's to clean.
        if (bodiesOnly && (mob->carried || mob->corpseTimer != -1.0f))
            continue;
        if (lists(excludedIds, citizenIdOf(mob)))
            continue;
        return mob;
    }
    if (!playerFirst && playerPasses(false))
        return player;
    if (excludedIds)
        return nullptr;
    for (FlyingMob* mob : flyingMobs)
    {
        if (!(fastDistance(mob->getPosition(), point) < radius))
            continue;
        if (bodiesOnly && (!mob->isDead() || population->isClaimedByCleaner(mob)))
            continue;
        return mob;
    }
    return nullptr;
}

GameObject* MobManager::findThreatFor(int kind, int soughtId, const GameObject* looker, cocos2d::Vec2 point,
                                      float radius) const
{
    if (soughtId == SeeksPlayer)
    {
        if (player && player->health > 0 && looker && looker->canSee(player->getPosition(), seesAllRound(player)))
            return player;
    }
    if (looker && looker->isMob() && static_cast<const GameMob*>(looker)->mobKind == MobPlayer)
        return nullptr;
    if (player && isThreatCandidate(player, kind, soughtId, looker, point, radius))
        return player;
    for (GameMob* mob : groundMobs)
    {
        if (isThreatCandidate(mob, kind, soughtId, looker, point, radius))
            return mob;
    }
    // A lure draws people only while it is switched on.
    for (GameObject* lure : WorldMap::getInstance()->lures)
    {
        if (lure->armed && looker && looker->canSee(lure->getPosition(), seesAllRound(lure)))
            return lure;
    }
    return nullptr;
}

bool MobManager::isThreatCandidate(const GameMob* candidate, int kind, int soughtId, const GameObject* looker,
                                   cocos2d::Vec2 point, float radius) const
{
    if (candidate == looker || !(fastDistance(candidate->getPosition(), point) < radius))
        return false;
    if (soughtId != AnyCitizen && !(candidate->mobKind == MobCitizen && citizenIdOf(candidate) == soughtId))
        return false;
    bool friendTest = false;
    if (candidate->health <= 0)
    {
        if (kind == BodyQuery)
        {
            if (!candidate->isDead() || PopulationSettings::getInstance()->isClaimedByCleaner(candidate))
                return false;
            friendTest = true;
        }
    }
    else
    {
        if (!candidate->weaponRaised)
            return false;
        friendTest = kind == BodyQuery;
    }
    if (friendTest && looker)
    {
        // One does not take a friend for a threat. The id asked about is the
        // sought one, so that the ordinary scan (-1) never counts as a friend.
        const CitizenActor* lookerCitizen = citizenOf(looker);
        if (lookerCitizen && candidate->mobKind == MobCitizen && soughtId != AnyCitizen &&
            lookerCitizen->knowsCitizen(soughtId))
            return false;
    }
    if (!looker)
        return true;
    return looker->canSee(candidate->getPosition(), seesAllRound(candidate));
}

void MobManager::flashbangAt(cocos2d::Vec2 point, float radius)
{
    const WorldMap* map = WorldMap::getInstance();
    // The dead are not stunned: a body holds its death frame.
    auto caught = [&](const GameMob* mob) {
        const float distance = fastDistance(mob->getPosition(), point);
        return mob->health > 0 && distance <= radius &&
               map->hasLineOfSight(0, point, angleBetween(point, mob->getPosition()), distance);
    };
    // A copy: a stunned actor may react by spawning or leaving.
    const std::vector<GameMob*> mobs = groundMobs;
    for (GameMob* mob : mobs)
    {
        if (caught(mob))
            mob->onFlashbang(FlashbangSeconds);
    }
    if (player && caught(player))
        player->onFlashbang(FlashbangSeconds);
}

void MobManager::explosionAt(cocos2d::Vec2 point, float radius, float damage)
{
    const WorldMap* map = WorldMap::getInstance();
    auto blastReaches = [&](const GameMob* mob) {
        return map->hasLineOfSight(0, point, angleBetween(point, mob->getPosition()), radius);
    };
    // The dead keep who killed them: a blast over a body does not make it the
    // player's murder.
    auto hit = [&](GameMob* victim) {
        if (victim->health > 0)
            victim->lastHitBy = PlayerRole;
        victim->takeDamage(ExplosionCause, damage, angleBetween(point, victim->getPosition()));
    };
    const std::vector<GameMob*> mobs = groundMobs;
    for (GameMob* mob : mobs)
    {
        const float distance = fastDistance(mob->getPosition(), point);
        if (distance <= radius && (distance < BlastCoreRadius || blastReaches(mob)))
            hit(mob);
    }
    if (player && fastDistance(player->getPosition(), point) <= radius && blastReaches(player))
        hit(player);
}

GameMob* MobManager::findNotableMob(GameMob* current) const
{
    if (!player || player->health <= 0)
        return current;
    const MissionManager* missions = MissionManager::getInstance();
    const int soughtId = missions->targetCitizenId();
    GameMob* firstPassed = nullptr;
    for (GameMob* mob : groundMobs)
    {
        const CitizenActor* citizen = citizenOf(mob);
        const int id = citizen ? citizen->citizenId() : -1;
        const bool candidate = mob->mobKind == MobBodyguard ||
                               (citizen && (citizen->isGangMember() || citizen->isContact() || id == soughtId));
        if (!candidate)
            continue;
        if (mob == missions->target() && !missions->targetHasTracker())
            continue;
        if (mob->isOnUpperLevel() || mob->health <= 0)
            continue;
        if (fastDistance(mob->getPosition(), player->getPosition()) > NotableNearDistance &&
            !player->canSee(mob->getPosition(), seesAllRound(mob)))
            continue;
        if (citizen && soughtId != -1 && id == soughtId)
            return mob;
        if (!firstPassed)
            firstPassed = mob;
    }
    return current ? current : firstPassed;
}

bool MobManager::isContactNearPlayer() const
{
    if (!player || player->health <= 0)
        return false;
    const float reach = ContactReach * player->getDiameter();
    return std::any_of(groundMobs.begin(), groundMobs.end(), [&](const GameMob* mob) {
        const CitizenActor* citizen = citizenOf(mob);
        return citizen && citizen->isContact() && mob->health > 0 &&
               fastDistance(mob->getPosition(), player->getPosition()) < reach;
    });
}

std::vector<GameMob*> MobManager::bodyguardsOf(int citizenId) const
{
    std::vector<GameMob*> guards;
    for (GameMob* mob : groundMobs)
    {
        if (mob->mobKind != MobBodyguard)
            continue;
        const CitizenActor* guard = citizenOf(mob);
        const GameMob* principal = guard ? guard->principal() : nullptr;
        const CitizenActor* employer = citizenOf(principal);
        if (employer && employer->citizenId() == citizenId)
            guards.push_back(mob);
    }
    return guards;
}

void MobManager::moveBodyguardsOf(int citizenId, cocos2d::Vec2 point)
{
    for (GameMob* guard : bodyguardsOf(citizenId))
        citizenOf(guard)->followTo(point);
}

void MobManager::bodyguardsKnowPlayer(int citizenId)
{
    for (GameMob* guard : bodyguardsOf(citizenId))
    {
        guard->watchMode = 2;
        guard->watchId = SeeksPlayer;
    }
}

bool MobManager::isBodyguardFarFrom(const GameMob* principal) const
{
    if (!principal || !citizenOf(principal))
        return false;
    bool far = false;
    for (const GameMob* guard : bodyguardsOf(citizenIdOf(principal)))
    {
        // A dead guard will never catch up: only the living are waited for.
        if (guard->health > 0)
            far = fastDistance(guard->getPosition(), principal->getPosition()) > BodyguardStrayDistance;
    }
    return far;
}

void MobManager::alertBodyguardsOf(int citizenId, cocos2d::Vec2 point)
{
    for (GameMob* guard : bodyguardsOf(citizenId))
    {
        CitizenActor* citizen = citizenOf(guard);
        if (citizen->bodyguardMode() == 0)
            citizen->onHeardSound(1, point);
    }
}

int MobManager::countLivingContacts() const
{
    return static_cast<int>(std::count_if(groundMobs.begin(), groundMobs.end(), [](const GameMob* mob) {
        const CitizenActor* citizen = citizenOf(mob);
        return citizen && citizen->isContact() && mob->health >= 1;
    }));
}

int MobManager::countLivingHunters() const
{
    return static_cast<int>(std::count_if(groundMobs.begin(), groundMobs.end(), [](const GameMob* mob) {
        return mob->mobKind == MobHunter && mob->health > 0;
    }));
}
