#pragma once
#include "ui/UIInterface.h"

// A HUD panel of the game screen, moved on and off by the interface manager.
// Made with new and handed out autoreleased, like every panel.
class UICopHUD : public UIInterface
{
public:
    UICopHUD();
    ~UICopHUD() override;
};
