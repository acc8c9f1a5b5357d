#pragma once
#include "actions/ActionGroup.h"
#include <vector>

namespace cocos2d {

// Runs its actions one after another. Progress is absolute: when a step
// carries past the end of one action, that action finishes exactly and the
// rest of the time goes to the next ones, so zero-length steps (callbacks,
// Hide, Show) run at exactly their moment and never cost a frame.
class Sequence : public ActionGroup<Sequence>
{
public:
    void startWithTarget(Node* target) override;
    void stop() override;
    void update(float t) override;

private:
    friend class ActionGroup<Sequence>;
    Sequence() = default;
    bool initTiming();

    std::vector<float> _starts;
    std::size_t _current = 0;
    bool _currentStarted = false;
};

}
