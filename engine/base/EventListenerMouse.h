#pragma once
#include "base/EventListener.h"
#include "base/EventMouse.h"
#include <functional>

namespace cocos2d {

class EventListenerMouse : public EventListener
{
public:
    static EventListenerMouse* create();

    std::function<void(Event*)> onMouseDown;
    std::function<void(Event*)> onMouseUp;
    std::function<void(Event*)> onMouseMove;
    std::function<void(Event*)> onMouseScroll;

    void onEvent(Event* event) override;

private:
    EventListenerMouse() : EventListener(Type::MOUSE) {}
};

}
