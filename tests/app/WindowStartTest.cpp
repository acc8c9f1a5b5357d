#include "app/AppDelegate.h"
#include "app/DisplaySettings.h"
#include "app/GameInterface.h"
#include "app/ProgramEntry.h"

#include "TempFolder.h"
#include "support/ScreenCapture.h"
#include "support/XvfbServer.h"

#include <gtest/gtest.h>

#include <GLFW/glfw3.h>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

// The real window under a private X server: the start-up opens it at the
// chosen size with the title "Tallowind" and runs frames through the game.

USING_NS_CC;

namespace {

// Ends the start's own process at once: what the engine keeps for the life of
// the process is left to the system, as the real program leaves it at its end.
[[noreturn]] void finish(const std::string& problem)
{
    if (!problem.empty())
        std::fprintf(stderr, "%s\n", problem.c_str());
    std::fflush(nullptr);
    _exit(problem.empty() ? 0 : 1);
}

// Returns the problem from the scenario, so that its X server is stopped
// (and the test's pipe released) before the process ends.
#define REQUIRE(condition, message)  \
    do                               \
    {                                \
        if (!(condition))            \
            return message;          \
    } while (0)

bool haveProgram(const char* name)
{
    const std::string command = std::string("command -v ") + name + " >/dev/null 2>&1";
    return std::system(command.c_str()) == 0;
}

// The window names the X server knows, as xwininfo lists them.
std::string windowList()
{
    std::string listing;
    if (FILE* pipe = popen("xwininfo -root -tree 2>/dev/null", "r"))
    {
        char buffer[512];
        while (fgets(buffer, sizeof buffer, pipe))
            listing += buffer;
        pclose(pipe);
    }
    return listing;
}

// The X server started by a start's own process must not hold that process's
// report pipe, or a crash would leave the test waiting on the server.
void keepDescriptorsFromChildren()
{
    for (int fd = 3; fd < 1024; ++fd)
    {
        const int flags = fcntl(fd, F_GETFD);
        if (flags != -1)
            fcntl(fd, F_SETFD, flags | FD_CLOEXEC);
    }
}

std::string openTheWindowAndRunFrames()
{
    keepDescriptorsFromChildren();
    XvfbServer server;
    if (!server.start(1920, 1080))
        return "no X server: " + server.error();
    TempFolder folder;
    setenv("TALLOWIND_SAVES", folder.path().c_str(), 1);
    setenv("TALLOWIND_ASSETS", (std::string(TALLOWIND_SOURCE_DIR) + "/assets").c_str(), 1);
    folder.write("settings.cfg", "1024x768\nwindowed\nverified");

    REQUIRE(glfwInit(), "the window library did not start");
    enumerateDisplayModes();
    REQUIRE(currentDisplayMode.width == 1024 && currentDisplayMode.height == 768, "settings not read");
    mainGLView = createMainView();
    REQUIRE(mainGLView && !mainGLView->isHeadless(), "no window was opened");
    REQUIRE(mainGLView->getViewName() == "Tallowind", "wrong title: " + mainGLView->getViewName());
    REQUIRE(mainGLView->getFrameSize().width == 1024.0f && mainGLView->getFrameSize().height == 768.0f,
            "the window is not 1024 x 768");

    AppDelegate app;
    REQUIRE(app.applicationDidFinishLaunching(), "the delegate refused to start");
    for (int frame = 0; frame < 10; ++frame)
        Director::getInstance()->stepFrame(1.0f / 60.0f);
    REQUIRE(GameInterface::getInstance()->state == GameState::Intro, "the game did not reach the intro");
    REQUIRE(Director::getInstance()->getVisibleSize().width == 512.0f, "the visible size is not half the window");
    if (haveProgram("xwininfo"))
        REQUIRE(windowList().find("\"Tallowind\"") != std::string::npos, "no window titled Tallowind");
    // The window library stays loaded: its drivers' memory is then known by
    // name to the leak checker's suppressions.
    mainGLView->end();
    return std::string();
}

// The automatic entry in a window on a screen of the given size: the window
// opens at the expected size, and the file keeps the automatic entry.
std::string openTheAutomaticWindow(int screenWidth, int screenHeight, float width, float height)
{
    keepDescriptorsFromChildren();
    XvfbServer server;
    if (!server.start(screenWidth, screenHeight))
        return "no X server: " + server.error();
    TempFolder folder;
    setenv("TALLOWIND_SAVES", folder.path().c_str(), 1);
    setenv("TALLOWIND_ASSETS", (std::string(TALLOWIND_SOURCE_DIR) + "/assets").c_str(), 1);
    folder.write("settings.cfg", "-1x-1\nwindowed\nverified");

    REQUIRE(glfwInit(), "the window library did not start");
    enumerateDisplayModes();
    REQUIRE(currentDisplayMode.isAutomatic(), "the automatic entry was not read");
    mainGLView = createMainView();
    REQUIRE(mainGLView && !mainGLView->isHeadless(), "no window was opened");
    const Size frame = mainGLView->getFrameSize();
    REQUIRE(frame.width == width && frame.height == height,
            "the window is " + std::to_string(static_cast<int>(frame.width)) + " x " +
                std::to_string(static_cast<int>(frame.height)));
    REQUIRE(folder.read("settings.cfg") == "-1x-1\nwindowed\nverified", "the file no longer names the automatic entry");
    mainGLView->end();
    return std::string();
}

// The resolution check drawn in the real window and captured to a PNG.
std::string drawTheResolutionCheck()
{
    keepDescriptorsFromChildren();
    XvfbServer server;
    if (!server.start(1920, 1080))
        return "no X server: " + server.error();
    TempFolder folder;
    setenv("TALLOWIND_SAVES", folder.path().c_str(), 1);
    setenv("TALLOWIND_ASSETS", (std::string(TALLOWIND_SOURCE_DIR) + "/assets").c_str(), 1);
    folder.write("settings.cfg", "1024x768\nwindowed");

    REQUIRE(glfwInit(), "the window library did not start");
    enumerateDisplayModes();
    mainGLView = createMainView();
    REQUIRE(mainGLView && !mainGLView->isHeadless(), "no window was opened");
    AppDelegate app;
    REQUIRE(app.applicationDidFinishLaunching(), "the delegate refused to start");
    Director* director = Director::getInstance();
    // The capture draws one more frame before the one it takes.
    for (int frame = 0; frame < 4; ++frame)
        director->stepFrame(1.0f / 60.0f);

    Image image;
    const ::testing::AssertionResult shot =
        captureWindow(folder.file("resolution-check.png"), "resolution-check.png", image);
    REQUIRE(shot, shot.message());
    // The text stands in the middle of a dark screen: bright pixels there, none in the corners.
    const int width = image.getWidth();
    const int height = image.getHeight();
    const unsigned char* data = image.getData();
    auto brightIn = [&](int x0, int y0, int x1, int y1) {
        int bright = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
            {
                const unsigned char* p = data + (static_cast<size_t>(y) * width + x) * 4;
                if (p[0] + p[1] + p[2] > 300)
                    ++bright;
            }
        return bright;
    };
    REQUIRE(brightIn(width / 4, height * 2 / 5, width * 3 / 4, height * 3 / 5) > 50, "no text in the middle");
    REQUIRE(brightIn(0, 0, width / 8, height / 8) == 0, "the corner is not dark");
    mainGLView->end();
    return std::string();
}

}

