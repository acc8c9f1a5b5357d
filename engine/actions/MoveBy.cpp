#include "actions/MoveBy.h"
#include "2d/Node.h"

namespace cocos2d {

MoveBy* MoveBy::create(float duration, const Vec2& deltaPosition)
{
    auto* action = new MoveBy();
    action->initWithDuration(duration, deltaPosition);
    action->autorelease();
    return action;
}

bool MoveBy::initWithDuration(float duration, const Vec2& deltaPosition)
{
    ActionInterval::initWithDuration(duration);
    _positionDelta = deltaPosition;
    return true;
}

void MoveBy::startWithTarget(Node* target)
{
    ActionInterval::startWithTarget(target);
    _previousPosition = _startPosition = target->getPosition();
    _disturbed = false;
}

Vec2 MoveBy::positionAt(float t)
{
    const Vec2 current = _target->getPosition();
    if (current != _previousPosition)
    {
        _startPosition += current - _previousPosition;
        _disturbed = true;
    }
    return _startPosition + _positionDelta * t;
}

void MoveBy::update(float t)
{
    if (!_target)
        return;
    const Vec2 p = positionAt(t);
    _target->setPosition(p);
    _previousPosition = p;
}

}
