#include "CityLayout.h"
#include "TileIds.h"
#include <algorithm>
#include <cstdlib>

namespace
{
// The roof over a cell of an enterable building: a parapet along the
// building's outline and, here and there in between, a lit skylight.
int interiorRoof(bool n, bool s, bool w, bool e, int x, int y)
{
    if (n)
        return w ? TileId::RoofNW : (e ? TileId::RoofNE : TileId::RoofN);
    if (s)
        return w ? TileId::RoofSW : (e ? TileId::RoofSE : TileId::RoofS);
    if (w || e)
        return w ? TileId::RoofW : TileId::RoofE;
    return (x * 3 + y * 5) % 7 == 0 ? TileId::RoofSkylight : TileId::Roof;
}
}

CityLayout::CityLayout(const ZoneStyle& s, CityGrid& g, Rng& r) : style(s), grid(g), rng(r) {}

void CityLayout::build()
{
    placeWater();
    placeStreets();
    placeCanal();
    placeRail();
    fillBlocks();
    placeDoors();
    finishTiles();
}

void CityLayout::placeWater()
{
    int w = grid.width(), h = grid.height();
    if (style.waterEast > 0)
    {
        int shore = w - style.waterEast;
        for (int y = 0; y < h; ++y)
            for (int x = shore; x < w; ++x)
                grid.setKind(x, y, CellKind::Water);
        // Piers reach out into the harbour every dozen rows.
        for (int y = 6; y + 3 < h - 4; y += 12)
            for (int x = shore; x < w - 4; ++x)
                for (int k = 0; k < 3; ++k)
                    grid.setKind(x, y + k, CellKind::Quay);
        for (int y = 0; y < h; ++y)
            grid.setKind(shore - 1, y, CellKind::Quay);
    }
}

void CityLayout::placeCanal()
{
    if (style.canalRow < 0 || rows.size() < 2)
        return;
    // The canal runs through the middle of the band of blocks nearest its
    // row; the streets that cross it become bridges.
    size_t best = 0;
    for (size_t i = 0; i + 1 < rows.size(); ++i)
        if (std::abs(rows[i] - style.canalRow) < std::abs(rows[best] - style.canalRow))
            best = i;
    if (best + 1 >= rows.size())
        best = rows.size() - 2;
    int top = (rows[best] + kRoadWidth + rows[best + 1]) / 2 - 1;
    for (int y = top; y < top + 3; ++y)
        for (int x = 0; x < grid.width(); ++x)
            if (grid.kind(x, y) != CellKind::Road)
                grid.setKind(x, y, CellKind::Water);
}

void CityLayout::placeStreets()
{
    int w = grid.width(), h = grid.height();
    int limit = style.waterEast > 0 ? w - style.waterEast - 1 : w;
    for (int v = 2; v + kRoadWidth <= limit - 2; v += kRoadWidth + rng.range(style.blockMin, style.blockMax))
        columns.push_back(v);
    for (int v = 2; v + kRoadWidth <= h - 2; v += kRoadWidth + rng.range(style.blockMin, style.blockMax))
        rows.push_back(v);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < limit; ++x)
        {
            bool vertical = onStreet(x, columns), horizontal = onStreet(y, rows);
            if (!vertical && !horizontal)
                continue;
            if (grid.kind(x, y) == CellKind::Water)
                continue;
            grid.setKind(x, y, CellKind::Road);
            MapCellRecord& c = grid.cell(x, y);
            if (vertical && horizontal)
                c.floorId = TileId::Asphalt;
            else if (vertical)
            {
                bool centre = std::find(columns.begin(), columns.end(), x - 1) != columns.end();
                bool nearCrossing = onStreet(y - 1, rows) || onStreet(y + 1, rows);
                c.floorId = nearCrossing ? TileId::Crossing : (centre ? TileId::RoadLine : TileId::Asphalt);
                c.rotation = 0;
            }
            else
            {
                bool centre = std::find(rows.begin(), rows.end(), y - 1) != rows.end();
                bool nearCrossing = onStreet(x - 1, columns) || onStreet(x + 1, columns);
                c.floorId = nearCrossing ? TileId::Crossing : (centre ? TileId::RoadLine : TileId::Asphalt);
                c.rotation = 90;
            }
        }
}

bool CityLayout::onStreet(int v, const std::vector<int>& starts) const
{
    for (int s : starts)
        if (v >= s && v < s + kRoadWidth)
            return true;
    return false;
}

