// A loaded zone drawn in a real window under Xvfb and captured to a PNG.
#include "GameLayerScene.h"
#include "app/Game.h"
#include "app/GameCamera.h"
#include "app/GameInterface.h"
#include "app/SoundEngine.h"
#include "cocos2d.h"
#include "support/ScratchFolder.h"
#include "support/XvfbServer.h"
#include "world/GameData.h"
#include "world/WorldMap.h"

#include <gtest/gtest.h>

#include <GLFW/glfw3.h>

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
    Game* layer = nullptr;
    ASSERT_TRUE(openGameWindow(kWidth, kHeight, layer));
    Director* director = Director::getInstance();
    GameInterface* driver = GameInterface::getInstance();
    GameData::getInstance()->currentZone = 0;
    driver->loadLevel();
    // The capture draws one more frame before the one it takes.
    for (int i = 0; i < 2; ++i)
        director->stepFrame(1.0f / 60.0f);

    ScratchFolder folder("tallowind-flow-shot");
    Image image;
    ASSERT_TRUE(captureWindow(folder.file("zone0.png"), "zone0.png", image));
    // The city is many colours, not one cleared background.
    std::set<unsigned> colours;
    const unsigned char* data = image.getData();
    for (int i = 0; i < image.getWidth() * image.getHeight(); i += 97)
        colours.insert(unsigned(data[i * 4]) << 16 | unsigned(data[i * 4 + 1]) << 8 | data[i * 4 + 2]);
    EXPECT_GT(colours.size(), 50u);

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
