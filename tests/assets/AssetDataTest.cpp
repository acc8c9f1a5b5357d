// The data files name only assets that exist, and hold every definition the
// game asks for by number.
#include "AssetFiles.h"
#include <cstdlib>
#include <gtest/gtest.h>
#include <set>

using namespace AssetFiles;

namespace
{
std::vector<Record> allObjects()
{
    std::vector<Record> all = records("objects.txt", "object");
    for (const Record& r : records("otherobjects.txt", "object"))
        all.push_back(r);
    return all;
}

std::set<int> ids(const std::vector<Record>& list)
{
    std::set<int> out;
    for (const Record& r : list)
        out.insert(r.id());
    return out;
}

std::string frameEntry(const std::string& frame)
{
    return "<key>" + frame + "</key>";
}

std::string insertNumber(const std::string& prefix, int n)
{
    char num[16];
    std::snprintf(num, sizeof num, "%02d", n);
    size_t dot = prefix.find('.');
    return prefix.substr(0, dot) + num + prefix.substr(dot);
}
}

TEST(AssetData, EveryDefinitionTheGameUsesExists)
{
    std::set<int> objects = ids(allObjects());
    std::vector<int> needed = {25, 26, 50, 51, 52, 67, 69, 70, 73, 74, 75, 76, 77, 83, 84, 85, 86, 87, 88, 154,
                               200, 252, 319, 320, 321, 326, 327, 366, 367, 368, 369, 405, 409, 410, 411, 412, 413,
                               414, 2000, 2001, 2002, 4000, 4001, 4002, 4003, 4004, 4005};
    for (int id = 1000; id <= 1011; ++id)
        needed.push_back(id);
    for (int id = 3000; id <= 3021; ++id)
        needed.push_back(id);
    for (int id : needed)
    {
        EXPECT_TRUE(objects.count(id)) << "object definition " << id << " is missing";
    }
}

TEST(AssetData, ObjectFilesNameExistingPicturesSoundsAndWeapons)
{
    std::set<int> weapons = ids(records("weapons.txt", "weapon"));
    std::set<int> objects = ids(allObjects());
    for (const Record& r : allObjects())
    {
        ASSERT_TRUE(r.has("filename")) << "object " << r.id();
        for (const std::string& f : r.values.at("filename"))
        {
            EXPECT_TRUE(exists(f)) << "object " << r.id() << ": " << f;
        }
        for (const char* key : {"hudfilename", "under", "over"})
            if (r.has(key))
            {
                EXPECT_TRUE(exists(r.first(key))) << "object " << r.id() << ": " << r.first(key);
            }
        if (r.has("sound"))
        {
            EXPECT_TRUE(exists("sfx/" + r.first("sound"))) << "object " << r.id() << ": " << r.first("sound");
        }
        if (r.has("weapon"))
        {
            EXPECT_TRUE(weapons.count(std::atoi(r.first("weapon").c_str()))) << "object " << r.id();
        }
        if (r.has("animated"))
        {
            std::string sheet = r.first("filename");
            sheet = sheet.substr(0, sheet.find('.')) + ".plist";
            EXPECT_TRUE(exists(sheet)) << "object " << r.id() << ": " << sheet;
        }
    }
    for (const Record& w : records("weapons.txt", "weapon"))
    {
        EXPECT_TRUE(objects.count(std::atoi(w.first("projectileclass").c_str()))) << "weapon " << w.id();
        EXPECT_TRUE(exists(w.first("filename"))) << "weapon " << w.id();
        for (const char* key : {"sound", "raise", "lower"})
            if (w.has(key))
            {
                EXPECT_TRUE(exists("sfx/" + w.first(key))) << "weapon " << w.id() << ": " << w.first(key);
            }
    }
}

TEST(AssetData, AnimationFramesAreInTheirObjectsSheets)
{
    std::map<int, std::string> sheetOf;
    for (const Record& r : allObjects())
        if (r.has("animated"))
        {
            std::string f = r.first("filename");
            sheetOf[r.id()] = read(assetsDir() + "/" + f.substr(0, f.find('.')) + ".plist");
        }
    int checked = 0;
    for (const std::string& line : lines("animations.txt"))
    {
        std::vector<std::string> f;
        size_t start = 0, comma;
        while ((comma = line.find(',', start)) != std::string::npos)
        {
            f.push_back(line.substr(start, comma - start));
            start = comma + 1;
        }
        f.push_back(line.substr(start));
        ASSERT_EQ(f.size(), 6u) << line;
        int object = std::atoi(f[0].c_str());
        ASSERT_TRUE(sheetOf.count(object)) << "animation of an object without a sheet: " << line;
        int frames = std::atoi(f[3].c_str());
        EXPECT_GT(frames, 0) << line;
        for (int n = 1; n <= frames; ++n)
        {
            EXPECT_NE(sheetOf[object].find(frameEntry(insertNumber(f[2], n))), std::string::npos)
                << line << ": frame " << insertNumber(f[2], n);
        }
        ++checked;
    }
    EXPECT_GT(checked, 300);
}

