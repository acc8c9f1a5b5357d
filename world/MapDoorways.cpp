#include "world/MapDoorways.h"

#include "world/GameData.h"
#include "world/MapFileFormat.h"
#include "world/TileDef.h"

namespace {

constexpr int kSides = 4;

int stepX(int side)
{
    return side == 3 ? -1 : (side == 4 ? 1 : 0);
}

int stepY(int side)
{
    return side == 1 ? 1 : (side == 2 ? -1 : 0);
}

// North and south, west and east face each other.
int oppositeSide(int side)
{
    return side % 2 == 1 ? side + 1 : side - 1;
}

}  // namespace

int MapDoorways::Doorway::acrossX() const
{
    return x + stepX(side);
}

int MapDoorways::Doorway::acrossY() const
{
    return y + stepY(side);
}

MapDoorways::MapDoorways(const MapFileData& map, const GameData& tiles) : map_(map), tiles_(tiles) {}

std::vector<MapDoorways::Doorway> MapDoorways::all() const
{
    std::vector<Doorway> found;
    for (int y = 0; y < map_.height; ++y) {
        for (int x = 0; x < map_.width; ++x) {
            if (!isRoom(x, y))
                continue;
            for (int side = 1; side <= kSides; ++side) {
                if (!walled(x, y, side) && leavesBuilding(x, y, side))
                    found.push_back({x, y, side, map_.cell(x, y).buildingId});
            }
        }
    }
    return found;
}

std::vector<MapDoorways::Doorway> MapDoorways::dead() const
{
    std::vector<Doorway> found;
    for (const Doorway& doorway : all()) {
        if (!opensOntoStreet(doorway))
            found.push_back(doorway);
    }
    return found;
}

// The street cell a doorway needs is one the game lets a walker stand on
// (street height, not impassable, no wall on its floor), belongs to no
// building, and has no wall on the side that faces the doorway.
bool MapDoorways::opensOntoStreet(const Doorway& doorway) const
{
    const int x = doorway.acrossX(), y = doorway.acrossY();
    if (!contains(x, y) || isRoom(x, y))
        return false;
    const MapCellRecord& cell = map_.cell(x, y);
    const TileDef* floor = tile(cell.floorId);
    const TileDef* overlay = tile(cell.overlayId);
    const int level = overlay ? overlay->height : cell.level;
    if (!floor || level != 0 || cell.buildingId != -1 || cell.blocked)
        return false;
    for (int side = 1; side <= kSides; ++side) {
        if (floor->sideBlocked(side))
            return false;
    }
    return !walled(x, y, oppositeSide(doorway.side));
}

std::string MapDoorways::sideName(int side)
{
    static const char* const names[kSides] = {"north", "south", "west", "east"};
    return side >= 1 && side <= kSides ? names[side - 1] : "side " + std::to_string(side);
}

bool MapDoorways::contains(int x, int y) const
{
    return x >= 0 && y >= 0 && x < map_.width && y < map_.height;
}

const TileDef* MapDoorways::tile(int id) const
{
    return id == -1 ? nullptr : tiles_.getTileDef(id);
}

// As the game sees it: a raised cell that is not impassable, with an overlay
// at street height for its floor.
bool MapDoorways::isRoom(int x, int y) const
{
    if (!contains(x, y))
        return false;
    const MapCellRecord& cell = map_.cell(x, y);
    const TileDef* overlay = tile(cell.overlayId);
    return cell.level > 0 && !cell.blocked && overlay && overlay->height == 0;
}

bool MapDoorways::walled(int x, int y, int side) const
{
    const MapCellRecord& cell = map_.cell(x, y);
    if (cell.blocked)
        return true;
    for (const TileDef* layer : {tile(cell.floorId), tile(cell.overlayId)}) {
        if (layer && layer->height == 0 && layer->sideBlocked(side))
            return true;
    }
    return false;
}

bool MapDoorways::leavesBuilding(int x, int y, int side) const
{
    const int nx = x + stepX(side), ny = y + stepY(side);
    return !isRoom(nx, ny) || map_.cell(nx, ny).buildingId != map_.cell(x, y).buildingId;
}
