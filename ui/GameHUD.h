#pragma once
#include "app/Singleton.h"

// The HUD's minimap, tracker and overlays.
class GameHUD : public Singleton<GameHUD>
{
public:
    // The per-frame HUD overlay.
    void updateOverlay(float dt);
    // Redraws what changed (money, weapon, inventory, contract, police); with
    // full set, every panel.
    void refresh(bool full);
    // The gun's charge animation while a weapon warms up, and its end.
    void playGunAnimation();
    void stopGunAnimation();

private:
    friend class Singleton<GameHUD>;
    GameHUD() = default;
};
