#include "cocos2d.h"
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include "support/ScratchFolder.h"

USING_NS_CC;

namespace fs = std::filesystem;

class FileUtilsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        fs::create_directories(root + "/assets/sub");
        std::ofstream(root + "/assets/sub/a.bin", std::ios::binary).write("\x00\x01\xff\n", 4);
        std::ofstream(root + "/top.txt") << "top";
        std::ofstream(root + "/assets/top.txt") << "assets";
        fu = FileUtils::getInstance();
        savedPaths = fu->getSearchPaths();
        savedRoot = fu->getDefaultResourceRootPath();
        fu->setDefaultResourceRootPath(root);
        fu->setSearchPaths({});
    }
    void TearDown() override
    {
        fu->setDefaultResourceRootPath(savedRoot);
        fu->setSearchPaths(savedPaths);
    }

    ScratchFolder scratch{"tw_fileutils"};
    const std::string root = scratch.path();
    FileUtils* fu = nullptr;
    std::vector<std::string> savedPaths;
    std::string savedRoot;
};

TEST_F(FileUtilsTest, SearchPathsAreTriedInOrderAndBackslashesRead)
{
    EXPECT_EQ(fu->getStringFromFile("top.txt"), "top");
    fu->addSearchPath("assets\\", true);
    EXPECT_EQ(fu->getStringFromFile("top.txt"), "assets");
    EXPECT_EQ(fu->fullPathForFilename("sub\\a.bin"), root + "/assets/sub/a.bin");
    EXPECT_TRUE(fu->isFileExist("sub/a.bin"));
    EXPECT_FALSE(fu->isFileExist("sub/missing.bin"));
    EXPECT_EQ(fu->fullPathForFilename("missing.png"), "");
}

TEST_F(FileUtilsTest, BinaryDataIsReadWhole)
{
    fu->addSearchPath("assets");
    Data d = fu->getDataFromFile("sub/a.bin");
    ASSERT_EQ(d.getSize(), 4u);
    EXPECT_EQ(d.getBytes()[0], 0x00);
    EXPECT_EQ(d.getBytes()[2], 0xff);
    ssize_t size = 0;
    unsigned char* raw = fu->getFileData("sub/a.bin", "rb", &size);
    ASSERT_NE(raw, nullptr);
    EXPECT_EQ(size, 4);
    std::free(raw);
    EXPECT_EQ(fu->getFileData("nothing", "rb", &size), nullptr);
    EXPECT_EQ(size, 0);
    EXPECT_TRUE(fu->getDataFromFile("nothing").isNull());
}

TEST_F(FileUtilsTest, AbsolutePathsAreUsedAsTheyAre)
{
    EXPECT_EQ(fu->fullPathForFilename(root + "/top.txt"), root + "/top.txt");
    EXPECT_EQ(fu->fullPathForFilename(root + "/nope.txt"), "");
}
