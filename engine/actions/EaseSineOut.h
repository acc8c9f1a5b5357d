#pragma once
#include "actions/ActionEase.h"

namespace cocos2d {

// Quarter sine wave: slow end.
class EaseSineOut : public ActionEase
{
public:
    static EaseSineOut* create(ActionInterval* action);

protected:
    float ease(float t) const override;

private:
    EaseSineOut() = default;
};

}
