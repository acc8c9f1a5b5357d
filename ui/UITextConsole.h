#pragma once
#include "cocos2d.h"

// The message console at the top right of the screen. Made with new and handed
// out autoreleased.
class UITextConsole : public cocos2d::Node
{
public:
    // width in pixels; height -1 for no limit.
    UITextConsole(int width, int height);
    ~UITextConsole() override;

    void update(float dt) override;
};
