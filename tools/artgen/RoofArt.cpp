#include "RoofArt.h"
#include "Rng.h"

namespace RoofArt
{
namespace
{
const int kCell = 32;
const int kRim = 3;

Rgba scaled(Rgba c, int percent)
{
    return rgba(c.r * percent / 100, c.g * percent / 100, c.b * percent / 100, c.a);
}

Rgba jitter(Rng& rng, Rgba c, int amount)
{
    int d = rng.range(-amount, amount);
    return rgba(c.r + d, c.g + d, c.b + d, c.a);
}

// Turns a cell a quarter clockwise the given number of times.
Image turned(Image img, int quarters)
{
    for (int q = 0; q < (quarters % 4 + 4) % 4; ++q)
        img = img.rotated90();
    return img;
}

// How many quarter turns bring a side to the north.
int quartersToNorth(int side)
{
    return side == kNorth ? 0 : (side == kWest ? 1 : (side == kSouth ? 2 : 3));
}

// Runs paint on the cell turned so that the side lies north, then turns it back.
template <typename Paint>
void onSide(Image& cell, int side, Paint paint)
{
    const int q = quartersToNorth(side);
    Image north = turned(cell, q);
    paint(north);
    cell = turned(north, -q);
}

void shadowUnderNorthRim(Image& img)
{
    for (int x = 0; x < kCell; ++x)
        img.set(x, kRim, scaled(img.get(x, kRim), 55));
}

void northRim(Image& img, Rgba parapet, Rng& rng)
{
    for (int y = 0; y < kRim; ++y)
        for (int x = 0; x < kCell; ++x)
            img.set(x, y, jitter(rng, y == 0 ? scaled(parapet, 135) : parapet, 3));
}

void paintFeature(Image& img, Feature feature, Rgba light)
{
    const int lo = 11, size = 10;
    switch (feature)
    {
    case Feature::Gravel:
        return;
    case Feature::Skylight:
    case Feature::LitSkylight:
        img.fillRect(lo, lo, size, size, rgba(58, 58, 68));
        img.fillRect(lo + 1, lo + 1, size - 2, size - 2, feature == Feature::LitSkylight ? light : rgba(22, 28, 40));
        img.line(lo + 1, lo + size / 2, lo + size - 2, lo + size / 2, rgba(58, 58, 68));
        img.line(lo + size / 2, lo + 1, lo + size / 2, lo + size - 2, rgba(58, 58, 68));
        if (feature == Feature::LitSkylight)
            img.glow(kCell / 2, kCell / 2, 9, rgba(light.r, light.g, light.b, 40));
        return;
    case Feature::Vent:
        img.fillRect(lo + 1, lo + 1, size - 2, size - 2, rgba(86, 88, 98));
        img.rectOutline(lo + 1, lo + 1, size - 2, size - 2, rgba(40, 40, 48));
        img.fillRect(lo + 3, lo + 3, size - 6, size - 6, rgba(24, 24, 30));
        return;
    }
}
}

Image roofCell(Rgba membrane, Rgba parapet, int sides, Feature feature, Rgba light, uint64_t seed)
{
    Rng rng(seed);
    Image cell(kCell, kCell);
    for (int y = 0; y < kCell; ++y)
        for (int x = 0; x < kCell; ++x)
            cell.set(x, y, jitter(rng, membrane, 3));
    for (int k = 0; k < 10; ++k)
        cell.set(rng.range(0, kCell - 1), rng.range(0, kCell - 1), scaled(membrane, 140));
    for (int k = 0; k < 4; ++k)
    {
        int x = rng.range(0, kCell - 1), y = rng.range(0, kCell - 1);
        Rgba c = cell.get(x, y);
        cell.set(x, y, rgba(c.r + 30, c.g + 35, c.b + 50));
    }
    paintFeature(cell, feature, light);
    const int order[4] = {kNorth, kEast, kSouth, kWest};
    // Shadows first, so that a rim painted later is never darkened where two meet.
    for (int side : order)
        if (sides & side)
            onSide(cell, side, shadowUnderNorthRim);
    for (int side : order)
        if (sides & side)
            onSide(cell, side, [&](Image& img) { northRim(img, parapet, rng); });
    return cell;
}

Image interiorRoof(int sides, bool skylight)
{
    return roofCell(rgba(28, 26, 34), rgba(92, 90, 104), sides, skylight ? Feature::LitSkylight : Feature::Gravel,
                    rgba(255, 200, 120), 14);
}

const std::vector<InteriorRoofTile>& interiorRoofTiles()
{
    static const std::vector<InteriorRoofTile> tiles = {
        {"Roof North", "Tile_RoofN.png", kNorth, false},
        {"Roof South", "Tile_RoofS.png", kSouth, false},
        {"Roof West", "Tile_RoofW.png", kWest, false},
        {"Roof East", "Tile_RoofE.png", kEast, false},
        {"Roof North West", "Tile_RoofNW.png", kNorth | kWest, false},
        {"Roof North East", "Tile_RoofNE.png", kNorth | kEast, false},
        {"Roof South West", "Tile_RoofSW.png", kSouth | kWest, false},
        {"Roof South East", "Tile_RoofSE.png", kSouth | kEast, false},
        {"Roof Skylight", "Tile_RoofSkylight.png", 0, true},
    };
    return tiles;
}

int blockShapeSides(int shape)
{
    return shape == 0 ? 0 : (shape == 1 ? kNorth : kNorth | kEast);
}
}
