#pragma once
#include "cocos2d.h"

#include <optional>
#include <string>
#include <vector>

class GameMob;
class GameObject;

// The weapon in the player's hand, as the HUD shows it.
struct WeaponReading
{
    std::string image;      // the weapon definition's HUD picture
    int rounds = 0;         // rounds loaded
    int magazine = 1;       // the definition's magazine size
    int spare = 0;          // spare rounds in the inventory
    bool warmingUp = false; // the player's warm-up timer runs
    bool recharges = false; // reloads itself, needs no ammunition
    bool ammoless = false;  // firing spends no round
    int ammunitionCarried = 0; // items of its ammunition class carried
};

// The selected secondary item; id -1 when none is selected.
struct ItemReading
{
    int id = -1;
    int count = 0;
};

// What the police know about the player.
struct PoliceReading
{
    int droids = 0;             // police droids in the city
    int pursuing = 0;           // droids on a crime scene whose suspect is the player
    bool pursued = false;       // some droid works such a scene
    bool playerInSight = false; // a droid on the case sees the player
    float scanProgress = -1.0f; // 0 to 96 while the player is scanned, else -1
    int level = 0;              // 0 to 5
};

// The accepted contract.
struct ContractReading
{
    bool tracked = true;            // the tracker arrow points at its target
    GameObject* target = nullptr;   // the target NPC; null when it is gone
    int targetZone = -1;            // the zone its last move recorded
    int targetLook = -1;            // the object definition of its appearance
    std::string targetName;         // full name
    std::string summary;            // the condition icons
    int value = 0;                  // credits
};

// Who a walking person is, from their citizen record and errand.
struct PersonReading
{
    int citizenId = -1;
    std::string fullName;
    std::string genderText;
    int age = 0;
    bool smoker = false;
    bool paranoid = false;
    bool armed = false;          // carries at least one weapon
    bool contact = false;
    bool gang = false;
    bool contractTarget = false; // the target of the accepted contract
    int errandActivity = -1;
    bool goingHome = false;
    std::string activityText;    // what the errand reads as
};

// Everything the HUD reads of the actors, the police and the contracts: one
// narrow door, so that the panels never reach into the managers themselves.
// Each reading is absent until its owner offers it, and an absent reading
// leaves its part of the HUD empty rather than showing a guess. Tests put a
// source of their own in its place (GameHUD::setSource).
class HudSource
{
public:
    virtual ~HudSource();

    // The player's credits.
    virtual std::optional<int> credits() const;
    // The weapon in hand; absent when the player holds none.
    virtual std::optional<WeaponReading> weapon() const;
    // How many items of an object definition the player carries.
    virtual std::optional<int> carriedCount(int definitionId) const;
    // The item line when the inventory changed since the last call (which
    // takes the change); absent when nothing changed.
    virtual std::optional<ItemReading> takeItemChange();
    virtual std::optional<PoliceReading> police() const;
    // The accepted contract; absent when none is accepted.
    virtual std::optional<ContractReading> contract() const;
    // The nearest contact dealer; null when the city has none.
    virtual GameObject* nearestContact() const;
    // Whether a contact touches the player.
    virtual bool contactNearPlayer() const;
    // The walking citizens of the city and the one with a citizen id.
    virtual std::vector<GameMob*> walkingCitizens() const;
    virtual GameMob* findByCitizenId(int citizenId) const;
    // Who a mob is; absent for a mob without a citizen record.
    virtual std::optional<PersonReading> person(const GameMob* mob) const;
};
