#include "actions/EaseInOut.h"
#include <cmath>

namespace cocos2d {

EaseInOut* EaseInOut::create(ActionInterval* action, float rate)
{
    auto* ease = new EaseInOut();
    ease->initWithAction(action, rate);
    ease->autorelease();
    return ease;
}

float EaseInOut::ease(float t) const
{
    const float t2 = t * 2.0f;
    if (t2 < 1.0f)
        return 0.5f * std::pow(t2, _rate);
    return 1.0f - 0.5f * std::pow(2.0f - t2, _rate);
}

}
