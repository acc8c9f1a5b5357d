#pragma once
#include "app/Singleton.h"

// The contract board and the accepted contract.
class MissionManager : public Singleton<MissionManager>
{
public:
    void update(float dt);

private:
    friend class Singleton<MissionManager>;
    MissionManager() = default;
};
