#include "app/Achievements.h"

#include "app/GameInterface.h"
#include "app/StatEngine.h"
#include "app/StringHelpers.h"
#include "platform/StatsStore.h"
#include "ui/hud/UIUnlockBar.h"

#include <iterator>

namespace {

struct AchievementRow
{
    int32_t id;
    const char* title;
    const char* icon;
};

const AchievementRow kAchievementRows[] = {
    {100, "Flawless Victory", "AC_FlawlessVictory.png"},
    {101, "Just A Jump To The Left", "AC_JumpToTheLeft.png"},
    {102, "Subtlety", "AC_Subtlety.png"},
    {103, "Going the Distance", "AC_GoingTheDistance.png"},
    {104, "Close and Personal", "AC_CloseAndPersonal.png"},
    {105, "Pure Skill", "AC_PureSkill.png"},
    {106, "Bad Person", "AC_BadPerson.png"},
    {107, "Into the City", "AC_LevelOne.png"},
    {108, "Through the City", "AC_LevelTwo.png"},
    {109, "Out of the City", "AC_LevelThree.png"},
    {110, "Penny Pincher", "AC_PennyPincher.png"},
    {111, "Sharp Shooter", "AC_SharpShooter.png"},
    {112, "Never Cut The Red Wire", "AC_NeverCutTheRedWire.png"},
    {113, "I Know You", "AC_IKnowYou.png"},
    {114, "Run For It Marty", "AC_RunForItMarty.png"},
    {115, "The Professional", "AC_TheProfessional.png"},
    {116, "Missed It By That Much", "AC_MissedItByThatMuch.png"},
    {117, "Suicide By Cop", "AC_SuicideByCop.png"},
    {118, "Watery Grave", "AC_WateryGrave.png"},
    {119, "He's Just Resting His Eyes", "AC_HesJustRestingHisEyes.png"},
    {120, "Prolific", "AC_Prolific.png"},
    {121, "Vigilante", "AC_Vigilante.png"},
    {122, "Nothing To See Here", "AC_NothingToSeeHere.png"},
    {123, "Human Shield", "AC_HumanShield.png"},
    {124, "Human Phalanx", "AC_HumanPhalanx.png"},
    {125, "Working Smart, Not Hard", "AC_WorkSmartNotHard.png"},
    {126, "Gang Warfare", "AC_GangWarfare.png"},
    {127, "No Witnesses", "AC_NoWitnesses.png"},
    {128, "Saved Me The Trouble", "AC_SavedMeTheTrouble.png"},
    {129, "Hoarder", "AC_Hoarder.png"},
    {130, "All The Toys", "AC_AllTheToys.png"},
    {131, "Bragging Rights", "AC_HardVictory.png"},
    {132, "Not Bad", "AC_MediumVictory.png"},
    {133, "Inside Job", "AC_InsideJob.png"},
};

struct UnlockRow
{
    int32_t id;
    const char* condition;
    const char* reward;
};

// In the order of the saved game state and of the unlock pages.
const UnlockRow kUnlockRows[] = {
    {2000, "Start Tallowind", "EMP"},
    {2001, "Complete 8 Contracts in Zone 3", "Mission: Knows Your Face"},
    {2002, "Complete Zone 1", "Zone: The Docks"},
    {2003, "Complete Zone 1", "Weapon: Rifle"},
    {2004, "Complete 8 Contracts in Zone 2", "Weapon: Explosive"},
    {2005, "Complete 12 Contracts in Zone 2", "Mission: Bodyguard"},
    {2006, "Complete Zone 1", "Score Attack: Zone 1"},
    {2007, "Hide 10 bodies", "Tool: Lure"},
    {2009, "Complete Zone 2", "Zone: Hilldale"},
    {2011, "Complete 16 Contracts in Zone 3", "Mission: Police Escort"},
    {2012, "Complete Zone 3", "Tool: Flashbang"},
    {2014, "Complete Zone 2", "Score Attack: Zone 2"},
    {2015, "Finish Zone 2", "Weapon: Maverick Pistol"},
    {2017, "Complete Zone 3", "Score Attack: Zone 3"},
    {2023, "Get 25 kills with shotguns", "Weapon: Silenced Shotgun"},
    {2022, "Get 100 kills with mavericks", "Weapon: Silenced Maverick"},
    {2010, "Get 50 kills with rifles", "Weapon: Silenced Rifle"},
    {2018, "Hide 50 bodies", "Mission: Must Hide Corpse"},
    {2019, "Score 2000 in Pistol Only Zone 1", "Dead Trench Walking: Zone 1"},
    {2020, "Score 4000 in Pistol Only Zone 2", "Dead Trench Walking: Zone 2"},
    {2021, "Score 6000 in Pistol Only Zone 3", "Dead Trench Walking: Zone 3"},
    {2024, "Complete Zone 1", "6th Contract Slot"},
    {2025, "Complete Zone 2", "7th Contract Slot"},
    {2026, "Complete Zone 3", "8th Contract Slot"},
    {2027, "10 kills in Dead Trench Walking Zone 1", "9th Contract Slot"},
    {2028, "20 kills in Dead Trench Walking Zone 2", "10th Contract Slot"},
    {2029, "Score 3000 in Score Attack Zone 1", "Blaster-Only: Zone 1"},
    {2030, "Score 5000 in Score Attack Zone 2", "Blaster-Only: Zone 2"},
    {2031, "Score 7000 in Score Attack Zone 3", "Blaster-Only: Zone 3"},
    {2032, "Complete 8 Contracts in Zone 1", "Mission: Paranoid"},
    {2033, "Complete 4 Contracts in Zone 1", "Mission: Armed"},
    {2034, "Complete 6 Contracts in Zone 2", "Mission: Theft"},
    {2035, "Get 10 kills", "Weapon: Shotgun"},
    {2037, "Complete 2 Contracts", "4th Contract Slot"},
    {2036, "Complete 6 Contracts", "5th Contract Slot"},
    {2038, "Finish Zone 1 on Tough", "Impossible Mode: Zone 1"},
    {2039, "Finish Zone 2 on Tough", "Impossible Mode: Zone 2"},
    {2040, "Finish Zone 3 on Tough", "Impossible Mode: Zone 3"},
};

// Highest step first: only the best slot unlock held counts.
struct SlotStep
{
    int32_t unlockId;
    int32_t slots;
};

const SlotStep kSlotSteps[] = {
    {2028, 10}, {2027, 9}, {2026, 8}, {2025, 7}, {2024, 6}, {2036, 5}, {2037, 4},
};
constexpr int32_t kBaseContractSlots = 3;

}

