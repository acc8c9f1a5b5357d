#include "actors/citizens/CitizenRecord.h"
#include "actors/citizens/CitizenTexts.h"
#include "actors/citizens/NameTables.h"
#include "app/GameInterface.h"
#include "app/HighScores.h"
#include "../../app/TempFolder.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <set>
#include <string>

namespace {

bool contains(const std::vector<std::string>& list, const std::string& name)
{
    return std::find(list.begin(), list.end(), name) != list.end();
}

bool inRange(int value, int low, int high)
{
    return value >= low && value <= high;
}

// Whether the text is the template with this citizen's details filled in.
bool isExpansionOf(const CitizenRecord& citizen, const TextTable& table, const std::string& text)
{
    for (const std::string& line : table)
    {
        if (citizen.expandTemplate(line) == text)
            return true;
    }
    return false;
}

// A citizen with every detail chosen by the test.
CitizenRecord makeCitizen(int gender, int partnerGender, const std::string& first, const std::string& last)
{
    CitizenRecord citizen(false);
    citizen.gender = gender;
    citizen.partnerGender = partnerGender;
    citizen.firstName = first;
    citizen.lastName = last;
    citizen.fullName = joinName(first, last);
    citizen.age = 27;
    citizen.married = true;
    citizen.partnerFirstName = "Rowan";
    return citizen;
}

const char* const kEveryToken = "%hisher|%himher|%heshe|%HisHer|%HimHer|%HeShe|%SpouseHisHer|%spousehisher|"
                                "`@%NAME`7|%FIRSTNAME|%AGE|%LASTNAME|%SPOUSEFIRSTNAME|%NAME again";

class CitizenRecordTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        names = NameTables::getInstance();
        ASSERT_EQ(names->problem(), "");
        armedShare = GameInterface::getInstance()->armedCitizenPercent;
    }
    void TearDown() override { GameInterface::getInstance()->armedCitizenPercent = armedShare; }

    // Every name of the citizen comes from the lists, within their bounds.
    void expectNamesFromTables(const CitizenRecord& c)
    {
        if (c.appearanceId == CitizenRecord::kSpecialAppearance && c.firstName == "Marlowe")
            return;
        if (c.gender == 1)
        {
            EXPECT_TRUE(contains(names->maleFirstNames(), c.firstName)) << c.firstName;
        }
        else if (c.gender == 0)
        {
            EXPECT_TRUE(contains(names->femaleFirstNames(), c.firstName)) << c.firstName;
        }
        else
            EXPECT_TRUE(contains(names->maleFirstNames(), c.firstName) ||
                        contains(names->femaleFirstNames(), c.firstName))
                << c.firstName;
        const size_t dash = c.lastName.find('-');
        if (dash == std::string::npos)
        {
            EXPECT_TRUE(c.lastName.empty() || contains(names->lastNames(), c.lastName)) << c.lastName;
        }
        else
        {
            EXPECT_TRUE(contains(names->lastNames(), c.lastName.substr(0, dash))) << c.lastName;
            EXPECT_TRUE(contains(names->lastNames(), c.lastName.substr(dash + 1))) << c.lastName;
        }
        EXPECT_EQ(c.fullName, c.lastName.empty() ? c.firstName : c.firstName + " " + c.lastName);
    }

    void expectTraits(const CitizenRecord& c)
    {
        EXPECT_TRUE(inRange(c.age, 19, 41)) << c.age;
        EXPECT_TRUE(inRange(static_cast<int>(c.courage), 2, 100));
        EXPECT_TRUE(inRange(static_cast<int>(c.secondTrait), 2, 100));
        EXPECT_TRUE(c.armedTrait == 30.0f || c.armedTrait == 90.0f);
        EXPECT_FALSE(c.paranoid && c.laidBack);
        if (c.armedTrait > 70.0f)
        {
            EXPECT_TRUE(c.smoker);
        }
        EXPECT_EQ(c.gangMember, c.appearanceId == 3000 || c.appearanceId == 3007);
        if (c.gangMember)
        {
            EXPECT_EQ(c.armedTrait, 90.0f);
        }
        // The armed looks belong to armed citizens; the plain ones to anyone
        // (a gang look arms its wearer).
        if (c.gender == 0)
        {
            EXPECT_TRUE(inRange(c.appearanceId, 3007, 3009) || inRange(c.appearanceId, 3011, 3013))
                << c.appearanceId;
            if (c.appearanceId >= 3011)
            {
                EXPECT_EQ(c.armedTrait, 90.0f);
            }
        }
        else
        {
            EXPECT_TRUE(inRange(c.appearanceId, 3000, 3006)) << c.appearanceId;
            if (c.appearanceId >= 3004 && c.firstName != "Marlowe")
            {
                EXPECT_EQ(c.armedTrait, 90.0f);
            }
        }
        EXPECT_FALSE(c.contact || c.spawned || c.resident);
        EXPECT_TRUE(c.friends.empty());
    }

    void expectFamily(const CitizenRecord& c)
    {
        EXPECT_TRUE(inRange(c.childrenFirst + c.childrenSecond, 0, 6));
        if (!c.married)
        {
            EXPECT_EQ(c.partnerFirstName, "");
            EXPECT_FALSE(c.sharesSurname);
            return;
        }
        EXPECT_FALSE(c.partnerFirstName.empty()) << "every partner has a name for the news";
        EXPECT_TRUE(c.partnerGender == (c.gender == 1 ? 0 : 1) || c.partnerGender == c.gender);
        EXPECT_EQ(c.partnerFullName, joinName(c.partnerFirstName, c.partnerLastName));
        EXPECT_TRUE(contains(names->lastNames(), c.partnerLastName) || c.partnerLastName == c.lastName);
    }

    NameTables* names = nullptr;
    int armedShare = 25;
};

