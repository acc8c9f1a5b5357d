// The three zones read back through the game's map reader and hold what the
// actors and the level flow need: spawns everywhere, interest points with room
// round them, contacts, queues, checkpoints, an exit, machines and containers.
#include "AssetFiles.h"
#include "world/GameData.h"
#include "world/MapDoorways.h"
#include "world/MapFileFormat.h"
#include <algorithm>
#include <cstdlib>
#include <deque>
#include <gtest/gtest.h>
#include <set>

using namespace AssetFiles;

namespace
{
const char* kLevels[3] = {"tallowind_levelOne", "tallowind_levelTwo", "tallowind_levelThree"};

std::map<std::string, int> settings(const std::string& level)
{
    std::map<std::string, int> out;
    for (const std::string& line : lines(level + ".txt"))
    {
        size_t eq = line.find('=');
        if (eq != std::string::npos)
            out[line.substr(0, eq)] = std::atoi(line.substr(eq + 1).c_str());
    }
    return out;
}

bool loadMap(int zone, MapFileData& data)
{
    std::string error;
    bool ok = MapFileFormat::read(assetsDir() + "/" + kLevels[zone] + ".map", data, error);
    EXPECT_TRUE(ok) << error;
    return ok;
}

std::set<int> objectIds()
{
    std::set<int> out;
    for (const char* f : {"objects.txt", "otherobjects.txt"})
        for (const Record& r : records(f, "object"))
            out.insert(r.id());
    return out;
}

std::map<int, Record> objectsById()
{
    std::map<int, Record> out;
    for (const char* f : {"objects.txt", "otherobjects.txt"})
        for (const Record& r : records(f, "object"))
            out[r.id()] = r;
    return out;
}
}

TEST(AssetMaps, SettingsTextsHaveAllFifteenKeys)
{
    const char* keys[] = {"citizencount", "trainlocation", "contactcount", "maxmissionspawndistance", "missioncount",
                          "value_base", "value_knowsplayer", "value_musthidebody", "value_armed",
                          "value_policeescort", "value_paranoid", "value_bodyguard",
                          "value_bodyguardandknowsplayer", "value_steal", "value_urgent"};
    for (const char* level : kLevels)
    {
        std::map<std::string, int> s = settings(level);
        for (const char* key : keys)
        {
            EXPECT_TRUE(s.count(key)) << level << " lacks " << key;
        }
    }
}

TEST(AssetMaps, MapsAreVersionNineAndUseKnownIds)
{
    int tileCount = static_cast<int>(records("tiles.txt", "tile").size());
    std::set<int> objects = objectIds();
    for (int zone = 0; zone < 3; ++zone)
    {
        std::string bytes = read(assetsDir() + "/" + kLevels[zone] + ".map");
        ASSERT_GE(bytes.size(), 4u);
        EXPECT_EQ(bytes[0], 9) << kLevels[zone];
        MapFileData data;
        ASSERT_TRUE(loadMap(zone, data));
        EXPECT_LE(data.width, 200);
        for (const MapCellRecord& c : data.cells)
        {
            ASSERT_TRUE(c.floorId >= 0 && c.floorId < tileCount) << kLevels[zone] << " floor " << c.floorId;
            ASSERT_TRUE(c.overlayId >= -1 && c.overlayId < tileCount) << kLevels[zone];
            ASSERT_GE(c.zone, 0) << kLevels[zone] << ": every cell belongs to a zone";
            char minimap[64];
            std::snprintf(minimap, sizeof minimap, "Minimap_%d_Zone%d.png", zone, c.zone);
            ASSERT_TRUE(exists(minimap)) << minimap;
        }
        for (const MapObjectRecord& o : data.objects)
        {
            ASSERT_TRUE(objects.count(o.defId)) << kLevels[zone] << " object " << o.defId;
        }
        char background[64];
        std::snprintf(background, sizeof background, "Minimap_%d_Background.png", zone);
        EXPECT_TRUE(exists(background));
    }
}

