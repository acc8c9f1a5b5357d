#include "Passages.h"

Passages::Passages(const CityGrid& g) : grid(g), solid(static_cast<size_t>(g.width()) * g.height(), false) {}

bool Passages::freeCell(int x, int y) const
{
    return grid.openGround(x, y) && !solid[grid.index(x, y)];
}

bool Passages::inFreeSquare(int x, int y) const
{
    for (int sy = y - 1; sy <= y; ++sy)
        for (int sx = x - 1; sx <= x; ++sx)
            if (freeCell(sx, sy) && freeCell(sx + 1, sy) && freeCell(sx, sy + 1) && freeCell(sx + 1, sy + 1))
                return true;
    return false;
}

bool Passages::wideRoundObject(int x, int y) const
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if ((dx || dy) && freeCell(x + dx, y + dy) && !inFreeSquare(x + dx, y + dy))
                return false;
    return true;
}

bool Passages::allows(int x, int y)
{
    if (!grid.openGround(x, y))
        return true;
    // Stand it there for a moment and look round every solid object whose
    // free neighbours it could take a square from.
    solid[grid.index(x, y)] = true;
    bool wide = true;
    for (int dy = -2; dy <= 2 && wide; ++dy)
        for (int dx = -2; dx <= 2 && wide; ++dx)
            if (grid.inside(x + dx, y + dy) && solid[grid.index(x + dx, y + dy)])
                wide = wideRoundObject(x + dx, y + dy);
    solid[grid.index(x, y)] = false;
    return wide;
}

void Passages::block(int x, int y)
{
    solid[grid.index(x, y)] = true;
}
