#include "WorldMapFixture.h"
#include "world/GameData.h"
#include "world/MapFile.h"
#include "world/MapFileFormat.h"
#include "world/MapMarker.h"
#include "support/ScratchFolder.h"
#include <fstream>

using cocos2d::Vec2;

namespace {

// Definitions the map files of these tests name, filed once in GameData.
struct Definitions
{
    Definitions()
    {
        GameData* data = GameData::getInstance();
        auto tile = [&](int id, int height) {
            if (!data->getTileDef(id))
            {
                TileDef* def = new TileDef();
                def->id = id;
                def->height = height;
                data->fileTileDef(def);
            }
            return data->getTileDef(id);
        };
        floor = tile(987100, 0);
        roof = tile(987101, 2);
        auto object = [&](int id, bool passable) {
            if (!data->getObjectDef(id))
            {
                ObjectDef* def = new ObjectDef();
                def->id = id;
                def->passable = passable;
                def->shape = 0;
                def->size = Vec2(6, 6);
                data->fileObjectDef(def);
            }
            return data->getObjectDef(id);
        };
        bench = object(987200, true);
        crate = object(987201, false);
        bolt = object(987202, true);
        bolt->ammo = true;
    }
    TileDef* floor;
    TileDef* roof;
    ObjectDef* bench;
    ObjectDef* crate;
    ObjectDef* bolt;
};
}  // namespace

class MapFileTest : public WorldMapFixture
{
protected:
    Definitions defs;
    ScratchFolder folder{"tallowind_mapfile"};
};

TEST_F(MapFileTest, WrittenMapReadsBackTheSame)
{
    makeMap(6, 4);
    for (int y = 0; y < 4; ++y)
    {
        for (int x = 0; x < 6; ++x)
            setFloor(x, y, defs.floor);
    }
    MapTile* t = tile(2, 1);
    t->overlay = defs.roof;
    t->rotation = 90;
    t->overlayRotation = 180;
    t->level = 2;
    t->buildingId = 4;
    t->textureIndex = 1;
    t->zone = 3;
    t->sideTexture = 2;
    t->npcAvoid = true;
    tile(5, 3)->blocked = true;

    GameObject* crate = addObject(defs.crate, Vec2(40, 50));
    crate->setRotation(45.0f);
    crate->mapTag = 9;
    crate->buildingId = 4;
    crate->setHeightLevel(1);
    addObject(defs.bench, Vec2(100, 20));
    addObject(defs.bolt, Vec2(10, 10));  // a projectile is never saved
    MapMarker* spawn = new MapMarker(MapMarkerKind::Spawn, Vec2(33, 44));
    spawn->spawnChance = 55;
    spawn->zone = 2;
    MapMarker* contact = new MapMarker(MapMarkerKind::Contact, Vec2(70, 80));
    MapMarker* checkpoint = new MapMarker(MapMarkerKind::Checkpoint, Vec2(90, 10));
    checkpoint->identifier = 12;
    map->allMarkers = {spawn, contact, checkpoint};

    const std::string path = folder.file("roundtrip.map");
    ASSERT_TRUE(writeMapFile(path, 80, 7));

    map->clear();
    map->update(0.0f);
    ASSERT_TRUE(readMapFile(path));
    EXPECT_EQ(map->width, 6);
    EXPECT_EQ(map->height, 4);
    const MapTile* back = tile(2, 1);
    EXPECT_EQ(back->floor, defs.floor);
    EXPECT_EQ(back->overlay, defs.roof);
    EXPECT_EQ(back->rotation, 90);
    EXPECT_EQ(back->overlayRotation, 180);
    EXPECT_EQ(back->level, 2);
    EXPECT_EQ(back->buildingId, 4);
    EXPECT_EQ(back->textureIndex, 1);
    EXPECT_EQ(back->zone, 3);
    EXPECT_EQ(back->sideTexture, 2);
    EXPECT_TRUE(back->npcAvoid);
    EXPECT_TRUE(tile(5, 3)->blocked);
    EXPECT_EQ(tile(0, 0)->overlay, nullptr);

    // Passable objects first, then solid ones; the projectile was left out.
    ASSERT_EQ(map->passableObjects.size(), 1u);
    ASSERT_EQ(map->solidObjects.size(), 1u);
    const GameObject* crateBack = map->solidObjects[0];
    EXPECT_EQ(crateBack->def, defs.crate);
    EXPECT_EQ(crateBack->position, Vec2(40, 50));
    EXPECT_FLOAT_EQ(crateBack->heading, 45.0f);
    EXPECT_EQ(crateBack->mapTag, 9);
    EXPECT_EQ(crateBack->buildingId, 4);
    EXPECT_EQ(crateBack->heightLevel, 1);
    EXPECT_EQ(crateBack->cell, Vec2(1, 1));
    EXPECT_TRUE(crateBack->inBucket);

    ASSERT_EQ(map->allMarkers.size(), 3u);
    EXPECT_EQ(map->allMarkers[0]->position, Vec2(33, 44));
    EXPECT_EQ(map->allMarkers[0]->spawnChance, 55);
    EXPECT_EQ(map->allMarkers[0]->zone, 2);
    EXPECT_EQ(map->allMarkers[2]->identifier, 12);
    ASSERT_EQ(map->spawnMarkers.size(), 1u);
    ASSERT_EQ(map->contactMarkers.size(), 1u);
    EXPECT_TRUE(map->playerSpawnMarkers.empty()) << "a checkpoint is only in the list of all markers";
}

