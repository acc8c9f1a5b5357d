#pragma once
#include "actions/ActionInstant.h"
#include <functional>

namespace cocos2d {

// Calls a function object, or a member of a target, with the node that runs
// the action.
class CallFuncN : public ActionInstant
{
public:
    static CallFuncN* create(const std::function<void(Node*)>& func);
    static CallFuncN* create(Ref* target, SEL_CallFuncN selector);
    ~CallFuncN() override;

    void update(float t) override;

private:
    CallFuncN() = default;

    std::function<void(Node*)> _function;
    Ref* _selectorTarget = nullptr;
    SEL_CallFuncN _selector = nullptr;
};

}
