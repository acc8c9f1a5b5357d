// The weapon hand: aim jitter and spread, recharge and reload cadence, range
// growth, warm-up, cycling and the refusal to switch during a reload.
#include "ArmouryFixture.h"
#include "actors/Player.h"
#include "actors/Projectile.h"
#include "app/SoundInstance.h"
#include <cmath>
#include <set>

using cocos2d::Vec2;

class WeaponsPlatformTest : public ArmouryFixture
{
};

TEST_F(WeaponsPlatformTest, ShotsTurnByTheAimJitterAndSpreadFiveDegreesApart)
{
    GameMob* mob = makeShooter();
    arm(mob, fileWeapon([](WeaponTraits& w) { w.ammoless = true; }));
    std::set<int> turns;
    for (int shot = 0; shot < 400; ++shot)
    {
        mob->fire(90.0f, 10.0f);
        const float turn = mob->lastProjectile->heading - 90.0f;
        ASSERT_FLOAT_EQ(turn, std::round(turn)) << "whole degrees";
        turns.insert(static_cast<int>(turn));
    }
    EXPECT_EQ(*turns.begin(), -9);
    EXPECT_EQ(*turns.rbegin(), 10);
    EXPECT_EQ(turns.size(), 20u);

    mob->fire(90.0f, 0.3f);
    EXPECT_NEAR(mob->lastProjectile->heading, 90.7f, 1e-4f) << "a small inaccuracy turns by 1 - inaccuracy";
    mob->fire(90.0f, 0.0f);
    EXPECT_FLOAT_EQ(mob->lastProjectile->heading, 90.0f);
    // The bullet starts a radius ahead of the shooter and is never its own victim.
    EXPECT_NEAR(mob->lastProjectile->getPosition().x, mob->getPosition().x + mob->getRadius(), 1e-3f);
    EXPECT_EQ(mob->lastProjectile->shooter, mob);

    // The bullet is on the map: in the per-frame list, drawn above the street.
    Projectile* bullet = mob->lastProjectile;
    EXPECT_EQ(bullets().back(), bullet);
    EXPECT_EQ(bullet->mainSprite->getParent(), map->worldNode);
    EXPECT_EQ(bullet->mainSprite->getLocalZOrder(), 800);
    EXPECT_FLOAT_EQ(bullet->speed, 300.0f);
    EXPECT_FLOAT_EQ(bullet->maxRange, -1.0f);
    GameMob* sniper = makeShooter();
    arm(sniper, fileWeapon([](WeaponTraits& w) { w.ammoless = true; w.projectilemaxrange = 250.0f; }));
    sniper->fire(0.0f, 0.0f);
    EXPECT_FLOAT_EQ(sniper->lastProjectile->maxRange, 250.0f);
    EXPECT_FLOAT_EQ(sniper->lastProjectile->damage, GameData::getInstance()->getObjectDef(BlasterBolt)->damage);

    GameMob* shotgunner = makeShooter();
    arm(shotgunner, fileWeapon([](WeaponTraits& w) { w.spread = 2; w.ammoless = true; }));
    const size_t before = bullets().size();
    shotgunner->fire(180.0f, 0.0f);
    ASSERT_EQ(bullets().size(), before + 3);
    EXPECT_FLOAT_EQ(bullets()[before]->heading, 175.0f);
    EXPECT_FLOAT_EQ(bullets()[before + 1]->heading, 180.0f);
    EXPECT_FLOAT_EQ(bullets()[before + 2]->heading, 185.0f);
    EXPECT_EQ(shotgunner->lastProjectile, bullets()[before + 2]);
}

