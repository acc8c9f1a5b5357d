#pragma once

// Tile ids of assets/tiles.txt (written by artgen, dense from 0).
namespace TileId
{
constexpr int Asphalt = 0, RoadLine = 1, Crossing = 2, Pavement = 3, Kerb = 4, Plaza = 5, Grass = 6, Water = 7,
              Planks = 8, Rail = 9, Gravel = 10, Concrete = 11, Roof = 12, Floor = 13, FloorTiles = 14, WallN = 15,
              WallS = 16, WallW = 17, WallE = 18, WallNW = 19, WallNE = 20, WallSW = 21, WallSE = 22, Door = 23;
// Building blocks: material 0 Grey, 1 Rust, 2 Pale; size 0 low, 1 mid, 2 tall.
constexpr int building(int material, int size)
{
    return 24 + material * 3 + size;
}
constexpr int buildingLevel(int size)
{
    return size == 0 ? 3 : (size == 1 ? 6 : 9);
}
// Textures a modular building tile offers.
constexpr int kModularTextures = 23;
// The roofs of enterable buildings with their parapets along each side and
// corner, and the plain roof with a skylight.
constexpr int RoofN = 33, RoofS = 34, RoofW = 35, RoofE = 36, RoofNW = 37, RoofNE = 38, RoofSW = 39, RoofSE = 40,
              RoofSkylight = 41;
// A building block whose roof has a parapet along its north side (Edge) or
// its north and east sides (Corner); the map turns it to face open ground.
enum class BlockRoof
{
    Plain,
    Edge,
    Corner
};
constexpr int building(int material, int size, BlockRoof roof)
{
    return roof == BlockRoof::Plain ? building(material, size)
                                    : 42 + (material * 3 + size) * 2 + (roof == BlockRoof::Edge ? 0 : 1);
}
}

// Object ids of assets/objects.txt used by the generator.
namespace ObjId
{
constexpr int Newspaper = 25, Butt = 26, Vending = 500, Camera = 501, Terminal = 502, Dumpster = 503, Recycler = 504,
              StreetLight = 505, NeonLamp = 506, Vent = 507, Chimney = 508, Exit = 509, Can = 510, Litter = 511,
              Bench = 512, Planter = 513, ParkedCar = 514, Crate = 515, Puddle = 516, Barrier = 517, Table = 518,
              Bed = 519, Bollard = 520, Tree = 521, HoloSign = 522;
// Whether it lies flat on the ground ("decal" in objects.txt): litter,
// puddles, vents, the transit gate.
constexpr bool isFlat(int id)
{
    return id == Newspaper || id == Butt || id == Vent || id == Exit || id == Can || id == Litter || id == Puddle;
}
// Whether nobody walks through it ("nonpassable" in objects.txt).
constexpr bool isSolid(int id)
{
    return id == Vending || id == Terminal || id == Dumpster || id == Recycler || id == StreetLight || id == Bench ||
           id == Planter || id == ParkedCar || id == Crate || id == Barrier || id == Table || id == Bed ||
           id == Bollard;
}
}
