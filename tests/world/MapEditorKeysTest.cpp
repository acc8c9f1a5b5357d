// The map editor's keys and its panel: the key table's ends and cycles, and
// the info text of each selection and tool.
#include "MapEditorFixture.h"

#include "app/StringHelpers.h"

using cocos2d::Vec2;
using KC = cocos2d::EventKeyboard::KeyCode;

namespace {

int key(KC code)
{
    return static_cast<int>(code);
}

}

TEST_F(MapEditorFixture, ZoomKeysStopAtTheirEnds)
{
    map->zoomIndex = 5;
    editor->onKeyReleased(key(KC::KEY_PG_UP));
    EXPECT_EQ(map->zoomIndex, 5);
    editor->onKeyReleased(key(KC::KEY_PG_DOWN));
    EXPECT_EQ(map->zoomIndex, 4);
    map->zoomIndex = 0;
    editor->onKeyReleased(key(KC::KEY_PG_DOWN));
    EXPECT_EQ(map->zoomIndex, 0);
}

TEST_F(MapEditorFixture, TheLevelFilterStopsAtMinusTwoAndTen)
{
    editor->onKeyReleased(key(KC::KEY_KP_MINUS));
    EXPECT_EQ(map->levelFilter, -2);
    for (int i = 0; i < 20; ++i)
        editor->onKeyReleased(key(KC::KEY_KP_PLUS));
    EXPECT_EQ(map->levelFilter, 10);

    // A building of another level keeps its model; the ground's floor dims.
    map->setTileFloorType(3, 3, kBuildingLow);
    map->buildTiles(0.0f, 0.0f, -1.0f, -1.0f);
    map->levelFilter = 0;
    map->refreshView();
    const int slot = 3 * WorldMap::MaxSize + 3;
    ASSERT_NE(map->modelGrid[slot], nullptr);
    EXPECT_TRUE(map->modelGrid[slot]->isVisible());
    ASSERT_NE(map->floorGrid[slot + 1], nullptr);
    EXPECT_EQ(map->floorGrid[slot + 1]->getOpacity(), 255) << "the ground is on the level shown";
    map->levelFilter = 3;
    map->refreshView();
    EXPECT_TRUE(map->modelGrid[slot]->isVisible());
    EXPECT_EQ(map->floorGrid[slot + 1]->getOpacity(), 128);
}

TEST_F(MapEditorFixture, ICyclesTheViewModes)
{
    const char* messages[] = {"Interior Mode", "Zone Mode", "Normal Mode"};
    const int modes[] = {1, 2, 0};
    for (int i = 0; i < 3; ++i)
    {
        driver->clearMessages();
        editor->onKeyReleased(key(KC::KEY_I));
        EXPECT_EQ(map->viewMode, modes[i]);
        EXPECT_TRUE(saidOnScreen(messages[i]));
    }
    map->viewMode = 7;
    editor->onKeyReleased(key(KC::KEY_I));
    EXPECT_EQ(map->viewMode, 0);
}

TEST_F(MapEditorFixture, EscapeLetsGoOfAnObjectOnly)
{
    editor->setTool(EditorTool::PlaceMarker);
    clickCell(2, 2);
    editor->setTool(EditorTool::Select);
    clickCell(2, 2);
    ASSERT_NE(editor->selectedMarker, nullptr);
    editor->onKeyReleased(key(KC::KEY_ESCAPE));
    EXPECT_NE(editor->selectedMarker, nullptr);

    GameObject* blood = map->placeObject(data->getObjectDef(kBlood), -1, Vec2(150.0f, 150.0f), -1.0f);
    editor->tool = EditorTool::Select;
    editor->selectedMarker = nullptr;
    editor->onMouseClick(screenOf(Vec2(150.0f, 150.0f)));
    ASSERT_EQ(editor->selectedObject, blood);
    editor->onKeyReleased(key(KC::KEY_ESCAPE));
    EXPECT_EQ(editor->selectedObject, nullptr);
    EXPECT_EQ(editor->tool, EditorTool::Select);
}

