#pragma once
#include "actions/CallbackAction.h"
#include <functional>

namespace cocos2d {

// Calls a function object, or a member of a target, with the node that runs
// the action.
class CallFuncN : public CallbackAction<CallFuncN, std::function<void(Node*)>, SEL_CallFuncN>
{
public:
    void update(float t) override;

private:
    friend class CallbackAction<CallFuncN, std::function<void(Node*)>, SEL_CallFuncN>;
    CallFuncN() = default;
};

}
