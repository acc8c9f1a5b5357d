#include "actors/police/PoliceEscorts.h"
#include "actors/police/PoliceManager.h"

void PoliceEscorts::requestEscort(GameMob* target)
{
    PoliceManager::getInstance()->requestEscort(target);
}

void PoliceEscorts::releaseEscort(GameMob* target)
{
    PoliceManager::getInstance()->releaseEscort(target);
}
