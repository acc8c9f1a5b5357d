#pragma once
#include "Image.h"
#include <cstdint>
#include <string>
#include <vector>

// Roofs seen from above, painted so that they never read as ground: a dark
// membrane flecked with gravel, a raised parapet casting a shadow along every
// side that faces open ground, and skylights that glow on lit buildings.
namespace RoofArt
{
// Sides of a roof cell, as bits.
constexpr int kNorth = 1, kSouth = 2, kWest = 4, kEast = 8;

// What stands in the middle of a roof cell. Each is square and centred, so a
// turned building block shows it the same way.
enum class Feature
{
    Gravel,
    Skylight,
    LitSkylight,
    Vent
};

// One roof cell of 32 x 32: the parapets on the given sides.
Image roofCell(Rgba membrane, Rgba parapet, int sides, Feature feature, Rgba light, uint64_t seed);

// The flat roof of an enterable building, parapets on the given sides.
Image interiorRoof(int sides, bool skylight);

// The roof tiles of enterable buildings after the plain one, in the order of
// tiles.txt: the parapets along each side and corner, then the skylight.
struct InteriorRoofTile
{
    std::string name;
    std::string file;
    int sides;
    bool skylight;
};
const std::vector<InteriorRoofTile>& interiorRoofTiles();

// The roof shapes a modular building block offers, each in its own slot of
// the texture's left column: none, a parapet on the north side, parapets on
// the north and east sides. The map turns a block so that they face open
// ground.
constexpr int kBlockShapes = 3;
int blockShapeSides(int shape);
}
