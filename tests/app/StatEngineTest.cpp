#include "StatEngineFixture.h"
#include "support/TemporaryFiles.h"
#include "ui/menus/TutorialEngine.h"

#include <filesystem>

namespace {

std::string gameStateHead(int32_t version, int32_t character, uint8_t tutorials, uint8_t alternate, int32_t count)
{
    return le32(version) + le32(character) + std::string(1, static_cast<char>(tutorials)) +
           std::string(1, static_cast<char>(alternate)) + le32(count);
}

std::string unlockRecord(int32_t id, uint8_t flag)
{
    return le32(id) + std::string(1, static_cast<char>(flag));
}

// Counts the achievements the store reports as stored, by name.
struct StoredAchievements
{
    explicit StoredAchievements(StatsStore* store)
        : store(store), listener(store->onAchievementStored([this](const AchievementStored& r) { names.push_back(r.name); }))
    {
    }
    ~StoredAchievements() { store->removeListener(listener); }
    int count(const std::string& name) const { return static_cast<int>(std::count(names.begin(), names.end(), name)); }

    StatsStore* store;
    StatsStore::ListenerId listener;
    std::vector<std::string> names;
};

bool achievementDone(int32_t id)
{
    for (const AchievementEntry& entry : Achievements::getInstance()->achievementList())
    {
        if (entry.id == id)
            return entry.done;
    }
    return false;
}

}

TEST_F(ProgressTest, GameStateFileHasTheExactLayout)
{
    game->playerCharacter = 4003;
    game->alternateMovement = true;
    TutorialEngine::getInstance()->enabled = false;
    achievements->unlock(2000, false, true);
    achievements->unlock(2037, true, true);

    const std::string bytes = gameStateBytes();
    ASSERT_EQ(bytes.size(), 204u);
    EXPECT_EQ(read32(bytes, 0), 4);
    EXPECT_EQ(read32(bytes, 4), 4003);
    EXPECT_EQ(bytes[8], 0);
    EXPECT_EQ(bytes[9], 1);
    EXPECT_EQ(read32(bytes, 10), 38);
    const std::vector<UnlockEntry>& unlocks = achievements->unlockList();
    for (size_t i = 0; i < unlocks.size(); ++i)
    {
        const size_t at = 14 + 5 * i;
        EXPECT_EQ(read32(bytes, at), unlocks[i].id) << "record " << i;
        const bool held = unlocks[i].id == 2000 || unlocks[i].id == 2037;
        EXPECT_EQ(bytes[at + 4], held ? 1 : 0) << "record " << i;
    }
    EXPECT_FALSE(temporaryFileLeft(folder.path()));

    // Read back into a fresh profile.
    achievements->reset();
    stats->reset();
    game->playerCharacter = -1;
    game->alternateMovement = false;
    stats->loadGameState();
    EXPECT_EQ(game->playerCharacter, 4003);
    EXPECT_TRUE(game->alternateMovement);
    EXPECT_FALSE(TutorialEngine::getInstance()->enabled);
    EXPECT_EQ(TutorialEngine::getInstance()->entries[0]->image, "Tutorial_01a.png")
        << "the first tutorial shows the alternate movement keys";
    EXPECT_TRUE(achievements->isUnlocked(2000));
    EXPECT_TRUE(achievements->isUnlocked(2037));
    EXPECT_FALSE(achievements->isUnlocked(2036));
    EXPECT_TRUE(bar->queue.empty()) << "loading shows no notices";
}

TEST_F(ProgressTest, ContractsInOneRunWinTheirUnlocksAtTheirThresholds)
{
    const std::vector<std::pair<int, int32_t>> wins = {{2, 2037}, {4, 2033}, {6, 2036}, {8, 2032}};
    size_t notices = 0;
    for (int contract = 1; contract <= 8; ++contract)
    {
        EXPECT_EQ(stats->addStat(1003, 1), contract);
        for (const auto& [at, id] : wins)
            EXPECT_EQ(achievements->isUnlocked(id), contract >= at) << "contract " << contract << " unlock " << id;
        for (const auto& [at, id] : wins)
            notices += at == contract ? 1 : 0;
        EXPECT_EQ(bar->queue.size(), notices) << "contract " << contract;
    }
    EXPECT_EQ(bar->queue.front().text, "`!Unlocked:`% 4th Contract Slot");
    EXPECT_FALSE(achievements->isUnlocked(2004)) << "zone 1 rules do not apply in zone 0";

    // A new run starts counting again; the total stays.
    stats->resetRunCounters();
    EXPECT_EQ(stats->addStat(1003, 1), 1);
    EXPECT_EQ(stats->totalOf(1003), 9);
}

