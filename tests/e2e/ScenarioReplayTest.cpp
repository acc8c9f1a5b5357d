// Scenario replays: every file in tests/e2e/scenarios/ is one test. Each is
// played twice from start-up, each time in a process of its own (the game's
// managers live as long as the process); both runs must meet the file's
// expectations and end in the same state.
#include "ScenarioReader.h"
#include "ScenarioRun.h"
#include "SharedSavesFolder.h"

#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

constexpr int kRuns = 2;

std::string scenarioFolder()
{
    return std::string(TALLOWIND_SOURCE_DIR) + "/tests/e2e/scenarios";
}

std::vector<std::string> scenarioFiles()
{
    std::vector<std::string> files;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(scenarioFolder(), error))
        if (entry.path().extension() == ".scenario")
            files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    return files;
}

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string describe(const std::vector<DataFileProblem>& problems)
{
    std::string text;
    for (const DataFileProblem& problem : problems)
        text += problem.describe() + "\n";
    return text;
}

// The test's name: the file's name without its extension, in letters, digits and _.
std::string testName(const ::testing::TestParamInfo<std::string>& info)
{
    std::string name = fs::path(info.param).stem().string();
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name;
}

class ScenarioReplay : public ::testing::TestWithParam<std::string>
{
protected:
    void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

}

TEST_P(ScenarioReplay, MeetsItsExpectationsTheSameWayTwice)
{
    Scenario scenario;
    std::vector<DataFileProblem> problems;
    ASSERT_TRUE(ScenarioReader::read(GetParam(), scenario, problems)) << describe(problems);
    // Shared with the runs' processes, which start this test again from the top.
    SharedSavesFolder folder;
    ASSERT_FALSE(folder.path().empty());

    std::string endStates[kRuns];
    for (int run = 0; run < kRuns; ++run)
    {
        const std::string runFolder = folder.path() + "/run" + std::to_string(run + 1);
        EXPECT_EXIT(ScenarioRun(scenario, runFolder).playAndExit(), ::testing::ExitedWithCode(0), "")
            << "run " << run + 1;
        endStates[run] = readFile(ScenarioRun::endStatePath(runFolder));
    }
    ASSERT_FALSE(endStates[0].empty()) << "the first run left no end state";
    EXPECT_EQ(endStates[0], endStates[1]) << "the replay did not end the same way twice";
}

INSTANTIATE_TEST_SUITE_P(Scenarios, ScenarioReplay, ::testing::ValuesIn(scenarioFiles()), testName);

TEST(ScenarioReader, NamesTheFileAndLineOfEveryBadStatement)
{
    ScratchFolder folder("tallowind-scenario");
    const std::string path = folder.write("bad.scenario",
                                          "# no seed line in this file\n"
                                          "at 2 tap NoSuchKey\n"
                                          "at 1 tap E\n"
                                          "at soon tap E\n"
                                          "at 3 wiggle mouse\n"
                                          "at 3 click sideways\n"
                                          "at 3 hold pad A\n"
                                          "expect state Sleeping\n"
                                          "expect weather rain\n"
                                          "teleport 3 4\n"
                                          "at 3 setup give wings 4\n"
                                          "end 0.5\n");
    Scenario scenario;
    std::vector<DataFileProblem> problems;
    EXPECT_FALSE(ScenarioReader::read(path, scenario, problems));
    const std::string text = describe(problems);
    for (const char* expected :
         {"bad.scenario:2: 'NoSuchKey' is no key", "bad.scenario:3: the time goes back",
          "bad.scenario:4: 'soon' is no time in seconds", "bad.scenario:5: 'wiggle' is no input",
          "bad.scenario:6: 'sideways' is no mouse button",
          "bad.scenario:7: write it as: at <seconds> hold <key | mouse <button> | pad <button>> <seconds>",
          "bad.scenario:8: write it as: expect state", "bad.scenario:9: no check is called 'weather'",
          "bad.scenario:10: 'teleport' starts no statement",
          "bad.scenario:11: write it as: at <seconds> setup place player at cell",
          "bad.scenario:12: the run ends before its last input", "bad.scenario: no seed line"})
        EXPECT_NE(text.find(expected), std::string::npos) << "missing \"" << expected << "\" in:\n" << text;
}
