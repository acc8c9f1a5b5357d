#include "SoakRun.h"

#include "GameLaunch.h"
#include "JourneyReport.h"
#include "PlayerJourney.h"
#include "RandomPlayer.h"

#include "actors/MobManager.h"
#include "app/Achievements.h"
#include "app/GameInterface.h"
#include "app/GameState.h"
#include "app/RandomSeed.h"
#include "app/SoundEngine.h"
#include "world/GameData.h"
#include "world/WorldMap.h"

#include "support/XvfbServer.h"

#include <malloc.h>
#if defined(__SANITIZE_ADDRESS__)
// The address sanitizer's own count of the live heap (its runtime exports it).
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#endif

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

// The city fills and the first contracts come in this long after the run starts:
// the resident size is taken from here on.
constexpr float kSettleSeconds = 30.0f;
// A screen that waits this long for a key nobody can give is stuck.
constexpr float kStuckSeconds = 120.0f;
// How much the heap in use may still grow over the second half of the soak:
// the city's population and the contracts come and go, a leak only grows.
constexpr long kSecondHalfGrowthKiB = 16 * 1024;
const char* const kZoneNames[] = {"Downtown", "The Docks", "Hilldale"};
// The progress that opens every zone and mode.
constexpr int kUnlocks[] = {2002, 2009};

float readFloat(const char* name, float fallback)
{
    const char* text = std::getenv(name);
    if (!text || !*text)
        return fallback;
    char* end = nullptr;
    const float value = std::strtof(text, &end);
    return end != text && value > 0.0f ? value : fallback;
}

std::string mebibytes(long kib)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f MiB", kib / 1024.0);
    return text;
}

int countNodes(const cocos2d::Node* node)
{
    int count = 1;
    for (const cocos2d::Node* child : node->getChildren())
        count += countNodes(child);
    return count;
}

std::string kibibytes(std::size_t bytes)
{
    return std::to_string((bytes + 1023) / 1024) + " KiB";
}

// What the city holds: the scene's nodes, the textures, the renderer's
// buffers, the map's objects.
std::string population()
{
    const cocos2d::Director* director = cocos2d::Director::getInstance();
    const cocos2d::Scene* scene = director->getRunningScene();
    const WorldMap* map = WorldMap::getInstance();
    const cocos2d::Renderer::BufferSizes buffers = director->getRenderer()->getBufferSizes();
    return std::to_string(scene ? countNodes(scene) : 0) + " nodes, " +
           std::to_string(cocos2d::TextureCache::getInstance()->getTextureCount()) + " textures of " +
           kibibytes(cocos2d::TextureCache::getInstance()->getTextureBytes()) + ", renderer queues " +
           kibibytes(buffers.queues) + ", vertex buffer " + kibibytes(buffers.vertexBuffer) + ", index buffer " +
           kibibytes(buffers.indexBuffer) + ", " +
           std::to_string(map->solidObjects.size() + map->passableObjects.size()) + " objects on the map, " +
           std::to_string(MobManager::getInstance()->groundMobs.size()) + " walkers";
}

// The sound system keeps every sound it has played decoded for good, a store
// bounded by the sound files: hearing each once, silently, before the
// measuring starts leaves the game's own growth to be seen.
void hearEverySound()
{
    SoundEngine* sound = SoundEngine::getInstance();
    std::error_code error;
    for (const auto& file : std::filesystem::directory_iterator(GameLaunch::treeAssets() + "/sfx", error))
        sound->stop(sound->play(nullptr, false, file.path().filename().string(), 0.0f));
}

std::string counted(const RandomPlayCounts& c)
{
    return std::to_string(c.acts) + " acts: " + std::to_string(c.walks) + " walks, " + std::to_string(c.shots) +
           " shots, " + std::to_string(c.keyTaps) + " key taps, " + std::to_string(c.pauses) + " pauses, " +
           std::to_string(c.tutorialsClosed) + " tutorials closed, " + std::to_string(c.windowsOpened) +
           " windows opened, " + std::to_string(c.purchases) + " purchases, " +
           std::to_string(c.contractsTaken) + " contracts taken, " +
           std::to_string(c.bodiesCarried) + " bodies carried, " + std::to_string(c.deaths) + " deaths, " +
           std::to_string(c.restarts) + " restarts, " + std::to_string(c.runsStartedFromMenu) +
           " runs started from the menu, " + std::to_string(c.zoneChanges) + " zone changes";
}

}

SoakLength SoakLength::fromEnvironment(float defaultMinutes, float defaultStep)
{
    SoakLength length;
    length.gameSeconds = readFloat("TALLOWIND_SOAK_MINUTES", defaultMinutes) * 60.0f;
    length.step = readFloat("TALLOWIND_SOAK_STEP", defaultStep);
    length.wallSeconds = readFloat("TALLOWIND_SOAK_WALL_MINUTES", 0.0f) * 60.0f;
    return length;
}

SoakRun::SoakRun(int zone, unsigned seed, SoakLength length, SoakView view)
    : _zone(zone), _seed(seed), _length(length), _view(view)
{
}

long SoakRun::residentKiB()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    if (!(statm >> pages >> resident))
        return 0;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

long SoakRun::heapInUseKiB()
{
    // The address sanitizer keeps freed blocks in quarantine, so the resident
    // size grows until the quarantine is full: its own count of the live heap
    // is the one a leak shows in.
#if defined(__SANITIZE_ADDRESS__)
    return static_cast<long>(__sanitizer_get_current_allocated_bytes() / 1024);
#else
    // Large blocks are mapped apart from the arena: both count.
    const struct mallinfo2 heap = mallinfo2();
    return static_cast<long>((heap.uordblks + heap.hblkhd) / 1024);
#endif
}

