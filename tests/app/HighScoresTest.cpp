#include "StatEngineFixture.h"
#include "app/HighScores.h"

#include <filesystem>

namespace {

std::string le16(int16_t value)
{
    const uint16_t bits = static_cast<uint16_t>(value);
    return std::string{static_cast<char>(bits & 0xFF), static_cast<char>(bits >> 8)};
}

std::string entryBytes(const std::string& initials, int16_t score)
{
    std::string raw = initials;
    raw.resize(4, '\0');
    return raw + le16(score);
}

std::string tableBytes(uint32_t difficulty, uint32_t zone, uint32_t mode, const std::vector<int16_t>& scores,
                       const std::string& initials = "ABC")
{
    std::string bytes = le32(static_cast<int32_t>(difficulty)) + le32(static_cast<int32_t>(zone)) +
                        le32(static_cast<int32_t>(mode)) + le32(static_cast<int32_t>(scores.size()));
    for (int16_t score : scores)
        bytes += entryBytes(initials, score);
    return bytes;
}

std::string fileBytes(const std::vector<std::string>& tables)
{
    std::string bytes = le32(1) + le32(static_cast<int32_t>(tables.size()));
    for (const std::string& table : tables)
        bytes += table;
    return bytes;
}

const std::vector<int16_t> kDescending = {500, 400, 300, 200, 100, 90, 80, 70, 60, 50};

}

class HighScoresTest : public ProgressTest
{
protected:
    void SetUp() override
    {
        ProgressTest::SetUp();
        scores = HighScores::getInstance();
        // The store reads its file when it is first made; when that happens in
        // this test's folder it leaves default tables behind. Every test starts
        // from an empty saves folder, whichever test made the store.
        std::filesystem::remove(folder.file(HighScores::kFileName));
        game->mode = 1;
        game->difficulty = 0;
    }
    void TearDown() override
    {
        game->difficulty = 0;
        scores->typedInitials.clear();
        ProgressTest::TearDown();
    }

    std::string scoreFile() const { return folder.read(HighScores::kFileName); }

    HighScores* scores = nullptr;
};

TEST_F(HighScoresTest, FirstStartWritesTheDefaultTables)
{
    scores->load();
    const std::string bytes = scoreFile();
    ASSERT_EQ(bytes.size(), 2744u);
    EXPECT_EQ(read32(bytes, 0), 1);
    EXPECT_EQ(read32(bytes, 4), 36);
    int index = 0;
    for (int zone = 0; zone < 3; ++zone)
        for (int mode = 0; mode < 4; ++mode)
            for (int difficulty = 0; difficulty < 3; ++difficulty, ++index)
            {
                const size_t at = 8 + 76 * index;
                EXPECT_EQ(read32(bytes, at), difficulty);
                EXPECT_EQ(read32(bytes, at + 4), zone);
                EXPECT_EQ(read32(bytes, at + 8), mode);
                EXPECT_EQ(read32(bytes, at + 12), 10);
                for (size_t e = 0; e < 10; ++e)
                {
                    EXPECT_EQ(bytes.substr(at + 16 + 6 * e, 4), std::string("   \0", 4));
                    EXPECT_EQ(read16(bytes, at + 16 + 6 * e + 4), 0);
                }
            }
    EXPECT_EQ(scores->rankOf(0, 0), -1);
    EXPECT_EQ(scores->rankOf(0, 1), 0);
    EXPECT_FALSE(scores->qualifies(0, 0));
    EXPECT_TRUE(scores->qualifies(0, 1));
}

