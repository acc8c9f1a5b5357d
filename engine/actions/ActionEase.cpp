#include "actions/ActionEase.h"

namespace cocos2d {

bool ActionEase::initWithAction(ActionInterval* action)
{
    action->retain();
    _inner = action;
    return initWithDuration(action->getDuration());
}

ActionEase::~ActionEase()
{
    if (_inner)
        _inner->release();
}

void ActionEase::startWithTarget(Node* target)
{
    ActionInterval::startWithTarget(target);
    _inner->startWithTarget(target);
}

void ActionEase::stop()
{
    _inner->stop();
    ActionInterval::stop();
}

void ActionEase::update(float t)
{
    if (t <= 0.0f)
        _inner->update(0.0f);
    else if (t >= 1.0f)
        _inner->update(1.0f);
    else
        _inner->update(ease(t));
}

}