void CityLayout::placeRail()
{
    if (style.trainColumn < 0)
        return;
    for (int y = 0; y < grid.height(); ++y)
        for (int x = style.trainColumn - 1; x <= style.trainColumn + 3; ++x)
            if (grid.inside(x, y))
                grid.setKind(x, y, CellKind::Rail); // bridges over any water
}

void CityLayout::fillBlocks()
{
    // Blocks lie between the streets (and the map edge); their rim is pavement.
    std::vector<int> xs = {0}, ys = {0};
    for (int c : columns)
    {
        xs.push_back(c);
        xs.push_back(c + kRoadWidth);
    }
    xs.push_back(grid.width());
    for (int r : rows)
    {
        ys.push_back(r);
        ys.push_back(r + kRoadWidth);
    }
    ys.push_back(grid.height());
    for (size_t i = 0; i + 1 < xs.size(); i += 2)
        for (size_t j = 0; j + 1 < ys.size(); j += 2)
        {
            Lot block{xs[i] + 1, ys[j] + 1, xs[i + 1] - xs[i] - 2, ys[j + 1] - ys[j] - 2};
            if (block.w < 3 || block.h < 3)
                continue;
            std::vector<Lot> lots;
            splitLot(block, lots);
            for (const Lot& lot : lots)
                fillLot(lot);
        }
}

void CityLayout::splitLot(const Lot& lot, std::vector<Lot>& out)
{
    const int maxSide = 7;
    if (lot.w > maxSide && lot.w >= lot.h)
    {
        int cut = rng.range(3, lot.w - 3);
        splitLot({lot.x, lot.y, cut, lot.h}, out);
        splitLot({lot.x + cut, lot.y, lot.w - cut, lot.h}, out);
        return;
    }
    if (lot.h > maxSide)
    {
        int cut = rng.range(3, lot.h - 3);
        splitLot({lot.x, lot.y, lot.w, cut}, out);
        splitLot({lot.x, lot.y + cut, lot.w, lot.h - cut}, out);
        return;
    }
    out.push_back(lot);
}

void CityLayout::raiseBuildings(const Lot& area)
{
    std::vector<Lot> lots;
    splitLot(area, lots);
    for (const Lot& lot : lots)
        modelBuilding(lot);
}

bool CityLayout::lotIsClear(const Lot& lot) const
{
    for (int y = lot.y; y < lot.y + lot.h; ++y)
        for (int x = lot.x; x < lot.x + lot.w; ++x)
            if (!grid.inside(x, y) || grid.kind(x, y) != CellKind::Pavement)
                return false;
    return true;
}

void CityLayout::fillLot(const Lot& lot)
{
    if (!lotIsClear(lot))
    {
        // Water or rails run through it: what is left stays open ground.
        for (int y = lot.y; y < lot.y + lot.h; ++y)
            for (int x = lot.x; x < lot.x + lot.w; ++x)
                if (grid.inside(x, y) && grid.kind(x, y) == CellKind::Pavement)
                    grid.setKind(x, y, style.parks ? CellKind::Park : CellKind::Yard);
        return;
    }
    int roll = rng.range(1, 100);
    if (roll <= style.openPercent)
    {
        openLot(lot);
        return;
    }
    if (style.parks)
    {
        // Suburb: every house stands in its own garden.
        if (lot.w < 5 || lot.h < 5)
        {
            openLot(lot);
            return;
        }
        for (int y = lot.y; y < lot.y + lot.h; ++y)
            for (int x = lot.x; x < lot.x + lot.w; ++x)
                grid.setKind(x, y, CellKind::Park);
        gardens.push_back(lot);
        Lot house{lot.x + 1, lot.y + 1, lot.w - 2, lot.h - 2};
        if (roll <= style.openPercent + style.interiorPercent && house.w >= 4 && house.h >= 4)
            interiorBuilding(house);
        else
            modelBuilding(house);
        return;
    }
    if (roll <= style.openPercent + style.interiorPercent && lot.w >= 4 && lot.h >= 4)
        interiorBuilding(lot);
    else
        modelBuilding(lot);
}

void CityLayout::modelBuilding(const Lot& lot)
{
    int total = style.sizeWeights[0] + style.sizeWeights[1] + style.sizeWeights[2];
    int r = rng.range(1, total), size = 0;
    if (r > style.sizeWeights[0])
        size = r > style.sizeWeights[0] + style.sizeWeights[1] ? 2 : 1;
    // Small lots stay low so that towers keep some breadth.
    if (lot.w < 4 || lot.h < 4)
        size = std::min(size, 1);
    int texture = rng.range(0, TileId::kModularTextures - 1);
    int side = rng.range(0, 2);
    for (int y = lot.y; y < lot.y + lot.h; ++y)
        for (int x = lot.x; x < lot.x + lot.w; ++x)
        {
            grid.setKind(x, y, CellKind::Building);
            MapCellRecord& c = grid.cell(x, y);
            c.floorId = TileId::building(style.material, size);
            c.level = TileId::buildingLevel(size);
            c.textureIndex = texture;
            c.sideTexture = side;
            c.blocked = true;
        }
}

