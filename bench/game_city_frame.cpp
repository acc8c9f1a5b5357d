// One frame of a whole zone's simulation, headless, as the game runs it: the
// driver's per-frame update (input, the map and its projectiles, the path
// finder's frame budget, the player, the population spawner, every citizen,
// droid, robot and flyer, the police, the contracts, the HUD's refresh), timed
// once the city has filled and lived a while. Each zone is timed with its own
// population ("citizencount") and with 4 and 16 times as many citizens.
//
// Each zone and population runs in a child process of its own, because the
// game starts once per process. The runs write statistics into a temporary
// saves folder.
#include <benchmark/benchmark.h>

#include "GameBenchProcess.h"

#include "actors/GameMob.h"
#include "actors/MobManager.h"
#include "actors/PopulationSettings.h"
#include "actors/contracts/MissionManager.h"
#include "app/AppDelegate.h"
#include "app/DisplaySettings.h"
#include "app/GameInterface.h"
#include "app/GameState.h"
#include "app/ProgramEntry.h"
#include "app/RandomSeed.h"
#include "app/StatEngine.h"
#include "platform/StatsStore.h"
#include "ui/menus/TutorialEngine.h"
#include "world/GameData.h"
#include "world/Pather.h"
#include "world/WorldMap.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <regex>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

USING_NS_CC;

namespace {

constexpr float kFrame = 1.0f / 60.0f;
constexpr int kMultipliers[] = {1, 4, 16};
// The citizens spread out from their spawn markers and take up their errands.
constexpr int kSettleFrames = 600;
constexpr unsigned kSeed = 23;

const char* const kZoneNames[] = {"Downtown", "TheDocks", "Hilldale"};

std::string benchmarkName(int zone, int multiplier)
{
    return std::string("BM_CityFrame/") + kZoneNames[zone] + "/citizens_x" + std::to_string(multiplier);
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

void stepFrames(int frames)
{
    Director* director = Director::getInstance();
    for (int i = 0; i < frames; ++i)
        director->stepFrame(kFrame);
}

// A Normal run in the zone as the menu starts it, on a headless view, with
// the zone's citizen count multiplied and the city settled.
bool startRun(AppDelegate& app, int zone, int multiplier)
{
    RandomSeed::fix(kSeed);
    // No monitor to ask: one desktop mode, already confirmed (no resolution check).
    buildDisplayModeList({{1600, 900}});
    loadSettings();
    currentDisplayMode.verified = true;
    mainGLView = GLView::createHeadless("Tallowind", Size(1600, 900));
    StatsStore::getInstance()->init();
    StatEngine::getInstance();
    // The driver first, as the Game layer makes it: it points the file search
    // at the assets before the game data reads its sprite sheets.
    GameInterface* driver = GameInterface::getInstance();
    GameData::getInstance()->currentZone = zone;
    if (!app.applicationDidFinishLaunching())
        return false;
    stepFrames(1);  // the scene enters: the level loads
    driver->skipIntro();
    // A player who has turned the tutorials off: no pop-up stops the city.
    TutorialEngine::getInstance()->enabled = false;
    driver->mode = 0;
    driver->startRun();
    stepFrames(1);
    PopulationSettings* population = PopulationSettings::getInstance();
    population->citizenCount *= multiplier;
    stepFrames(kSettleFrames);
    return driver->state == GameState::Playing && GameData::getInstance()->currentZone == zone;
}

int countCitizens()
{
    int citizens = 0;
    for (const GameMob* mob : MobManager::getInstance()->groundMobs)
        citizens += mob->mobKind == MobCitizen ? 1 : 0;
    return citizens;
}

void cityFrame(benchmark::State& state, int zone, int multiplier)
{
    // The benchmark library calls this several times to size its runs; the
    // game starts at the first call and lives until the process ends.
    static AppDelegate app;
    static const bool started = startRun(app, zone, multiplier);
    if (!started)
    {
        state.SkipWithError("the run did not start in the zone");
        return;
    }
    GameInterface* driver = GameInterface::getInstance();
    double expansions = 0.0;
    for (auto _ : state)
    {
        driver->update(kFrame);
        state.PauseTiming();
        expansions += Pather::getInstance()->getFrameExpansions();
        // What the director does after each frame of its own.
        AutoreleasePool::getInstance()->clear();
        state.ResumeTiming();
    }
    MobManager* mobs = MobManager::getInstance();
    state.counters["citizen_target"] = PopulationSettings::getInstance()->citizenCount;
    state.counters["citizens"] = countCitizens();
    state.counters["ground_mobs"] = static_cast<double>(mobs->groundMobs.size());
    state.counters["flying_mobs"] = static_cast<double>(mobs->flyingMobs.size());
    state.counters["projectiles"] = static_cast<double>(WorldMap::getInstance()->projectiles.size());
    // How much of the path finder's frame budget the city used, on average.
    state.counters["path_expansions"] = benchmark::Counter(expansions, benchmark::Counter::kAvgIterations);
    size_t queued = 0;
    for (int queue = 0; queue < Pather::QueueCount; ++queue)
        queued += Pather::getInstance()->getQueue(queue).size();
    state.counters["path_queue"] = static_cast<double>(queued);
    state.counters["contracts"] = static_cast<double>(MissionManager::getInstance()->board().size());
}

bool runInChild(int zone, int multiplier)
{
    return runBenchmarkInChild([&] {
        benchmark::RegisterBenchmark(benchmarkName(zone, multiplier).c_str(), cityFrame, zone, multiplier)
            ->Unit(benchmark::kMicrosecond);
    });
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    const BenchSavesFolder saves;
    if (!saves.ready())
        return 1;

    bool allRan = true;
    for (int zone = 0; zone < static_cast<int>(std::size(kZoneNames)); ++zone)
        for (int multiplier : kMultipliers)
            if (filterKeeps(benchmarkName(zone, multiplier)))
                allRan = runInChild(zone, multiplier) && allRan;

    benchmark::Shutdown();
    return allRan ? 0 : 1;
}
