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
}

// Object ids of assets/objects.txt used by the generator.
namespace ObjId
{
constexpr int Newspaper = 25, Butt = 26, Vending = 500, Camera = 501, Terminal = 502, Dumpster = 503, Recycler = 504,
              StreetLight = 505, NeonLamp = 506, Vent = 507, Chimney = 508, Exit = 509, Can = 510, Litter = 511,
              Bench = 512, Planter = 513, ParkedCar = 514, Crate = 515, Puddle = 516, Barrier = 517, Table = 518,
              Bed = 519, Bollard = 520, Tree = 521, HoloSign = 522;
}
