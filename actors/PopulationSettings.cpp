#include "actors/PopulationSettings.h"

// Spawning citizens comes with the population's own work.
void PopulationSettings::update()
{
}
