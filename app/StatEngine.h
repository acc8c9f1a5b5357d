#pragma once
#include "app/Singleton.h"

// Play statistics and the saved game state "gamestate.dat".
class StatEngine : public Singleton<StatEngine>
{
public:
    void loadGameState();

private:
    friend class Singleton<StatEngine>;
    StatEngine() = default;
};
