#include "app/StatEngine.h"

#include "app/Achievements.h"
#include "app/ByteReader.h"
#include "app/ByteWriter.h"
#include "app/FileNotices.h"
#include "app/GameFolders.h"
#include "app/GameInterface.h"
#include "app/SavedFile.h"
#include "app/StringHelpers.h"
#include "platform/GamePaths.h"
#include "platform/StatsStore.h"
#include "ui/CharSelectScreen.h"
#include "ui/menus/TutorialEngine.h"
#include "world/GameData.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <limits>
#include <utility>

namespace {

enum class Counter
{
    Run,
    Total,
};

enum class Reward
{
    Unlock,
    Achievement,
};

constexpr int32_t kAnyZone = -1;
// The game state names one of the characters of the choice, or none yet.
constexpr int32_t kNoCharacter = -1;
// One unlock in the file: its id and its flag byte.
constexpr size_t kUnlockRecordBytes = 5;
const char* const kWhatIsSaved = "your progress and options";
const char* const kLeftAlone = "it could not be read, so it is left as it is\nand nothing is saved over it.";
constexpr int32_t kAnyMode = -1;
constexpr int32_t kDeadTrenchWalking = 3;

// One threshold rule: when the counter of the statistic reaches the value (in
// that zone and mode, when given), the reward is won. A rule marked stop ends
// the tests of its statistic when it holds.
struct ThresholdRule
{
    int32_t stat;
    Counter counter;
    int32_t atLeast;
    int32_t zone;
    int32_t mode;
    Reward reward;
    int32_t rewardId;
    bool stop;
};

// The rules of one statistic are tested in this order.
const ThresholdRule kRules[] = {
    // Kills: Dead Trench Walking kills of one run, then lifetime kills.
    {1000, Counter::Run, 10, 0, kDeadTrenchWalking, Reward::Unlock, 2027, false},
    {1000, Counter::Run, 20, 1, kDeadTrenchWalking, Reward::Unlock, 2028, false},
    {1000, Counter::Total, 10, kAnyZone, kAnyMode, Reward::Unlock, 2035, false},
    // Innocent kills in one run.
    {1001, Counter::Run, 5, kAnyZone, kAnyMode, Reward::Achievement, 106, false},
    // Contracts completed in one run, by zone, then in any zone.
    {1003, Counter::Run, 8, 0, kAnyMode, Reward::Unlock, 2032, false},
    {1003, Counter::Run, 4, 0, kAnyMode, Reward::Unlock, 2033, false},
    {1003, Counter::Run, 12, 1, kAnyMode, Reward::Unlock, 2005, false},
    {1003, Counter::Run, 8, 1, kAnyMode, Reward::Unlock, 2004, false},
    {1003, Counter::Run, 6, 1, kAnyMode, Reward::Unlock, 2034, false},
    {1003, Counter::Run, 16, 2, kAnyMode, Reward::Unlock, 2011, false},
    {1003, Counter::Run, 8, 2, kAnyMode, Reward::Unlock, 2001, false},
    {1003, Counter::Run, 20, kAnyZone, kAnyMode, Reward::Achievement, 120, false},
    {1003, Counter::Run, 6, kAnyZone, kAnyMode, Reward::Unlock, 2036, false},
    {1003, Counter::Run, 2, kAnyZone, kAnyMode, Reward::Unlock, 2037, false},
    // Lifetime gang kills, hidden bodies and kills by weapon class.
    {1004, Counter::Total, 30, kAnyZone, kAnyMode, Reward::Achievement, 126, false},
    {1005, Counter::Total, 10, kAnyZone, kAnyMode, Reward::Unlock, 2007, false},
    {1005, Counter::Total, 50, kAnyZone, kAnyMode, Reward::Unlock, 2018, false},
    {1016, Counter::Total, 25, kAnyZone, kAnyMode, Reward::Unlock, 2023, false},
    {1017, Counter::Total, 50, kAnyZone, kAnyMode, Reward::Unlock, 2010, false},
    {1018, Counter::Total, 100, kAnyZone, kAnyMode, Reward::Unlock, 2022, false},
    // Marked police kills in one run: the bigger achievement replaces the smaller.
    {1020, Counter::Run, 10, kAnyZone, kAnyMode, Reward::Achievement, 124, true},
    {1020, Counter::Run, 1, kAnyZone, kAnyMode, Reward::Achievement, 123, false},
};

// The statistics page: each line's format is filled with that statistic's total.
struct StatsLine
{
    const char* format;
    int32_t stat;
};

const StatsLine kStatsLines[] = {
    {"`7Kills: `%%%d", 1000},
    {"\n`7Innocent Kills: `@%d", 1001},
    {"\n`7Gang Kills: `$%d", 1004},
    {"\n`7Deaths: `7%d", 1009},
    {"\n`7Contracts Completed: `!%d", 1003},
    {"\n`7Contracts Failed: `7%d", 1002},
    {"\n`7Money Earned: `$%d`7c", 1006},
    {"\n`7Money Spent: `!%d`7c", 1007},
};
constexpr int32_t kKillsStat = 1000;
constexpr int32_t kMissedShotsStat = 1013;

// Counts saturate instead of overflowing.
int32_t saturatingAdd(int32_t a, int32_t b)
{
    const int64_t sum = static_cast<int64_t>(a) + b;
    return static_cast<int32_t>(std::clamp<int64_t>(sum, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

std::string statName(int32_t id)
{
    return formatString("tallowind_stat_%d", id);
}

}

StatEngine::StatEngine()
{
    StatsStore* store = StatsStore::getInstance();
    gameId = store->getAppId();
    // The singleton lives as long as the store, so the listeners never dangle.
    store->onStatsReceived([this](const StatsReceived& record) { onStatsReceived(record); });
    store->onStatsStored([](const StatsStored&) {});
}

std::string StatEngine::filePath()
{
    return savesFolder() + kFileName;
}

const StatRecord* StatEngine::find(int32_t id) const
{
    for (const StatRecord& record : records)
    {
        if (record.id == id)
            return &record;
    }
    return nullptr;
}

size_t StatEngine::recordIndex(int32_t id)
{
    for (size_t i = 0; i < records.size(); ++i)
    {
        if (records[i].id == id)
            return i;
    }
    records.push_back({id, 0, 0});
    return records.size() - 1;
}

int32_t StatEngine::totalOf(int32_t id) const
{
    const StatRecord* record = find(id);
    return record ? record->total : 0;
}

int32_t StatEngine::addStat(int32_t id, int32_t amount)
{
    const size_t index = recordIndex(id);
    StatRecord& record = records[index];
    record.total = saturatingAdd(record.total, amount);
    record.run = saturatingAdd(record.run, amount);
    checkUnlocks(index);
    saveGameState();
    return records[index].run;
}

void StatEngine::setStat(int32_t id, int32_t value)
{
    records[recordIndex(id)].total = value;
}

void StatEngine::resetRunCounters()
{
    for (StatRecord& record : records)
        record.run = 0;
}

void StatEngine::checkUnlocks(size_t index)
{
    if (index >= records.size())
        return;
    // The rules read the counts as they stood right after the addition.
    const StatRecord record = records[index];
    if (record.id < kFirstStat || record.id > kLastStat)
        return;
    const int32_t zone = GameData::getInstance()->currentZone;
    const int32_t mode = GameInterface::getInstance()->mode;
    Achievements* achievements = Achievements::getInstance();

    for (const ThresholdRule& rule : kRules)
    {
        if (rule.stat != record.id)
            continue;
        if ((rule.zone != kAnyZone && rule.zone != zone) || (rule.mode != kAnyMode && rule.mode != mode))
            continue;
        const int32_t count = rule.counter == Counter::Run ? record.run : record.total;
        if (count < rule.atLeast)
            continue;
        if (rule.reward == Reward::Unlock)
            achievements->unlock(rule.rewardId, false, false);
        else
            achievements->setAchievement(rule.rewardId);
        if (rule.stop)
            return;
    }
}

void StatEngine::storeStats()
{
    StatsStore* store = StatsStore::getInstance();
    if (!store->isInitialised())
        return;
    for (const StatRecord& record : records)
        store->setStat(statName(record.id), record.total);
    store->storeStats();
    reportStoreWrite();
}

void StatEngine::reportStoreWrite() const
{
    SafeFileWriter::Result stored;
    stored.reason = StatsStore::getInstance()->writeProblem();
    stored.written = stored.reason.empty();
    FileNotices::getInstance()->saveResult(StatsStore::filePath(), "your statistics and achievements", stored);
}

void StatEngine::onStatsReceived(const StatsReceived& record)
{
    if (record.gameId != gameId || record.result != StatsStore::kResultOk)
        return;
    StatsStore* store = StatsStore::getInstance();
    // Every statistic is read back, the last one too, so no lifetime total is
    // lost between sessions. A statistic the store does not answer for keeps
    // the total it has.
    for (int32_t id = kFirstStat; id <= kLastStat; ++id)
    {
        int32_t value = 0;
        if (store->getStat(statName(id), value))
            setStat(id, value);
    }
}

std::string StatEngine::showStats() const
{
    std::string text;
    for (const StatsLine& line : kStatsLines)
        text += formatString(line.format, totalOf(line.stat));

    const int64_t kills = totalOf(kKillsStat);
    const int64_t missed = std::max<int32_t>(0, totalOf(kMissedShotsStat));
    if (kills >= 1)
        text += formatString("\n`7Accuracy: `%%%d%%", static_cast<int>(100 * kills / (kills + missed)));
    return text;
}

std::string StatEngine::encodeGameState() const
{
    const GameInterface* game = GameInterface::getInstance();
    const std::vector<UnlockEntry>& unlocks = Achievements::getInstance()->unlockList();
    ByteWriter out;
    out.putI32(kFileVersion);
    out.putI32(game->playerCharacter);
    out.putU8(TutorialEngine::getInstance()->enabled ? 1 : 0);
    out.putU8(game->alternateMovement ? 1 : 0);
    out.putI32(static_cast<int32_t>(unlocks.size()));
    for (const UnlockEntry& entry : unlocks)
    {
        out.putI32(entry.id);
        out.putU8(entry.unlocked ? 1 : 0);
    }
    return out.bytes();
}

void StatEngine::saveGameState()
{
    if (loading)
    {
        savePending = true;
        return;
    }
    if (saveBlocked)
        return;
    if (keepAsideBeforeSave && !keepDamagedFileAside())
        return;
    const SafeFileWriter::Result written = SavedFile::write(filePath(), encodeGameState());
    if (!FileNotices::getInstance()->saveResult(filePath(), kWhatIsSaved, written))
        return;
    storeStats();
}

bool StatEngine::keepDamagedFileAside()
{
    // The damaged file read at start is the only copy of what it held beyond
    // what could be read; it is kept before this save replaces it.
    const std::string aside = SavedFile::copyAside(filePath());
    FileNotices* notices = FileNotices::getInstance();
    if (aside.empty())
    {
        saveBlocked = true;
        notices->readProblem(filePath(), "it is damaged and could not be copied aside,\nso nothing is saved over it.");
        return false;
    }
    keepAsideBeforeSave = false;
    notices->readProblem(filePath(), "it was damaged: what could be read is kept,\nand the file as it was is kept as " +
                                         GamePaths::fileName(aside) + ".");
    return true;
}

void StatEngine::loadGameState()
{
    reportStatisticsFile();
    std::string bytes;
    const SavedFile::ReadResult result = SavedFile::read(filePath(), bytes);
    if (result == SavedFile::ReadResult::Missing)
        return;
    FileNotices* notices = FileNotices::getInstance();
    if (result == SavedFile::ReadResult::Unreadable)
    {
        // Writing over a file we could not read might destroy the player's progress.
        saveBlocked = true;
        notices->readProblem(filePath(), kLeftAlone);
        return;
    }

    size_t badOffset = 0;
    std::string problem;
    loading = true;
    savePending = false;
    const GameStateRead read = decodeGameState(bytes, badOffset, problem);
    loading = false;

    if (read == GameStateRead::Foreign)
    {
        const std::string aside = SavedFile::rejectCorrupt(filePath(), badOffset, problem);
        saveBlocked = aside.empty();
        notices->readProblem(filePath(), saveBlocked ? std::string(kLeftAlone)
                                                     : "it could not be read: the game starts afresh,\nand the file as "
                                                       "it was is kept as " + GamePaths::fileName(aside) + ".");
        return;
    }
    if (read != GameStateRead::Whole)
    {
        // What could be read is kept; the file itself stays until the next
        // save, which first copies it aside.
        std::fprintf(stderr, "Tallowind: %s: offset %zu: %s; what could be read is kept\n", filePath().c_str(),
                     badOffset, problem.c_str());
        keepAsideBeforeSave = true;
    }
    if (savePending)
    {
        savePending = false;
        saveGameState();
    }
    StatsStore* store = StatsStore::getInstance();
    if (store->isInitialised())
        store->requestCurrentStats();
}

void StatEngine::reportStatisticsFile()
{
    const std::string& problem = StatsStore::getInstance()->readProblem();
    if (!problem.empty())
        FileNotices::getInstance()->readProblem(StatsStore::filePath(), problem + ".");
}

StatEngine::GameStateRead StatEngine::decodeGameState(const std::string& bytes, size_t& badOffset,
                                                      std::string& problem)
{
    ByteReader in(bytes);
    int32_t version = 0;
    if (!in.getI32(version) || version < kFileVersion)
    {
        badOffset = 0;
        problem = bytes.size() < 4 ? formatString("the file is %zu bytes, too short for a version", bytes.size())
                                   : formatString("version %d is not a game state this game can read", version);
        return GameStateRead::Foreign;
    }

    // Each field read is taken at once, so a file that ends early keeps
    // everything before its end; a field that holds what no file of ours
    // holds marks the file as damaged, and what is valid in it is still kept.
    GameInterface* game = GameInterface::getInstance();
    TutorialEngine* tutorialList = TutorialEngine::getInstance();
    GameStateRead read = GameStateRead::Whole;
    auto damaged = [&](size_t offset, const std::string& what) {
        if (read != GameStateRead::Whole)
            return;
        read = GameStateRead::Damaged;
        badOffset = offset;
        problem = what;
    };

    int32_t character = 0;
    uint8_t flag = 0;
    int32_t count = 0;
    bool whole = in.getI32(character);
    if (whole)
    {
        // Without a character of the game, every run would start without a
        // player: the choice is asked for again.
        const bool known = character == kNoCharacter || character == CharSelectScreen::kFemale ||
                           character == CharSelectScreen::kMale;
        if (!known)
            damaged(in.offset() - 4, formatString("character %d is none of the game's characters", character));
        game->playerCharacter = known ? character : kNoCharacter;
    }
    whole = whole && in.getU8(flag);
    if (whole)
        tutorialList->enabled = flag != 0;
    whole = whole && in.getU8(flag);
    if (whole)
    {
        game->alternateMovement = flag != 0;
        tutorialList->setAlternateImages(game->alternateMovement);
    }
    whole = whole && in.getI32(count);

    // A count the bytes cannot hold is damage: the records there are read.
    const int32_t held = static_cast<int32_t>(std::min<size_t>(in.remaining() / kUnlockRecordBytes, std::numeric_limits<int32_t>::max()));
    if (whole && (count < 0 || count > held))
    {
        damaged(in.offset() - 4, formatString("%d unlocks where the file holds %d", count, held));
        count = held;
    }
    Achievements* achievements = Achievements::getInstance();
    for (int32_t i = 0; whole && i < count; ++i)
    {
        int32_t id = 0;
        whole = in.getI32(id) && in.getU8(flag);
        if (whole && flag != 0)
            achievements->unlock(id, false, true);
    }
    if (!whole)
    {
        badOffset = in.offset();
        problem = formatString("the file ends early (%zu bytes)", bytes.size());
        return GameStateRead::Short;
    }
    if (in.remaining() != 0)
        damaged(in.offset(), formatString("%zu bytes follow the last unlock", in.remaining()));
    return read;
}

void StatEngine::reset()
{
    records.clear();
    TutorialEngine::getInstance()->enabled = true;
    loading = false;
    savePending = false;
    saveBlocked = false;
    keepAsideBeforeSave = false;
}
