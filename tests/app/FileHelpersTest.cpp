#include "app/FileHelpers.h"

#include "TempFolder.h"
#include "app/SavedFile.h"
#include "platform/StatsStore.h"
#include "support/TemporaryFiles.h"
#include "world/MapEditorBackup.h"
#include "world/MapFileFormat.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

TEST(ReadLines, SkipsCommentsAndBlankLinesAndKeepsCarriageReturns)
{
    const std::string data = "  # a note\n\tkey=1 \r\n\r\nlast";
    EXPECT_EQ(splitTextLines(data), (std::vector<std::string>{"key=1 \r", "\r", "last"}));
}

TEST(ReadLines, HashOnlyCountsAsCommentAtTheStartOfTheLine)
{
    EXPECT_EQ(splitTextLines("a#b\n  #c\n\n#last"), (std::vector<std::string>{"a#b"}));
    EXPECT_TRUE(splitTextLines("").empty());
    EXPECT_TRUE(splitTextLines("#only").empty());
}

TEST(ReadLines, LongLinesAreKeptWhole)
{
    const std::string longLine(1000, 'k');
    const auto lines = splitTextLines(longLine + "\nnext\n");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], longLine);
}

TEST(ReadLines, ReadsAFileAndGivesNothingForAMissingOne)
{
    TempFolder folder;
    folder.write("data.txt", "# header\nname=x\n\nvalue=2");
    EXPECT_EQ(readLines(folder.file("data.txt")), (std::vector<std::string>{"name=x", "value=2"}));
    EXPECT_TRUE(readLines(folder.file("missing.txt")).empty());
}

TEST(WriteFileAtomically, BackslashPathsNameFilesInsideTheSavesFolder)
{
    TempFolder folder;
    ScopedSavesFolder saves(folder.path());
    ASSERT_TRUE(writeFileAtomically(std::string("saves\\") + "/settings.cfg", "1024x768"));
    EXPECT_EQ(folder.read("settings.cfg"), "1024x768");
    EXPECT_FALSE(temporaryFileLeft(folder.path()));
    EXPECT_EQ(readLines(std::string("saves\\") + "/settings.cfg"), (std::vector<std::string>{"1024x768"}));
}

TEST(WriteFileAtomically, AnUnwritableFolderFailsAndLeavesTheOldFile)
{
    TempFolder folder;
    EXPECT_FALSE(writeFileAtomically(folder.file("no/such/folder/file.txt"), "x"));
}

namespace {

// What one copy of the game saves, again and again: its settings text, its
// statistics and a map, each different from the other copy's.
struct CopySaves
{
    explicit CopySaves(int copy) : copy(copy)
    {
        settings = std::string(200 + 300 * copy, static_cast<char>('a' + copy));
        map = MapFileData::empty(20 + 10 * copy, 20);
        std::string error;
        MapFileFormat::encode(map, mapBytes, error);
        stats = "# Tallowind statistics and achievements\nversion 1\nstat tallowind_stat_1000 " +
                std::to_string(copy) + "\n";
    }

    // The number of saves that reported a failure.
    int saveRepeatedly(const std::string& folder, int times) const
    {
        int failures = 0;
        StatsStore store;
        store.init();
        store.setStat("tallowind_stat_1000", copy);
        for (int i = 0; i < times; ++i)
        {
            std::string error;
            failures += writeFileAtomically(std::string("saves\\") + "/settings.cfg", settings) ? 0 : 1;
            failures += MapFileFormat::write(folder + "/zone.map", map, error) ? 0 : 1;
            failures += store.storeStats() ? 0 : 1;
        }
        return failures;
    }

    int copy;
    std::string settings;
    MapFileData map;
    std::string mapBytes;
    std::string stats;
};

}

