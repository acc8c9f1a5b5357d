#include "actions/TintTo.h"
#include "2d/Node.h"

namespace cocos2d {

TintTo* TintTo::create(float duration, uint8_t red, uint8_t green, uint8_t blue)
{
    return create(duration, Color3B(red, green, blue));
}

TintTo* TintTo::create(float duration, const Color3B& color)
{
    auto* action = new TintTo();
    action->initWithDuration(duration);
    action->_to = color;
    action->autorelease();
    return action;
}

void TintTo::startWithTarget(Node* target)
{
    ActionInterval::startWithTarget(target);
    _from = target->getColor();
}

void TintTo::update(float t)
{
    if (!_target)
        return;
    if (t >= 1.0f)
    {
        _target->setColor(_to);
        return;
    }
    auto mix = [t](uint8_t a, uint8_t b) {
        return static_cast<uint8_t>(a + (static_cast<float>(b) - a) * t);
    };
    _target->setColor(Color3B(mix(_from.r, _to.r), mix(_from.g, _to.g), mix(_from.b, _to.b)));
}

}
