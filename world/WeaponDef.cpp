#include "world/WeaponDef.h"

namespace {
// Beyond its range a shot loses accuracy over this many pixels, up to the full penalty.
constexpr float kFalloffDistance = 200.0f;
constexpr float kPenaltyPerPixel = 0.05f;
constexpr float kFullPenalty = 10.0f;
}

float WeaponDef::rangePenalty(float distance, float rangeOverride) const
{
    const float r = rangeOverride == -1.0f ? range : rangeOverride;
    const float excess = distance - r;
    if (excess <= 0.0f)
        return 0.0f;
    if (excess <= kFalloffDistance)
        return (kFalloffDistance - excess) * kPenaltyPerPixel;
    return kFullPenalty;
}
