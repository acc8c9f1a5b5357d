#include "platform/DisplayModes.h"
#include "support/XvfbServer.h"

#include <GLFW/glfw3.h>
#include <algorithm>
#include <gtest/gtest.h>

TEST(DisplayModes, NothingWithoutTheWindowLibrary)
{
    EXPECT_TRUE(DisplayModes::primaryMonitorModes().empty());
    DisplayModeRecord mode;
    EXPECT_FALSE(DisplayModes::desktopMode(mode));
}

TEST(DisplayModes, PrimaryMonitorModesIncludeTheDesktopMode)
{
    XvfbServer x;
    ASSERT_TRUE(x.start(1280, 1024)) << x.error();
    ASSERT_EQ(glfwInit(), GLFW_TRUE);

    DisplayModeRecord desktop;
    ASSERT_TRUE(DisplayModes::desktopMode(desktop));
    EXPECT_EQ(desktop.width, 1280);
    EXPECT_EQ(desktop.height, 1024);

    std::vector<DisplayModeRecord> modes = DisplayModes::primaryMonitorModes();
    ASSERT_FALSE(modes.empty());
    EXPECT_TRUE(std::any_of(modes.begin(), modes.end(), [](const DisplayModeRecord& m) {
        return m.width == 1280 && m.height == 1024;
    }));
    glfwTerminate();
}
