#include "PlatformTestSupport.h"
#include "platform/GamePaths.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

// A private installation: <root>/assets and <root>/saves, with the working folder elsewhere.
class GamePathsTest : public ::testing::Test
{
protected:
    GamePathsTest()
        : assets((root.dir() / "assets").string()), saves((root.dir() / "saves").string()),
          assetsEnv("TALLOWIND_ASSETS", assets.c_str()), savesEnv("TALLOWIND_SAVES", saves.c_str()),
          cwd(elsewhere.dir())
    {
        fs::create_directories(root.dir() / "assets" / "sfx");
    }

    ScratchFolder root{"tw_platform"};
    ScratchFolder elsewhere{"tw_platform"};
    std::string assets;
    std::string saves;
    ScopedEnv assetsEnv;
    ScopedEnv savesEnv;
    ScopedWorkingFolder cwd;
};

} // namespace

TEST_F(GamePathsTest, FoldersComeFromTheEnvironmentAndEndWithASlash)
{
    EXPECT_EQ(GamePaths::assetsDir(), assets + "/");
    EXPECT_EQ(GamePaths::savesDir(), saves + "/");
}

TEST_F(GamePathsTest, GamePathsWithBackslashesResolveToTheRealFolders)
{
    EXPECT_EQ(GamePaths::resolve("assets\\tallowind_levelOne.map"), assets + "/tallowind_levelOne.map");
    EXPECT_EQ(GamePaths::resolve("saves\\/settings.cfg"), saves + "/settings.cfg");
    EXPECT_EQ(GamePaths::resolve("saves\\gamestate.dat"), saves + "/gamestate.dat");
    EXPECT_EQ(GamePaths::resolve("sfx/rain_loop.wav"), assets + "/sfx/rain_loop.wav");
    EXPECT_EQ(GamePaths::resolve("sfx\\sub\\x.wav"), assets + "/sfx/sub/x.wav");
    EXPECT_EQ(GamePaths::resolve("/abs\\olute//x"), "/abs/olute/x");
    // A folder that only starts with the word is not the assets folder.
    EXPECT_EQ(GamePaths::resolve("assetsOld/x"), assets + "/assetsOld/x");
}

TEST_F(GamePathsTest, RelativeEnvironmentFoldersAreTakenFromTheWorkingFolder)
{
    ScopedEnv rel("TALLOWIND_ASSETS", "mine\\assets");
    EXPECT_EQ(GamePaths::assetsDir(), (elsewhere.dir() / "mine/assets").string() + "/");
}

TEST_F(GamePathsTest, SavesFolderIsCreatedOnDemand)
{
    ScopedEnv deeper("TALLOWIND_SAVES", (saves + "/deeper").c_str());
    EXPECT_FALSE(fs::exists(saves));
    EXPECT_EQ(GamePaths::ensureSavesDir(), saves + "/deeper/");
    EXPECT_TRUE(fs::is_directory(saves + "/deeper"));
    EXPECT_TRUE(GamePaths::folderExists("saves\\"));
}

TEST_F(GamePathsTest, WithoutSavesVariableTheSavesFolderSitsBesideTheAssets)
{
    ScopedEnv noSaves("TALLOWIND_SAVES", nullptr);
    EXPECT_EQ(GamePaths::savesDir(), (root.dir() / "saves").string() + "/");
}

TEST_F(GamePathsTest, FileTestsAndDeletion)
{
    writeTextFile(root.dir() / "assets" / "sfx" / "a.wav", "x");
    EXPECT_TRUE(GamePaths::fileExists("assets\\sfx\\a.wav"));
    EXPECT_TRUE(GamePaths::fileExists("sfx/a.wav"));
    EXPECT_FALSE(GamePaths::fileExists("sfx/b.wav"));
    EXPECT_FALSE(GamePaths::fileExists("sfx")); // a folder is not a file
    EXPECT_FALSE(GamePaths::deleteFile("sfx"));
    EXPECT_TRUE(fs::is_directory(root.dir() / "assets" / "sfx"));

    EXPECT_TRUE(GamePaths::deleteFile("assets\\sfx\\a.wav"));
    EXPECT_FALSE(GamePaths::fileExists("sfx/a.wav"));
    EXPECT_FALSE(GamePaths::deleteFile("sfx/a.wav"));
}

TEST(GamePathsInstalled, AssetsAreFoundFromAnyBuildAndWorkingFolder)
{
    // Inside the source tree the program finds the assets above it; from a build folder
    // anywhere else it falls back to the checkout it was built from. Either way: the checkout's.
    const fs::path source = fs::path(TALLOWIND_SOURCE_DIR).lexically_normal();

    ScratchFolder elsewhere{"tw_platform"};
    ScopedEnv noAssets("TALLOWIND_ASSETS", nullptr);
    ScopedEnv noSaves("TALLOWIND_SAVES", nullptr);
    ScopedWorkingFolder cwd(elsewhere.dir());
    EXPECT_EQ(GamePaths::assetsDir(), (source / "assets").generic_string() + "/");
    EXPECT_EQ(GamePaths::savesDir(), (source / "saves").generic_string() + "/");
}
