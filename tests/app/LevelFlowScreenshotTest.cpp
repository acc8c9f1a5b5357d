// A loaded zone drawn in a real window under Xvfb and captured to a PNG.
#include "app/Game.h"
#include "app/GameCamera.h"
#include "app/GameInterface.h"
#include "app/SoundEngine.h"
#include "cocos2d.h"
#include "support/XvfbServer.h"
#include "world/GameData.h"
#include "world/WorldMap.h"

#include <gtest/gtest.h>

#include <GLFW/glfw3.h>

#include <cstdlib>
#include <filesystem>
#include <set>

USING_NS_CC;

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 360;

// GLFW keeps the X connection it was first started with; a window on this
// test's own server needs GLFW not yet started in this program.
bool glfwStarted()
{
    glfwGetError(nullptr);
    glfwGetPrimaryMonitor();
    return glfwGetError(nullptr) != GLFW_NOT_INITIALIZED;
}

}

TEST(LevelFlowScreenshot, ALoadedZoneShowsTheCity)
{
    if (glfwStarted())
        GTEST_SKIP() << "an earlier window test of this program holds GLFW on its own X server; run alone";
    XvfbServer xvfb;
    ASSERT_TRUE(xvfb.start(1024, 768)) << xvfb.error();
    GLView* view = GLView::createWithRect("Tallowind", Rect(0, 0, kWidth, kHeight), 1.0f);
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(glContextReady());
    view->setDesignResolutionSize(kWidth / 2.0f, kHeight / 2.0f, ResolutionPolicy::FIXED_HEIGHT);
    Director* director = Director::getInstance();
    director->setOpenGLView(view);
    Scene* scene = Scene::create();
    auto* layer = new Game();
    layer->cocos2d::Layer::init();
    layer->autorelease();
    scene->addChild(layer);
    director->runWithScene(scene);
    director->stepFrame(0.0f);

    GameInterface* driver = GameInterface::getInstance();
    driver->gameLayer = layer;
    driver->visibleSize = director->getVisibleSize();
    GameData::getInstance()->currentZone = 0;
    driver->loadLevel();
    for (int i = 0; i < 3; ++i)
        director->stepFrame(1.0f / 60.0f);

    const std::string folder = (std::filesystem::temp_directory_path() / "tallowind-flow-shot").string();
    std::filesystem::create_directories(folder);
    const std::string shot = folder + "/zone0.png";
    bool written = false;
    ASSERT_TRUE(utils::captureScreen([&](bool ok, const std::string&) { written = ok; }, shot));
    director->stepFrame(1.0f / 60.0f);
    ASSERT_TRUE(written);

    Image image;
    ASSERT_TRUE(image.initWithImageFile(shot));
    // The city is many colours, not one cleared background.
    std::set<unsigned> colours;
    const unsigned char* data = image.getData();
    for (int i = 0; i < image.getWidth() * image.getHeight(); i += 97)
        colours.insert(unsigned(data[i * 4]) << 16 | unsigned(data[i * 4 + 1]) << 8 | data[i * 4 + 2]);
    EXPECT_GT(colours.size(), 50u);
    if (const char* keep = std::getenv("TALLOWIND_KEEP_SCREENSHOTS"))
        std::filesystem::copy_file(shot, std::string(keep) + "/zone0.png",
                                   std::filesystem::copy_options::overwrite_existing);
    std::filesystem::remove_all(folder);

    WorldMap* map = WorldMap::getInstance();
    if (map->worldNode)
        map->worldNode->removeFromParent();
    map->clear();
    driver->gameLayer = nullptr;
    SoundEngine::getInstance()->stopAll();
    director->end();
    director->stepFrame(0.0f);
    // Leaves GLFW unstarted for the next window test, while this X server still runs.
    glfwTerminate();
}
