#include "app/DisplaySettings.h"

#include "app/FileHelpers.h"
#include "app/FileNotices.h"
#include "app/GameFolders.h"
#include "app/SavedFile.h"
#include "app/StringHelpers.h"
#include "platform/DisplayModes.h"
#include "platform/GamePaths.h"

#include <algorithm>
#include <cstdio>

std::vector<DisplayMode> displayModes;
DisplayMode currentDisplayMode;
bool fullScreen = false;

namespace {

constexpr int kMinimumWidth = 1024;
constexpr int kMinimumHeight = 768;
// The smallest window the game's screens show whole in: as wide as its
// smallest mode, as tall as the 1280 x 720 window it opens for the automatic
// entry. The menus, the HUD and the shop windows are laid out for these.
constexpr int kPlayableWidth = kMinimumWidth;
constexpr int kPlayableHeight = 720;
// The automatic entry's window when not full screen, where the display shows it.
constexpr int kAutomaticWindowWidth = 1280;
constexpr int kAutomaticWindowHeight = 720;
// How much of a damaged first line the player is shown.
constexpr size_t kShownLineLength = 20;

// Width and height from a "WIDTHxHEIGHT" text. Only the automatic -1x-1 or a
// positive size is accepted, so a damaged file can never ask for an empty window.
bool parseResolution(const std::string& text, int& width, int& height)
{
    const std::vector<std::string> parts = splitString(text, 'x');
    if (parts.size() < 2)
        return false;
    int w = 0;
    int h = 0;
    if (!parseLeadingInt(parts[0], w) || !parseLeadingInt(parts[1], h))
        return false;
    const bool automatic = (w == -1 && h == -1);
    if (!automatic && (w <= 0 || h <= 0))
        return false;
    width = w;
    height = h;
    return true;
}

int indexOfMode(int width, int height)
{
    for (const DisplayMode& mode : displayModes)
    {
        if (mode.width == width && mode.height == height)
            return mode.index;
    }
    return -1;
}

DisplayMode smallestListedMode()
{
    if (displayModes.empty())
        return DisplayMode{-1, -1, -1, false};
    return displayModes.front();
}

// The largest size the display shows: that of its largest listed mode, or the
// desktop's own when it listed none that the game takes. False when there is
// no display to ask (a headless run), and nothing can be said against a size.
bool largestShownSize(int& width, int& height)
{
    width = 0;
    height = 0;
    for (const DisplayMode& mode : displayModes)
    {
        if (mode.isAutomatic())
            continue;
        width = std::max(width, mode.width);
        height = std::max(height, mode.height);
    }
    DisplayModeRecord desktop;
    if (width == 0 && DisplayModes::desktopMode(desktop))
    {
        width = desktop.width;
        height = desktop.height;
    }
    return width > 0 && height > 0;
}

// A window or a full screen larger than the display ends the program at once
// on some systems (the X server refuses the picture), so such a size in the
// file is damage, not a choice.
bool displayCanShow(int width, int height)
{
    if (width == -1 && height == -1)
        return true;
    int largestWidth = 0;
    int largestHeight = 0;
    return !largestShownSize(largestWidth, largestHeight) || (width <= largestWidth && height <= largestHeight);
}

// A window smaller than the screens are laid out for cuts off the menus and
// the HUD (a 1 x 1 window shows nothing at all): such a size in the file is
// damage too.
bool screensFit(int width, int height)
{
    return (width == -1 && height == -1) || (width >= kPlayableWidth && height >= kPlayableHeight);
}

// Why a size from the file cannot be used, in words for the player; empty
// when it can.
std::string sizeRefusal(int width, int height)
{
    if (!screensFit(width, height))
        return "too small for the game";
    if (!displayCanShow(width, height))
        return "larger than the display";
    return std::string();
}

// A first start (or a damaged file): windowed at the smallest mode, trusted
// without a check, and written at once.
void useDefaultSettings()
{
    DisplayMode mode = smallestListedMode();
    mode.verified = true;
    saveSettings(mode, false, true);
}

// A file the game cannot use as it stands is damage: the player is told what
// is wrong with it, and the defaults are written over it. where is the file,
// or its line, for stderr.
void replaceDamagedSettings(const std::string& where, const std::string& problem)
{
    std::fprintf(stderr, "Tallowind: %s: %s; the defaults are used\n", where.c_str(), problem.c_str());
    FileNotices::getInstance()->readProblem(settingsFilePath(), problem + ",\nso the smallest size is used.");
    useDefaultSettings();
}

// A line of the file as the notice can show it: cut short, and with '?' for
// any character that is not plain text or is the colour mark, which would
// garble the notice.
std::string shownLine(const std::string& line)
{
    std::string shown;
    for (char c : line.substr(0, kShownLineLength))
        shown += (c >= ' ' && c <= '~' && c != '`') ? c : '?';
    return line.size() > kShownLineLength ? shown + "..." : shown;
}

// What a first line that gives no size held, in words for the player. It is
// the file's first line as an editor shows it (the reader skips blank lines),
// quoted with apostrophes: the game's font has no double quotes.
std::string noSizeProblem(const std::string& text)
{
    std::string line = text.substr(0, text.find('\n'));
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    if (line.find_first_not_of(" \t") == std::string::npos)
        return "the screen size line is empty";
    return "the screen size '" + shownLine(line) + "' is not a size";
}

}

