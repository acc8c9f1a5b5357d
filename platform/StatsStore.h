#pragma once
// The player's lifetime statistics and achievements, kept by the game itself.
//
// It answers the calls the game's StatEngine and Achievements make, one for one:
//   StatsStore* store = StatsStore::getInstance();
//   store->init();                                  // at start-up; reads the saves folder's file
//   store->onStatsReceived([](const StatsReceived& r) { ... });   // callback holders
//   if (store->isInitialised() && store->isLoggedOn()) store->requestCurrentStats();
//   store->runCallbacks();                          // at the start of every frame
//   int32_t kills = 0; store->getStat("tallowind_stat_1000", kills);
//   store->setStat("tallowind_stat_1000", kills + 1);
//   store->storeStats();                            // written to disk, "stored" callback
//   store->setAchievement("TALLOWIND_ACHIEVEMENT_101");
//   store->shutdown();                              // when the game driver goes away
//
// Callbacks never run inside the call that causes them: they are queued and delivered by the
// next runCallbacks(), on the caller's thread, in the order they were queued.
//
// The file is "userstats.txt" in the saves folder: a "version 1" line, then "stat NAME VALUE"
// and "achievement NAME" lines ('#' starts a comment). Every write goes through SafeFileWriter,
// so a crash or a power cut never leaves half a file. A file with lines that do not read is
// reported (file:line), kept aside as "userstats.txt.corrupt" (numbered when that exists) and
// replaced by what its other lines hold.
// A statistic that was never set reads as 0; names are single words of printable characters.
#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

struct StatsReceived
{
    uint64_t gameId = 0;
    int result = 0; // StatsStore::kResultOk or kResultFail
};

struct StatsStored
{
    uint64_t gameId = 0;
    int result = 0;
};

struct AchievementStored
{
    uint64_t gameId = 0;
    std::string name;
};

class StatsStore
{
public:
    static constexpr int kResultOk = 1;
    static constexpr int kResultFail = 2;
    static constexpr uint32_t kAppId = 1;
    static constexpr const char* kFileName = "userstats.txt";

    using ListenerId = int;

    // The game's one store, created on first use and never destroyed.
    static StatsStore* getInstance();

    StatsStore() = default;
    StatsStore(const StatsStore&) = delete;
    StatsStore& operator=(const StatsStore&) = delete;

    // Reads the file in the saves folder (created on demand). Returns true; a missing or
    // damaged file leaves an empty store. Calling it again while initialised does nothing.
    bool init();
    // Stops delivering callbacks and drops the queued ones; changes not stored are lost.
    void shutdown();
    bool isInitialised() const { return _initialised; }
    bool isLoggedOn() const { return _initialised; }
    uint32_t getAppId() const { return kAppId; }

    // Delivers the queued callbacks (those queued while delivering wait for the next call).
    void runCallbacks();

    // Answered at the next runCallbacks() by a StatsReceived with kResultOk.
    bool requestCurrentStats();
    bool getStat(const std::string& name, int32_t& value) const;
    bool setStat(const std::string& name, int32_t value);
    // Writes every statistic and achievement; a StatsStored callback tells whether it worked.
    bool storeStats();
    // Marks the achievement and writes it at once; an AchievementStored callback follows.
    bool setAchievement(const std::string& name);
    bool getAchievement(const std::string& name, bool& achieved) const;
    // Why the last write of the file failed, in plain words; empty once a write worked.
    const std::string& writeProblem() const { return _writeProblem; }
    // What was wrong with the file when init() read it and what became of it, in plain words;
    // empty when it read cleanly.
    const std::string& readProblem() const { return _readProblem; }

    ListenerId onStatsReceived(std::function<void(const StatsReceived&)> listener);
    ListenerId onStatsStored(std::function<void(const StatsStored&)> listener);
    ListenerId onAchievementStored(std::function<void(const AchievementStored&)> listener);
    void removeListener(ListenerId id);

    // Where the store lives (in the saves folder).
    static std::string filePath();

private:
    template <typename Record>
    struct Listener
    {
        ListenerId id;
        std::function<void(const Record&)> call;
    };

    static bool validName(const std::string& name);
    void load();
    // Takes every line that reads; false when one does not, with the first such line's number
    // in badLine (each is reported, file:line).
    bool parse(const std::string& text, const std::string& path, int& badLine);
    // Takes a "stat NAME VALUE" or "achievement NAME" line's words; false for any other line.
    bool readEntry(const std::vector<std::string>& words);
    // Renames the file aside; returns its new name, empty when it could not be moved.
    std::string keepAside(const std::string& path);
    bool writeFile();
    std::string serialise() const;
    void queueAchievementsStored();

    template <typename Record>
    using ListenerList = std::vector<Listener<Record>> StatsStore::*;
    template <typename Record>
    ListenerId addListener(ListenerList<Record> list, std::function<void(const Record&)> call);
    template <typename Record>
    void queue(ListenerList<Record> list, const Record& record);

    bool _initialised = false;
    std::string _writeProblem;
    std::string _readProblem;
    // A damaged file that could not be moved aside is never written over.
    bool _writeBlocked = false;
    std::map<std::string, int32_t> _stats;
    std::set<std::string> _achievements;
    std::vector<std::string> _achievementsUnstored;
    std::vector<std::function<void()>> _pending;
    std::vector<Listener<StatsReceived>> _receivedListeners;
    std::vector<Listener<StatsStored>> _storedListeners;
    std::vector<Listener<AchievementStored>> _achievementListeners;
    ListenerId _nextListenerId = 1;
};
