// The fight and the flight of a citizen, driven by what it is made to see:
// an armed and bold one shoots, a target that gets away is fled from and
// reported once the NPC is safe, a dead target is looked at, and a shot seen
// is answered by courage. An NPC without a gun waits in combat unarmed.
#include "NPCFixture.h"
#include "actors/Player.h"
#include "actors/Projectile.h"
#include "app/Geometry.h"
#include "world/MapMarker.h"
#include "world/Pather.h"
#include "world/WeaponDef.h"

using cocos2d::Vec2;

class NPCCombatFleeTest : public NPCFixture
{
protected:
    // The NPC's update with the Pather answering between frames.
    void walk(GameNPC* npc, float seconds)
    {
        for (float t = 0.0f; t < seconds; t += Frame)
        {
            Pather::getInstance()->update();
            npc->update(Frame);
        }
    }

    GameMob* gunman(Vec2 at)
    {
        GameMob* mob = makeMob(at);
        mob->weaponRaised = true;
        return mob;
    }

    size_t shots() const { return map->projectiles.size(); }
};

TEST_F(NPCCombatFleeTest, AnArmedCitizenFightsThenFleesFromATargetThatGetsAwayAndReportsItOnceSafe)
{
    GameMob* culprit = gunman(centreOf(12, 10));
    GameNPC* guard = makeNPC(80.0f, 90.0f, Vec2(3, 10));
    guard->setPosition(centreOf(10, 10));
    ASSERT_NE(guard->weapon(), nullptr) << "an armed trait of 90 always arms";

    run(guard, Frame, culprit);
    ASSERT_EQ(guard->mode, ModeCombat);
    EXPECT_TRUE(guard->weaponRaised);
    EXPECT_EQ(guard->shownBubble, BubbleCrime);
    EXPECT_GE(guard->aimTimer + Frame, 1.3f - Frame);
    EXPECT_LE(guard->aimTimer, 4.0f);
    EXPECT_TRUE(guard->path.empty()) << "it stands its ground";

    run(guard, 9.0f);
    EXPECT_GE(shots(), 2u) << "shots every 1.3 to 4 s";
    EXPECT_NEAR(guard->heading, 90.0f, 0.5f) << "faces its target to fire";
    EXPECT_EQ(static_cast<Projectile*>(map->projectiles.back())->aimedAtPlayer, false);

    // The target walks 192 px away: the citizen runs and names it.
    culprit->setPosition(centreOf(10 + 7, 10));
    run(guard, Frame);
    ASSERT_EQ(guard->mode, ModeFlee);
    EXPECT_FALSE(guard->weaponRaised);
    EXPECT_EQ(guard->watchedObject, nullptr);
    EXPECT_EQ(guard->reportCulprit, culprit);
    EXPECT_EQ(guard->reportPosition, centreOf(10, 10)) << "where its flight began";
    EXPECT_TRUE(guard->running);
    EXPECT_EQ(guard->shownBubble, BubbleSee);

    // Courage 80 and no Interest marker: home, sooner or later.
    for (float t = 0.0f; t < 60.0f && guard->mode == ModeFlee; t += Frame)
        walk(guard, Frame);
    EXPECT_EQ(guard->fleeDestination, Vec2(3, 10));
    EXPECT_EQ(guard->cell, Vec2(3, 10));
    EXPECT_EQ(guard->mode, ModeTravel) << "safe at home";
    EXPECT_FALSE(guard->hasPendingReport()) << "leaving the flight filed the report";
    EXPECT_FALSE(guard->running);
    EXPECT_EQ(guard->shownBubble, BubbleNone);
}

