// The cell and marker records and the zone view tables.
#include <gtest/gtest.h>

#include "world/MapMarker.h"
#include "world/MapTile.h"
#include "world/TileDef.h"

TEST(MapRecords, ZoneColoursAndSideSuffixes)
{
    EXPECT_EQ(zoneColour(3), cocos2d::Color3B(255, 255, 0));
    EXPECT_EQ(zoneColour(15), cocos2d::Color3B(128, 0, 128));
    // One rule with the zone view: no zone takes the first colour, zones past
    // the table the last.
    EXPECT_EQ(zoneColour(16), zoneColour(15));
    EXPECT_EQ(zoneColour(-1), cocos2d::Color3B(255, 0, 0));
    EXPECT_EQ(sideSuffix(0), "");
    EXPECT_EQ(sideSuffix(1), "_Side2");
    EXPECT_EQ(sideSuffix(2), "_Side3");
    EXPECT_EQ(sideSuffix(3), "");
    EXPECT_EQ(sideSuffix(-1), "");
}

TEST(MapRecords, BlockedCellsAndSides)
{
    TileDef floor, overlay;
    floor.height = 0;
    floor.east_blocked = true;
    overlay.height = 1;
    overlay.north_blocked = true;
    MapTile tile;
    EXPECT_FALSE(tile.isBlocked());  // no floor at all
    tile.floor = &floor;
    EXPECT_TRUE(tile.isBlocked());
    EXPECT_TRUE(tile.isSideBlocked(0, 4));
    EXPECT_FALSE(tile.isSideBlocked(1, 4));
    EXPECT_FALSE(tile.isSideBlocked(0, 1));
    tile.overlay = &overlay;
    EXPECT_TRUE(tile.isSideBlocked(1, 1));
    EXPECT_FALSE(tile.isSideBlocked(1, 9));
    floor.east_blocked = false;
    EXPECT_FALSE(tile.isBlocked()) << "the overlay is not consulted";
    tile.blocked = true;
    EXPECT_TRUE(tile.isSideBlocked(5, 2));
}

TEST(MapRecords, MarkerPickBoxFollowsItsPosition)
{
    MapMarker marker(MapMarkerKind::Interest, cocos2d::Vec2(100, 50));
    EXPECT_EQ(marker.pickRect.origin, cocos2d::Vec2(92, 42));
    EXPECT_EQ(marker.pickRect.size.width, 16);
    EXPECT_EQ(marker.gridPos, cocos2d::Vec2(3, 1));
    EXPECT_EQ(marker.spawnChance, 100);
    EXPECT_EQ(marker.zone, -1);
    EXPECT_EQ(marker.identifier, -1);
    marker.setPosition(0, 0);
    EXPECT_EQ(marker.pickRect.origin, cocos2d::Vec2(-8, -8));
    EXPECT_EQ(marker.pickRect.size.height, 16);
    EXPECT_EQ(marker.gridPos, cocos2d::Vec2(0, 0));
    EXPECT_EQ(MapMarker::kindName(static_cast<int>(MapMarkerKind::Checkpoint)), "Checkpoint");
    EXPECT_EQ(MapMarker::kindPicture(static_cast<int>(MapMarkerKind::Spawn)), "Editor_SpawnMarker.png");
    EXPECT_EQ(MapMarker::kindName(6), "");
    EXPECT_FALSE(MapMarker::isValidKind(-1));
}
