#pragma once
#include "app/Singleton.h"

// The description of the citizen under the mouse while no run is in progress.
class HoverInfo : public Singleton<HoverInfo>
{
public:
    void update(float dt);

private:
    friend class Singleton<HoverInfo>;
    HoverInfo() = default;
};
