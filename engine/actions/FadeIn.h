#pragma once
#include "actions/FadeTo.h"

namespace cocos2d {

// Fades from the node's opacity now to 255.
class FadeIn : public FadeTo
{
public:
    static FadeIn* create(float duration);

private:
    FadeIn() = default;
};

}
