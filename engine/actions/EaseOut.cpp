#include "actions/EaseOut.h"
#include <cmath>

namespace cocos2d {

EaseOut* EaseOut::create(ActionInterval* action, float rate)
{
    auto* ease = new EaseOut();
    ease->initWithAction(action, rate);
    ease->autorelease();
    return ease;
}

float EaseOut::ease(float t) const
{
    return std::pow(t, 1.0f / _rate);
}

}
