// A citizen's death: the wallet it drops, the murder it counts, the steal
// contract's package it leaves (an object on the map that the contract
// tracks until it is picked up), and its single count off the population;
// and a contract target, named as one only while its contract is in hand.
#include "NPCFixture.h"
#include "actors/Player.h"
#include "actors/contracts/Contract.h"
#include "actors/contracts/MissionManager.h"
#include "app/Achievements.h"
#include "app/GameInterface.h"
#include "app/StatEngine.h"
#include "app/TempFolder.h"
#include "platform/StatsStore.h"
#include "ui/hud/HudSource.h"
#include "world/MapMarker.h"

using cocos2d::Vec2;

namespace {
constexpr int Wallet = 252;
constexpr int Package = 366;
}

class GameNPCDeathTest : public NPCFixture
{
protected:
    void SetUp() override
    {
        NPCFixture::SetUp();
        saves = std::make_unique<ScopedSavesFolder>(folder.path());
        StatsStore::getInstance()->shutdown();
        Achievements::getInstance()->reset();
        StatEngine::getInstance()->reset();
        game = GameInterface::getInstance();
        game->clearMessages();
        game->popupShowing = true;
        game->murders = game->gangKills = game->contractsDone = 0;
        GameData::getInstance()->currentZone = 0;
        resetContractValues();
        missions = MissionManager::getInstance();
        missions->resetRun();
        auto* marker = new MapMarker(MapMarkerKind::Spawn, centreOf(5, 5));
        map->allMarkers.push_back(marker);
        map->spawnMarkers.push_back(marker);
    }

    void TearDown() override
    {
        missions->resetRun();
        game->clearMessages();
        Achievements::getInstance()->reset();
        StatEngine::getInstance()->reset();
        saves.reset();
        NPCFixture::TearDown();
    }

    GameObject* lastPlaced(int definitionId) const
    {
        for (GameObject* object : map->passableObjects)
        {
            if (object->def && object->def->id == definitionId)
                return object;
        }
        for (GameObject* object : map->solidObjects)
        {
            if (object->def && object->def->id == definitionId)
                return object;
        }
        return nullptr;
    }

    // Accepts the first board entry as an assassination, its body to be hidden or not.
    GameNPC* acceptAssassination(bool hideBody)
    {
        game->maxmissionspawndistance = 1000;
        missions->update(0.0f);
        if (missions->board().empty())
            return nullptr;
        Contract* contract = missions->board().front();
        contract->kind = Contract::Assassinate;
        contract->musthidebody = hideBody;
        contract->bodyguard = contract->policeescort = contract->knowsplayer = false;
        missions->acceptContract(0);
        return dynamic_cast<GameNPC*>(missions->target());
    }

    static int runCount(int statId)
    {
        const StatRecord* record = StatEngine::getInstance()->find(statId);
        return record ? record->run : 0;
    }

    static void shoot(GameMob* victim, int role)
    {
        victim->lastHitBy = role;
        victim->takeDamage(1, 500.0f, 0.0f);
    }

    TempFolder folder;
    std::unique_ptr<ScopedSavesFolder> saves;
    GameInterface* game = nullptr;
    MissionManager* missions = nullptr;
};

TEST_F(GameNPCDeathTest, AKilledCitizenDropsAWalletAheadAndCountsAsAMurderUnlessAHunter)
{
    GameNPC* victim = makeNPC(40.0f, 30.0f);
    victim->setRotation(90.0f);
    const Vec2 at = victim->getPosition();
    shoot(victim, RolePlayer);
    GameObject* wallet = lastPlaced(Wallet);
    ASSERT_NE(wallet, nullptr);
    EXPECT_NEAR(wallet->getPosition().distance(at + Vec2(16, 0)), 0.0f, 0.5f) << "16 px ahead of where it faced";
    EXPECT_GE(wallet->value, 19);
    EXPECT_LE(wallet->value, 31);
    EXPECT_EQ(game->murders, 1);
    ASSERT_FALSE(game->messages.empty());
    EXPECT_EQ(game->messages.back().text, "Innocent neutralised: `@" + victim->record->fullName);

    // A hunter sent after the player is no innocent.
    GameNPC* hunter = makeNPC(40.0f, 30.0f, Vec2(14, 14));
    hunter->mobKind = MobHunter;
    map->removeObject(wallet, true);
    delete wallet;
    shoot(hunter, RolePlayer);
    EXPECT_EQ(game->murders, 1);
    GameObject* loot = lastPlaced(Wallet);
    ASSERT_NE(loot, nullptr);
    EXPECT_GE(loot->value, 85);
    EXPECT_LE(loot->value, 155);
}

