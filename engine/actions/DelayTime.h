#pragma once
#include "actions/ActionInterval.h"

namespace cocos2d {

class DelayTime : public ActionInterval
{
public:
    static DelayTime* create(float duration);
    void update(float) override {}

private:
    DelayTime() = default;
};

}
