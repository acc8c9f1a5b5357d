// How hard a run is: the travel papers' price, the police's zeal and how
// many citizens carry guns, by zone and difficulty.
#include "actors/police/PoliceManager.h"
#include "app/GameInterface.h"
#include "world/GameData.h"

#include <array>

namespace {

struct RunTuning
{
    int travelPapersPrice;
    int extraDroids;
    int levelUpChance;
    int armedCitizenPercent;
    int firstWeaponPercent;
    int secondWeaponPercent;
};

constexpr int kDifficulties = 3;

// One row a zone, one column a difficulty (Normal, Tough, Impossible).
constexpr std::array<std::array<RunTuning, kDifficulties>, GameData::kZoneCount> kRunTuning{{
    {{
        {2000, 1, 20, 20, 0, 35},
        {2500, 2, 30, 25, 20, 40},
        {3000, 3, 40, 30, 60, 60},
    }},
    {{
        {4000, 2, 30, 40, 0, 60},
        {5000, 3, 45, 48, 30, 80},
        {6000, 6, 60, 60, 70, 70},
    }},
    {{
        {8000, 5, 40, 60, 75, 75},
        // Hilldale on Tough: the shotgun is rare there, not common.
        {10000, 7, 60, 72, 80, 20},
        {12000, 8, 80, 90, 80, 80},
    }},
}};

}

void GameInterface::applyLevelTuning()
{
    const int zone = GameData::getInstance()->currentZone;
    // A zone or difficulty without a row keeps the values as they are.
    if (zone < 0 || zone >= GameData::kZoneCount || difficulty < 0 || difficulty >= kDifficulties)
        return;
    const RunTuning& tuning = kRunTuning[static_cast<size_t>(zone)][static_cast<size_t>(difficulty)];
    travelPapersPrice = tuning.travelPapersPrice;
    armedCitizenPercent = tuning.armedCitizenPercent;
    firstWeaponPercent = tuning.firstWeaponPercent;
    secondWeaponPercent = tuning.secondWeaponPercent;
    PoliceManager* police = PoliceManager::getInstance();
    police->extraDroids = tuning.extraDroids;
    police->levelUpChance = tuning.levelUpChance;
}
