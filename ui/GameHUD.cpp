#include "ui/GameHUD.h"

// The overlay comes with the HUD's own work.
void GameHUD::updateOverlay(float dt)
{
    (void)dt;
}
