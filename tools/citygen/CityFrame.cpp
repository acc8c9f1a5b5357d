#include "CityFrame.h"
#include "CityLayout.h"
#include <algorithm>

CityFrame::CityFrame(const ZoneStyle& s, const CityGrid& c, Rng& r) : style(s), city(c), rng(r) {}

CityGrid CityFrame::build()
{
    CityGrid map(city.size() + 2 * kRing);
    copyCity(map);
    fillRing(map);
    return map;
}

void CityFrame::copyCity(CityGrid& map) const
{
    int n = city.size();
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x)
        {
            map.setKind(x + kRing, y + kRing, city.kind(x, y));
            map.cell(x + kRing, y + kRing) = city.data.cell(x, y);
            if (city.occupied(x, y))
                map.occupy(x + kRing, y + kRing);
        }
    const float shift = static_cast<float>(kRing * 32);
    for (MapObjectRecord o : city.data.objects)
    {
        o.x += shift;
        o.y += shift;
        map.data.objects.push_back(o);
    }
    for (MapMarkerRecord m : city.data.markers)
    {
        m.x += shift;
        m.y += shift;
        map.data.markers.push_back(m);
    }
}

CellKind CityFrame::edgeKind(int x, int y) const
{
    int n = city.size();
    return city.kind(std::clamp(x - kRing, 0, n - 1), std::clamp(y - kRing, 0, n - 1));
}

void CityFrame::fillRing(CityGrid& map)
{
    int n = city.size(), far = kRing + n, all = map.size();
    ringLot(map, 0, 0, all, kRing);
    ringLot(map, 0, far, all, kRing);
    ringLot(map, 0, kRing, kRing, n);
    ringLot(map, far, kRing, kRing, n);
    // The harbour, the canal and the railway carry on out of sight; the
    // trains run on the rails, but nobody walks along them into the ring.
    for (int y = 0; y < all; ++y)
        for (int x = 0; x < all; ++x)
        {
            int cx = std::clamp(x - kRing, 0, n - 1), cy = std::clamp(y - kRing, 0, n - 1);
            if (cx == x - kRing && cy == y - kRing)
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
