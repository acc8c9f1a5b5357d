#pragma once
#include <string>

// The interface's art for tests, set up once per test program. The game's own
// font atlas "dosfont.plist" is used when the assets folder has it; otherwise
// a stand-in with every frame of the glyph table (5 x 8 cells) is written.
// Also written: "white.png" (8 x 8 white) and "test_window.png", a 300 x 300
// frame texture with a 4-pixel border and a 12-pixel bottom row. The
// temporary folder goes first on the engine's search paths, the assets
// folder (for the font) right after it.
namespace UITestAssets
{
// Writes the files on the first call and puts their folder on the search
// paths; later calls only return the folder.
const std::string& install();

// The game's own font atlas when the assets folder has one, else "".
std::string realFontFolder();
}
