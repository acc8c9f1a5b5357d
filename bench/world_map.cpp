// Loading and building a generated 200 x 200 city headless, and a batch of
// sight-line queries on it.
#include "world_city.h"
#include "app/Geometry.h"
#include <benchmark/benchmark.h>
#include <random>

namespace {

const std::string& cityFile()
{
    static const std::string path = [] {
        worldbench::useSourceAssets();
        GameData::getInstance();
        return worldbench::writeCity(200, 11);
    }();
    return path;
}

void BM_LoadMapFile(benchmark::State& state)
{
    const std::string& path = cityFile();
    for (auto _ : state)
        worldbench::loadCity(path);
    state.counters["objects"] = static_cast<double>(WorldMap::getInstance()->solidObjects.size() +
                                                    WorldMap::getInstance()->passableObjects.size());
}
BENCHMARK(BM_LoadMapFile)->Unit(benchmark::kMillisecond);

void BM_LoadAndBuildMap(benchmark::State& state)
{
    const std::string& path = cityFile();
    WorldMap* map = WorldMap::getInstance();
    for (auto _ : state)
    {
        worldbench::loadCity(path);
        map->buildTiles(0, 0, -1, -1);
        map->addAllObjectSprites();
        map->setCameraCentre(cocos2d::Vec2(3200, 3200));
    }
}
BENCHMARK(BM_LoadAndBuildMap)->Unit(benchmark::kMillisecond);

void BM_SightLineBatch(benchmark::State& state)
{
    worldbench::loadCity(cityFile());
    const WorldMap* map = WorldMap::getInstance();
    std::mt19937 random(5);
    std::vector<std::pair<cocos2d::Vec2, float>> rays;
    for (int i = 0; i < 1000; ++i)
    {
        const int x = static_cast<int>(random() % 200);
        const int y = static_cast<int>(random() % 200);
        rays.emplace_back(cocos2d::Vec2(x * 32.0f + 16.0f, y * 32.0f + 16.0f), static_cast<float>(random() % 360));
    }
    int clear = 0;
    for (auto _ : state)
    {
        for (const auto& ray : rays)
            clear += map->hasLineOfSight(0, ray.first, ray.second, 192.0f) ? 1 : 0;
    }
    benchmark::DoNotOptimize(clear);
    state.counters["queries/s"] = benchmark::Counter(static_cast<double>(state.iterations()) * rays.size(),
                                                     benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SightLineBatch)->Unit(benchmark::kMicrosecond);

}  // namespace