void enumerateDisplayModes()
{
    std::vector<std::pair<int, int>> sizes;
    for (const DisplayModeRecord& record : DisplayModes::primaryMonitorModes())
        sizes.emplace_back(record.width, record.height);
    buildDisplayModeList(sizes);
    loadSettings();
}

void buildDisplayModeList(const std::vector<std::pair<int, int>>& sizes)
{
    displayModes.clear();
    for (const auto& size : sizes)
        insertDisplayMode(size.first, size.second);
    insertDisplayMode(-1, -1);
    for (size_t i = 0; i < displayModes.size(); ++i)
        displayModes[i].index = static_cast<int>(i);
}

void insertDisplayMode(int width, int height)
{
    const bool automaticSide = (width == -1 || height == -1);
    if (!automaticSide && (width < kMinimumWidth || height < kMinimumHeight))
        return;
    for (const DisplayMode& mode : displayModes)
    {
        if (mode.width == width && mode.height == height)
            return;
    }

    const DisplayMode entry{-1, width, height, false};
    if (width == -1 && height == -1)
    {
        displayModes.push_back(entry);
        return;
    }
    const long long area = static_cast<long long>(width) * height;
    for (auto it = displayModes.begin(); it != displayModes.end(); ++it)
    {
        const long long entryArea = static_cast<long long>(it->width) * it->height;
        if (it->isAutomatic() || entryArea > area || it->height > height)
        {
            displayModes.insert(it, entry);
            return;
        }
    }
    displayModes.push_back(entry);
}

std::string settingsFilePath()
{
    return GamePaths::normalise(savesFolder() + "/" + kSettingsFileName);
}

void automaticWindowSize(int& width, int& height)
{
    width = kAutomaticWindowWidth;
    height = kAutomaticWindowHeight;
    // Wider or taller than the screen, the window would cut the menus off at
    // its edge. A display with no mode the game takes has nothing better.
    const DisplayMode smallest = smallestListedMode();
    if (displayCanShow(width, height) || smallest.isAutomatic())
        return;
    width = smallest.width;
    height = smallest.height;
}

void loadSettings()
{
    std::string text;
    switch (SavedFile::read(settingsFilePath(), text))
    {
    case SavedFile::ReadResult::Missing:
        // A first start: nothing is wrong, and nothing is said.
        useDefaultSettings();
        return;
    case SavedFile::ReadResult::Unreadable:
        replaceDamagedSettings(settingsFilePath(), "the file could not be read");
        return;
    case SavedFile::ReadResult::Read:
        break;
    }
    const std::vector<std::string> lines = splitTextLines(text);

    int width = 0;
    int height = 0;
    if (lines.empty() || !parseResolution(lines[0], width, height))
    {
        replaceDamagedSettings(settingsFilePath() + ":1", noSizeProblem(text));
        return;
    }
    const std::string refused = sizeRefusal(width, height);
    if (!refused.empty())
    {
        replaceDamagedSettings(settingsFilePath() + ":1",
                               formatString("the screen size %dx%d is %s", width, height, refused.c_str()));
        return;
    }

    currentDisplayMode.width = width;
    currentDisplayMode.height = height;
    currentDisplayMode.index = indexOfMode(width, height);
    fullScreen = lines.size() > 1 && (lines[1] == "fullscreen" || lines[1] == "fullscreen\r");
    currentDisplayMode.verified = (lines.size() > 2 && lines[2] == "verified") ||
                                  (lines.size() > 3 && lines[3] == "verified");
}

bool saveSettings(DisplayMode mode, bool fullScreenFlag, bool verified)
{
    fullScreen = fullScreenFlag;
    currentDisplayMode = mode;

    std::string text = formatString("%dx%d\n%s", mode.width, mode.height, fullScreenFlag ? "fullscreen" : "windowed");
    if (verified)
        text += "\nverified";
    // A settings file that cannot be written is told on screen: the choice in
    // memory still holds for this run.
    return FileNotices::getInstance()->saveResult(settingsFilePath(), "the display settings",
                                                  writeFileAtomically(settingsFilePath(), text));
}

bool applyDisplayOption(bool fullScreenFlag, bool verified, const std::string& label)
{
    int width = 0;
    int height = 0;
    if (!parseResolution(label, width, height))
        return false;
    return saveSettings(DisplayMode{-1, width, height, false}, fullScreenFlag, verified);
}
