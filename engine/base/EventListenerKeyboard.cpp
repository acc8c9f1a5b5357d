#include "base/EventListenerKeyboard.h"

namespace cocos2d {

EventListenerKeyboard* EventListenerKeyboard::create()
{
    auto* listener = new EventListenerKeyboard();
    listener->autorelease();
    return listener;
}

void EventListenerKeyboard::onEvent(Event* event)
{
    auto* key = static_cast<EventKeyboard*>(event);
    if (key->isPressed())
    {
        if (onKeyPressed)
            onKeyPressed(key->getKeyCode(), event);
    }
    else if (onKeyReleased)
    {
        onKeyReleased(key->getKeyCode(), event);
    }
}

}
