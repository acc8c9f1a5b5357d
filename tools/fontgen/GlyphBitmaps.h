#pragma once
#include <string>
#include <vector>

// Size of a glyph cell: seven rows from the cap line to the baseline and one
// below it, where the tails of g, j, p, q and y hang.
constexpr int kGlyphColumns = 5;
constexpr int kGlyphRows = 8;

// One glyph of the interface font: the frame name it is stored under and its
// bitmap, top row first, '#' for a lit pixel.
struct GlyphBitmap
{
    std::string frame;
    const char* rows[kGlyphRows];
};

const std::vector<GlyphBitmap>& glyphBitmaps();
