#include "actions/CallFunc.h"

namespace cocos2d {

void CallFunc::update(float)
{
    invoke();
}

}
