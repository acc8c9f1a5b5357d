#include "ui/UIMainHUD.h"

// The panel's frame and contents come with the HUD's own work.
UIMainHUD* UIMainHUD::create()
{
    auto* panel = new UIMainHUD();
    panel->autorelease();
    return panel;
}

UIMainHUD::UIMainHUD() = default;

UIMainHUD::~UIMainHUD() = default;
