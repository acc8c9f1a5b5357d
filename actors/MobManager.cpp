// The actor lists: spawning, the per-frame pass and taking actors out of the
// game together with every reference to them.
#include "actors/MobManager.h"
#include "actors/CitizenActor.h"
#include "actors/CleaningUnit.h"
#include "actors/FlyingMob.h"
#include "actors/GameMob.h"
#include "actors/contracts/MissionManager.h"
#include "actors/Player.h"
#include "actors/police/PoliceManager.h"
#include "actors/PopulationSettings.h"
#include "app/Achievements.h"
#include "app/GameCamera.h"
#include "app/GameInterface.h"
#include "app/StatEngine.h"
#include "ui/hud/UIObjectDescriptor.h"
#include "world/MapMarker.h"
#include "world/Pather.h"
#include "world/WorldMap.h"
#include <algorithm>
#include <cstdlib>

namespace {
constexpr int DeadTrenchWalking = 3;
constexpr float HostileArmedTrait = 100.0f;
constexpr int HostileWeaponA = 74;
constexpr int HostileWeaponB = 73;
constexpr int FlyingZOrder = 800;
constexpr uint8_t CorpseOpacity = 128;

template <typename T>
bool holds(const std::vector<T*>& list, const GameObject* object)
{
    return std::find(list.begin(), list.end(), object) != list.end();
}

template <typename T>
void erase(std::vector<T*>& list, const GameObject* object)
{
    list.erase(std::remove(list.begin(), list.end(), object), list.end());
}

int oppositeSide(int side)
{
    switch (side)
    {
    case 1: return 2;
    case 2: return 1;
    case 3: return 4;
    case 4: return 3;
    default: return 1;
    }
}
}

CitizenActor* MobManager::citizenOf(GameObject* mob)
{
    return mob && mob->isMob() ? dynamic_cast<CitizenActor*>(mob) : nullptr;
}

const CitizenActor* MobManager::citizenOf(const GameObject* mob)
{
    return mob && mob->isMob() ? dynamic_cast<const CitizenActor*>(mob) : nullptr;
}

GameMob* MobManager::spawnMob(int kind, GameMob* principal, cocos2d::Vec2 position)
{
    GameMob* mob = nullptr;
    switch (kind)
    {
    case MobContact:
        mob = makers.citizen ? makers.citizen(true, position) : nullptr;
        if (mob)
            contacts.push_back(mob);
        break;
    case MobBodyguard:
        mob = makers.bodyguard ? makers.bodyguard(principal, position) : nullptr;
        break;
    case MobHunter:
        mob = makers.hunter ? makers.hunter(position) : nullptr;
        if (mob)
            lastHunter = mob;
        break;
    default:
        mob = makers.citizen ? makers.citizen(false, position) : nullptr;
        if (mob && GameInterface::getInstance()->mode == DeadTrenchWalking)
        {
            mob->watchMode = 2;
            mob->watchId = -2;
            if (CitizenActor* citizen = citizenOf(mob))
            {
                citizen->setArmedTrait(HostileArmedTrait);
                if (!mob->currentWeapon)
                    citizen->giveWeapon(rand() % 2 == 0 ? HostileWeaponA : HostileWeaponB);
            }
        }
        break;
    }
    if (mob)
        groundMobs.push_back(mob);
    return mob;
}

void MobManager::addGroundMob(GameMob* mob)
{
    if (mob && !holds(groundMobs, mob))
        groundMobs.push_back(mob);
}

void MobManager::setPlayer(Player* newPlayer)
{
    if (player && player != newPlayer)
        destroyPlayer();
    player = newPlayer;
}

FlyingMob* MobManager::spawnFlyer(int side)
{
    return spawnFromEdge(makers.flyer, side);
}

FlyingMob* MobManager::spawnAdBlimp(int side)
{
    return spawnFromEdge(makers.blimp, side);
}

