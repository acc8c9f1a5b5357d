#pragma once
// The game starts only once per process, so the benchmarks that run the
// whole game measure each case in a child process of its own.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

// Registers the case (in the child only) and runs it there; true when the
// child ran to the end.
template <typename Register>
bool runBenchmarkInChild(Register registerCase)
{
    std::fflush(stdout);
    const pid_t child = fork();
    if (child < 0)
        return false;
    if (child == 0)
    {
        registerCase();
        benchmark::RunSpecifiedBenchmarks();
        std::fflush(stdout);
        std::fflush(stderr);
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// A saves folder of the benchmark's own, for as long as the object lives: a
// run writes statistics and settings. Sound goes to the silent driver.
class BenchSavesFolder
{
public:
    BenchSavesFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "tallowind-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()))
            path = pattern;
        if (path.empty())
            std::fprintf(stderr, "no temporary saves folder could be made\n");
        else
            setenv("TALLOWIND_SAVES", path.c_str(), 1);
        setenv("SDL_AUDIODRIVER", "dummy", 0);
    }
    ~BenchSavesFolder()
    {
        std::error_code ec;
        if (!path.empty())
            std::filesystem::remove_all(path, ec);
    }
    BenchSavesFolder(const BenchSavesFolder&) = delete;
    BenchSavesFolder& operator=(const BenchSavesFolder&) = delete;

    bool ready() const { return !path.empty(); }

private:
    std::string path;
};
