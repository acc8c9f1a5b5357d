#include "actions/CallFunc.h"

namespace cocos2d {

CallFunc* CallFunc::create(const std::function<void()>& func)
{
    auto* action = new CallFunc();
    action->_function = func;
    action->autorelease();
    return action;
}

CallFunc* CallFunc::create(Ref* target, SEL_CallFunc selector)
{
    auto* action = new CallFunc();
    if (target)
        target->retain();
    action->_selectorTarget = target;
    action->_selector = selector;
    action->autorelease();
    return action;
}

CallFunc::~CallFunc()
{
    if (_selectorTarget)
        _selectorTarget->release();
}

void CallFunc::update(float)
{
    if (_function)
        _function();
    else if (_selectorTarget && _selector)
        (_selectorTarget->*_selector)();
}

}
