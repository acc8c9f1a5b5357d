#pragma once
#include "actions/ActionInterval.h"

namespace cocos2d {

// Switches visibility on and off the given number of times; when it stops,
// the node gets back the visibility it had at the start.
class Blink : public ActionInterval
{
public:
    static Blink* create(float duration, int blinks);

    void startWithTarget(Node* target) override;
    void stop() override;
    void update(float t) override;

private:
    Blink() = default;
    int _times = 1;
    bool _originalVisible = true;
};

}