TEST_F(HighScoresTest, RanksAndInsertsBelowEqualScores)
{
    folder.write(HighScores::kFileName, fileBytes({tableBytes(0, 0, 0, kDescending)}));
    scores->load();
    EXPECT_EQ(scores->rankOf(0, 400), 2);
    EXPECT_EQ(scores->rankOf(0, 401), 1);
    EXPECT_EQ(scores->rankOf(0, 50), -1);
    EXPECT_EQ(scores->rankOf(1, 1000), -1) << "no table for zone 1";

    scores->typedInitials = "XYZ";
    scores->insertScore(0, 9, 55);
    HighScoreTable* table = scores->findTable(0, 0, 0);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->entries[8].score, 60);
    EXPECT_EQ(table->entries[9].score, 55);
    EXPECT_EQ(table->entries[9].initials, "XYZ");

    scores->insertScore(0, 0, 40000);
    ASSERT_EQ(table->entries.size(), 10u);
    EXPECT_EQ(table->entries[0].score, 32767) << "clamped, never wrapped negative";
    EXPECT_EQ(table->entries[1].score, 500);
    EXPECT_EQ(table->entries[9].score, 60);

    // The file holds what the table holds.
    scores->load();
    EXPECT_EQ(scores->findTable(0, 0, 0)->entries[0].score, 32767);
    EXPECT_EQ(scoreFile().size(), 8u + 76u);

    // Normal mode keeps no scores; a rank outside the table changes nothing.
    game->mode = 0;
    scores->insertScore(0, 0, 999);
    game->mode = 1;
    scores->insertScore(0, 10, 999);
    scores->insertScore(0, -1, 999);
    EXPECT_EQ(scores->findTable(0, 0, 0)->entries[0].score, 32767);
    EXPECT_EQ(scores->findTable(0, 0, 0)->entries[1].score, 500);
}

TEST_F(HighScoresTest, OddTablesAreBroughtToTenAndTheLaterDuplicateWins)
{
    folder.write(HighScores::kFileName,
                 fileBytes({tableBytes(0, 0, 0, {300, 200, 100}),
                            tableBytes(0, 1, 0, {9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9}),
                            tableBytes(0, 1, 0, kDescending, std::string("ABCD", 4))}));
    scores->load();
    ASSERT_EQ(scores->tableList().size(), 3u);
    for (const HighScoreTable& table : scores->tableList())
        EXPECT_EQ(table.entries.size(), 10u);
    EXPECT_EQ(scores->findTable(0, 0, 0)->entries[3].initials, "   ");
    EXPECT_EQ(scores->findTable(1, 0, 0)->entries[0].score, 500);
    EXPECT_EQ(scores->findTable(1, 0, 0)->entries[0].initials, "ABC") << "cut after the third character";
}

TEST_F(HighScoresTest, DamagedFilesAreKeptAsideAndReplacedByDefaults)
{
    const std::string good = tableBytes(0, 0, 0, kDescending);
    const std::vector<std::string> damaged = {
        std::string("\x01\x00", 2),
        le32(1) + le32(1000000),
        fileBytes({good}).substr(0, 8 + 50),
        fileBytes({tableBytes(0, 0, 0, kDescending).substr(0, 12) + le32(0x7FFFFFFF)}),
        fileBytes({good}) + "junk",
        fileBytes({tableBytes(7, 0, 0, kDescending)}),
    };
    for (size_t i = 0; i < damaged.size(); ++i)
    {
        folder.write(HighScores::kFileName, damaged[i]);
        scores->load();
        EXPECT_EQ(scores->tableList().size(), 36u) << "case " << i;
        EXPECT_EQ(scoreFile().size(), 2744u) << "case " << i;
        const std::string aside = std::string(HighScores::kFileName) + ".corrupt" + (i ? std::to_string(i + 1) : "");
        EXPECT_EQ(folder.read(aside), damaged[i]) << "case " << i;
    }
}

