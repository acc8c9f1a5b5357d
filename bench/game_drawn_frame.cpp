// One drawn frame of Downtown in a real window, as a player sees it in a run:
// the city's tiles, buildings and objects, the rain and the HUD, with the
// camera on the centre of the city. Timed is Director::drawScene (visiting
// the scene, batching, the GL calls and the buffer swap) under Mesa's
// software GL; between two timed frames the game advances one frame of its
// own, untimed, so the rain falls and the panels live.
//
// Each window size runs in a child process of its own, because the game
// starts once per process. Without DISPLAY the program starts its own Xvfb
// with a screen large enough for the biggest window.
#include <benchmark/benchmark.h>

#include "GameBenchProcess.h"

#include "app/AppDelegate.h"
#include "app/DisplaySettings.h"
#include "app/GameCamera.h"
#include "app/GameInterface.h"
#include "app/ProgramEntry.h"
#include "app/StatEngine.h"
#include "platform/StatsStore.h"
#include "ui/menus/TutorialEngine.h"
#include "support/XvfbServer.h"
#include "world/GameData.h"
#include "world/WorldMap.h"

#include <GLFW/glfw3.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <regex>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

USING_NS_CC;

namespace {

struct WindowSize
{
    int width;
    int height;
};

constexpr WindowSize kSizes[] = {{1024, 768}, {1920, 1080}};
constexpr float kFrame = 1.0f / 60.0f;
// Long enough for the HUD panels to slide in and the intro's fades to end.
constexpr int kSettleFrames = 180;
constexpr int kDowntown = 0;

std::string benchmarkName(const WindowSize& size)
{
    return "BM_DrawnFrame/Downtown/" + std::to_string(size.width) + "x" + std::to_string(size.height);
}

// Whether --benchmark_filter keeps the name (a leading '-' keeps what does not match).
bool filterKeeps(const std::string& name)
{
    std::string filter = benchmark::GetBenchmarkFilter();
    if (filter.empty() || filter == "all")
        return true;
    const bool negated = filter[0] == '-';
    if (negated)
        filter.erase(0, 1);
    return std::regex_search(name, std::regex(filter)) != negated;
}

void startStatistics()
{
    StatsStore* store = StatsStore::getInstance();
    store->init();
    StatEngine::getInstance();
}

// The program entry's window at the given size, an already confirmed
// resolution (so no check screen). False, with a reason on stderr, when it fails.
bool openWindow(const WindowSize& size)
{
    if (!nameTablesReady() || !glfwInit())
    {
        std::fprintf(stderr, "the game cannot start: no name lists or no GLFW\n");
        return false;
    }
    enumerateDisplayModes();
    fullScreen = false;
    currentDisplayMode.width = size.width;
    currentDisplayMode.height = size.height;
    currentDisplayMode.verified = true;
    mainGLView = createMainView();
    if (!mainGLView || !glContextReady())
    {
        std::fprintf(stderr, "no window with a GL context could be opened at %dx%d\n", size.width, size.height);
        return false;
    }
    return true;
}

// A Normal run in Downtown as the menu starts it, with the camera on the
// centre of the city once the HUD has slid in.
bool startRunInDowntown(AppDelegate& app)
{
    startStatistics();
    // The driver first, as the Game layer makes it: it points the file search
    // at the assets before the game data reads its sprite sheets.
    GameInterface* driver = GameInterface::getInstance();
    GameData::getInstance()->currentZone = kDowntown;
    if (!app.applicationDidFinishLaunching())
        return false;
    Director* director = Director::getInstance();
    director->stepFrame(kFrame); // the scene enters: the level loads

    driver->skipIntro();
    // A player who has turned the tutorials off: no pop-up covers the city.
    TutorialEngine::getInstance()->enabled = false;
    driver->mode = 0;
    driver->startRun();
    for (int i = 0; i < kSettleFrames; ++i)
        director->stepFrame(kFrame);

    GameCamera* camera = GameCamera::getInstance();
    camera->setTarget(nullptr);
    const WorldMap* map = WorldMap::getInstance();
    camera->position = WorldMap::gridToPixel(map->mapCentre.x, map->mapCentre.y);
    director->stepFrame(kFrame);
    return driver->state == GameState::Playing;
}

void drawnFrame(benchmark::State& state, WindowSize size)
{
    // The benchmark library calls this several times to size its runs; the
    // game starts at the first call and lives until the process ends.
    static AppDelegate app;
    static const bool started = openWindow(size) && startRunInDowntown(app);
    if (!started)
    {
        state.SkipWithError("the game did not start in a window");
        return;
    }
    Director* director = Director::getInstance();
    for (auto _ : state)
    {
        state.PauseTiming();
        director->getScheduler()->update(kFrame);
        AutoreleasePool::getInstance()->clear();
        state.ResumeTiming();
        director->drawScene();
    }
    const Renderer* renderer = director->getRenderer();
    state.counters["draw_calls"] = static_cast<double>(renderer->getDrawnBatches());
    state.counters["quads"] = static_cast<double>(renderer->getDrawnQuads());
    const char* threads = std::getenv("LP_NUM_THREADS");
    state.SetLabel(std::string("LP_NUM_THREADS=") + (threads ? threads : "default"));
}

// Runs one window size's benchmark in a child process; true when it ran.
bool runInChild(const WindowSize& size)
{
    return runBenchmarkInChild([&] {
        benchmark::RegisterBenchmark(benchmarkName(size).c_str(), drawnFrame, size)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    });
}

// The tests' server draws with one renderer thread, for the same pixels on
// every machine; a player's software GL uses every core, and so does the
// benchmark unless LP_NUM_THREADS says otherwise.
bool startServer(XvfbServer& xvfb)
{
    const bool threadsChosen = std::getenv("LP_NUM_THREADS") != nullptr;
    if (!xvfb.start(kSizes[1].width, kSizes[1].height))
        return false;
    if (!threadsChosen)
        unsetenv("LP_NUM_THREADS");
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;

    XvfbServer xvfb;
    const char* display = std::getenv("DISPLAY");
    if ((!display || !*display) && !startServer(xvfb))
    {
        std::fprintf(stderr, "no DISPLAY and no Xvfb: %s\n", xvfb.error().c_str());
        return 1;
    }
    const BenchSavesFolder saves;
    if (!saves.ready())
        return 1;

    bool allRan = true;
    for (const WindowSize& size : kSizes)
        if (filterKeeps(benchmarkName(size)))
            allRan = runInChild(size) && allRan;

    benchmark::Shutdown();
    return allRan ? 0 : 1;
}
