#include "app/StatEngine.h"

// Reading "gamestate.dat" comes with the statistics' own work.
void StatEngine::loadGameState()
{
}