// One bad spot in the score or statistics file costs only what it holds: the
// tables before the damage and every statistics line that reads are kept, and
// the file as it was is kept aside untouched.
TEST_F(HighScoresTest, DamagedScoreAndStatisticsFilesKeepWhatReads)
{
    // Every table holds its own best score, 100 and up in file order.
    std::vector<std::string> tables;
    for (uint32_t zone = 0; zone < HighScores::kZones; ++zone)
        for (uint32_t mode = 0; mode < HighScores::kModeIndices; ++mode)
            for (uint32_t difficulty = 0; difficulty < HighScores::kDifficulties; ++difficulty)
                tables.push_back(tableBytes(difficulty, zone, mode,
                                            {static_cast<int16_t>(100 + tables.size()), 9, 8, 7, 6, 5, 4, 3, 2, 1}));
    const std::string whole = fileBytes(tables);
    const std::string trailing = whole + std::string("\x01\x02", 2);
    const std::string cut = whole.substr(0, 8 + 20 * 76 + 30);
    for (const std::string& damaged : {trailing, cut})
    {
        std::filesystem::remove(folder.file(std::string(HighScores::kFileName) + ".corrupt"));
        folder.write(HighScores::kFileName, damaged);
        scores->load();
        EXPECT_EQ(scores->tableList().size(), 36u);
        const int kept = damaged == trailing ? 36 : 20;
        int order = 0;
        for (int32_t zone = 0; zone < HighScores::kZones; ++zone)
            for (int32_t mode = 0; mode < HighScores::kModeIndices; ++mode)
                for (int32_t difficulty = 0; difficulty < HighScores::kDifficulties; ++difficulty, ++order)
                {
                    const HighScoreTable* table = scores->findTable(zone, difficulty, mode);
                    ASSERT_NE(table, nullptr) << "table " << order;
                    EXPECT_EQ(table->entries[0].score, order < kept ? 100 + order : 0) << "table " << order;
                }
        EXPECT_EQ(folder.read(std::string(HighScores::kFileName) + ".corrupt"), damaged);
        if (damaged == trailing)
        {
            EXPECT_EQ(scoreFile(), whole) << "the tables are written back whole";
        }
    }

    std::string statistics = "version 1\n";
    for (int id = 1000; id <= 1020; ++id)
        statistics += "stat tallowind_stat_" + std::to_string(id) + " " + std::to_string(id - 990) + "\n";
    statistics += "achievement TALLOWIND_ACHIEVEMENT_101\n";
    const std::string damagedStatistics = statistics.insert(statistics.find("stat tallowind_stat_1004"), "stat ?? 1x\n");
    folder.write(StatsStore::kFileName, damagedStatistics);
    StatsStore* store = startStore();
    for (int id = 1000; id <= 1020; ++id)
    {
        int32_t value = 0;
        EXPECT_TRUE(store->getStat("tallowind_stat_" + std::to_string(id), value));
        EXPECT_EQ(value, id - 990) << "statistic " << id;
    }
    bool achieved = false;
    EXPECT_TRUE(store->getAchievement("TALLOWIND_ACHIEVEMENT_101", achieved) && achieved);
    EXPECT_NE(store->readProblem().find("line 6"), std::string::npos) << store->readProblem();
    EXPECT_EQ(folder.read(std::string(StatsStore::kFileName) + ".corrupt"), damagedStatistics);
}

TEST_F(HighScoresTest, OldFileIsImportedOnceAndThenDeleted)
{
    std::string old;
    for (int zone = 0; zone < 3; ++zone)
        for (int i = 0; i < 10; ++i)
            old += entryBytes(zone == 1 ? "OLD" : "AAA", static_cast<int16_t>(1000 * (zone + 1) - 10 * i));
    ASSERT_EQ(old.size(), 180u);
    folder.write(HighScores::kOldFileName, old);
    scores->load();
    EXPECT_FALSE(folder.exists(HighScores::kOldFileName));
    EXPECT_EQ(scoreFile().size(), 2744u);
    for (int zone = 0; zone < 3; ++zone)
    {
        const HighScoreTable* table = scores->findTable(zone, 0, 0);
        ASSERT_NE(table, nullptr);
        EXPECT_EQ(table->entries[0].score, 1000 * (zone + 1));
        EXPECT_EQ(table->entries[9].score, 1000 * (zone + 1) - 90);
    }
    EXPECT_EQ(scores->findTable(1, 0, 0)->entries[4].initials, "OLD");
    EXPECT_EQ(scores->findTable(0, 1, 0)->entries[0].score, 0);

    // A later start with the old file back in place keeps the new tables.
    scores->typedInitials = "NEW";
    scores->insertScore(0, 0, 5000);
    folder.write(HighScores::kOldFileName, old);
    scores->load();
    EXPECT_EQ(scores->findTable(0, 0, 0)->entries[0].score, 5000);
    EXPECT_EQ(scores->findTable(0, 0, 0)->entries[0].initials, "NEW");
    EXPECT_TRUE(folder.exists(HighScores::kOldFileName));
}

TEST_F(HighScoresTest, UnreadableOldFileIsKeptAsideWithoutLosingScores)
{
    folder.write(HighScores::kOldFileName, "short");
    scores->load();
    EXPECT_FALSE(folder.exists(HighScores::kOldFileName));
    EXPECT_EQ(folder.read(std::string(HighScores::kOldFileName) + ".corrupt"), "short");
    EXPECT_EQ(scoreFile().size(), 2744u);
    EXPECT_EQ(scores->findTable(0, 0, 0)->entries[0].score, 0);
}
