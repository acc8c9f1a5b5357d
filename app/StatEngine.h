#pragma once
#include "app/Singleton.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct StatsReceived;
struct StatsStored;

// One statistic: its count in the current run and over the player's history.
struct StatRecord
{
    int32_t id = 0;
    int32_t run = 0;
    int32_t total = 0;
};

// Counts what the player does (statistics 1000 to 1020), wins the unlocks and
// achievements whose thresholds are reached, mirrors the lifetime totals to
// the statistics store as "tallowind_stat_%d", and keeps the saved game state
// "gamestate.dat" (chosen character, two option flags, the unlock flags).
class StatEngine : public Singleton<StatEngine>
{
public:
    static constexpr int32_t kFileVersion = 4;
    static constexpr const char* kFileName = "gamestate.dat";
    static constexpr int32_t kFirstStat = 1000;
    static constexpr int32_t kLastStat = 1020;

    // Adds to a statistic's run and total counts, runs its threshold rules,
    // saves; returns the run count.
    int32_t addStat(int32_t id, int32_t amount);
    // Sets a statistic's lifetime total (a new record starts with run 0).
    void setStat(int32_t id, int32_t value);
    // The threshold rules of one record.
    void checkUnlocks(size_t index);
    // Pushes every total to the store and asks it to write them.
    void storeStats();
    // Tells the player on screen when the store's last write failed.
    void reportStoreWrite() const;
    void onStatsReceived(const StatsReceived& record);
    // The text of the menu's statistics page.
    std::string showStats() const;

    void saveGameState();
    void loadGameState();

    // A run starts: every run count back to 0.
    void resetRunCounters();
    // The record of a statistic, or null.
    const StatRecord* find(int32_t id) const;
    int32_t totalOf(int32_t id) const;
    // A fresh profile: no records, options as at first start.
    void reset();

    static std::string filePath();

private:
    friend class Singleton<StatEngine>;
    StatEngine();

    size_t recordIndex(int32_t id);
    std::string encodeGameState() const;
    enum class GameStateRead
    {
        Whole,   // every field read
        Short,   // the file ends early: the fields before its end are taken
        Damaged, // a field holds what no file of ours holds: the valid ones are taken
        Foreign, // no game state of ours: nothing taken
    };
    GameStateRead decodeGameState(const std::string& bytes, size_t& badOffset, std::string& problem);
    // Copies the damaged file read at start aside; false (and no more saves) when it cannot be.
    bool keepDamagedFileAside();
    // Tells the player when the statistics file could not be read at start.
    void reportStatisticsFile();

    void killRules(const StatRecord& record);
    void contractRules(const StatRecord& record);
    void policeKillRules(const StatRecord& record);

    uint64_t gameId = 0;
    std::vector<StatRecord> records;
    // While the file is read, saves wait and are made once after it.
    bool loading = false;
    bool savePending = false;
    // A damaged file that could not be moved aside is never written over.
    bool saveBlocked = false;
    // A file that ended early or was damaged is copied aside before the first
    // save replaces it.
    bool keepAsideBeforeSave = false;
};
