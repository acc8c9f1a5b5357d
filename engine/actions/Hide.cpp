#include "actions/Hide.h"
#include "2d/Node.h"

namespace cocos2d {

Hide* Hide::create()
{
    auto* action = new Hide();
    action->autorelease();
    return action;
}

void Hide::update(float)
{
    if (_target)
        _target->setVisible(false);
}

}
