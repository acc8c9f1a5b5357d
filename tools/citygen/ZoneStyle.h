#pragma once
#include <cstdint>
#include <string>

// What makes one zone look and play like itself.
struct ZoneStyle
{
    std::string levelName;   // "tallowind_levelOne" ...
    uint64_t seed;
    int size;                // cells a side of the city; the map adds its ring round it
    int blockMin, blockMax;  // block size between streets, cells
    int material;            // building material (0 Grey, 1 Rust, 2 Pale)
    int sizeWeights[3];      // low, mid, tall building chances
    int interiorPercent;     // lots that become enterable buildings
    int openPercent;         // lots left as plaza or park
    bool parks;              // open lots are grass with trees (else plaza)
    int waterEast;           // columns of harbour water on the east edge (0 none)
    int canalRow;            // row of a canal across the map (-1 none)
    int lakes;               // park lakes
    int trainColumn;         // rail column of the city, -1 none
    // Zone settings.
    int citizenCount, contactCount, maxMissionSpawnDistance, missionCount;
    int valueBase, valueKnowsPlayer, valueMustHideBody, valueArmed, valuePoliceEscort, valueParanoid,
        valueBodyguard, valueBodyguardAndKnowsPlayer, valueSteal, valueUrgent;
};

const ZoneStyle& zoneStyle(int zone);
