#pragma once
#include "app/Singleton.h"
#include "cocos2d.h"

#include <string>

class UIText;

// The credits, opened from the main menu: a black backdrop fades in and the
// credits scroll up from below the screen until their last line stands near
// the top, where they stay until E closes them. One node for the whole run;
// the singleton holds its own reference.
class CreditScreen : public cocos2d::Node, public Singleton<CreditScreen>
{
public:
    static constexpr float kScrollSeconds = 56.0f;
    static constexpr float kScrollDelay = 1.5f;

    void show();
    // Back to the menu.
    void close();
    // Removes the text and the backdrop and stops the music.
    void clear();
    bool isShowing() const { return text != nullptr; }

    // The whole credits text, 44 lines in the colour mark-up.
    static std::string creditsText();

    int musicHandle = -1;
    UIText* text = nullptr;
    cocos2d::LayerColor* backdrop = nullptr;

private:
    friend class Singleton<CreditScreen>;
    CreditScreen();
};
