#include "CityDressing.h"
#include "TileIds.h"
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace
{
// Picks cells one by one, each the farthest from those picked before.
std::vector<std::pair<int, int>> farthestApart(std::vector<std::pair<int, int>> cells, size_t count)
{
    std::vector<std::pair<int, int>> picked;
    while (picked.size() < count && !cells.empty())
    {
        size_t best = 0;
        int bestGap = -1;
        for (size_t i = 0; i < cells.size(); ++i)
        {
            int gap = 1 << 30;
            for (const auto& p : picked)
            {
                int dx = p.first - cells[i].first, dy = p.second - cells[i].second;
                gap = std::min(gap, dx * dx + dy * dy);
            }
            if (gap > bestGap)
            {
                bestGap = gap;
                best = i;
            }
        }
        picked.push_back(cells[best]);
        cells.erase(cells.begin() + static_cast<long>(best));
    }
    return picked;
}
}

CityDressing::CityDressing(const ZoneStyle& s, CityGrid& g, const CityLayout& l, Rng& r)
    : style(s), grid(g), layout(l), rng(r), passages(g)
{
}

int CityDressing::zoneOf(int x, int y, int width, int height)
{
    return (y * kDistricts / height) * kDistricts + x * kDistricts / width;
}

void CityDressing::dress()
{
    assignZones();
    placeExit();
    guaranteed(ObjId::Vending, 10, true);
    guaranteed(ObjId::Terminal, 4, true);
    guaranteed(ObjId::Dumpster, 12, true);
    guaranteed(ObjId::Recycler, 6, false);
    guaranteed(ObjId::Camera, 12, true);
    streetFurniture();
    openLotDressing();
    gardenDressing();
    furnishInteriors();
    markers();
}

void CityDressing::assignZones()
{
    int w = grid.width(), h = grid.height();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            grid.cell(x, y).zone = zoneOf(x, y, w, h);
}

bool CityDressing::object(int id, int x, int y, float heading, int level, int building)
{
    const bool onStreet = ObjId::isSolid(id) && level == 0 && building == -1;
    if (onStreet && !passages.allows(x, y))
        return false;
    if (onStreet)
        passages.block(x, y);
    MapObjectRecord o;
    o.defId = id;
    o.x = static_cast<float>(x * 32 + 16);
    o.y = static_cast<float>(y * 32 + 16);
    o.heading = heading;
    o.heightLevel = level;
    o.buildingId = building;
    grid.data.objects.push_back(o);
    grid.occupy(x, y);
    return true;
}

void CityDressing::marker(int kind, int x, int y, int identifier)
{
    MapMarkerRecord m;
    m.x = static_cast<float>(x * 32 + 16);
    m.y = static_cast<float>(y * 32 + 16);
    m.kind = kind;
    m.identifier = identifier;
    m.zone = grid.cell(x, y).zone;
    grid.data.markers.push_back(m);
}

bool CityDressing::besideBuilding(int x, int y) const
{
    const int d[4][2] = {{0, 1}, {0, -1}, {1, 0}, {-1, 0}};
    for (const auto& o : d)
        if (grid.inside(x + o[0], y + o[1]) && (grid.kind(x + o[0], y + o[1]) == CellKind::Building))
            return true;
    return false;
}

float CityDressing::awayFromBuilding(int x, int y) const
{
    // Headings count clockwise from north (+y).
    if (grid.inside(x, y + 1) && grid.kind(x, y + 1) == CellKind::Building)
        return 180.0f;
    if (grid.inside(x, y - 1) && grid.kind(x, y - 1) == CellKind::Building)
        return 0.0f;
    if (grid.inside(x + 1, y) && grid.kind(x + 1, y) == CellKind::Building)
        return 270.0f;
    return 90.0f;
}

