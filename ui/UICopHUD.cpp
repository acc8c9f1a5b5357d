#include "ui/UICopHUD.h"

// The panel's frame and contents come with the HUD's own work.
UICopHUD* UICopHUD::create()
{
    auto* panel = new UICopHUD();
    panel->autorelease();
    return panel;
}

UICopHUD::UICopHUD() = default;

UICopHUD::~UICopHUD() = default;
