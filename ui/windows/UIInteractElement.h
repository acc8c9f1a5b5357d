#pragma once
#include <functional>

// The navigation side of a widget that is driven by keys and the game pad
// rather than the mouse: move the selection, select, go back, and a first look
// at every key. One element at a time has the focus and receives the released
// keys and newly pressed pad buttons before the game does.
//
// Mixed into widgets as a second base. A new element takes the focus at once;
// owners clear it when they close their widget, and an element that goes
// while it has the focus gives it up.
class UIInteractElement
{
public:
    virtual ~UIInteractElement();

    // The defaults call the matching callback when one is set.
    virtual void moveSelection(int delta);
    virtual void select();
    virtual void back();
    // A first look at a released key; true when the element consumed it.
    virtual bool handleKey(int keyCode);

    // A released key for the focused element: handleKey first, then the
    // navigation keys (up/W, down/S, enter/E, escape/Q).
    static void dispatchKey(int keyCode);
    // A newly pressed pad button: 0 up, 1 down, 11 select, 12 back.
    static void dispatchButton(int button);

    // The element with the focus; null when none has it.
    static UIInteractElement* focusedElement;

    std::function<void(int)> onMove;
    std::function<void()> onSelect;
    std::function<void()> onBack;

protected:
    UIInteractElement();
};
