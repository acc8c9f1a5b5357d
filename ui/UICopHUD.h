#pragma once
#include "ui/UIInterface.h"

// A HUD panel of the game screen, moved on and off by the interface manager.
class UICopHUD : public UIInterface
{
public:
    static UICopHUD* create();
    ~UICopHUD() override;

protected:
    UICopHUD();
};
