#include "actions/CallFuncN.h"

namespace cocos2d {

void CallFuncN::update(float)
{
    if (_function)
        _function(_target);
    else if (_selectorTarget && _selector)
        (_selectorTarget->*_selector)(_target);
}

}