TEST_F(ProgressTest, KillRulesUseRunForDeadTrenchWalkingAndTotalOtherwise)
{
    game->mode = 3;
    for (int i = 0; i < 9; ++i)
        stats->addStat(1000, 1);
    EXPECT_FALSE(achievements->isUnlocked(2027));
    EXPECT_FALSE(achievements->isUnlocked(2035));
    stats->addStat(1000, 1);
    EXPECT_TRUE(achievements->isUnlocked(2027));
    EXPECT_TRUE(achievements->isUnlocked(2035));

    GameData::getInstance()->currentZone = 1;
    stats->resetRunCounters();
    for (int i = 0; i < 19; ++i)
        stats->addStat(1000, 1);
    EXPECT_FALSE(achievements->isUnlocked(2028));
    stats->addStat(1000, 1);
    EXPECT_TRUE(achievements->isUnlocked(2028));
    EXPECT_EQ(achievements->contractSlots(), 10);

    stats->addStat(1005, 49);
    EXPECT_TRUE(achievements->isUnlocked(2007));
    EXPECT_FALSE(achievements->isUnlocked(2018));
    stats->addStat(1005, 1);
    EXPECT_TRUE(achievements->isUnlocked(2018));
}

TEST_F(ProgressTest, MarkedPoliceKillsSetTheSmallAchievementUntilTheRunReachesTen)
{
    StatsStore* store = startStore();
    StoredAchievements stored(store);
    for (int i = 0; i < 3; ++i)
        stats->addStat(1020, 1);
    store->runCallbacks();
    EXPECT_TRUE(achievementDone(123));
    EXPECT_FALSE(achievementDone(124));
    EXPECT_EQ(stored.count("TALLOWIND_ACHIEVEMENT_123"), 1) << "the store is told once";

    for (int i = 0; i < 7; ++i)
        stats->addStat(1020, 1);
    store->runCallbacks();
    EXPECT_TRUE(achievementDone(124));
    EXPECT_EQ(stored.count("TALLOWIND_ACHIEVEMENT_124"), 1);
}

TEST_F(ProgressTest, StatisticsPageAndAccuracy)
{
    EXPECT_EQ(stats->showStats(), "`7Kills: `%0\n`7Innocent Kills: `@0\n`7Gang Kills: `$0\n`7Deaths: `70"
                                  "\n`7Contracts Completed: `!0\n`7Contracts Failed: `70"
                                  "\n`7Money Earned: `$0`7c\n`7Money Spent: `!0`7c");
    stats->setStat(1000, 10);
    stats->setStat(1013, 40);
    const std::string page = stats->showStats();
    EXPECT_NE(page.find("`7Kills: `%10"), std::string::npos);
    EXPECT_EQ(page.substr(page.rfind('\n')), "\n`7Accuracy: `%20%");

    // A negative miss count never divides by zero or shows more than 100.
    stats->setStat(1000, 1);
    stats->setStat(1013, -1);
    const std::string odd = stats->showStats();
    EXPECT_EQ(odd.substr(odd.rfind('\n')), "\n`7Accuracy: `%100%");
    // Huge counts do not overflow the percentage.
    stats->setStat(1000, 2000000000);
    stats->setStat(1013, 2000000000);
    const std::string huge = stats->showStats();
    EXPECT_EQ(huge.substr(huge.rfind('\n')), "\n`7Accuracy: `%50%");
}

TEST_F(ProgressTest, WorksWithoutTheStatisticsStore)
{
    ASSERT_FALSE(StatsStore::getInstance()->isInitialised());
    EXPECT_EQ(stats->addStat(1001, 5), 5);
    EXPECT_TRUE(achievementDone(106));
    achievements->setAchievement(999);
    stats->storeStats();
    EXPECT_EQ(gameStateBytes().size(), 204u);
}

