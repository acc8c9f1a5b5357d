#pragma once
#include "actions/CallbackAction.h"
#include <functional>

namespace cocos2d {

// Calls a function object, or a member of a target (kept alive by the action).
class CallFunc : public CallbackAction<CallFunc, std::function<void()>, SEL_CallFunc>
{
public:
    void update(float t) override;

private:
    friend class CallbackAction<CallFunc, std::function<void()>, SEL_CallFunc>;
    CallFunc() = default;
};

}
