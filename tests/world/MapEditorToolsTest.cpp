// The map editor's tools on a small map: the tool cycle, painting, placing,
// moving and deleting objects and markers, copying, pasting and re-zoning,
// and the edits of the selection, with every click checked at the map edges.
#include "MapEditorFixture.h"

using cocos2d::Vec2;

TEST_F(MapEditorFixture, TheNextToolStepRunsThroughTheEightToolsAndRound)
{
    editor->setTool(-1);
    EXPECT_EQ(editor->tool, EditorTool::PaintTile);
    for (int t = 1; t <= 4; ++t)
    {
        editor->setTool(-1);
        EXPECT_EQ(editor->tool, t);
    }
    editor->selectedTile = map->getTile(1, 1);
    editor->setTool(-1);
    EXPECT_EQ(editor->tool, EditorTool::CopyTile);
    EXPECT_TRUE(saidOnScreen("COPY TILE"));
    EXPECT_EQ(editor->selectedTile, map->getTile(1, 1));  // kept for the copy
    editor->setTool(-1);
    EXPECT_TRUE(saidOnScreen("PASTE TILE"));
    editor->setTool(-1);
    EXPECT_TRUE(saidOnScreen("RE-ZONE TOOL"));
    editor->setTool(-1);
    EXPECT_EQ(editor->tool, EditorTool::PaintTile);
    EXPECT_EQ(editor->selectedTile, nullptr);
}

TEST_F(MapEditorFixture, ToolsChangeOnlyInTheEditState)
{
    driver->state = GameState::Playing;
    editor->setTool(EditorTool::Select);
    EXPECT_EQ(editor->tool, EditorTool::None);
}

TEST_F(MapEditorFixture, TheHighlightMarksTheToolsSlot)
{
    editor->setTool(EditorTool::PlaceMarker);
    ASSERT_NE(editor->highlight, nullptr);
    EXPECT_EQ(editor->highlight->getParent(), layer);
    EXPECT_EQ(editor->highlight->getLocalZOrder(), 1601);
    EXPECT_EQ(editor->highlight->getColor(), cocos2d::Color3B(178, 229, 184));
    runFor(0.2f);
    const float h = driver->visibleSize.height;
    EXPECT_NEAR(editor->highlight->getPosition().x, 2 * 36 + 20, 0.01f);
    EXPECT_NEAR(editor->highlight->getPosition().y, h - 20, 0.01f);
    EXPECT_NEAR(editor->highlight->getScaleX() * editor->highlight->getContentSize().width, 34.0f, 0.01f);
}

TEST_F(MapEditorFixture, PaintingWritesTheFloorOrInInteriorModeTheOverlay)
{
    editor->selectTileDef(kPavement);
    editor->setTool(EditorTool::PaintTile);
    editor->rotateBrush();
    clickCell(2, 3);
    const MapTile* tile = map->getTile(2, 3);
    EXPECT_EQ(tile->floor->id, kPavement);
    EXPECT_EQ(tile->rotation, 90);
    EXPECT_EQ(tile->overlay, nullptr);

    map->viewMode = 1;
    editor->selectTileDef(kRoof);
    clickCell(4, 4);
    EXPECT_EQ(map->getTile(4, 4)->overlay->id, kRoof);
    EXPECT_EQ(map->getTile(4, 4)->floor->id, kAsphalt);
    // A brush of another type starts unturned.
    EXPECT_EQ(map->getTile(4, 4)->overlayRotation, 0);
    map->viewMode = 2;
    clickCell(5, 4);
    EXPECT_EQ(map->getTile(5, 4)->floor->id, kRoof);
}

TEST_F(MapEditorFixture, ADragPaintsTextureZeroAndLeavesMatchingCellsAlone)
{
    editor->selectTileDef(kPavement);
    editor->setTool(EditorTool::PaintTile);
    clickCell(1, 1);
    map->getTile(1, 1)->textureIndex = 5;
    editor->onMouseMove(screenOfCell(1, 1));
    EXPECT_EQ(map->getTile(1, 1)->textureIndex, 5);  // same type, same turn: untouched
    map->getTile(2, 1)->textureIndex = 7;
    editor->onMouseMove(screenOfCell(2, 1));
    EXPECT_EQ(map->getTile(2, 1)->floor->id, kPavement);
    EXPECT_EQ(map->getTile(2, 1)->textureIndex, 0);
}

