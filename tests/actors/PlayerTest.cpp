// The player's own life: starting out, idling into a smoke, the secondary
// items it cycles, drops and sets off, police scans and its death.
#include "PlayerFixture.h"
#include "actors/Inventory.h"
#include "app/Achievements.h"
#include "app/StatEngine.h"
#include "world/WeaponDef.h"

#include <algorithm>

using cocos2d::Vec2;

class PlayerTest : public PlayerFixture
{
protected:
    bool onMap(const GameObject* object) const
    {
        const auto& placed = map->passableObjects;
        return std::find(placed.begin(), placed.end(), object) != placed.end();
    }
};

TEST_F(PlayerTest, ARunStartsWithTheBlasterInHandAndNoSecondaryItem)
{
    EXPECT_EQ(player->name, "TJ Trench");
    EXPECT_EQ(player->roleCode, Player::PlayerRole);
    EXPECT_FLOAT_EQ(player->walkSpeed, 24.0f);
    ASSERT_NE(player->weapon(), nullptr);
    EXPECT_EQ(player->currentWeapon->def->id, 67);
    EXPECT_EQ(player->secondaryIndex, -1);
    EXPECT_EQ(player->secondaryItem, nullptr);
    // Nothing to drop: nothing happens, not even a message.
    player->dropItem();
    EXPECT_EQ(player->droppedItem, nullptr);
    EXPECT_EQ(popups(), "");
    EXPECT_FALSE(player->activateLure()) << "nothing dropped, nothing to set off";
}

TEST_F(PlayerTest, StandingStillTwentySecondsSmokesForTwelveWithAPuffAboutEveryThreeSeconds)
{
    constexpr float dt = 1.0f / 60.0f;
    float idle = 0.0f;
    while (!player->isSmoking() && idle < 30.0f)
    {
        player->update(dt);
        idle += dt;
    }
    EXPECT_NEAR(idle, Player::IdleSecondsToSmoke, 2.0f * dt);
    EXPECT_FLOAT_EQ(player->smokeTimer, Player::SmokeSeconds);

    // The first puff comes at once, then one about every three seconds.
    player->update(dt);
    EXPECT_EQ(puffs(), 1);
    float smoked = dt;
    while (player->isSmoking() && smoked < 20.0f)
    {
        player->update(dt);
        smoked += dt;
    }
    EXPECT_NEAR(smoked, Player::SmokeSeconds, 2.0f * dt);
    EXPECT_EQ(puffs(), 4) << "puffs at 0, ~3, ~6 and ~9 seconds";
    EXPECT_FLOAT_EQ(player->idleTime, 0.0f) << "and the idle count starts over";

    // One step during a smoke puts it out and starts the idle time over.
    player->startSmoking();
    play(1.0f);
    vertical = 3.0f;
    player->update(1.0f / 60.0f);
    vertical = 0.0f;
    EXPECT_FALSE(player->isSmoking());
    EXPECT_FLOAT_EQ(player->idleTime, 0.0f);
    // A raised weapon counts as not idle, and a shot puts a smoke out.
    player->startSmoking();
    player->fire(0.0f);
    EXPECT_FALSE(player->isSmoking());
}

TEST_F(PlayerTest, TheSecondaryItemCyclesThroughTheKindsCarriedAndFollowsTheLastOneDropped)
{
    player->inventory->addItem(RemoteExplosive);
    player->inventory->addItem(Flashbang);
    player->inventory->addItem(Flashbang);
    player->selectNextSecondary();
    EXPECT_EQ(player->secondaryIndex, 0);
    player->selectNextSecondary();
    EXPECT_EQ(player->secondaryIndex, 2) << "the lure is skipped: none is carried";
    ASSERT_NE(player->secondaryItem, nullptr);
    EXPECT_EQ(player->secondaryItem->def->id, Flashbang);
    player->selectNextSecondary();
    EXPECT_EQ(player->secondaryIndex, 0) << "wrapping round";

    // Dropping the last explosive selects the next kind carried.
    player->dropItem();
    ASSERT_NE(player->droppedItem, nullptr);
    EXPECT_EQ(player->secondaryIndex, 2);
    EXPECT_EQ(player->secondaryItem->def->id, Flashbang);
    // The pocket's picture follows: the item line reads the flash-bangs.
    EXPECT_TRUE(player->inventory->changed);

    // One dropped item waits at a time.
    player->dropItem();
    EXPECT_NE(popups().find("Can't drop multiple items."), std::string::npos);
    EXPECT_EQ(player->inventory->countOf(Flashbang), 2);

    // (Far enough that the blast spares the player.)
    player->droppedItem->setPosition(centreOf(1, 1));
    // Setting it off frees the hand for the next drop; a kind with some left
    // stays selected, and the selection never points at an item on the map.
    EXPECT_TRUE(player->activateLure());
    player->dropItem();
    EXPECT_EQ(player->secondaryIndex, 2);
    EXPECT_TRUE(player->inventory->contains(player->secondaryItem));
    EXPECT_TRUE(player->activateLure());
    player->dropItem();
    EXPECT_EQ(player->secondaryIndex, -1) << "nothing left to select";
    EXPECT_EQ(player->secondaryItem, nullptr);
}

