#include "CityGrid.h"

CityGrid::CityGrid(int size)
    : data(MapFileData::empty(size, size)), n(size), kinds(static_cast<size_t>(size) * size, CellKind::Pavement),
      used(static_cast<size_t>(size) * size, false)
{
}

bool CityGrid::walkableOutside(int x, int y) const
{
    if (!inside(x, y))
        return false;
    CellKind k = kind(x, y);
    return k == CellKind::Pavement || k == CellKind::Road || k == CellKind::Plaza || k == CellKind::Park ||
           k == CellKind::Quay || k == CellKind::Yard;
}

bool CityGrid::openAround(int x, int y) const
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (!walkableOutside(x + dx, y + dy))
                return false;
    return true;
}
