// Path finding on a generated 200 x 200 city: the cost of one frame's full
// budget of node expansions, and expansions per second.
#include "world_city.h"
#include "actors/GameMob.h"
#include "world/PathRequest.h"
#include "world/Pather.h"
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>
#include <vector>

namespace {

class BenchMob : public GameMob
{
public:
    BenchMob() : GameMob(nullptr, false) {}
    void setPath(PathNode*) override { answer(); }
    void pathFailed() override { answer(); }
    void answer()
    {
        answered = true;
        ++answers;
    }
    static inline double answers = 0;
    bool answered = true;
};

struct PathCity
{
    PathCity()
    {
        worldbench::useSourceAssets();
        const std::string path = worldbench::writeCity(200, 7);
        worldbench::loadCity(path);
        std::filesystem::remove(path);
        Pather::destroyInstance();
        WorldMap* map = WorldMap::getInstance();
        for (int y = 0; y < map->height; ++y)
        {
            for (int x = 0; x < map->width; ++x)
            {
                if (worldbench::isStreet(x, y))
                    streets.emplace_back(static_cast<float>(x), static_cast<float>(y));
            }
        }
        for (int i = 0; i < 16; ++i)
            mobs.push_back(std::make_unique<BenchMob>());
    }

    // Keeps every mob's request queued: a request between two far street cells.
    void refill()
    {
        Pather* pather = Pather::getInstance();
        for (auto& mob : mobs)
        {
            if (!mob->answered)
                continue;
            mob->answered = false;
            if (!mob->pathRequest)
                mob->pathRequest = new PathRequest();
            PathRequest* request = mob->pathRequest;
            request->start = streets[random() % streets.size()];
            request->goal = streets[random() % streets.size()];
            request->mode = 2;
            request->requester = mob.get();
            pather->getQueue(2).push_back(request);
        }
    }

    std::mt19937 random{99};
    std::vector<cocos2d::Vec2> streets;
    std::vector<std::unique_ptr<BenchMob>> mobs;
};

PathCity& city()
{
    static PathCity instance;
    return instance;
}

void BM_PatherFrameBudget(benchmark::State& state)
{
    PathCity& c = city();
    Pather* pather = Pather::getInstance();
    double expansions = 0;
    for (auto _ : state)
    {
        state.PauseTiming();
        c.refill();
        state.ResumeTiming();
        pather->update();
        expansions += pather->getFrameExpansions();
    }
    state.counters["expansions/frame"] = benchmark::Counter(expansions / static_cast<double>(state.iterations()));
    state.counters["answers/frame"] = benchmark::Counter(BenchMob::answers / static_cast<double>(state.iterations()));
    BenchMob::answers = 0;
    state.counters["expansions/s"] = benchmark::Counter(expansions, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_PatherFrameBudget)->Unit(benchmark::kMicrosecond);

void BM_PatherFindPathNow(benchmark::State& state)
{
    PathCity& c = city();
    Pather* pather = Pather::getInstance();
    std::vector<cocos2d::Vec2> path;
    double cells = 0;
    for (auto _ : state)
    {
        path.clear();
        const cocos2d::Vec2 a = c.streets[c.random() % c.streets.size()];
        const cocos2d::Vec2 b = c.streets[c.random() % c.streets.size()];
        benchmark::DoNotOptimize(pather->findPathNow(a, b, 0, path));
        cells += static_cast<double>(path.size());
    }
    state.counters["path cells"] = benchmark::Counter(cells / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_PatherFindPathNow)->Unit(benchmark::kMicrosecond);

}  // namespace
