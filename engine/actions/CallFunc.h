#pragma once
#include "actions/ActionInstant.h"
#include <functional>

namespace cocos2d {

// Calls a function object, or a member of a target (kept alive by the action).
class CallFunc : public ActionInstant
{
public:
    static CallFunc* create(const std::function<void()>& func);
    static CallFunc* create(Ref* target, SEL_CallFunc selector);
    ~CallFunc() override;

    void update(float t) override;

private:
    CallFunc() = default;

    std::function<void()> _function;
    Ref* _selectorTarget = nullptr;
    SEL_CallFunc _selector = nullptr;
};

}
