#include "actions/MoveTo.h"
#include "2d/Node.h"

namespace cocos2d {

MoveTo* MoveTo::create(float duration, const Vec2& position)
{
    auto* action = new MoveTo();
    action->initWithDuration(duration, Vec2::ZERO);
    action->_endPosition = position;
    action->autorelease();
    return action;
}

void MoveTo::startWithTarget(Node* target)
{
    MoveBy::startWithTarget(target);
    _positionDelta = _endPosition - target->getPosition();
}

void MoveTo::update(float t)
{
    if (!_target)
        return;
    Vec2 p = positionAt(t);
    if (t >= 1.0f && !_disturbed)
        p = _endPosition;
    _target->setPosition(p);
    _previousPosition = p;
}

}
