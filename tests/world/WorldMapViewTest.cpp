#include "WorldMapFixture.h"
#include "2d/Sprite.h"
#include "app/GameCamera.h"
#include "app/SoundEngine.h"
#include "cocos2d.h"
#include "world/GameData.h"

using cocos2d::Vec2;

// The drawing side, headless: a Director with a 1280 x 720 window and a
// design size of 640 x 360, and the tile images of the game's assets.
class WorldMapViewTest : public WorldMapFixture
{
protected:
    void SetUp() override
    {
        director = cocos2d::Director::getInstance();
        view = cocos2d::GLView::createHeadless("world test", cocos2d::Size(1280, 720));
        view->retain();
        director->setOpenGLView(view);
        view->setDesignResolutionSize(640, 360, ResolutionPolicy::FIXED_HEIGHT);
        scene = cocos2d::Scene::create();
        director->runWithScene(scene);
        director->stepFrame(0.0f);
        cocos2d::FileUtils::getInstance()->addSearchPath(std::string(TALLOWIND_SOURCE_DIR) + "/assets/");
        ground.files = {"Tile_Asphalt.png"};
        WorldMapFixture::SetUp();
        map->buildTiles(0, 0, -1, -1);
        if (!map->worldNode->getParent())
            scene->addChild(map->worldNode);
    }

    void TearDown() override
    {
        WorldMapFixture::TearDown();
        map->viewMode = 0;
        map->currentInterior = -1;
        map->shownInterior = -2;
        map->cameraCell = Vec2::ZERO;
        map->worldNode->removeFromParent();
        director->end();
        director->stepFrame(0.0f);
        view->release();
    }

    cocos2d::Sprite* floorAt(int x, int y) { return map->floorGrid[y * WorldMap::MaxSize + x]; }
    cocos2d::Sprite* overlayAt(int x, int y) { return map->overlayGrid[y * WorldMap::MaxSize + x]; }

    cocos2d::Director* director = nullptr;
    cocos2d::GLView* view = nullptr;
    cocos2d::Scene* scene = nullptr;
};

TEST_F(WorldMapViewTest, BuildsEveryCellAndRebuildsOneAlone)
{
    for (int y = 0; y < map->height; ++y)
    {
        for (int x = 0; x < map->width; ++x)
            ASSERT_NE(floorAt(x, y), nullptr) << x << "," << y;
    }
    EXPECT_EQ(floorAt(3, 2)->getPosition(), Vec2(3 * 32 + 16, 2 * 32 + 16));
    cocos2d::Sprite* before = floorAt(5, 5);
    cocos2d::Sprite* neighbour = floorAt(6, 5);
    const size_t children = map->worldNode->getChildrenCount();
    map->buildTiles(5, 5, 1, 1);
    EXPECT_NE(floorAt(5, 5), before);
    EXPECT_EQ(floorAt(6, 5), neighbour);
    EXPECT_EQ(map->worldNode->getChildrenCount(), children) << "the old node is gone";
}

TEST_F(WorldMapViewTest, OverlayDrawOrderFollowsTheLevel)
{
    TileDef* roof = makeTileDef(2);
    roof->files = {"Tile_Roof.png"};
    tile(2, 2)->overlay = roof;
    tile(2, 2)->level = 2;
    tile(3, 2)->overlay = roof;
    map->buildTiles(2, 2, 2, 1);
    ASSERT_NE(overlayAt(2, 2), nullptr);
    EXPECT_EQ(overlayAt(2, 2)->getLocalZOrder(), -98);
    EXPECT_EQ(overlayAt(3, 2)->getLocalZOrder(), 0);
    EXPECT_EQ(floorAt(2, 2)->getLocalZOrder(), 200);
}

TEST_F(WorldMapViewTest, ZoneViewTintsByZone)
{
    tile(1, 1)->zone = -1;
    tile(2, 1)->zone = 20;
    tile(3, 1)->zone = 3;
    map->viewMode = 2;
    map->buildTiles(1, 1, 3, 1);
    EXPECT_EQ(floorAt(1, 1)->getColor(), cocos2d::Color3B(255, 0, 0));
    EXPECT_EQ(floorAt(2, 1)->getColor(), cocos2d::Color3B(128, 0, 128));
    EXPECT_EQ(floorAt(3, 1)->getColor(), cocos2d::Color3B(255, 255, 0));
}

