#include <gtest/gtest.h>

#include "world/DataFileReader.h"
#include "world/ObjectDef.h"
#include "world/TileDef.h"
#include "world/WeaponDef.h"

namespace {

bool hasProblemAt(const DataFileReader& reader, int line, const std::string& part)
{
    for (const DataFileProblem& p : reader.problems()) {
        if (p.line == line && p.message.find(part) != std::string::npos)
            return true;
    }
    return false;
}

int errorCount(const DataFileReader& reader)
{
    int count = 0;
    for (const DataFileProblem& p : reader.problems())
        count += p.severity == DataFileProblem::Error;
    return count;
}

}  // namespace

TEST(DataFileLines, StripsBlanksCarriageReturnsAndComments)
{
    const auto lines = DataFileReader::splitLines("  \t# note\r\n\tkey=1 \r\n\r\n  #x\nlast");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].number, 2);
    EXPECT_EQ(lines[0].text, "key=1 ");
    EXPECT_EQ(lines[1].number, 5);
    EXPECT_EQ(lines[1].text, "last");
    EXPECT_TRUE(DataFileReader::splitLines("# only a comment").empty());
    EXPECT_TRUE(DataFileReader::splitLines("").empty());
}

TEST(DataFileLines, ParseIntBehavesLikeAtoiWithoutOverflow)
{
    EXPECT_EQ(DataFileReader::parseInt("  42abc"), 42);
    EXPECT_EQ(DataFileReader::parseInt("-7"), -7);
    EXPECT_EQ(DataFileReader::parseInt("abc"), 0);
    EXPECT_EQ(DataFileReader::parseInt("99999999999999999999"), 2147483647);
    EXPECT_EQ(DataFileReader::parseInt("-99999999999999999999"), -2147483647 - 1);
    EXPECT_FLOAT_EQ(DataFileReader::parseFloat("0.8s"), 0.8f);
}

TEST(DataFileObjects, KeysFillTheRecord)
{
    DataFileReader reader("objects.txt");
    auto defs = reader.readObjects(
        "object\nid=12\nnonpassable\nhideable=0\nanimated=0\nrect=24x16\ncirc=10\nemit=smoke\n"
        "damagetype=rifle\nopacity=70000\nmodel=crate.obj\nfilename=crate.png\nfilename=crate2.png\n"
        "weapon=3\ndespawn=2.5\nid = 4\nend\n");
    ASSERT_EQ(defs.size(), 1u);
    const ObjectDef& d = *defs[0];
    EXPECT_EQ(d.id, 12);  // "id = 4" has a key with a blank and is ignored
    EXPECT_FALSE(d.passable);
    EXPECT_TRUE(d.animated);  // flags ignore their value
    EXPECT_EQ(d.size, cocos2d::Vec2(10, 16));
    EXPECT_EQ(d.shape, 0);
    EXPECT_EQ(d.emit, 2);
    EXPECT_EQ(d.damagetype, 1);
    EXPECT_EQ(d.opacity, static_cast<uint16_t>(70000));
    EXPECT_TRUE(d.hasModel);
    EXPECT_EQ(d.model, "crate.obj");
    EXPECT_EQ(d.fileCount, 2);
    EXPECT_EQ(d.name, "crate.png");  // no name: the first file name
    EXPECT_EQ(d.weapon, 3);
    EXPECT_FLOAT_EQ(d.despawn, 2.5f);
    EXPECT_EQ(d.file(5), "");
    EXPECT_EQ(d.spriteSheetName(), "crate.plist");
}

TEST(DataFileObjects, RectAloneSetsRectangle)
{
    DataFileReader reader("objects.txt");
    auto defs = reader.readObjects("object\ncirc=10\nrect=24x16\nend\n");
    ASSERT_EQ(defs.size(), 1u);
    EXPECT_EQ(defs[0]->size, cocos2d::Vec2(24, 16));
    EXPECT_EQ(defs[0]->shape, 1);
}

