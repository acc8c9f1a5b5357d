#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <limits>
#include <sstream>

#include "support/ScratchFolder.h"
#include "world/GameData.h"
#include "world/MapFileFormat.h"

namespace {

// Builds map file bytes of any version the way an old editor wrote them.
class Bytes {
public:
    Bytes& i32(int32_t v)
    {
        for (int i = 0; i < 4; ++i)
            data += static_cast<char>((static_cast<uint32_t>(v) >> (8 * i)) & 0xFF);
        return *this;
    }
    Bytes& f32(float v)
    {
        int32_t bits;
        std::memcpy(&bits, &v, 4);
        return i32(bits);
    }
    Bytes& u8(uint8_t v)
    {
        data += static_cast<char>(v);
        return *this;
    }
    Bytes& name(const std::string& n)
    {
        std::string field = n;
        field.resize(64, '\0');
        data += field;
        return *this;
    }
    std::string data;
};

Bytes header(int version, int width, int height)
{
    Bytes b;
    b.i32(version).name("Kessa City").i32(width).i32(height);
    if (version >= 4)
        b.i32(60);
    if (version >= 5)
        b.u8(0).u8(0).i32(7);
    return b;
}

// A cell with every field of the version set to a recognisable value.
void cell(Bytes& b, int version, int floorId, int overlayId)
{
    b.i32(floorId).i32(overlayId).i32(90).i32(180).i32(2).i32(4);
    if (version >= 5)
        b.i32(3);
    if (version >= 7)
        b.i32(6).i32(1);
    if (version >= 8)
        b.u8(1);
    if (version >= 9)
        b.u8(1);
}

void object(Bytes& b, int version, int defId)
{
    b.i32(defId).f32(40.0f).f32(20.0f).f32(90.0f).i32(5).i32(1).i32(-1);
    if (version >= 6)
        b.i32(2);
}

void marker(Bytes& b, int kind, float x = 16.0f)
{
    b.f32(x).f32(16.0f).i32(kind).i32(0).i32(11).i32(50).i32(3).i32(0);
}

std::string smallMap(int version, int objectId = 1, int markerKind = 2)
{
    Bytes b = header(version, 2, 1);
    cell(b, version, 7, -1);
    cell(b, version, 7, 8);
    b.i32(1);
    object(b, version, objectId);
    b.i32(1);
    marker(b, markerKind);
    return b.data;
}

MapFileData sampleMap()
{
    MapFileData data = MapFileData::empty(3, 2);
    data.citizenCount = 80;
    data.trainLocation = 12;
    for (size_t i = 0; i < data.cells.size(); ++i) {
        MapCellRecord& c = data.cells[i];
        c.floorId = static_cast<int>(i % 2);
        c.overlayId = i == 3 ? 8 : -1;
        c.rotation = 90 * static_cast<int>(i);
        c.overlayRotation = 270;
        c.level = static_cast<int>(i) - 1;
        c.buildingId = i == 4 ? 3 : -1;
        c.textureIndex = static_cast<int>(i);
        c.zone = static_cast<int>(i) % 3 - 1;
        c.sideTexture = static_cast<int>(i) % 3;
        c.npcAvoid = i == 1;
        c.blocked = i == 2;
    }
    MapObjectRecord o;
    o.defId = 1;
    o.x = 33.5f;
    o.y = 47.25f;
    o.heading = 270.0f;
    o.mapTag = 9;
    o.heightLevel = 1;
    o.buildingId = 3;
    o.fileIndex = 2;
    data.objects.push_back(o);
    o.defId = 2;
    o.fileIndex = 0;
    data.objects.push_back(o);
    MapMarkerRecord m;
    m.x = 10.0f;
    m.y = 60.0f;
    m.kind = 5;
    m.identifier = 4;
    m.spawnChance = 35;
    m.zone = 2;
    data.markers.push_back(m);
    return data;
}

std::string fileBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream s;
    s << file.rdbuf();
    return s.str();
}