Achievements::Achievements()
{
    for (const AchievementRow& row : kAchievementRows)
        achievements.push_back({row.title, std::string(), row.icon, row.id, false});
    for (const UnlockRow& row : kUnlockRows)
        unlocks.push_back({row.id, false, row.reward, row.condition});
    // The singleton lives as long as the store, so the listener never dangles.
    StatsStore::getInstance()->onAchievementStored(
        [this](const AchievementStored& record) { onAchievementStored(record); });
}

void Achievements::setAchievement(int32_t id)
{
    for (AchievementEntry& entry : achievements)
    {
        if (entry.id != id || entry.done)
            continue;
        entry.done = true;
        reportAchievement(id);
    }
    StatEngine::getInstance()->saveGameState();
}

void Achievements::reportAchievement(int32_t id)
{
    // Without a store the flag is still kept; only the report is skipped.
    StatsStore* store = StatsStore::getInstance();
    if (!store->isInitialised())
        return;
    store->setAchievement(formatString("TALLOWIND_ACHIEVEMENT_%d", id));
    // Written at once, and a write the disk refused is said like any other save's.
    StatEngine::getInstance()->reportStoreWrite();
}

void Achievements::unlock(int32_t id, bool save, bool silent)
{
    for (UnlockEntry& entry : unlocks)
    {
        if (entry.id != id || entry.unlocked)
            continue;
        entry.unlocked = true;
        if (!silent)
            queueNotice(entry);
    }
    if (allUnlocked())
        setAchievement(kAllTheToys);
    if (save)
        StatEngine::getInstance()->saveGameState();
}

void Achievements::queueNotice(const UnlockEntry& entry)
{
    UIUnlockBar* bar = GameInterface::getInstance()->unlockBar;
    if (!bar)
        return;
    bar->queueUnlock("Unlock.png", formatString("`!Unlocked:`%% %s", entry.reward.c_str()), "unlock.mp3");
}

bool Achievements::allUnlocked() const
{
    for (const UnlockEntry& entry : unlocks)
    {
        if (!entry.unlocked)
            return false;
    }
    return true;
}

bool Achievements::isUnlocked(int32_t id) const
{
    for (const UnlockEntry& entry : unlocks)
    {
        if (entry.id == id)
            return entry.unlocked;
    }
    return false;
}

int32_t Achievements::contractSlots() const
{
    for (const SlotStep& step : kSlotSteps)
    {
        if (isUnlocked(step.unlockId))
            return step.slots;
    }
    return kBaseContractSlots;
}

void Achievements::onAchievementStored(const AchievementStored& record)
{
    (void)record;
}

void Achievements::reset()
{
    for (AchievementEntry& entry : achievements)
        entry.done = false;
    for (UnlockEntry& entry : unlocks)
        entry.unlocked = false;
}
