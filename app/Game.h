#pragma once
#include "cocos2d.h"

// The one layer of the one scene: every world, HUD and screen node hangs under
// it. It starts the game driver, at once or after the resolution check, and
// hands the engine's frame on to it.
class Game : public cocos2d::Layer
{
public:
    CREATE_FUNC(Game);
    ~Game() override;

    bool init() override;
    void startGame();
    void update(float dt) override;
};
