#include "ui/hud/HudSource.h"
#include "actors/police/PoliceManager.h"

// The readings the actors and the contracts have not handed the HUD yet
// answer "not known", which keeps their part of the HUD empty. Each body is
// where its owner's reading goes.

HudSource::~HudSource() = default;

std::optional<int> HudSource::credits() const
{
    return std::nullopt; // the Player's credits
}

std::optional<WeaponReading> HudSource::weapon() const
{
    return std::nullopt; // the Player's held weapon, its WeaponDef and the inventory's spare rounds
}

std::optional<int> HudSource::carriedCount(int definitionId) const
{
    (void)definitionId;
    return std::nullopt; // Inventory::countOf
}

std::optional<ItemReading> HudSource::takeItemChange()
{
    return std::nullopt; // the inventory's changed flag and selected secondary item
}

std::optional<PoliceReading> HudSource::police() const
{
    const PoliceManager* police = PoliceManager::getInstance();
    PoliceReading reading;
    reading.droids = static_cast<int>(police->getDroids().size());
    reading.pursuing = police->countPursuingDroids();
    reading.pursued = police->isPursued();
    reading.playerInSight = police->isPlayerInSight();
    reading.scanProgress = police->playerScanProgress;
    reading.level = police->policeLevel;
    return reading;
}

std::optional<ContractReading> HudSource::contract() const
{
    return std::nullopt; // MissionManager's accepted contract
}

GameObject* HudSource::nearestContact() const
{
    return nullptr; // MobManager::nearestContact
}

bool HudSource::contactNearPlayer() const
{
    return false; // MobManager::isContactNearPlayer
}

std::vector<GameMob*> HudSource::walkingCitizens() const
{
    return {}; // MobManager's walking NPCs
}

GameMob* HudSource::findByCitizenId(int citizenId) const
{
    (void)citizenId;
    return nullptr; // MobManager::findByCitizenId
}

std::optional<PersonReading> HudSource::person(const GameMob* mob) const
{
    (void)mob;
    return std::nullopt; // the mob's CitizenRecord and errand
}
