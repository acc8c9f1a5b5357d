#include "PlatformTestSupport.h"
#include "platform/StatsStore.h"
#include "support/FileSizeLimit.h"
#include "support/TemporaryFiles.h"

#include <climits>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

constexpr size_t kRoomLeft = 512;

class StatsStoreTest : public ::testing::Test
{
protected:
    StatsStoreTest() : savesEnv("TALLOWIND_SAVES", saves.path().c_str()) {}

    fs::path file() const { return saves.dir() / "userstats.txt"; }

    ScratchFolder saves{"tw_platform"};
    ScopedEnv savesEnv;
};

} // namespace

TEST_F(StatsStoreTest, StatisticsAndAchievementsSurviveARestart)
{
    {
        StatsStore store;
        ASSERT_TRUE(store.init());
        EXPECT_TRUE(store.isLoggedOn());
        EXPECT_TRUE(store.setStat("tallowind_stat_1000", 42));
        EXPECT_TRUE(store.setStat("tallowind_stat_1006", INT32_MIN));
        EXPECT_TRUE(store.setStat("tallowind_stat_1007", INT32_MAX));
        EXPECT_TRUE(store.setAchievement("TALLOWIND_ACHIEVEMENT_101"));
        EXPECT_TRUE(store.storeStats());
        store.setStat("tallowind_stat_1000", 99); // never stored
        store.shutdown();
    }
    EXPECT_FALSE(temporaryFileLeft(saves.path()));

    StatsStore again;
    ASSERT_TRUE(again.init());
    int32_t value = -1;
    EXPECT_TRUE(again.getStat("tallowind_stat_1000", value));
    EXPECT_EQ(value, 42);
    EXPECT_TRUE(again.getStat("tallowind_stat_1006", value));
    EXPECT_EQ(value, INT32_MIN);
    EXPECT_TRUE(again.getStat("tallowind_stat_1007", value));
    EXPECT_EQ(value, INT32_MAX);
    EXPECT_TRUE(again.getStat("tallowind_stat_1019", value)); // never set
    EXPECT_EQ(value, 0);
    bool achieved = false;
    EXPECT_TRUE(again.getAchievement("TALLOWIND_ACHIEVEMENT_101", achieved));
    EXPECT_TRUE(achieved);
    EXPECT_TRUE(again.getAchievement("TALLOWIND_ACHIEVEMENT_102", achieved));
    EXPECT_FALSE(achieved);
}

TEST_F(StatsStoreTest, CallbacksArriveAtTheNextDeliveryInOrder)
{
    StatsStore store;
    std::vector<std::string> log;
    store.onStatsReceived([&](const StatsReceived& r) {
        log.push_back("received " + std::to_string(r.gameId) + " " + std::to_string(r.result));
    });
    store.onStatsStored([&](const StatsStored& r) { log.push_back("stored " + std::to_string(r.result)); });
    store.onAchievementStored([&](const AchievementStored& r) { log.push_back("achievement " + r.name); });

    EXPECT_FALSE(store.requestCurrentStats()); // not started yet
    ASSERT_TRUE(store.init());
    EXPECT_TRUE(store.requestCurrentStats());
    EXPECT_TRUE(store.setAchievement("A1"));
    EXPECT_TRUE(store.setAchievement("A1")); // already held: nothing new
    EXPECT_TRUE(store.storeStats());
    EXPECT_TRUE(log.empty());

    store.runCallbacks();
    const std::string ok = std::to_string(StatsStore::kResultOk);
    EXPECT_EQ(log, (std::vector<std::string>{ "received " + std::to_string(store.getAppId()) + " " + ok,
                                              "achievement A1", "stored " + ok }));
    log.clear();
    store.runCallbacks();
    EXPECT_TRUE(log.empty());
}

TEST_F(StatsStoreTest, ListenersCanLeaveAndCallbacksQueuedDuringDeliveryWait)
{
    StatsStore store;
    ASSERT_TRUE(store.init());
    int first = 0;
    int second = 0;
    StatsStore::ListenerId secondId = 0;
    store.onStatsReceived([&](const StatsReceived&) {
        ++first;
        store.removeListener(secondId);
        store.requestCurrentStats(); // answered at the next delivery
    });
    secondId = store.onStatsReceived([&](const StatsReceived&) { ++second; });

    store.requestCurrentStats();
    store.runCallbacks();
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 0);
    store.runCallbacks();
    EXPECT_EQ(first, 2);

    store.shutdown(); // queued callbacks are dropped
    store.runCallbacks();
    EXPECT_EQ(first, 2);
}

