#include "actions/Show.h"
#include "2d/Node.h"

namespace cocos2d {

Show* Show::create()
{
    auto* action = new Show();
    action->autorelease();
    return action;
}

void Show::update(float)
{
    if (_target)
        _target->setVisible(true);
}

}
