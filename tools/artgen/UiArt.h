#pragma once
#include <string>

// The interface pictures: HUD frames, cursors, icons, logos, minimaps,
// editor markers, character selection, comic and tutorial pages.
bool writeUiArt(const std::string& folder);
