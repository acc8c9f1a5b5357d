#pragma once
#include "actions/ActionInterval.h"

namespace cocos2d {

// Runs an action a number of times back to back.
class Repeat : public ActionInterval
{
public:
    static Repeat* create(FiniteTimeAction* action, unsigned int times);
    ~Repeat() override;

    void startWithTarget(Node* target) override;
    void stop() override;
    void update(float t) override;
    FiniteTimeAction* getInnerAction() const { return _inner; }

private:
    Repeat() = default;

    FiniteTimeAction* _inner = nullptr;
    unsigned int _times = 0;
    unsigned int _done = 0;
    bool _innerRunning = false;
};

}
