#include "actions/EaseRateAction.h"

namespace cocos2d {

bool EaseRateAction::initWithAction(ActionInterval* action, float rate)
{
    _rate = rate;
    return ActionEase::initWithAction(action);
}

}
