#include "ui/UIUnlockBar.h"

UIUnlockBar* UIUnlockBar::create()
{
    auto* bar = new UIUnlockBar();
    bar->autorelease();
    return bar;
}

UIUnlockBar::UIUnlockBar()
{
    init();
}

UIUnlockBar::~UIUnlockBar() = default;

// Drawing the notice comes with the bar's own work.
void UIUnlockBar::showNext()
{
}
