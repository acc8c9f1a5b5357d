#include "base/EventListenerMouse.h"

namespace cocos2d {

EventListenerMouse* EventListenerMouse::create()
{
    auto* listener = new EventListenerMouse();
    listener->autorelease();
    return listener;
}

void EventListenerMouse::onEvent(Event* event)
{
    auto* mouse = static_cast<EventMouse*>(event);
    const std::function<void(Event*)>* callback = nullptr;
    switch (mouse->getMouseEventType())
    {
    case EventMouse::MouseEventType::MOUSE_DOWN: callback = &onMouseDown; break;
    case EventMouse::MouseEventType::MOUSE_UP: callback = &onMouseUp; break;
    case EventMouse::MouseEventType::MOUSE_MOVE: callback = &onMouseMove; break;
    case EventMouse::MouseEventType::MOUSE_SCROLL: callback = &onMouseScroll; break;
    case EventMouse::MouseEventType::MOUSE_NONE: break;
    }
    if (callback && *callback)
        (*callback)(event);
}

}