TEST_F(ProgressTest, TotalsGoToTheStoreAndEveryStatisticIsReadBack)
{
    StatsStore* store = startStore();
    stats->addStat(1006, 250);
    stats->addStat(1020, 2);
    int32_t value = 0;
    ASSERT_TRUE(store->getStat("tallowind_stat_1006", value));
    EXPECT_EQ(value, 250);
    ASSERT_TRUE(store->getStat("tallowind_stat_1020", value));
    EXPECT_EQ(value, 2);

    // A later session: the store's values replace the totals, 1020 included.
    stats->reset();
    stats->addStat(1000, 1);
    store->setStat("tallowind_stat_1000", 77);
    store->requestCurrentStats();
    store->runCallbacks();
    EXPECT_EQ(stats->totalOf(1006), 250);
    EXPECT_EQ(stats->totalOf(1020), 2);
    EXPECT_EQ(stats->totalOf(1000), 77);
    EXPECT_EQ(stats->find(1000)->run, 1) << "run counts are kept";

    // An answer for another game changes nothing.
    store->setStat("tallowind_stat_1006", 5);
    stats->onStatsReceived(StatsReceived{store->getAppId() + 1, StatsStore::kResultOk});
    stats->onStatsReceived(StatsReceived{store->getAppId(), StatsStore::kResultFail});
    EXPECT_EQ(stats->totalOf(1006), 250);
}

TEST_F(ProgressTest, OldVersionFileIsKeptAsideAndNeverOverwritten)
{
    const std::string old = gameStateHead(3, 4002, 0, 1, 0);
    folder.write(StatEngine::kFileName, old);
    stats->loadGameState();
    EXPECT_EQ(game->playerCharacter, -1);
    EXPECT_FALSE(game->alternateMovement);
    EXPECT_TRUE(TutorialEngine::getInstance()->enabled);
    EXPECT_EQ(folder.read(std::string(StatEngine::kFileName) + ".corrupt"), old);

    achievements->unlock(2000, true, true);
    EXPECT_EQ(gameStateBytes().size(), 204u);
    EXPECT_EQ(folder.read(std::string(StatEngine::kFileName) + ".corrupt"), old);
}

TEST_F(ProgressTest, AFileTooShortForItsVersionIsKeptAsideAndReplaced)
{
    const std::string stub("\x04\x00\x00", 3);
    folder.write(StatEngine::kFileName, stub);
    stats->loadGameState();
    EXPECT_EQ(game->playerCharacter, -1);
    EXPECT_FALSE(folder.exists(StatEngine::kFileName));
    EXPECT_EQ(folder.read(std::string(StatEngine::kFileName) + ".corrupt"), stub);
}

// A saved state cut short keeps every field and unlock before its end; the
// short file stays until the next save, which first keeps a copy of it.
TEST_F(ProgressTest, ATruncatedStateKeepsItsReadableUnlocks)
{
    const std::string cut = gameStateHead(4, 4002, 0, 1, 38) + unlockRecord(2036, 1) + unlockRecord(2037, 0) +
                            unlockRecord(2033, 1) + std::string("\xD1\x07", 2);
    folder.write(StatEngine::kFileName, cut);
    stats->loadGameState();
    EXPECT_EQ(game->playerCharacter, 4002);
    EXPECT_FALSE(TutorialEngine::getInstance()->enabled);
    EXPECT_TRUE(game->alternateMovement);
    EXPECT_TRUE(achievements->isUnlocked(2036));
    EXPECT_FALSE(achievements->isUnlocked(2037));
    EXPECT_TRUE(achievements->isUnlocked(2033));
    EXPECT_EQ(gameStateBytes(), cut) << "nothing is written until the next save";

    achievements->unlock(2000, true, true);
    const std::string aside = std::string(StatEngine::kFileName) + ".corrupt";
    EXPECT_EQ(folder.read(aside), cut);
    const std::string saved = gameStateBytes();
    ASSERT_EQ(saved.size(), 204u);
    EXPECT_EQ(read32(saved, 4), 4002);

    // The copy is made once: later saves replace only the new file.
    achievements->unlock(2001, true, true);
    EXPECT_FALSE(folder.exists(aside + "2"));

    // A count past the end keeps the head; a file cut inside the head keeps
    // the fields before the cut.
    const std::vector<std::pair<std::string, int32_t>> heads = {
        {gameStateHead(4, 4003, 1, 0, 0x7FFFFFFF), 4003},
        {gameStateHead(4, 4003, 1, 0, 0).substr(0, 6), -1},
    };
    for (const auto& [bytes, character] : heads)
    {
        stats->reset();
        achievements->reset();
        game->playerCharacter = -1;
        folder.write(StatEngine::kFileName, bytes);
        stats->loadGameState();
        EXPECT_EQ(game->playerCharacter, character);
        EXPECT_EQ(gameStateBytes(), bytes);
    }
}

