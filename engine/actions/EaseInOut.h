#pragma once
#include "actions/EaseRateAction.h"

namespace cocos2d {

// Starts and ends slowly, symmetric around the middle.
class EaseInOut : public EaseRateAction
{
public:
    static EaseInOut* create(ActionInterval* action, float rate);

protected:
    float ease(float t) const override;

private:
    EaseInOut() = default;
};

}
