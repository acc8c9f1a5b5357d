#include "CityGrid.h"
#include <deque>

CityGrid::CityGrid(int width, int height)
    : data(MapFileData::empty(width, height)), w(width), h(height),
      kinds(static_cast<size_t>(width) * height, CellKind::Pavement), used(static_cast<size_t>(width) * height, false)
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

bool CityGrid::openGround(int x, int y) const
{
    return walkableOutside(x, y) || (inside(x, y) && kind(x, y) == CellKind::Rail);
}

bool CityGrid::openAround(int x, int y) const
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (!walkableOutside(x + dx, y + dy))
                return false;
    return true;
}

std::vector<int> CityGrid::walkSteps(int x, int y) const
{
    std::vector<int> steps(kinds.size(), -1);
    std::deque<int> open{index(x, y)};
    steps[index(x, y)] = 0;
    const int d[4][2] = {{0, 1}, {0, -1}, {1, 0}, {-1, 0}};
    while (!open.empty())
    {
        int at = open.front();
        open.pop_front();
        for (const auto& o : d)
        {
            int nx = at % w + o[0], ny = at / w + o[1];
            if (!walkableOutside(nx, ny) || occupied(nx, ny) || steps[index(nx, ny)] != -1)
                continue;
            steps[index(nx, ny)] = steps[at] + 1;
            open.push_back(index(nx, ny));
        }
    }
    return steps;
}
