#include "ContractFixture.h"

namespace {

using ContractLifecycleTest = ContractFixture;

const char* const kLeftTheArea = "`@Contract failed.\nTarget left the area.";
const char* const kBodyFound = "`@Contract failed.\nTarget's body was found and reported to police.";

TEST_F(ContractLifecycleTest, AcceptingSendsTheTargetWithItsGuardAndEscortIntoTheCity)
{
    Contract* job = boardEntry(1);
    job->knowsplayer = job->bodyguard = job->policeescort = true;
    job->urgent = 0;
    job->target->paranoid = true;
    CitizenRecord* record = job->target;

    missions->acceptContract(7);
    missions->acceptContract(-1);
    EXPECT_EQ(missions->acceptedContract(), nullptr) << "an index off the board changes nothing";

    missions->acceptContract(1);
    EXPECT_EQ(missions->acceptedContract(), job);
    EXPECT_EQ(missions->board().size(), 2u) << "the job leaves the board";
    EXPECT_EQ(runCount(1011), 1);
    EXPECT_EQ(messageTexts(), std::vector<std::string>{"Contract Accepted."});

    ASSERT_EQ(actors.targets.size(), 1u);
    GameMob* target = actors.targets[0].mob.get();
    EXPECT_EQ(actors.targets[0].record.get(), record) << "the NPC takes the record";
    EXPECT_EQ(actors.targets[0].position, map->spawnMarkers[0]->position);
    EXPECT_EQ(missions->target(), target);
    EXPECT_EQ(job->targetNPC.person(), target);
    EXPECT_TRUE(record->resident) << "a target that lives here stays";
    EXPECT_EQ(target->watchMode, 2);
    EXPECT_EQ(target->watchId, -2);
    EXPECT_EQ(actors.escorted, std::vector<GameMob*>{target});
    EXPECT_TRUE(target->hasBodyguards);

    ASSERT_EQ(actors.guards.size(), 1u);
    GameMob* guard = actors.guards[0].mob.get();
    EXPECT_EQ(actors.guards[0].principal, target);
    EXPECT_EQ(actors.guards[0].position, actors.targets[0].position);
    EXPECT_TRUE(actors.guards[0].paranoid) << "the guard shares the target's nerves";
    EXPECT_FLOAT_EQ(guard->walkSpeed, 16.0f * 1.1f);
    EXPECT_FLOAT_EQ(target->walkSpeed, guard->walkSpeed);
    EXPECT_EQ(guard->watchMode, 2);
    EXPECT_EQ(guard->watchId, -2);

    // A second job drops the first silently: its target stops being a
    // resident and walks out of the zone in time.
    Contract* next = missions->board()[0];
    missions->acceptContract(0);
    EXPECT_EQ(missions->acceptedContract(), next);
    EXPECT_FALSE(record->resident);
    EXPECT_EQ(actors.released, std::vector<GameMob*>{target});
    EXPECT_EQ(messageTexts(), (std::vector<std::string>{"Contract Accepted.", "Contract Accepted."}));
    EXPECT_EQ(runCount(1011), 2);
    EXPECT_EQ(runCount(1002), 0) << "abandoning is no failure";

    // A visiting target is not resident; no spawner means no target at all.
    missions->setActors(nullptr);
    missions->update(0.0f);
    missions->board()[0]->urgent = 1;
    missions->acceptContract(0);
    EXPECT_EQ(missions->target(), nullptr);
    EXPECT_TRUE(missions->acceptedContract()->ownsTargetRecord());
}

TEST_F(ContractLifecycleTest, AJobWhoseTargetFindsNoPlaceInTheCityIsNotAcceptedAndThePlayerIsTold)
{
    const char* const notAccepted = "`@Contract not accepted.\nTarget cannot be located.";
    makePlayer(0);
    Contract* held = boardEntry(0);
    missions->acceptContract(0);
    ASSERT_EQ(missions->acceptedContract(), held);
    game->messages.clear();

    // Every spawn point lies beyond the reach of a job from where the player stands.
    player->setPosition(cocos2d::Vec2(2000, 2000));
    const int reach = game->maxmissionspawndistance;
    game->maxmissionspawndistance = 10;
    Contract* job = missions->board()[0];
    const size_t onBoard = missions->board().size();
    missions->acceptContract(0);
    game->maxmissionspawndistance = reach;
    EXPECT_EQ(missions->acceptedContract(), held) << "the job in hand stays the player's";
    EXPECT_TRUE(actors.released.empty());
    EXPECT_EQ(missions->board().size(), onBoard);
    EXPECT_EQ(missions->board()[0], job) << "the job stays on the board";
    EXPECT_TRUE(job->ownsTargetRecord());
    EXPECT_EQ(actors.targets.size(), 1u);
    EXPECT_EQ(runCount(1011), 1);
    EXPECT_EQ(messageTexts(), std::vector<std::string>{notAccepted});
}

TEST_F(ContractLifecycleTest, CompletingPaysTheValueAndCountsTheJob)
{
    makePlayer(100);
    Contract* job = boardEntry(1);
    const int value = job->getValue();
    ASSERT_EQ(value, 175);
    missions->acceptContract(1);
    game->messages.clear();

    missions->completeContract();
    EXPECT_EQ(player->credits, 100 + value);
    EXPECT_EQ(game->creditsEarned, value);
    EXPECT_EQ(runCount(1006), value) << "money earned";
    EXPECT_EQ(runCount(1003), 1);
    EXPECT_EQ(missions->completedCount(), 1);
    EXPECT_EQ(missions->acceptedContract(), nullptr);
    EXPECT_EQ(missions->target(), nullptr);
    EXPECT_EQ(messageTexts(), std::vector<std::string>{"Contract completed. Earned `$175`7c"});

    // Without a player the job still counts, and nobody is paid.
    game->player = nullptr;
    missions->acceptContract(0);
    missions->completeContract();
    EXPECT_EQ(missions->completedCount(), 2);
    EXPECT_EQ(runCount(1003), 2);
    EXPECT_EQ(game->creditsEarned, value);
    EXPECT_TRUE(achievements->isUnlocked(2037)) << "two contracts open the fourth slot";

    missions->completeContract();
    EXPECT_EQ(missions->completedCount(), 2) << "nothing to complete";
}

TEST_F(ContractLifecycleTest, ATargetThatLeavesOrIsFoundFailsTheJob)
{
    makePlayer(0);
    boardEntry(0)->policeescort = true;
    missions->acceptContract(0);
    GameMob* target = actors.targets.at(0).mob.get();
    game->messages.clear();

    GameMob stranger(nullptr, false);
    missions->onMobRemoved(&stranger);
    missions->onMobRemoved(nullptr);
    EXPECT_NE(missions->acceptedContract(), nullptr) << "only the target's removal matters";

    missions->onMobRemoved(target);
    EXPECT_EQ(messageTexts(), std::vector<std::string>{kLeftTheArea});
    EXPECT_EQ(actors.released, std::vector<GameMob*>{target});
    EXPECT_EQ(missions->acceptedContract(), nullptr);
    EXPECT_EQ(missions->target(), nullptr);
    EXPECT_EQ(runCount(1002), 1);
    EXPECT_TRUE(achievementDone(116));

    // A dead target whose body is found; with the player dead it is not counted.
    missions->acceptContract(0);
    target = actors.targets.at(1).mob.get();
    target->health = 0;
    player->health = 0;
    game->messages.clear();
    missions->onMobRemoved(target);
    EXPECT_EQ(messageTexts(), std::vector<std::string>{kBodyFound});
    EXPECT_EQ(runCount(1002), 1);
    EXPECT_EQ(missions->acceptedContract(), nullptr);
    EXPECT_EQ(missions->completedCount(), 0);
}

TEST_F(ContractLifecycleTest, AStealTargetGivesWayToItsPackage)
{
    makePlayer(0);
    Contract* job = boardEntry(1);
    job->kind = Contract::Steal;
    job->policeescort = true;
    const int value = job->getValue();
    ASSERT_EQ(value, 150 + 25 + 200 + 50);
    missions->acceptContract(1);
    GameMob* target = actors.targets.at(0).mob.get();

    // The target dies and drops the package, which the tracker now follows.
    target->health = 0;
    GameObject package(nullptr, false, GameObject::PlainObject);
    missions->setTargetPackage(&package);
    EXPECT_EQ(missions->target(), &package);
    EXPECT_EQ(job->targetNPC.kind(), ContractTarget::Package);
    EXPECT_EQ(job->targetNPC.person(), nullptr);

    // The body going is no failure any more: the package is the target.
    missions->onMobRemoved(target);
    EXPECT_EQ(missions->acceptedContract(), job);
    EXPECT_EQ(runCount(1002), 0);

    // Taking the package pays.
    missions->completeContract();
    EXPECT_EQ(player->credits, value);
    EXPECT_EQ(missions->target(), nullptr);

    // A package that leaves the map is forgotten; abandoning a job whose
    // target is a package never treats the package as a person.
    boardEntry(0)->kind = Contract::Steal;
    missions->acceptContract(0);
    CitizenRecord* record = actors.targets.at(1).record.get();
    record->resident = true;
    GameObject secondPackage(nullptr, false, GameObject::PlainObject);
    missions->setTargetPackage(&secondPackage);
    missions->forgetObject(&package);
    EXPECT_EQ(missions->target(), &secondPackage);
    actors.released.clear();
    missions->abandonContract();
    EXPECT_TRUE(actors.released.empty());
    EXPECT_TRUE(record->resident);
    EXPECT_EQ(missions->acceptedContract(), nullptr);

    missions->acceptContract(0);
    GameObject thirdPackage(nullptr, false, GameObject::PlainObject);
    missions->setTargetPackage(&thirdPackage);
    missions->forgetObject(&thirdPackage);
    EXPECT_EQ(missions->target(), nullptr);
    EXPECT_NE(missions->acceptedContract(), nullptr);
}

TEST_F(ContractLifecycleTest, ReloadingTheLevelDropsTheJobWithoutAFailure)
{
    makePlayer(0);
    boardEntry(0);
    missions->acceptContract(0);
    missions->completeContract();
    missions->acceptContract(0);
    GameMob* target = actors.targets.at(1).mob.get();
    game->messages.clear();

    missions->resetRun();
    EXPECT_EQ(missions->acceptedContract(), nullptr);
    EXPECT_TRUE(missions->board().empty());
    EXPECT_EQ(missions->completedCount(), 0);
    // The actors go after the contract: the old target's removal fails nothing.
    missions->onMobRemoved(target);
    EXPECT_TRUE(game->messages.empty());
    EXPECT_EQ(runCount(1002), 0);
}

}  // namespace