TEST_F(WeaponsPlatformTest, RechargeAndReloadSetTheCadence)
{
    GameMob* mob = makeShooter();
    GameObject* gun = arm(mob, fileWeapon([](WeaponTraits& w) { w.recharge = 2.0f; w.reloadtime = 0.0f; }));
    EXPECT_EQ(gun->roundsLoaded, 1) << "a recharging weapon is taken up loaded";
    EXPECT_TRUE(mob->tryFire(0.0f, 0.0f));
    EXPECT_EQ(gun->roundsLoaded, 0);
    EXPECT_FLOAT_EQ(mob->reloadTimer, 2.0f);
    float waited = 0.0f;
    while (!mob->tryFire(0.0f, 0.0f) && waited < 5.0f)
    {
        mob->WeaponsPlatform::update(0.1f);
        waited += 0.1f;
    }
    EXPECT_NEAR(waited, 2.0f, 0.11f) << "two seconds between shots, then one round again";

    // A magazine weapon: rounds come from the inventory, one per reload, and
    // the reload time runs after each shot.
    GameMob* rifleman = makeShooter();
    GameObject* rifle = arm(rifleman, fileWeapon([](WeaponTraits& w) {
        w.reloadtime = 0.5f;
        w.maxrounds = 2;
        w.projectileclass = PistolRound;
    }));
    EXPECT_FALSE(rifleman->tryFire(0.0f, 0.0f)) << "nothing loaded";
    rifleman->inventory->addItem(PistolRound);
    rifleman->inventory->addItem(PistolRound);
    rifleman->inventory->addItem(PistolRound);
    EXPECT_EQ(rifleman->inventory->spareAmmo, 3);
    EXPECT_TRUE(rifleman->reload(rifleman->inventory));
    EXPECT_TRUE(rifleman->reload(rifleman->inventory));
    EXPECT_FALSE(rifleman->reload(rifleman->inventory)) << "the magazine is full";
    EXPECT_EQ(rifleman->inventory->countOf(PistolRound), 1);
    EXPECT_TRUE(rifleman->tryFire(0.0f, 0.0f));
    EXPECT_FALSE(rifleman->tryFire(0.0f, 0.0f)) << "the reload time runs";
    rifleman->WeaponsPlatform::update(0.5f);
    EXPECT_TRUE(rifleman->tryFire(0.0f, 0.0f));
    EXPECT_EQ(rifle->roundsLoaded, 0);
}

TEST_F(WeaponsPlatformTest, RangeGrowsTowardsTheMaximum)
{
    GameMob* mob = makeShooter();
    arm(mob, fileWeapon([](WeaponTraits& w) { w.range = 100.0f; w.maxrange = 150.0f; w.ammoless = true; }));
    EXPECT_FLOAT_EQ(mob->currentRange, 100.0f);
    mob->WeaponsPlatform::update(1.0f);
    EXPECT_TRUE(mob->rangeGrowing);
    EXPECT_FLOAT_EQ(mob->currentRange, 140.0f);
    mob->WeaponsPlatform::update(1.0f);
    EXPECT_FLOAT_EQ(mob->currentRange, 150.0f);
    mob->WeaponsPlatform::update(1.0f);
    EXPECT_FALSE(mob->rangeGrowing);
}

TEST_F(WeaponsPlatformTest, CyclingWrapsAndASwitchWaitsForTheReload)
{
    GameMob* mob = makeShooter();
    Inventory* inventory = mob->inventory;
    const int blaster = fileWeapon([](WeaponTraits& w) { w.recharge = 1.0f; });
    GameObject* w1 = inventory->addItem(blaster);
    inventory->addItem(PistolRound);
    GameObject* w2 = inventory->addItem(Pistol);
    GameObject* w3 = inventory->addItem(StreetShotgun);
    EXPECT_EQ(inventory->nextWeapon(w2), w3);
    EXPECT_EQ(inventory->nextWeapon(w3), w1);
    EXPECT_EQ(inventory->nextWeapon(nullptr), w1);
    Inventory single;
    GameObject* only = single.addItem(Pistol);
    EXPECT_EQ(single.nextWeapon(only), only);

    mob->selectNextWeapon(inventory);
    EXPECT_EQ(mob->currentWeapon, w1);
    EXPECT_EQ(inventory->ammoId, BlasterBolt);
    mob->selectNextWeapon(inventory);
    EXPECT_EQ(mob->currentWeapon, w2);
    EXPECT_EQ(inventory->ammoId, w2->weaponDef->projectileclass);
    EXPECT_EQ(inventory->spareAmmo, 1);

    mob->equip(inventory, w1);
    ASSERT_TRUE(mob->tryFire(0.0f, 0.0f));
    ASSERT_GT(mob->reloadTimer, 0.0f);
    mob->equip(inventory, w3);
    mob->selectNextWeapon(inventory);
    mob->equipByDefinition(inventory, StreetShotgun);
    EXPECT_EQ(mob->currentWeapon, w1) << "no switch while the weapon reloads";
    EXPECT_EQ(inventory->ammoId, BlasterBolt);
}

