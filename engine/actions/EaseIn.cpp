#include "actions/EaseIn.h"
#include <cmath>

namespace cocos2d {

EaseIn* EaseIn::create(ActionInterval* action, float rate)
{
    auto* ease = new EaseIn();
    ease->initWithAction(action, rate);
    ease->autorelease();
    return ease;
}

float EaseIn::ease(float t) const
{
    return std::pow(t, _rate);
}

}
