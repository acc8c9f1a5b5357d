#pragma once

#include <string>

// One weapon of weapons.txt.
class WeaponDef {
public:
    // Aim penalty for a shot at the given distance; a range of -1 takes the
    // weapon's own range.
    float rangePenalty(float distance, float range = -1.0f) const;

    int id = 0;
    std::string name;
    std::string sound;
    std::string raise;
    std::string lower;
    std::string filename;
    int cost = 100;
    bool ammoless = false;
    bool hideable = false;
    int spread = 1;
    float recharge = -1.0f;
    float reloadtime = -1.0f;
    float warmup = -1.0f;
    float range = 64.0f;
    float maxrange = -1.0f;
    int projectileclass = 200;
    float projectilespeed = 16.0f;
    float soundlevel = 1.0f;
    float projectilemaxrange = -1.0f;
    int maxrounds = 1;
};
