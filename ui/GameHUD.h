#pragma once
#include "app/Singleton.h"

// The HUD's minimap, tracker and overlays.
class GameHUD : public Singleton<GameHUD>
{
public:
    // The per-frame HUD overlay.
    void updateOverlay(float dt);

private:
    friend class Singleton<GameHUD>;
    GameHUD() = default;
};