TEST(DataFileObjects, BadLinesAreReportedWithLineNumberAndSkipped)
{
    DataFileReader reader("objects.txt");
    auto defs = reader.readObjects(
        "id=1\n"              // 1: outside a record
        "object\n"            // 2
        "id\n"                // 3: no '='
        "name=\n"             // 4: empty value
        "rect=24\n"           // 5: no 'x'
        "rect=24x\n"          // 6: no height
        "emit=fire\n"         // 7: unknown word
        "bogus=1\n"           // 8: unknown key (warning)
        "id=5\n"              // 9
        "end\n"               // 10
        "end\n");             // 11: no open record (warning)
    ASSERT_EQ(defs.size(), 1u);
    EXPECT_EQ(defs[0]->id, 5);
    EXPECT_EQ(defs[0]->size, cocos2d::Vec2(0, 0));
    EXPECT_EQ(defs[0]->emit, 0);
    EXPECT_TRUE(hasProblemAt(reader, 1, "outside"));
    EXPECT_TRUE(hasProblemAt(reader, 3, "no '='"));
    EXPECT_TRUE(hasProblemAt(reader, 4, "empty value"));
    EXPECT_TRUE(hasProblemAt(reader, 5, "rect"));
    EXPECT_TRUE(hasProblemAt(reader, 6, "rect"));
    EXPECT_TRUE(hasProblemAt(reader, 7, "emit"));
    EXPECT_TRUE(hasProblemAt(reader, 8, "unknown key"));
    EXPECT_TRUE(hasProblemAt(reader, 11, "end"));
    EXPECT_EQ(errorCount(reader), 6);
    EXPECT_EQ(reader.problems()[0].describe(), "objects.txt:1: line outside a \"object\" record; skipped");
}

TEST(DataFileObjects, UnclosedRecordIsDroppedAndReported)
{
    DataFileReader reader("objects.txt");
    auto defs = reader.readObjects("object\nid=1\nobject\nid=2\nend\nobject\nid=3\n");
    ASSERT_EQ(defs.size(), 1u);
    EXPECT_EQ(defs[0]->id, 2);
    EXPECT_TRUE(hasProblemAt(reader, 1, "not closed"));
    EXPECT_TRUE(hasProblemAt(reader, 6, "not closed"));
}

TEST(DataFileObjects, FileNamesBeyondTheRecordAreRefused)
{
    std::string text = "object\n";
    for (int i = 0; i < ObjectDef::kMaxFiles + 2; ++i)
        text += "filename=f" + std::to_string(i) + ".png\n";
    text += "end\n";
    DataFileReader reader("objects.txt");
    auto defs = reader.readObjects(text);
    ASSERT_EQ(defs.size(), 1u);
    EXPECT_EQ(defs[0]->fileCount, ObjectDef::kMaxFiles);
    EXPECT_EQ(static_cast<int>(defs[0]->files.size()), ObjectDef::kMaxFiles);
    EXPECT_TRUE(hasProblemAt(reader, ObjectDef::kMaxFiles + 2, "more than 30"));
    EXPECT_EQ(errorCount(reader), 2);
}

TEST(DataFileObjects, CarriageReturnLineEndsReadLikeLineFeeds)
{
    DataFileReader lf("a.txt"), crlf("b.txt");
    auto a = lf.readObjects("object\nid=3\nname=Crate\nsound=hum.wav\nend\n");
    auto b = crlf.readObjects("object\r\nid=3\r\nname=Crate\r\nsound=hum.wav\r\nend\r\n");
    ASSERT_EQ(b.size(), 1u);
    EXPECT_EQ(b[0]->id, a[0]->id);
    EXPECT_EQ(b[0]->name, "Crate");
    EXPECT_EQ(b[0]->sound, "hum.wav");
    EXPECT_TRUE(crlf.problems().empty());
}