TEST(WindowStart, TheResolutionCheckIsDrawnInTheMiddleOfTheWindow)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(finish(drawTheResolutionCheck()), ::testing::ExitedWithCode(0), "");
}

TEST(WindowStart, TheWindowOpensAtTheChosenSizeAndRunsFrames)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(finish(openTheWindowAndRunFrames()), ::testing::ExitedWithCode(0), "");
}

TEST(WindowStart, TheAutomaticWindowIs1280x720WhereTheScreenHoldsItAndTheSmallestModeElsewhere)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(finish(openTheAutomaticWindow(1920, 1080, 1280.0f, 720.0f)), ::testing::ExitedWithCode(0), "");
    EXPECT_EXIT(finish(openTheAutomaticWindow(1024, 768, 1024.0f, 768.0f)), ::testing::ExitedWithCode(0), "");
}

TEST(WindowStart, TheProgramShowsAWindowTitledTallowind)
{
    if (!haveProgram("xwininfo"))
        GTEST_SKIP() << "xwininfo (x11-utils) is needed to read window titles";
    XvfbServer server;
    if (!server.start(1920, 1080))
        GTEST_SKIP() << server.error();
    TempFolder folder;

    const std::string program = std::string(TALLOWIND_BINARY_DIR) + "/tallowind";
    if (access(program.c_str(), X_OK) != 0)
        GTEST_SKIP() << program << " is not built";
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0)
    {
        setenv("TALLOWIND_SAVES", folder.path().c_str(), 1);
        setenv("TALLOWIND_ASSETS", (std::string(TALLOWIND_SOURCE_DIR) + "/assets").c_str(), 1);
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }

    bool found = false;
    for (int attempt = 0; attempt < 100 && !found; ++attempt)
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child)
            break;
        found = windowList().find("\"Tallowind\"") != std::string::npos;
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    EXPECT_TRUE(found) << "no window titled Tallowind appeared";
    EXPECT_EQ(folder.read("settings.cfg").rfind("\nwindowed\nverified"), folder.read("settings.cfg").size() - 18)
        << "a first start writes the smallest mode, windowed and verified";
}

