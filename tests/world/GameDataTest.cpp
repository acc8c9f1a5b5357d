#include <gtest/gtest.h>

#include <string>

#include "2d/Animation.h"
#include "support/ScratchFolder.h"
#include "world/GameData.h"

namespace {

ObjectDef* objectDef(int id, bool ammo = false, bool mob = false, bool effect = false)
{
    ObjectDef* def = new ObjectDef();
    def->id = id;
    def->ammo = ammo;
    def->mob = mob;
    def->effect = effect;
    return def;
}

bool hasProblem(const GameData& data, const std::string& file, int line, const std::string& part)
{
    for (const DataFileProblem& p : data.problems()) {
        if (p.file.size() >= file.size() && p.file.compare(p.file.size() - file.size(), file.size(), file) == 0 &&
            p.line == line && p.message.find(part) != std::string::npos)
            return true;
    }
    return false;
}

}  // namespace

TEST(GameData, ObjectsAreFiledByTheFirstFlagThatHolds)
{
    GameData data;
    data.fileObjectDef(objectDef(1, true, true));
    data.fileObjectDef(objectDef(2, true, false, true));
    data.fileObjectDef(objectDef(3, false, true, true));
    data.fileObjectDef(objectDef(4));
    EXPECT_EQ(data.ammoDefs.size(), 2u);
    EXPECT_EQ(data.mobDefs.size(), 1u);
    EXPECT_TRUE(data.effectDefs.empty());
    EXPECT_EQ(data.objectDefs.size(), 1u);
}

TEST(GameData, LookupsSearchPlainThenAmmoMobEffect)
{
    GameData data;
    ObjectDef* effect = objectDef(5, false, false, true);
    ObjectDef* mob = objectDef(5, false, true);
    ObjectDef* plain = objectDef(5);
    data.fileObjectDef(effect);
    data.fileObjectDef(mob);
    EXPECT_EQ(data.getObjectDef(5), mob);
    data.fileObjectDef(plain);
    EXPECT_EQ(data.getObjectDef(5), plain);
    EXPECT_EQ(data.getObjectDef(6), nullptr);
    TileDef* first = new TileDef();
    first->id = 0;
    TileDef* second = new TileDef();
    second->id = 0;
    data.fileTileDef(first);
    data.fileTileDef(second);
    EXPECT_EQ(data.getTileDef(0), first);
    EXPECT_EQ(data.getTileDef(1), nullptr);
    EXPECT_EQ(data.getWeaponDef(0), nullptr);
}

TEST(GameData, LevelNamesAndPaths)
{
    ScratchFolder folder("tw_gamedata");
    GameData data(folder.path());
    EXPECT_EQ(data.getLevelMapPath(), folder.path() + "/tallowind_levelOne.map");
    data.currentZone = 2;
    EXPECT_EQ(data.getLevelSettingsPath(), folder.path() + "/tallowind_levelThree.txt");
    data.currentZone = 3;
    EXPECT_EQ(data.getLevelMapPath(), "");
    EXPECT_EQ(GameData::levelName(1), "tallowind_levelTwo");
    EXPECT_EQ(GameData::levelName(-1), "");
}

TEST(GameData, LoadsEveryFileAndReportsFaultsWithFileAndLine)
{
    ScratchFolder folder("tw_gamedata");
    folder.write("objects.txt", "object\r\nid=12\r\nfilename=runner.png\r\nend\r\nobject\r\nid=200\r\nammo\r\nend\r\n");
    folder.write("otherobjects.txt", "object\nid=12\nname=Second\nend\nobject\nrect=5\nend\n");
    folder.write("tiles.txt", "tile\nid=0\nend\ntile\nid=7\nheight=1\nend\n");
    folder.write("animations.txt", "12,3,run.png,12,1.2,once\n99,1,x.png,2,1.0,loop\n");
    folder.write("weapons.txt", "weapon\nid=1\nname=Blaster\nend\n");
    EXPECT_TRUE(GameData::folderHasDataFiles(folder.path()));
    GameData data(folder.path());
    ASSERT_EQ(data.objectDefs.size(), 3u);
    EXPECT_EQ(data.objectDefs[0]->name, "runner.png");
    EXPECT_EQ(data.objectDefs[1]->name, "Second");
    EXPECT_EQ(data.ammoDefs.size(), 1u);
    EXPECT_EQ(data.getTileDef(7)->height, 1);
    EXPECT_EQ(data.getWeaponDef(1)->name, "Blaster");
    ObjectDef* runner = data.getObjectDef(12);
    ASSERT_EQ(runner->animations.size(), 1u);
    AnimationDef* run = runner->findAnimation(3);
    ASSERT_NE(run, nullptr);
    EXPECT_EQ(run->frameCount, 12);
    EXPECT_EQ(run->mode, AnimationDef::Once);
    ASSERT_NE(run->animation, nullptr);
    EXPECT_FLOAT_EQ(run->animation->getDelayPerUnit(), 0.1f);
    EXPECT_EQ(runner->findAnimation(4), nullptr);
    EXPECT_TRUE(hasProblem(data, "otherobjects.txt", 6, "rect"));
    EXPECT_TRUE(hasProblem(data, "animations.txt", 2, "unknown object id 99"));
    EXPECT_EQ(data.problems().size(), 2u);
}

TEST(GameData, MissingFilesAreReportedAndDefineNothing)
{
    ScratchFolder folder("tw_gamedata");
    EXPECT_FALSE(GameData::folderHasDataFiles(folder.path()));
    GameData data(folder.path());
    EXPECT_TRUE(data.tileDefs.empty());
    EXPECT_EQ(data.problems().size(), 5u);
    EXPECT_TRUE(hasProblem(data, "weapons.txt", 0, "cannot be read"));
}

TEST(AnimationDef, FrameNamesAreNumberedFromOneWithTwoDigits)
{
    EXPECT_EQ(AnimationDef::frameName("run.png", 1), "run01.png");
    EXPECT_EQ(AnimationDef::frameName("run.png", 9), "run09.png");
    EXPECT_EQ(AnimationDef::frameName("run.png", 12), "run12.png");
    EXPECT_EQ(AnimationDef::frameName("a.b.png", 3), "a03.b.png");
    EXPECT_EQ(AnimationDef::frameName("run", 100), "run100");
}

TEST(WeaponDef, RangePenaltyFallsOffOverTwoHundredPixels)
{
    WeaponDef weapon;
    weapon.range = 100.0f;
    EXPECT_FLOAT_EQ(weapon.rangePenalty(50.0f), 0.0f);
    EXPECT_FLOAT_EQ(weapon.rangePenalty(100.0f), 0.0f);
    EXPECT_NEAR(weapon.rangePenalty(101.0f), 9.95f, 1e-4f);
    EXPECT_NEAR(weapon.rangePenalty(300.0f), 0.0f, 1e-4f);
    EXPECT_FLOAT_EQ(weapon.rangePenalty(301.0f), 10.0f);
    EXPECT_NEAR(weapon.rangePenalty(51.0f, 50.0f), 9.95f, 1e-4f);
}
