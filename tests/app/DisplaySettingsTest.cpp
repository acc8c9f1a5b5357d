#include "app/DisplaySettings.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

std::vector<std::pair<int, int>> sizesOf(const std::vector<DisplayMode>& modes)
{
    std::vector<std::pair<int, int>> sizes;
    for (const DisplayMode& mode : modes)
        sizes.emplace_back(mode.width, mode.height);
    return sizes;
}

class DisplaySettingsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        currentDisplayMode = DisplayMode();
        fullScreen = false;
        buildDisplayModeList({{1024, 768}, {1280, 1024}, {1920, 1080}});
    }

    DisplayMode loadFrom(const std::string& text)
    {
        folder.write("settings.cfg", text);
        loadSettings();
        return currentDisplayMode;
    }

    // Reading the text gives the first start's choice, written back.
    void expectDefaultsFrom(const std::string& text)
    {
        const DisplayMode read = loadFrom(text);
        EXPECT_EQ(read.width, 1024) << text;
        EXPECT_EQ(read.height, 768) << text;
        EXPECT_TRUE(read.verified) << text;
        EXPECT_FALSE(fullScreen) << text;
        EXPECT_EQ(folder.read("settings.cfg"), "1024x768\nwindowed\nverified") << text;
    }

    TempFolder folder;
    ScopedSavesFolder saves{folder.path()};
};

}

TEST(DisplayModeList, DropsSmallModesAndDuplicatesAndEndsWithTheAutomaticEntry)
{
    // 1280 x 720 is below the 768-pixel minimum height, so the rule drops it.
    buildDisplayModeList({{800, 600}, {1024, 768}, {1024, 768}, {1280, 720}, {1920, 1080}});
    EXPECT_EQ(sizesOf(displayModes), (std::vector<std::pair<int, int>>{{1024, 768}, {1920, 1080}, {-1, -1}}));
    for (size_t i = 0; i < displayModes.size(); ++i)
    {
        EXPECT_EQ(displayModes[i].index, static_cast<int>(i));
        EXPECT_FALSE(displayModes[i].verified);
    }
}

TEST(DisplayModeList, OrdersByAreaButPutsAModeInFrontOfAnyTallerEntry)
{
    buildDisplayModeList({{1920, 1080}, {1280, 1024}, {1600, 900}, {1024, 768}, {2560, 1440}});
    // 1600 x 900 is larger than 1280 x 1024 but goes before it: that entry is taller.
    EXPECT_EQ(sizesOf(displayModes), (std::vector<std::pair<int, int>>{
                                         {1024, 768}, {1600, 900}, {1280, 1024}, {1920, 1080}, {2560, 1440}, {-1, -1}}));
}

TEST(DisplayModeList, WithNoUsableModeOnlyTheAutomaticEntryRemains)
{
    buildDisplayModeList({{640, 480}});
    EXPECT_EQ(sizesOf(displayModes), (std::vector<std::pair<int, int>>{{-1, -1}}));
}

TEST_F(DisplaySettingsTest, RoundTripOfEveryChoice)
{
    saveSettings(displayModes[2], true, true);
    EXPECT_EQ(folder.read("settings.cfg"), "1920x1080\nfullscreen\nverified");
    const DisplayMode read = loadFrom(folder.read("settings.cfg"));
    EXPECT_EQ(read.width, 1920);
    EXPECT_EQ(read.height, 1080);
    EXPECT_EQ(read.index, 2);
    EXPECT_TRUE(read.verified);
    EXPECT_TRUE(fullScreen);

    saveSettings(displayModes.back(), false, true);
    EXPECT_EQ(folder.read("settings.cfg"), "-1x-1\nwindowed\nverified");
    loadSettings();
    EXPECT_TRUE(currentDisplayMode.isAutomatic());
    EXPECT_EQ(currentDisplayMode.index, 3);
    EXPECT_FALSE(fullScreen);

    saveSettings(displayModes[0], false, false);
    EXPECT_EQ(folder.read("settings.cfg"), "1024x768\nwindowed");
    loadSettings();
    EXPECT_FALSE(currentDisplayMode.verified);
}

TEST_F(DisplaySettingsTest, MissingFileGivesTheSmallestModeWindowedAndVerifiedAndWritesIt)
{
    loadSettings();
    EXPECT_EQ(currentDisplayMode.width, 1024);
    EXPECT_EQ(currentDisplayMode.height, 768);
    EXPECT_EQ(currentDisplayMode.index, 0);
    EXPECT_TRUE(currentDisplayMode.verified);
    EXPECT_FALSE(fullScreen);
    EXPECT_EQ(folder.read("settings.cfg"), "1024x768\nwindowed\nverified");
}

