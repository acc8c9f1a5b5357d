#include "WorldMapFixture.h"
#include "app/Line.h"
#include "world/GameData.h"
#include "world/MapMarker.h"
#include <cstdlib>

using cocos2d::Vec2;

class WorldMapTest : public WorldMapFixture
{
};

TEST_F(WorldMapTest, OneByOneMapHoldsOneRecord)
{
    makeMap(1, 1);
    EXPECT_EQ(map->mapCentre, Vec2(0, 0));
    ASSERT_NE(map->getTile(0, 0), nullptr);
    EXPECT_EQ(map->getTile(0, 0)->gridPos, Vec2(0, 0));
    EXPECT_EQ(map->getTile(1, 0), nullptr);
}

TEST_F(WorldMapTest, LookupsOffTheMapGiveNull)
{
    EXPECT_EQ(map->getTile(map->width, 0), nullptr);
    EXPECT_EQ(map->getTile(-1, 0), nullptr);
    EXPECT_EQ(map->tileAtPixel(map->width * 32 + 5, 10), nullptr);
    EXPECT_NE(map->tileAtPixel(map->width * 32 - 1, 10), nullptr);
    EXPECT_EQ(map->tileAtCell(-0.5f, 3.0f), nullptr);
    EXPECT_TRUE(map->isOutOfBounds(-0.5f, 3.0f));
    EXPECT_EQ(map->setTileFloorType(-1, 0, 0), nullptr);
    EXPECT_EQ(map->setTileOverlayType(0, map->height, 0), nullptr);
}

TEST_F(WorldMapTest, SizesBeyondTheFixedGridsAreCut)
{
    map->clear();
    map->init(500, 3);
    EXPECT_EQ(map->width, WorldMap::MaxSize);
    EXPECT_EQ(map->height, 3);
}

TEST_F(WorldMapTest, PixelAndGridConversions)
{
    EXPECT_EQ(WorldMap::pixelToGrid(-10, 40), Vec2(0, 1)) << "truncation toward zero";
    EXPECT_EQ(WorldMap::gridToPixel(3, 4), Vec2(96, 128)) << "the corner, not the centre";
}

TEST_F(WorldMapTest, PointOnTheEdgeOfTheViewCountsAsOnScreen)
{
    const cocos2d::Size size = cocos2d::Director::getInstance()->getVisibleSize();
    map->cameraPoint = Vec2(300, 200);
    const Vec2 corner(300 - size.width * 0.5f, 200 - size.height * 0.5f);
    EXPECT_TRUE(map->isPointOnScreen(corner));
    EXPECT_TRUE(map->isPointOnScreen(corner + Vec2(size.width, size.height)));
    EXPECT_FALSE(map->isPointOnScreen(corner - Vec2(1, 0)));
}

TEST_F(WorldMapTest, ZoneAndCellRules)
{
    tile(2, 3)->zone = 4;
    EXPECT_EQ(map->zoneAt(Vec2(2, 3)), 4);
    EXPECT_EQ(map->zoneAt(Vec2(-1, 3)), -1);
    EXPECT_EQ(map->zoneAt(Vec2(2, 99)), -1);
    EXPECT_EQ(zoneColour(-1), zoneColour(0));
    EXPECT_EQ(zoneColour(20), zoneColour(15));

    TileDef* pricey = makeTileDef(0, 4);
    TileDef* roof = makeTileDef(2, 7);
    setFloor(5, 5, pricey);
    EXPECT_EQ(map->cellCost(Vec2(5, 5)), 4);
    EXPECT_EQ(map->cellCost(Vec2(-1, 5)), -1);
    tile(6, 5)->overlay = roof;
    EXPECT_EQ(map->cellCost(Vec2(6, 5)), 1) << "an overlay on a level-0 cell does not set the cost";
    tile(6, 5)->level = 2;
    EXPECT_EQ(map->cellCost(Vec2(6, 5)), 7);

    EXPECT_TRUE(map->isWalkable(1, 1));
    EXPECT_FALSE(map->isWalkable(6, 5)) << "its overlay raises it";
    setFloor(7, 7, makeTileDef(0, 1, {2}));
    EXPECT_FALSE(map->isWalkable(7, 7));
    tile(8, 8)->blocked = true;
    EXPECT_FALSE(map->isWalkable(8, 8));
    EXPECT_FALSE(map->isWalkable(-1, 0));
}

