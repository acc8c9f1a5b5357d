#pragma once
#include "actions/FiniteTimeAction.h"

namespace cocos2d {

// An action with a duration. Each step adds dt to the elapsed time and
// updates with elapsed / duration (at most 1); the last step lands exactly on
// 1 and the time beyond it is reported by getOvershoot().
class ActionInterval : public FiniteTimeAction
{
public:
    float getElapsed() const { return _elapsed; }
    bool isDone() const override { return _elapsed >= _duration; }
    void startWithTarget(Node* target) override;
    void step(float dt) override;
    // Seconds stepped past the end (0 while running).
    float getOvershoot() const { return _elapsed > _duration ? _elapsed - _duration : 0.0f; }

protected:
    ActionInterval() = default;
    bool initWithDuration(float duration);

    float _elapsed = 0.0f;
};

}
