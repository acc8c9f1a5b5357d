#pragma once
#include "actions/ActionInstant.h"

namespace cocos2d {

// What CallFunc and CallFuncN share: they call either a function object or a
// member of a target, and keep that target alive while they may still call
// it. Each subclass passes its own arguments to invoke() in update().
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

    // Calls the function object, or else the target's member, with args.
    template <class... Args>
    void invoke(Args... args)
    {
        if (_function)
            _function(args...);
        else if (_selectorTarget && _selector)
            (_selectorTarget->*_selector)(args...);
    }

    Function _function;
    Ref* _selectorTarget = nullptr;
    Selector _selector = nullptr;
};

}
