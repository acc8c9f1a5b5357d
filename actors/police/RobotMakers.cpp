#include "actors/police/RobotMakers.h"
#include "actors/MobManager.h"
#include "actors/police/AdBlimp.h"
#include "actors/police/CleanerDroid.h"
#include "actors/police/Flyer.h"
#include "actors/police/PoliceDroid.h"

void registerRobotMakers()
{
    MobManager::ActorMakers& makers = MobManager::getInstance()->makers;
    makers.flyer = [](int destinationSide) -> FlyingMob* { return new Flyer(destinationSide); };
    makers.blimp = [](int destinationSide) -> FlyingMob* { return new AdBlimp(destinationSide); };
    makers.policeDroid = []() -> FlyingMob* { return new PoliceDroid(); };
    makers.cleanerDroid = []() -> FlyingMob* { return new CleanerDroid(); };
}