TEST_F(MapFileTest, RefusedFileGivesAnEmptyLevelOfTheDefaultSize)
{
    const std::string path = folder.file("broken.map");
    {
        std::ofstream out(path, std::ios::binary);
        out << "not a map";
    }
    map->clear();
    map->update(0.0f);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(readMapFile(path));
    const std::string message = testing::internal::GetCapturedStderr();
    EXPECT_NE(message.find("broken.map"), std::string::npos) << message;
    EXPECT_EQ(map->width, MapFileFormat::kDefaultSize);
    EXPECT_EQ(map->height, MapFileFormat::kDefaultSize);
    EXPECT_TRUE(map->passableObjects.empty());
}

TEST_F(MapFileTest, OlderVersionsFileMarkersByTheirVersion)
{
    // Version 6 knows only the player-spawn list; version 5 none.
    for (int version : {5, 6})
    {
        // The writer knows version 9 only: the older layout is put together by hand.
        std::string file;
        auto i32 = [&](int32_t v) { file.append(reinterpret_cast<const char*>(&v), 4); };
        i32(version);
        file.append(64, '\0');
        i32(2);
        i32(1);
        i32(50);
        file.append(2, '\0');
        i32(-1);
        for (int c = 0; c < 2; ++c)
        {
            i32(defs.floor->id);
            i32(-1);
            i32(0);
            i32(0);
            i32(0);
            i32(-1);
            i32(0);  // texture index (version 5 on)
        }
        i32(0);  // objects
        i32(2);  // markers
        for (int kind : {1, 0})
        {
            const float x = 16.0f;
            file.append(reinterpret_cast<const char*>(&x), 4);
            file.append(reinterpret_cast<const char*>(&x), 4);
            i32(kind);
            i32(0);
            i32(-1);
            i32(100);
            i32(-1);
            i32(0);
        }
        const std::string path = folder.file("old.map");
        {
            std::ofstream out(path, std::ios::binary);
            out << file;
        }
        map->clear();
        map->update(0.0f);
        ASSERT_TRUE(readMapFile(path)) << "version " << version;
        EXPECT_EQ(map->allMarkers.size(), 2u);
        EXPECT_EQ(map->playerSpawnMarkers.size(), version == 6 ? 1u : 0u);
        EXPECT_TRUE(map->spawnMarkers.empty());
        }
}
