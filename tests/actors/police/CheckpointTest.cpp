// Security checkpoints built from the map's markers: the three by three box,
// scans that pass and fail (contraband in a real inventory, a carried body),
// the record that keeps a person from being scanned twice, and the lights.
#include "PoliceManagerFixture.h"
#include "actors/Inventory.h"
#include "actors/police/Checkpoint.h"

using cocos2d::Vec2;

namespace
{
constexpr int Shotgun = 69; // contraband
constexpr int Pistol = 73;  // legal
}

class CheckpointTest : public PoliceManagerFixture
{
protected:
    void SetUp() override
    {
        PoliceManagerFixture::SetUp();
        auto* marker = new MapMarker(MapMarkerKind::Checkpoint, centreOf(10, 10));
        map->allMarkers.push_back(marker);
        police->buildCheckpoints();
        ASSERT_EQ(police->getCheckpoints().size(), 1u);
        checkpoint = police->getCheckpoints()[0];
    }

    WitnessCitizen* walkerCarrying(int item, Vec2 position)
    {
        WitnessCitizen* walker = addWalker(position);
        walker->inventory->addItem(item);
        return walker;
    }

    Checkpoint* checkpoint = nullptr;
};

TEST_F(CheckpointTest, TheBoxIsThreeByThreeCellsRoundTheMarker)
{
    EXPECT_EQ(checkpoint->cell, Vec2(10, 10));
    EXPECT_EQ(checkpoint->position, WorldMap::gridToPixel(10, 10));
    for (int y = 8; y <= 12; ++y)
    {
        for (int x = 8; x <= 12; ++x)
        {
            const bool inside = x >= 9 && x <= 11 && y >= 9 && y <= 11;
            EXPECT_EQ(checkpoint->isInTriggerBox(Vec2(x, y)), inside) << x << "," << y;
        }
    }
    // The map's rebuild makes the checkpoints anew from the markers.
    map->buildTiles(0, 0, -1, -1);
    EXPECT_EQ(police->getCheckpoints().size(), 1u);
}

TEST_F(CheckpointTest, ALegalWalkerPassesOnceAndIsScannedAgainOnlyAfterItsRecordRanOut)
{
    WitnessCitizen* walker = walkerCarrying(Pistol, centreOf(11, 9));
    WitnessCitizen* outside = walkerCarrying(Shotgun, centreOf(12, 9));
    police->update(0.1f);
    EXPECT_EQ(walker->scansStarted, 1);
    EXPECT_EQ(outside->scansStarted, 0);
    police->update(0.1f);
    ASSERT_EQ(walker->scanMessages.size(), 1u);
    EXPECT_EQ(walker->scanMessages[0], "`%Scan successful. You may continue.");
    EXPECT_NEAR(checkpoint->lightCooldown, Checkpoint::lightSeconds - 0.1f, 1e-4f);
    EXPECT_TRUE(police->getCrimeScenes().empty());

    // Still standing there: scanned again only once the 30 s record is gone.
    float waited = 0.1f;
    while (walker->scansStarted == 1 && waited < 40.0f)
    {
        police->update(0.1f);
        waited += 0.1f;
    }
    EXPECT_EQ(walker->scansStarted, 2);
    EXPECT_NEAR(waited, 30.1f, 0.25f);
    EXPECT_EQ(checkpoint->lightCooldown, -1.0f) << "the lights went off after ten seconds";
}

TEST_F(CheckpointTest, ContrabandOrACarriedBodyFailsTheScanAndCallsThePolice)
{
    WitnessCitizen* smuggler = walkerCarrying(Shotgun, centreOf(10, 10));
    police->update(0.1f);
    police->update(0.1f);
    ASSERT_EQ(smuggler->scanMessages.size(), 1u);
    EXPECT_EQ(smuggler->scanMessages[0],
              "`%For carrying contraband,\n`9police`7 have been called to kill you.\n`$Have a nice day.");
    ASSERT_EQ(police->getCrimeScenes().size(), 1u);
    EXPECT_EQ(police->getCrimeScenes()[0]->suspect, smuggler);

    WitnessCitizen* body = addWalker(centreOf(3, 3));
    body->health = 0;
    WitnessCitizen* carrier = walkerCarrying(Pistol, centreOf(9, 11));
    carrier->carriedBody = body;
    police->update(0.1f);
    police->update(0.1f);
    ASSERT_EQ(carrier->scanMessages.size(), 1u);
    EXPECT_NE(carrier->scanMessages[0].find("contraband"), std::string::npos);
    carrier->carriedBody = nullptr;

    // A scanned person leaving the game leaves no record behind.
    mobs->removeMob(smuggler);
    EXPECT_FALSE(checkpoint->hasRecordOf(smuggler));
    police->update(0.1f);
}

TEST_F(CheckpointTest, OnlyTheLivingAreScannedSoAnArmedBodyCarriedThroughNamesItsCarrier)
{
    // Listed before the player, as the walking people are.
    WitnessCitizen* carried = walkerCarrying(Shotgun, centreOf(10, 10));
    carried->health = 0;
    Player* player = addPlayer(centreOf(10, 10));
    player->carriedBody = carried;
    // Another armed body lies in the box.
    WitnessCitizen* lying = walkerCarrying(Shotgun, centreOf(11, 11));
    lying->health = 0;

    police->update(0.1f);
    police->update(0.1f);
    EXPECT_EQ(carried->scansStarted, 0);
    EXPECT_EQ(lying->scansStarted, 0);
    EXPECT_FALSE(checkpoint->hasRecordOf(lying));
    ASSERT_EQ(police->getCrimeScenes().size(), 1u);
    EXPECT_EQ(police->getCrimeScenes()[0]->suspect, player) << "the carrier is the one the police want";
    EXPECT_TRUE(police->isWanted(player));
    player->carriedBody = nullptr;
}

TEST_F(CheckpointTest, AnInactiveCheckpointScansNobodyAndAResetReactivatesIt)
{
    checkpoint->active = false;
    WitnessCitizen* walker = walkerCarrying(Shotgun, centreOf(10, 10));
    police->update(0.1f);
    EXPECT_EQ(walker->scansStarted, 0);
    police->reset();
    EXPECT_TRUE(checkpoint->active);
    police->update(0.1f);
    EXPECT_EQ(walker->scansStarted, 1);
}
