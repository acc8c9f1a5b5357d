#include "actors/citizens/CitizenRecord.h"
#include "actors/contracts/Contract.h"
#include "world/GameData.h"
#include "world/LevelSettings.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string glyph(int code)
{
    return std::string(1, static_cast<char>(code));
}

class ContractTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        resetContractValues();
        GameData::getInstance()->currentZone = 0;
        auto* record = new CitizenRecord(false);
        record->fullName = "Ada Vance";
        record->age = 27;
        record->gender = 1;
        record->smoker = false;
        record->paranoid = false;
        contract = std::make_unique<Contract>(record);
    }

    void TearDown() override
    {
        resetContractValues();
        GameData::getInstance()->currentZone = 0;
    }

    void setEveryCondition()
    {
        Contract& c = *contract;
        c.urgent = 1;
        c.musthidebody = c.tracker = c.knowsplayer = c.paranoid = c.armed = c.bodyguard = c.policeescort = true;
        c.kind = Contract::Steal;
    }

    std::unique_ptr<Contract> contract;
};

TEST_F(ContractTest, ValueAddsEachConditionFromTheZonesTable)
{
    Contract& c = *contract;
    EXPECT_EQ(c.getValue(), 150) << "a contract without conditions is worth the base";
    c.tracker = true;
    EXPECT_EQ(c.getValue(), 150) << "the tracker is free";

    struct Single { bool Contract::*flag; int value; };
    const Single singles[] = {{&Contract::knowsplayer, 250}, {&Contract::musthidebody, 225}, {&Contract::armed, 200},
                              {&Contract::policeescort, 350}, {&Contract::paranoid, 175}, {&Contract::bodyguard, 300}};
    for (const Single& single : singles)
    {
        c.*single.flag = true;
        EXPECT_EQ(c.getValue(), single.value);
        c.*single.flag = false;
    }
    c.kind = Contract::Steal;
    EXPECT_EQ(c.getValue(), 200);
    c.kind = Contract::Assassinate;
    c.urgent = 1;
    EXPECT_EQ(c.getValue(), 175);
    c.urgent = 2;
    EXPECT_EQ(c.getValue(), 150) << "only urgent 1 is priced";
    c.urgent = 0;
    c.bodyguard = c.knowsplayer = true;
    EXPECT_EQ(c.getValue(), 150 + 150 + 100 + 25) << "a guard who knows the player costs extra";

    // A zone's own values; the keys it leaves out keep the defaults.
    contractValueTable =
        parseLevelSettings("value_base=200\nvalue_urgent=35\nvalue_bodyguardandknowsplayer=35\n", "zone.txt")
            .contractValues;
    EXPECT_EQ(c.getValue(), 200 + 150 + 100 + 35);
    c.bodyguard = c.knowsplayer = false;
    EXPECT_EQ(c.getValue(), 200);
    c.urgent = 1;
    EXPECT_EQ(c.getValue(), 235);
    setEveryCondition();
    EXPECT_EQ(c.getValue(), 200 + 100 + 75 + 50 + 200 + 25 + 150 + 35 + 50 + 35);

    resetContractValues();
    EXPECT_EQ(c.getValue(), 850);
}

TEST_F(ContractTest, SummaryLineShowsTheIconsOfTheZone)
{
    // Zone 0: tracker, gun, timer, paranoia and hiding; dimmed when they do not hold.
    EXPECT_EQ(contract->getSummaryText(false),
              " `$150`7c `8" + glyph(1) + "`8" + glyph(3) + "`8" + glyph(6) + "`8!`8? `7Ada Vance");
    EXPECT_EQ(contract->getSummaryText(true), "`8" + glyph(1) + "`8" + glyph(3) + "`8" + glyph(6) + "`8!`8?");

    setEveryCondition();
    GameData::getInstance()->currentZone = 1;
    EXPECT_EQ(contract->getSummaryText(true), "`9" + glyph(1) + "`@" + glyph(3) + "`$" + glyph(6) + "`#" + glyph(8) +
                                                  "`@!`!" + glyph(2) + "`%?");
    GameData::getInstance()->currentZone = 2;
    EXPECT_EQ(contract->getSummaryText(false), " `$850`7c `9" + glyph(1) + "`$" + glyph(5) + "`@" + glyph(3) + "`$" +
                                                   glyph(6) + "`9" + glyph(8) + "`#" + glyph(8) + "`@!`!" + glyph(2) +
                                                   "`%? `7Ada Vance");
    contract->bodyguard = contract->knowsplayer = contract->policeescort = false;
    contract->kind = Contract::Assassinate;
    EXPECT_EQ(contract->getSummaryText(true), "`9" + glyph(1) + "`8" + glyph(5) + "`@" + glyph(3) + "`$" + glyph(6) +
                                                  "`8" + glyph(8) + "`8" + glyph(8) + "`@!`8" + glyph(2) + "`%?");
}

TEST_F(ContractTest, DetailPageDescribesTheTargetAndEveryCondition)
{
    EXPECT_EQ(contract->getDetailText(), "`@Assassinate `!Ada Vance\n"
                                         "`7- `%27 year old `9Male\n"
                                         "`8" + glyph(1) + " `9no tracker on target\n"
                                         " \n`7  Contract value: `$150`7c");

    // Colour codes such as "`%s" and "`%?" stand as they are, and so does a
    // name with a '%' in it.
    setEveryCondition();
    contract->target->smoker = true;
    contract->target->paranoid = true;
    contract->target->fullName = "Ada %s%n 100% Vance";
    EXPECT_EQ(contract->getDetailText(), "`@Steal from `!Ada %s%n 100% Vance\n"
                                         "`7- `%27 year old `9Male\n"
                                         "`7- `%smoker\n"
                                         "`@! `7is paranoid\n"
                                         "`%" + glyph(1) + " `6has tracker on them\n"
                                         "`!" + glyph(5) + " `7knows your face\n"
                                         "`@" + glyph(3) + " is armed\n"
                                         "`$" + glyph(6) + " `$visiting the zone, kill quickly\n"
                                         "`9" + glyph(8) + " `7has `9police`7 escort\n"
                                         "`#" + glyph(8) + " `7has a `#bodyguard\n"
                                         "`!" + glyph(2) + " `7take the package they drop when assassinated\n"
                                         "`%? `7body must be hidden\n"
                                         " \n`7  Contract value: `$850`7c");
    EXPECT_EQ(contract->getSummaryText(false).substr(contract->getSummaryText(false).size() - 22),
              " `7Ada %s%n 100% Vance");
}

}  // namespace
