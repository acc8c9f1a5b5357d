#include "actions/RotateTo.h"
#include "2d/Node.h"
#include <cmath>

namespace cocos2d {

RotateTo* RotateTo::create(float duration, float angle)
{
    auto* action = new RotateTo();
    action->initWithDuration(duration);
    action->_end = Vec3(0.0f, 0.0f, angle);
    action->autorelease();
    return action;
}

RotateTo* RotateTo::create(float duration, const Vec3& angles3D)
{
    auto* action = new RotateTo();
    action->initWithDuration(duration);
    action->_is3D = true;
    action->_end = angles3D;
    action->autorelease();
    return action;
}

float RotateTo::shortestDelta(float& start, float end)
{
    start = std::fmod(start, 360.0f);
    float delta = end - start;
    if (delta > 180.0f)
        delta -= 360.0f;
    if (delta < -180.0f)
        delta += 360.0f;
    return delta;
}

void RotateTo::startWithTarget(Node* target)
{
    ActionInterval::startWithTarget(target);
    _start = _is3D ? target->getRotation3D() : Vec3(0.0f, 0.0f, target->getRotation());
    _delta.z = shortestDelta(_start.z, _end.z);
    if (_is3D)
    {
        _delta.x = shortestDelta(_start.x, _end.x);
        _delta.y = shortestDelta(_start.y, _end.y);
    }
}

void RotateTo::update(float t)
{
    if (!_target)
        return;
    const Vec3 r = t >= 1.0f ? _end : _start + _delta * t;
    if (_is3D)
        _target->setRotation3D(r);
    else
        _target->setRotation(r.z);
}

}
