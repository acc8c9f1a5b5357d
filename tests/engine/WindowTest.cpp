#include "cocos2d.h"
#include "support/XvfbServer.h"
#include <chrono>
#include <cstdlib>
#include <sys/wait.h>
#include <gtest/gtest.h>

USING_NS_CC;

namespace {

// Opens a scene that counts its frames and, after a number of them, either
// ends the Director or asks the window to close.
class CountingApp : public Application
{
public:
    CountingApp(GLView* v, int stopAfter, bool closeWindow) : view(v), stopAfter(stopAfter), closeWindow(closeWindow) {}

    bool applicationDidFinishLaunching() override
    {
        Director* d = Director::getInstance();
        d->setOpenGLView(view);
        d->setAnimationInterval(1.0 / 60.0);
        const Size px = d->getWinSizeInPixels();
        view->setDesignResolutionSize(static_cast<int>(px.width * 0.5f), static_cast<int>(px.height * 0.5f),
                                      ResolutionPolicy::FIXED_HEIGHT);
        visible = d->getVisibleSize();
        Scene* scene = Scene::create();
        auto* counter = Node::create();
        scene->addChild(counter);
        counter->runAction(RepeatForever::create(RotateBy::create(0.1f, 36.0f)));
        counter->schedule(
            [this](float) {
                ++frames;
                contextSeen = contextSeen || glContextReady();
                if (frames == stopAfter)
                {
                    if (closeWindow)
                        glfwSetWindowShouldClose(view->getWindow(), GLFW_TRUE);
                    else
                        Director::getInstance()->end();
                }
            },
            "count");
        d->runWithScene(scene);
        return true;
    }
    void applicationDidEnterBackground() override {}
    void applicationWillEnterForeground() override {}

    GLView* view;
    int stopAfter;
    bool closeWindow;
    int frames = 0;
    bool contextSeen = false;
    Size visible;
};

// Loses a block for good, so that the exit-time leak check has something to
// find.
void leakABlock()
{
    [[maybe_unused]] void* volatile block = std::malloc(64);
    block = nullptr;
}

bool leakCheckedBuild()
{
#if defined(__SANITIZE_ADDRESS__)
    return true;
#else
    return false;
#endif
}

}

TEST(WindowTest, OnlyAProcessThatMadeAGLContextSkipsTheLeakCheckAtExit)
{
    if (!leakCheckedBuild())
        GTEST_SKIP() << "no leak check in this build";
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const auto failedExit = [](int status) { return WIFEXITED(status) && WEXITSTATUS(status) != 0; };
    EXPECT_EXIT(
        {
            leakABlock();
            std::exit(0);
        },
        failedExit, "");
    EXPECT_EXIT(
        {
            XvfbServer x;
            if (!x.start() || glfwInit() != GLFW_TRUE)
                std::exit(2);
            GLView* view = GLView::createWithRect("Tallowind", Rect(0, 0, 320, 200), 1.0f);
            if (!view)
                std::exit(3);
            view->retain();
            view->end();
            view->release();
            leakABlock();
            x.stop();
            std::exit(0);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST(WindowTest, RealWindowRunsFramesAndEndsByItself)
{
    XvfbServer x;
    ASSERT_TRUE(x.start()) << x.error();
    ASSERT_EQ(glfwInit(), GLFW_TRUE);
    {
        GLView* view = GLView::createWithRect("Tallowind", Rect(0, 0, 640, 360), 1.0f);
        ASSERT_NE(view, nullptr);
        EXPECT_FALSE(view->isHeadless());
        EXPECT_TRUE(glContextReady());
        view->setCursorVisible(false);
        CountingApp app(view, 30, false);
        EXPECT_EQ(Application::getInstance(), &app);
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(app.run(), 0);
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        EXPECT_EQ(app.frames, 30);
        // The loop is capped at 60 frames a second: 30 frames take at least
        // 29 intervals.
        EXPECT_GE(seconds, 29.0 / 60.0);
        EXPECT_TRUE(app.contextSeen);
        EXPECT_EQ(app.visible, Size(320, 180));
        EXPECT_FALSE(glContextReady());
    }
    {
        GLView* view = GLView::createWithRect("Tallowind", Rect(0, 0, 320, 200), 1.0f);
        ASSERT_NE(view, nullptr);
        CountingApp app(view, 10, true);
        EXPECT_EQ(app.run(), 0);
        EXPECT_EQ(app.frames, 10);
        EXPECT_EQ(Director::getInstance()->getRunningScene(), nullptr);
    }
    glfwTerminate();
}

TEST(WindowTest, FullScreenTakesTheDesktopModeOrTheOneAsked)
{
    XvfbServer x;
    ASSERT_TRUE(x.start(1280, 1024)) << x.error();
    ASSERT_EQ(glfwInit(), GLFW_TRUE);
    {
        GLView* view = GLView::createWithFullScreen("Tallowind");
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(view->getFrameSize(), Size(1280, 1024));
        CountingApp app(view, 3, false);
        EXPECT_EQ(app.run(), 0);
        EXPECT_EQ(app.visible, Size(640, 512));
    }
    {
        GLFWmonitor* monitor = glfwGetPrimaryMonitor();
        ASSERT_NE(monitor, nullptr);
        GLFWvidmode mode = *glfwGetVideoMode(monitor);
        GLView* view = GLView::createWithFullScreen("Tallowind", mode, monitor);
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(view->getFrameSize(), Size(static_cast<float>(mode.width), static_cast<float>(mode.height)));
        view->retain();
        view->end();
        view->release();
    }
    glfwTerminate();
}
