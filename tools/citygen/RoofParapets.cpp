#include "RoofParapets.h"
#include "TileIds.h"

namespace
{
constexpr int kNorth = 1, kSouth = 2, kWest = 4, kEast = 8;

// A roof shape and the clockwise turn that brings its parapets, drawn on the
// north (and east) side, round to the open sides.
struct Turn
{
    TileId::BlockRoof roof;
    int sides;
    int rotation;
};

// Corners first, so that a block open on three or four sides (a sliver left
// by the water or the rails) still shows two of its parapets.
const Turn kTurns[] = {
    {TileId::BlockRoof::Corner, kNorth | kEast, 0},  {TileId::BlockRoof::Corner, kEast | kSouth, 90},
    {TileId::BlockRoof::Corner, kSouth | kWest, 180}, {TileId::BlockRoof::Corner, kWest | kNorth, 270},
    {TileId::BlockRoof::Edge, kNorth, 0},             {TileId::BlockRoof::Edge, kEast, 90},
    {TileId::BlockRoof::Edge, kSouth, 180},           {TileId::BlockRoof::Edge, kWest, 270},
};
}

RoofParapets::RoofParapets(CityGrid& m) : map(m) {}

bool RoofParapets::isBuilding(int x, int y) const
{
    return !map.inside(x, y) || map.kind(x, y) == CellKind::Building;
}

int RoofParapets::openSides(int x, int y) const
{
    return (isBuilding(x, y + 1) ? 0 : kNorth) | (isBuilding(x, y - 1) ? 0 : kSouth) |
           (isBuilding(x - 1, y) ? 0 : kWest) | (isBuilding(x + 1, y) ? 0 : kEast);
}

void RoofParapets::apply()
{
    const int firstBlock = TileId::building(0, 0);
    for (int y = 0; y < map.height(); ++y)
        for (int x = 0; x < map.width(); ++x)
        {
            if (map.kind(x, y) != CellKind::Building)
                continue;
            const int open = openSides(x, y);
            MapCellRecord& c = map.cell(x, y);
            const int block = c.floorId - firstBlock;
            for (const Turn& t : kTurns)
                if ((open & t.sides) == t.sides)
                {
                    c.floorId = TileId::building(block / 3, block % 3, t.roof);
                    c.rotation = t.rotation;
                    break;
                }
        }
}
