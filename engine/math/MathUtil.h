#pragma once
#include <algorithm>

namespace cocos2d {

inline float clampf(float value, float minInclusive, float maxInclusive)
{
    if (minInclusive > maxInclusive)
        std::swap(minInclusive, maxInclusive);
    return value < minInclusive ? minInclusive : (value > maxInclusive ? maxInclusive : value);
}

}
