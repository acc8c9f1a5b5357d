#include "actions/ActionInterval.h"
#include <algorithm>

namespace cocos2d {

bool ActionInterval::initWithDuration(float duration)
{
    _duration = std::max(duration, 0.0f);
    _elapsed = 0.0f;
    return true;
}

void ActionInterval::startWithTarget(Node* target)
{
    FiniteTimeAction::startWithTarget(target);
    _elapsed = 0.0f;
}

void ActionInterval::step(float dt)
{
    _elapsed += std::max(dt, 0.0f);
    const float t = _duration > 0.0f ? std::min(1.0f, _elapsed / _duration) : 1.0f;
    update(t);
}

}
