#include "actions/CallFuncN.h"

namespace cocos2d {

void CallFuncN::update(float)
{
    invoke(_target);
}

}
