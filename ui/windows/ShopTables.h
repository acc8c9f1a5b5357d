#pragma once
#include <array>

// What the vending machine sells and what the contract dealer says.
namespace ShopTables
{

// One article of the vending machine. Weapons and tools are enabled by an
// unlock; ammunition (unlock kAmmunition) once the player carries a weapon
// that fires it.
struct StockEntry
{
    const char* label;
    int definitionId;
    int price;
    int unlock;
};

constexpr int kAmmunition = -1;

extern const std::array<StockEntry, 4> kTools;
extern const std::array<StockEntry, 9> kWeapons;

// The dealer's greetings, one drawn at random for each visit to his main page.
extern const std::array<const char*, 23> kGreetings;

}