TEST_F(MapEditorFixture, ClicksAndDragsOffTheMapTouchNothing)
{
    const std::vector<Vec2> outside = {screenOf(Vec2(-5.0f, 10.0f)), screenOf(Vec2(10.0f, -3.0f)), screenOf(Vec2(-40.0f, -40.0f)),
                                       screenOf(Vec2(kWidth * 32.0f + 1.0f, 40.0f)),
                                       screenOf(Vec2(40.0f, kHeight * 32.0f + 1.0f))};
    editor->selectTileDef(kPavement);
    editor->copyTile(0, 0);
    editor->selectObjectDef(-1);
    const size_t objects = map->passableObjects.size() + map->solidObjects.size();
    for (int t = EditorTool::PaintTile; t < EditorTool::Count; ++t)
    {
        editor->tool = t;
        for (Vec2 p : outside)
        {
            editor->onMouseClick(p);
            editor->onMouseMove(p);
        }
    }
    EXPECT_EQ(map->passableObjects.size() + map->solidObjects.size(), objects);
    EXPECT_TRUE(map->allMarkers.empty());
    EXPECT_EQ(editor->selectedTile, nullptr);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            ASSERT_EQ(map->getTile(x, y)->floor->id, kAsphalt);
}

TEST_F(MapEditorFixture, ObjectsArePlacedOnTheGroundAndLockedOnesOnTheCellCentre)
{
    editor->selectObjectDef(static_cast<int>(std::find_if(data->objectDefs.begin(), data->objectDefs.end(),
                                                          [](ObjectDef* d) { return d->id == kVending; }) -
                                             data->objectDefs.begin()));
    ASSERT_EQ(editor->objectDef->id, kVending);
    editor->setTool(EditorTool::PlaceObject);
    editor->onMouseClick(screenOf(Vec2(3 * 32 + 3, 2 * 32 + 29)));
    ASSERT_FALSE(map->solidObjects.empty());
    GameObject* placed = map->solidObjects.back();
    EXPECT_EQ(placed->def->id, kVending);
    EXPECT_EQ(placed->getPosition(), Vec2(3 * 32 + 16, 2 * 32 + 16));

    map->setTileFloorType(6, 6, kBuildingLow);
    const size_t before = map->solidObjects.size();
    clickCell(6, 6);
    EXPECT_EQ(map->solidObjects.size(), before);
    EXPECT_TRUE(saidOnScreen("Cannot place objects on buildings."));
}

TEST_F(MapEditorFixture, AModelObjectMayStandOnBuildings)
{
    ObjectDef statue;
    statue.id = 9999;
    statue.hasModel = true;
    statue.model = "Rain.obj";
    statue.size = Vec2(8.0f, 8.0f);
    statue.addFile("white.png");
    editor->objectDef = &statue;
    editor->setTool(EditorTool::PlaceObject);
    map->setTileFloorType(6, 6, kBuildingLow);
    clickCell(6, 6);
    ASSERT_FALSE(map->passableObjects.empty());
    GameObject* placed = map->passableObjects.back();
    EXPECT_EQ(placed->def, &statue);
    map->removeObject(placed, true);
    map->queueForDeletion(placed);
    map->update(0.0f);
    editor->objectDef = nullptr;
}

TEST_F(MapEditorFixture, AClickMovesTheSelectedObjectWhateverTheTool)
{
    GameObject* blood = map->placeObject(data->getObjectDef(kBlood), -1, Vec2(50.0f, 50.0f), -1.0f);
    editor->setTool(EditorTool::Select);
    editor->onMouseClick(screenOf(Vec2(50.0f, 50.0f)));
    ASSERT_EQ(editor->selectedObject, blood);
    editor->tool = EditorTool::PaintTile;
    editor->onMouseClick(screenOf(Vec2(200.0f, 100.0f)));
    EXPECT_EQ(blood->getPosition(), Vec2(200.0f, 100.0f));
    EXPECT_EQ(map->getTile(6, 3)->floor->id, kAsphalt);  // nothing painted
    // Not onto a building, and not off the map.
    map->setTileFloorType(1, 1, kBuildingLow);
    clickCell(1, 1);
    EXPECT_EQ(blood->getPosition(), Vec2(200.0f, 100.0f));
    editor->onMouseClick(screenOf(Vec2(-40.0f, 100.0f)));
    EXPECT_EQ(blood->getPosition(), Vec2(200.0f, 100.0f));
}