TEST_F(NPCCombatFleeTest, ATargetShotDeadIsLookedAtAndATargetGoneEndsTheFight)
{
    // A target in the actor manager's hands, as every actor in the game is.
    GameNPC* culprit = map->spawnNPC(nullptr, centreOf(12, 10));
    mobs->addGroundMob(culprit);
    culprit->weaponRaised = true;
    GameNPC* shooter = makeNPC(80.0f, 90.0f);
    run(shooter, Frame, culprit);
    ASSERT_EQ(shooter->mode, ModeCombat);
    culprit->health = 0;
    run(shooter, Frame, culprit);
    EXPECT_EQ(shooter->mode, ModeInvestigation) << "the body is seen before the fight ends";
    EXPECT_FALSE(shooter->weaponRaised);

    GameNPC* other = makeNPC(80.0f, 90.0f, Vec2(10, 12));
    GameMob* second = gunman(centreOf(12, 12));
    run(other, Frame, second);
    ASSERT_EQ(other->mode, ModeCombat);
    // Something that is no actor keeps it waiting; nothing at all ends the fight.
    GameObject* crate = addObject(makeObjectDef(true), centreOf(11, 13));
    other->watchedObject = crate;
    other->update(Frame);
    EXPECT_EQ(other->mode, ModeCombat);
    other->watchedObject = nullptr;
    other->update(Frame);
    EXPECT_EQ(other->mode, ModeTravel);
}

TEST_F(NPCCombatFleeTest, AShotSeenIsAnsweredByCourageAndArms)
{
    GameMob* shooter = gunman(centreOf(12, 10));
    auto* refuge = new MapMarker(MapMarkerKind::Interest, centreOf(2, 2));
    map->allMarkers.push_back(refuge);

    // Timid: always home.
    for (int trial = 0; trial < 10; ++trial)
    {
        GameNPC* timid = makeNPC(20.0f, 30.0f, Vec2(18, 18));
        timid->setPosition(centreOf(10, 10));
        timid->onSawCrime(1, shooter->getPosition(), shooter);
        ASSERT_EQ(timid->mode, ModeFlee);
        timid->update(Frame);
        EXPECT_EQ(timid->fleeDestination, Vec2(18, 18));
        EXPECT_TRUE(timid->routine->goingHome);
    }
    // Middling: home half of the time, else a cell by the Interest marker at least 8 cells off.
    int home = 0;
    int away = 0;
    for (int trial = 0; trial < 40; ++trial)
    {
        GameNPC* middling = makeNPC(60.0f, 30.0f, Vec2(18, 18));
        middling->setPosition(centreOf(10, 10));
        middling->onSawCrime(1, shooter->getPosition(), shooter);
        run(middling, 5 * Frame);
        if (middling->fleeDestination == Vec2(18, 18))
            ++home;
        else if (middling->fleeDestination.x != -1.0f)
        {
            ++away;
            EXPECT_GE(fastDistance(middling->fleeDestination, Vec2(10, 10)), 8.0f);
        }
    }
    EXPECT_GT(home, 8);
    EXPECT_GT(away, 8);

    // Armed but fearful: it fights only a weapon that warms up.
    GameNPC* wary = makeNPC(40.0f, 90.0f);
    wary->onSawCrime(1, shooter->getPosition(), shooter);
    EXPECT_EQ(wary->mode, ModeFlee);
    WeaponDef warming;
    warming.warmup = 0.5f;
    GameMob* blaster = gunman(centreOf(12, 11));
    GameObject* gun = addObject(makeObjectDef(true), centreOf(1, 1));
    gun->weaponDef = &warming;
    blaster->currentWeapon = gun;
    GameNPC* provoked = makeNPC(40.0f, 90.0f, Vec2(10, 11));
    provoked->onSawCrime(1, blaster->getPosition(), blaster);
    EXPECT_EQ(provoked->mode, ModeCombat);
    EXPECT_EQ(provoked->watchedObject, blaster);
    blaster->currentWeapon = nullptr;
}

TEST_F(NPCCombatFleeTest, ACitizenInCombatWithoutAGunNeverFires)
{
    GameMob* culprit = gunman(centreOf(12, 10));
    GameNPC* unarmed = makeNPC(80.0f, 10.0f);
    ASSERT_EQ(unarmed->weapon(), nullptr);
    unarmed->watchedObject = culprit;
    unarmed->enterCombatMode();
    run(unarmed, 6.0f, culprit);
    EXPECT_EQ(unarmed->mode, ModeCombat);
    EXPECT_EQ(shots(), 0u);
    EXPECT_FALSE(unarmed->weaponRaised);
}
