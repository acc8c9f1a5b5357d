#pragma once
#include "ui/UIInterface.h"

// A HUD panel of the game screen, moved on and off by the interface manager.
class UIMainHUD : public UIInterface
{
public:
    static UIMainHUD* create();
    ~UIMainHUD() override;

protected:
    UIMainHUD();
};
