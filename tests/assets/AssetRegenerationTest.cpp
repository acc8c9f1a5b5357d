// The delivered assets are exactly what the tools make from their seeds:
// every tool runs into a temporary folder and each file it writes must be
// byte for byte the committed one.
#include "AssetFiles.h"
#include "support/ScratchFolder.h"
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/wait.h>

namespace fs = std::filesystem;
using namespace AssetFiles;

namespace
{
// Runs the tool into the folder; returns its exit status (-1 when missing).
int runTool(const std::string& tool, const std::string& folder)
{
    std::string exe = toolPath(tool);
    if (!fs::is_regular_file(exe))
        return -1;
    std::string cmd = "'" + exe + "' '" + folder + "' >/dev/null 2>&1";
    int status = std::system(cmd.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -2;
}

// Compares every file under the folder with the same name under assets/;
// returns how many were compared.
int compareWithAssets(const std::string& folder, bool skipMp3)
{
    int compared = 0;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
    {
        if (!entry.is_regular_file())
            continue;
        std::string rel = fs::relative(entry.path(), folder).string();
        if (skipMp3 && entry.path().extension() == ".mp3")
            continue;
        std::string delivered = assetsDir() + "/" + rel;
        EXPECT_TRUE(fs::is_regular_file(delivered)) << rel << " is made by the tools but not delivered";
        if (fs::is_regular_file(delivered))
        {
            EXPECT_TRUE(read(entry.path().string()) == read(delivered)) << rel << " differs from the tool's output";
        }
        ++compared;
    }
    return compared;
}

void checkTool(const std::string& tool, int minimumFiles)
{
    ScratchFolder tmp("tallowind_assets");
    ASSERT_FALSE(tmp.path().empty());
    int status = runTool(tool, tmp.path());
    ASSERT_NE(status, -1) << tool << " is not built at " << toolPath(tool);
    ASSERT_EQ(status, 0) << tool << " failed";
    EXPECT_GE(compareWithAssets(tmp.path(), false), minimumFiles);
}
}

TEST(AssetRegeneration, FontIsRemadeExactly)
{
    checkTool("fontgen", 2);
}

TEST(AssetRegeneration, ArtAndDataFilesAreRemadeExactly)
{
    checkTool("artgen", 500);
}

TEST(AssetRegeneration, CityMapsAreRemadeExactly)
{
    checkTool("citygen", 36);
}

TEST(AssetRegeneration, SoundsAreRemadeExactly)
{
    ScratchFolder tmp("tallowind_assets");
    ASSERT_FALSE(tmp.path().empty());
    int status = runTool("soundgen", tmp.path());
    ASSERT_NE(status, -1) << "soundgen is not built at " << toolPath("soundgen");
    // Status 3: everything but the .mp3 tracks, because lame is missing.
    ASSERT_TRUE(status == 0 || status == 3) << "soundgen failed with " << status;
    EXPECT_GE(compareWithAssets(tmp.path(), false), 80);
    if (status == 3)
        GTEST_SKIP() << "lame is not installed: the .mp3 tracks were not compared";
}

TEST(AssetRegeneration, NothingIsDeliveredThatNoToolMakes)
{
    ScratchFolder tmp("tallowind_assets");
    ASSERT_FALSE(tmp.path().empty());
    bool mp3Made = true;
    for (const char* tool : {"fontgen", "artgen", "soundgen", "citygen"})
    {
        int status = runTool(tool, tmp.path());
        ASSERT_NE(status, -1) << tool << " is not built at " << toolPath(tool);
        if (status == 3)
            mp3Made = false;
        else
            ASSERT_EQ(status, 0) << tool << " failed";
    }
    for (const auto& entry : fs::recursive_directory_iterator(assetsDir()))
    {
        if (!entry.is_regular_file())
            continue;
        std::string rel = fs::relative(entry.path(), assetsDir()).string();
        // The manifest and the name tables (made from npm packages) are kept by hand.
        if (rel == "README.md" || rel.rfind("names/", 0) == 0)
            continue;
        if (!mp3Made && entry.path().extension() == ".mp3")
            continue;
        EXPECT_TRUE(fs::is_regular_file(tmp.path() + "/" + rel)) << rel << " is delivered but no tool makes it";
    }
}
