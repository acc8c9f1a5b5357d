#pragma once
#include "world/MapFileFormat.h"
#include <vector>

// What a cell is, as the generator sees it (the map file only stores tiles).
enum class CellKind
{
    Pavement,
    Road,
    Plaza,
    Park,
    Water,
    Quay,
    Rail,
    Building,
    Interior,
    Yard
};

// The generator's working copy of a map: the cell records the file will get
// plus the kind of every cell and which cells already hold an object.
class CityGrid
{
public:
    CityGrid(int width, int height);

    int width() const { return w; }
    int height() const { return h; }
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h; }
    CellKind kind(int x, int y) const { return kinds[index(x, y)]; }
    void setKind(int x, int y, CellKind k) { kinds[index(x, y)] = k; }
    MapCellRecord& cell(int x, int y) { return data.cell(x, y); }
    bool occupied(int x, int y) const { return used[index(x, y)]; }
    void occupy(int x, int y) { used[index(x, y)] = true; }
    // Cells a person can stand on outside buildings.
    bool walkableOutside(int x, int y) const;
    // Ground anyone may walk over, the city's own rails included.
    bool openGround(int x, int y) const;
    // Whether every neighbour (8 around) is walkable outside.
    bool openAround(int x, int y) const;
    // Steps of a walk from (x, y) to every cell, side to side round the
    // placed objects; -1 where no walk leads.
    std::vector<int> walkSteps(int x, int y) const;
    int index(int x, int y) const { return y * w + x; }

    MapFileData data;

private:
    int w, h;
    std::vector<CellKind> kinds;
    std::vector<bool> used;
};
