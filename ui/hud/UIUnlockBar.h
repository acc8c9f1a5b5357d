#pragma once
#include "cocos2d.h"

#include <deque>
#include <string>

class UIText;

// The bar that announces unlocks one after the other: it slides down from
// the top edge, holds its notice and slides back up, four seconds in all.
class UIUnlockBar : public cocos2d::Node
{
public:
    static constexpr float kHoldSeconds = 4.0f;

    struct Notice
    {
        std::string image;
        std::string text;
        std::string sound;
    };

    static UIUnlockBar* create();
    ~UIUnlockBar() override;

    void queueUnlock(const std::string& image, const std::string& text, const std::string& sound);
    // Once a frame while notices are queued: the next one every four seconds.
    void advance(float dt);
    // Shows the first queued notice.
    void showNext();
    // The notice has slid out: its icon and background hide.
    void onSlideOutDone();

    std::deque<Notice> queue;
    // Seconds the shown notice still stays; -1 when ready for the next.
    float timer = -1.0f;
    cocos2d::Sprite* icon = nullptr;
    cocos2d::Sprite* background = nullptr;
    UIText* text = nullptr;

protected:
    UIUnlockBar();

private:
    void showIcon(const std::string& image);
    void slide();
};
