#include "ui/hud/HudSource.h"
#include "actors/Inventory.h"
#include "actors/Player.h"
#include "actors/MobManager.h"
#include "actors/citizens/CitizenRecord.h"
#include "actors/citizens/CitizenRoutine.h"
#include "actors/contracts/Contract.h"
#include "actors/contracts/MissionManager.h"
#include "actors/npc/GameNPC.h"
#include "actors/police/PoliceManager.h"
#include "app/GameInterface.h"
#include "world/ObjectDef.h"
#include "world/WeaponDef.h"

// The readings come from the run's player, the police, the contract manager
// and the actor manager; a reading that has nothing to read (no player, no
// contract, a mob without a record) answers "not known", which keeps its part
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
    const MissionManager* missions = MissionManager::getInstance();
    const Contract* accepted = missions->acceptedContract();
    if (!accepted)
        return std::nullopt;
    ContractReading reading;
    reading.tracked = accepted->tracker;
    reading.target = missions->target();
    if (const GameMob* person = accepted->targetNPC.person())
        reading.targetZone = person->targetZone;
    if (accepted->target)
    {
        reading.targetLook = accepted->target->appearanceId;
        reading.targetName = accepted->target->fullName;
    }
    reading.summary = accepted->getSummaryText(true);
    reading.value = accepted->getValue();
    return reading;
}

GameObject* HudSource::nearestContact() const
{
    return MobManager::getInstance()->nearestContact();
}

bool HudSource::contactNearPlayer() const
{
    return MobManager::getInstance()->isContactNearPlayer();
}

std::vector<GameMob*> HudSource::walkingCitizens() const
{
    return MobManager::getInstance()->groundMobs;
}

GameMob* HudSource::findByCitizenId(int citizenId) const
{
    return MobManager::getInstance()->findByCitizenId(citizenId);
}

std::optional<PersonReading> HudSource::person(const GameMob* mob) const
{
    const auto* npc = dynamic_cast<const GameNPC*>(mob);
    if (!npc || !npc->record)
        return std::nullopt;
    const CitizenRecord& record = *npc->record;
    PersonReading reading;
    reading.citizenId = record.id;
    reading.fullName = record.fullName;
    reading.genderText = record.getGenderText();
    reading.age = record.age;
    reading.smoker = record.smoker;
    reading.paranoid = record.paranoid;
    reading.armed = npc->inventory && npc->inventory->countWeapons() > 0;
    reading.contact = record.contact;
    reading.gang = record.gangMember;
    // The target of the contract in hand, not whoever was once spawned as one:
    // a finished or abandoned job leaves its person an ordinary citizen.
    const int targetId = MissionManager::getInstance()->targetCitizenId();
    reading.contractTarget = targetId != -1 && record.id == targetId;
    if (npc->routine)
    {
        reading.errandActivity = npc->routine->activity;
        reading.goingHome = npc->routine->goingHome;
        reading.activityText = npc->routine->getActivityText();
    }
    return reading;
}