TEST_F(CitizenRecordTest, NameListsAreReadWholeAndAShortOrMissingListIsReported)
{
    EXPECT_EQ(names->maleFirstNames().size(), 1224u);
    EXPECT_EQ(names->femaleFirstNames().size(), 4275u);
    EXPECT_EQ(names->lastNames().size(), 9972u);

    ScratchFolder folder;
    folder.write("male_first_names.txt", "Adam\r\nBen\n\nCarl\n");
    std::string female;
    for (int i = 0; i < NameTables::kFemaleFirstNames; ++i)
        female += "Ann\n";
    folder.write("female_first_names.txt", female);
    NameTables partial(folder.path());
    EXPECT_EQ(partial.maleFirstNames(), (std::vector<std::string>{"Adam", "Ben", "Carl"}));
    EXPECT_NE(partial.problem().find("male_first_names.txt:4: the name list ends after 3 names; it needs 1224"),
              std::string::npos)
        << partial.problem();
    EXPECT_EQ(partial.problem().find("female_first_names.txt"), std::string::npos) << partial.problem();
    EXPECT_NE(partial.problem().find("last_names.txt: the name list cannot be read"), std::string::npos);

    // Draws stay inside whatever a list holds, and an empty list gives no name.
    std::srand(3);
    for (int i = 0; i < 50; ++i)
        EXPECT_TRUE(contains(partial.maleFirstNames(), NameTables::draw(partial.maleFirstNames())));
    EXPECT_EQ(NameTables::draw(partial.lastNames()), "");
}

TEST_F(CitizenRecordTest, SeededIdentitiesDrawNamesTraitsAndFamiliesWithinTheirBounds)
{
    std::srand(20261208);
    int noLastName = 0, doubleBarrelled = 0, other = 0, married = 0, withChildren = 0;
    std::set<int> genders;
    int32_t previousId = -1;
    for (int i = 0; i < 6000; ++i)
    {
        const CitizenRecord c(false);
        if (previousId != -1)
        {
            EXPECT_EQ(c.id, previousId + 1);
        }
        previousId = c.id;
        expectNamesFromTables(c);
        expectTraits(c);
        expectFamily(c);
        genders.insert(c.gender);
        noLastName += c.lastName.empty();
        doubleBarrelled += c.lastName.find('-') != std::string::npos;
        other += c.gender == 2;
        married += c.married;
        withChildren += c.childrenFirst + c.childrenSecond > 0;
    }
    EXPECT_EQ(genders, (std::set<int>{0, 1, 2}));
    EXPECT_TRUE(inRange(noLastName, 120, 300)) << "about one in thirty: " << noLastName;
    EXPECT_TRUE(inRange(doubleBarrelled, 20, 120)) << "about one in a hundred: " << doubleBarrelled;
    EXPECT_TRUE(inRange(other, 20, 120)) << other;
    EXPECT_TRUE(inRange(married, 3600, 4400)) << "two in three: " << married;
    EXPECT_GT(withChildren, 0);
}

TEST_F(CitizenRecordTest, TheArmedShareContactsAndGangLooksSetTheTraits)
{
    std::srand(77);
    GameInterface::getInstance()->armedCitizenPercent = 100;
    for (int i = 0; i < 300; ++i)
    {
        const CitizenRecord c(false);
        EXPECT_EQ(c.armedTrait, 90.0f);
        EXPECT_TRUE(c.smoker);
    }
    GameInterface::getInstance()->armedCitizenPercent = 0;
    for (int i = 0; i < 300; ++i)
    {
        const CitizenRecord c(false);
        EXPECT_EQ(c.armedTrait, c.gangMember ? 90.0f : 30.0f);
    }
    for (int i = 0; i < 300; ++i)
    {
        const CitizenRecord dealer(true);
        EXPECT_TRUE(dealer.contact);
        EXPECT_EQ(dealer.appearanceId, dealer.gender == 0 ? 4004 : 4005);
        EXPECT_FALSE(dealer.gangMember);
    }
}

