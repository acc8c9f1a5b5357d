// Saving from the editor: the old map is kept as a backup beside the new one,
// an edited map comes back the same after a save and a reload, and a save
// that fails says so and loses nothing.
#include "MapEditorFixture.h"
#include "support/ScratchFolder.h"
#include "support/TemporaryFiles.h"

#include "world/MapEditorBackup.h"
#include "world/MapFile.h"
#include "world/MapFileFormat.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;
using cocos2d::Vec2;

namespace {

void writeText(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

std::string readText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}

TEST(MapEditorBackup, KeepsTheMapOnDiskBesideIt)
{
    ScratchFolder folder("tallowind-editor");
    const std::string map = folder.file("zone.map");
    std::string error;
    EXPECT_TRUE(MapEditorBackup::keep(map, error));  // nothing to keep yet
    EXPECT_FALSE(fs::exists(MapEditorBackup::backupPath(map)));

    std::string first, second;
    ASSERT_TRUE(MapFileFormat::encode(MapFileData::empty(1, 1), first, error)) << error;
    ASSERT_TRUE(MapFileFormat::encode(MapFileData::empty(2, 1), second, error)) << error;
    writeText(map, first);
    ASSERT_TRUE(MapEditorBackup::keep(map, error)) << error;
    EXPECT_EQ(readText(map + ".bak"), first);
    EXPECT_EQ(readText(map), first);
    writeText(map, second);
    ASSERT_TRUE(MapEditorBackup::keep(map, error)) << error;
    EXPECT_EQ(readText(map + ".bak"), second);

    // A file that does not read as a map never replaces a backup, and is not
    // to be written over.
    writeText(map, "garbage");
    EXPECT_FALSE(MapEditorBackup::keep(map, error));
    EXPECT_NE(error.find("left as it is"), std::string::npos) << error;
    EXPECT_EQ(readText(map + ".bak"), second);
    EXPECT_EQ(readText(map), "garbage");
    EXPECT_FALSE(temporaryFileLeft(folder.path()));
}

TEST(MapEditorBackup, AFailedBackupTouchesNothing)
{
    ScratchFolder folder("tallowind-editor");
    const std::string map = folder.file("zone.map");
    std::string error, precious;
    ASSERT_TRUE(MapFileFormat::encode(MapFileData::empty(1, 1), precious, error)) << error;
    writeText(map, precious);
    fs::create_directories(map + ".bak/in-the-way");
    EXPECT_FALSE(MapEditorBackup::keep(map, error));
    EXPECT_NE(error.find("zone.map.bak"), std::string::npos) << error;
    EXPECT_EQ(readText(map), precious);
    EXPECT_TRUE(fs::is_directory(map + ".bak/in-the-way"));
    EXPECT_FALSE(temporaryFileLeft(folder.path()));
}

TEST_F(MapEditorFixture, AnEditedMapComesBackAfterASaveAndAReload)
{
    ScratchFolder folder("tallowind-editor");
    const std::string path = folder.file("edited.map");
    ASSERT_TRUE(writeMapFile(path, 40, 3));  // the map before the edits
    const std::string before = readText(path);

    editor->selectTileDef(kPavement);
    editor->setTool(EditorTool::PaintTile);
    clickCell(1, 2);
    map->getTile(4, 4)->zone = 5;
    editor->copyTile(4, 4);
    editor->tool = EditorTool::ReZone;
    clickCell(5, 5);
    editor->setTool(EditorTool::PlaceMarker);
    editor->markerKind = MapMarkerKind::PlayerSpawn;
    clickCell(6, 1);
    GameObject* machine = map->placeObject(data->getObjectDef(kVending), -1, Vec2(80.0f, 176.0f), 90.0f);
    machine->buildingId = 2;

    std::string error;
    ASSERT_TRUE(MapEditorBackup::keep(path, error)) << error;
    ASSERT_TRUE(writeMapFile(path, 40, 3));
    EXPECT_EQ(readText(path + ".bak"), before);

    editor->onLevelLoaded();
    map->clear();
    map->update(0.0f);
    ASSERT_TRUE(readMapFile(path));
    EXPECT_EQ(map->width, kWidth);
    EXPECT_EQ(map->getTile(1, 2)->floor->id, kPavement);
    EXPECT_EQ(map->getTile(5, 5)->zone, 5);
    ASSERT_EQ(map->allMarkers.size(), 1u);
    EXPECT_EQ(map->allMarkers[0]->position, Vec2(6 * 32 + 16, 48.0f));
    EXPECT_EQ(map->playerSpawnMarkers.size(), 1u);
    ASSERT_EQ(map->solidObjects.size(), 1u);
    const GameObject* read = map->solidObjects[0];
    EXPECT_EQ(read->def->id, kVending);
    EXPECT_EQ(read->getPosition(), Vec2(80.0f, 176.0f));
    EXPECT_FLOAT_EQ(read->heading, 90.0f);
    EXPECT_EQ(read->buildingId, 2);
}

TEST_F(MapEditorFixture, AFailedSaveSaysSoOnScreen)
{
    data->currentZone = 7;  // a zone without a map file name: nothing can be written
    editor->saveMap();
    bool reported = false;
    for (const Message& m : driver->messages)
        reported = reported || m.text.find("Map not saved") != std::string::npos;
    if (driver->popupText)
        reported = reported || driver->popupText->text.find("Map not saved") != std::string::npos;
    EXPECT_TRUE(reported);
}
