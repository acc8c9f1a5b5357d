#include "actions/RotateBy.h"
#include "2d/Node.h"

namespace cocos2d {

RotateBy* RotateBy::create(float duration, float deltaAngle)
{
    auto* action = new RotateBy();
    action->initWithDuration(duration);
    action->_delta = Vec3(0.0f, 0.0f, deltaAngle);
    action->autorelease();
    return action;
}

RotateBy* RotateBy::create(float duration, const Vec3& deltaAngle3D)
{
    auto* action = new RotateBy();
    action->initWithDuration(duration);
    action->_is3D = true;
    action->_delta = deltaAngle3D;
    action->autorelease();
    return action;
}

void RotateBy::startWithTarget(Node* target)
{
    ActionInterval::startWithTarget(target);
    _start = _is3D ? target->getRotation3D() : Vec3(0.0f, 0.0f, target->getRotation());
}

void RotateBy::update(float t)
{
    if (!_target)
        return;
    const Vec3 r = _start + _delta * (t >= 1.0f ? 1.0f : t);
    if (_is3D)
        _target->setRotation3D(r);
    else
        _target->setRotation(r.z);
}

}
