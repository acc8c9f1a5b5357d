#pragma once
#include "actions/ActionInterval.h"
#include "base/Vector.h"
#include <vector>

namespace cocos2d {

// Runs its actions one after another. Progress is absolute: when a step
// carries past the end of one action, that action finishes exactly and the
// rest of the time goes to the next ones, so zero-length steps (callbacks,
// Hide, Show) run at exactly their moment and never cost a frame.
class Sequence : public ActionInterval
{
public:
    // The list ends with nullptr.
    static Sequence* create(FiniteTimeAction* action1, ...);
    static Sequence* create(const Vector<FiniteTimeAction*>& actions);
    static Sequence* createWithTwoActions(FiniteTimeAction* first, FiniteTimeAction* second);
    ~Sequence() override;

    void startWithTarget(Node* target) override;
    void stop() override;
    void update(float t) override;

private:
    Sequence() = default;
    bool initWithActions(const std::vector<FiniteTimeAction*>& actions);

    std::vector<FiniteTimeAction*> _actions;
    std::vector<float> _starts;
    std::size_t _current = 0;
    bool _currentStarted = false;
};

}
