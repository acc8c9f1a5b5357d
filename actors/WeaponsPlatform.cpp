#include "actors/WeaponsPlatform.h"
#include "actors/GameObject.h"
#include "actors/Inventory.h"
#include "actors/Player.h"
#include "actors/Projectile.h"
#include "app/GameInterface.h"
#include "app/Geometry.h"
#include "app/SoundEngine.h"
#include "ui/hud/GameHUD.h"
#include "world/ObjectDef.h"
#include "world/WeaponDef.h"
#include "world/WorldMap.h"
#include <algorithm>
#include <cstdlib>

namespace {
constexpr float RangeGrowthPerSecond = 40.0f;
constexpr float SpreadDegrees = 5.0f;
const char* const WarmupSound = "blaster_charge.wav";
}

WeaponsPlatform::WeaponsPlatform(const GameObject* holder)
    : muzzleDistance(holder->getRadius()), ownerPosition(&holder->position), owner(holder)
{
}

WeaponsPlatform::~WeaponsPlatform()
{
    if (warmupSound != -1)
        SoundEngine::getInstance()->stop(warmupSound);
}

const WeaponDef* WeaponsPlatform::weapon() const
{
    return currentWeapon ? currentWeapon->weaponDef : nullptr;
}

bool WeaponsPlatform::hasWarmup() const
{
    const WeaponDef* def = weapon();
    return def && def->warmup != -1.0f;
}

void WeaponsPlatform::update(float dt)
{
    const WeaponDef* def = weapon();
    // A warm-up whose weapon was taken away has nothing left to fire.
    if (warmupTimer != -1.0f && !def)
        cancelWarmup();
    if (reloadTimer > 0.0f)
    {
        reloadTimer -= dt;
        if (reloadTimer <= 0.0f)
        {
            reloadTimer = 0.0f;
            if (def && def->recharge != -1.0f)
            {
                currentWeapon->roundsLoaded = 1;
                GameHUD::getInstance()->refresh(true);
            }
        }
    }
    if (def && def->maxrange != -1.0f && currentRange < def->maxrange)
    {
        rangeGrowing = true;
        currentRange = std::min(currentRange + dt * RangeGrowthPerSecond, def->maxrange);
    }
    else
        rangeGrowing = false;
}

bool WeaponsPlatform::tryFire(float heading, float inaccuracy)
{
    const WeaponDef* def = weapon();
    if (!def || (currentWeapon->roundsLoaded < 1 && !def->ammoless))
        return false;
    if (hasWarmup() && runsWarmup)
    {
        warmupTimer = 0.0f;
        if (warmupSound != -1)
            SoundEngine::getInstance()->stop(warmupSound);
        warmupSound = SoundEngine::getInstance()->play(ownerPosition, false, WarmupSound, 1.0f);
        GameHUD::getInstance()->playGunAnimation();
        return false;
    }
    if (reloadTimer != 0.0f)
        return false;
    fire(heading, inaccuracy);
    return true;
}

void WeaponsPlatform::fire(float heading, float inaccuracy)
{
    const WeaponDef* def = weapon();
    if (!def)
        return;
    if (heading == -1.0f)
    {
        const GameInterface* game = GameInterface::getInstance();
        if (game->player)
            heading = game->player->heading;
        inaccuracy = game->aimFalloff();
    }
    if (inaccuracy != 0.0f)
    {
        const int n = std::max(1, static_cast<int>(inaccuracy * 2.0f));
        heading += static_cast<float>(rand() % n + 1) - inaccuracy;
    }
    if (def->spread == 1)
        launch(heading);
    else
    {
        launch(heading - SpreadDegrees);
        launch(heading);
        launch(heading + SpreadDegrees);
    }
    if (!def->ammoless)
        currentWeapon->roundsLoaded -= 1;
    if (def->reloadtime > 0.0f)
        reloadTimer += def->reloadtime;
    else if (def->recharge != -1.0f)
        reloadTimer += def->recharge;
    // The engine copies the point: the sound never reads the owner again.
    SoundEngine::getInstance()->play(ownerPosition, false, def->sound, 1.0f);
}

void WeaponsPlatform::launch(float heading)
{
    const WeaponDef* def = weapon();
    const cocos2d::Vec2 muzzle = *ownerPosition + vectorFromAngle(heading, muzzleDistance);
    lastProjectile = WorldMap::getInstance()->spawnProjectile(def->projectileclass, def->projectilemaxrange, roleCode,
                                                              muzzle, heading, def->projectilespeed);
    if (!lastProjectile)
        return;
    lastProjectile->shooter = owner;
    lastProjectile->flightStart = *ownerPosition;
}

void WeaponsPlatform::cancelWarmup()
{
    if (warmupTimer != -1.0f)
        GameHUD::getInstance()->onGunAnimationDone();
    warmupTimer = -1.0f;
    if (warmupSound != -1)
    {
        SoundEngine::getInstance()->stop(warmupSound);
        warmupSound = -1;
    }
}

bool WeaponsPlatform::reload(Inventory* inventory)
{
    const WeaponDef* def = weapon();
    if (!def || !inventory || def->recharge != -1.0f || currentWeapon->roundsLoaded >= def->maxrounds)
        return false;
    if (inventory->countOf(def->projectileclass) < 1)
        return false;
    // A round leaves the inventory and the world for good.
    delete inventory->removeOne(def->projectileclass);
    currentWeapon->roundsLoaded += 1;
    return true;
}

void WeaponsPlatform::equip(Inventory* inventory, GameObject* item)
{
    if (reloadTimer != 0.0f)
        return;
    takeUp(inventory, item);
}

void WeaponsPlatform::takeUp(Inventory* inventory, GameObject* item)
{
    // A warm-up belongs to the weapon that began it: the new one starts cold.
    cancelWarmup();
    currentWeapon = item;
    if (!item)
        return;
    if (inventory)
        inventory->trackReference(&currentWeapon);
    const WeaponDef* def = item->weaponDef;
    if (!def)
        return;
    currentRange = def->range;
    if (inventory)
    {
        inventory->ammoId = def->projectileclass;
        inventory->recount();
    }
    if (def->recharge != -1.0f)
        item->roundsLoaded = 1;
    reloadTimer = 0.0f;
}

void WeaponsPlatform::equipByDefinition(Inventory* inventory, int definitionId)
{
    if (inventory)
        equip(inventory, inventory->findByDefinition(definitionId));
}

void WeaponsPlatform::selectNextWeapon(Inventory* inventory)
{
    if (!inventory)
        return;
    if (inventory->countWeapons() > 0)
    {
        equip(inventory, inventory->nextWeapon(currentWeapon));
        return;
    }
    currentWeapon = nullptr;
    inventory->ammoId = -1;
    inventory->recount();
}

void WeaponsPlatform::confiscateContraband(Inventory* inventory)
{
    if (!inventory)
        return;
    const bool handTaken = currentWeapon && currentWeapon->def && currentWeapon->def->contraband;
    inventory->removeContraband();
    if (handTaken)
    {
        cancelWarmup();
        // The confiscation does not wait for a reload: the hand must not stay
        // empty while a weapon is carried.
        reloadTimer = 0.0f;
    }
    selectNextWeapon(inventory);
}
