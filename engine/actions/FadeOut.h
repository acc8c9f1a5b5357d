#pragma once
#include "actions/FadeTo.h"

namespace cocos2d {

// Fades from the node's opacity now to 0.
class FadeOut : public FadeTo
{
public:
    static FadeOut* create(float duration);

private:
    FadeOut() = default;
};

}
