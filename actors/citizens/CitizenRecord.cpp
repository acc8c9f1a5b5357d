#include "actors/citizens/CitizenRecord.h"

#include "actors/citizens/CitizenTexts.h"
#include "actors/citizens/NameTables.h"
#include "app/GameInterface.h"
#include "app/Geometry.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Every record takes the next id; ids are never reused while the game runs.
int32_t nextCitizenId = 0;

// The one-in-a-hundred-thousand citizen who is someone the city knows.
const char* const kSpecialFirstName = "Marlowe";
const char* const kSpecialLastName = "Vance";

// The armed looks and the plain looks, by gender group.
constexpr int kArmedMaleLook = 3004;  // 3004 to 3006
constexpr int kPlainMaleLook = 3000;  // 3000 to 3003
constexpr int kArmedFemaleLook = 3011; // 3011 to 3013
constexpr int kPlainFemaleLook = 3007; // 3007 to 3009
constexpr int kContactMaleLook = 4005;
constexpr int kContactFemaleLook = 4004;

constexpr float kArmed = 90.0f;
constexpr float kUnarmed = 30.0f;
constexpr float kArmedAbove = 70.0f;

// One throw of a die with the given number of sides (1 to sides).
int roll(int sides)
{
    return std::rand() % sides + 1;
}

// A given name for a person of gender 2: one draw over both lists, the
// female list first (whose first name this draw never reaches).
const std::string& drawAnyFirstName(const NameTables& names)
{
    const auto& female = names.femaleFirstNames();
    const auto& male = names.maleFirstNames();
    const int span = static_cast<int>(female.size() + male.size()) - 1;
    if (span <= 0)
        return NameTables::draw(female.empty() ? male : female);
    const int r = std::rand() % span + 1;
    const int femaleCount = static_cast<int>(female.size());
    if (r >= femaleCount)
        return male[static_cast<size_t>(r - femaleCount)];
    return female[static_cast<size_t>(r)];
}

const std::string& drawFirstName(const NameTables& names, int32_t gender)
{
    if (gender == 1)
        return NameTables::draw(names.maleFirstNames());
    if (gender == 0)
        return NameTables::draw(names.femaleFirstNames());
    return drawAnyFirstName(names);
}

// Every occurrence of the token, scanning forward, so a replacement is never
// searched again.
void replaceEvery(std::string& text, const std::string& token, const std::string& value)
{
    size_t at = text.find(token);
    while (at != std::string::npos)
    {
        text.replace(at, token.size(), value);
        at = text.find(token, at + value.size());
    }
}

}

std::string joinName(const std::string& first, const std::string& last)
{
    if (first.empty())
        return last;
    if (last.empty())
        return first;
    return first + " " + last;
}

CitizenRecord::CitizenRecord(bool isContact)
{
    id = nextCitizenId++;
    smoker = coinFlip();
    paranoid = coinFlip();
    laidBack = coinFlip() && !paranoid;
    age = 17 + roll(12) + roll(12);
    secondTrait = static_cast<float>(roll(50) + roll(50));
    courage = static_cast<float>(roll(50) + roll(50));

    drawGender();
    drawArmedTrait();
    drawNames();
    drawAppearance();
    drawFamily();
    applyContactAndGang(isContact);
    if (armedTrait > kArmedAbove)
        smoker = true;
}

void CitizenRecord::drawGender()
{
    if (roll(100) == 1)
        gender = 2;
    else
        gender = roll(2) == 1 ? 1 : 0;
}

void CitizenRecord::drawArmedTrait()
{
    const int armedShare = GameInterface::getInstance()->armedCitizenPercent;
    armedTrait = roll(100) > armedShare ? kUnarmed : kArmed;
}

void CitizenRecord::drawNames()
{
    const NameTables& names = *NameTables::getInstance();
    firstName = drawFirstName(names, gender);
    if (roll(30) != 1)
    {
        lastName = NameTables::draw(names.lastNames());
        if (roll(100) == 1)
            lastName += "-" + NameTables::draw(names.lastNames());
    }
    fullName = joinName(firstName, lastName);
}

void CitizenRecord::drawAppearance()
{
    if (gender == 0)
    {
        appearanceId = (armedTrait > kArmedAbove ? kArmedFemaleLook : kPlainFemaleLook) + std::rand() % 3;
        return;
    }
    if (armedTrait > kArmedAbove)
        appearanceId = kArmedMaleLook + std::rand() % 3;
    else
        appearanceId = kPlainMaleLook + std::rand() % 4;
    if (roll(100000) == 1)
    {
        firstName = kSpecialFirstName;
        lastName = kSpecialLastName;
        fullName = joinName(firstName, lastName);
        appearanceId = kSpecialAppearance;
    }
}

