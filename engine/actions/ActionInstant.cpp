#include "actions/ActionInstant.h"

namespace cocos2d {

void ActionInstant::startWithTarget(Node* target)
{
    FiniteTimeAction::startWithTarget(target);
    _done = false;
}

void ActionInstant::step(float)
{
    _done = true;
    update(1.0f);
}

}
