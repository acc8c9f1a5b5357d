#pragma once
#include "world/LevelSettings.h"

#include <array>
#include <cstdint>
#include <string>

class CitizenRecord;
class GameMob;
class GameObject;

// What the tracker of an accepted contract points at: the target walking the
// city, or, once a steal target is dead, the package it dropped. The kind
// says which, so a package is never taken for a person.
class ContractTarget
{
public:
    enum Kind { None, Person, Package };

    void setPerson(GameMob* mob);
    void setPackage(GameObject* package);
    void clear();

    Kind kind() const;
    bool isSet() const { return asObject() != nullptr; }
    // Whatever the target is, as a placed object (the tracker, the marker).
    GameObject* asObject() const;
    // The target as a walking actor; null while it is a package or unset.
    GameMob* person() const { return mob; }
    // The package; null while the target is a person or unset.
    GameObject* package() const { return packageObject; }
    bool is(const GameObject* other) const { return other && asObject() == other; }

private:
    // At most one of the two is set.
    GameMob* mob = nullptr;
    GameObject* packageObject = nullptr;
};

// The contract value table: the worth of each condition, by the zone's
// settings. Index it with LevelSettings::ContractValue.
using ContractValues = std::array<int32_t, LevelSettings::ContractValueCount>;
extern ContractValues contractValueTable;
// Back to the values a zone gets when its settings name none.
void resetContractValues();

// One job on the dealer's board: the target's identity and the conditions
// that make it harder and better paid. The contract owns the target's record
// until an NPC is built on it; from then on the NPC owns it.
class Contract
{
public:
    enum Kind : int32_t { Assassinate = 0, Steal = 1 };
    // A board's plain contract is worth exactly this, whatever the zone's base.
    static constexpr int32_t kPlainValue = 150;

    // Takes the record.
    explicit Contract(CitizenRecord* record);
    ~Contract();
    Contract(const Contract&) = delete;
    Contract& operator=(const Contract&) = delete;

    int getValue() const;
    // The one-line board entry; compact leaves out the value and the name
    // (the HUD's line).
    std::string getSummaryText(bool compact) const;
    // The dealer's page about the job.
    std::string getDetailText() const;

    // The NPC now walking on the record takes it over.
    void handRecordToTarget() { ownsRecord = false; }
    // The target's NPC leaves the game while the job still runs (a steal
    // target's body is cleared before its package is picked up): the
    // contract keeps the record it names.
    void takeRecordBack() { ownsRecord = true; }
    bool ownsTargetRecord() const { return ownsRecord; }

    int32_t urgent = 0;   // 1: the target only visits the zone
    bool musthidebody = false;
    bool tracker = false;
    bool knowsplayer = false;
    bool paranoid = false;
    bool armed = false;
    bool bodyguard = false;
    bool policeescort = false;
    int32_t kind = Assassinate;
    float timer = -1.0f;  // seconds left; -1: no limit
    CitizenRecord* target = nullptr;
    ContractTarget targetNPC;

private:
    bool ownsRecord = true;
};
