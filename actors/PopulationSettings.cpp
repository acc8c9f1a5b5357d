#include "actors/PopulationSettings.h"
#include "actors/CleaningUnit.h"
#include "actors/FlyingMob.h"
#include "actors/GameMob.h"
#include "actors/MobManager.h"
#include "actors/contracts/MissionManager.h"
#include "app/GameInterface.h"
#include "ui/hud/GameHUD.h"
#include "world/WorldMap.h"
#include <algorithm>
#include <cstdlib>

void PopulationSettings::beginZone(int zoneCitizenCount)
{
    citizenCount = zoneCitizenCount;
    firstFill = true;
    gangKills = 0;
}

void PopulationSettings::update()
{
    topUpContacts();
    firstFill = false;
    topUpCitizens();
    topUpRobots();
}

void PopulationSettings::topUpContacts()
{
    MobManager* mobs = MobManager::getInstance();
    WorldMap* map = WorldMap::getInstance();
    if (mobs->countLivingContacts() >= GameInterface::getInstance()->contactcount)
        return;
    // After the first fill a contact never appears before the player's eyes.
    if (!firstFill && map->isContactMarkerNearCamera())
        return;
    const cocos2d::Vec2 position = map->randomSpawnPosition(false, -1);
    if (position == WorldMap::None || !mobs->spawnMob(MobContact, nullptr, position))
        return;
    // With no contract to track, the tracker may point at the new contact.
    if (!MissionManager::getInstance()->target())
        GameHUD::getInstance()->refresh(true);
}

void PopulationSettings::topUpCitizens()
{
    MobManager* mobs = MobManager::getInstance();
    WorldMap* map = WorldMap::getInstance();
    while (spawnedCitizens < citizenCount)
    {
        // A map without spawn markers, or a kind nobody makes, gives up until the next frame.
        const cocos2d::Vec2 position = map->randomSpawnPosition(false, -1);
        if (position == WorldMap::None)
            return;
        GameMob* citizen = mobs->spawnMob(MobCitizen, nullptr, position);
        if (!citizen)
            return;
        countCitizen(citizen);
    }
}

void PopulationSettings::topUpRobots()
{
    MobManager* mobs = MobManager::getInstance();
    if (cleaningDroids.size() < static_cast<size_t>(kCleaningDroids))
    {
        const cocos2d::Vec2 point = WorldMap::getInstance()->randomOffscreenPoint();
        FlyingMob* made = point == WorldMap::None ? nullptr : mobs->spawnCleanerDroid(point);
        CleaningUnit* droid = dynamic_cast<CleaningUnit*>(made);
        if (droid && std::find(cleaningDroids.begin(), cleaningDroids.end(), droid) == cleaningDroids.end())
            cleaningDroids.push_back(droid);
    }
    // The counts grow only with a robot made: a kind nobody makes stays at 0.
    if (blimps < kBlimps && mobs->spawnAdBlimp(rand() % 4 + 1))
        blimps += 1;
    if (flyers < kFlyers && mobs->spawnFlyer(rand() % 4 + 1))
        flyers += 1;
}

void PopulationSettings::countCitizen(const GameObject* citizen)
{
    if (citizen && countedCitizens.insert(citizen).second)
        spawnedCitizens += 1;
}

void PopulationSettings::citizenLeft(const GameObject* walker)
{
    if (countedCitizens.erase(walker) > 0)
        spawnedCitizens -= 1;
}

void PopulationSettings::resetRun()
{
    // The new run's city is filled from nothing: its contacts too, wherever
    // the camera stands (a run starts in sight of a contact's corner).
    firstFill = true;
    spawnedCitizens = 0;
    blimps = 0;
    flyers = 0;
    cleaningDroids.clear();
}

void PopulationSettings::forgetCleanerTarget(const GameObject* object)
{
    for (CleaningUnit* droid : cleaningDroids)
    {
        if (droid->cleaningTarget == object)
            droid->cleaningTarget = nullptr;
    }
}

bool PopulationSettings::isClaimedByCleaner(const GameObject* object) const
{
    return std::any_of(cleaningDroids.begin(), cleaningDroids.end(),
                       [object](const CleaningUnit* droid) { return droid->cleaningTarget == object; });
}

void PopulationSettings::addCleaner(CleaningUnit* droid)
{
    if (droid && std::find(cleaningDroids.begin(), cleaningDroids.end(), droid) == cleaningDroids.end())
        cleaningDroids.push_back(droid);
}

void PopulationSettings::forgetCleaner(const CleaningUnit* droid)
{
    cleaningDroids.erase(std::remove(cleaningDroids.begin(), cleaningDroids.end(), droid), cleaningDroids.end());
}
