#pragma once
#include <string>
#include <vector>

// One glyph of the interface font: the frame name it is stored under and its
// 5 x 7 bitmap, top row first, '#' for a lit pixel.
struct GlyphBitmap
{
    std::string frame;
    const char* rows[7];
};

const std::vector<GlyphBitmap>& glyphBitmaps();
