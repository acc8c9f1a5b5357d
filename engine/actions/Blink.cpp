#include "actions/Blink.h"
#include "2d/Node.h"
#include <cmath>

namespace cocos2d {

Blink* Blink::create(float duration, int blinks)
{
    auto* action = new Blink();
    action->initWithDuration(duration);
    action->_times = blinks > 0 ? blinks : 1;
    action->autorelease();
    return action;
}

void Blink::startWithTarget(Node* target)
{
    ActionInterval::startWithTarget(target);
    _originalVisible = target->isVisible();
}

void Blink::stop()
{
    if (_target)
        _target->setVisible(_originalVisible);
    ActionInterval::stop();
}

void Blink::update(float t)
{
    if (!_target)
        return;
    if (t >= 1.0f)
    {
        _target->setVisible(_originalVisible);
        return;
    }
    const float slice = 1.0f / static_cast<float>(_times);
    const float m = std::fmod(t, slice);
    _target->setVisible(m > slice / 2.0f);
}

}
