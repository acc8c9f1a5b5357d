#pragma once
#include "actions/ActionEase.h"

namespace cocos2d {

// An ease with a rate (the power of its curve).
class EaseRateAction : public ActionEase
{
public:
    float getRate() const { return _rate; }
    void setRate(float rate) { _rate = rate; }

protected:
    EaseRateAction() = default;
    bool initWithAction(ActionInterval* action, float rate);
    float _rate = 1.0f;
};

}