void CitizenRecord::drawFamily()
{
    int allowedChildren = 1;
    if (roll(6) < 5)
        drawPartner(allowedChildren);
    drawChildren(allowedChildren);
}

void CitizenRecord::drawPartner(int& allowedChildren)
{
    married = true;
    if (std::rand() % 8 != 0)
    {
        sharesSurname = roll(6) < 5;
        allowedChildren = 4;
        partnerGender = gender == 1 ? 0 : 1;
    }
    else
    {
        allowedChildren = 2;
        partnerGender = gender;
        sharesSurname = roll(6) < 3;
    }
    if (age > 30 && coinFlip())
        ++allowedChildren;

    const NameTables& names = *NameTables::getInstance();
    partnerLastName = NameTables::draw(names.lastNames());
    // A partner of gender 2 is named from both lists, like a citizen of
    // gender 2: the partner news lines name every partner.
    partnerFirstName = drawFirstName(names, partnerGender);
    if (sharesSurname && coinFlip())
        partnerLastName = lastName;
    partnerFullName = joinName(partnerFirstName, partnerLastName);
}

void CitizenRecord::drawChildren(int allowedChildren)
{
    if (roll(6) > allowedChildren)
        return;
    int count = roll(3);
    if (count == 3 && std::rand() % 4 == 0)
        count = std::rand() % 3 + 4;
    for (int child = 0; child < count; ++child)
    {
        if (coinFlip())
            ++childrenSecond;
        else
            ++childrenFirst;
    }
}

void CitizenRecord::applyContactAndGang(bool isContact)
{
    if (isContact)
    {
        contact = true;
        appearanceId = gender == 0 ? kContactFemaleLook : kContactMaleLook;
    }
    if (appearanceId == kPlainMaleLook || appearanceId == kPlainFemaleLook)
    {
        gangMember = true;
        armedTrait = kArmed;
    }
}

std::string CitizenRecord::getGenderText() const
{
    if (gender == 1)
        return "`9Male";
    if (gender == 0)
        return "`5Female";
    return "`7Other";
}

bool CitizenRecord::knowsCitizen(int32_t citizenId) const
{
    return std::find(friends.begin(), friends.end(), citizenId) != friends.end();
}

std::string CitizenRecord::expandTemplate(const std::string& text) const
{
    const Pronouns& own = CitizenTexts::pronounsOf(gender);
    const Pronouns& partner = CitizenTexts::pronounsOf(partnerGender);
    std::string out = text;
    replaceEvery(out, "%hisher", own.his);
    replaceEvery(out, "%himher", own.him);
    replaceEvery(out, "%heshe", own.he);
    replaceEvery(out, "%HisHer", own.His);
    replaceEvery(out, "%HimHer", own.Him);
    replaceEvery(out, "%HeShe", own.He);
    replaceEvery(out, "%SpouseHisHer", partner.His);
    replaceEvery(out, "%spousehisher", partner.his);
    replaceEvery(out, "%NAME", fullName);
    replaceEvery(out, "%FIRSTNAME", firstName);
    replaceEvery(out, "%AGE", std::to_string(age));
    replaceEvery(out, "%LASTNAME", lastName);
    replaceEvery(out, "%SPOUSEFIRSTNAME", partnerFirstName);
    return out;
}

std::string CitizenRecord::getObituaryText(bool found) const
{
    const TextTable& table = found ? CitizenTexts::foundDead() : CitizenTexts::missing();
    size_t index = static_cast<size_t>(std::rand()) % table.size();
    // A line that quotes the partner is passed over for a citizen without
    // one: the next line of the list is taken instead.
    for (size_t tries = 0; tries < table.size() && partnerFirstName.empty() && CitizenTexts::namesPartner(table[index]);
         ++tries)
        index = (index + 1) % table.size();
    return expandTemplate(table[index]);
}

std::string CitizenRecord::getCriminalRecordText(bool hasRecord, bool found) const
{
    const TextTable& news = CitizenTexts::newsList(married, found);
    std::string text = expandTemplate(news[static_cast<size_t>(std::rand()) % news.size()]);
    text += CitizenTexts::kCriminalRecordHeading;
    if (!hasRecord)
        return text + CitizenTexts::kNoRecord;
    const bool common = roll(10) != 1;
    const TextTable& offences = common ? CitizenTexts::commonOffences() : CitizenTexts::rareOffences();
    return text + offences[static_cast<size_t>(std::rand()) % offences.size()];
}
