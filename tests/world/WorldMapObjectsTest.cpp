#include "WorldMapFixture.h"
#include "world/GameData.h"
#include "world/MapMarker.h"
#include <functional>

using cocos2d::Vec2;

namespace {
// An object whose per-frame work the test scripts.
class ScriptedObject : public GameObject
{
public:
    explicit ScriptedObject(ObjectDef* def, bool* destroyedFlag = nullptr)
        : GameObject(def, false, PlainObject), destroyed(destroyedFlag)
    {
        inUpdateList = true;
    }
    ~ScriptedObject() override
    {
        if (destroyed)
            *destroyed = true;
    }
    void update(float) override
    {
        ++updates;
        if (script)
            script(this);
    }

    std::function<void(ScriptedObject*)> script;
    int updates = 0;
    bool* destroyed;
};

void takeOffMap(GameObject* object)
{
    WorldMap::getInstance()->removeObject(object, true);
    WorldMap::getInstance()->queueForDeletion(object);
}
}  // namespace

class WorldMapObjectsTest : public WorldMapFixture
{
};

TEST_F(WorldMapObjectsTest, SelfRemovingObjectDoesNotSkipTheNextOne)
{
    ObjectDef* def = makeObjectDef(true);
    bool firstGone = false;
    auto* first = new ScriptedObject(def, &firstGone);
    auto* second = new ScriptedObject(def);
    bool firstAliveDuringSecond = false;
    first->script = takeOffMap;
    second->script = [&](ScriptedObject*) { firstAliveDuringSecond = !firstGone; };
    map->registerObject(first);
    map->registerObject(second);
    ASSERT_EQ(map->activeObjects.size(), 2u);

    map->update(0.016f);
    EXPECT_EQ(second->updates, 1) << "the object after the removed one is still updated";
    EXPECT_TRUE(firstAliveDuringSecond) << "deletion waits for the end of the frame";
    EXPECT_TRUE(firstGone);
    EXPECT_EQ(map->activeObjects.size(), 1u);
    EXPECT_TRUE(map->deleteQueue.empty());
}

TEST_F(WorldMapObjectsTest, AnObjectIsOnThePerFrameListOnce)
{
    // A map object with a despawn time and an emitter: the constructor marks it, the
    // registration files it, and the sprite build asks again.
    ObjectDef* def = makeObjectDef(true);
    def->despawn = 5.0f;
    def->emit = 1;
    GameObject* object = addObject(def, Vec2(40, 40));
    map->addAllObjectSprites();
    EXPECT_EQ(std::count(map->activeObjects.begin(), map->activeObjects.end(), object), 1);

    // Placed at run time: a floating camera builds its sprites before it is registered.
    ObjectDef* camera = makeObjectDef(false);
    camera->camera = true;
    camera->floats = true;
    GameObject* placed = map->placeObject(camera, -1, Vec2(100, 100), 90.0f);
    ASSERT_NE(placed, nullptr);
    EXPECT_EQ(std::count(map->activeObjects.begin(), map->activeObjects.end(), placed), 1);
    EXPECT_FLOAT_EQ(placed->sightRange, 256.0f);
    EXPECT_FLOAT_EQ(placed->viewAngle, 90.0f);
    EXPECT_FLOAT_EQ(placed->heading, 90.0f);
    map->removeObject(placed, true);
    EXPECT_EQ(std::count(map->activeObjects.begin(), map->activeObjects.end(), placed), 0);
    delete placed;
}

TEST_F(WorldMapObjectsTest, DespawnOnlyWhileArmed)
{
    ObjectDef* def = makeObjectDef(true);
    def->despawn = 0.5f;
    GameObject* idle = addObject(def, Vec2(40, 40));
    GameObject* armed = addObject(def, Vec2(80, 40));
    armed->armed = true;
    for (int frame = 0; frame < 60; ++frame)
        map->update(0.016f);
    EXPECT_EQ(std::count(map->passableObjects.begin(), map->passableObjects.end(), idle), 1);
    EXPECT_EQ(std::count(map->passableObjects.begin(), map->passableObjects.end(), armed), 0);
    EXPECT_EQ(map->activeObjects.size(), 1u);
}

TEST_F(WorldMapObjectsTest, ALitFuseHoldsWhileTheRunIsPaused)
{
    ObjectDef* def = makeObjectDef(true);
    def->despawn = 0.5f;
    GameObject* lit = addObject(def, Vec2(80, 40));
    lit->armed = true;
    auto onMap = [&] { return std::count(map->passableObjects.begin(), map->passableObjects.end(), lit) == 1; };
    for (int frame = 0; frame < 60; ++frame)
        map->update(0.016f, false);
    EXPECT_TRUE(onMap()) << "paused, the fuse does not burn";
    EXPECT_FLOAT_EQ(lit->despawnTimer, 0.5f);
    for (int frame = 0; frame < 60; ++frame)
        map->update(0.016f);
    EXPECT_FALSE(onMap()) << "the run goes on, and so does the fuse";
}

