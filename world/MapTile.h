#pragma once

#include <string>

#include "cocos2d.h"

namespace cocos2d {
class Animation;
}

class TileDef;

// One cell of the city map: its floor and overlay tile types and the flags
// the map file and the editor give it. The world map owns the records and
// keeps the cells' drawing nodes in its own grids.
class MapTile {
public:
    // Whether the cell is impassable or its floor has a wall on any side.
    bool isBlocked() const;
    // Whether side 1 north, 2 south, 3 west or 4 east is a wall at the level.
    bool isSideBlocked(int level, int side) const;

    bool npcAvoid = false;
    bool blocked = false;
    TileDef* overlay = nullptr;
    TileDef* floor = nullptr;
    cocos2d::Animation* animation = nullptr;
    cocos2d::Vec2 gridPos;
    int level = 0;
    int buildingId = -1;
    int rotation = 0;
    int overlayRotation = 0;
    int zone = -1;
    int sideTexture = 0;
    int textureIndex = 0;
};

// Tints of the zone view, by zone number.
constexpr int kZoneColourCount = 16;
extern const cocos2d::Color3B ZoneColours[kZoneColourCount];
// Colour of a zone in the zone view: a cell without a zone (-1) takes the
// first colour, and zones past the table the last one. The zone view draws
// with this and nothing else.
cocos2d::Color3B zoneColour(int zone);

// Texture-name suffixes of the side-texture variants of a model floor:
// sideTexture 1 takes the first, 2 the second.
constexpr int kSideSuffixCount = 2;
extern const char* const SideSuffixes[kSideSuffixCount];
// The suffix of a sideTexture value; empty for 0 and any value without one.
std::string sideSuffix(int sideTexture);
