#pragma once
#include "actions/ActionInstant.h"

namespace cocos2d {

// What CallFunc and CallFuncN share: they call either a function object or a
// member of a target, and keep that target alive while they may still call
// it. Each subclass makes the call with its own arguments in update().
template <class Callback, class Function, class Selector>
class CallbackAction : public ActionInstant
{
public:
    static Callback* create(const Function& func)
    {
        auto* action = new Callback();
        action->_function = func;
        action->autorelease();
        return action;
    }

    static Callback* create(Ref* target, Selector selector)
    {
        auto* action = new Callback();
        if (target)
            target->retain();
        action->_selectorTarget = target;
        action->_selector = selector;
        action->autorelease();
        return action;
    }

    ~CallbackAction() override
    {
        if (_selectorTarget)
            _selectorTarget->release();
    }

protected:
    CallbackAction() = default;

    Function _function;
    Ref* _selectorTarget = nullptr;
    Selector _selector = nullptr;
};

}
