// The dealer's board: its upkeep and the making and pricing of contracts.
#include "actors/contracts/MissionManager.h"

#include "actors/citizens/CitizenRecord.h"
#include "actors/contracts/Contract.h"
#include "app/Achievements.h"
#include "app/Geometry.h"
#include "world/GameData.h"

#include <cstdlib>

namespace {

// The eight looks a contract target can have.
constexpr int kFirstTargetLook = 3014;
constexpr int kTargetLooks = 8;
constexpr float kArmedTargetTrait = 80.0f;
constexpr float kUnarmedTargetTrait = 40.0f;

// The unlocks that open each condition.
enum ConditionUnlock : int32_t {
    KnowsYourFace = 2001,
    BodyguardUnlock = 2005,
    PoliceEscortUnlock = 2011,
    MustHideBodyUnlock = 2018,
    ParanoidUnlock = 2032,
    ArmedUnlock = 2033,
    TheftUnlock = 2034,
};

bool unlocked(int32_t id)
{
    return Achievements::getInstance()->isUnlocked(id);
}

// One pass of condition draws; what a pass sets stays set. A bodyguard drawn
// in this pass keeps the police away in this pass only.
void drawPass(Contract& contract, int zone)
{
    if (rand() % 4 == 0)
        contract.urgent = 1;
    contract.tracker = true;
    if (zone > 1 && unlocked(KnowsYourFace) && coinFlip())
        contract.knowsplayer = true;
    if (unlocked(ArmedUnlock) && coinFlip())
        contract.armed = true;
    bool guardDrawn = false;
    if (zone > 0 && unlocked(BodyguardUnlock) && coinFlip())
    {
        contract.bodyguard = true;
        guardDrawn = true;
    }
    if (!guardDrawn && zone > 1 && unlocked(PoliceEscortUnlock) && coinFlip())
        contract.policeescort = true;
    if (unlocked(ParanoidUnlock) && coinFlip())
        contract.paranoid = true;
    if (zone > 0 && unlocked(TheftUnlock) && coinFlip())
        contract.kind = Contract::Steal;
    if (unlocked(MustHideBodyUnlock) && contract.kind != Contract::Steal && coinFlip())
        contract.musthidebody = true;
}

// Only the tracker: the board's plain job.
void makePlain(Contract& contract)
{
    contract.urgent = 0;
    contract.musthidebody = false;
    contract.knowsplayer = false;
    contract.paranoid = false;
    contract.armed = false;
    contract.bodyguard = false;
    contract.policeescort = false;
    contract.kind = Contract::Assassinate;
    contract.tracker = true;
}

}  // namespace

void MissionManager::update(float dt)
{
    if (!contracts.empty())
    {
        refreshTimer += dt;
        if (refreshTimer > kBoardLifetime)
        {
            refreshTimer -= kBoardLifetime;
            clearContracts();
        }
    }
    const size_t slots = static_cast<size_t>(Achievements::getInstance()->contractSlots());
    while (contracts.size() < slots)
        generateContract();
}

void MissionManager::generateContract()
{
    auto* record = new CitizenRecord(false);
    record->appearanceId = kFirstTargetLook + rand() % kTargetLooks;
    auto* contract = new Contract(record);
    makePlain(*contract);
    if (hasPlainContract())
        drawConditions(*contract);
    record->armedTrait = contract->armed ? kArmedTargetTrait : kUnarmedTargetTrait;
    record->paranoid = contract->paranoid;
    contracts.push_back(contract);
}

void MissionManager::drawConditions(Contract& contract) const
{
    const int zone = GameData::getInstance()->currentZone;
    for (int draw = 0; draw < kMaxConditionDraws; ++draw)
    {
        drawPass(contract, zone);
        if (contract.getValue() != Contract::kPlainValue)
            return;
    }
    // The zone's values make every reachable set of conditions look plain:
    // rather than draw for ever, the job stays plain.
    makePlain(contract);
}

bool MissionManager::hasPlainContract() const
{
    for (const Contract* contract : contracts)
    {
        if (contract->getValue() == Contract::kPlainValue)
            return true;
    }
    return false;
}

void MissionManager::clearContracts()
{
    for (Contract* contract : contracts)
        delete contract;
    contracts.clear();
}
