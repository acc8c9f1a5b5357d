#include "WorldMapFixture.h"
#include "app/Line.h"

using cocos2d::Vec2;

class GameObjectTest : public WorldMapFixture
{
};

TEST_F(GameObjectTest, RotationWrapsOnceEachWay)
{
    GameObject object(makeObjectDef(true), false, GameObject::PlainObject);
    object.setRotation(-30.0f);
    EXPECT_FLOAT_EQ(object.heading, 330.0f);
    object.setRotation(360.0f);
    EXPECT_FLOAT_EQ(object.heading, 0.0f);
    object.setRotation(725.0f);
    EXPECT_FLOAT_EQ(object.heading, 365.0f);
}

TEST_F(GameObjectTest, DepthFollowsTheLevel)
{
    ObjectDef* def = makeObjectDef(true);
    def->zposoffset = 2.0f;
    GameObject object(def, false, GameObject::PlainObject);
    object.heightLevel = GameObject::NoLevel;
    EXPECT_FLOAT_EQ(object.getZ(), 98.0f);
    object.setHeightLevel(3);
    EXPECT_FLOAT_EQ(object.getZ(), 50.0f);
    def->hasModel = true;
    EXPECT_FLOAT_EQ(object.getZ(), 2.0f);
}

TEST_F(GameObjectTest, ViewCone)
{
    GameObject eye(makeObjectDef(true), false, GameObject::PlainObject);
    eye.setPosition(Vec2(320, 320));
    eye.sightRange = 150.0f;
    eye.heightLevel = 0;
    eye.viewAngle = 0.0f;  // all round
    EXPECT_TRUE(eye.canSee(Vec2(320, 220), false)) << "behind it";
    eye.viewAngle = 50.0f;
    eye.setRotation(350.0f);
    EXPECT_TRUE(eye.canSee(eye.position + Vec2(std::sin(10 * 0.0174533f), std::cos(10 * 0.0174533f)) * 100.0f, false));
    EXPECT_FALSE(eye.canSee(Vec2(320, 220), false));
    EXPECT_TRUE(eye.canSee(Vec2(320, 220), true)) << "ignoring the cone";
    EXPECT_FALSE(eye.canSee(Vec2(320, 600), false)) << "beyond the sight range";
    eye.stunned = true;
    EXPECT_FALSE(eye.canSee(Vec2(320, 380), false));
}

TEST_F(GameObjectTest, SightIsStoppedByHigherCells)
{
    GameObject eye(makeObjectDef(true), false, GameObject::PlainObject);
    eye.setPosition(Vec2(3 * 32 + 16, 5 * 32 + 16));
    eye.sightRange = 300.0f;
    eye.heightLevel = 0;
    setFloor(6, 5, makeTileDef(1));
    const Vec2 beyond(9 * 32 + 16, 5 * 32 + 16);
    EXPECT_FALSE(eye.canSee(beyond, true));
    eye.heightLevel = GameObject::NoLevel;  // flying: no line-of-sight test
    EXPECT_TRUE(eye.canSee(beyond, true));
}

TEST_F(GameObjectTest, HearingRange)
{
    GameObject ear(makeObjectDef(true), false, GameObject::PlainObject);
    ear.setPosition(Vec2(100, 100));
    EXPECT_FALSE(ear.canHear(Vec2(101, 100), 1.0f)) << "deaf by default";
    ear.hearingRange = 100.0f;
    EXPECT_TRUE(ear.canHear(Vec2(150, 100), 1.0f));
    EXPECT_FALSE(ear.canHear(Vec2(150, 100), 0.4f));
}

TEST_F(GameObjectTest, ShapesOverlapAndCrossSegments)
{
    GameObject a(makeObjectDef(false, 0, 10.0f), false, GameObject::PlainObject);
    GameObject b(makeObjectDef(false, 0, 10.0f), false, GameObject::PlainObject);
    a.setPosition(Vec2(100, 100));
    b.setPosition(Vec2(115, 100));
    EXPECT_TRUE(a.overlaps(&b));
    b.setPosition(Vec2(125, 100));
    EXPECT_FALSE(a.overlaps(&b));
    EXPECT_TRUE(a.intersectsSegment(Line(Vec2(100, 50), Vec2(100, 150))));
    EXPECT_FALSE(a.intersectsSegment(Line(Vec2(120, 50), Vec2(120, 150))));
    EXPECT_DOUBLE_EQ(a.getDiameter(), 20.0f);
}

TEST_F(GameObjectTest, UpperLevelAndRemains)
{
    TileDef* roof = makeTileDef(2);
    tile(4, 4)->overlay = roof;
    ObjectDef* def = makeObjectDef(true);
    GameObject object(def, false, GameObject::PlainObject);
    object.setPosition(Vec2(4 * 32 + 3, 4 * 32 + 3));
    object.heightLevel = 2;
    EXPECT_TRUE(object.isOnUpperLevel());
    object.heightLevel = 0;
    EXPECT_FALSE(object.isOnUpperLevel());
    EXPECT_FALSE(object.isDead());
    def->humanwaste = true;
    EXPECT_TRUE(object.isDead());
}

TEST_F(GameObjectTest, ModelFileIndexWrapsAround)
{
    ObjectDef* def = makeObjectDef(false);
    def->hasModel = true;
    def->addFile("a.png");
    def->addFile("b.png");
    def->addFile("c.png");
    GameObject object(def, false, GameObject::PlainObject);
    object.setFileIndex(-1);
    EXPECT_EQ(object.fileIndex, 2);
    object.setFileIndex(3);
    EXPECT_EQ(object.fileIndex, 0);
    ObjectDef* flat = makeObjectDef(false);
    GameObject plain(flat, false, GameObject::PlainObject);
    plain.setFileIndex(2);
    EXPECT_EQ(plain.fileIndex, 0) << "only model objects change their file";
}

TEST_F(GameObjectTest, MobBodiesInWaterAreNotVisible)
{
    TileDef* water = makeTileDef(0);
    water->water = true;
    setFloor(2, 2, water);
    RecordingMob mob;
    mob.setPosition(Vec2(2 * 32 + 5, 2 * 32 + 5));
    EXPECT_FALSE(mob.isVisibleBody()) << "alive";
    mob.health = 0;
    EXPECT_FALSE(mob.isVisibleBody()) << "lying in water";
    mob.setPosition(Vec2(5 * 32 + 5, 2 * 32 + 5));
    EXPECT_TRUE(mob.isVisibleBody());
    EXPECT_FALSE(mob.canSee(Vec2(5 * 32 + 6, 2 * 32 + 5), true)) << "the dead see nothing";
}