TEST_F(WorldMapTest, CanPassTestsTheWallFromBothTiles)
{
    setFloor(4, 4, makeTileDef(0, 1, {4}));  // east side walled
    EXPECT_FALSE(map->canPass(0, true, Vec2(5, 4), Vec2(4, 4))) << "leaving through the walled side";
    EXPECT_FALSE(map->canPass(0, true, Vec2(4, 4), Vec2(5, 4))) << "entering through the walled side";
    EXPECT_TRUE(map->canPass(0, true, Vec2(4, 5), Vec2(4, 4)));
    tile(4, 5)->npcAvoid = true;
    EXPECT_FALSE(map->canPass(0, true, Vec2(4, 5), Vec2(4, 4)));
    EXPECT_TRUE(map->canPass(0, false, Vec2(4, 5), Vec2(4, 4)));
    EXPECT_FALSE(map->canPass(1, false, Vec2(4, 5), Vec2(4, 4))) << "another level";
    EXPECT_FALSE(map->canPass(0, false, Vec2(-1, 4), Vec2(0, 4)));
}

TEST_F(WorldMapTest, SegmentsAreBlockedOnlyByHigherCells)
{
    // A walled cell of the mover's own level never blocks.
    setFloor(3, 3, makeTileDef(0, 1, {1, 2, 3, 4}));
    EXPECT_TRUE(map->isSegmentClear(Line(Vec2(80, 112), Vec2(150, 112)), 0, false));
    // A cell one level higher blocks with any of its four walls.
    setFloor(6, 3, makeTileDef(1));
    EXPECT_FALSE(map->isSegmentClear(Line(Vec2(150, 112), Vec2(230, 112)), 0, false));
    EXPECT_TRUE(map->isSegmentClear(Line(Vec2(150, 112), Vec2(230, 112)), 1, false));
    EXPECT_TRUE(map->hasLineOfSight(0, Vec2(48, 48), 0.0f, 200.0f));
    EXPECT_FALSE(map->hasLineOfSight(0, Vec2(150, 112), 90.0f, 80.0f));
}

TEST_F(WorldMapTest, WidePathNeedsAllThreeLinesClear)
{
    setFloor(5, 6, makeTileDef(1));
    // The centre line runs along y = 176, 16 pixels below the raised cell (y 192 .. 224).
    EXPECT_TRUE(map->isWidePathClear(8, 0, Vec2(100, 176), Vec2(250, 176)));
    EXPECT_FALSE(map->isWidePathClear(20, 0, Vec2(100, 176), Vec2(250, 176)));
}

TEST_F(WorldMapTest, SegmentSearchStopsWhenItsFirstBucketIsEmpty)
{
    ObjectDef* crate = makeObjectDef(false, 0, 10.0f);
    GameObject* object = addObject(crate, Vec2(200, 48));  // cell (6, 1), bucket (1, 0)
    // Starts in bucket (0, 0), which is empty: nothing is found even though the line crosses the crate.
    EXPECT_EQ(map->findObjectOnSegment(Line(Vec2(100, 48), Vec2(300, 48))), nullptr);
    // Starting in the crate's bucket it is found.
    EXPECT_EQ(map->findObjectOnSegment(Line(Vec2(140, 48), Vec2(300, 48))), object);
}

TEST_F(WorldMapTest, ObjectFirstPlacedInBucketZeroIsEnteredThere)
{
    ObjectDef* crate = makeObjectDef(false, 0, 10.0f);
    GameObject* atOrigin = addObject(crate, Vec2(10, 10));  // cell (0, 0): the cell a new object starts with
    GameObject* near = addObject(crate, Vec2(40, 40));      // cell (1, 1), the same bucket
    EXPECT_EQ(map->objectBuckets[0].size(), 2u);
    EXPECT_TRUE(atOrigin->inBucket);
    EXPECT_EQ(map->findObjectOnSegment(Line(Vec2(0, 10), Vec2(30, 10))), atOrigin);
    // A mover at the corner is tested against buckets (0..1, 0..1) only and finds the crate.
    RecordingMob mover;
    mover.def = crate;
    mover.setPosition(Vec2(22, 12));
    EXPECT_EQ(map->findCollidingObject(&mover), atOrigin);
    (void)near;
}

