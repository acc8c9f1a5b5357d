#pragma once
#include <string>
#include <vector>

// One "tile" record of tiles.txt and how its pictures are made.
struct TileEntry
{
    int id;
    std::vector<std::string> keys;
};

const std::vector<TileEntry>& tileEntries();
std::string tileFileText();

// The building materials that "modularfiles" names ("Grey", "Rust", "Pale").
const std::vector<std::string>& buildingMaterials();

// Writes every ground and interior tile picture, every modular building
// texture with its side variants, the building models and the rain model.
bool writeTileArt(const std::string& folder);