TEST_F(CitizenRecordTest, TemplatesExpandEveryTokenByGenderAndKeepTheMarkUp)
{
    const CitizenRecord them = makeCitizen(2, 1, "Sky", "Marsh");
    EXPECT_EQ(them.expandTemplate(kEveryToken),
              "their|them|they|Their|Them|They|His|his|`@Sky Marsh`7|Sky|27|Marsh|Rowan|Sky Marsh again");
    const CitizenRecord him = makeCitizen(1, 0, "Ed", "");
    EXPECT_EQ(him.expandTemplate(kEveryToken), "his|him|he|His|Him|He|Her|her|`@Ed`7|Ed|27||Rowan|Ed again");
    const CitizenRecord her = makeCitizen(0, 2, "Ida", "Vo-Lark");
    EXPECT_EQ(her.expandTemplate(kEveryToken),
              "her|her|she|Her|Her|She|Their|their|`@Ida Vo-Lark`7|Ida|27|Vo-Lark|Rowan|Ida Vo-Lark again");
    EXPECT_EQ(her.expandTemplate("No tokens, 100% plain."), "No tokens, 100% plain.");

    EXPECT_EQ(him.getGenderText(), "`9Male");
    EXPECT_EQ(her.getGenderText(), "`5Female");
    EXPECT_EQ(them.getGenderText(), "`7Other");
    CitizenRecord friendly = makeCitizen(0, 1, "Ann", "Lee");
    friendly.friends = {4, 9};
    EXPECT_TRUE(friendly.knowsCitizen(9));
    EXPECT_FALSE(friendly.knowsCitizen(5));
}

TEST_F(CitizenRecordTest, ObituariesAndCriminalRecordsComeFromTheirListsFullyExpanded)
{
    EXPECT_EQ(CitizenTexts::foundDead().size(), 21u);
    EXPECT_EQ(CitizenTexts::missing().size(), 20u);
    for (bool married : {false, true})
    {
        for (bool found : {false, true})
            EXPECT_EQ(CitizenTexts::newsList(married, found).size(), 10u);
    }
    EXPECT_EQ(CitizenTexts::commonOffences().size(), 99u);
    EXPECT_EQ(CitizenTexts::rareOffences().size(), 39u);

    std::srand(5);
    const CitizenRecord wed = makeCitizen(1, 0, "Ed", "Hale");
    CitizenRecord single = makeCitizen(0, 1, "Ann", "Lee");
    single.married = false;
    single.partnerFirstName.clear();
    const std::string heading = CitizenTexts::kCriminalRecordHeading;
    std::set<std::string> rareSeen;
    for (int i = 0; i < 400; ++i)
    {
        for (bool found : {false, true})
        {
            const TextTable& obituaries = found ? CitizenTexts::foundDead() : CitizenTexts::missing();
            const std::string obituary = single.getObituaryText(found);
            EXPECT_TRUE(isExpansionOf(single, obituaries, obituary)) << obituary;
            EXPECT_EQ(obituary.find('%'), std::string::npos) << obituary;
            EXPECT_EQ(obituary.find("partner ,"), std::string::npos) << "no partner is quoted without one";
            EXPECT_TRUE(isExpansionOf(wed, obituaries, wed.getObituaryText(found)));

            const std::string clean = single.getCriminalRecordText(false, found);
            ASSERT_GE(clean.size(), heading.size() + 4);
            EXPECT_EQ(clean.substr(clean.size() - heading.size() - 4), heading + "None");
            EXPECT_TRUE(isExpansionOf(single, CitizenTexts::newsList(false, found),
                                      clean.substr(0, clean.size() - heading.size() - 4)));

            const std::string record = wed.getCriminalRecordText(true, found);
            const size_t at = record.find(heading);
            ASSERT_NE(at, std::string::npos);
            EXPECT_TRUE(isExpansionOf(wed, CitizenTexts::newsList(true, found), record.substr(0, at))) << record;
            const std::string offence = record.substr(at + heading.size());
            const bool rare = contains(CitizenTexts::rareOffences(), offence);
            EXPECT_TRUE(rare || contains(CitizenTexts::commonOffences(), offence)) << offence;
            if (rare)
                rareSeen.insert(offence);
        }
    }
    EXPECT_FALSE(rareSeen.empty()) << "one offence in ten is a rare one";
}

TEST_F(CitizenRecordTest, AMurderRecordKeepsItsOwnCopyOfTheVictim)
{
    // Run alone, this test makes the high-score store: it writes its tables
    // into a scratch folder, never into the checkout.
    TempFolder folder;
    ScopedSavesFolder saves(folder.path());
    HighScores* scores = HighScores::getInstance();
    scores->clearMurders();
    auto victim = std::make_unique<CitizenRecord>(false);
    victim->gender = 2;
    victim->fullName = "Sky Marsh";
    victim->age = 33;
    std::srand(9);
    const std::string news = victim->getObituaryText(true);
    const std::string record = victim->getCriminalRecordText(true, true);
    std::srand(9);
    scores->recordMurder(*victim, true, true);
    victim.reset();

    ASSERT_EQ(scores->murderList().size(), 1u);
    const MurderRecord& murder = scores->murderList()[0];
    EXPECT_EQ(murder.line, "`@Sky Marsh`7, `!33`7 years old, no gender");
    EXPECT_EQ(murder.news, news);
    EXPECT_EQ(murder.record, record);
    EXPECT_NE(scores->buildNewspaper(1, 0, 1).find(news), std::string::npos);
    scores->clearMurders();
}

}
