#include "world/MapTile.h"

#include "world/TileDef.h"

#include <algorithm>

const cocos2d::Color3B ZoneColours[kZoneColourCount] = {
    cocos2d::Color3B(255, 0, 0),     cocos2d::Color3B(0, 255, 0),     cocos2d::Color3B(0, 0, 255),
    cocos2d::Color3B(255, 255, 0),   cocos2d::Color3B(0, 255, 255),   cocos2d::Color3B(255, 0, 255),
    cocos2d::Color3B(128, 255, 255), cocos2d::Color3B(255, 128, 255), cocos2d::Color3B(255, 255, 128),
    cocos2d::Color3B(128, 255, 0),   cocos2d::Color3B(255, 128, 0),   cocos2d::Color3B(0, 255, 128),
    cocos2d::Color3B(0, 128, 255),   cocos2d::Color3B(128, 0, 255),   cocos2d::Color3B(255, 0, 128),
    cocos2d::Color3B(128, 0, 128),
};

const char* const SideSuffixes[kSideSuffixCount] = {"_Side2", "_Side3"};

cocos2d::Color3B zoneColour(int zone)
{
    return ZoneColours[std::clamp(zone, 0, kZoneColourCount - 1)];
}

std::string sideSuffix(int sideTexture)
{
    if (sideTexture < 1 || sideTexture > kSideSuffixCount)
        return std::string();
    return SideSuffixes[sideTexture - 1];
}

bool MapTile::isBlocked() const
{
    if (blocked)
        return true;
    return floor && (floor->north_blocked || floor->south_blocked || floor->west_blocked || floor->east_blocked);
}

bool MapTile::isSideBlocked(int level, int side) const
{
    if (blocked)
        return true;
    if (floor && floor->height == level && floor->sideBlocked(side))
        return true;
    return overlay && overlay->height == level && overlay->sideBlocked(side);
}