TEST_F(WorldMapViewTest, ViewWindowAroundTheCamera)
{
    makeMap(100, 100);
    map->buildTiles(0, 0, -1, -1);
    map->setCameraCentre(Vec2(50 * 32 + 5, 50 * 32 + 5));
    const cocos2d::Size size = director->getVisibleSize();
    const int radius = static_cast<int>(std::max(size.width, size.height) * 0.5f / 32.0f + 2.0f);
    EXPECT_EQ(map->visibleRadius, radius);
    EXPECT_TRUE(floorAt(50 - radius, 50)->isVisible());
    EXPECT_TRUE(floorAt(50 + radius - 1, 50)->isVisible());
    EXPECT_FALSE(floorAt(50 + radius, 50)->isVisible());
    EXPECT_FALSE(floorAt(50 - radius - 1, 50)->isVisible());
    EXPECT_EQ(map->worldNode->getPosition(), map->worldNodePosition());

    // Within the same cell the node moves but the tiles are left alone.
    floorAt(50, 50)->setVisible(false);
    map->setCameraCentre(Vec2(50 * 32 + 20, 50 * 32 + 5));
    EXPECT_FALSE(floorAt(50, 50)->isVisible());
    EXPECT_EQ(map->worldNode->getPosition(), map->worldNodePosition());
    map->setCameraCentre(Vec2(51 * 32 + 20, 50 * 32 + 5));
    EXPECT_TRUE(floorAt(50, 50)->isVisible());
}

TEST_F(WorldMapViewTest, InteriorShowsItsFloorInsteadOfTheRoof)
{
    TileDef* roof = makeTileDef(1);
    roof->files = {"Tile_Roof.png"};
    tile(4, 4)->overlay = roof;
    tile(4, 4)->buildingId = 3;
    map->buildTiles(4, 4, 1, 1);
    map->currentInterior = 3;
    map->refreshView();
    EXPECT_FALSE(floorAt(4, 4)->isVisible());
    EXPECT_TRUE(overlayAt(4, 4)->isVisible());
    map->currentInterior = -1;
    map->refreshView();
    EXPECT_TRUE(floorAt(4, 4)->isVisible());
}

TEST_F(WorldMapViewTest, ZoomingOutRefreshesAtOnceAndZoomingInAfterTheAnimation)
{
    makeMap(150, 150);
    map->buildTiles(0, 0, -1, -1);
    map->setCameraCentre(Vec2(2400, 2400));
    const int near = map->visibleRadius;
    map->setZoom(2);  // out, to half size
    EXPECT_GT(map->visibleRadius, near);
    const int far = map->visibleRadius;
    for (int i = 0; i < 40; ++i)
        director->stepFrame(1.0f / 60.0f);
    EXPECT_FLOAT_EQ(map->worldNode->getScale(), 0.5f);
    map->setZoom(0);  // back in
    EXPECT_EQ(map->visibleRadius, far) << "not before the animation ends";
    for (int i = 0; i < 40; ++i)
        director->stepFrame(1.0f / 60.0f);
    EXPECT_EQ(map->visibleRadius, near);
    EXPECT_FLOAT_EQ(map->worldNode->getScale(), 1.0f);
}

TEST_F(WorldMapViewTest, SecondSoundMarkerReplacesTheFirst)
{
    map->showSoundMarker(true, Vec2(100, 100), 64.0f);
    cocos2d::Sprite* first = map->soundMarker;
    ASSERT_NE(first, nullptr);
    first->retain();
    EXPECT_EQ(first->getColor(), cocos2d::Color3B(255, 255, 0));
    map->showSoundMarker(false, Vec2(200, 100), 64.0f);
    EXPECT_EQ(first->getParent(), nullptr);
    EXPECT_NE(map->soundMarker, first);
    EXPECT_EQ(map->soundMarker->getColor(), cocos2d::Color3B(255, 0, 0));
    first->release();
}

