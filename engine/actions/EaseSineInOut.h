#pragma once
#include "actions/ActionEase.h"

namespace cocos2d {

// Half cosine wave: slow start and end.
class EaseSineInOut : public ActionEase
{
public:
    static EaseSineInOut* create(ActionInterval* action);

protected:
    float ease(float t) const override;

private:
    EaseSineInOut() = default;
};

}
