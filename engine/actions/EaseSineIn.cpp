#include "actions/EaseSineIn.h"
#include <cmath>

namespace cocos2d {

EaseSineIn* EaseSineIn::create(ActionInterval* action)
{
    auto* ease = new EaseSineIn();
    ease->initWithAction(action);
    ease->autorelease();
    return ease;
}

float EaseSineIn::ease(float t) const
{
    return 1.0f - std::cos(t * static_cast<float>(M_PI_2));
}

}