TEST_F(WorldMapViewTest, AnimatedTileRunsNumberedFrames)
{
    auto animation = [&](int frames) {
        TileDef* water = makeTileDef(0);
        water->files = {"Tile_Water.png"};
        water->animateframes = frames;
        setFloor(7, 7, water);
        map->buildTiles(7, 7, 1, 1);
        return tile(7, 7)->animation;
    };
    // The frame files need not exist for the numbering; the delay is a second shared out.
    cocos2d::Animation* three = animation(3);
    ASSERT_NE(three, nullptr);
    EXPECT_FLOAT_EQ(three->getDelayPerUnit(), 1.0f / 3.0f);
}

TEST_F(WorldMapViewTest, SecurityCameraSweepsItsSightLine)
{
    ObjectDef* camera = makeObjectDef(false);
    camera->camera = true;
    GameObject* object = addObject(camera, Vec2(320, 320));
    map->addObjectSprite(object);
    ASSERT_NE(object->overSprite, nullptr) << "the sight line";
    EXPECT_FLOAT_EQ(object->overSprite->getRotation(), 45.0f) << "it starts at heading + half the view";
    GameCamera::getInstance()->position = Vec2(320, 320);
    object->update(0.5f);
    EXPECT_FLOAT_EQ(object->overSprite->getRotation(), 13.0f) << "64 degrees a second towards -45";
    object->update(2.0f);
    EXPECT_FLOAT_EQ(object->overSprite->getRotation(), -45.0f) << "without overshooting";
    object->update(0.25f);
    EXPECT_FLOAT_EQ(object->overSprite->getRotation(), -29.0f) << "and back";
    const float length = object->overSprite->getContentSize().height;
    EXPECT_FLOAT_EQ(object->overSprite->getScaleY(), 256.0f / length);
}

TEST_F(WorldMapViewTest, ExplosionFarFromTheCameraIsSilentButLeavesItsEffects)
{
    GameData* data = GameData::getInstance();
    for (int id : {1000, 1009, 1010})
    {
        if (!data->getObjectDef(id))
        {
            ObjectDef* effect = new ObjectDef();
            effect->id = id;
            effect->effect = true;
            data->fileObjectDef(effect);
        }
    }
    ObjectDef* charge = makeObjectDef(true);
    charge->explosive = 1010;
    GameObject* bomb = addObject(charge, Vec2(640, 320));
    GameCamera::getInstance()->position = Vec2(340, 320);  // 300 pixels away
    SoundEngine* sound = SoundEngine::getInstance();
    const size_t playing = sound->activeCount();
    map->explodeAt(bomb);
    EXPECT_EQ(sound->activeCount(), playing);
    std::vector<int> left;
    for (GameObject* o : map->passableObjects)
        left.push_back(o->def->id);
    for (GameObject* o : map->solidObjects)
        left.push_back(o->def->id);
    EXPECT_NE(std::find(left.begin(), left.end(), 1009), left.end());
    EXPECT_NE(std::find(left.begin(), left.end(), 1010), left.end());
    EXPECT_EQ(std::count(map->passableObjects.begin(), map->passableObjects.end(), bomb), 0);
    EXPECT_EQ(map->deleteQueue.size(), 1u) << "the spent charge goes at the end of the frame";

    GameObject* near = addObject(charge, Vec2(360, 320));
    map->explodeAt(near);
    EXPECT_EQ(sound->activeCount(), playing + 1) << "within 256 pixels it is heard";
}

