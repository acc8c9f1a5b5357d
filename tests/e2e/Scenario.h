#pragma once
#include <string>
#include <vector>

// One input fed to the game at the start of a frame.
struct ScenarioInput
{
    enum class Kind
    {
        KeyDown,
        KeyUp,
        MouseMove,
        MouseDown,
        MouseUp,
        PadDown,
        PadUp,
        // Set-up, not play: what a test harness does to bring about a
        // situation that walking there by keys would make long or fragile.
        // The acts themselves always go through the inputs above.
        PlacePlayer,    // the player stands in the middle of cell (x, y)
        GiveCredits,    // code credits in the player's pocket
        GiveItem,       // one item of definition code in the inventory
    };

    int frame = 0;
    Kind kind = Kind::KeyDown;
    // The key code, mouse button or pad button.
    int code = 0;
    // The mouse position in window pixels (MouseMove), or a cell (PlacePlayer).
    float x = 0.0f;
    float y = 0.0f;
    // Where it was written, for the run's log.
    int line = 0;
};

// One check of the game at the end of the run: `expect <kind> <arguments>`.
struct ScenarioExpectation
{
    std::string kind;
    std::vector<std::string> arguments;
    int line = 0;
    // The line as written (without the comment), to name it in reports.
    std::string text;
};

// A replay: a seed, the inputs a person would give from start-up at fixed
// times, and what the game must look like when the run ends.
struct Scenario
{
    std::string file;
    unsigned seed = 0;
    // The map makers' start (TALLOWIND_EDITOR=1).
    bool editor = false;
    // The run reads and writes a copy of the assets, never the tree's own.
    bool assetsCopy = false;
    // The frame the run ends at: the inputs are all fed before it.
    int endFrame = 0;
    // In the order they are fed (by frame, then as written).
    std::vector<ScenarioInput> inputs;
    std::vector<ScenarioExpectation> expectations;
};