TEST_F(GameNPCDeathTest, AStealTargetDropsThePackageWhichTheContractTracksUntilItIsPickedUp)
{
    game->maxmissionspawndistance = 1000;
    missions->update(0.0f);
    ASSERT_FALSE(missions->board().empty());
    Contract* contract = missions->board().front();
    contract->kind = Contract::Steal;
    contract->bodyguard = contract->policeescort = contract->knowsplayer = false;
    missions->acceptContract(0);
    auto* target = dynamic_cast<GameNPC*>(missions->target());
    ASSERT_NE(target, nullptr) << "the target walks as an NPC";
    EXPECT_TRUE(target->contractTarget);
    EXPECT_EQ(target->roleCode, RoleTarget);

    shoot(target, RolePlayer);
    GameObject* package = lastPlaced(Package);
    ASSERT_NE(package, nullptr);
    EXPECT_EQ(package->value, 0);
    EXPECT_EQ(package->ownerId, target->citizenId());
    EXPECT_EQ(countPlaced(Wallet), 0) << "the package instead of a wallet";
    ASSERT_NE(missions->acceptedContract(), nullptr);
    EXPECT_EQ(missions->target(), package);
    EXPECT_EQ(missions->acceptedContract()->targetNPC.package(), package);
    EXPECT_EQ(missions->acceptedContract()->targetNPC.person(), nullptr) << "held as an object, not as an NPC";
    EXPECT_EQ(game->murders, 0) << "the target is no innocent";

    // The body's removal does not fail the contract; the package's pick-up is forgotten.
    const int targetId = target->citizenId();
    mobs->removeMob(target);
    ASSERT_NE(missions->acceptedContract(), nullptr);
    EXPECT_EQ(missions->targetCitizenId(), targetId) << "the contract keeps the record it names";
    map->removeObject(package, true);
    delete package;
    EXPECT_EQ(missions->target(), nullptr);
}

TEST_F(GameNPCDeathTest, EachCitizenTheSpawnerMadeIsCountedOffOnceHoweverItLeaves)
{
    PopulationSettings* population = PopulationSettings::getInstance();
    population->citizenCount = 4;
    population->firstFill = false;
    game->contactcount = 0;
    population->update();
    ASSERT_EQ(population->spawnedCitizens, 4);
    ASSERT_EQ(mobs->groundMobs.size(), 4u);

    // Killed and then cleared away, walked home, removed directly: one each.
    shoot(mobs->groundMobs[0], RolePlayer);
    EXPECT_EQ(population->spawnedCitizens, 3);
    mobs->removeMob(mobs->groundMobs[0]);
    EXPECT_EQ(population->spawnedCitizens, 3);
    mobs->removeMob(mobs->groundMobs[0]);
    EXPECT_EQ(population->spawnedCitizens, 2);

    // Walkers the spawner never counted (a target, a bodyguard) leave without touching the count.
    GameNPC* stranger = makeNPC(40.0f, 30.0f);
    shoot(stranger, RolePlayer);
    EXPECT_EQ(population->spawnedCitizens, 2);

    population->update();
    EXPECT_EQ(population->spawnedCitizens, 4);
    EXPECT_EQ(mobs->groundMobs.size(), 4u);
}

TEST_F(GameNPCDeathTest, AnAssassinationIsCompletedByTheKillUnlessTheBodyMustBeHiddenAndPoliceKillsCountAsCrossfire)
{
    GameNPC* target = acceptAssassination(false);
    ASSERT_NE(target, nullptr);
    shoot(target, RolePlayer);
    EXPECT_EQ(missions->acceptedContract(), nullptr) << "completed at once";
    EXPECT_EQ(game->contractsDone, 1);
    EXPECT_EQ(game->murders, 0);
    EXPECT_EQ(runCount(1000), 1) << "a kill by the player";
    EXPECT_EQ(runCount(1017), 1) << "by rifle";

    missions->update(MissionManager::kBoardLifetime + 1.0f);
    GameNPC* hidden = acceptAssassination(true);
    ASSERT_NE(hidden, nullptr);
    shoot(hidden, RolePlayer);
    ASSERT_NE(missions->acceptedContract(), nullptr) << "open until the body is hidden";
    ASSERT_FALSE(game->messages.empty());
    EXPECT_EQ(game->messages.back().text, "Hide the body to complete the contract.");
    EXPECT_EQ(game->contractsDone, 1);

    // A bystander shot by a police drone, the shot aimed at the player.
    GameNPC* bystander = makeNPC(40.0f, 30.0f, Vec2(15, 15));
    bystander->hitFlag = true;
    shoot(bystander, RolePoliceDrone);
    EXPECT_EQ(runCount(1008), 1);
    EXPECT_EQ(runCount(1020), 1);
    EXPECT_EQ(game->murders, 0) << "not the player's murder";
}

TEST_F(GameNPCDeathTest, TheHudNamesATargetOnlyWhileItsContractIsInHand)
{
    GameNPC* target = acceptAssassination(false);
    ASSERT_NE(target, nullptr);
    const HudSource readings;
    ASSERT_TRUE(readings.person(target).has_value());
    EXPECT_TRUE(readings.person(target)->contractTarget);

    // Abandoned, the job leaves its person walking the city as anybody else.
    missions->abandonContract();
    EXPECT_FALSE(readings.person(target)->contractTarget);

    // The next job's target is the one named, not the old one.
    missions->update(MissionManager::kBoardLifetime + 1.0f);
    GameNPC* next = acceptAssassination(false);
    ASSERT_NE(next, nullptr);
    ASSERT_NE(next, target);
    EXPECT_TRUE(readings.person(next)->contractTarget);
    EXPECT_FALSE(readings.person(target)->contractTarget);
}
