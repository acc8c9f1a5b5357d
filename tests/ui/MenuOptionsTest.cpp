// The options page: the display settings go to the settings file, the
// tutorial and movement options to the saved game state, and both read back.
#include "MenuFixture.h"

#include "app/ControllerKeys.h"
#include "app/DisplaySettings.h"
#include "support/FileSizeLimit.h"

class MenuOptionsTest : public MenuFixture
{
protected:
    void SetUp() override
    {
        MenuFixture::SetUp();
        buildDisplayModeList({{1280, 1024}, {1920, 1080}});
        currentDisplayMode = displayModes[0];
        fullScreen = false;
        menus->buildMainMenu();
        // Options, the fourth root entry; the page opens on the resolution.
        for (int i = 0; i < 3; ++i)
            key(Key::Down);
        key(Key::Enter);
    }

    std::string settingsFile() const { return folder.read("settings.cfg"); }
    std::string label(int id) const
    {
        for (const MenuEntry& entry : driver->menu->entries)
            if (entry.id == id)
                return entry.label;
        return "";
    }
};

TEST_F(MenuOptionsTest, DisplayChangesAreWrittenWithAWarningAndReadBack)
{
    UIMenu* menu = driver->menu;
    ASSERT_EQ(menu->entries[menu->selection].id, MenuEngine::kResolutionOption);
    EXPECT_EQ(label(MenuEngine::kResolutionOption), "Res: 1280x1024");
    EXPECT_EQ(label(MenuEngine::kFullScreenOption), "`7( ) Fullscreen");

    key(Key::E);
    EXPECT_EQ(settingsFile(), "1920x1080\nwindowed") << "written unconfirmed, so the next start checks it";
    EXPECT_EQ(label(MenuEngine::kResolutionOption), "Res: 1920x1080");
    ASSERT_NE(menu->messageNode, nullptr);
    EXPECT_EQ(menu->messageString, MenuEngine::kRestartWarning);
    key(Key::E);
    EXPECT_EQ(label(MenuEngine::kResolutionOption), "Res: Auto") << "the automatic entry closes the list";
    EXPECT_EQ(settingsFile(), "-1x-1\nwindowed");

    // Full screen twice writes twice; the warning stays until the next key.
    key(Key::Down);
    EXPECT_EQ(menu->messageNode, nullptr) << "a move takes the warning away";
    key(Key::E);
    EXPECT_EQ(settingsFile(), "-1x-1\nfullscreen");
    EXPECT_EQ(label(MenuEngine::kFullScreenOption), "`7(`%x`7) Fullscreen");
    EXPECT_NE(menu->messageNode, nullptr);

    // The stored choice now has no place in the list: Res starts it again.
    key(Key::Up);
    key(Key::E);
    EXPECT_EQ(settingsFile(), "1280x1024\nfullscreen");

    currentDisplayMode = DisplayMode{};
    fullScreen = false;
    loadSettings();
    EXPECT_TRUE(fullScreen);
    EXPECT_EQ(currentDisplayMode.width, 1280);
    EXPECT_EQ(currentDisplayMode.index, 0);
    EXPECT_FALSE(currentDisplayMode.verified);
}

TEST_F(MenuOptionsTest, TutorialAndMovementOptionsAreSavedWithTheGameState)
{
    key(Key::Down);
    key(Key::Down);
    ASSERT_EQ(driver->menu->entries[driver->menu->selection].id, MenuEngine::kTutorialsOption);
    EXPECT_EQ(label(MenuEngine::kTutorialsOption), "`7( ) Disable Tutorials");
    key(Key::E);
    EXPECT_FALSE(tutorials->enabled);
    EXPECT_EQ(label(MenuEngine::kTutorialsOption), "`7(`%x`7) Disable Tutorials");
    key(Key::Down);
    key(Key::E);
    EXPECT_TRUE(driver->alternateMovement);
    EXPECT_EQ(tutorials->entries[0]->image, "Tutorial_01a.png");
    EXPECT_EQ(label(MenuEngine::kAlternateMovementOption), "`7(`%x`7) Alternate Movement");
    EXPECT_TRUE(folder.exists("gamestate.dat"));

    // A later start reads both back.
    tutorials->enabled = true;
    driver->alternateMovement = false;
    tutorials->setAlternateImages(false);
    StatEngine::getInstance()->loadGameState();
    EXPECT_FALSE(tutorials->enabled);
    EXPECT_TRUE(driver->alternateMovement);
    EXPECT_EQ(tutorials->entries[0]->image, "Tutorial_01a.png");
    menus->buildMainMenu();
    EXPECT_EQ(label(MenuEngine::kTutorialsOption), "`7(`%x`7) Disable Tutorials");
}

TEST_F(MenuOptionsTest, AChangeTheDiskHasNoRoomForIsNotCalledASuccess)
{
    ASSERT_TRUE(saveSettings(displayModes[0], false, true));
    const std::string before = settingsFile();
    {
        // Not a byte of room left on the disk.
        FileSizeLimit full(0);
        key(Key::E);
    }
    EXPECT_EQ(settingsFile(), before) << "the old settings stay whole";
    UIMenu* menu = driver->menu;
    ASSERT_NE(menu->messageNode, nullptr);
    EXPECT_NE(menu->messageString, MenuEngine::kRestartWarning) << "a restart would bring back the old choice";
    EXPECT_NE(menu->messageString.find("NOT SAVED: settings.cfg"), std::string::npos) << menu->messageString;
}
