#pragma once
#include "actions/ActionInterval.h"

namespace cocos2d {

// Wraps an interval action and reshapes its progress curve. Every curve
// passes exactly through 0 and 1, so the inner action still ends on its end
// values.
class ActionEase : public ActionInterval
{
public:
    ~ActionEase() override;

    void startWithTarget(Node* target) override;
    void stop() override;
    void update(float t) override;
    ActionInterval* getInnerAction() const { return _inner; }

protected:
    ActionEase() = default;
    bool initWithAction(ActionInterval* action);
    virtual float ease(float t) const = 0;

    ActionInterval* _inner = nullptr;
};

}