TEST(DataFileTiles, FilesModularFilesAndPrefixKeys)
{
    DataFileReader reader("tiles.txt");
    auto defs = reader.readTiles("tile\nfilename=a.png\nfilename=b.png\nmodularfiles=Grey\nanimateframes2=4\n"
                                 "modelname=car.obj\nwater\nwest_blocked=0\nend\ntile\nend\n");
    ASSERT_EQ(defs.size(), 2u);
    const TileDef& t = *defs[0];
    EXPECT_EQ(t.fileCount, 25);
    EXPECT_EQ(t.file(2), "Building_A_Tex_Bright_Grey.png");
    EXPECT_EQ(t.file(24), "BuildingShit_A_Lights_Tex_Grey.png");
    EXPECT_EQ(t.animateframes, 4);
    EXPECT_TRUE(t.hasModel);
    EXPECT_EQ(t.model, "car.obj");
    EXPECT_TRUE(t.water);
    EXPECT_TRUE(t.sideBlocked(3));
    EXPECT_FALSE(t.sideBlocked(1));
    EXPECT_FALSE(t.sideBlocked(0));
    EXPECT_FALSE(t.sideBlocked(5));
    // A tile without file names keeps the white default but counts none.
    EXPECT_EQ(defs[1]->file(0), "white.png");
    EXPECT_EQ(defs[1]->fileCount, 0);
    EXPECT_EQ(defs[1]->cost, 1);
}

TEST(DataFileTiles, ModularFilesThatDoNotFitAreRefusedWhole)
{
    std::string text = "tile\n";
    for (int i = 0; i < 40; ++i)
        text += "filename=f.png\n";
    text += "modularfiles=Grey\nend\n";
    DataFileReader reader("tiles.txt");
    auto defs = reader.readTiles(text);
    ASSERT_EQ(defs.size(), 1u);
    EXPECT_EQ(defs[0]->fileCount, 40);
    EXPECT_TRUE(hasProblemAt(reader, 42, "modularfiles"));
}

TEST(DataFileWeapons, KeysAndDefaults)
{
    DataFileReader reader("weapons.txt");
    auto defs = reader.readWeapons("# weapons\nweapon\nid=2\nname=Blaster\nrange=128.5\nhideable=0\nspread=3\nend\n");
    ASSERT_EQ(defs.size(), 1u);
    EXPECT_EQ(defs[0]->id, 2);
    EXPECT_EQ(defs[0]->name, "Blaster");
    EXPECT_FLOAT_EQ(defs[0]->range, 128.5f);
    EXPECT_TRUE(defs[0]->hideable);
    EXPECT_EQ(defs[0]->spread, 3);
    EXPECT_EQ(defs[0]->projectileclass, 200);
    EXPECT_EQ(defs[0]->cost, 100);
}

TEST(DataFileAnimations, LinesAndFaults)
{
    DataFileReader reader("animations.txt");
    auto lines = reader.readAnimations("12,3,run.png,8,0.8,once\r\n"
                                       "12,4,idle.png,2,1.0,hold\n"
                                       "12,5,walk.png,4,1.0,loop\n"
                                       "12,6,walk.png,4\n"
                                       "12,7,walk.png,0,1.0,once\n"
                                       "12,8,,4,1.0,once\n"
                                       "12,9,walk.png,100000,1.0,once\n");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].objectId, 12);
    EXPECT_EQ(lines[0].animationId, 3);
    EXPECT_EQ(lines[0].prefix, "run.png");
    EXPECT_EQ(lines[0].frameCount, 8);
    EXPECT_FLOAT_EQ(lines[0].duration, 0.8f);
    EXPECT_EQ(lines[0].mode, 2);
    EXPECT_EQ(lines[1].mode, 1);
    EXPECT_EQ(lines[2].mode, 0);
    EXPECT_TRUE(hasProblemAt(reader, 4, "six fields"));
    EXPECT_TRUE(hasProblemAt(reader, 5, "frame count"));
    EXPECT_TRUE(hasProblemAt(reader, 6, "empty frame name"));
    EXPECT_TRUE(hasProblemAt(reader, 7, "frame count"));
}
