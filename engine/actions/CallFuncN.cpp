#include "actions/CallFuncN.h"

namespace cocos2d {

CallFuncN* CallFuncN::create(const std::function<void(Node*)>& func)
{
    auto* action = new CallFuncN();
    action->_function = func;
    action->autorelease();
    return action;
}

CallFuncN* CallFuncN::create(Ref* target, SEL_CallFuncN selector)
{
    auto* action = new CallFuncN();
    if (target)
        target->retain();
    action->_selectorTarget = target;
    action->_selector = selector;
    action->autorelease();
    return action;
}

CallFuncN::~CallFuncN()
{
    if (_selectorTarget)
        _selectorTarget->release();
}

void CallFuncN::update(float)
{
    if (_function)
        _function(_target);
    else if (_selectorTarget && _selector)
        (_selectorTarget->*_selector)(_target);
}

}