TEST_F(WorldMapViewTest, ProjectileDestroyedInItsUpdateLivesToTheEndOfTheFrame)
{
    struct Bolt : GameObject
    {
        Bolt(ObjectDef* def, bool* gone) : GameObject(def, false, PlainObject), gone(gone) {}
        ~Bolt() override { *gone = true; }
        void update(float) override { WorldMap::getInstance()->destroyProjectile(this); }
        bool* gone;
    };
    bool gone = false;
    Bolt* bolt = new Bolt(makeObjectDef(true), &gone);
    map->registerObject(bolt);
    map->projectiles.push_back(bolt);
    bool aliveAfterIt = false;
    ObjectDef* def = makeObjectDef(true);
    def->despawn = 100.0f;  // on the per-frame list, never armed
    struct Witness : GameObject
    {
        Witness(ObjectDef* def, bool* gone, bool* alive) : GameObject(def, false, PlainObject), gone(gone), alive(alive) {}
        void update(float) override { *alive = !*gone; }
        bool* gone;
        bool* alive;
    };
    map->registerObject(new Witness(def, &gone, &aliveAfterIt));
    map->update(0.016f);
    EXPECT_TRUE(aliveAfterIt);
    EXPECT_TRUE(gone);
    EXPECT_TRUE(map->projectiles.empty());
}

TEST_F(WorldMapViewTest, ObjectNodesTakeTheirDrawOrder)
{
    ObjectDef* crate = makeObjectDef(false);
    crate->addFile("Barrier.png");
    crate->under = "Bench.png";
    crate->over = "Bed.png";
    GameObject* object = addObject(crate, Vec2(100, 100));
    object->heightLevel = 2;
    map->addObjectSprite(object);
    ASSERT_NE(object->mainSprite, nullptr);
    ASSERT_NE(object->underSprite, nullptr);
    ASSERT_NE(object->overSprite, nullptr);
    EXPECT_EQ(object->mainSprite->getLocalZOrder(), 220);
    EXPECT_EQ(object->underSprite->getLocalZOrder(), 205);
    EXPECT_EQ(object->overSprite->getLocalZOrder(), 240);
    EXPECT_FLOAT_EQ(object->mainSprite->getPositionZ(), 32.0f) << "two levels of 16";
    object->setRotation(30.0f);
    EXPECT_FLOAT_EQ(object->mainSprite->getRotation(), 30.0f);

    crate->high = true;
    map->objectZOrder(object);
    EXPECT_EQ(object->mainSprite->getLocalZOrder(), 240);

    // Taking it off the map takes all its nodes out of the world node.
    cocos2d::Sprite* under = object->underSprite;
    under->retain();
    map->removeObject(object, true);
    EXPECT_EQ(object->mainSprite, nullptr);
    EXPECT_EQ(under->getParent(), nullptr);
    under->release();
    delete object;
}

TEST_F(WorldMapViewTest, SteamPuffsEveryTwoSecondsWhileOnScreen)
{
    ObjectDef* vent = makeObjectDef(true);
    vent->emit = 1;
    GameObject* object = addObject(vent, Vec2(200, 200));
    map->cameraPoint = Vec2(200, 200);
    const size_t before = map->worldNode->getChildrenCount();
    object->update(0.1f);
    EXPECT_EQ(map->worldNode->getChildrenCount(), before + 1);
    object->update(1.5f);
    EXPECT_EQ(map->worldNode->getChildrenCount(), before + 1) << "the next puff waits for the timer";
    map->cameraPoint = Vec2(5000, 5000);
    object->update(1.0f);
    EXPECT_EQ(map->worldNode->getChildrenCount(), before + 1) << "off screen: no puff";
}

TEST_F(WorldMapViewTest, SpritesOfAnObjectOutsideTheSceneLiveWithIt)
{
    // A preview object whose sprites never join the scene: the frame's
    // autorelease pool must not take them from under it.
    ObjectDef* def = makeObjectDef(false);
    def->addFile("Barrier.png");
    def->under = "Bench.png";
    GameObject* preview = new GameObject(def, true, GameObject::PlainObject);
    ASSERT_NE(preview->mainSprite, nullptr);
    director->stepFrame(1.0f / 60.0f);
    preview->setRotation(90.0f);
    EXPECT_FLOAT_EQ(preview->mainSprite->getRotation(), 90.0f);
    delete preview;

    // An object on the map outlives a clear of the world node's children.
    GameObject* crate = addObject(def, Vec2(50, 50));
    map->addObjectSprite(crate);
    map->clear();
    map->update(0.0f);
}
