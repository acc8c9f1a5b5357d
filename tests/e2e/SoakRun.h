#pragma once
#include <string>

class JourneyReport;

// The whole game played by a random player for a stretch of game time in one
// zone, from start-up through the intro and the menu by keys, in a process of
// its own. It notes the resident size and the heap in use once the zone has
// settled, halfway and at the end, and counts a run that stops holding, a
// screen no key leads out of or a heap that still grows in the second half as
// problems.
struct SoakLength
{
    float gameSeconds = 120.0f;
    float step = 1.0f / 60.0f;
    // When above 0 the soak lasts this long on the wall clock instead, however
    // much game time that is: a window drawn in software may play far slower
    // than real time, and memory is watched over the time a player plays.
    float wallSeconds = 0.0f;

    // The length asked for in the environment: TALLOWIND_SOAK_MINUTES of game
    // time per zone (or TALLOWIND_SOAK_WALL_MINUTES of wall time) and
    // TALLOWIND_SOAK_STEP seconds a frame, else the given ones.
    static SoakLength fromEnvironment(float defaultMinutes, float defaultStep = 1.0f / 60.0f);
};

// Where the soak is drawn: nowhere, or in a real window on a private X server
// with software GL, where the drawing path's memory shows too.
enum class SoakView
{
    Headless,
    Window,
};

class SoakRun
{
public:
    SoakRun(int zone, unsigned seed, SoakLength length, SoakView view = SoakView::Headless);

    void play(JourneyReport& report, const std::string& savesFolder);

    // The process's resident set, in KiB (0 when it cannot be read).
    static long residentKiB();
    // The heap the game holds, in KiB, without what the allocator keeps back.
    static long heapInUseKiB();

private:
    struct MemoryFigures
    {
        long resident = 0;
        long heap = 0;
        static MemoryFigures now();
    };

    bool reachZone(JourneyReport& report, class GameLaunch& game);
    void checkMemory(JourneyReport& report, const MemoryFigures& halfway, const MemoryFigures& end) const;

    int _zone;
    unsigned _seed;
    SoakLength _length;
    SoakView _view;
};
