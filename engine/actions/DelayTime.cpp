#include "actions/DelayTime.h"

namespace cocos2d {

DelayTime* DelayTime::create(float duration)
{
    auto* delay = new DelayTime();
    delay->initWithDuration(duration);
    delay->autorelease();
    return delay;
}

}
