#pragma once
#include "app/Singleton.h"

// The citizen spawner.
class PopulationSettings : public Singleton<PopulationSettings>
{
public:
    // The spawner's per-frame step.
    void update();

private:
    friend class Singleton<PopulationSettings>;
    PopulationSettings() = default;
};