void CityDressing::guaranteed(int id, int count, bool nextToBuilding)
{
    int placed = 0;
    for (int tries = 0; placed < count && tries < 20000; ++tries)
    {
        int x = rng.range(1, grid.width() - 2), y = rng.range(1, grid.height() - 2);
        // In Hilldale the houses stand in gardens, so machines stand there too.
        bool ground = grid.kind(x, y) == CellKind::Pavement || (style.parks && grid.kind(x, y) == CellKind::Park);
        if (!ground || grid.occupied(x, y))
            continue;
        if (nextToBuilding && !besideBuilding(x, y))
            continue;
        // Spread them over the districts: one of a kind per 9 x 9 area.
        bool near = false;
        for (const MapObjectRecord& o : grid.data.objects)
            if (o.defId == id && std::abs(static_cast<int>(o.x) / 32 - x) < 9 && std::abs(static_cast<int>(o.y) / 32 - y) < 9)
                near = true;
        if (near)
            continue;
        if (object(id, x, y, nextToBuilding ? awayFromBuilding(x, y) : 0.0f))
            ++placed;
    }
}

void CityDressing::streetFurniture()
{
    for (int y = 0; y < grid.height(); ++y)
        for (int x = 0; x < grid.width(); ++x)
        {
            if (grid.occupied(x, y))
                continue;
            CellKind k = grid.kind(x, y);
            if (k == CellKind::Pavement)
            {
                int r = rng.range(1, 1000);
                if ((x + y) % 7 == 0 && !besideBuilding(x, y) && r <= 450)
                    object(ObjId::StreetLight, x, y, 0.0f);
                else if (besideBuilding(x, y) && r <= 25)
                    object(ObjId::NeonLamp, x, y, awayFromBuilding(x, y));
                else if (r <= 90)
                    object(rng.chance(0.5) ? ObjId::Litter : ObjId::Can, x, y, static_cast<float>(rng.range(0, 359)));
                else if (r <= 105)
                    object(ObjId::Vent, x, y, 0.0f);
                else if (r <= 135)
                    object(ObjId::Puddle, x, y, static_cast<float>(rng.range(0, 3) * 90));
                else if (r <= 145)
                    object(rng.chance(0.5) ? ObjId::Newspaper : ObjId::Butt, x, y, static_cast<float>(rng.range(0, 359)));
            }
            else if (k == CellKind::Road)
            {
                int r = rng.range(1, 1000);
                if (r <= 20)
                    object(ObjId::Puddle, x, y, static_cast<float>(rng.range(0, 3) * 90));
                else if (r <= 40)
                    object(ObjId::Litter, x, y, static_cast<float>(rng.range(0, 359)));
            }
            else if (k == CellKind::Yard || k == CellKind::Quay)
            {
                int r = rng.range(1, 1000);
                if (r <= (style.waterEast > 0 ? 90 : 30))
                    object(ObjId::Crate, x, y, static_cast<float>(rng.range(0, 3) * 90));
                else if (r <= 110)
                    object(ObjId::Litter, x, y, static_cast<float>(rng.range(0, 359)));
            }
            else if (k == CellKind::Building)
            {
                // Chimneys and vents on the flat roofs.
                if (rng.range(1, 1000) <= 12)
                    object(ObjId::Chimney, x, y, 0.0f, grid.cell(x, y).level);
            }
        }
}

void CityDressing::openLotDressing()
{
    for (const Lot& lot : layout.openLots())
    {
        int cx = lot.x + lot.w / 2, cy = lot.y + lot.h / 2;
        if (!grid.occupied(cx, cy))
            object(style.parks ? ObjId::Tree : ObjId::Planter, cx, cy, 0.0f);
        if (lot.w >= 4 && !grid.occupied(lot.x + 1, lot.y))
            object(ObjId::Bench, lot.x + 1, lot.y, 0.0f);
        if (style.parks)
            for (int y = lot.y; y < lot.y + lot.h; ++y)
                for (int x = lot.x; x < lot.x + lot.w; ++x)
                    if (!grid.occupied(x, y) && grid.kind(x, y) == CellKind::Park && rng.chance(0.12))
                        object(ObjId::Tree, x, y, 0.0f);
        if (!style.parks && lot.w >= 3 && !grid.occupied(lot.x + lot.w - 1, lot.y + lot.h - 1))
            object(ObjId::HoloSign, lot.x + lot.w - 1, lot.y + lot.h - 1, 0.0f);
    }
}

