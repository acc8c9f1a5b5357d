#pragma once
#include "app/Singleton.h"
#include <cstdint>
#include <vector>

class CleaningUnit;
class GameObject;

// The citizen spawner and the head counts of the city's actors: citizens,
// advert blimps, ambient flyers and the cleaning droids it made.
class PopulationSettings : public Singleton<PopulationSettings>
{
public:
    // The spawner's per-frame step.
    void update();
    // A run starts in an emptied city: nothing is counted any more.
    void resetRun();
    // Every cleaning droid whose target is the object lets go of it.
    void forgetCleanerTarget(const GameObject* object);
    bool isClaimedByCleaner(const GameObject* object) const;
    // A cleaning droid joins the list (once, however often it is added).
    void addCleaner(CleaningUnit* droid);
    // A cleaning droid leaves the game: the list forgets it.
    void forgetCleaner(const CleaningUnit* droid);

    int32_t spawnedCitizens = 0;
    int32_t blimps = 0;
    int32_t flyers = 0;
    // Not owned: the actor manager owns the droids.
    std::vector<CleaningUnit*> cleaningDroids;

private:
    friend class Singleton<PopulationSettings>;
    PopulationSettings() = default;
};
