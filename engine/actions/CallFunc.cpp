#include "actions/CallFunc.h"

namespace cocos2d {

void CallFunc::update(float)
{
    if (_function)
        _function();
    else if (_selectorTarget && _selector)
        (_selectorTarget->*_selector)();
}

}