TEST(AssetMaps, EveryMarkerKindIsThereInNumber)
{
    for (int zone = 0; zone < 3; ++zone)
    {
        MapFileData data;
        ASSERT_TRUE(loadMap(zone, data));
        std::map<int, int> count;
        for (const MapMarkerRecord& m : data.markers)
            ++count[m.kind];
        std::map<std::string, int> s = settings(kLevels[zone]);
        EXPECT_GE(count[0], 100) << kLevels[zone] << " pedestrian spawns";
        EXPECT_GE(count[1], 3) << kLevels[zone] << " player spawns";
        EXPECT_GE(count[2], 30) << kLevels[zone] << " interest points";
        EXPECT_GE(count[3], 5) << kLevels[zone] << " queues";
        EXPECT_GE(count[4], s["contactcount"]) << kLevels[zone] << " contacts";
        EXPECT_GE(count[5], 2) << kLevels[zone] << " checkpoints";
    }
}

TEST(AssetMaps, PedestrianSpawnsAreWithinReachOfEveryStreet)
{
    for (int zone = 0; zone < 3; ++zone)
    {
        MapFileData data;
        ASSERT_TRUE(loadMap(zone, data));
        std::vector<std::pair<int, int>> spawns;
        for (const MapMarkerRecord& m : data.markers)
            if (m.kind == 0)
                spawns.push_back({static_cast<int>(m.x) / 32, static_cast<int>(m.y) / 32});
        int far = 0, open = 0;
        for (int y = 0; y < data.height; ++y)
            for (int x = 0; x < data.width; ++x)
            {
                const MapCellRecord& c = data.cell(x, y);
                if (c.blocked || c.buildingId != -1)
                    continue;
                ++open;
                int best = 1 << 30;
                for (const auto& s : spawns)
                    best = std::min(best, std::abs(s.first - x) + std::abs(s.second - y));
                if (best > 16)
                    ++far;
            }
        EXPECT_EQ(far, 0) << kLevels[zone] << ": " << far << " of " << open << " open cells lie far from any spawn";
    }
}

TEST(AssetMaps, InterestPointsHaveWalkableNeighbours)
{
    for (int zone = 0; zone < 3; ++zone)
    {
        MapFileData data;
        ASSERT_TRUE(loadMap(zone, data));
        for (const MapMarkerRecord& m : data.markers)
        {
            if (m.kind != 2)
                continue;
            int x = static_cast<int>(m.x) / 32, y = static_cast<int>(m.y) / 32;
            int walkable = 0;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    if ((dx || dy) && x + dx >= 0 && y + dy >= 0 && x + dx < data.width && y + dy < data.height &&
                        !data.cell(x + dx, y + dy).blocked && data.cell(x + dx, y + dy).buildingId == -1)
                        ++walkable;
            EXPECT_GE(walkable, 4) << kLevels[zone] << " interest point at " << x << "," << y;
        }
    }
}

TEST(AssetMaps, ZonesHoldMachinesContainersCamerasAndOneExit)
{
    std::map<int, Record> defs = objectsById();
    for (int zone = 0; zone < 3; ++zone)
    {
        MapFileData data;
        ASSERT_TRUE(loadMap(zone, data));
        std::map<std::string, int> count;
        for (const MapObjectRecord& o : data.objects)
            for (const char* flag : {"vendingmachine", "cancarrybody", "camera", "hackbox", "exit", "light",
                                     "garbage", "ammo", "transient", "mob"})
                if (defs[o.defId].has(flag))
                    ++count[flag];
        EXPECT_EQ(count["exit"], 1) << kLevels[zone];
        EXPECT_GE(count["vendingmachine"], 4) << kLevels[zone];
        EXPECT_GE(count["cancarrybody"], 8) << kLevels[zone];
        EXPECT_GE(count["camera"], 6) << kLevels[zone];
        EXPECT_GE(count["hackbox"], 2) << kLevels[zone];
        EXPECT_GE(count["light"], 20) << kLevels[zone];
        EXPECT_GE(count["garbage"], 20) << kLevels[zone];
        // The map writer leaves out projectiles and short-lived effects; actors are spawned, never placed.
        EXPECT_EQ(count["ammo"] + count["transient"] + count["mob"], 0) << kLevels[zone];
        int water = 0, interiors = 0;
        for (const MapCellRecord& c : data.cells)
        {
            water += c.floorId == 7;
            interiors += c.buildingId != -1;
        }
        EXPECT_GT(water, 0) << kLevels[zone] << " has nowhere to sink a body";
        EXPECT_GT(interiors, 0) << kLevels[zone] << " has no enterable building";
    }
}