TEST_F(WorldMapTest, BucketMovesAndRemoval)
{
    ObjectDef* crate = makeObjectDef(false, 0, 10.0f);
    GameObject* object = addObject(crate, Vec2(150, 150));  // cell (4, 4), bucket (1, 1)
    EXPECT_EQ(map->objectBuckets[1 + 50].size(), 1u);
    map->moveObjectBucket(object, Vec2(200, 10));  // bucket (50, 2): off the grid of buckets
    EXPECT_TRUE(map->objectBuckets[1 + 50].empty());
    EXPECT_FALSE(object->inBucket);
    for (const auto& bucket : map->objectBuckets)
        EXPECT_EQ(std::count(bucket.begin(), bucket.end(), object), 0);

    object->setPosition(Vec2(150, 150));
    EXPECT_EQ(map->objectBuckets[1 + 50].size(), 1u);
    map->removeObject(object, true);
    EXPECT_TRUE(map->objectBuckets[1 + 50].empty());
    EXPECT_TRUE(map->solidObjects.empty());
    map->removeObject(object, true);  // a second removal changes nothing
    delete object;
}

TEST_F(WorldMapTest, CollisionWithTilesMarksWallsAndLevels)
{
    ObjectDef* body = makeObjectDef(false, 0, 12.0f);
    RecordingMob mover;
    mover.def = body;
    // Beside a raised cell to the east.
    setFloor(6, 5, makeTileDef(1));
    mover.setPosition(Vec2(6 * 32 - 5, 5 * 32 + 16));
    int* blocked = map->collideWithTiles(&mover, false);
    EXPECT_EQ(blocked[2], 1) << "east";
    EXPECT_EQ(blocked[0], -1);
    EXPECT_EQ(blocked[1], -1);
    EXPECT_EQ(blocked[3], -1);
    EXPECT_EQ(blocked[4], -1);
    EXPECT_EQ(blocked[7], -1);

    // Outside the map (level 999): nothing is higher, but every in-map neighbour differs.
    RecordingMob outside;
    outside.def = makeObjectDef(false, 0, 45.0f);
    outside.setPosition(Vec2(-40, 80));
    blocked = map->collideWithTiles(&outside, false);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(blocked[i], -1) << i;
    blocked = map->collideWithTiles(&outside, true);
    EXPECT_EQ(blocked[2], 1) << "east, towards the map";
}

TEST_F(WorldMapTest, OnlyThePlayerIsKeptOutOfNpcOnlyCells)
{
    TileDef* npcsOnly = makeTileDef(0);
    npcsOnly->npcs_only = true;
    setFloor(6, 5, npcsOnly);
    RecordingMob player;
    player.def = makeObjectDef(false, 0, 12.0f);
    player.mobKind = MobPlayer;
    player.setPosition(Vec2(6 * 32 - 5, 5 * 32 + 16));
    EXPECT_EQ(map->collideWithTiles(&player, false)[2], 1);
    RecordingMob citizen;
    citizen.def = player.def;
    citizen.mobKind = MobCitizen;
    citizen.setPosition(player.position);
    EXPECT_EQ(map->collideWithTiles(&citizen, false)[2], -1);
}

TEST_F(WorldMapTest, RandomEdgeCells)
{
    for (int side : {2, 7})
        EXPECT_EQ(map->randomEdgeCell(side).y, map->height - 1);
    EXPECT_EQ(map->randomEdgeCell(1).y, 0);
    EXPECT_EQ(map->randomEdgeCell(3).x, 0);
    EXPECT_EQ(map->randomEdgeCell(4).x, map->width - 1);
}

