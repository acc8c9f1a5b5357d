#pragma once
#include "cocos2d.h"
#include <cstdint>

class GameObject;
class Inventory;
class Projectile;
class WeaponDef;

// The gun hand of every armed actor (the walking people and the police
// droids): the equipped weapon item, its reload and warm-up timers, the range
// that some weapons grow into, and the shots themselves. A plain base: the
// actor classes derive from it after GameObject and hand it themselves.
class WeaponsPlatform
{
public:
    // The owner must be constructed (GameObject comes first among the bases):
    // shots start from its position, a radius ahead of it.
    explicit WeaponsPlatform(const GameObject* owner);
    WeaponsPlatform(const WeaponsPlatform&) = delete;
    WeaponsPlatform& operator=(const WeaponsPlatform&) = delete;

    // Reload and recharge countdown, range growth.
    void update(float dt);
    // One shot when the weapon is ready; a weapon with a warm-up starts its
    // warm-up instead (owners that run one) and reports false.
    bool tryFire(float heading, float inaccuracy);
    // Fires now. A heading of -1 takes the player's heading and aim.
    void fire(float heading, float inaccuracy);
    void cancelWarmup();
    // Loads one round from the inventory's ammunition.
    bool reload(Inventory* inventory);
    void selectNextWeapon(Inventory* inventory);
    // Refused while the weapon reloads.
    void equip(Inventory* inventory, GameObject* item);
    void equipByDefinition(Inventory* inventory, int definitionId);
    // The police take the contraband: the weapon in hand goes too when it is
    // contraband, and the next carried weapon after it is taken up at once
    // (the hand is emptied when none is left).
    void confiscateContraband(Inventory* inventory);

    // The equipped weapon's definition, or null.
    const WeaponDef* weapon() const;
    bool hasWarmup() const;

    Projectile* lastProjectile = nullptr;
    // The owner's role (2 the player, 1 police droids); every shot carries it.
    int32_t roleCode = 0;
    bool rangeGrowing = false;
    float muzzleDistance = 0.0f;
    float reloadTimer = 0.0f;
    // Seconds since the warm-up began; -1 = none.
    float warmupTimer = -1.0f;
    const cocos2d::Vec2* ownerPosition = nullptr;
    // The actor that holds the platform; its own shots never hit it.
    const GameObject* owner = nullptr;
    float currentRange = 0.0f;
    int32_t warmupSound = -1;
    // The equipped item; it stays in the inventory, which clears this when it
    // destroys the item.
    GameObject* currentWeapon = nullptr;
    // Only an owner whose own update fires the shot when the warm-up is over
    // (the player) warms weapons up; every other owner fires at once, so a
    // warm-up weapon never leaves an NPC or a droid waiting for a shot that
    // nothing would fire.
    bool runsWarmup = false;

protected:
    ~WeaponsPlatform();

private:
    void launch(float heading);
    void takeUp(Inventory* inventory, GameObject* item);
};