TEST(AssetData, PeopleHaveEveryAnimationTheActorsPlay)
{
    std::map<int, std::set<int>> anims;
    for (const std::string& line : lines("animations.txt"))
    {
        int object = std::atoi(line.c_str());
        int id = std::atoi(line.substr(line.find(',') + 1).c_str());
        anims[object].insert(id);
    }
    std::vector<int> people = {4000, 4001, 4002, 4003, 4004, 4005};
    for (int id = 3000; id <= 3021; ++id)
        people.push_back(id);
    for (int person : people)
        for (int a : {0, 1, 2, 4, 5, 6, 7, 8, 11, 12, 13, 14, 18})
        {
            EXPECT_TRUE(anims[person].count(a)) << "object " << person << " lacks animation " << a;
        }
    for (int a : {0, 1, 2})
    {
        EXPECT_TRUE(anims[52].count(a)) << "police droid lacks animation " << a;
    }
    EXPECT_TRUE(anims[320].count(1)) << "the lure has no switched-on animation";
}

TEST(AssetData, TilesRunDenselyAndNameExistingTextures)
{
    std::vector<Record> tiles = records("tiles.txt", "tile");
    ASSERT_FALSE(tiles.empty());
    const char* modular[] = {"Building_A_Tex_Bright_%s", "Building_A_Tex_Medium_%s", "Building_A_Tex_Dark_%s",
                             "Building_B_Tex_Bright_%s", "Building_B_Tex_Medium_%s", "Building_B_Tex_Dark_%s",
                             "Building_C_Tex_Bright_%s", "Building_C_Tex_Medium_%s", "Building_C_Tex_Dark_%s",
                             "BuildingShit_A_Tex_%s", "Neon_A_Tex_%s", "Neon_B_Tex_%s", "Neon_C_Tex_%s",
                             "Building_A_Lights_Tex_Bright_%s", "Building_A_Lights_Tex_Medium_%s",
                             "Building_A_Lights_Tex_Dark_%s", "Building_B_Lights_Tex_Bright_%s",
                             "Building_B_Lights_Tex_Medium_%s", "Building_B_Lights_Tex_Dark_%s",
                             "Building_C_Lights_Tex_Bright_%s", "Building_C_Lights_Tex_Medium_%s",
                             "Building_C_Lights_Tex_Dark_%s", "BuildingShit_A_Lights_Tex_%s"};
    for (size_t i = 0; i < tiles.size(); ++i)
    {
        const Record& t = tiles[i];
        EXPECT_EQ(t.id(), static_cast<int>(i)) << "tile ids must run densely from 0";
        if (t.has("filename"))
        {
            std::string f = t.first("filename");
            if (t.has("animateframes"))
                for (int n = 1; n <= std::atoi(t.first("animateframes").c_str()); ++n)
                {
                    EXPECT_TRUE(exists(insertNumber(f, n))) << "tile " << i << ": " << insertNumber(f, n);
                }
            else
                EXPECT_TRUE(exists(f)) << "tile " << i << ": " << f;
        }
        if (t.has("model"))
        {
            EXPECT_TRUE(exists(t.first("model"))) << "tile " << i;
            ASSERT_TRUE(t.has("modularfiles")) << "tile " << i;
            for (const char* pattern : modular)
                for (const char* side : {"", "_Side2", "_Side3"})
                {
                    char name[160];
                    std::snprintf(name, sizeof name, pattern, t.first("modularfiles").c_str());
                    std::string file = std::string(name) + side + ".png";
                    EXPECT_TRUE(exists(file)) << "tile " << i << ": " << file;
                }
        }
    }
}

TEST(AssetData, DataFilesUseLineFeedsOnly)
{
    for (const char* f : {"objects.txt", "otherobjects.txt", "tiles.txt", "animations.txt", "weapons.txt",
                          "tallowind_levelOne.txt", "tallowind_levelTwo.txt", "tallowind_levelThree.txt"})
    {
        std::string text = read(assetsDir() + "/" + f);
        EXPECT_FALSE(text.empty()) << f;
        EXPECT_EQ(text.find('\r'), std::string::npos) << f;
        for (const std::string& line : lines(f))
        {
            EXPECT_LT(line.size(), 256u) << f << ": " << line;
        }
    }
}