void CityDressing::gardenDressing()
{
    for (const Lot& lot : layout.gardenLots())
        for (int y = lot.y; y < lot.y + lot.h; ++y)
            for (int x = lot.x; x < lot.x + lot.w; ++x)
                if (grid.kind(x, y) == CellKind::Park && !grid.occupied(x, y) && rng.chance(0.18))
                    object(ObjId::Tree, x, y, 0.0f);
}

void CityDressing::furnishInteriors()
{
    for (const Lot& lot : layout.interiors())
    {
        int building = grid.cell(lot.x, lot.y).buildingId;
        int x = lot.x + 1, y = lot.y + 1;
        object(rng.chance(0.5) ? ObjId::Table : ObjId::Bed, x, y, 0.0f, 0, building);
        if (lot.w >= 5 && lot.h >= 5)
            object(ObjId::Table, lot.x + lot.w - 2, lot.y + lot.h - 2, 0.0f, 0, building);
        // Something to hide a body in, and on the roof a vent.
        if (lot.w >= 5)
            object(ObjId::Recycler, lot.x + lot.w - 2, lot.y + 1, 0.0f, 0, building);
        object(ObjId::Vent, lot.x + lot.w / 2, lot.y + lot.h / 2, 0.0f, 1, building);
    }
}

void CityDressing::placeExit()
{
    // The transit gate stands on the pavement closest to the map's north-west corner.
    int w = grid.width(), h = grid.height();
    for (int d = 2; d < w + h; ++d)
        for (int x = 1; x <= d; ++x)
        {
            int y = h - 1 - (d - x);
            if (grid.inside(x, y) && grid.kind(x, y) == CellKind::Pavement && !grid.occupied(x, y))
            {
                object(ObjId::Exit, x, y, 0.0f);
                return;
            }
        }
}

void CityDressing::spreadMarkers(int kind, int spacing, int limit)
{
    int count = 0;
    std::vector<std::pair<int, int>> placed;
    for (int y = 1; y < grid.height() - 1 && count < limit; ++y)
        for (int x = 1; x < grid.width() - 1 && count < limit; ++x)
        {
            CellKind k = grid.kind(x, y);
            if (k != CellKind::Pavement && k != CellKind::Plaza && k != CellKind::Park && k != CellKind::Quay)
                continue;
            if (grid.occupied(x, y) || (x * 7 + y * 13) % 3 != 0)
                continue;
            bool close = false;
            for (const auto& p : placed)
                if (std::abs(p.first - x) < spacing && std::abs(p.second - y) < spacing)
                    close = true;
            if (close)
                continue;
            placed.push_back({x, y});
            marker(kind, x, y);
            ++count;
        }
}

bool CityDressing::clearAround(int x, int y, int distance) const
{
    for (const MapObjectRecord& o : grid.data.objects)
        if (!ObjId::isFlat(o.defId) && std::abs(static_cast<int>(o.x) / 32 - x) <= distance &&
            std::abs(static_cast<int>(o.y) / 32 - y) <= distance)
            return false;
    return true;
}

bool CityDressing::markerAt(int x, int y) const
{
    for (const MapMarkerRecord& m : grid.data.markers)
        if (static_cast<int>(m.x) / 32 == x && static_cast<int>(m.y) / 32 == y)
            return true;
    return false;
}

