#include "actions/Action.h"

namespace cocos2d {

void Action::startWithTarget(Node* target)
{
    _originalTarget = _target = target;
}

void Action::stop()
{
    _target = nullptr;
}

void Action::step(float)
{
}

void Action::update(float)
{
}

}