// A store that knows tiles 0, 1, 7, 8 and objects 1, 2.
struct SmallStore {
    SmallStore()
    {
        for (int id : {0, 1, 7, 8}) {
            TileDef* t = new TileDef();
            t->id = id;
            data.fileTileDef(t);
        }
        for (int id : {1, 2}) {
            ObjectDef* o = new ObjectDef();
            o->id = id;
            data.fileObjectDef(o);
        }
    }
    GameData data;
};

void expectRefused(const std::string& bytes, const std::string& part, const GameData* store = nullptr)
{
    MapFileData data = MapFileData::empty(1, 1);
    data.citizenCount = 123;
    std::string error;
    EXPECT_FALSE(MapFileFormat::parse(bytes, "levels/test.map", data, error, store)) << part;
    EXPECT_NE(error.find("levels/test.map"), std::string::npos) << error;
    EXPECT_NE(error.find(part), std::string::npos) << error;
    EXPECT_EQ(data.citizenCount, 123) << "a refused map leaves the data as it was";
    EXPECT_EQ(data.cells.size(), 1u);
}

}  // namespace

TEST(MapFileFormat, Version9RoundTripsByteForByte)
{
    const ScratchFolder folder("tw_mapformat");
    const std::string first = folder.file("first.map"), second = folder.file("second.map");
    std::string error;
    ASSERT_TRUE(MapFileFormat::write(first, sampleMap(), error)) << error;
    MapFileData read;
    SmallStore store;
    ASSERT_TRUE(MapFileFormat::read(first, read, error, &store.data)) << error;
    EXPECT_EQ(read.version, 9);
    EXPECT_EQ(read.citizenCount, 80);
    EXPECT_EQ(read.trainLocation, 12);
    ASSERT_EQ(read.cells.size(), 6u);
    EXPECT_EQ(read.cell(0, 1).rotation, 270);
    EXPECT_EQ(read.cell(1, 1).buildingId, 3);
    EXPECT_TRUE(read.cell(2, 0).blocked);
    EXPECT_TRUE(read.cell(1, 0).npcAvoid);
    ASSERT_EQ(read.objects.size(), 2u);
    EXPECT_FLOAT_EQ(read.objects[0].y, 47.25f);
    EXPECT_EQ(read.objects[0].fileIndex, 2);
    ASSERT_EQ(read.markers.size(), 1u);
    EXPECT_EQ(read.markers[0].spawnChance, 35);
    ASSERT_TRUE(MapFileFormat::write(second, read, error)) << error;
    const std::string bytes = fileBytes(first);
    EXPECT_EQ(bytes.size(), 86u + 6 * 38 + 4 + 2 * 32 + 4 + 32);
    EXPECT_EQ(fileBytes(second), bytes);
    EXPECT_FALSE(std::ifstream(first + ".tmp").good()) << "no temporary file is left behind";
}

TEST(MapFileFormat, WrittenNameIsKessaCityPaddedWithZeros)
{
    std::string bytes, error;
    ASSERT_TRUE(MapFileFormat::encode(MapFileData::empty(1, 1), bytes, error));
    EXPECT_EQ(bytes.substr(4, 64), std::string("Kessa City") + std::string(54, '\0'));
}

TEST(MapFileFormat, OldVersionsReadWithDefaults)
{
    for (int version = 3; version <= 8; ++version) {
        SCOPED_TRACE("version " + std::to_string(version));
        MapFileData data;
        std::string error;
        ASSERT_TRUE(MapFileFormat::parse(smallMap(version), "old.map", data, error)) << error;
        EXPECT_EQ(data.version, version);
        EXPECT_EQ(data.name, "Kessa City");
        EXPECT_EQ(data.citizenCount, version >= 4 ? 60 : 50);
        EXPECT_EQ(data.trainLocation, version >= 5 ? 7 : -1);
        ASSERT_EQ(data.cells.size(), 2u);
        const MapCellRecord& c = data.cell(1, 0);
        EXPECT_EQ(c.floorId, 7);
        EXPECT_EQ(c.overlayId, 8);
        EXPECT_EQ(c.rotation, 90);
        EXPECT_EQ(c.overlayRotation, 180);
        EXPECT_EQ(c.level, 2);
        EXPECT_EQ(c.buildingId, 4);
        EXPECT_EQ(c.textureIndex, version >= 5 ? 3 : 0);
        EXPECT_EQ(c.zone, version >= 7 ? 6 : -1);
        EXPECT_EQ(c.sideTexture, version >= 7 ? 1 : 0);
        EXPECT_EQ(c.npcAvoid, version >= 8);
        EXPECT_FALSE(c.blocked);
        ASSERT_EQ(data.objects.size(), 1u);
        EXPECT_EQ(data.objects[0].defId, 1);
        EXPECT_FLOAT_EQ(data.objects[0].x, 40.0f);
        EXPECT_EQ(data.objects[0].mapTag, 5);
        EXPECT_EQ(data.objects[0].fileIndex, version >= 6 ? 2 : 0);
        ASSERT_EQ(data.markers.size(), 1u);
        EXPECT_EQ(data.markers[0].kind, 2);
        EXPECT_EQ(data.markers[0].identifier, 11);
        // Version 3 carries the marker's chance and zone bytes but they are not its values.
        EXPECT_EQ(data.markers[0].spawnChance, version >= 4 ? 50 : 100);
        EXPECT_EQ(data.markers[0].zone, version >= 4 ? 3 : -1);
    }
}

