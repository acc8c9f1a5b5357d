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
    // The largest window the options offer, 3840 x 2160, shows 1920 x 1080
    // map pixels (the game draws two window pixels to a map pixel): 30 cells
    // of 32 to either side of the player and a little under 17 above and
    // below. A player on the city's last cell therefore sees no further than
    // the map's edge through a ring of 30 columns and 17 rows.
    static constexpr int kRingColumns = 30;
    static constexpr int kRingRows = 17;

    CityFrame(const ZoneStyle& style, const CityGrid& city, Rng& rng);
    // The framed map: the city moved in by the ring from the west and south.
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