FlyingMob* MobManager::spawnPoliceDroid(cocos2d::Vec2 position)
{
    return makers.policeDroid ? placeFlyingMob(makers.policeDroid(), position) : nullptr;
}

FlyingMob* MobManager::spawnCleanerDroid(cocos2d::Vec2 position)
{
    return makers.cleanerDroid ? placeFlyingMob(makers.cleanerDroid(), position) : nullptr;
}

FlyingMob* MobManager::spawnFromEdge(const std::function<FlyingMob*(int)>& make, int side)
{
    if (!make)
        return nullptr;
    FlyingMob* mob = make(oppositeSide(side));
    const cocos2d::Vec2 cell = WorldMap::getInstance()->randomEdgeCell(side);
    return placeFlyingMob(mob, cell * static_cast<float>(WorldMap::CellSize));
}

FlyingMob* MobManager::placeFlyingMob(FlyingMob* mob, cocos2d::Vec2 position)
{
    if (!mob)
        return nullptr;
    mob->createSprites();
    mob->setPosition(position);
    if (cocos2d::Node* world = WorldMap::getInstance()->worldNode)
    {
        if (mob->mainSprite && !mob->mainSprite->getParent())
            world->addChild(mob->mainSprite, FlyingZOrder);
    }
    flyingMobs.push_back(mob);
    return mob;
}

void MobManager::update(float dt)
{
    updating = true;
    // By index, re-reading the length: actors spawned during the pass are
    // updated in the same pass.
    for (size_t i = 0; i < groundMobs.size(); ++i)
        updateGroundMob(groundMobs[i], dt);
    removeQueued();
    for (size_t i = 0; i < flyingMobs.size(); ++i)
        flyingMobs[i]->update(dt);
    // Robots that took themselves (or another actor) out during their pass.
    removeQueued();
    updating = false;
}

void MobManager::updateGroundMob(GameMob* mob, float dt)
{
    if (mob->health > 0)
        mob->update(dt);
    else if (mob->corpseTimer != -1.0f)
    {
        mob->corpseTimer -= dt;
        if (mob->mainSprite && mob->mainSprite->getOpacity() != CorpseOpacity)
            mob->mainSprite->setOpacity(CorpseOpacity);
        if (mob->corpseTimer <= 0.0f)
        {
            mob->corpseTimer = 0.0f;
            queueRemoval(mob);
        }
    }
    if (mob->despawnFlag && !WorldMap::getInstance()->isPointOnScreen(mob->getPosition()))
        queueRemoval(mob);
}

void MobManager::queueRemoval(GameObject* mob)
{
    if (!holds(pendingRemovals, mob))
        pendingRemovals.push_back(mob);
}

void MobManager::removeQueued()
{
    // In queue order; a removal that queues another has it removed in this round too.
    while (!pendingRemovals.empty())
    {
        GameObject* next = pendingRemovals.front();
        pendingRemovals.erase(pendingRemovals.begin());
        forgetMobEverywhere(next);
    }
}

void MobManager::removeMob(GameObject* mob)
{
    if (updating)
        queueRemoval(mob);
    else
        forgetMobEverywhere(mob);
}

