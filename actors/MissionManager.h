#pragma once
#include "app/Singleton.h"

class GameMob;

// The contract board and the accepted contract.
class MissionManager : public Singleton<MissionManager>
{
public:
    void update(float dt);
    // The accepted contract fails: 0 the target left the area, anything else
    // its body was found. The target is forgotten.
    void failContract(int reason);
    // The accepted contract's target citizen id, -1 without one; and whether
    // that contract gives the target a tracker.
    int targetCitizenId() const;
    bool targetHasTracker() const;

    // The accepted contract's target spawned in the city; not owned.
    GameMob* target = nullptr;

private:
    friend class Singleton<MissionManager>;
    MissionManager() = default;
};
