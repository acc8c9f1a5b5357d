#pragma once
#include "app/Singleton.h"

// Crimes, suspects, alerts and the police droids' dispatch.
class PoliceManager : public Singleton<PoliceManager>
{
public:
    void update(float dt);

private:
    friend class Singleton<PoliceManager>;
    PoliceManager() = default;
};
