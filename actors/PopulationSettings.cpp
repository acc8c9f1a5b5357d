#include "actors/PopulationSettings.h"
#include "actors/CleaningUnit.h"
#include <algorithm>

// Spawning citizens comes with the population's own work.
void PopulationSettings::update()
{
}

void PopulationSettings::resetRun()
{
    spawnedCitizens = 0;
    blimps = 0;
    flyers = 0;
    cleaningDroids.clear();
}

void PopulationSettings::forgetCleanerTarget(const GameObject* object)
{
    for (CleaningUnit* droid : cleaningDroids)
    {
        if (droid->cleaningTarget == object)
            droid->cleaningTarget = nullptr;
    }
}

bool PopulationSettings::isClaimedByCleaner(const GameObject* object) const
{
    return std::any_of(cleaningDroids.begin(), cleaningDroids.end(),
                       [object](const CleaningUnit* droid) { return droid->cleaningTarget == object; });
}

void PopulationSettings::addCleaner(CleaningUnit* droid)
{
    if (droid && std::find(cleaningDroids.begin(), cleaningDroids.end(), droid) == cleaningDroids.end())
        cleaningDroids.push_back(droid);
}

void PopulationSettings::forgetCleaner(const CleaningUnit* droid)
{
    cleaningDroids.erase(std::remove(cleaningDroids.begin(), cleaningDroids.end(), droid), cleaningDroids.end());
}
