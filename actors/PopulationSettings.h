#pragma once
#include "app/Singleton.h"
#include <cstdint>
#include <unordered_set>
#include <vector>

class CleaningUnit;
class GameObject;

// The zone's population spawner and the head counts of the city's actors:
// the citizens it made, advert blimps, ambient flyers and cleaning droids.
// Once a frame it tops up the contacts, the citizens (to the zone's
// "citizencount") and the robots, one robot of each kind per frame.
class PopulationSettings : public Singleton<PopulationSettings>
{
public:
    static constexpr int kCleaningDroids = 3;
    static constexpr int kBlimps = 1;
    static constexpr int kFlyers = 3;

    // A zone is loaded: its citizen target, and the first fill ahead.
    void beginZone(int zoneCitizenCount);
    // The spawner's per-frame step.
    void update();
    // A run starts in an emptied city: nothing is counted any more.
    void resetRun();
    // A walker the spawner made counts towards the citizen target until it
    // leaves the game (dies or is removed): each such walker is counted off once.
    void countCitizen(const GameObject* citizen);
    void citizenLeft(const GameObject* walker);
    // Every cleaning droid whose target is the object lets go of it.
    void forgetCleanerTarget(const GameObject* object);
    bool isClaimedByCleaner(const GameObject* object) const;
    // A cleaning droid joins the list (once, however often it is added).
    void addCleaner(CleaningUnit* droid);
    // A cleaning droid leaves the game: the list forgets it.
    void forgetCleaner(const CleaningUnit* droid);

    int32_t citizenCount = 50;
    int32_t spawnedCitizens = 0;
    int32_t blimps = 0;
    int32_t flyers = 0;
    int32_t gangKills = 0;
    // Until the first update has run, contacts may appear in view of the camera.
    bool firstFill = true;
    // Not owned: the actor manager owns the droids.
    std::vector<CleaningUnit*> cleaningDroids;

private:
    friend class Singleton<PopulationSettings>;
    PopulationSettings() = default;

    void topUpContacts();
    void topUpCitizens();
    void topUpRobots();

    std::unordered_set<const GameObject*> countedCitizens;
};
