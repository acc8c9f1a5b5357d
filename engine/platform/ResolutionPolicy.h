#pragma once

// How the design resolution fits the window. FIXED_HEIGHT keeps the design
// height and widens or narrows the design width to the window's shape.
enum class ResolutionPolicy
{
    EXACT_FIT,
    NO_BORDER,
    SHOW_ALL,
    FIXED_HEIGHT,
    FIXED_WIDTH,
    UNKNOWN
};
