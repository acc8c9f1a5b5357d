#pragma once
#include "actions/EaseRateAction.h"

namespace cocos2d {

// Starts slowly: t to the power of the rate.
class EaseIn : public EaseRateAction
{
public:
    static EaseIn* create(ActionInterval* action, float rate);

protected:
    float ease(float t) const override;

private:
    EaseIn() = default;
};

}
