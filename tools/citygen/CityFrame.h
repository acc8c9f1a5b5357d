#pragma once
#include "CityGrid.h"
#include "Rng.h"
#include "ZoneStyle.h"

// Sets a laid-out city inside a ring of scenery nobody can walk into:
// buildings, with the city's water and rails running on out to the map's
// edge. The ring is wide enough that the view round a player anywhere in the
// city never reaches past the map.
class CityFrame
{
public:
    // A 1920 x 1080 window shows 960 x 540 map pixels: 15 cells of 32 to
    // either side of the player and a little over 8 above and below. One
    // cell more keeps a player standing on the city's last cell clear too.
    static constexpr int kRing = 16;

    CityFrame(const ZoneStyle& style, const CityGrid& city, Rng& rng);
    // The framed map: the city moved kRing cells in from each edge.
    CityGrid build();

private:
    void copyCity(CityGrid& map) const;
    void fillRing(CityGrid& map);
    void ringLot(CityGrid& map, int x, int y, int w, int h);
    // What the city has at its edge nearest a ring cell.
    CellKind edgeKind(int x, int y) const;

    const ZoneStyle& style;
    const CityGrid& city;
    Rng& rng;
};
