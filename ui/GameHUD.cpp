#include "ui/GameHUD.h"

// The overlay, the panels and the gun animation come with the HUD's own work.
void GameHUD::updateOverlay(float dt)
{
    (void)dt;
}

void GameHUD::refresh(bool full)
{
    (void)full;
}

void GameHUD::playGunAnimation()
{
}

void GameHUD::stopGunAnimation()
{
}
