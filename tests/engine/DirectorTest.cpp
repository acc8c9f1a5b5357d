#include "cocos2d.h"
#include <gtest/gtest.h>

USING_NS_CC;

namespace {

// Sets a headless view up the way the game's delegate does and ends it after.
struct HeadlessStart
{
    explicit HeadlessStart(Size frame)
    {
        view = GLView::createHeadless("t", frame);
        view->retain();
        Director::getInstance()->setOpenGLView(view);
    }
    ~HeadlessStart()
    {
        Director::getInstance()->end();
        Director::getInstance()->stepFrame(0.0f);
        view->release();
    }
    GLView* view;
};

}

TEST(DirectorTest, HalfTheWindowWithFixedHeightGivesTwoPixelsPerUnit)
{
    HeadlessStart s(Size(1920, 1080));
    Director* d = Director::getInstance();
    // Before the design resolution the window size in pixels is the frame.
    const Size pixels = d->getWinSizeInPixels();
    EXPECT_EQ(pixels, Size(1920, 1080));
    s.view->setDesignResolutionSize(static_cast<int>(pixels.width * 0.5f), static_cast<int>(pixels.height * 0.5f),
                                    ResolutionPolicy::FIXED_HEIGHT);
    EXPECT_EQ(d->getVisibleSize(), Size(960, 540));
    EXPECT_EQ(d->getWinSize(), Size(960, 540));
    EXPECT_EQ(d->getVisibleOrigin(), Vec2::ZERO);
    EXPECT_EQ(s.view->getScaleX(), 2.0f);
    EXPECT_EQ(s.view->getScaleY(), 2.0f);
    EXPECT_EQ(s.view->getFrameSize(), Size(1920, 1080));
    EXPECT_EQ(static_cast<int>(ResolutionPolicy::FIXED_HEIGHT), 3);
}

TEST(DirectorTest, FixedHeightWidensTheDesignToTheWindowShape)
{
    HeadlessStart s(Size(1280, 1024));
    s.view->setDesignResolutionSize(640, 540, ResolutionPolicy::FIXED_HEIGHT);
    const Size v = Director::getInstance()->getVisibleSize();
    EXPECT_EQ(v.height, 540.0f);
    EXPECT_EQ(v.width, std::ceil(1280.0f / (1024.0f / 540.0f)));
}

TEST(DirectorTest, ConvertToGLFlipsYInDesignUnits)
{
    HeadlessStart s(Size(1920, 1080));
    s.view->setDesignResolutionSize(960, 540, ResolutionPolicy::FIXED_HEIGHT);
    EXPECT_EQ(Director::getInstance()->convertToGL(Vec2(10.0f, 40.0f)), Vec2(10.0f, 500.0f));
}

TEST(DirectorTest, ProjectionLooksAtTheCentreOfTheDesignArea)
{
    HeadlessStart s(Size(1920, 1080));
    s.view->setDesignResolutionSize(960, 540, ResolutionPolicy::FIXED_HEIGHT);
    Director* d = Director::getInstance();
    EXPECT_NEAR(d->getZEye(), 540.0f / 1.1566f, 1e-3f);
    // The design area's corners land on the clip-space corners.
    Vec4 corner(960.0f, 540.0f, 0.0f, 1.0f);
    d->getProjectionMatrix().transformVector(&corner);
    EXPECT_NEAR(corner.x / corner.w, 1.0f, 2e-3f);
    EXPECT_NEAR(corner.y / corner.w, 1.0f, 2e-3f);
    Vec4 centre(480.0f, 270.0f, 0.0f, 1.0f);
    d->getProjectionMatrix().transformVector(&centre);
    EXPECT_NEAR(centre.x / centre.w, 0.0f, 1e-4f);
}

TEST(DirectorTest, SceneEntersOnTheNextFrameAndEndCleansUp)
{
    HeadlessStart s(Size(800, 600));
    Director* d = Director::getInstance();
    Scene* scene = Scene::create();
    scene->retain();
    d->runWithScene(scene);
    EXPECT_FALSE(scene->isRunning());
    d->stepFrame(1.0f / 60.0f);
    EXPECT_EQ(d->getRunningScene(), scene);
    EXPECT_TRUE(scene->isRunning());
    EXPECT_EQ(scene->getContentSize(), Size(800, 600));
    EXPECT_FLOAT_EQ(d->getDeltaTime(), 1.0f / 60.0f);
    const unsigned int framesBefore = d->getTotalFrames();
    d->stepFrame(0.5f);
    EXPECT_EQ(d->getTotalFrames(), framesBefore + 1);

    GLView* view = s.view;
    d->end();
    d->stepFrame(0.0f);
    EXPECT_FALSE(scene->isRunning());
    EXPECT_EQ(d->getRunningScene(), nullptr);
    EXPECT_TRUE(view->windowShouldClose());
    EXPECT_EQ(scene->getReferenceCount(), 1u);
    scene->release();
}

TEST(DirectorTest, StoppedAnimationFreezesTheFrame)
{
    HeadlessStart s(Size(800, 600));
    Director* d = Director::getInstance();
    Scene* scene = Scene::create();
    d->runWithScene(scene);
    d->stepFrame(0.0f);
    auto* node = Node::create();
    scene->addChild(node);
    node->runAction(MoveBy::create(1.0f, Vec2(10.0f, 0.0f)));
    d->stopAnimation();
    d->stepFrame(0.5f);
    EXPECT_EQ(node->getPositionX(), 0.0f);
    d->startAnimation();
    d->stepFrame(0.5f);
    EXPECT_EQ(node->getPositionX(), 5.0f);
}

TEST(DirectorTest, AutoreleasedObjectsLiveUntilTheEndOfTheFrame)
{
    HeadlessStart s(Size(800, 600));
    struct Probe : public Ref
    {
        bool* dead;
        explicit Probe(bool* d) : dead(d) {}
        ~Probe() override { *dead = true; }
    };
    bool dead = false;
    (new Probe(&dead))->autorelease();
    EXPECT_FALSE(dead);
    Director::getInstance()->stepFrame(0.0f);
    EXPECT_TRUE(dead);
}