TEST_F(StatsStoreTest, ADamagedFileIsKeptAsideAndReplacedByDefaults)
{
    const std::string damaged = "version 1\nstat tallowind_stat_1000 12abc\n";
    writeTextFile(file(), damaged);
    StatsStore store;
    ::testing::internal::CaptureStderr();
    ASSERT_TRUE(store.init());
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("userstats.txt:2:"), std::string::npos) << err;

    EXPECT_EQ(readTextFile(saves.dir() / "userstats.txt.corrupt"), damaged);
    int32_t value = -1;
    EXPECT_TRUE(store.getStat("tallowind_stat_1000", value));
    EXPECT_EQ(value, 0);
    store.shutdown();

    // The new file reads cleanly; a second damaged file does not overwrite the first one kept.
    StatsStore clean;
    ::testing::internal::CaptureStderr();
    clean.init();
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    clean.shutdown();

    const char* bad[] = { "", "stat x 1\n", "version 2\n", "version 1\nstat x 99999999999\n",
                          "version 1\nachievement\n", "version 1\nbogus line\n", "\x01\x02\xff" };
    int kept = 1;
    for (const char* text : bad) {
        writeTextFile(file(), text);
        StatsStore store2;
        ::testing::internal::CaptureStderr();
        store2.init();
        ::testing::internal::GetCapturedStderr();
        EXPECT_TRUE(fs::exists(saves.dir() / ("userstats.txt.corrupt" + std::to_string(kept)))) << text;
        ++kept;
    }
    EXPECT_EQ(readTextFile(saves.dir() / "userstats.txt.corrupt"), damaged);
}

TEST_F(StatsStoreTest, AFailedWriteLeavesTheOldFileWhole)
{
    StatsStore store;
    ASSERT_TRUE(store.init());
    store.setStat("tallowind_stat_1000", 5);
    // A file larger than the room left below, where the messages still fit.
    for (int id = 1001; id <= 1020; ++id)
        store.setStat("tallowind_stat_" + std::to_string(id), id);
    ASSERT_TRUE(store.storeStats());
    const std::string before = readTextFile(file());
    ASSERT_GT(before.size(), kRoomLeft);

    int lastResult = 0;
    std::vector<std::string> achievements;
    store.onStatsStored([&](const StatsStored& r) { lastResult = r.result; });
    store.onAchievementStored([&](const AchievementStored& r) { achievements.push_back(r.name); });
    store.runCallbacks();

    store.setStat("tallowind_stat_1000", 6);
    ::testing::internal::CaptureStderr();
    {
        // A disk without room for the file makes every write fail.
        FileSizeLimit full(kRoomLeft);
        EXPECT_FALSE(store.storeStats());
        EXPECT_TRUE(store.setAchievement("A2")); // held in memory
    }
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("cannot write"), std::string::npos);
    store.runCallbacks();
    EXPECT_EQ(lastResult, StatsStore::kResultFail);
    EXPECT_TRUE(achievements.empty());
    EXPECT_EQ(readTextFile(file()), before);

    // Once writing works again the achievement is stored and reported.
    EXPECT_TRUE(store.storeStats());
    store.runCallbacks();
    EXPECT_EQ(lastResult, StatsStore::kResultOk);
    EXPECT_EQ(achievements, std::vector<std::string>{ "A2" });
    EXPECT_NE(readTextFile(file()).find("achievement A2\n"), std::string::npos);
    EXPECT_NE(readTextFile(file()).find("stat tallowind_stat_1000 6\n"), std::string::npos);
}

TEST_F(StatsStoreTest, NamesMustBeSingleWords)
{
    StatsStore store;
    int32_t value = 0;
    EXPECT_FALSE(store.getStat("tallowind_stat_1000", value)); // not started
    ASSERT_TRUE(store.init());
    EXPECT_FALSE(store.setStat("", 1));
    EXPECT_FALSE(store.setStat("two words", 1));
    EXPECT_FALSE(store.setStat("line\nbreak", 1));
    EXPECT_FALSE(store.setAchievement("a b"));
    EXPECT_FALSE(fs::exists(file())); // nothing stored yet: a missing file is not written at start
}