TEST_F(WeaponsPlatformTest, OnlyThePlayerWarmsAWeaponUp)
{
    Player player(mobDef(), true);
    player.setPosition(centreOf(8, 8));
    GameObject* maverick = player.inventory->addItem(Maverick);
    player.equip(player.inventory, maverick);
    maverick->roundsLoaded = 1;
    const size_t before = bullets().size();
    EXPECT_FALSE(player.tryFire(0.0f, 0.0f)) << "the player's update fires once the warm-up is over";
    EXPECT_FLOAT_EQ(player.warmupTimer, 0.0f);
    EXPECT_NE(player.warmupSound, -1);
    EXPECT_EQ(bullets().size(), before);
    player.cancelWarmup();
    EXPECT_FLOAT_EQ(player.warmupTimer, -1.0f);
    EXPECT_EQ(player.warmupSound, -1);

    // An NPC's or a droid's update never finishes a warm-up: they fire at once.
    GameMob* npc = makeShooter();
    GameObject* theirs = arm(npc, Maverick);
    theirs->roundsLoaded = 1;
    EXPECT_TRUE(npc->tryFire(0.0f, 0.0f));
    EXPECT_EQ(bullets().size(), before + 1);
    EXPECT_FLOAT_EQ(npc->warmupTimer, -1.0f);
}

TEST_F(WeaponsPlatformTest, AShotSoundNeverReadsAShooterThatIsGone)
{
    auto* mob = new GameMob(mobDef(), true);
    mob->setPosition(centreOf(5, 5));
    arm(mob, fileWeapon([](WeaponTraits& w) { w.ammoless = true; }));
    const int probe = SoundEngine::getInstance()->play(nullptr, false, "pistol_fire.wav", 1.0f);
    mob->fire(0.0f, 0.0f);
    const SoundInstance* shot = SoundEngine::getInstance()->find(probe + 1);
    ASSERT_NE(shot, nullptr);
    EXPECT_EQ(shot->source, centreOf(5, 5));
    delete mob;
    // The next frames re-pan the sound from its own copy of the point (ASan
    // would catch a read of the deleted shooter).
    for (int frame = 0; frame < 3; ++frame)
        SoundEngine::getInstance()->update();
    map->update(0.1f);
}

TEST_F(WeaponsPlatformTest, TakingUpAnotherWeaponCancelsTheWarmUp)
{
    Player player(mobDef(), true);
    player.setPosition(centreOf(8, 8));
    GameObject* maverick = player.inventory->addItem(Maverick);
    GameObject* pistol = player.inventory->addItem(Pistol);
    pistol->roundsLoaded = 1;
    player.equip(player.inventory, maverick);
    maverick->roundsLoaded = 1;
    ASSERT_FALSE(player.tryFire(0.0f, 0.0f));
    ASSERT_FLOAT_EQ(player.warmupTimer, 0.0f);

    player.equip(player.inventory, pistol);
    EXPECT_FLOAT_EQ(player.warmupTimer, -1.0f) << "the warm-up was the other weapon's";
    EXPECT_EQ(player.warmupSound, -1);
    const size_t before = bullets().size();
    player.update(1.0f);
    EXPECT_EQ(bullets().size(), before) << "nothing fires by itself";
    EXPECT_TRUE(player.tryFire(0.0f, 0.0f)) << "the pistol fires at once";
}
