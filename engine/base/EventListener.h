#pragma once
#include "base/Ref.h"

namespace cocos2d {

class Event;
class Node;

// Base of the keyboard and mouse listeners. The EventDispatcher keeps one
// reference to every registered listener.
class EventListener : public Ref
{
public:
    enum class Type { UNKNOWN, TOUCH_ONE_BY_ONE, TOUCH_ALL_AT_ONCE, KEYBOARD, MOUSE, ACCELERATION, CUSTOM };

    Type getType() const { return _type; }
    void setEnabled(bool enabled) { _isEnabled = enabled; }
    bool isEnabled() const { return _isEnabled; }
    virtual bool checkAvailable() { return true; }

    // Calls this listener's callback for the event (of its own type).
    virtual void onEvent(Event* event) = 0;

    // Dispatcher bookkeeping.
    bool isRegistered() const { return _isRegistered; }
    void setRegistered(bool registered) { _isRegistered = registered; }
    bool isPaused() const { return _paused; }
    void setPaused(bool paused) { _paused = paused; }
    int getFixedPriority() const { return _fixedPriority; }
    void setFixedPriority(int priority) { _fixedPriority = priority; }
    Node* getAssociatedNode() const { return _node; }
    void setAssociatedNode(Node* node) { _node = node; }

protected:
    explicit EventListener(Type type) : _type(type) {}

private:
    Type _type;
    bool _isEnabled = true;
    bool _isRegistered = false;
    bool _paused = false;
    int _fixedPriority = 0;
    Node* _node = nullptr;
};

}
