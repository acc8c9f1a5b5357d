#pragma once
#include "actions/ActionEase.h"

namespace cocos2d {

// Quarter sine wave: slow start.
class EaseSineIn : public ActionEase
{
public:
    static EaseSineIn* create(ActionInterval* action);

protected:
    float ease(float t) const override;

private:
    EaseSineIn() = default;
};

}
