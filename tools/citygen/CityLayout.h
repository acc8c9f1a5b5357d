#pragma once
#include "CityGrid.h"
#include "Rng.h"
#include "ZoneStyle.h"
#include <vector>

struct Lot
{
    int x, y, w, h;
};

// Lays out a zone: streets, water, railway, blocks and the buildings on
// their lots. Fills the grid's cell records and kinds; returns the lots
// that became enterable buildings (for furnishing) through interiors().
class CityLayout
{
public:
    CityLayout(const ZoneStyle& style, CityGrid& grid, Rng& rng);
    void build();
    const std::vector<Lot>& interiors() const { return interiorLots; }
    const std::vector<Lot>& openLots() const { return open; }
    // Lots of houses with a garden round them.
    const std::vector<Lot>& gardenLots() const { return gardens; }
    // Where vertical and horizontal streets run (their first cell).
    const std::vector<int>& streetColumns() const { return columns; }
    const std::vector<int>& streetRows() const { return rows; }
    static constexpr int kRoadWidth = 3;
    // Fills an area with plain buildings nobody enters.
    void raiseBuildings(const Lot& area);

private:
    void placeWater();
    void placeStreets();
    void placeCanal();
    void placeRail();
    void fillBlocks();
    void splitLot(const Lot& lot, std::vector<Lot>& out);
    void fillLot(const Lot& lot);
    void modelBuilding(const Lot& lot);
    void interiorBuilding(const Lot& lot);
    void placeDoors();
    void placeDoors(const Lot& lot);
    void openLot(const Lot& lot);
    bool lotIsClear(const Lot& lot) const;
    bool onStreet(int v, const std::vector<int>& starts) const;
    void finishTiles();

    const ZoneStyle& style;
    CityGrid& grid;
    Rng& rng;
    std::vector<int> columns, rows;
    std::vector<Lot> interiorLots, open, gardens;
    int nextBuildingId = 1;
    int lakesMade = 0;
};
