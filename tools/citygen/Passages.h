#pragma once
#include "CityGrid.h"
#include <vector>

// Keeps the ways through the city at least two cells wide where something
// solid stands: a vending machine, a crate or a street light may stand on
// the open ground only where every free cell beside it still lies in a free
// 2 x 2 square, so that a walker never squeezes past it along a lane one cell
// wide or into a pocket behind it.
class Passages
{
public:
    explicit Passages(const CityGrid& grid);
    // Whether a solid object may stand on the cell.
    bool allows(int x, int y);
    // A solid object now stands there.
    void block(int x, int y);

private:
    bool freeCell(int x, int y) const;
    bool inFreeSquare(int x, int y) const;
    bool wideRoundObject(int x, int y) const;

    const CityGrid& grid;
    std::vector<bool> solid;
};
