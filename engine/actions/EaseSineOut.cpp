#include "actions/EaseSineOut.h"
#include <cmath>

namespace cocos2d {

EaseSineOut* EaseSineOut::create(ActionInterval* action)
{
    auto* ease = new EaseSineOut();
    ease->initWithAction(action);
    ease->autorelease();
    return ease;
}

float EaseSineOut::ease(float t) const
{
    return std::sin(t * static_cast<float>(M_PI_2));
}

}