TEST_F(WorldMapTest, RandomPickersAnswerNoneInsteadOfFailing)
{
    // Empty marker lists.
    EXPECT_EQ(map->randomPlayerSpawn(), WorldMap::None);
    EXPECT_EQ(map->randomSpawnPosition(false, -1), WorldMap::None);
    EXPECT_EQ(map->randomInterestMarker(), nullptr);
    EXPECT_EQ(map->randomCellNearInterest(), WorldMap::None);
    EXPECT_EQ(map->randomSpawnMarkerElsewhere(Vec2(1, 1)), nullptr);

    // An interest marker without a walkable cell round it.
    MapMarker* interest = new MapMarker(MapMarkerKind::Interest, Vec2(5 * 32 + 16, 5 * 32 + 16));
    map->allMarkers.push_back(interest);
    TileDef* raised = makeTileDef(1);
    for (int x = 4; x <= 6; ++x)
    {
        for (int y = 4; y <= 6; ++y)
            setFloor(x, y, raised);
    }
    EXPECT_EQ(map->randomInterestMarker(), interest);
    EXPECT_EQ(map->randomCellNearInterest(), WorldMap::None);
    setFloor(6, 6, &ground);
    EXPECT_EQ(map->randomCellNearInterest(), Vec2(6, 6));

    // A map no larger than the view has no off-screen point.
    map->visibleRadius = 40;
    map->cameraPoint = Vec2(320, 320);
    EXPECT_EQ(map->randomOffscreenPoint(), WorldMap::None);

    // A 0-size map.
    makeMap(0, 0);
    EXPECT_EQ(map->randomEdgeCell(1), WorldMap::None);
    EXPECT_EQ(map->randomOffscreenPoint(), WorldMap::None);
}

TEST_F(WorldMapTest, OffscreenPointLiesOutsideTheViewOnBothAxes)
{
    makeMap(100, 100);
    map->visibleRadius = 10;
    map->cameraPoint = Vec2(1600, 1600);
    for (int i = 0; i < 50; ++i)
    {
        const Vec2 p = map->randomOffscreenPoint();
        ASSERT_NE(p, WorldMap::None);
        EXPECT_TRUE(p.x <= 1280 || p.x >= 1920);
        EXPECT_TRUE(p.y <= 1280 || p.y >= 1920);
    }
}

TEST_F(WorldMapTest, SpawnPositionNearThePlayer)
{
    RecordingMob player;
    player.setPosition(Vec2(1000, 1000));
    MapMarker* near = new MapMarker(MapMarkerKind::Spawn, Vec2(1320, 1000));  // 10 tiles
    MapMarker* far = new MapMarker(MapMarkerKind::Spawn, Vec2(1640, 1000));   // 20 tiles
    map->allMarkers = {near, far};
    map->spawnMarkers = {near, far};
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(map->randomSpawnPosition(true, 5, &player), near->position) << "only the one within 512 pixels";
    EXPECT_EQ(near->useCount, 20);
    EXPECT_EQ(far->useCount, 0);
    map->spawnMarkers = {far};
    EXPECT_EQ(map->randomSpawnPosition(true, 5, &player), WorldMap::None) << "no marker within the limit";
    EXPECT_EQ(map->randomSpawnPosition(true, -1, &player), far->position) << "no limit takes every marker";
}

TEST_F(WorldMapTest, NeighbourCellsMustBeCheapLevelGround)
{
    TileDef* dear = makeTileDef(0, 3);
    for (int x = 4; x <= 6; ++x)
    {
        for (int y = 4; y <= 6; ++y)
            setFloor(x, y, dear);
    }
    EXPECT_EQ(map->randomNeighbourCell(5, 5), WorldMap::None);
    setFloor(6, 4, makeTileDef(0, 2));
    EXPECT_EQ(map->randomNeighbourCell(5, 5), Vec2(6, 4));
}

TEST_F(WorldMapTest, ContactMarkersAreTakenOnce)
{
    for (int i = 0; i < 3; ++i)
    {
        MapMarker* marker = new MapMarker(MapMarkerKind::Contact, Vec2(32.0f * i, 0));
        map->allMarkers.push_back(marker);
        map->contactMarkers.push_back(marker);
    }
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(map->takeFreeContactMarker(), map->contactMarkers[i]);
    EXPECT_EQ(map->takeFreeContactMarker(), nullptr);
    EXPECT_EQ(map->markerAtPoint(Vec2(36, 4)), map->contactMarkers[1]);
    EXPECT_EQ(map->markerAtPoint(Vec2(300, 300)), nullptr);
}

