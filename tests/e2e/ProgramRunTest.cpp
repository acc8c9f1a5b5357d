// The game program itself, started as a player starts it (its own main, the
// engine's real-time run loop, a window on a private X server): it must come
// up, write its saves and keep running through the intro without falling over.
#include "SharedSavesFolder.h"

#include "support/XvfbServer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <thread>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Long enough for the logos and the character choice to come up.
constexpr auto kRunFor = std::chrono::seconds(10);
// A program that ignores SIGTERM never stops; one that obeys it may still take
// seconds to be torn down on a busy machine under the sanitizers (its whole
// address space goes), so the wait is generous.
constexpr auto kStopWithin = std::chrono::seconds(60);

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Every file of a folder with its bytes.
std::map<std::string, std::string> folderContents(const std::string& folder)
{
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        files[entry.path().filename().string()] = readFile(entry.path().string());
    return files;
}

// Waits for the process to end; false when it still runs after the time.
bool endsWithin(pid_t pid, std::chrono::seconds time, int& status)
{
    const auto until = std::chrono::steady_clock::now() + time;
    while (std::chrono::steady_clock::now() < until)
    {
        if (waitpid(pid, &status, WNOHANG) == pid)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

void stopProgram(pid_t pid)
{
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

// Starts the program with its output going to the log file; -1 when it cannot.
pid_t startProgram(const std::string& program, const std::string& saves, const std::string& log)
{
    const pid_t pid = fork();
    if (pid != 0)
        return pid;
    const int out = open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (out >= 0)
    {
        dup2(out, STDOUT_FILENO);
        dup2(out, STDERR_FILENO);
        close(out);
    }
    setenv("TALLOWIND_SAVES", saves.c_str(), 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    unsetenv("TALLOWIND_ASSETS");
    unsetenv("TALLOWIND_EDITOR");
    execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
    _exit(127);
}

// The built program, a fresh saves folder and a private X server of the smallest size.
class ProgramRun : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(std::filesystem::exists(program)) << program << " is not built";
        ASSERT_FALSE(saves.path().empty());
        ASSERT_TRUE(xvfb.start(1024, 768)) << xvfb.error();
    }

    const std::string program = std::string(TALLOWIND_BINARY_DIR) + "/tallowind";
    SharedSavesFolder saves;
    XvfbServer xvfb;
};

}

TEST_F(ProgramRun, TheGameProgramStartsInAWindowAndKeepsRunning)
{
    const std::string log = saves.path() + "/program.log";
    const pid_t pid = startProgram(program, saves.path(), log);
    ASSERT_GT(pid, 0);

    // It must still be running at the end; an early end (crash or not) is a fault.
    int status = 0;
    pid_t ended = 0;
    const auto until = std::chrono::steady_clock::now() + kRunFor;
    while (ended == 0 && std::chrono::steady_clock::now() < until)
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        ended = waitpid(pid, &status, WNOHANG);
    }
    bool stoppedOnRequest = true;
    if (ended == 0)
    {
        // Stopped from outside as a desktop session ends it; it must not hang on.
        kill(pid, SIGTERM);
        pid_t gone = 0;
        int stopStatus = 0;
        const auto limit = std::chrono::steady_clock::now() + kStopWithin;
        while (gone == 0 && std::chrono::steady_clock::now() < limit)
        {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            gone = waitpid(pid, &stopStatus, WNOHANG);
        }
        if (gone == 0)
        {
            stoppedOnRequest = false;
            kill(pid, SIGKILL);
            waitpid(pid, &stopStatus, 0);
        }
    }
    EXPECT_EQ(ended, 0) << "the program ended early ("
                        << (WIFSIGNALED(status) ? "signal " + std::to_string(WTERMSIG(status))
                                                : "exit " + std::to_string(WEXITSTATUS(status)))
                        << "); its output:\n"
                        << readFile(log);
    EXPECT_EQ(readFile(saves.path() + "/settings.cfg"), "1024x768\nwindowed\nverified")
        << "a first start opens windowed at the smallest mode and writes it";
    EXPECT_TRUE(std::filesystem::exists(saves.path() + "/gamestate.dat")) << "no saved game state";
    EXPECT_TRUE(stoppedOnRequest) << "the program did not stop on SIGTERM";
}

TEST_F(ProgramRun, ASecondCopyOnTheSameSavesFolderSaysSoInItsOwnWindowAndWritesNothing)
{
    // Beside the saves folder, whose every file is watched.
    const std::string logs = saves.path();
    const pid_t first = startProgram(program, saves.path(), logs + "-first.log");
    ASSERT_GT(first, 0);
    bool started = false;
    for (int i = 0; i < 1200 && !started; ++i)
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        started = saves.exists("gamestate.dat");
    }
    ASSERT_TRUE(started) << "the first copy never wrote its game state:\n" << readFile(logs + "-first.log");
    // Held still, the first copy writes nothing while the second one runs.
    kill(first, SIGSTOP);
    const std::map<std::string, std::string> before = folderContents(saves.path());

    // The message box program the second copy finds records what it is asked to show.
    const std::string tools = logs + "-tools";
    std::filesystem::create_directories(tools);
    const std::string dialog = tools + "/xmessage";
    std::ofstream(dialog) << "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$0.args\"\n";
    std::filesystem::permissions(dialog, std::filesystem::perms::owner_all);
    const std::string oldPath = std::getenv("PATH") ? std::getenv("PATH") : "";
    setenv("PATH", tools.c_str(), 1);
    const pid_t second = startProgram(program, saves.path(), logs + "-second.log");
    setenv("PATH", oldPath.c_str(), 1);
    ASSERT_GT(second, 0);
    int status = 0;
    const bool ended = endsWithin(second, std::chrono::seconds(60), status);
    if (!ended)
        stopProgram(second);
    kill(first, SIGCONT);
    stopProgram(first);

    EXPECT_TRUE(ended) << "the second copy kept running beside the first";
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << readFile(logs + "-second.log");
    EXPECT_NE(readFile(dialog + ".args").find("Tallowind is already running."), std::string::npos)
        << "no window told the player: " << readFile(logs + "-second.log");
    EXPECT_EQ(folderContents(saves.path()), before) << "the second copy wrote into the saves folder";
    std::error_code ec;
    for (const char* end : {"-first.log", "-second.log"})
        std::filesystem::remove(logs + end, ec);
    std::filesystem::remove_all(tools, ec);
}