TEST_F(MapEditorFixture, KeyboardMovesGoByACellOrAPixelAndStopAtInvalidPlaces)
{
    GameObject* machine = map->placeObject(data->getObjectDef(kVending), -1, Vec2(48.0f, 48.0f), -1.0f);
    GameObject* blood = map->placeObject(data->getObjectDef(kBlood), -1, Vec2(0.0f, 20.0f), -1.0f);
    editor->selectedObject = machine;
    editor->onDirectionKey(2);
    EXPECT_EQ(machine->getPosition(), Vec2(80.0f, 48.0f));
    editor->onDirectionKey(3);
    EXPECT_EQ(machine->getPosition(), Vec2(80.0f, 80.0f));
    map->setTileFloorType(2, 3, kBuildingLow);
    editor->onDirectionKey(3);
    EXPECT_EQ(machine->getPosition(), Vec2(80.0f, 80.0f));
    EXPECT_TRUE(saidOnScreen("Cannot move to invalid position."));

    editor->selectedObject = blood;
    editor->onDirectionKey(1);  // to x = -1.0
    EXPECT_EQ(blood->getPosition(), Vec2(0.0f, 20.0f));
    blood->setPosition(Vec2(kWidth * 32.0f - 0.5f, 20.0f));
    editor->onDirectionKey(2);  // off the east edge
    EXPECT_EQ(blood->getPosition(), Vec2(kWidth * 32.0f - 0.5f, 20.0f));
    editor->onDirectionKey(4);
    EXPECT_EQ(blood->getPosition(), Vec2(kWidth * 32.0f - 0.5f, 19.0f));
}

TEST_F(MapEditorFixture, WithoutASelectionTheDirectionKeysScrollTheView)
{
    const Vec2 before = map->cameraPoint;
    editor->onDirectionKey(2);
    editor->onDirectionKey(3);
    EXPECT_EQ(map->cameraPoint, before + Vec2(1.0f, 1.0f));
}

TEST_F(MapEditorFixture, NewMarkersAreFiledInTheirKindListsAtOnce)
{
    editor->setTool(EditorTool::PlaceMarker);
    const MapMarkerKind kinds[] = {MapMarkerKind::Spawn, MapMarkerKind::PlayerSpawn, MapMarkerKind::Contact,
                         MapMarkerKind::Checkpoint};
    for (int i = 0; i < 4; ++i)
    {
        editor->markerKind = kinds[i];
        clickCell(i + 1, 2);
    }
    ASSERT_EQ(map->allMarkers.size(), 4u);
    EXPECT_TRUE(holds(map->spawnMarkers, map->allMarkers[0]));
    EXPECT_TRUE(holds(map->playerSpawnMarkers, map->allMarkers[1]));
    EXPECT_TRUE(holds(map->contactMarkers, map->allMarkers[2]));
    EXPECT_EQ(map->allMarkers[3]->kind, MapMarkerKind::Checkpoint);
    EXPECT_EQ(map->allMarkers[0]->position, Vec2(48.0f, 80.0f));
    EXPECT_NE(map->allMarkers[0]->sprite, nullptr);
    EXPECT_EQ(map->randomPlayerSpawn(), Vec2(80.0f, 80.0f));
}

TEST_F(MapEditorFixture, ADeletedMarkerLeavesEveryList)
{
    editor->setTool(EditorTool::PlaceMarker);
    editor->markerKind = MapMarkerKind::PlayerSpawn;
    clickCell(3, 3);
    editor->markerKind = MapMarkerKind::Spawn;
    clickCell(5, 5);
    editor->setTool(EditorTool::Select);
    clickCell(3, 3);
    ASSERT_NE(editor->selectedMarker, nullptr);
    editor->deleteSelection();
    EXPECT_EQ(editor->selectedMarker, nullptr);
    EXPECT_EQ(editor->tool, EditorTool::SelectTile);
    ASSERT_EQ(map->allMarkers.size(), 1u);
    EXPECT_TRUE(map->playerSpawnMarkers.empty());
    EXPECT_EQ(map->spawnMarkers.size(), 1u);

    editor->setTool(EditorTool::Select);
    clickCell(5, 5);
    editor->deleteSelection();
    EXPECT_TRUE(map->allMarkers.empty());
    EXPECT_TRUE(map->spawnMarkers.empty());
}

TEST_F(MapEditorFixture, DeletingAnObjectLeavesThePaintTool)
{
    GameObject* machine = map->placeObject(data->getObjectDef(kVending), -1, Vec2(48.0f, 48.0f), -1.0f);
    editor->setTool(EditorTool::Select);
    clickCell(1, 1);
    ASSERT_EQ(editor->selectedObject, machine);
    editor->deleteSelection();
    EXPECT_EQ(editor->tool, EditorTool::PaintTile);
    EXPECT_FALSE(holds(map->solidObjects, machine));
    map->update(0.0f);  // frees it

    editor->tool = EditorTool::Select;
    editor->deleteSelection();
    EXPECT_EQ(editor->tool, EditorTool::SelectTile);
}

