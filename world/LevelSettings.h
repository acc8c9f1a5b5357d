#pragma once

#include <array>
#include <string>
#include <vector>

#include "world/DataFileProblem.h"

// The values of a zone settings text. Every read starts from these defaults,
// so a zone never inherits a value of the zone played before it. The level
// flow copies them to their owners (population, game driver, contract table).
struct LevelSettings {
    // The contract value table, in the order of its keys.
    enum ContractValue {
        Base,
        KnowsPlayer,
        MustHideBody,
        Armed,
        PoliceEscort,
        Paranoid,
        Bodyguard,
        BodyguardAndKnowsPlayer,
        Steal,
        Urgent,
        ContractValueCount
    };

    int citizenCount = 50;
    int trainLocation = -1;  // -1: no trains
    int contactCount = 1;
    int maxMissionSpawnDistance = 40;
    int missionCount = 10;
    std::array<int, ContractValueCount> contractValues{{150, 100, 75, 50, 200, 25, 150, 25, 50, 25}};
};

// Reads a zone settings file. A missing file gives the defaults; faulty lines
// are skipped and, when problems is given, reported there.
LevelSettings readLevelSettings(const std::string& path, std::vector<DataFileProblem>* problems = nullptr);
// The same for a text in memory; fileName only names it in messages.
LevelSettings parseLevelSettings(const std::string& text, const std::string& fileName,
                                 std::vector<DataFileProblem>* problems = nullptr);
