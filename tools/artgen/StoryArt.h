#pragma once
#include <string>

// The full-screen pictures: studio logos, the character-selection layers and
// animations, the comic pages of both characters and the tutorial pages.
bool writeStoryArt(const std::string& folder);