TEST_F(PlayerTest, ADroppedLureWaitsOnTheGroundAndActivatingItKeepsItThere)
{
    player->setRotation(90.0f);
    player->inventory->addItem(Lure);
    player->selectNextSecondary();
    player->dropItem();
    GameObject* lure = player->droppedItem;
    ASSERT_NE(lure, nullptr);
    EXPECT_TRUE(onMap(lure));
    EXPECT_EQ(player->inventory->countOf(Lure), 0);
    EXPECT_NEAR(lure->getPosition().x, player->getPosition().x + player->getRadius(), 1e-3f) << "just ahead";
    EXPECT_NE(popups().find("`%Lure`7 dropped."), std::string::npos);

    EXPECT_TRUE(player->activateLure());
    EXPECT_EQ(player->droppedItem, nullptr);
    EXPECT_TRUE(onMap(lure)) << "a lure stays where it lies";
    EXPECT_TRUE(lure->armed) << "its despawn countdown runs";
    EXPECT_EQ(lure->currentAnimation, 1);
    EXPECT_FALSE(player->activateLure());

    // A flash-bang goes off and is gone; a dropped item that leaves the map
    // is forgotten.
    player->inventory->addItem(Flashbang);
    player->selectNextSecondary();
    player->dropItem();
    GameObject* flash = player->droppedItem;
    ASSERT_NE(flash, nullptr);
    EXPECT_TRUE(player->activateLure());
    EXPECT_FALSE(onMap(flash));
    player->inventory->addItem(RemoteExplosive);
    player->selectNextSecondary();
    player->dropItem();
    GameObject* explosive = player->droppedItem;
    ASSERT_NE(explosive, nullptr);
    map->removeObject(explosive, true);
    map->queueForDeletion(explosive);
    EXPECT_EQ(player->droppedItem, nullptr);
    EXPECT_FALSE(player->activateLure());
}

TEST_F(PlayerTest, APoliceScanWarnsOnTheHudOnlyWhileItRuns)
{
    player->onScanStart();
    EXPECT_FLOAT_EQ(driver->scanCountdown, 20.0f);
    player->onScanEnd("");
    EXPECT_FLOAT_EQ(driver->scanCountdown, -1.0f) << "a scan that ends without a verdict ends the warning too";
    EXPECT_TRUE(popups().empty()) << popups();
    player->onScanStart();
    player->onScanEnd("`9Identity confirmed.");
    EXPECT_FLOAT_EQ(driver->scanCountdown, -1.0f);
    EXPECT_NE(popups().find("Identity confirmed."), std::string::npos);
}

TEST_F(PlayerTest, DeathByAPoliceDroneWhileCarryingABodyCountsAndEndsTheRun)
{
    Achievements* achievements = Achievements::getInstance();
    StatEngine* stats = StatEngine::getInstance();
    stats->resetRunCounters();
    const StatRecord* before = stats->find(1009);
    const int deaths = before ? before->run : 0;
    GameObject body(mobDef(), false, GameObject::WalkingMob);
    player->carriedBody = &body;
    player->onScanStart();

    player->lastHitBy = 1;
    player->takeDamage(0, 500.0f, 0.0f);
    player->carriedBody = nullptr;

    ASSERT_NE(stats->find(1009), nullptr);
    EXPECT_EQ(stats->find(1009)->run, deaths + 1);
    for (int id : {117, 119, 105})
    {
        const auto& all = achievements->achievementList();
        const auto found = std::find_if(all.begin(), all.end(), [id](const auto& a) { return a.id == id; });
        ASSERT_NE(found, all.end());
        EXPECT_TRUE(found->done) << "achievement " << id;
    }
    EXPECT_EQ(driver->state, GameState::Dead);
    EXPECT_FLOAT_EQ(driver->scanCountdown, -1.0f);
    EXPECT_NE(popups().find("by a police drone."), std::string::npos);

    // The dead neither walk nor smoke.
    const Vec2 lying = player->getPosition();
    vertical = 3.0f;
    play(25.0f, 0.5f);
    EXPECT_EQ(player->getPosition(), lying);
    EXPECT_FALSE(player->isSmoking());
}

TEST_F(PlayerTest, ALurePickedUpAfterActivationGoesBackSwitchedOff)
{
    player->inventory->addItem(Lure);
    player->selectNextSecondary();
    player->dropItem();
    GameObject* lure = player->droppedItem;
    ASSERT_NE(lure, nullptr);
    const float countdown = lure->def->despawn;
    ASSERT_GT(countdown, 5.0f);
    ASSERT_TRUE(player->activateLure());
    for (int frame = 0; frame < 5 * 60; ++frame)
        map->update(1.0f / 60.0f);
    ASSERT_TRUE(onMap(lure));
    ASSERT_LT(lure->despawnTimer, countdown);

    player->inventory->pickUp(lure);
    EXPECT_FALSE(lure->armed);
    player->selectNextSecondary();
    player->dropItem();
    ASSERT_EQ(player->droppedItem, lure);
    EXPECT_FALSE(lure->armed) << "dropped again, it waits to be switched on";
    for (int frame = 0; frame < 60; ++frame)
        map->update(1.0f / 60.0f);
    ASSERT_TRUE(player->activateLure());
    EXPECT_FLOAT_EQ(lure->despawnTimer, countdown) << "its countdown starts afresh";
}
