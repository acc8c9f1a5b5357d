// The editor's save against the zone's real files: a map the reader refused
// is never saved over, a backup only ever holds a map that loaded, and a zone
// without a map file is saved with its own values, not the previous zone's.
#include "LevelFlowFixture.h"

#include "app/GameState.h"
#include "app/Message.h"
#include "ui/TextMarkup.h"
#include "ui/UIText.h"
#include "world/LevelSettings.h"
#include "world/MapEditor.h"
#include "world/MapFileFormat.h"
#include "world/MapMarker.h"
#include "support/FileSizeLimit.h"

#include <filesystem>
#include <sstream>
#include <string>

namespace {

constexpr int kF5 = 48;

class MapSaveFlowTest : public LevelFlowFixture
{
protected:
    void SetUp() override
    {
        LevelFlowFixture::SetUp();
        data = GameData::getInstance();
        assetsFolder = data->folder();
        realMap = assetsFile("tallowind_levelOne.map");
        data->setFolder(level.path());
    }

    void TearDown() override
    {
        data->setFolder(assetsFolder);
        MapEditor::getInstance()->onLevelLoaded();
        LevelFlowFixture::TearDown();
    }

    std::string assetsFile(const std::string& name) const
    {
        std::ifstream in(assetsFolder + name, std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }

    void loadZone(int zone)
    {
        data->currentZone = zone;
        driver->loadLevel();
        driver->state = GameState::Edit;
        driver->clearMessages();
    }

    void pressF5Twice()
    {
        MapEditor::getInstance()->onKeyReleased(kF5);
        MapEditor::getInstance()->onKeyReleased(kF5);
    }

    // Queued, or on screen now.
    bool told(const std::string& text) const
    {
        for (const Message& message : driver->messages)
            if (message.text.find(text) != std::string::npos)
                return true;
        return driver->popupText && driver->popupText->text.find(text) != std::string::npos;
    }

    static bool readsAsMap(const std::string& bytes)
    {
        MapFileData map;
        std::string error;
        return MapFileFormat::parse(bytes, "saved.map", map, error);
    }

    GameData* data = nullptr;
    std::string assetsFolder;
    std::string realMap;
    TempFolder level;
    WorldMap* map = WorldMap::getInstance();
};

}

TEST_F(MapSaveFlowTest, ARefusedMapAndItsBackupSurviveTwoSaves)
{
    ASSERT_GT(realMap.size(), 1000u);
    const std::string damaged = realMap.substr(0, realMap.size() / 2);  // counts run past the end
    level.write("tallowind_levelOne.map", damaged);
    level.write("tallowind_levelOne.map.bak", realMap);

    loadZone(0);
    EXPECT_FALSE(map->mapLoaded);
    pressF5Twice();
    EXPECT_TRUE(told("Map not saved")) << "the refusal is said on screen";
    EXPECT_FALSE(told("Map saved. :-)"));
    EXPECT_EQ(level.read("tallowind_levelOne.map"), damaged);
    EXPECT_EQ(level.read("tallowind_levelOne.map.bak"), realMap);

    // With the real map back, saving works again and each backup is a map that loaded.
    level.write("tallowind_levelOne.map", realMap);
    loadZone(0);
    ASSERT_TRUE(map->mapLoaded);
    pressF5Twice();
    EXPECT_TRUE(told("Map saved. :-)"));
    EXPECT_TRUE(readsAsMap(level.read("tallowind_levelOne.map")));
    EXPECT_TRUE(readsAsMap(level.read("tallowind_levelOne.map.bak")));
}

TEST_F(MapSaveFlowTest, AZoneWithoutAMapIsSavedWithItsOwnCitizenCount)
{
    level.write("tallowind_levelOne.map", realMap);
    level.write("tallowind_levelOne.txt", "citizencount=77\ntrainlocation=70\n");
    loadZone(0);
    loadZone(1);  // no map file for this zone here
    EXPECT_TRUE(map->mapLoaded);
    MapEditor::getInstance()->onKeyReleased(kF5);

    MapFileData saved;
    std::string error;
    ASSERT_TRUE(MapFileFormat::read(level.file("tallowind_levelTwo.map"), saved, error)) << error;
    EXPECT_EQ(saved.citizenCount, LevelSettings().citizenCount);
    EXPECT_EQ(saved.trainLocation, LevelSettings().trainLocation);
    EXPECT_EQ(saved.width, 140);
}

TEST_F(MapSaveFlowTest, ASaveTheDiskHasNoRoomForLeavesTheMapAndItsBackupAsTheyWere)
{
    std::string olderMap, error;
    ASSERT_TRUE(MapFileFormat::encode(MapFileData::empty(2, 2), olderMap, error)) << error;
    level.write("tallowind_levelOne.map", realMap);
    level.write("tallowind_levelOne.map.bak", olderMap);
    loadZone(0);
    ASSERT_TRUE(map->mapLoaded);
    // The edits make the map larger than the room that is left on the disk,
    // which still holds a copy of the map on disk.
    for (int i = 0; i < 200; ++i)
        map->allMarkers.push_back(new MapMarker(MapMarkerKind::Interest, cocos2d::Vec2(48.0f + i, 80.0f)));
    {
        FileSizeLimit full(realMap.size() + 1024);
        MapEditor::getInstance()->onKeyReleased(kF5);
    }
    EXPECT_TRUE(told("Map not saved"));
    EXPECT_FALSE(told("Map saved. :-)"));
    // Compared whole, so that a failure does not print a map's bytes.
    EXPECT_TRUE(level.read("tallowind_levelOne.map") == realMap) << "the map was changed by a failed save";
    EXPECT_TRUE(level.read("tallowind_levelOne.map.bak") == olderMap) << "the older backup was replaced by a failed save";
}

TEST_F(MapSaveFlowTest, AFailedSaveIsSaidInLinesThatFitTheSmallestScreen)
{
    level.write("tallowind_levelOne.map", realMap);
    std::filesystem::create_directories(level.dir() / "tallowind_levelOne.map.bak" / "in-the-way");
    loadZone(0);
    MapEditor::getInstance()->onKeyReleased(kF5);
    ASSERT_NE(driver->popupText, nullptr);
    const std::string shown = driver->popupText->text;
    EXPECT_NE(shown.find("Map not saved"), std::string::npos) << shown;
    EXPECT_NE(shown.find("tallowind_levelOne.map.bak"), std::string::npos) << shown;
    EXPECT_EQ(shown.find(level.path()), std::string::npos) << "a whole path runs off the screen: " << shown;
    // The smallest window, 1024 x 768, shows half as many design pixels across.
    constexpr int kNarrowestScreen = 512;
    std::stringstream lines(shown);
    for (std::string line; std::getline(lines, line);)
        EXPECT_LE(TextMarkup::measureWidth(line), kNarrowestScreen) << line;
}
