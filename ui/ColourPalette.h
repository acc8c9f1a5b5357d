#pragma once
#include "base/ccTypes.h"

// The 16 colours of the text mark-up, in the order of their palette indices.
class ColourPalette
{
public:
    static constexpr int kSize = 16;

    // The colour at an index; an index outside 0..15 gives colour 7, the
    // colour every text starts in.
    static const cocos2d::Color3B& colour(int index);
};