void CityLayout::interiorBuilding(const Lot& lot)
{
    int id = nextBuildingId++;
    int floorTile = rng.chance(0.5) ? TileId::Floor : TileId::FloorTiles;
    for (int y = lot.y; y < lot.y + lot.h; ++y)
        for (int x = lot.x; x < lot.x + lot.w; ++x)
        {
            grid.setKind(x, y, CellKind::Interior);
            MapCellRecord& c = grid.cell(x, y);
            bool n = y == lot.y + lot.h - 1, s = y == lot.y, w = x == lot.x, e = x == lot.x + lot.w - 1;
            c.floorId = interiorRoof(n, s, w, e, x, y);
            c.level = 1;
            c.buildingId = id;
            int overlay = floorTile;
            if (n && w)
                overlay = TileId::WallNW;
            else if (n && e)
                overlay = TileId::WallNE;
            else if (s && w)
                overlay = TileId::WallSW;
            else if (s && e)
                overlay = TileId::WallSE;
            else if (n)
                overlay = TileId::WallN;
            else if (s)
                overlay = TileId::WallS;
            else if (w)
                overlay = TileId::WallW;
            else if (e)
                overlay = TileId::WallE;
            c.overlayId = overlay;
        }
    interiorLots.push_back(lot);
}

// Doors wait until every lot of the zone is laid: a lot laid after a building
// may put a wall or another building's room where its door would open.
void CityLayout::placeDoors()
{
    for (const Lot& lot : interiorLots)
        placeDoors(lot);
}

void CityLayout::placeDoors(const Lot& lot)
{
    // One door in the middle of each side that faces open ground.
    struct Door
    {
        int x, y, ox, oy;
    };
    Door doors[4] = {{lot.x + lot.w / 2, lot.y + lot.h - 1, 0, 1},
                     {lot.x + lot.w / 2, lot.y, 0, -1},
                     {lot.x, lot.y + lot.h / 2, -1, 0},
                     {lot.x + lot.w - 1, lot.y + lot.h / 2, 1, 0}};
    bool any = false;
    for (const Door& d : doors)
        if (grid.walkableOutside(d.x + d.ox, d.y + d.oy))
        {
            grid.cell(d.x, d.y).overlayId = TileId::Door;
            any = true;
        }
    // A building walled in on every side still gets a way in.
    if (!any)
        grid.cell(doors[1].x, doors[1].y).overlayId = TileId::Door;
}

void CityLayout::openLot(const Lot& lot)
{
    for (int y = lot.y; y < lot.y + lot.h; ++y)
        for (int x = lot.x; x < lot.x + lot.w; ++x)
            grid.setKind(x, y, style.parks ? CellKind::Park : CellKind::Plaza);
    // Hilldale's parks hold its lakes: somewhere to sink a body.
    if (lakesMade < style.lakes && lot.w >= 5 && lot.h >= 5)
    {
        ++lakesMade;
        for (int y = lot.y + 1; y < lot.y + lot.h - 1; ++y)
            for (int x = lot.x + 1; x < lot.x + lot.w - 1; ++x)
                grid.setKind(x, y, CellKind::Water);
        return;
    }
    open.push_back(lot);
}

void CityLayout::finishTiles()
{
    for (int y = 0; y < grid.height(); ++y)
        for (int x = 0; x < grid.width(); ++x)
        {
            MapCellRecord& c = grid.cell(x, y);
            switch (grid.kind(x, y))
            {
            case CellKind::Pavement:
                c.floorId = TileId::Pavement;
                break;
            case CellKind::Plaza:
                c.floorId = TileId::Plaza;
                break;
            case CellKind::Park:
                c.floorId = TileId::Grass;
                break;
            case CellKind::Yard:
                c.floorId = style.waterEast > 0 ? TileId::Concrete : TileId::Gravel;
                break;
            case CellKind::Water:
                c.floorId = TileId::Water;
                c.blocked = true;
                break;
            case CellKind::Quay:
                c.floorId = TileId::Planks;
                break;
            case CellKind::Rail:
                c.floorId = TileId::Rail;
                c.rotation = 0;
                c.npcAvoid = !onStreet(y, rows);
                break;
            default:
                break;
            }
        }
}
