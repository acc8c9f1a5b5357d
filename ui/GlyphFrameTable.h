#pragma once
#include <string>

// Names of the font atlas frames ("dosfont.plist") that draw each character.
// Characters without a glyph of their own, and every code above 127, draw the
// frame of the unknown character.
class GlyphFrameTable
{
public:
    static const char* const kAtlasFile;
    static const char* const kUnknownFrame;

    static std::string frameName(unsigned char code);
};