TEST(WindowStart, WithoutADisplayTheProgramReportsACriticalErrorAndEnds)
{
    const std::string program = std::string(TALLOWIND_BINARY_DIR) + "/tallowind";
    if (access(program.c_str(), X_OK) != 0)
        GTEST_SKIP() << program << " is not built";
    TempFolder folder;
    const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY TALLOWIND_SAVES='" + folder.path() +
                                "' TALLOWIND_ASSETS='" + TALLOWIND_SOURCE_DIR + "/assets' '" + program + "' 2>&1";
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    char buffer[512];
    while (fgets(buffer, sizeof buffer, pipe))
        output += buffer;
    const int status = pclose(pipe);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_NE(output.find("Critical Error"), std::string::npos) << output;
    EXPECT_NE(output.find("ERROR: OpenGL initialisation failed. Exiting."), std::string::npos) << output;
    EXPECT_FALSE(folder.exists("settings.cfg")) << "the settings file is not touched";
}

TEST(WindowStart, AShortNameListIsACriticalErrorBeforeAnyWindowOpens)
{
    const std::string program = std::string(TALLOWIND_BINARY_DIR) + "/tallowind";
    if (access(program.c_str(), X_OK) != 0)
        GTEST_SKIP() << program << " is not built";
    TempFolder folder;
    const std::filesystem::path names = folder.dir() / "assets" / "names";
    std::filesystem::create_directories(names);
    const std::filesystem::path source = std::filesystem::path(TALLOWIND_SOURCE_DIR) / "assets" / "names";
    for (const char* file : {"female_first_names.txt", "last_names.txt"})
        std::filesystem::copy_file(source / file, names / file);
    folder.write("assets/names/male_first_names.txt", "Adam\nBen\n");
    const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY TALLOWIND_SAVES='" + folder.path() +
                                "' TALLOWIND_ASSETS='" + folder.path() + "/assets' '" + program + "' 2>&1";
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    char buffer[512];
    while (fgets(buffer, sizeof buffer, pipe))
        output += buffer;
    const int status = pclose(pipe);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_NE(output.find("Critical Error"), std::string::npos) << output;
    EXPECT_NE(output.find("male_first_names.txt:2: the name list ends after 2 names; it needs 1224"),
              std::string::npos)
        << output;
    EXPECT_EQ(output.find("OpenGL"), std::string::npos) << "the lists are checked before the window: " << output;
}