TEST_F(DisplaySettingsTest, MalformedFilesGiveTheDefaults)
{
    for (const std::string text : {"", "\n\n", "garbage\nfullscreen\nverified", "axb\nfullscreen", "0x0\nfullscreen\nverified",
                                   "x\nfullscreen", "1280x\nfullscreen", "x720\nfullscreen", "-5x100\nfullscreen",
                                   "1280x-1\nfullscreen", "1280\nfullscreen"})
    {
        fullScreen = true;
        currentDisplayMode = DisplayMode{3, 999, 999, false};
        expectDefaultsFrom(text);
    }
}

TEST_F(DisplaySettingsTest, CarriageReturnsAndSpellingOfTheFlags)
{
    DisplayMode read = loadFrom("1920x1080\r\nfullscreen\r\nverified");
    EXPECT_EQ(read.width, 1920);
    EXPECT_EQ(read.height, 1080);
    EXPECT_TRUE(fullScreen);
    EXPECT_TRUE(read.verified);

    loadFrom("1920x1080\nFullscreen\nverified");
    EXPECT_FALSE(fullScreen);

    read = loadFrom("1280x1024\nwindowed\n \nverified\n");
    EXPECT_TRUE(read.verified);
    read = loadFrom("1280x1024\nwindowed\nnope\nverified");
    EXPECT_TRUE(read.verified);

    read = loadFrom("1280x1024\nwindowed\nverified\r\n");
    EXPECT_FALSE(read.verified);

    read = loadFrom("1280x1024");
    EXPECT_FALSE(fullScreen);
    EXPECT_FALSE(read.verified);
}

TEST_F(DisplaySettingsTest, AnUnlistedResolutionIsKeptWithoutAnIndex)
{
    const DisplayMode read = loadFrom("1366x768\nwindowed\nverified");
    EXPECT_EQ(read.width, 1366);
    EXPECT_EQ(read.height, 768);
    EXPECT_EQ(read.index, -1);
}

TEST_F(DisplaySettingsTest, ApplyDisplayOptionStoresTheLabel)
{
    applyDisplayOption(true, false, "1280x1024");
    EXPECT_EQ(folder.read("settings.cfg"), "1280x1024\nfullscreen");
    EXPECT_EQ(currentDisplayMode.width, 1280);
    EXPECT_TRUE(fullScreen);

    applyDisplayOption(false, false, "nonsense");
    EXPECT_EQ(folder.read("settings.cfg"), "1280x1024\nfullscreen");
}

TEST_F(DisplaySettingsTest, ASizeTheDisplayCannotShowGivesTheDefaultsWrittenBack)
{
    // The largest listed mode is 1920 x 1080.
    for (const std::string text : {"100000x100000\nwindowed\nverified", "40000x30000\nfullscreen\nverified",
                                   "1920x1200\nwindowed\nverified", "2560x1080\nfullscreen"})
        expectDefaultsFrom(text);
    // A size within the display's largest mode is still the player's choice.
    const DisplayMode read = loadFrom("1600x1000\nwindowed\nverified");
    EXPECT_EQ(read.width, 1600);
    EXPECT_EQ(read.height, 1000);
}

TEST_F(DisplaySettingsTest, ASizeTooSmallForTheGamesScreensGivesTheDefaultsWrittenBack)
{
    for (const std::string text : {"1x1\nwindowed\nverified", "800x600\nfullscreen\nverified",
                                   "1920x700\nwindowed\nverified", "1000x1080\nwindowed"})
        expectDefaultsFrom(text);
    // The automatic entry's window, 1280 x 720, is as short as the screens allow.
    const DisplayMode read = loadFrom("1024x720\nwindowed\nverified");
    EXPECT_EQ(read.width, 1024);
    EXPECT_EQ(read.height, 720);
}

TEST_F(DisplaySettingsTest, AFirstLineThatIsNoSizeIsToldNamingWhatItHeld)
{
    const std::pair<std::string, std::string> damaged[] = {
        {"abc\nwindowed\nverified", "the screen size 'abc' is not a size"},
        {"abc\r\nfullscreen\r\nverified", "the screen size 'abc' is not a size"},
        {"\nwindowed\nverified", "the screen size line is empty"},
        {"", "the screen size line is empty"}};
    for (const auto& [text, told] : damaged)
    {
        testing::internal::CaptureStderr();
        expectDefaultsFrom(text);
        const std::string errors = testing::internal::GetCapturedStderr();
        EXPECT_NE(errors.find("settings.cfg:1: " + told), std::string::npos) << errors;
    }

    // A first start has no file yet: nothing is wrong, and nothing is said.
    std::filesystem::remove(folder.file("settings.cfg"));
    testing::internal::CaptureStderr();
    loadSettings();
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(folder.read("settings.cfg"), "1024x768\nwindowed\nverified");
}
