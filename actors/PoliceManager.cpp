#include "actors/PoliceManager.h"

// Crime scenes and alerts come with the police's own work.
void PoliceManager::update(float dt)
{
    (void)dt;
}
