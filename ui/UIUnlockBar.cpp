#include "ui/UIUnlockBar.h"

UIUnlockBar::UIUnlockBar()
{
    init();
    autorelease();
}

UIUnlockBar::~UIUnlockBar() = default;

// Drawing the notice comes with the bar's own work.
void UIUnlockBar::showNext()
{
}