TEST_F(MapEditorFixture, ThePastedCellKeepsItsCopiedLevel)
{
    EXPECT_EQ(editor->clipboard.floorId, -1);
    EXPECT_EQ(editor->clipboard.zone, -1);
    MapTile* source = map->setTileFloorType(2, 2, kRoof);
    map->setTileOverlayType(2, 2, kPavement);
    source->level = 7;
    source->rotation = 180;
    source->overlayRotation = 90;
    source->buildingId = 4;
    source->textureIndex = 2;
    source->zone = 3;
    editor->setTool(EditorTool::CopyTile);
    clickCell(2, 2);
    EXPECT_TRUE(saidOnScreen("Copied."));
    editor->tool = EditorTool::PasteTile;
    clickCell(6, 5);
    EXPECT_TRUE(saidOnScreen("Pasted."));
    const MapTile* target = map->getTile(6, 5);
    EXPECT_EQ(target->floor->id, kRoof);
    EXPECT_EQ(target->overlay->id, kPavement);
    EXPECT_EQ(target->level, 7);  // not the roof type's height 1
    EXPECT_EQ(target->rotation, 180);
    EXPECT_EQ(target->overlayRotation, 90);
    EXPECT_EQ(target->buildingId, 4);
    EXPECT_EQ(target->textureIndex, 2);
    EXPECT_EQ(target->zone, 3);
}

TEST_F(MapEditorFixture, PastingAnEmptyClipboardChangesNothing)
{
    editor->tool = EditorTool::PasteTile;
    map->getTile(1, 1)->zone = 2;
    clickCell(1, 1);
    EXPECT_TRUE(saidOnScreen("Pasted."));
    EXPECT_EQ(map->getTile(1, 1)->floor->id, kAsphalt);
    EXPECT_EQ(map->getTile(1, 1)->zone, 2);
}

TEST_F(MapEditorFixture, ReZoningPaintsTheCopiedZone)
{
    map->getTile(0, 0)->zone = 4;
    editor->copyTile(0, 0);
    editor->tool = EditorTool::ReZone;
    clickCell(3, 3);
    editor->onMouseMove(screenOfCell(4, 3));
    editor->onMouseMove(screenOfCell(5, 3));
    for (int x = 3; x <= 5; ++x)
        EXPECT_EQ(map->getTile(x, 3)->zone, 4);
    EXPECT_EQ(map->getTile(6, 3)->zone, -1);
}

TEST_F(MapEditorFixture, CellEditsStayInTheirRanges)
{
    editor->setTool(EditorTool::SelectTile);
    clickCell(2, 2);
    MapTile* tile = map->getTile(2, 2);
    ASSERT_EQ(editor->selectedTile, tile);
    for (int i = 0; i < 15; ++i)
        editor->changeLevel(1);
    EXPECT_EQ(tile->level, 10);
    for (int i = 0; i < 15; ++i)
        editor->changeLevel(-1);
    EXPECT_EQ(tile->level, -1);
    editor->changeZone(-1);
    EXPECT_EQ(tile->zone, -1);
    editor->changeZone(1);
    editor->changeZone(1);
    EXPECT_EQ(tile->zone, 1);
    editor->changeBuildingId(-1);
    EXPECT_EQ(tile->buildingId, -1);
    editor->changeBuildingId(1);
    EXPECT_EQ(tile->buildingId, 0);
    for (int expected : {1, 2, 0})
    {
        editor->cycleSideTexture();
        EXPECT_EQ(tile->sideTexture, expected);
    }
    editor->toggleNpcAvoid();
    editor->toggleBlocked();
    EXPECT_TRUE(tile->npcAvoid);
    EXPECT_TRUE(tile->blocked);
}

TEST_F(MapEditorFixture, TheSelectedCellStepsWithinTheMap)
{
    editor->setTool(EditorTool::SelectTile);
    clickCell(kWidth - 1, 0);
    editor->stepTileSelection(1, 0);
    EXPECT_EQ(editor->selectedTile, map->getTile(kWidth - 1, 0));
    editor->stepTileSelection(0, -1);
    EXPECT_EQ(editor->selectedTile, map->getTile(kWidth - 1, 0));
    editor->stepTileSelection(-1, 1);
    EXPECT_EQ(editor->selectedTile, map->getTile(kWidth - 2, 1));
}