TEST_F(MapEditorFixture, TheToolKeysPickTheirTools)
{
    const std::pair<KC, int> keys[] = {{KC::KEY_2, EditorTool::PaintTile},  {KC::KEY_4, EditorTool::PlaceObject},
                                       {KC::KEY_6, EditorTool::PlaceMarker}, {KC::KEY_SPACE, EditorTool::Select},
                                       {KC::KEY_T, EditorTool::SelectTile},  {KC::KEY_C, EditorTool::CopyTile},
                                       {KC::KEY_V, EditorTool::PasteTile},   {KC::KEY_8, EditorTool::ReZone}};
    for (const auto& [code, tool] : keys)
    {
        editor->onKeyReleased(key(code));
        EXPECT_EQ(editor->tool, tool) << key(code);
    }
    editor->onKeyReleased(key(KC::KEY_TAB));
    EXPECT_EQ(editor->tool, EditorTool::PaintTile);
    editor->onKeyReleased(key(KC::KEY_F1));  // not an editor key
    EXPECT_EQ(editor->tool, EditorTool::PaintTile);
}

TEST_F(MapEditorFixture, MLeavesTheEditorForPlay)
{
    editor->onKeyReleased(key(KC::KEY_M));
    EXPECT_EQ(driver->state, GameState::Playing);
}

TEST_F(MapEditorFixture, F10AfterTheLastZoneLoadsTheFirst)
{
    data->currentZone = 2;
    editor->setTool(EditorTool::SelectTile);
    clickCell(1, 1);
    editor->onKeyReleased(key(KC::KEY_F10));
    EXPECT_EQ(data->currentZone, 0);
    EXPECT_EQ(editor->selectedTile, nullptr);
    EXPECT_GT(map->width, kWidth);
    for (const MapMarker* marker : map->allMarkers)
        ASSERT_NE(marker->sprite, nullptr);
}

TEST_F(MapEditorFixture, TheInfoTextOfACellWithoutOverlay)
{
    editor->setTool(EditorTool::SelectTile);
    clickCell(3, 2);
    EXPECT_EQ(info(), "Tile: 3, 2\nHeight: 0\nExterior: Asphalt\nInterior: None\nSide Texture: 0 [`$7`7]"
                      "\nZone: n/a [`$9`7/`$0`7]\nNPC Pathable (`$\\`7)\nPassable `7(`$P`7)");
    map->setTileOverlayType(3, 2, kRoof);
    map->getTile(3, 2)->buildingId = 6;
    map->getTile(3, 2)->zone = 2;
    editor->toggleBlocked();
    EXPECT_EQ(info(), "Tile: 3, 2\nHeight: 0\nExterior: Asphalt\nInterior: Roof\nBuildingID: 6\nSide Texture: 0 [`$7`7]"
                      "\nZone: 2 [`$9`7/`$0`7]\nNPC Pathable (`$\\`7)\n`@IMPASSABLE `7(`$P`7)");
}

TEST_F(MapEditorFixture, TheInfoTextOfMarkers)
{
    editor->setTool(EditorTool::PlaceMarker);
    EXPECT_EQ(info(), "Place Pedestrian Spawn Point");
    editor->markerKind = MapMarkerKind::Queue;
    clickCell(1, 1);
    editor->markerKind = MapMarkerKind::Spawn;
    clickCell(3, 3);
    editor->setTool(EditorTool::Select);
    clickCell(1, 1);
    EXPECT_EQ(info(), "Logic Object: Queue Location");
    editor->changeBuildingId(1);
    editor->changeBuildingId(1);
    EXPECT_EQ(info(), "Logic Object: Queue Location\nIdentifier: 1");
    editor->setTool(EditorTool::Select);
    clickCell(3, 3);
    editor->changeSpawnChance(-5);
    EXPECT_EQ(info(), "Logic Object: Pedestrian Spawn Point\nSpawn Probability: 95 [`!,`7 / `!.`7]"
                      "\nZone: n/a [`!9`7 / `!0`7]");
}

