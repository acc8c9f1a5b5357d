// The actor manager on a generated 200 x 200 city: one MobManager::update of
// 60, 250 and 1,000 walkers that follow the Pather's paths (the Pather serves
// its frame budget between the measured updates), the same frame with the
// Pather's work counted in, and one frame of 100 bullets in flight.
#include "world_city.h"
#include "actors/GameMob.h"
#include "actors/MobManager.h"
#include "actors/Projectile.h"
#include "world/Pather.h"
#include <algorithm>
#include <benchmark/benchmark.h>
#include <random>
#include <vector>

namespace {

constexpr float FrameTime = 1.0f / 60.0f;
constexpr int CitizenLook = 3000;
constexpr int PistolBullet = 2000;
constexpr int ErrandReach = 12;

std::mt19937& dice()
{
    static std::mt19937 random(1234);
    return random;
}

// A citizen on an errand: whenever its path is walked, it asks for the next
// one to a street a few blocks away.
class Walker : public GameMob
{
public:
    Walker() : GameMob(CitizenLook) { mobKind = MobCitizen; }

    void update(float dt) override
    {
        if (path.empty() && !waitingForPath)
            findPath(nextGoal(), true);
        GameMob::update(dt);
    }

private:
    cocos2d::Vec2 nextGoal() const
    {
        const int size = WorldMap::getInstance()->width;
        const auto pick = [&](float at) {
            const int offset = static_cast<int>(dice()() % (2 * ErrandReach + 1)) - ErrandReach;
            int street = static_cast<int>(at) + offset;
            street = std::max(0, std::min(size - 1, street));
            // A street row or column: one of the three lanes of every twelfth cell.
            return static_cast<float>(street - street % 12 + 1);
        };
        return dice()() % 2 ? cocos2d::Vec2(pick(cell.x), cell.y) : cocos2d::Vec2(cell.x, pick(cell.y));
    }
};

class ActorCity
{
public:
    ActorCity()
    {
        worldbench::useSourceAssets();
        cocos2d::Director* director = cocos2d::Director::getInstance();
        view = cocos2d::GLView::createHeadless("actors bench", cocos2d::Size(1280, 720));
        view->retain();
        director->setOpenGLView(view);
        const std::string path = worldbench::writeCity(200, 11);
        worldbench::loadCity(path);
        std::filesystem::remove(path);
        map = WorldMap::getInstance();
        map->cameraPoint = cocos2d::Vec2(100 * 32.0f, 100 * 32.0f);
        for (int y = 1; y < map->height; y += 12)
            for (int x = 0; x < map->width; ++x)
                streets.emplace_back(x * 32.0f + 16.0f, y * 32.0f + 16.0f);
    }

    // Exactly count walkers on the streets, each already on its way.
    void populate(int count)
    {
        MobManager* mobs = MobManager::getInstance();
        mobs->clear();
        map->update(0.0f);
        Pather::destroyInstance();
        for (int i = 0; i < count; ++i)
        {
            auto* walker = new Walker();
            walker->setPosition(streets[dice()() % streets.size()]);
            if (map->worldNode && walker->mainSprite)
                map->worldNode->addChild(walker->mainSprite, 30);
            mobs->addGroundMob(walker);
        }
        for (int frame = 0; frame < 120; ++frame)
            step();
    }

    void step()
    {
        Pather::getInstance()->update();
        MobManager::getInstance()->update(FrameTime);
    }

    // Bullets along the streets, flying far.
    void topUpBullets(size_t count)
    {
        while (map->projectiles.size() < count)
        {
            const cocos2d::Vec2 at = streets[dice()() % streets.size()];
            const float heading = dice()() % 2 ? 90.0f : 270.0f;
            map->spawnProjectile(PistolBullet, 3000.0f, 4, at, heading, 300.0f);
        }
    }

    cocos2d::GLView* view = nullptr;
    WorldMap* map = nullptr;
    std::vector<cocos2d::Vec2> streets;
};

ActorCity& city()
{
    static ActorCity instance;
    return instance;
}

void BM_MobManagerUpdate(benchmark::State& state)
{
    ActorCity& c = city();
    c.populate(static_cast<int>(state.range(0)));
    MobManager* mobs = MobManager::getInstance();
    Pather* pather = Pather::getInstance();
    for (auto _ : state)
    {
        state.PauseTiming();
        pather->update();
        state.ResumeTiming();
        mobs->update(FrameTime);
    }
    state.counters["walkers"] = benchmark::Counter(static_cast<double>(mobs->groundMobs.size()));
    const auto walking = std::count_if(mobs->groundMobs.begin(), mobs->groundMobs.end(),
                                       [](const GameMob* mob) { return !mob->path.empty(); });
    state.counters["on a path"] = benchmark::Counter(static_cast<double>(walking));
}
BENCHMARK(BM_MobManagerUpdate)->Arg(60)->Arg(250)->Arg(1000)->Unit(benchmark::kMicrosecond);

void BM_ActorFrameWithPather(benchmark::State& state)
{
    ActorCity& c = city();
    c.populate(static_cast<int>(state.range(0)));
    for (auto _ : state)
        c.step();
}
BENCHMARK(BM_ActorFrameWithPather)->Arg(60)->Arg(250)->Arg(1000)->Unit(benchmark::kMicrosecond);

void BM_HundredBulletsInFlight(benchmark::State& state)
{
    ActorCity& c = city();
    c.populate(60);
    WorldMap* map = c.map;
    for (auto _ : state)
    {
        state.PauseTiming();
        c.topUpBullets(100);
        state.ResumeTiming();
        map->update(FrameTime);
    }
    state.counters["bullets"] = benchmark::Counter(static_cast<double>(map->projectiles.size()));
}
BENCHMARK(BM_HundredBulletsInFlight)->Unit(benchmark::kMicrosecond);

// The same map frame without bullets: what the city's own per-frame objects cost.
void BM_MapFrameWithoutBullets(benchmark::State& state)
{
    ActorCity& c = city();
    c.populate(60);
    WorldMap* map = c.map;
    for (auto _ : state)
        map->update(FrameTime);
    state.counters["per-frame objects"] = benchmark::Counter(static_cast<double>(map->activeObjects.size()));
}
BENCHMARK(BM_MapFrameWithoutBullets)->Unit(benchmark::kMicrosecond);

}  // namespace
