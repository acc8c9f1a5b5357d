#pragma once
#include "app/Singleton.h"

#include <cstdint>
#include <string>
#include <vector>

struct AchievementStored;

// One achievement, reported to the statistics store when earned.
struct AchievementEntry
{
    std::string title;
    std::string text; // always empty
    std::string icon;
    int32_t id = 0;
    bool done = false;
};

// One unlock: a zone, mode, weapon, tool, contract condition or slot that
// progress opens inside the game.
struct UnlockEntry
{
    int32_t id = 0;
    bool unlocked = false;
    std::string reward;
    std::string condition;
};

// The two progress tables: 34 achievements (ids 100 to 133) and 38 unlocks
// (ids 2000 to 2040). The unlock list keeps its own order, which is the order
// of "gamestate.dat" and of the unlock pages, not the order of the ids.
class Achievements : public Singleton<Achievements>
{
public:
    static constexpr int32_t kAllTheToys = 130;

    // Marks the achievement done and tells the store (once); always saves.
    void setAchievement(int32_t id);
    // Wins an unlock; save writes the game state, silent shows no notice.
    void unlock(int32_t id, bool save, bool silent);
    bool isUnlocked(int32_t id) const;
    // The contract slots on the dealer's board: 3, or more with the slot unlocks.
    int32_t contractSlots() const;
    // The store's answer to a stored achievement: nothing to do.
    void onAchievementStored(const AchievementStored& record);

    // A fresh profile: every flag back to false.
    void reset();

    const std::vector<AchievementEntry>& achievementList() const { return achievements; }
    const std::vector<UnlockEntry>& unlockList() const { return unlocks; }

private:
    friend class Singleton<Achievements>;
    Achievements();

    void reportAchievement(int32_t id);
    void queueNotice(const UnlockEntry& entry);
    bool allUnlocked() const;

    std::vector<AchievementEntry> achievements;
    std::vector<UnlockEntry> unlocks;
};