TEST_F(MapEditorFixture, TheInfoTextOfObjectsAndBrushes)
{
    const auto index = std::find_if(data->objectDefs.begin(), data->objectDefs.end(),
                                    [](ObjectDef* d) { return d->id == kVending; }) -
                       data->objectDefs.begin();
    editor->selectObjectDef(static_cast<int>(index));
    editor->setTool(EditorTool::PlaceObject);
    EXPECT_EQ(info(), "Object: AMMO-CO Vending Machine\nrectangular - 28x18\nPassable: no\nSound: vending_hum.wav");
    EXPECT_EQ(editor->objectCounterText->text,
              formatString("%d/%d", kVending, static_cast<int>(data->objectDefs.size()) - 1));

    clickCell(2, 2);
    editor->setTool(EditorTool::Select);
    clickCell(2, 2);
    editor->changeBuildingId(1);
    EXPECT_EQ(info(), "Object: AMMO-CO Vending Machine\nX: 80\nY: 80\nZ: 0\nRot: 0\nHeight: 0\nBuildingID: 0");

    editor->selectTileDef(kPavement);
    editor->setTool(EditorTool::PaintTile);
    EXPECT_EQ(info(), "Tile: Pavement");
    EXPECT_EQ(editor->tileCounterText->text,
              formatString("%d/%d", kPavement, static_cast<int>(data->tileDefs.size()) - 1));
}

TEST_F(MapEditorFixture, TheInfoTextIsEmptyForTheCellToolsWithoutASelection)
{
    for (KC code : {KC::KEY_C, KC::KEY_V, KC::KEY_8})
    {
        editor->onKeyReleased(key(code));
        // Choosing these tools shows their pop-up only; the next refresh describes them.
        editor->refreshInfo();
        EXPECT_EQ(info(), "") << key(code);
    }
}

TEST_F(MapEditorFixture, ThePanelShowsInTheEditStateOnly)
{
    ASSERT_NE(editor->panel, nullptr);
    EXPECT_EQ(editor->panel->getParent(), static_cast<cocos2d::Node*>(layer));
    EXPECT_EQ(editor->panel->getLocalZOrder(), 1600);
    EXPECT_EQ(editor->panel->getAnchorPoint(), Vec2(0.0f, 1.0f));
}

TEST_F(MapEditorFixture, MarkersShowTheirPicturesOnlyWhileEditing)
{
    editor->setTool(EditorTool::PlaceMarker);
    clickCell(1, 1);
    clickCell(2, 1);
    editor->hideMarkers();
    for (const MapMarker* marker : map->allMarkers)
        EXPECT_EQ(marker->sprite, nullptr);
    editor->showMarkers();
    for (const MapMarker* marker : map->allMarkers)
        EXPECT_NE(marker->sprite, nullptr);
}

// The object preview is the editor's, never the map's: resting it on a type
// that vanishes when its animation ends (an impact, a splash, an explosion)
// leaves it with the editor, and the 3 and 4 keys free it exactly once.
TEST_F(MapEditorFixture, APreviewThatOutlivesItsAnimationIsFreedOnce)
{
    constexpr int kThreeKey = 76;
    constexpr int kFourKey = 77;
    std::vector<ObjectDef*>& defs = data->objectDefs;
    const size_t plainCount = defs.size();
    for (int id : {1000, 1001, 1010})
    {
        ObjectDef* vanishing = data->getObjectDef(id);
        ASSERT_NE(vanishing, nullptr);
        ASSERT_TRUE(vanishing->transient);
        defs.push_back(vanishing);  // a plain type here, so the keys reach it
    }
    const int first = static_cast<int>(plainCount);
    editor->selectObjectDef(first - 1);
    for (int i = 0; i < 3; ++i)
    {
        editor->onKeyReleased(kFourKey);
        ASSERT_EQ(editor->objectDefIndex, first + i);
        GameObject* preview = editor->objectBrush;
        ASSERT_NE(preview, nullptr);
        for (int frame = 0; frame < 90; ++frame)  // 1.5 s, past every one of the animations
        {
            director->stepFrame(1.0f / 60.0f);
            map->update(1.0f / 60.0f);
        }
        EXPECT_EQ(editor->objectBrush, preview);
        ASSERT_NE(preview->mainSprite, nullptr);
        EXPECT_EQ(preview->mainSprite->getParent(), editor->panel) << "the picture stays on the panel";
    }
    editor->onKeyReleased(kThreeKey);
    editor->onKeyReleased(kFourKey);
    editor->onKeyReleased(kFourKey);  // wraps to the first type
    defs.resize(plainCount);
    editor->selectObjectDef(0);
    EXPECT_EQ(editor->objectDefIndex, 0);
}
