#pragma once
#include <string>
#include <vector>

#include "cocos2d.h"

class UIText;

// The console of city events under the police panel: queued lines show one
// after another, each held for four seconds, and the old line fades out
// before the next one shows. Lines are right-aligned and hang down from the
// console's top edge, so a long one never climbs into the panel above.
class UITextConsole : public cocos2d::Node
{
public:
    static constexpr float kHoldSeconds = 4.0f;
    static constexpr float kFadeSeconds = 1.0f;

    // width in pixels; height -1 for no limit.
    static UITextConsole* create(int width, int height);
    ~UITextConsole() override;

    void queueLine(const std::string& text);
    // Once a frame: takes the next line when the hold time is over.
    void update(float dt) override;
    // Removes every line, shown or queued; the console is idle again.
    void clear();
    void showNext();
    void onLineFaded();

    float holdTimer = -1.0f;
    std::vector<UIText*> shownLines;
    std::vector<std::string> queuedLines;
    cocos2d::Size size;

protected:
    UITextConsole(int width, int height);
};
