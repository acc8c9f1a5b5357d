#include "actions/Speed.h"
#include "actions/ActionInterval.h"

namespace cocos2d {

Speed* Speed::create(ActionInterval* action, float speed)
{
    auto* s = new Speed();
    action->retain();
    s->_inner = action;
    s->_speed = speed;
    s->autorelease();
    return s;
}

Speed::~Speed()
{
    _inner->release();
}

bool Speed::isDone() const
{
    return _inner->isDone();
}

void Speed::startWithTarget(Node* target)
{
    Action::startWithTarget(target);
    _inner->startWithTarget(target);
}

void Speed::stop()
{
    _inner->stop();
    Action::stop();
}

void Speed::step(float dt)
{
    _inner->step(dt * _speed);
}

}