TEST(MapFileFormat, Version3TwoCellMapSizes)
{
    Bytes b = header(3, 2, 1);
    cell(b, 3, 0, -1);
    cell(b, 3, 0, -1);
    b.i32(0).i32(0);
    ASSERT_EQ(b.data.size(), 132u);
    MapFileData data;
    std::string error, written;
    ASSERT_TRUE(MapFileFormat::parse(b.data, "v3.map", data, error)) << error;
    ASSERT_TRUE(MapFileFormat::encode(data, written, error));
    EXPECT_EQ(written.size(), 170u);
}

TEST(MapFileFormat, RefusesUnknownVersionsAndBadSizes)
{
    expectRefused(smallMap(2), "unknown map version 2");
    expectRefused(smallMap(10), "unknown map version 10");
    expectRefused(std::string("\x09\x00", 2), "version number");
    expectRefused(header(9, 201, 1).data, "201 x 1");
    expectRefused(header(9, 1, 0).data, "1 x 0");
    expectRefused(header(9, -5, 4).data, "-5 x 4");
}

TEST(MapFileFormat, RefusesCountsThatRunPastTheEnd)
{
    Bytes cells = header(9, 200, 200);
    expectRefused(cells.data, "200 x 200 cells run past the end");

    Bytes objects = header(9, 1, 1);
    cell(objects, 9, 0, -1);
    objects.i32(1000000);
    expectRefused(objects.data, "1000000 objects run past the end");

    Bytes negative = header(9, 1, 1);
    cell(negative, 9, 0, -1);
    negative.i32(-1);
    expectRefused(negative.data, "negative object count");

    Bytes markers = header(9, 1, 1);
    cell(markers, 9, 0, -1);
    markers.i32(0).i32(2147483647);
    expectRefused(markers.data, "markers run past the end");

}

TEST(MapFileFormat, RefusesEveryShortRead)
{
    const std::string whole = smallMap(9);
    for (size_t length = 0; length < whole.size(); ++length) {
        MapFileData data;
        std::string error;
        EXPECT_FALSE(MapFileFormat::parse(whole.substr(0, length), "short.map", data, error)) << length;
        EXPECT_NE(error.find("past the end"), std::string::npos) << error;
    }
}

namespace {

bool noted(const MapFileData& data, const std::string& text)
{
    for (const std::string& note : data.notes)
        if (note.find("bad.map: ") == 0 && note.find(text) != std::string::npos)
            return true;
    return false;
}

}  // namespace

