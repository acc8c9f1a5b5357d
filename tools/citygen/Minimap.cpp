#include "Minimap.h"
#include "Image.h"
#include "OutputFolder.h"
#include "PngWriter.h"
#include <cstdio>

namespace
{
Rgba cellColour(const CityGrid& grid, int x, int y)
{
    switch (grid.kind(x, y))
    {
    case CellKind::Road:
        return rgba(30, 32, 40);
    case CellKind::Pavement:
        return rgba(70, 72, 86);
    case CellKind::Plaza:
        return rgba(90, 70, 110);
    case CellKind::Park:
        return rgba(40, 90, 50);
    case CellKind::Water:
        return rgba(20, 50, 110);
    case CellKind::Quay:
        return rgba(90, 70, 50);
    case CellKind::Rail:
        return rgba(100, 80, 60);
    case CellKind::Interior:
        return rgba(150, 60, 140);
    case CellKind::Yard:
        return rgba(80, 78, 76);
    case CellKind::Building:
    {
        int level = grid.data.cell(x, y).level;
        int v = 100 + level * 10;
        return rgba(v, v, v + 20);
    }
    }
    return rgba(0, 0, 0);
}

// The zone a cell belongs to; none outside the map.
int zoneAt(const CityGrid& grid, int x, int y)
{
    return grid.inside(x, y) ? grid.data.cell(x, y).zone : -1;
}
}

bool writeMinimaps(const CityGrid& grid, int zone, int districts, const std::string& folder)
{
    int w = grid.width(), h = grid.height();
    Image background(w + 2, h + 2, rgba(10, 10, 16, 220));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            background.set(x + 1, h - y, cellColour(grid, x, y));
    background.rectOutline(0, 0, w + 2, h + 2, rgba(40, 230, 255));
    char name[96];
    std::snprintf(name, sizeof name, "Minimap_%d_Background.png", zone);
    bool ok = writePng(background, joinPath(folder, name));
    for (int z = 0; z < districts * districts; ++z)
    {
        Image overlay(w + 2, h + 2);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
            {
                if (zoneAt(grid, x, y) != z)
                    continue;
                bool edge = zoneAt(grid, x - 1, y) != z || zoneAt(grid, x + 1, y) != z ||
                            zoneAt(grid, x, y - 1) != z || zoneAt(grid, x, y + 1) != z;
                overlay.set(x + 1, h - y, edge ? rgba(255, 176, 40, 255) : rgba(255, 176, 40, 80));
            }
        std::snprintf(name, sizeof name, "Minimap_%d_Zone%d.png", zone, z);
        ok = writePng(overlay, joinPath(folder, name)) && ok;
    }
    return ok;
}
