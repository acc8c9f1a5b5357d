#pragma once
// A generated city for the world benchmarks: a grid of streets round blocks of
// model buildings and walled yards, with objects along the streets and spawn
// markers at the crossings, written as a map file and read into the WorldMap.
#include "cocos2d.h"
#include "world/GameData.h"
#include "world/MapFile.h"
#include "world/MapFileFormat.h"
#include "world/ObjectDef.h"
#include "world/WorldMap.h"
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <unistd.h>

namespace worldbench {

// Points the game at the assets of the source tree (this file sits in bench/).
inline void useSourceAssets()
{
    const std::string assets = (std::filesystem::path(__FILE__).parent_path().parent_path() / "assets").string() + "/";
    setenv("TALLOWIND_ASSETS", assets.c_str(), 1);
    cocos2d::FileUtils::getInstance()->addSearchPath(assets);
}

inline bool isStreet(int x, int y)
{
    return x % 12 < 3 || y % 12 < 3;
}

inline int yardWall(int x, int y)
{
    const int bx = x % 12;
    const int by = y % 12;
    if (by == 11 && bx == 7)
        return 23;  // the door
    if (by == 11)
        return bx == 3 ? 19 : bx == 11 ? 20 : 15;
    if (by == 3)
        return bx == 3 ? 21 : bx == 11 ? 22 : 16;
    if (bx == 3)
        return 17;
    if (bx == 11)
        return 18;
    return 13;
}

inline MapFileData makeCity(int size, unsigned seed)
{
    std::mt19937 random(seed);
    MapFileData city = MapFileData::empty(size, size);
    const GameData* data = GameData::getInstance();
    for (int y = 0; y < size; ++y)
    {
        for (int x = 0; x < size; ++x)
        {
            MapCellRecord& cell = city.cell(x, y);
            const int block = (x / 12) * 7 + (y / 12) * 3;
            cell.zone = (x / 50) + (y / 50) * 4;
            if (isStreet(x, y))
                cell.floorId = random() % 20 == 0 ? 6 : (x % 12 == 1 || y % 12 == 1) ? 0 : 3;
            else if (block % 3 == 0)
            {
                cell.floorId = yardWall(x, y);
                cell.buildingId = block;
            }
            else
            {
                cell.floorId = 24 + block % 9;
                cell.rotation = 90 * (block % 4);
                cell.textureIndex = 0;
                cell.sideTexture = (x + y) % 3;
            }
            const TileDef* floor = data->getTileDef(cell.floorId);
            cell.level = floor ? floor->height : 0;
        }
    }
    // Objects along the streets: every solid and passable plain definition in turn.
    std::vector<int> solid;
    std::vector<int> passable;
    for (const ObjectDef* def : data->objectDefs)
    {
        if (def->animated || def->transient)
            continue;
        (def->passable ? passable : solid).push_back(def->id);
    }
    for (int i = 0; i < size * 10 && !(solid.empty() && passable.empty()); ++i)
    {
        const int x = static_cast<int>(random() % size);
        const int y = static_cast<int>(random() % size);
        if (!isStreet(x, y) || (x % 12 == 1 || y % 12 == 1))
            continue;
        MapObjectRecord object;
        const std::vector<int>& pool = (i % 2 == 0 && !solid.empty()) || passable.empty() ? solid : passable;
        object.defId = pool[random() % pool.size()];
        object.x = x * 32.0f + 16.0f;
        object.y = y * 32.0f + 16.0f;
        object.heading = static_cast<float>(random() % 360);
        city.objects.push_back(object);
    }
    for (int y = 1; y < size; y += 12)
    {
        for (int x = 1; x < size; x += 12)
        {
            MapMarkerRecord marker;
            marker.x = x * 32.0f + 16.0f;
            marker.y = y * 32.0f + 16.0f;
            marker.kind = (x + y) % 5 == 0 ? 2 : 0;
            city.markers.push_back(marker);
        }
    }
    return city;
}

// Writes the city to a temporary map file and returns its path.
inline std::string writeCity(int size, unsigned seed)
{
    const std::string path =
        (std::filesystem::temp_directory_path() / ("tallowind_bench_city_" + std::to_string(getpid()) + ".map"))
            .string();
    std::string error;
    if (!MapFileFormat::write(path, makeCity(size, seed), error))
        std::fprintf(stderr, "%s\n", error.c_str());
    return path;
}

inline void loadCity(const std::string& path)
{
    WorldMap* map = WorldMap::getInstance();
    map->clear();
    map->update(0.0f);
    readMapFile(path);
}

}  // namespace worldbench
