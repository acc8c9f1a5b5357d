#pragma once
#include "CityGrid.h"
#include "CityLayout.h"
#include "Passages.h"
#include "Rng.h"
#include "ZoneStyle.h"

// Puts the zone numbers, the placed objects and the markers on a laid-out
// city: street furniture, machines, cameras, containers, litter, lights,
// the exit, furniture inside the enterable buildings, and every marker
// kind the game needs.
class CityDressing
{
public:
    static constexpr int kDistricts = 3; // zones per side: 9 zones a map

    CityDressing(const ZoneStyle& style, CityGrid& grid, const CityLayout& layout, Rng& rng);
    void dress();
    static int zoneOf(int x, int y, int width, int height);

private:
    void assignZones();
    void streetFurniture();
    void guaranteed(int objectId, int count, bool besideBuilding);
    void furnishInteriors();
    void openLotDressing();
    void gardenDressing();
    void placeExit();
    void markers();
    void spreadMarkers(int kind, int spacing, int limit);
    void contactPlaces();
    void playerSpawns();
    bool markerAt(int x, int y) const;
    // Whether nothing but flat litter lies within the distance (in cells,
    // either way) of a cell.
    bool clearAround(int x, int y, int distance) const;
    // Places an object; false (and nothing placed) where a solid one would
    // narrow the way past it.
    bool object(int id, int x, int y, float heading, int level = 0, int building = -1);
    void marker(int kind, int x, int y, int identifier = -1);
    bool besideBuilding(int x, int y) const;
    // Heading that faces away from the neighbouring building, in degrees.
    float awayFromBuilding(int x, int y) const;

    const ZoneStyle& style;
    CityGrid& grid;
    const CityLayout& layout;
    Rng& rng;
    Passages passages;
};
