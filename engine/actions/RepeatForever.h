#pragma once
#include "actions/ActionInterval.h"

namespace cocos2d {

// Runs an interval action again and again until stopped; time left over at
// the end of one round goes into the next.
class RepeatForever : public ActionInterval
{
public:
    static RepeatForever* create(ActionInterval* action);
    ~RepeatForever() override;

    bool isDone() const override { return false; }
    void startWithTarget(Node* target) override;
    void stop() override;
    void step(float dt) override;
    ActionInterval* getInnerAction() const { return _inner; }

private:
    RepeatForever() = default;
    ActionInterval* _inner = nullptr;
};

}
