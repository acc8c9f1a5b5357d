#pragma once
#include "app/Singleton.h"
#include "cocos2d.h"

#include <functional>

class UIText;

// The check of an untried resolution: it names the resolution and counts down
// from 10. E confirms it (written as verified, then the game starts); letting
// the count run out writes the smallest mode, windowed, and ends the program.
class ResolutionVerify : public cocos2d::Node, public Singleton<ResolutionVerify>
{
public:
    // (Re)draws the text with the seconds left.
    void showText();
    void update(float dt) override;
    void onKeyReleased(cocos2d::EventKeyboard::KeyCode key, cocos2d::Event* event);

    // What runs once the resolution is confirmed.
    std::function<void()> onConfirmed;
    int secondsLeft = 10;
    float tickTimer = 1.0f;
    bool confirmed = false;
    UIText* textNode = nullptr;
    cocos2d::LayerColor* flashLayer = nullptr;
    cocos2d::EventListenerKeyboard* keyListener = nullptr;

private:
    friend class Singleton<ResolutionVerify>;
    ResolutionVerify();
    ~ResolutionVerify() override;

    void removeText();
    void removeKeyListener();
};