TEST_F(WorldMapObjectsTest, RemovalLeavesRemainsUnlessSilent)
{
    ObjectDef* remains = new ObjectDef();
    remains->id = 987001;
    GameData::getInstance()->fileObjectDef(remains);
    ObjectDef* def = makeObjectDef(true);
    def->despawnasobject = 987001;

    GameObject* quiet = addObject(def, Vec2(40, 40));
    map->removeObject(quiet, true);
    EXPECT_TRUE(map->passableObjects.empty());
    delete quiet;

    GameObject* loud = addObject(def, Vec2(70, 40));
    map->removeObject(loud, false);
    ASSERT_EQ(map->passableObjects.size(), 1u);
    EXPECT_EQ(map->passableObjects[0]->def, remains);
    EXPECT_EQ(map->passableObjects[0]->getPosition(), Vec2(70, 40));
    delete loud;
}

TEST_F(WorldMapObjectsTest, RemovalClearsWatchersAndLures)
{
    ObjectDef* lureDef = makeObjectDef(true);
    lureDef->islure = true;
    GameObject* lure = addObject(lureDef, Vec2(40, 40));
    GameObject* watcher = addObject(makeObjectDef(true), Vec2(80, 40));
    watcher->watchedObject = lure;
    EXPECT_EQ(map->lures.size(), 1u);
    map->removeObject(lure, true);
    EXPECT_EQ(watcher->watchedObject, nullptr);
    EXPECT_TRUE(map->lures.empty());
    delete lure;
}

TEST_F(WorldMapObjectsTest, UnknownIdsSpawnNothing)
{
    EXPECT_EQ(map->spawnObject(-424242, Vec2(10, 10)), nullptr);
    EXPECT_EQ(map->spawnProjectile(-424242, -1.0f, 0, Vec2(10, 10), 0.0f, 16.0f), nullptr);
    EXPECT_EQ(map->placeObject(nullptr, -1, Vec2(10, 10), 0.0f), nullptr);
    EXPECT_TRUE(map->passableObjects.empty());
    EXPECT_TRUE(map->solidObjects.empty());
    EXPECT_TRUE(map->activeObjects.empty());
}

TEST_F(WorldMapObjectsTest, PlacedObjectTakesTheLevelOfItsTile)
{
    setFloor(3, 3, makeTileDef(2));
    ObjectDef* def = makeObjectDef(true);
    GameObject* object = map->placeObject(def, -1, Vec2(3 * 32 + 5, 3 * 32 + 5), -1.0f);
    EXPECT_EQ(object->heightLevel, 2);
    EXPECT_FLOAT_EQ(object->heading, 0.0f);
    GameObject* offMap = map->placeObject(def, -1, Vec2(-100, 5), 10.0f);
    EXPECT_EQ(offMap->heightLevel, 0);
}

TEST_F(WorldMapObjectsTest, ExplodeAtIgnoresHarmlessObjects)
{
    GameObject* crate = addObject(makeObjectDef(false), Vec2(40, 40));
    map->explodeAt(crate);
    EXPECT_EQ(map->solidObjects.size(), 1u);
    EXPECT_TRUE(map->deleteQueue.empty());
}

TEST_F(WorldMapObjectsTest, ClearEmptiesListsAndKeepsTheViewSettings)
{
    ObjectDef* def = makeObjectDef(false);
    addObject(def, Vec2(40, 40));
    addObject(makeObjectDef(true), Vec2(80, 40));
    map->allMarkers.push_back(new MapMarker(MapMarkerKind::Spawn, Vec2(5, 5)));
    map->spawnMarkers.push_back(map->allMarkers.back());
    map->zoomIndex = 2;
    map->clear();
    EXPECT_TRUE(map->passableObjects.empty());
    EXPECT_TRUE(map->solidObjects.empty());
    EXPECT_TRUE(map->allMarkers.empty());
    EXPECT_TRUE(map->spawnMarkers.empty());
    EXPECT_TRUE(map->tileRows.empty());
    EXPECT_EQ(map->zoomIndex, 2);
    for (const auto& bucket : map->objectBuckets)
        EXPECT_TRUE(bucket.empty());
    EXPECT_EQ(map->deleteQueue.size(), 2u) << "the objects go with the next frame";
    map->update(0.0f);
    EXPECT_TRUE(map->deleteQueue.empty());
}

TEST_F(WorldMapObjectsTest, ObjectAtPoint)
{
    GameObject* round = addObject(makeObjectDef(true, 0, 5.0f), Vec2(100, 100));
    EXPECT_EQ(map->objectAtPoint(Vec2(108, 100)), round) << "within the diameter";
    EXPECT_EQ(map->objectAtPoint(Vec2(112, 100)), nullptr);
}
