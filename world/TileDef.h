#pragma once

#include <string>
#include <vector>

// One tile type of tiles.txt: the picture or model of a cell layer, its
// height, step cost and walls.
class TileDef {
public:
    // The most texture names one tile type can carry.
    static constexpr int kMaxFiles = 60;

    TileDef();

    // Appends a texture name; false (and nothing stored) when the record is full.
    bool addFile(const std::string& fileName);
    // Texture name number index, or an empty name when there is no such entry.
    const std::string& file(int index) const;
    // Wall flag of side 1 north, 2 south, 3 west, 4 east; false for any other side.
    bool sideBlocked(int side) const;

    int animateframes = -1;
    std::string name;
    int id = -1;
    // Holds at least one entry: "white.png" until the first name is given.
    std::vector<std::string> files;
    int fileCount = 0;
    int height = 0;
    int cost = 1;
    bool hasModel = false;
    std::string model;
    bool water = false;
    bool npcs_only = false;
    bool north_blocked = false;
    bool south_blocked = false;
    bool west_blocked = false;
    bool east_blocked = false;
};
