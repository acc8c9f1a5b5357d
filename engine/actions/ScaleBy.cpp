#include "actions/ScaleBy.h"
#include "2d/Node.h"

namespace cocos2d {

ScaleBy* ScaleBy::create(float duration, float scale)
{
    auto* action = create(duration, scale, scale);
    action->_byZ = scale;
    return action;
}

ScaleBy* ScaleBy::create(float duration, float scaleX, float scaleY)
{
    auto* action = new ScaleBy();
    action->initWithDuration(duration, 1.0f, 1.0f, 1.0f);
    action->_byX = scaleX;
    action->_byY = scaleY;
    action->autorelease();
    return action;
}

void ScaleBy::startWithTarget(Node* target)
{
    _endX = target->getScaleX() * _byX;
    _endY = target->getScaleY() * _byY;
    _endZ = target->getScaleZ() * _byZ;
    ScaleTo::startWithTarget(target);
}

}
