#pragma once

#include <string>
#include <vector>

class GameData;
class TileDef;
struct MapFileData;

// The doorways of a map's enterable buildings, read from the cell records.
// A room is a raised cell whose floor lies under the roof as an overlay at
// street height; a doorway is a side of a room that no wall closes and
// through which one leaves the room's building. It is meant to open onto a
// street cell one can walk: the map maker is warned of those that do not.
class MapDoorways {
public:
    struct Doorway {
        int x = 0;
        int y = 0;
        int side = 0;  // 1 north, 2 south, 3 west, 4 east
        int buildingId = -1;

        // The cell the doorway opens onto.
        int acrossX() const;
        int acrossY() const;
    };

    // Tile ids are looked up in the given store; an id it lacks is no tile.
    MapDoorways(const MapFileData& map, const GameData& tiles);

    // Every doorway, row by row from y = 0, a cell's sides in order 1 to 4.
    std::vector<Doorway> all() const;
    // Those that open onto a wall, a building or past the map's edge.
    std::vector<Doorway> dead() const;
    bool opensOntoStreet(const Doorway& doorway) const;

    // Whether the cell lies on the map.
    bool contains(int x, int y) const;
    // "north", "south", "west", "east".
    static std::string sideName(int side);

private:
    const TileDef* tile(int id) const;
    bool isRoom(int x, int y) const;
    // Whether a wall closes the side of the cell at street height.
    bool walled(int x, int y, int side) const;
    bool leavesBuilding(int x, int y, int side) const;

    const MapFileData& map_;
    const GameData& tiles_;
};
