#pragma once
#include "CityGrid.h"

// Turns every building block of a framed map so that the parapets of its roof
// stand where the building meets open ground: a block with open ground on one
// side takes the edged roof turned to that side, one with open ground on two
// sides that meet at a corner the cornered roof, a block walled in by other
// buildings the plain one. Where two blocks touch no parapet stands between
// them, so a building's roof reads as one.
class RoofParapets
{
public:
    explicit RoofParapets(CityGrid& map);
    void apply();

private:
    // Sides (as bits: 1 north, 2 south, 4 west, 8 east) whose neighbour is
    // not a building; the map's edge counts as building.
    int openSides(int x, int y) const;
    bool isBuilding(int x, int y) const;

    CityGrid& map;
};
