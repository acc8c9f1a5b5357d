#include "actions/RepeatForever.h"

namespace cocos2d {

namespace {
// A zero-length round could otherwise spin forever inside one frame.
const int kMaxRoundsPerStep = 1000;
}

RepeatForever* RepeatForever::create(ActionInterval* action)
{
    auto* repeat = new RepeatForever();
    action->retain();
    repeat->_inner = action;
    repeat->autorelease();
    return repeat;
}

RepeatForever::~RepeatForever()
{
    _inner->release();
}

void RepeatForever::startWithTarget(Node* target)
{
    ActionInterval::startWithTarget(target);
    _inner->startWithTarget(target);
}

void RepeatForever::stop()
{
    _inner->stop();
    ActionInterval::stop();
}

void RepeatForever::step(float dt)
{
    _inner->step(dt);
    for (int round = 0; round < kMaxRoundsPerStep && _target && _inner->isDone(); ++round)
    {
        const float left = _inner->getOvershoot();
        _inner->startWithTarget(_target);
        if (left <= 0.0f || _inner->getDuration() <= 0.0f)
            break;
        _inner->step(left);
    }
}

}