TEST(AssetMaps, TrainsRunOnRails)
{
    for (int zone = 0; zone < 3; ++zone)
    {
        int column = settings(kLevels[zone])["trainlocation"];
        if (column < 0)
            continue;
        MapFileData data;
        ASSERT_TRUE(loadMap(zone, data));
        for (int y = 0; y < data.height; ++y)
            for (int x : {column, column + 2})
            {
                EXPECT_EQ(data.cell(x, y).floorId, 9) << kLevels[zone] << " cell " << x << "," << y;
            }
    }
}

TEST(AssetMaps, EveryDoorwayOpensOntoAWalkableStreetCell)
{
    const GameData tiles(assetsDir());
    for (int zone = 0; zone < 3; ++zone)
    {
        MapFileData data;
        ASSERT_TRUE(loadMap(zone, data));
        const MapDoorways doorways(data, tiles);
        std::set<int> buildings, reached;
        for (const MapCellRecord& c : data.cells)
            if (c.buildingId != -1)
                buildings.insert(c.buildingId);
        for (const MapDoorways::Doorway& d : doorways.all())
        {
            if (doorways.opensOntoStreet(d))
                reached.insert(d.buildingId);
            else
                ADD_FAILURE() << kLevels[zone] << ": the doorway at " << d.x << "," << d.y << " opens "
                              << MapDoorways::sideName(d.side) << " onto " << d.acrossX() << "," << d.acrossY()
                              << ", no street";
        }
        EXPECT_EQ(reached, buildings) << kLevels[zone] << ": a building without a doorway onto the street";
    }
}

namespace
{
// Steps of a walk from a cell to every other, side to side over the open
// ground outside the buildings and round the placed objects; -1 where none leads.
std::vector<int> walkSteps(const MapFileData& data, int fromX, int fromY)
{
    std::vector<bool> open(data.cells.size());
    for (int y = 0; y < data.height; ++y)
        for (int x = 0; x < data.width; ++x)
            open[y * data.width + x] = !data.cell(x, y).blocked && data.cell(x, y).buildingId == -1;
    for (const MapObjectRecord& o : data.objects)
        open[static_cast<int>(o.y) / 32 * data.width + static_cast<int>(o.x) / 32] = false;
    std::vector<int> steps(data.cells.size(), -1);
    std::deque<int> next{fromY * data.width + fromX};
    steps[next.front()] = 0;
    const int d[4][2] = {{0, 1}, {0, -1}, {1, 0}, {-1, 0}};
    while (!next.empty())
    {
        int at = next.front();
        next.pop_front();
        for (const auto& o : d)
        {
            int x = at % data.width + o[0], y = at / data.width + o[1], i = y * data.width + x;
            if (x < 0 || y < 0 || x >= data.width || y >= data.height || !open[i] || steps[i] != -1)
                continue;
            steps[i] = steps[at] + 1;
            next.push_back(i);
        }
    }
    return steps;
}
}

