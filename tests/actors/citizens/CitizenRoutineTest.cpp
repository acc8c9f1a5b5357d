#include "actors/citizens/CitizenRecord.h"
#include "actors/citizens/CitizenRoutine.h"
#include "world/MapMarker.h"
#include "world/WorldMapFixture.h"

#include <cstdlib>
#include <set>

using cocos2d::Vec2;

namespace {

const Vec2 kHome(2, 2);
const Vec2 kFriendDoor(15, 15);
const Vec2 kInterest(10, 10);
const Vec2 kNone(-1, -1);

class CitizenRoutineTest : public WorldMapFixture
{
protected:
    void SetUp() override
    {
        WorldMapFixture::SetUp();
        std::srand(424242);
        citizen = std::make_unique<CitizenRecord>(false);
        citizen->smoker = false;
    }

    MapMarker* addMarker(MapMarkerKind kind, Vec2 cell, int building)
    {
        auto* marker = new MapMarker(kind, WorldMap::gridToPixel(cell.x, cell.y) + Vec2(16, 16));
        marker->identifier = building;
        map->allMarkers.push_back(marker);
        if (kind == MapMarkerKind::Spawn)
            map->spawnMarkers.push_back(marker);
        return marker;
    }

    // The city of the errands: the citizen's own door, a friend's door and a
    // place of interest among cells no one may stand on.
    void buildStreet()
    {
        addMarker(MapMarkerKind::Spawn, kHome, 1);
        addMarker(MapMarkerKind::Spawn, kFriendDoor, 7);
        addMarker(MapMarkerKind::Interest, kInterest, 3);
        tile(10, 10)->blocked = true;
        setFloor(9, 10, makeTileDef(0, 1, {1}));
        setFloor(11, 10, makeTileDef(1));
        setFloor(10, 9, makeTileDef(0, 3));
        setFloor(8, 8, makeTileDef(0, 2));
    }

