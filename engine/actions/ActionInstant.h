#pragma once
#include "actions/FiniteTimeAction.h"

namespace cocos2d {

// An action of no duration: it does its work in the first step.
class ActionInstant : public FiniteTimeAction
{
public:
    bool isDone() const override { return _done; }
    void startWithTarget(Node* target) override;
    void step(float dt) override;

protected:
    ActionInstant() = default;
    bool _done = false;
};

}
