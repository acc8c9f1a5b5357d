#include "ui/hud/HudSource.h"
#include "actors/Inventory.h"
#include "actors/Player.h"
#include "actors/police/PoliceManager.h"
#include "app/GameInterface.h"
#include "world/ObjectDef.h"
#include "world/WeaponDef.h"

// The player's readings come from the run's player; a reading whose owner
// has not handed it to the HUD yet answers "not known", which keeps its part
// of the HUD empty.

HudSource::~HudSource() = default;

std::optional<int> HudSource::credits() const
{
    const Player* player = GameInterface::getInstance()->player;
    if (!player)
        return std::nullopt;
    return player->credits;
}

std::optional<WeaponReading> HudSource::weapon() const
{
    const Player* player = GameInterface::getInstance()->player;
    const WeaponDef* def = player ? player->weapon() : nullptr;
    if (!def)
        return std::nullopt;
    WeaponReading reading;
    reading.image = def->filename;
    reading.rounds = player->currentWeapon->roundsLoaded;
    reading.magazine = def->maxrounds;
    reading.spare = player->inventory->spareAmmo;
    reading.warmingUp = player->warmupTimer > 0.0f;
    reading.recharges = def->recharge != -1.0f;
    reading.ammoless = def->ammoless;
    reading.ammunitionCarried = player->inventory->countOf(def->projectileclass);
    return reading;
}

std::optional<int> HudSource::carriedCount(int definitionId) const
{
    const Player* player = GameInterface::getInstance()->player;
    if (!player)
        return std::nullopt;
    return player->inventory->countOf(definitionId);
}

std::optional<ItemReading> HudSource::takeItemChange()
{
    const Player* player = GameInterface::getInstance()->player;
    if (!player || !player->inventory->changed)
        return std::nullopt;
    player->inventory->changed = false;
    ItemReading reading;
    if (const GameObject* item = player->secondaryItem; item && item->def)
    {
        reading.id = item->def->id;
        reading.count = player->inventory->countOf(reading.id);
    }
    return reading;
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
