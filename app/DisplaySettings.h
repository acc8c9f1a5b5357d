#pragma once
#include "app/DisplayMode.h"

#include <string>
#include <utility>
#include <vector>

// The primary display's modes, smallest first, the automatic entry last.
extern std::vector<DisplayMode> displayModes;
// The resolution the window opens at; read from the settings file at start.
extern DisplayMode currentDisplayMode;
extern bool fullScreen;

// Lists the display's modes, then reads the settings file.
void enumerateDisplayModes();
// Rebuilds displayModes from the given pixel sizes (duplicates and small modes
// dropped, the automatic entry appended) and numbers the entries.
void buildDisplayModeList(const std::vector<std::pair<int, int>>& sizes);
void insertDisplayMode(int width, int height);

// The settings file in the saves folder.
constexpr const char* kSettingsFileName = "settings.cfg";
std::string settingsFilePath();
// Reads the settings file; a missing file gives the defaults, which are
// written. A file that does not read, or names no size, a size larger than
// the display can show or one too small for the game's screens, is told on
// screen and on stderr and replaced by the defaults.
void loadSettings();
// The window size of the automatic entry when not full screen: 1280 x 720,
// or the smallest mode where the display cannot show that.
void automaticWindowSize(int& width, int& height);
// Makes the choice current and writes it; false when the file could not be
// written (the player is told on screen).
bool saveSettings(DisplayMode mode, bool fullScreenFlag, bool verified);
// Stores a resolution given as the options page shows it ("1280x720"); false
// when the label does not read or the file could not be written.
bool applyDisplayOption(bool fullScreenFlag, bool verified, const std::string& label);
