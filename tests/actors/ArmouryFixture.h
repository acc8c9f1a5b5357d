#pragma once
// Weapons made to order for the weapon and inventory tests: a weapon
// definition and the item that carries it, filed in GameData under ids of
// their own, next to the real items of the game's data files.
#include "GameMobFixture.h"
#include "actors/Inventory.h"
#include "world/WeaponDef.h"
#include <functional>
#include <memory>

class ArmouryFixture : public GameMobFixture
{
protected:
    struct WeaponTraits
    {
        int spread = 1;
        float recharge = -1.0f;
        float reloadtime = -1.0f;
        float warmup = -1.0f;
        float range = 64.0f;
        float maxrange = -1.0f;
        int maxrounds = 1;
        bool ammoless = false;
        bool contraband = false;
        int projectileclass = BlasterBolt;
        float projectilemaxrange = -1.0f;
    };

    // A new item definition with its weapon, its traits given by
    // the caller; returns the item's definition id.
    static int fileWeapon(const std::function<void(WeaponTraits&)>& describe)
    {
        WeaponTraits traits;
        describe(traits);
        return fileWeapon(traits);
    }

    static int fileWeapon(const WeaponTraits& traits)
    {
        static int nextId = 987400;
        const int id = nextId++;
        auto* weapon = new WeaponDef();
        weapon->id = id;
        weapon->spread = traits.spread;
        weapon->recharge = traits.recharge;
        weapon->reloadtime = traits.reloadtime;
        weapon->warmup = traits.warmup;
        weapon->range = traits.range;
        weapon->maxrange = traits.maxrange;
        weapon->maxrounds = traits.maxrounds;
        weapon->ammoless = traits.ammoless;
        weapon->projectileclass = traits.projectileclass;
        weapon->projectilemaxrange = traits.projectilemaxrange;
        weapon->projectilespeed = 300.0f;
        weapon->sound = "pistol_fire.wav";
        GameData::getInstance()->fileWeaponDef(weapon);
        auto* item = new ObjectDef();
        item->id = id;
        item->weapon = id;
        item->contraband = traits.contraband;
        GameData::getInstance()->fileObjectDef(item);
        return id;
    }

    // A walking actor with an inventory, standing in the middle of the map.
    GameMob* makeShooter()
    {
        auto* mob = new GameMob(mobDef(), true);
        mob->setPosition(centreOf(10, 10));
        shooters.push_back(std::unique_ptr<GameMob>(mob));
        return mob;
    }

    // Arms the actor with a new item of the definition.
    GameObject* arm(GameMob* mob, int definitionId)
    {
        GameObject* item = mob->inventory->addItem(definitionId);
        mob->equip(mob->inventory, item);
        return item;
    }

    // Bullets in flight, in the order they were fired.
    std::vector<GameObject*>& bullets() { return map->projectiles; }

    void TearDown() override
    {
        shooters.clear();
        GameMobFixture::TearDown();
    }

    static constexpr int BlasterBolt = 200;
    static constexpr int Pistol = 73;
    static constexpr int StreetShotgun = 74;
    static constexpr int Maverick = 87;
    static constexpr int RemoteExplosive = 88;
    static constexpr int PistolRound = 2000;
    std::vector<std::unique_ptr<GameMob>> shooters;
};
