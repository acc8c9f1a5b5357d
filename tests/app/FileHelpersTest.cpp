#include "app/FileHelpers.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

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
    EXPECT_FALSE(folder.exists("settings.cfg.tmp"));
    EXPECT_EQ(readLines(std::string("saves\\") + "/settings.cfg"), (std::vector<std::string>{"1024x768"}));
}

TEST(WriteFileAtomically, AnUnwritableFolderFailsAndLeavesTheOldFile)
{
    TempFolder folder;
    EXPECT_FALSE(writeFileAtomically(folder.file("no/such/folder/file.txt"), "x"));
}
