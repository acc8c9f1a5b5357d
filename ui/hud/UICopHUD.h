#pragma once
#include <string>

#include "ui/UIInterface.h"

class UIText;

// The top-right HUD panel: the police badge (calm, or alarmed and flashing),
// how many droids pursue the player out of how many exist, and the police
// level. The HUD and the police write its fields and call update, which
// rebuilds the whole panel.
class UICopHUD : public UIInterface
{
public:
    static UICopHUD* create();
    ~UICopHUD() override;

    // Rebuilds the badge and the text from the fields.
    using UIInterface::update;
    void update();
    // Plays frames 1 to frameCount of the format on the badge over duration
    // seconds, once or for ever.
    void runAnimation(int frameCount, bool forever, const std::string& format, float duration);
    // Removes the badge and the text.
    void cleanup() override;

    // The text of a police level, 0 to 5; a level outside reads as the
    // nearest one.
    static const char* levelName(int level);

    cocos2d::Sprite* badge = nullptr;
    bool alert = false;
    int droidCount = 0;
    int pursuingCount = 0;
    int policeLevel = 0;
    UIText* text = nullptr;

protected:
    UICopHUD();
};