// A state that reads as a version-4 file but holds what no saved state holds
// is damaged: what is valid in it is kept, the file as it was is kept aside at
// the first save, and a character of no one is asked for again.
TEST_F(ProgressTest, DamagedStatesKeepWhatIsValidAndAreKeptAside)
{
    std::string unlocks;
    for (const UnlockEntry& entry : achievements->unlockList())
        unlocks += unlockRecord(entry.id, entry.id == 2036 ? 1 : 0);
    std::string noise;
    for (int i = 0; i < 200; ++i)
        noise.push_back(static_cast<char>((i * 73 + 41) % 251));
    struct Damage
    {
        const char* what;
        std::string bytes;
        int32_t character;
        bool unlockKept;
    };
    const Damage damages[] = {
        {"a character of no one", gameStateHead(4, 123456789, 0, 1, 38) + unlocks, -1, true},
        {"a negative unlock count", gameStateHead(4, 4003, 0, 1, -5) + unlocks, 4003, true},
        {"noise under a newer version", le32(7) + noise, -1, false},
    };
    for (const Damage& damage : damages)
    {
        SCOPED_TRACE(damage.what);
        TempFolder own;
        ScopedSavesFolder ownSaves(own.path());
        stats->reset();
        achievements->reset();
        game->playerCharacter = -1;
        own.write(StatEngine::kFileName, damage.bytes);
        stats->loadGameState();
        EXPECT_EQ(game->playerCharacter, damage.character);
        EXPECT_EQ(achievements->isUnlocked(2036), damage.unlockKept);

        // The start's first save keeps the damaged file aside, then writes a whole state.
        achievements->unlock(2000, true, true);
        EXPECT_EQ(own.read(std::string(StatEngine::kFileName) + ".corrupt"), damage.bytes);
        const std::string saved = own.read(StatEngine::kFileName);
        ASSERT_EQ(saved.size(), 204u);
        EXPECT_EQ(read32(saved, 4), damage.character);
        EXPECT_EQ(read32(saved, 10), 38);
    }
}

TEST_F(ProgressTest, AnyNonZeroFlagIsHeldAndUnknownIdsAreIgnored)
{
    folder.write(StatEngine::kFileName, gameStateHead(4, 4002, 1, 0, 3) + unlockRecord(2036, 2) +
                                            unlockRecord(2008, 1) + unlockRecord(2037, 0));
    stats->loadGameState();
    EXPECT_EQ(game->playerCharacter, 4002);
    EXPECT_TRUE(achievements->isUnlocked(2036));
    EXPECT_FALSE(achievements->isUnlocked(2037));
    EXPECT_FALSE(achievements->isUnlocked(2008));
    EXPECT_EQ(achievements->contractSlots(), 5);
}

TEST_F(ProgressTest, UnlocksWonWhileLoadingAreSavedAfterTheLoad)
{
    // A newer version with every unlock held: read as version 4; the "All The
    // Toys" achievement it earns saves the state once the whole file is read.
    std::string file = gameStateHead(5, 4003, 0, 1, 38);
    for (const UnlockEntry& entry : achievements->unlockList())
        file += unlockRecord(entry.id, 1);
    file += "future";
    folder.write(StatEngine::kFileName, file);

    stats->loadGameState();
    EXPECT_TRUE(achievementDone(Achievements::kAllTheToys));
    EXPECT_TRUE(bar->queue.empty());
    const std::string saved = gameStateBytes();
    ASSERT_EQ(saved.size(), 204u);
    EXPECT_EQ(read32(saved, 0), 4);
    EXPECT_EQ(read32(saved, 4), 4003);
    EXPECT_EQ(saved[9], 1);
    for (size_t i = 0; i < 38; ++i)
        EXPECT_EQ(saved[14 + 5 * i + 4], 1);
}

TEST_F(ProgressTest, MissingFileKeepsTheDefaults)
{
    stats->loadGameState();
    EXPECT_EQ(game->playerCharacter, -1);
    EXPECT_TRUE(TutorialEngine::getInstance()->enabled);
    EXPECT_FALSE(folder.exists(StatEngine::kFileName));
}
