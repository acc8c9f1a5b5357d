#pragma once
// Where the game's files live, whatever folder the program was started from.
//
// The game builds its paths from two folder texts, "assets\\" and "saves\\" (with Windows
// separators), and from names such as "sfx/rain_loop.wav". resolve() turns any of those into
// a real path: '\\' is read as '/', a leading "assets" or "saves" folder is replaced by the real
// folder, and any other relative name is taken inside the assets folder.
//
//   assets folder: $TALLOWIND_ASSETS when set; otherwise the first "assets" folder found beside
//                  the executable or in one of its parent folders (the program lives in build/);
//                  failing that, the assets of the checkout it was built from (a build folder
//                  anywhere else); failing that, "assets" in the working folder.
//   saves folder:  $TALLOWIND_SAVES when set; otherwise "saves" beside the assets folder, i.e.
//                  in the installation root. ensureSavesDir() creates it on demand.
//
// Both folder texts end with '/', so `GamePaths::savesDir() + "gamestate.dat"` is a file path.
// fileExists() and deleteFile() stand in for the Windows file-attribute and delete calls.
#include <string>

class GamePaths
{
public:
    static std::string assetsDir();
    static std::string savesDir();
    // The saves folder, created first when it does not exist (a failure is reported once;
    // the path is still returned and later writes fail on their own).
    static std::string ensureSavesDir();

    // '\\' read as '/', repeated separators collapsed; nothing else changes.
    static std::string normalise(const std::string& path);
    // A game path made real (see above). Absolute paths are only normalised.
    static std::string resolve(const std::string& path);

    // True when the path (resolved as above) names an existing regular file.
    static bool fileExists(const std::string& path);
    // True when the path names a folder.
    static bool folderExists(const std::string& path);
    // Removes a regular file; false when there was none or it could not be removed.
    static bool deleteFile(const std::string& path);
    // The file's own name, as a player sees it in its folder (a message that holds a whole
    // path runs off the screen).
    static std::string fileName(const std::string& path);
};
