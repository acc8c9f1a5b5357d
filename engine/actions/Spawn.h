#pragma once
#include "actions/ActionInterval.h"
#include "base/Vector.h"
#include <vector>

namespace cocos2d {

// Runs its actions together; it lasts as long as the longest.
class Spawn : public ActionInterval
{
public:
    // The list ends with nullptr.
    static Spawn* create(FiniteTimeAction* action1, ...);
    static Spawn* create(const Vector<FiniteTimeAction*>& actions);
    static Spawn* createWithTwoActions(FiniteTimeAction* first, FiniteTimeAction* second);
    ~Spawn() override;

    void startWithTarget(Node* target) override;
    void stop() override;
    void update(float t) override;

private:
    Spawn() = default;
    bool initWithActions(const std::vector<FiniteTimeAction*>& actions);

    std::vector<FiniteTimeAction*> _actions;
    std::vector<bool> _running;
};

}
