#include "actions/RemoveSelf.h"
#include "2d/Node.h"

namespace cocos2d {

RemoveSelf* RemoveSelf::create(bool isNeedCleanUp)
{
    auto* action = new RemoveSelf();
    action->_isNeedCleanUp = isNeedCleanUp;
    action->autorelease();
    return action;
}

void RemoveSelf::update(float)
{
    if (_target)
        _target->removeFromParentAndCleanup(_isNeedCleanUp);
}

}
