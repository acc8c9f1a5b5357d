#pragma once
#include "actions/EaseRateAction.h"

namespace cocos2d {

// Ends slowly: t to the power of 1 / rate.
class EaseOut : public EaseRateAction
{
public:
    static EaseOut* create(ActionInterval* action, float rate);

protected:
    float ease(float t) const override;

private:
    EaseOut() = default;
};

}
