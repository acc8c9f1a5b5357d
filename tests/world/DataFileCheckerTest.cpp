// Runs the data checker (tools/datacheck) on small asset folders.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#include "support/ScratchFolder.h"
#include "world/MapFileFormat.h"

namespace {

const std::string kChecker = std::string(TALLOWIND_BINARY_DIR) + "/tools/datacheck/datacheck";

// A folder of data files and maps for one run of the checker, removed afterwards.
class AssetsFolder : public ScratchFolder {
public:
    AssetsFolder() : ScratchFolder("tw_datacheck") {}
    void writeMap(const std::string& name, const MapFileData& map)
    {
        std::string error;
        ASSERT_TRUE(MapFileFormat::write(file(name), map, error)) << error;
    }
};

// Runs the checker; its output and exit status.
int runChecker(const std::string& folder, std::string& output)
{
    FILE* pipe = popen((kChecker + " " + folder + " 2>&1").c_str(), "r");
    if (!pipe)
        return -1;
    char buffer[512];
    while (fgets(buffer, sizeof buffer, pipe))
        output += buffer;
    const int status = pclose(pipe);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void writeSoundData(AssetsFolder& folder)
{
    folder.write("objects.txt", "object\nid=1\nname=Crate\nend\nobject\nid=200\nammo\nend\n");
    folder.write("otherobjects.txt", "# nothing more\n");
    folder.write("tiles.txt", "tile\nid=0\nend\n");
    folder.write("animations.txt", "# no animations\n");
    folder.write("weapons.txt", "weapon\nid=1\nprojectileclass=200\nend\n");
}

}  // namespace

TEST(DataFileChecker, FolderWithoutDataFilesPasses)
{
    if (access(kChecker.c_str(), X_OK) != 0)
        GTEST_SKIP() << "datacheck not built";
    AssetsFolder folder;
    std::string output;
    EXPECT_EQ(runChecker(folder.path(), output), 0) << output;
    EXPECT_NE(output.find("no data files"), std::string::npos) << output;
}

TEST(DataFileChecker, SoundDataPasses)
{
    if (access(kChecker.c_str(), X_OK) != 0)
        GTEST_SKIP() << "datacheck not built";
    AssetsFolder folder;
    writeSoundData(folder);
    MapFileData map = MapFileData::empty(2, 2);
    map.objects.push_back(MapObjectRecord{1, 10.0f, 10.0f, 0.0f, 0, 0, -1, 0});
    folder.writeMap("tallowind_levelOne.map", map);
    folder.write("tallowind_levelOne.txt", "citizencount=40\n");
    std::string output;
    EXPECT_EQ(runChecker(folder.path(), output), 0) << output;
    EXPECT_NE(output.find("0 error(s)"), std::string::npos) << output;
}

TEST(DataFileChecker, ReportsDanglingReferencesWithFileAndLine)
{
    if (access(kChecker.c_str(), X_OK) != 0)
        GTEST_SKIP() << "datacheck not built";
    AssetsFolder folder;
    writeSoundData(folder);
    folder.write("otherobjects.txt", "object\nid=5\nweapon=9\nspawnanimation=2\nend\n"
                                     "object\nid=6\nanimated\nfilename=walker.png\nend\n");
    folder.write("walker.plist",
                 "<?xml version=\"1.0\"?>\n<plist version=\"1.0\"><dict><key>frames</key><dict>"
                 "<key>walk01.png</key><dict></dict><key>walk02.png</key><dict></dict></dict></dict></plist>\n");
    folder.write("animations.txt", "6,1,walk.png,2,0.5,loop\n6,2,walk.png,3,0.5,loop\n77,1,walk.png,2,0.5,loop\n");
    folder.write("weapons.txt", "weapon\nid=1\nprojectileclass=300\nend\n");
    MapFileData map = MapFileData::empty(2, 2);
    map.cell(1, 1).floorId = 42;
    map.cell(0, 1).overlayId = 43;
    map.objects.push_back(MapObjectRecord{88, 10.0f, 10.0f, 0.0f, 0, 0, -1, 0});
    folder.writeMap("tallowind_levelTwo.map", map);
    folder.write("tallowind_levelThree.map", "not a map");
    std::string output;
    EXPECT_EQ(runChecker(folder.path(), output), 1) << output;
    for (const char* expected : {"otherobjects.txt:1: object 5 names unknown weapon 9",
                                 "otherobjects.txt:1: object 5 names unknown spawnanimation 2",
                                 "animations.txt:2: animation 2 of object 6: 1 of 3 frames missing",
                                 "animations.txt:3: animation 1 names unknown object id 77",
                                 "weapons.txt:1: weapon 1 names unknown projectileclass 300",
                                 "tallowind_levelTwo.map: unknown floor tile id 42 used 1 time(s), first at cell (1, 1)",
                                 "tallowind_levelTwo.map: unknown overlay tile id 43",
                                 "tallowind_levelTwo.map: unknown object id 88",
                                 "tallowind_levelThree.map: map refused"})
        EXPECT_NE(output.find(expected), std::string::npos) << expected << "\n" << output;
    EXPECT_EQ(output.find("animations.txt:1:"), std::string::npos) << output;
}

TEST(DataFileChecker, MissingDataFileIsAnError)
{
    if (access(kChecker.c_str(), X_OK) != 0)
        GTEST_SKIP() << "datacheck not built";
    AssetsFolder folder;
    folder.write("objects.txt", "object\nid=1\nend\n");
    std::string output;
    EXPECT_EQ(runChecker(folder.path(), output), 1) << output;
    EXPECT_NE(output.find("tiles.txt: data file is missing"), std::string::npos) << output;
}

TEST(DataFileChecker, WarnsOfADoorwayThatOpensOntoAWallOrABuilding)
{
    if (access(kChecker.c_str(), X_OK) != 0)
        GTEST_SKIP() << "datacheck not built";
    AssetsFolder folder;
    writeSoundData(folder);
    folder.write("tiles.txt", "tile\nid=0\nend\n"
                              "tile\nid=1\nname=Roof\nheight=1\nend\n"
                              "tile\nid=2\nname=Doorway\nend\n"
                              "tile\nid=3\nname=Wall West\nwest_blocked\nend\n"
                              "tile\nid=4\nname=Block\nheight=3\nnorth_blocked\nsouth_blocked\nwest_blocked\n"
                              "east_blocked\nend\n");
    // A room of building 1 open on every side at (1, 1): a solid block stands
    // to its west, the walled side of building 2's room to its east, and the
    // street to its north and south.
    MapFileData map = MapFileData::empty(4, 3);
    auto room = [&map](int x, int overlay, int building) {
        MapCellRecord& cell = map.cell(x, 1);
        cell.floorId = 1;
        cell.level = 1;
        cell.overlayId = overlay;
        cell.buildingId = building;
    };
    room(1, 2, 1);
    room(2, 3, 2);
    map.cell(0, 1).floorId = 4;
    map.cell(0, 1).level = 3;
    map.cell(0, 1).blocked = true;
    folder.writeMap("tallowind_levelOne.map", map);
    std::string output;
    EXPECT_EQ(runChecker(folder.path(), output), 0) << "a warning, not an error\n" << output;
    for (const char* expected :
         {"tallowind_levelOne.map: warning: doorway of building 1 at cell (1, 1) opens west onto a wall or a "
          "building at cell (0, 1)",
          "tallowind_levelOne.map: warning: doorway of building 1 at cell (1, 1) opens east onto a wall or a "
          "building at cell (2, 1)",
          "0 error(s), 2 warning(s)"})
        EXPECT_NE(output.find(expected), std::string::npos) << expected << "\n" << output;
}
