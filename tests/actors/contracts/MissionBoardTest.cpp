#include "ContractFixture.h"

#include <set>

namespace {

using MissionBoardTest = ContractFixture;

// What many boards, each drawn afresh, held.
struct Seen
{
    int contracts = 0;
    int plain = 0;
    int urgent = 0, knows = 0, armed = 0, guard = 0, escort = 0, paranoid = 0, steal = 0, hide = 0;
    int guardAndEscort = 0, stealAndHide = 0;
};

Seen drawBoards(MissionManager* missions, int boards)
{
    Seen seen;
    for (int i = 0; i < boards; ++i)
    {
        missions->clearContracts();
        missions->update(0.0f);
        for (const Contract* c : missions->board())
        {
            ++seen.contracts;
            seen.plain += c->getValue() == 150;
            seen.urgent += c->urgent;
            seen.knows += c->knowsplayer;
            seen.armed += c->armed;
            seen.guard += c->bodyguard;
            seen.escort += c->policeescort;
            seen.paranoid += c->paranoid;
            seen.steal += c->kind == Contract::Steal;
            seen.hide += c->musthidebody;
            seen.guardAndEscort += c->bodyguard && c->policeescort;
            seen.stealAndHide += c->kind == Contract::Steal && c->musthidebody;
            EXPECT_TRUE(c->tracker);
            EXPECT_EQ(c->timer, -1.0f);
            EXPECT_GE(c->target->appearanceId, 3014);
            EXPECT_LE(c->target->appearanceId, 3021);
            EXPECT_EQ(c->target->armedTrait, c->armed ? 80.0f : 40.0f);
            EXPECT_EQ(c->target->paranoid, c->paranoid);
            EXPECT_FALSE(c->targetNPC.isSet());
        }
    }
    return seen;
}

TEST_F(MissionBoardTest, WithoutUnlocksTheBoardHoldsOnePlainContractAndUrgentOnes)
{
    missions->update(0.0f);
    ASSERT_EQ(missions->board().size(), 3u) << "three slots at first";
    EXPECT_EQ(missions->board()[0]->getValue(), 150);
    for (size_t i = 1; i < 3; ++i)
    {
        EXPECT_EQ(missions->board()[i]->urgent, 1);
        EXPECT_EQ(missions->board()[i]->getValue(), 175);
    }
    const Seen seen = drawBoards(missions, 50);
    EXPECT_EQ(seen.plain, 50);
    EXPECT_EQ(seen.urgent, 100);

    // The slot unlocks widen the board.
    unlockAll({2037});
    missions->update(0.0f);
    EXPECT_EQ(missions->board().size(), 4u);
    unlockAll({2028});
    missions->update(0.0f);
    EXPECT_EQ(missions->board().size(), 10u);
}

TEST_F(MissionBoardTest, ConditionsComeWithTheirZoneAndUnlock)
{
    unlockAll({2001, 2005, 2011, 2018, 2032, 2033, 2034});

    Seen downtown = drawBoards(missions, 100);
    EXPECT_EQ(downtown.plain, 100) << "exactly one plain contract a board";
    EXPECT_EQ(downtown.knows + downtown.guard + downtown.escort + downtown.steal, 0);
    EXPECT_GT(downtown.armed, 0);
    EXPECT_GT(downtown.paranoid, 0);
    EXPECT_GT(downtown.hide, 0);

    GameData::getInstance()->currentZone = 1;
    Seen docks = drawBoards(missions, 100);
    EXPECT_EQ(docks.knows + docks.escort, 0) << "face and escort only in Hilldale";
    EXPECT_GT(docks.guard, 0);
    EXPECT_GT(docks.steal, 0);
    EXPECT_EQ(docks.stealAndHide, 0) << "a package needs no hidden body";

    GameData::getInstance()->currentZone = 2;
    Seen hilldale = drawBoards(missions, 200);
    EXPECT_GT(hilldale.knows, 0);
    EXPECT_GT(hilldale.escort, 0);
    EXPECT_GT(hilldale.guard, hilldale.escort) << "a guard drawn first keeps the police away in its pass";
    EXPECT_EQ(hilldale.stealAndHide, 0);

    // Without their unlocks the conditions stay away in every zone.
    achievements->reset();
    const Seen locked = drawBoards(missions, 50);
    EXPECT_EQ(locked.contracts - locked.plain, locked.urgent);
}

TEST_F(MissionBoardTest, PricingStopsWhenTheZonesValuesMakeEveryJobLookPlain)
{
    // Urgency is the only condition and adds nothing: every draw is worth 150.
    contractValueTable[LevelSettings::Urgent] = 0;
    missions->update(0.0f);
    ASSERT_EQ(missions->board().size(), 3u);
    for (const Contract* c : missions->board())
    {
        EXPECT_EQ(c->urgent, 0) << "after the bounded draws the job stays plain";
        EXPECT_EQ(c->getValue(), 150);
    }

    // A zone whose base is not 150 has no "plain" contract on the board.
    missions->clearContracts();
    resetContractValues();
    contractValueTable[LevelSettings::Base] = 100;
    missions->update(0.0f);
    for (const Contract* c : missions->board())
        EXPECT_EQ(c->getValue(), 100) << "the plain test compares against 150";
}

TEST_F(MissionBoardTest, TheBoardIsReplacedEveryFifteenSecondsOfStanding)
{
    auto ids = [this]() {
        std::set<int32_t> result;
        for (const Contract* c : missions->board())
            result.insert(c->target->id);
        return result;
    };
    missions->update(20.0f);
    const std::set<int32_t> first = ids();
    ASSERT_EQ(first.size(), 3u);
    missions->update(10.0f);
    missions->update(4.9f);
    EXPECT_EQ(ids(), first) << "the time before the board was filled does not count";
    missions->update(0.2f);
    const std::set<int32_t> second = ids();
    ASSERT_EQ(second.size(), 3u);
    for (int32_t id : second)
        EXPECT_EQ(first.count(id), 0u);
    missions->update(14.8f);
    EXPECT_EQ(ids(), second) << "the 0.1 s over the last refresh carried on";
    missions->update(0.15f);
    EXPECT_NE(ids(), second);
}

}  // namespace
