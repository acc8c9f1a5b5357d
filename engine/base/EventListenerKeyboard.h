#pragma once
#include "base/EventKeyboard.h"
#include "base/EventListener.h"
#include <functional>

namespace cocos2d {

class EventListenerKeyboard : public EventListener
{
public:
    static EventListenerKeyboard* create();

    std::function<void(EventKeyboard::KeyCode, Event*)> onKeyPressed;
    std::function<void(EventKeyboard::KeyCode, Event*)> onKeyReleased;

    bool checkAvailable() override { return onKeyPressed || onKeyReleased; }
    void onEvent(Event* event) override;

private:
    EventListenerKeyboard() : EventListener(Type::KEYBOARD) {}
};

}