void CityDressing::contactPlaces()
{
    // One place a district, on the open ground nearest its middle. Contacts
    // take the places in this order, so the first ones lie far apart: the
    // middle, then opposite corners.
    const int order[kDistricts * kDistricts] = {4, 0, 8, 2, 6, 1, 7, 3, 5};
    int w = grid.width(), h = grid.height(), places = std::min(style.contactCount * 3, kDistricts * kDistricts);
    for (int i = 0; i < places; ++i)
    {
        int district = order[i];
        int mx = (district % kDistricts * 2 + 1) * w / (kDistricts * 2);
        int my = (district / kDistricts * 2 + 1) * h / (kDistricts * 2);
        int best = -1, bestX = 0, bestY = 0;
        for (int y = 1; y < h - 1; ++y)
            for (int x = 1; x < w - 1; ++x)
            {
                CellKind k = grid.kind(x, y);
                if (k != CellKind::Pavement && k != CellKind::Plaza && k != CellKind::Park && k != CellKind::Quay)
                    continue;
                int d = (x - mx) * (x - mx) + (y - my) * (y - my);
                if (grid.occupied(x, y) || markerAt(x, y) || (best >= 0 && d >= best))
                    continue;
                best = d;
                bestX = x;
                bestY = y;
            }
        if (best >= 0)
            marker(4, bestX, bestY);
    }
}

void CityDressing::playerSpawns()
{
    // A run's first contact takes the first place of the list: every run
    // starts a short walk from it, on no other marker, the starts spread
    // round it. Nothing stands within two cells of a start (litter may lie
    // there), so that a player new to the city never walks into something in
    // the first steps.
    const int kWalk = 12, kSlack = 2, kClearance = 2;
    const size_t kStarts = 3;
    const MapMarkerRecord* first = nullptr;
    for (const MapMarkerRecord& m : grid.data.markers)
        if (m.kind == 4 && !first)
            first = &m;
    if (!first)
        return;
    std::vector<int> steps = grid.walkSteps(static_cast<int>(first->x) / 32, static_cast<int>(first->y) / 32);
    std::vector<std::pair<int, int>> candidates;
    for (int y = 0; y < grid.height(); ++y)
        for (int x = 0; x < grid.width(); ++x)
            if (std::abs(steps[grid.index(x, y)] - kWalk) <= kSlack && grid.kind(x, y) != CellKind::Road &&
                !grid.occupied(x, y) && clearAround(x, y, kClearance) && !markerAt(x, y))
                candidates.push_back({x, y});
    for (const auto& s : farthestApart(candidates, kStarts))
        marker(1, s.first, s.second);
}

void CityDressing::markers()
{
    // Pedestrians spawn all over, so one spawn lies near any point.
    spreadMarkers(0, 5, 600);
    // Interest points need walkable cells round them.
    int interest = 0;
    for (int tries = 0; interest < 60 && tries < 50000; ++tries)
    {
        int x = rng.range(2, grid.width() - 3), y = rng.range(2, grid.height() - 3);
        if (!grid.openAround(x, y) || grid.kind(x, y) == CellKind::Road)
            continue;
        marker(2, x, y);
        ++interest;
    }
    // Queues form in front of the vending machines and the terminals.
    int queue = 0;
    for (const MapObjectRecord o : grid.data.objects)
    {
        if (o.defId != ObjId::Vending && o.defId != ObjId::Terminal)
            continue;
        int x = static_cast<int>(o.x) / 32, y = static_cast<int>(o.y) / 32;
        const int d[4][2] = {{0, 1}, {0, -1}, {1, 0}, {-1, 0}};
        for (const auto& off : d)
            if (grid.walkableOutside(x + off[0], y + off[1]) && !grid.occupied(x + off[0], y + off[1]))
            {
                marker(3, x + off[0], y + off[1], queue++);
                break;
            }
    }
    contactPlaces();
    playerSpawns();
    // Police checkpoints at street crossings.
    int checkpoints = 0;
    for (size_t i = 1; i < layout.streetColumns().size() && checkpoints < 6; i += 2)
        for (size_t j = 1; j < layout.streetRows().size() && checkpoints < 6; j += 2)
        {
            int x = layout.streetColumns()[i] + 1, y = layout.streetRows()[j] + 1;
            if (grid.kind(x, y) == CellKind::Road)
            {
                marker(5, x, y, checkpoints);
                ++checkpoints;
            }
        }
}
