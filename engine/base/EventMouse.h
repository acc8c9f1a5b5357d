#pragma once
#include "base/Event.h"

namespace cocos2d {

// A mouse action. The cursor position is in window (frame) pixels with the
// origin at the BOTTOM-left: x as the window reports it, y = frame height -
// the window's y. Dividing by the view's scale gives design units with y up,
// which is how the game places its cursor sprite. The button is GLFW's number
// (0 left, 1 right, 2 middle). Scroll data is (dx, -dy) of the wheel.
class EventMouse : public Event
{
public:
    enum class MouseEventType { MOUSE_NONE, MOUSE_DOWN, MOUSE_UP, MOUSE_MOVE, MOUSE_SCROLL };

    explicit EventMouse(MouseEventType mouseEventCode) : Event(Type::MOUSE), _mouseEventType(mouseEventCode) {}

    MouseEventType getMouseEventType() const { return _mouseEventType; }
    void setCursorPosition(float x, float y) { _x = x; _y = y; }
    float getCursorX() const { return _x; }
    float getCursorY() const { return _y; }
    void setMouseButton(int button) { _mouseButton = button; }
    int getMouseButton() const { return _mouseButton; }
    void setScrollData(float scrollX, float scrollY) { _scrollX = scrollX; _scrollY = scrollY; }
    float getScrollX() const { return _scrollX; }
    float getScrollY() const { return _scrollY; }

private:
    MouseEventType _mouseEventType;
    int _mouseButton = 0;
    float _x = 0.0f;
    float _y = 0.0f;
    float _scrollX = 0.0f;
    float _scrollY = 0.0f;
};

}
