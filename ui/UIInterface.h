#pragma once
#include "cocos2d.h"

// The base of every panel that the InterfaceManager moves on and off the
// screen. The manager's layout fills in where the panel stands when shown,
// where it waits when hidden and which way it slides; a panel that is never
// registered keeps them all at (0, 0).
//
// Every widget of ui/ (texts, boxes, bars, panels, the HUD's parts) follows
// the engine's convention: it is made with X::create(...), which hands it out
// autoreleased, and a parent retains its children. Constructors are protected
// so that subclasses chain them and nobody news a widget that leaks.
class UIInterface : public cocos2d::Node
{
public:
    // Slide directions; any other value moves out to the fourth off-screen
    // position.
    static constexpr int kNoDirection = 0;
    static constexpr int kLeft = 1;
    static constexpr int kRight = 2;
    static constexpr int kUp = 3;
    static constexpr int kDown = 4;

    static UIInterface* create();

    virtual void show();
    virtual void hide();
    // The base shows and hides at once; the arguments are for panels that
    // animate.
    virtual void showAnimated(float duration, float opacity);
    virtual void hideAnimated(float duration, float opacity);
    // Grows from the hidden position to the shown one, from scale 0 to 1.
    virtual void slideIn(float duration);
    // Shrinks to scale 0 on the way to the hidden position and stays visible.
    virtual void slideOut(float duration);
    virtual void onSlidIn();
    virtual void onSlidOut();

    // Shows the panel and moves it to its shown position with an ease-out.
    void moveIn(float duration);
    // Moves the panel off the screen the way of slideDirection, then hides it.
    // Running actions are left running.
    void moveOut(float duration);

    cocos2d::Vec2 hiddenPosition;
    cocos2d::Vec2 shownPosition;
    cocos2d::Vec2 offScreenPositions[4];
    int slideDirection = kNoDirection;

protected:
    UIInterface();

private:
    const cocos2d::Vec2& moveOutTarget() const;
};