// Two copies of the game saving into one folder at the same moment (which the
// folder's lock prevents for the game itself): every saver writes through its
// own temporary file, so no save fails and no file is ever seen empty or half
// written.
TEST(SavedFiles, TwoGamesSavingAtOnceNeverLeaveAFileEmptyOrHalfWritten)
{
    TempFolder folder;
    ScopedSavesFolder saves(folder.path());
    const CopySaves copies[] = {CopySaves(1), CopySaves(2)};
    pid_t children[2] = {};
    for (int i = 0; i < 2; ++i)
    {
        children[i] = fork();
        ASSERT_GE(children[i], 0);
        if (children[i] == 0)
            _exit(std::min(copies[i].saveRepeatedly(folder.path(), 300), 100));
    }

    std::vector<std::string> halfWritten;
    const auto check = [&](const std::string& name, const std::string& one, const std::string& other) {
        if (!folder.exists(name))
            return;
        const std::string bytes = folder.read(name);
        if (bytes != one && bytes != other)
            halfWritten.push_back(name + " (" + std::to_string(bytes.size()) + " bytes)");
    };
    int running = 2;
    int failures = 0;
    while (running > 0)
    {
        check("settings.cfg", copies[0].settings, copies[1].settings);
        check("zone.map", copies[0].mapBytes, copies[1].mapBytes);
        check("userstats.txt", copies[0].stats, copies[1].stats);
        for (pid_t& child : children)
        {
            int status = 0;
            if (child > 0 && waitpid(child, &status, WNOHANG) == child)
            {
                failures += WIFEXITED(status) ? WEXITSTATUS(status) : 100;
                child = 0;
                --running;
            }
        }
    }
    EXPECT_EQ(failures, 0) << "saves failed because the other copy was saving";
    EXPECT_TRUE(halfWritten.empty()) << halfWritten.size() << " reads found a file half written, first "
                                     << halfWritten.front();
}

namespace {

// The number of a process that has ended: what a copy of the game killed in a save leaves.
std::string endedProcess()
{
    const pid_t child = fork();
    if (child == 0)
        _exit(0);
    waitpid(child, nullptr, 0);
    return std::to_string(child);
}

}

// A copy of the game killed half way through its saves leaves temporaries beside the saved
// files and the maps; the clean-ups at start and at the editor's save take those, and never a
// file of the player's whose name merely has the same shape.
TEST(SavedFiles, TheCleanUpsTakeOnlyTheGamesOwnLeftovers)
{
    TempFolder saves;
    TempFolder maps;
    const std::string ended = endedProcess();
    const std::vector<std::string> savesLeftovers = {
        "gamestate.dat." + ended + ".0.tmp", "settings.cfg." + ended + ".3.tmp",
        "tallowind_hs.dat.corrupt2." + ended + ".1.tmp", "userstats.txt.corrupt." + ended + ".7.tmp"};
    const std::vector<std::string> mapLeftovers = {"tallowind_levelOne.map." + ended + ".0.tmp",
                                                   "tallowind_levelTwo.map.bak." + ended + ".2.tmp"};
    const std::vector<std::string> playersFiles = {"report." + ended + ".05.tmp", "mydata." + ended + ".7.tmp",
                                                   "x." + ended + ".1.tmp", "gamestate.dat.old." + ended + ".1.tmp"};
    for (const TempFolder* folder : {&saves, &maps})
    {
        for (const std::string& name : playersFiles)
            std::ofstream(folder->file(name)) << "the player's own";
    }
    for (const std::string& name : savesLeftovers)
        std::ofstream(saves.file(name)) << "half a save";
    for (const std::string& name : mapLeftovers)
        std::ofstream(maps.file(name)) << "half a map";

    SavedFile::removeLeftovers(saves.path());
    std::string error;
    ASSERT_TRUE(MapEditorBackup::saveOver(maps.file("tallowind_levelThree.map"), "a map", error)) << error;

    for (const std::string& name : savesLeftovers)
        EXPECT_FALSE(saves.exists(name)) << name << " was left in the saves folder";
    for (const std::string& name : mapLeftovers)
        EXPECT_FALSE(maps.exists(name)) << name << " was left beside the maps";
    for (const TempFolder* folder : {&saves, &maps})
    {
        for (const std::string& name : playersFiles)
            EXPECT_EQ(folder->read(name), "the player's own") << name << " was taken from " << folder->path();
    }
}
