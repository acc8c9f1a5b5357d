#pragma once
#include "actions/Action.h"

namespace cocos2d {

class FiniteTimeAction : public Action
{
public:
    float getDuration() const { return _duration; }
    void setDuration(float duration) { _duration = duration; }

protected:
    FiniteTimeAction() = default;
    float _duration = 0.0f;
};

}
