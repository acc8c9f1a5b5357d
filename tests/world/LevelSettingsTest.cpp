#include <gtest/gtest.h>

#include "support/ScratchFolder.h"
#include "world/LevelSettings.h"

TEST(LevelSettings, KeysSetTheirValues)
{
    std::vector<DataFileProblem> problems;
    const LevelSettings s = parseLevelSettings(
        "# Downtown\ncitizencount=80\ntrainlocation=5\ncontactcount=2\nmaxmissionspawndistance=30\n"
        "missioncount=12\nvalue_base=300\nvalue_urgent=40\r\nvalue_bodyguardandknowsplayer=33\n",
        "zone.txt", &problems);
    EXPECT_EQ(s.citizenCount, 80);
    EXPECT_EQ(s.trainLocation, 5);
    EXPECT_EQ(s.contactCount, 2);
    EXPECT_EQ(s.maxMissionSpawnDistance, 30);
    EXPECT_EQ(s.missionCount, 12);
    EXPECT_EQ(s.contractValues[LevelSettings::Base], 300);
    EXPECT_EQ(s.contractValues[LevelSettings::Urgent], 40);
    EXPECT_EQ(s.contractValues[LevelSettings::BodyguardAndKnowsPlayer], 33);
    EXPECT_EQ(s.contractValues[LevelSettings::PoliceEscort], 200);
    EXPECT_TRUE(problems.empty());
}

// Each zone starts from the defaults: nothing of the zone read before it
// (its trains, its population) is carried into a zone that leaves a key out.
TEST(LevelSettings, MissingKeysTakeDefaultsNotThePreviousZone)
{
    const LevelSettings first = parseLevelSettings("trainlocation=5\nvalue_armed=99\ncitizencount=70\n", "one.txt");
    ASSERT_EQ(first.trainLocation, 5);
    const LevelSettings second = parseLevelSettings("value_base=300\n", "two.txt");
    const LevelSettings defaults;
    EXPECT_EQ(second.contractValues[LevelSettings::Base], 300);
    EXPECT_EQ(second.contractValues[LevelSettings::Armed], 50);
    EXPECT_EQ(second.trainLocation, -1);
    EXPECT_EQ(second.citizenCount, 50);
    EXPECT_EQ(second.contactCount, defaults.contactCount);
    EXPECT_EQ(second.maxMissionSpawnDistance, 40);
    EXPECT_EQ(second.missionCount, 10);
}

TEST(LevelSettings, FaultyLinesAreReportedAndSkipped)
{
    std::vector<DataFileProblem> problems;
    const LevelSettings s =
        parseLevelSettings("citizencount = 80\ntrainlocation\nmissioncount=\ncontactcount=abc\n", "zone.txt", &problems);
    EXPECT_EQ(s.citizenCount, 50);  // the key has a trailing blank
    EXPECT_EQ(s.trainLocation, -1);
    EXPECT_EQ(s.missionCount, 10);
    EXPECT_EQ(s.contactCount, 0);  // not a number reads as 0
    ASSERT_EQ(problems.size(), 3u);
    EXPECT_EQ(problems[0].line, 1);
    EXPECT_EQ(problems[0].severity, DataFileProblem::Warning);
    EXPECT_EQ(problems[1].describe(), "zone.txt:2: \"trainlocation\" has no '=' and no value; line skipped");
    EXPECT_EQ(problems[2].line, 3);
}

TEST(LevelSettings, MissingFileGivesDefaults)
{
    std::vector<DataFileProblem> problems;
    const LevelSettings s = readLevelSettings("/nonexistent/tallowind_levelOne.txt", &problems);
    EXPECT_EQ(s.citizenCount, 50);
    EXPECT_EQ(s.contractValues[LevelSettings::Base], 150);
    ASSERT_EQ(problems.size(), 1u);

    const ScratchFolder folder("tw_settings");
    EXPECT_EQ(readLevelSettings(folder.write("tallowind_levelOne.txt", "citizencount=90\n")).citizenCount, 90);
}
