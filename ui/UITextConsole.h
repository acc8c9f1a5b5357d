#pragma once
#include "cocos2d.h"

// The message console at the top right of the screen.
class UITextConsole : public cocos2d::Node
{
public:
    // width in pixels; height -1 for no limit.
    static UITextConsole* create(int width, int height);
    ~UITextConsole() override;

    void update(float dt) override;

protected:
    UITextConsole(int width, int height);
};
