#include "actions/ScaleTo.h"
#include "2d/Node.h"

namespace cocos2d {

ScaleTo* ScaleTo::create(float duration, float scale)
{
    return create(duration, scale, scale, scale);
}

ScaleTo* ScaleTo::create(float duration, float scaleX, float scaleY)
{
    // The z scale is left where it is.
    auto* action = create(duration, scaleX, scaleY, 1.0f);
    action->_endZ = -1.0f;
    return action;
}

ScaleTo* ScaleTo::create(float duration, float scaleX, float scaleY, float scaleZ)
{
    auto* action = new ScaleTo();
    action->initWithDuration(duration, scaleX, scaleY, scaleZ);
    action->autorelease();
    return action;
}

bool ScaleTo::initWithDuration(float duration, float sx, float sy, float sz)
{
    ActionInterval::initWithDuration(duration);
    _endX = sx;
    _endY = sy;
    _endZ = sz;
    return true;
}

void ScaleTo::startWithTarget(Node* target)
{
    ActionInterval::startWithTarget(target);
    _startX = target->getScaleX();
    _startY = target->getScaleY();
    _startZ = target->getScaleZ();
    _deltaX = _endX - _startX;
    _deltaY = _endY - _startY;
    _deltaZ = _endZ < 0.0f ? 0.0f : _endZ - _startZ;
}

void ScaleTo::update(float t)
{
    if (!_target)
        return;
    if (t >= 1.0f)
    {
        _target->setScaleX(_endX);
        _target->setScaleY(_endY);
        _target->setScaleZ(_endZ < 0.0f ? _startZ : _endZ);
        return;
    }
    _target->setScaleX(_startX + _deltaX * t);
    _target->setScaleY(_startY + _deltaY * t);
    _target->setScaleZ(_startZ + _deltaZ * t);
}

}