TEST_F(WorldMapTest, SetCurrentInteriorReadsTheBuildingOfTheCell)
{
    tile(3, 3)->buildingId = 7;
    map->setCurrentInterior(Vec2(3, 3));
    EXPECT_EQ(map->currentInterior, 7);
    map->setCurrentInterior(Vec2(-3, 3));
    EXPECT_EQ(map->currentInterior, -1);
}

TEST_F(WorldMapTest, SecondExitObjectWinsAndRemovalClearsIt)
{
    ObjectDef* exitDef = makeObjectDef(true);
    exitDef->exit = true;
    GameObject* first = addObject(exitDef, Vec2(50, 50));
    GameObject* second = addObject(exitDef, Vec2(90, 50));
    EXPECT_EQ(map->exitObject, second);
    map->removeObject(first, true);
    EXPECT_EQ(map->exitObject, second);
    map->removeObject(second, true);
    EXPECT_EQ(map->exitObject, nullptr);
    delete first;
    delete second;
}

TEST_F(WorldMapTest, FindObjectNear)
{
    ObjectDef* vending = makeObjectDef(false, 0, 10.0f);
    vending->vendingmachine = true;
    ObjectDef* plant = makeObjectDef(true, 0, 10.0f);
    addObject(plant, Vec2(100, 105));
    GameObject* machine = addObject(vending, Vec2(100, 110));
    EXPECT_EQ(map->findObjectNear(false, true, false, Vec2(100, 100), 20.0f), machine);
    // Distances are the fast estimate, about 0.2 % short: exactly 20 reads as 19.97.
    EXPECT_EQ(map->findObjectNear(false, true, false, Vec2(100, 89), 20.0f), nullptr) << "21 away";

    ObjectDef* litter = makeObjectDef(true, 0, 4.0f);
    litter->garbage = true;
    GameObject* can = addObject(litter, Vec2(300, 300));
    EXPECT_EQ(map->findObjectNear(true, false, false, Vec2(305, 300), 20.0f), can);
    can->carried = true;
    EXPECT_EQ(map->findObjectNear(true, false, false, Vec2(305, 300), 20.0f), nullptr);

    ObjectDef* bin = makeObjectDef(false, 0, 10.0f);
    bin->cancarrybody = true;
    GameObject* bodyBin = addObject(bin, Vec2(500, 500));
    EXPECT_EQ(map->findObjectNear(false, false, true, Vec2(500, 505), 20.0f), bodyBin);
    bodyBin->filled = true;
    EXPECT_EQ(map->findObjectNear(false, false, true, Vec2(500, 505), 20.0f), nullptr);
}

TEST_F(WorldMapTest, DrawOrderBases)
{
    ObjectDef plain;
    plain.passable = false;
    EXPECT_EQ(WorldMap::objectBaseZ(&plain, true) + 200, 220);
    ObjectDef effect;
    effect.effect = true;
    EXPECT_EQ(WorldMap::objectBaseZ(&effect, true), 20);
    ObjectDef passable;
    EXPECT_EQ(WorldMap::objectBaseZ(&passable, true), 10);
    ObjectDef decal;
    decal.decal = true;
    EXPECT_EQ(WorldMap::objectBaseZ(&decal, true), 5);
    ObjectDef model;
    model.hasModel = true;
    EXPECT_EQ(WorldMap::objectBaseZ(&model, true), 40);
    EXPECT_EQ(WorldMap::objectBaseZ(&model, false), 10) << "a re-order counts high only";
}

TEST_F(WorldMapTest, SideTextureNames)
{
    EXPECT_EQ(WorldMap::sideTextureName("Wall_Grey.png", 1), "Wall_Grey_Side2.png");
    EXPECT_EQ(WorldMap::sideTextureName("Wall_Grey.png", 2), "Wall_Grey_Side3.png");
    EXPECT_EQ(WorldMap::sideTextureName("Wall_Grey.png", 0), "Wall_Grey.png");
}
