#pragma once

namespace cocos2d {

class Node;

// Something that happened (a key, a mouse action) handed to listeners by the
// EventDispatcher.
class Event
{
public:
    enum class Type { TOUCH, KEYBOARD, ACCELERATION, MOUSE, CUSTOM };

    explicit Event(Type type) : _type(type) {}
    virtual ~Event() = default;

    Type getType() const { return _type; }
    // Listeners after the current one do not see this event.
    void stopPropagation() { _isStopped = true; }
    bool isStopped() const { return _isStopped; }
    // The node of the listener now being called (null for fixed priority).
    Node* getCurrentTarget() const { return _currentTarget; }
    void setCurrentTarget(Node* target) { _currentTarget = target; }

private:
    Type _type;
    bool _isStopped = false;
    Node* _currentTarget = nullptr;
};

}