TEST_F(MapEditorFixture, TextureStepsOfABuildingWrapAtItsLastTexture)
{
    editor->setTool(EditorTool::SelectTile);
    MapTile* tile = map->setTileFloorType(2, 2, kBuildingLow);
    clickCell(2, 2);
    const int count = tile->floor->fileCount;
    ASSERT_GT(count, 1);
    for (int i = 1; i < count; ++i)
        editor->changeTexture(1);
    EXPECT_EQ(tile->textureIndex, count - 1);
    editor->changeTexture(1);  // onto the first empty name
    EXPECT_EQ(tile->textureIndex, 0);
    editor->changeTexture(-1);
    EXPECT_EQ(tile->textureIndex, count - 1);
}

TEST_F(MapEditorFixture, MarkerAndObjectEditsStayInTheirRanges)
{
    editor->setTool(EditorTool::PlaceMarker);
    editor->markerKind = MapMarkerKind::Spawn;
    clickCell(1, 1);
    editor->setTool(EditorTool::Select);
    clickCell(1, 1);
    MapMarker* marker = editor->selectedMarker;
    ASSERT_NE(marker, nullptr);
    editor->changeSpawnChance(5);
    EXPECT_EQ(marker->spawnChance, 100);
    for (int i = 0; i < 25; ++i)
        editor->changeSpawnChance(-5);
    EXPECT_EQ(marker->spawnChance, 0);
    editor->changeZone(-1);
    EXPECT_EQ(marker->zone, -1);
    editor->changeBuildingId(-1);
    EXPECT_EQ(marker->identifier, -1);
    editor->changeBuildingId(1);
    EXPECT_EQ(marker->identifier, 0);
    editor->moveMarker(2);
    EXPECT_EQ(marker->position, Vec2(49.0f, 48.0f));

    GameObject* machine = map->placeObject(data->getObjectDef(kVending), -1, Vec2(150.0f, 150.0f), -1.0f);
    editor->setTool(EditorTool::Select);
    editor->onMouseClick(screenOf(Vec2(150.0f, 150.0f)));
    ASSERT_EQ(editor->selectedObject, machine);
    // The building id steps like every other id.
    editor->changeBuildingId(1);
    editor->changeBuildingId(1);
    EXPECT_EQ(machine->buildingId, 1);
    editor->changeBuildingId(-1);
    editor->changeBuildingId(-1);
    editor->changeBuildingId(-1);
    EXPECT_EQ(machine->buildingId, -1);
    editor->changeLevel(1);
    editor->changeLevel(1);
    EXPECT_EQ(machine->heightLevel, 1);
    for (int i = 0; i < 3; ++i)
        editor->changeLevel(-1);
    EXPECT_EQ(machine->heightLevel, -1);
    // A quarter-turn type turns by quarters whatever the step.
    editor->rotateObject(9.0f);
    EXPECT_FLOAT_EQ(machine->heading, 90.0f);
    editor->rotateObject(-9.0f);
    editor->rotateObject(-9.0f);
    EXPECT_FLOAT_EQ(machine->heading, 270.0f);
}

TEST_F(MapEditorFixture, MarkerKindsAndBrushesWrapRound)
{
    editor->markerKind = MapMarkerKind::Checkpoint;
    editor->changeMarkerKind(1);
    EXPECT_EQ(editor->markerKind, MapMarkerKind::Spawn);
    editor->changeMarkerKind(-1);
    EXPECT_EQ(editor->markerKind, MapMarkerKind::Checkpoint);

    const int lastTile = static_cast<int>(data->tileDefs.size()) - 1;
    editor->selectTileDef(0);
    editor->stepTileDef(-1);
    EXPECT_EQ(editor->tileDef->id, lastTile);
    editor->stepTileDef(1);
    EXPECT_EQ(editor->tileDef->id, 0);
    EXPECT_NE(editor->tileBrush, nullptr);
    EXPECT_EQ(editor->tileBrush->getParent(), static_cast<cocos2d::Node*>(editor->panel));

    editor->selectObjectDef(0);
    editor->stepObjectDef(-1);
    EXPECT_EQ(editor->objectDefIndex, static_cast<int>(data->objectDefs.size()) - 1);
    editor->stepObjectDef(1);
    EXPECT_EQ(editor->objectDefIndex, 0);
    ASSERT_NE(editor->objectBrush, nullptr);
    // The preview is never on the map.
    EXPECT_FALSE(holds(map->activeObjects, editor->objectBrush));
    EXPECT_FALSE(editor->objectBrush->inBucket);
    EXPECT_LE(editor->objectBrush->mainSprite->getBoundingBox().size.width, 32.01f);
}
