#include "app/HighScores.h"

#include "actors/CitizenActor.h"
#include "actors/GameMob.h"
#include "actors/MobManager.h"
#include "actors/Player.h"
#include "actors/citizens/CitizenRecord.h"
#include "app/StringHelpers.h"
#include "ui/UIText.h"

#include <algorithm>

// The run's victims, for the murder list and the newspaper pages, and the
// closing of the end-of-run screens.

std::string HighScores::murderLine(const std::string& name, int32_t age, int32_t gender)
{
    std::string line = formatString("`@%s`7, `!%d`7 years old, ", name.c_str(), age);
    if (gender == 1)
        line += "male";
    else if (gender == 0)
        line += "female";
    else
        line += "no gender";
    return line;
}

void HighScores::recordMurder(const CitizenRecord& victim, bool hasCriminalRecord, bool found)
{
    MurderRecord murder;
    murder.line = murderLine(victim.fullName, victim.age, victim.gender);
    murder.news = victim.getObituaryText(found);
    murder.record = victim.getCriminalRecordText(hasCriminalRecord, found);
    addMurder(murder);
}

void HighScores::recordVictim(const GameObject* body, bool found)
{
    // The one rule of every way a body leaves (stashed, sunk, cleaned away):
    // a citizen the police or a gang shot is no murder of the player's.
    if (!body || !body->isMob() || static_cast<const GameMob*>(body)->mobKind != MobCitizen ||
        body->lastHitBy != Player::PlayerRole)
        return;
    const CitizenActor* citizen = MobManager::citizenOf(body);
    const CitizenRecord* record = citizen ? citizen->citizenRecord() : nullptr;
    if (record)
        recordMurder(*record, citizen->isContractTarget(), found);
}

void HighScores::addMurder(const MurderRecord& murder)
{
    murders.push_back(murder);
}

std::string HighScores::buildNewspaper(int32_t kind, int32_t first, int32_t end) const
{
    std::string text = kind == 0 ? "`%Murders committed:`7\n" : "`%Kessa City Times`7\n";
    const int32_t count = static_cast<int32_t>(murders.size());
    const int32_t from = std::clamp<int32_t>(first, 0, count);
    const int32_t to = std::clamp<int32_t>(end, from, count);
    for (int32_t i = from; i < to; ++i)
    {
        const MurderRecord& murder = murders[i];
        if (kind == 0)
            text += "- " + murder.line;
        else if (kind == 1)
            text += "\n" + murder.news;
        else
            text += "\n" + murder.record;
        if (i != count - 1)
            text += "\n";
    }
    return text;
}

void HighScores::closeScreens()
{
    removeRunEndTexts();
    if (tableNodeSlot && *tableNodeSlot)
    {
        (*tableNodeSlot)->removeFromParent();
        *tableNodeSlot = nullptr;
    }
    tableNodeSlot = nullptr;
    shownZone = -1;
    highlightRank = -1;
}

void HighScores::clearMurders()
{
    murders.clear();
}