    std::unique_ptr<CitizenRecord> citizen;
};

TEST_F(CitizenRoutineTest, ErrandsLeadToAFriendsDoorOrAFreeCellNearAPlaceOfInterest)
{
    buildStreet();
    const std::set<std::pair<int, int>> forbidden{{10, 10}, {9, 10}, {11, 10}, {10, 9}};
    int visits = 0, outings = 0;
    std::set<std::pair<int, int>> outingCells;
    for (int i = 0; i < 400; ++i)
    {
        const CitizenRoutine errand(*citizen, kHome, Vec2(4, 4));
        EXPECT_FALSE(errand.goingHome);
        ASSERT_TRUE(errand.hasDestination());
        if (errand.activity == CitizenRoutine::VisitingFriend)
        {
            ++visits;
            EXPECT_EQ(errand.destination, kFriendDoor) << "never the citizen's own door";
            EXPECT_EQ(errand.buildingId, 7);
            ASSERT_TRUE(errand.friendRecord);
            EXPECT_EQ(errand.getActivityText(), "Visiting my friend " + errand.friendRecord->firstName + ".");
            continue;
        }
        ASSERT_EQ(errand.activity, CitizenRoutine::GoingSomewhere);
        ++outings;
        const Vec2 offset = errand.destination - kInterest;
        EXPECT_TRUE(offset.x >= -4 && offset.x <= 2 && offset.y >= -4 && offset.y <= 2) << offset.x << "," << offset.y;
        const std::pair<int, int> cell{static_cast<int>(errand.destination.x), static_cast<int>(errand.destination.y)};
        EXPECT_EQ(forbidden.count(cell), 0u) << cell.first << "," << cell.second;
        outingCells.insert(cell);
        EXPECT_EQ(errand.buildingId, 3);
        EXPECT_EQ(errand.getActivityText(), "Going somewhere");
    }
    EXPECT_GT(visits, 120);
    EXPECT_GT(outings, 120);
    EXPECT_TRUE(outingCells.count({8, 8})) << "a step cost of 2 is still a street";
}

TEST_F(CitizenRoutineTest, SmokersStepOutToANearbyCellOfPlainGround)
{
    buildStreet();
    // Left of the citizen, every cell of the reach but one is rough going.
    TileDef* rough = makeTileDef(0, 2);
    TileDef* plain = makeTileDef(0, 1);
    for (int y = 0; y < 20; ++y)
    {
        for (int x = 0; x < 4; ++x)
            setFloor(x, y, rough);
    }
    tile(1, 1)->overlay = plain;      // a plain walkway over rough ground
    tile(6, 6)->overlay = rough;      // rough ground laid over a plain floor
    citizen->smoker = true;
    const Vec2 standing(3, 3);
    int smokes = 0;
    bool onWalkway = false;
    for (int i = 0; i < 600; ++i)
    {
        const CitizenRoutine errand(*citizen, kHome, standing);
        if (errand.activity != CitizenRoutine::Smoking)
            continue;
        ++smokes;
        EXPECT_EQ(errand.buildingId, -1);
        EXPECT_EQ(errand.getActivityText(), "Out for a smoke");
        ASSERT_TRUE(errand.hasDestination());
        const Vec2 offset = errand.destination - standing;
        EXPECT_TRUE(offset.x >= -9 && offset.x <= 10 && offset.y >= -9 && offset.y <= 10);
        const MapTile* spot = tile(static_cast<int>(errand.destination.x), static_cast<int>(errand.destination.y));
        ASSERT_NE(spot, nullptr) << "a smoke never leads off the map";
        EXPECT_EQ((spot->overlay ? spot->overlay : spot->floor)->cost, 1);
        onWalkway |= errand.destination == Vec2(1, 1);
    }
    EXPECT_TRUE(smokes > 90 && smokes < 230) << "about one smoker's errand in four: " << smokes;
    EXPECT_TRUE(onWalkway);

    citizen->smoker = false;
    for (int i = 0; i < 200; ++i)
        EXPECT_NE(CitizenRoutine(*citizen, kHome, standing).activity, CitizenRoutine::Smoking);
}

TEST_F(CitizenRoutineTest, AMapWithoutMarkersOrRoomLeavesTheErrandWithoutADestination)
{
    // No markers at all (the empty map made for a missing map file).
    for (int i = 0; i < 60; ++i)
    {
        const CitizenRoutine errand(*citizen, kHome, kHome);
        EXPECT_EQ(errand.destination, kNone);
        if (errand.activity == CitizenRoutine::VisitingFriend)
        {
            EXPECT_TRUE(errand.friendRecord) << "the visit still names the friend";
        }
    }

    // Only the citizen's own door and a place of interest walled in on every side.
    addMarker(MapMarkerKind::Spawn, kHome, 1);
    addMarker(MapMarkerKind::Interest, kInterest, 3);
    for (int y = 0; y < 20; ++y)
    {
        for (int x = 0; x < 20; ++x)
            tile(x, y)->blocked = true;
    }
    for (int i = 0; i < 60; ++i)
    {
        const CitizenRoutine errand(*citizen, kHome, kHome);
        EXPECT_EQ(errand.destination, kNone);
        EXPECT_EQ(errand.buildingId, -1);
    }
    citizen->smoker = true;
    map->init(0, 0);
    for (int i = 0; i < 60; ++i)
        EXPECT_EQ(CitizenRoutine(*citizen, kHome, kHome).destination, kNone);
}

TEST_F(CitizenRoutineTest, TheActivityLineFollowsTheErrand)
{
    CitizenRoutine errand(*citizen, kHome, kHome);
    errand.activity = CitizenRoutine::Shopping;
    EXPECT_EQ(errand.getActivityText(), "Going Shopping");
    errand.goingHome = true;
    EXPECT_EQ(errand.getActivityText(), "Heading home.");
}

}
