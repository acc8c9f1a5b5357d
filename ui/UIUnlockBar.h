#pragma once
#include "cocos2d.h"

#include <deque>
#include <string>

// The bar that announces unlocks one after the other. The game driver takes a
// queued notice every few seconds and asks the bar to show it.
class UIUnlockBar : public cocos2d::Node
{
public:
    struct Notice
    {
        std::string image;
        std::string text;
        std::string sound;
    };

    static UIUnlockBar* create();
    ~UIUnlockBar() override;

    // Shows the next queued notice.
    void showNext();

    std::deque<Notice> queue;
    // Seconds the shown notice still stays; -1 when ready for the next.
    float timer = -1.0f;

protected:
    UIUnlockBar();
};
