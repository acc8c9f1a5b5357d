#include "actions/EaseSineInOut.h"
#include <cmath>

namespace cocos2d {

EaseSineInOut* EaseSineInOut::create(ActionInterval* action)
{
    auto* ease = new EaseSineInOut();
    ease->initWithAction(action);
    ease->autorelease();
    return ease;
}

float EaseSineInOut::ease(float t) const
{
    return -0.5f * (std::cos(static_cast<float>(M_PI) * t) - 1.0f);
}

}
