#include "actions/FadeTo.h"
#include "2d/Node.h"

namespace cocos2d {

FadeTo* FadeTo::create(float duration, uint8_t opacity)
{
    auto* action = new FadeTo();
    action->initWithDuration(duration, opacity);
    action->autorelease();
    return action;
}

bool FadeTo::initWithDuration(float duration, uint8_t opacity)
{
    ActionInterval::initWithDuration(duration);
    _toOpacity = opacity;
    return true;
}

void FadeTo::startWithTarget(Node* target)
{
    ActionInterval::startWithTarget(target);
    _fromOpacity = target->getOpacity();
}

void FadeTo::update(float t)
{
    if (!_target)
        return;
    if (t >= 1.0f)
    {
        _target->setOpacity(_toOpacity);
        return;
    }
    const float value = _fromOpacity + (static_cast<float>(_toOpacity) - _fromOpacity) * t;
    _target->setOpacity(static_cast<uint8_t>(value));
}

}