TEST(AssetMaps, RunsStartInsideAWalledCityAShortWalkFromAContact)
{
    // The largest window the options offer is 3840 x 2160; the game draws two
    // window pixels to a map pixel, so 1920 x 1080 map pixels show round the player.
    const int windowWide = 3840, windowHigh = 2160, windowPixelsPerMapPixel = 2;
    const int halfWide = windowWide / windowPixelsPerMapPixel / 2, halfHigh = windowHigh / windowPixelsPerMapPixel / 2;
    const int cell = 32, shortWalk = 25;
    for (int zone = 0; zone < 3; ++zone)
    {
        MapFileData data;
        ASSERT_TRUE(loadMap(zone, data));
        int seesPast = 0;
        for (int y = 0; y < data.height; ++y)
            for (int x = 0; x < data.width; ++x)
                if (!data.cell(x, y).blocked &&
                    (x * cell < halfWide || (x + 1) * cell + halfWide > data.width * cell || y * cell < halfHigh ||
                     (y + 1) * cell + halfHigh > data.height * cell))
                    ++seesPast;
        EXPECT_EQ(seesPast, 0) << kLevels[zone] << ": cells one can stand on whose view reaches past the map";

        // A run's first contact takes the first place of the list.
        std::vector<std::pair<int, int>> contacts;
        for (const MapMarkerRecord& m : data.markers)
            if (m.kind == 4)
                contacts.push_back({static_cast<int>(m.x) / cell, static_cast<int>(m.y) / cell});
        ASSERT_FALSE(contacts.empty()) << kLevels[zone];
        int spawns = 0;
        for (const MapMarkerRecord& m : data.markers)
        {
            if (m.kind != 1)
                continue;
            ++spawns;
            std::pair<int, int> at{static_cast<int>(m.x) / cell, static_cast<int>(m.y) / cell};
            EXPECT_EQ(std::count(contacts.begin(), contacts.end(), at), 0)
                << kLevels[zone] << ": a run starts on a contact's place " << at.first << "," << at.second;
            int walk = walkSteps(data, at.first, at.second)[contacts[0].second * data.width + contacts[0].first];
            EXPECT_TRUE(walk >= 0 && walk <= shortWalk)
                << kLevels[zone] << ": from the start at " << at.first << "," << at.second
                << " the first contact is " << walk << " steps away";
        }
        EXPECT_GT(spawns, 0) << kLevels[zone];
    }
}

TEST(AssetMaps, NothingStandsNearAStartOrNarrowsAWayToLessThanTwoCells)
{
    std::map<int, Record> defs = objectsById();
    for (int zone = 0; zone < 3; ++zone)
    {
        MapFileData data;
        ASSERT_TRUE(loadMap(zone, data));
        const int w = data.width, h = data.height;
        auto cellOf = [](float v) { return static_cast<int>(v) / 32; };
        // Open ground outside the buildings, less the cells where something solid stands.
        std::vector<bool> solid(data.cells.size(), false);
        std::vector<std::pair<int, int>> solids;
        for (const MapObjectRecord& o : data.objects)
            if (defs[o.defId].has("nonpassable") && o.heightLevel == 0 && o.buildingId == -1)
            {
                solid[cellOf(o.y) * w + cellOf(o.x)] = true;
                solids.push_back({cellOf(o.x), cellOf(o.y)});
            }
        auto free = [&](int x, int y) {
            return x >= 0 && y >= 0 && x < w && y < h && !data.cell(x, y).blocked && data.cell(x, y).buildingId == -1 &&
                   !solid[y * w + x];
        };
        auto inFreeSquare = [&](int x, int y) {
            for (int sy = y - 1; sy <= y; ++sy)
                for (int sx = x - 1; sx <= x; ++sx)
                    if (free(sx, sy) && free(sx + 1, sy) && free(sx, sy + 1) && free(sx + 1, sy + 1))
                        return true;
            return false;
        };
        // Beside anything solid, every free cell lies in a free 2 x 2 square:
        // the way past it is two cells wide, and no lane or pocket is narrower.
        for (const auto& [x, y] : solids)
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    if ((dx || dy) && free(x + dx, y + dy))
                    {
                        EXPECT_TRUE(inFreeSquare(x + dx, y + dy))
                            << kLevels[zone] << ": the object at " << x << "," << y << " leaves the way through "
                            << x + dx << "," << y + dy << " less than two cells wide";
                    }
        // Nothing stands within two cells of where a run starts; litter may lie there.
        for (const MapMarkerRecord& m : data.markers)
        {
            if (m.kind != 1)
                continue;
            for (const MapObjectRecord& o : data.objects)
            {
                if (defs[o.defId].has("decal"))
                    continue;
                EXPECT_FALSE(std::abs(cellOf(o.x) - cellOf(m.x)) <= 2 && std::abs(cellOf(o.y) - cellOf(m.y)) <= 2)
                    << kLevels[zone] << ": object " << o.defId << " at " << cellOf(o.x) << "," << cellOf(o.y)
                    << " stands by the start at " << cellOf(m.x) << "," << cellOf(m.y);
            }
        }
    }
}
