#pragma once
// The primary monitor's display modes, as the window library (GLFW) lists them.
//
// The game's start-up calls primaryMonitorModes() once, after glfwInit and before opening the
// window, and turns each record into its own display-mode entry (it drops small modes and
// duplicates itself). desktopMode() is the mode the monitor runs at now, whose refresh rate and
// colour depths serve a full-screen window of a chosen size.
// Both need an initialised GLFW; without it (or without a monitor) they report nothing.
#include <vector>

struct DisplayModeRecord
{
    int width = 0;
    int height = 0;
    int refreshRate = 0;
    int redBits = 0;
    int greenBits = 0;
    int blueBits = 0;
};

class DisplayModes
{
public:
    // Every mode of the primary monitor, in the window library's order (smallest first).
    static std::vector<DisplayModeRecord> primaryMonitorModes();
    // The primary monitor's current mode; false when there is no monitor.
    static bool desktopMode(DisplayModeRecord& out);
};