void MobManager::forgetMobEverywhere(GameObject* object)
{
    const bool ground = holds(groundMobs, object);
    const bool flying = holds(flyingMobs, object);
    // An actor the manager does not hold (or no longer holds) is not its to destroy.
    if (!ground && !flying)
        return;
    PopulationSettings* population = PopulationSettings::getInstance();
    GameMob* mob = ground ? static_cast<GameMob*>(object) : nullptr;
    if (flying)
    {
        const FlyingMob* flyer = static_cast<const FlyingMob*>(object);
        if (flyer->flyingType == FlyingMob::AmbientFlyer)
            population->flyers -= 1;
        else if (flyer->flyingType == FlyingMob::AdvertBlimp)
            population->blimps -= 1;
    }
    if (mob)
    {
        if (mob->mobKind == MobContact)
            erase(contacts, mob);
        if (CitizenActor* citizen = citizenOf(mob))
            citizen->releaseRoutine();
        PoliceManager* police = PoliceManager::getInstance();
        police->forgetDroidTarget(mob);
        police->clearSuspect(mob, false);
        police->releaseEscort(mob);
        if (Pather* pather = Pather::existingInstance())
            pather->cancelRequests(mob);
    }
    GameCamera::getInstance()->forget(object);
    // Each citizen the spawner counted is counted off once, at its death or here.
    population->citizenLeft(object);
    object->releaseNodes();
    if (mob && mob->thoughtBubble)
    {
        mob->thoughtBubble->removeFromParent();
        mob->thoughtBubble = nullptr;
    }
    if (mob)
        erase(groundMobs, mob);
    else
        erase(flyingMobs, object);
    UIObjectDescriptor* marker = GameInterface::getInstance()->targetMarker;
    if (mob && marker && marker->target == mob)
    {
        marker->target = nullptr;
        marker->cleanup();
    }
    population->forgetCleanerTarget(object);
    forgetObject(object);
    WorldMap::getInstance()->clearReferencesTo(object);
    // The holders that keep actors besides: crime-scene bodies, the cleaning
    // droids' list, the latest hunter.
    PoliceManager::getInstance()->forgetBody(object);
    PoliceManager::getInstance()->forgetDroid(object);
    if (const CleaningUnit* droid = dynamic_cast<const CleaningUnit*>(object))
        population->forgetCleaner(droid);
    if (lastHunter == object)
        lastHunter = nullptr;
    erase(pendingRemovals, object);
    if (mob)
        MissionManager::getInstance()->onMobRemoved(mob);
    delete object;
}

void MobManager::forgetObject(const GameObject* object)
{
    for (GameMob* mob : groundMobs)
    {
        if (mob->watchedObject == object)
            mob->watchedObject = nullptr;
        if (mob->carriedBody == object)
            mob->carriedBody = nullptr;
        if (CitizenActor* citizen = citizenOf(mob))
        {
            // A bodyguard without its principal has nothing left to guard.
            if (citizen->forgetReferencesTo(object))
                mob->despawnFlag = true;
        }
    }
    if (player)
    {
        if (player->watchedObject == object)
            player->watchedObject = nullptr;
        if (player->carriedBody == object)
            player->carriedBody = nullptr;
        if (player->droppedItem == object)
            player->droppedItem = nullptr;
    }
    releaseCleanerTarget(object);
}

void MobManager::releaseCleanerTarget(const GameObject* object)
{
    for (FlyingMob* mob : flyingMobs)
    {
        if (mob->watchedObject == object)
            mob->watchedObject = nullptr;
    }
}

void MobManager::clear()
{
    while (!groundMobs.empty())
        forgetMobEverywhere(groundMobs.front());
    destroyPlayer();
    while (!flyingMobs.empty())
        forgetMobEverywhere(flyingMobs.front());
    contacts.clear();
    pendingRemovals.clear();
    lastHunter = nullptr;
    // The contacts left without dying: nobody holds their places any more,
    // and the next run's contacts take them from the first again.
    for (MapMarker* marker : WorldMap::getInstance()->contactMarkers)
        marker->taken = false;
}

void MobManager::destroyPlayer()
{
    if (!player)
        return;
    Player* leaving = player;
    player = nullptr;
    GameCamera::getInstance()->forget(leaving);
    GameInterface* game = GameInterface::getInstance();
    if (game->player == leaving)
        game->player = nullptr;
    // The map's removal makes the actors, the droids and the watchers forget it.
    WorldMap* map = WorldMap::getInstance();
    map->removeObject(leaving, true);
    // The end-of-frame deletion: the player may be asking for this from within its own update.
    map->queueForDeletion(leaving);
}