// A map with one bad record of each kind loads everything else; each bad
// record is mended or left out and noted with the file and its cell or record.
TEST(MapFileFormat, OneBadRecordOfEachKindLeavesTheRestLoaded)
{
    SmallStore store;
    Bytes b = header(9, 3, 1);
    cell(b, 9, 42, -1);   // unknown floor
    cell(b, 9, 7, 43);    // unknown overlay
    b.i32(0).i32(-1).i32(0).i32(0).i32(0).i32(-1).i32(0).i32(-1).i32(3).u8(0).u8(0);  // side texture 3
    b.i32(4);
    object(b, 9, 1);
    object(b, 9, 99);     // unknown definition
    b.i32(2).f32(96.0f).f32(16.0f).f32(0.0f).i32(0).i32(0).i32(-1).i32(0);  // off the map
    b.i32(1).f32(16.0f).f32(16.0f).f32(std::numeric_limits<float>::quiet_NaN()).i32(0).i32(0).i32(-1).i32(0);
    b.i32(4);
    marker(b, 2);
    marker(b, 6);         // unknown kind
    marker(b, 0, 96.0f);  // off the map
    marker(b, 0, std::numeric_limits<float>::quiet_NaN());
    b.u8(1).u8(2);        // trailing bytes

    MapFileData data;
    std::string error;
    ASSERT_TRUE(MapFileFormat::parse(b.data, "bad.map", data, error, &store.data)) << error;
    ASSERT_EQ(data.cells.size(), 3u);
    EXPECT_EQ(data.cell(0, 0).floorId, 0);
    EXPECT_EQ(data.cell(0, 0).rotation, 90) << "the rest of a mended cell is kept";
    EXPECT_EQ(data.cell(1, 0).floorId, 7);
    EXPECT_EQ(data.cell(1, 0).overlayId, -1);
    EXPECT_EQ(data.cell(2, 0).sideTexture, 0);
    ASSERT_EQ(data.objects.size(), 1u);
    EXPECT_EQ(data.objects[0].defId, 1);
    ASSERT_EQ(data.markers.size(), 1u);
    EXPECT_EQ(data.markers[0].kind, 2);

    EXPECT_TRUE(noted(data, "cell (0, 0): unknown floor tile id 42")) << ::testing::PrintToString(data.notes);
    EXPECT_TRUE(noted(data, "cell (1, 0): unknown overlay tile id 43"));
    EXPECT_TRUE(noted(data, "cell (2, 0): side texture 3"));
    EXPECT_TRUE(noted(data, "object 2 of 4: unknown object id 99"));
    EXPECT_TRUE(noted(data, "object 3 of 4 (id 2): position or heading is off the map"));
    EXPECT_TRUE(noted(data, "object 4 of 4"));
    EXPECT_TRUE(noted(data, "marker 2 of 4: kind 6"));
    EXPECT_TRUE(noted(data, "marker 3 of 4: position is off the map"));
    EXPECT_TRUE(noted(data, "marker 4 of 4"));
    EXPECT_TRUE(noted(data, "2 unexpected bytes"));

    // A map damaged all over is summed up, not listed cell by cell.
    Bytes many = header(9, 100, 1);
    for (int x = 0; x < 100; ++x)
        cell(many, 9, 42, -1);
    many.i32(0).i32(0);
    ASSERT_TRUE(MapFileFormat::parse(many.data, "bad.map", data, error, &store.data)) << error;
    EXPECT_EQ(data.notes.size(), 21u);
    EXPECT_TRUE(noted(data, "80 more records mended or skipped"));
}

TEST(MapFileFormat, MissingFileIsRefusedWithItsName)
{
    MapFileData data;
    std::string error;
    EXPECT_FALSE(MapFileFormat::read("/nonexistent/tallowind_levelOne.map", data, error));
    EXPECT_NE(error.find("/nonexistent/tallowind_levelOne.map"), std::string::npos);
}

TEST(MapFileFormat, FailedWriteKeepsTheOldFile)
{
    const ScratchFolder folder("tw_mapformat");
    const std::string path = folder.file("keep.map");
    std::string error;
    ASSERT_TRUE(MapFileFormat::write(path, sampleMap(), error)) << error;
    const std::string before = fileBytes(path);
    MapFileData broken = sampleMap();
    broken.cells.pop_back();
    EXPECT_FALSE(MapFileFormat::write(path, broken, error));
    EXPECT_NE(error.find(path), std::string::npos);
    EXPECT_EQ(fileBytes(path), before);
    EXPECT_FALSE(MapFileFormat::write("/nonexistent/folder/x.map", sampleMap(), error));
    EXPECT_NE(error.find("cannot be written"), std::string::npos);
}