bool SoakRun::reachZone(JourneyReport& report, GameLaunch& game)
{
    const bool started = _view == SoakView::Window ? game.startInWindow() : game.startHeadless();
    if (!report.require(started, "the game did not start: " + game.error()))
        return false;
    // Before the menu is built, so that it offers every zone.
    for (int unlock : kUnlocks)
        Achievements::getInstance()->unlock(unlock, false, true);
    // Larger steps through the intro: the soak is about the run.
    PlayerJourney intro(game, report, 0.05f, false);
    if (!intro.introToMenu(true))
        return false;
    PlayerJourney journey(game, report, _length.step, false);
    if (!journey.startRunFromMenu(_zone, 0))
        return false;
    hearEverySound();
    return true;
}

void SoakRun::play(JourneyReport& report, const std::string& savesFolder)
{
    // A window as large as a common laptop's screen; the server outlives the game.
    XvfbServer xvfb;
    if (_view == SoakView::Window && !report.require(xvfb.start(1024, 768), "no X server: " + xvfb.error()))
        return;
    RandomSeed::fix(_seed);
    GameLaunch game(savesFolder);
    if (!reachZone(report, game))
        return;
    const std::string zoneName = std::string(kZoneNames[_zone]);
    RandomPlayer player(game, _seed, _length.step, _zone);
    const auto wallStart = std::chrono::steady_clock::now();
    const auto wallSince = [&] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
    };
    // The soak's clock: game time, or wall time when the length is given so.
    const bool byWall = _length.wallSeconds > 0.0f;
    long frame = 0;
    const auto clock = [&] { return byWall ? wallSince() : static_cast<double>(frame) * _length.step; };
    const double length = byWall ? _length.wallSeconds : _length.gameSeconds;
    const double settleAt = std::min(length / 4.0, static_cast<double>(kSettleSeconds));
    const double halfwayAt = (settleAt + length) / 2.0;
    MemoryFigures settled;
    MemoryFigures halfway;
    bool settledTaken = false;
    bool halfwayTaken = false;
    int minutesNoted = 0;
    for (; clock() < length; ++frame)
    {
        player.playFrame();
        const double now = clock();
        if (!settledTaken && now >= settleAt)
        {
            settled = MemoryFigures::now();
            settledTaken = true;
        }
        if (!halfwayTaken && now >= halfwayAt)
        {
            halfway = MemoryFigures::now();
            halfwayTaken = true;
        }
        if (now >= (minutesNoted + 1) * 60.0)
        {
            ++minutesNoted;
            report.note(zoneName + ": " + std::to_string(minutesNoted) + " min of " + (byWall ? "wall" : "game") +
                        " time (" + std::to_string(static_cast<int>(static_cast<double>(frame) * _length.step)) +
                        " s of game time), state " + std::to_string(GameInterface::getInstance()->state) +
                        ", resident " + mebibytes(residentKiB()) + ", heap in use " + mebibytes(heapInUseKiB()) +
                        "; " + population());
        }
        if (!report.require(player.stuckSeconds() < kStuckSeconds,
                            zoneName + ": the game waited " + std::to_string(static_cast<int>(kStuckSeconds)) +
                                " s in state " + std::to_string(player.stuckState()) + " for a key that never helped"))
            break;
    }
    const MemoryFigures end = MemoryFigures::now();
    const double wall = wallSince();
    const double gameSeconds = static_cast<double>(frame) * _length.step;
    char figures[256];
    std::snprintf(figures, sizeof figures,
                  "%s: %.0f s of game time in %ld frames of %.4f s, %.1f s of wall time", zoneName.c_str(),
                  gameSeconds, frame, _length.step, wall);
    report.note(figures);
    report.note(zoneName + ": resident " + mebibytes(settled.resident) + " once settled, " +
                mebibytes(halfway.resident) + " halfway, " + mebibytes(end.resident) + " at the end; heap in use " +
                mebibytes(settled.heap) + ", " + mebibytes(halfway.heap) + ", " + mebibytes(end.heap));
    report.note(zoneName + ": " + counted(player.counts()));
    std::printf("SOAK %s | game %.0f s | step %.4f s | wall %.1f s | resident KiB %ld settled, %ld halfway, %ld end | "
                "heap in use KiB %ld settled, %ld halfway, %ld end\n",
                zoneName.c_str(), gameSeconds, _length.step, wall, settled.resident, halfway.resident,
                end.resident, settled.heap, halfway.heap, end.heap);
    checkMemory(report, halfway, end);
    const RandomPlayCounts& counts = player.counts();
    report.check(counts.walks > 0 && counts.shots > 0 && counts.keyTaps > 0 && counts.pauses > 0,
                 zoneName + ": the random player never got to walk, fire, use the keys and pause");
    const int state = GameInterface::getInstance()->state;
    report.check(state != GameState::Intro && state != GameState::Edit,
                 zoneName + ": the soak ended in state " + std::to_string(state));
}

SoakRun::MemoryFigures SoakRun::MemoryFigures::now()
{
    return {residentKiB(), heapInUseKiB()};
}

void SoakRun::checkMemory(JourneyReport& report, const MemoryFigures& halfway, const MemoryFigures& end) const
{
    if (!report.check(halfway.resident > 0 && end.resident > 0, "the resident size could not be read"))
        return;
    report.check(end.heap - halfway.heap < kSecondHalfGrowthKiB,
                 std::string(kZoneNames[_zone]) + ": the heap in use still grew by " +
                     mebibytes(end.heap - halfway.heap) + " over the second half of the soak");
}
