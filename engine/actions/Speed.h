#pragma once
#include "actions/Action.h"

namespace cocos2d {

class ActionInterval;

// Runs an interval action faster or slower.
class Speed : public Action
{
public:
    static Speed* create(ActionInterval* action, float speed);
    ~Speed() override;

    float getSpeed() const { return _speed; }
    void setSpeed(float speed) { _speed = speed; }
    ActionInterval* getInnerAction() const { return _inner; }

    bool isDone() const override;
    void startWithTarget(Node* target) override;
    void stop() override;
    void step(float dt) override;

private:
    Speed() = default;
    ActionInterval* _inner = nullptr;
    float _speed = 1.0f;
};

}
