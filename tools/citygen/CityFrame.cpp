#include "CityFrame.h"
#include "CityLayout.h"
#include <algorithm>

CityFrame::CityFrame(const ZoneStyle& s, const CityGrid& c, Rng& r) : style(s), city(c), rng(r) {}

CityGrid CityFrame::build()
{
    CityGrid map(city.width() + 2 * kRingColumns, city.height() + 2 * kRingRows);
    copyCity(map);
    fillRing(map);
    return map;
}

void CityFrame::copyCity(CityGrid& map) const
{
    for (int y = 0; y < city.height(); ++y)
        for (int x = 0; x < city.width(); ++x)
        {
            map.setKind(x + kRingColumns, y + kRingRows, city.kind(x, y));
            map.cell(x + kRingColumns, y + kRingRows) = city.data.cell(x, y);
            if (city.occupied(x, y))
                map.occupy(x + kRingColumns, y + kRingRows);
        }
    const float shiftX = static_cast<float>(kRingColumns * 32), shiftY = static_cast<float>(kRingRows * 32);
    for (MapObjectRecord o : city.data.objects)
    {
        o.x += shiftX;
        o.y += shiftY;
        map.data.objects.push_back(o);
    }
    for (MapMarkerRecord m : city.data.markers)
    {
        m.x += shiftX;
        m.y += shiftY;
        map.data.markers.push_back(m);
    }
}

CellKind CityFrame::edgeKind(int x, int y) const
{
    return city.kind(std::clamp(x - kRingColumns, 0, city.width() - 1),
                     std::clamp(y - kRingRows, 0, city.height() - 1));
}

void CityFrame::fillRing(CityGrid& map)
{
    const int w = city.width(), h = city.height();
    const int east = kRingColumns + w, north = kRingRows + h;
    ringLot(map, 0, 0, map.width(), kRingRows);
    ringLot(map, 0, north, map.width(), kRingRows);
    ringLot(map, 0, kRingRows, kRingColumns, h);
    ringLot(map, east, kRingRows, kRingColumns, h);
    // The harbour, the canal and the railway carry on out of sight; the
    // trains run on the rails, but nobody walks along them into the ring.
    for (int y = 0; y < map.height(); ++y)
        for (int x = 0; x < map.width(); ++x)
        {
            int cx = std::clamp(x - kRingColumns, 0, w - 1), cy = std::clamp(y - kRingRows, 0, h - 1);
            if (cx == x - kRingColumns && cy == y - kRingRows)
                continue;
            MapCellRecord& c = map.cell(x, y);
            CellKind edge = edgeKind(x, y);
            if (edge == CellKind::Water || edge == CellKind::Rail)
            {
                map.setKind(x, y, edge);
                c = city.data.cell(cx, cy);
                c.blocked = true;
            }
            c.zone = city.data.cell(cx, cy).zone;
        }
}

void CityFrame::ringLot(CityGrid& map, int x, int y, int w, int h)
{
    CityLayout builder(style, map, rng);
    builder.raiseBuildings({x, y, w, h});
}
