#pragma once
#include <string>

// The read-only assets folder and the writable saves folder; every file path
// of the game is built from these two. Both end with a separator.
std::string assetsFolder();
std::string assetPath(const std::string& fileName);
// Creates the saves folder first when it does not exist.
std::string savesFolder();
