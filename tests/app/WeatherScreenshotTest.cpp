// Rain over the first zone, drawn in a real window under Xvfb and captured.
#include "app/Game.h"
#include "app/GameCamera.h"
#include "app/GameInterface.h"
#include "app/RainDrop.h"
#include "app/SoundEngine.h"
#include "app/WeatherEngine.h"
#include "cocos2d.h"
#include "support/XvfbServer.h"
#include "world/GameData.h"
#include "world/WorldMap.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <filesystem>

USING_NS_CC;

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 360;

// The mean of one colour channel over the whole picture.
double meanChannel(const Image& image, int channel)
{
    const unsigned char* data = image.getData();
    const int pixels = image.getWidth() * image.getHeight();
    double sum = 0.0;
    for (int i = 0; i < pixels; ++i)
        sum += data[i * 4 + channel];
    return sum / pixels;
}

bool capture(Director* director, const std::string& path)
{
    bool written = false;
    if (!utils::captureScreen([&](bool ok, const std::string&) { written = ok; }, path))
        return false;
    director->stepFrame(1.0f / 60.0f);
    return written;
}

// Draws the first zone dry and then under a storm, and compares the two
// pictures; the empty answer when all went well, else what went wrong.
std::string shootRain()
{
    XvfbServer xvfb;
    if (!xvfb.start(1024, 768))
        return xvfb.error();
    GLView* view = GLView::createWithRect("Tallowind", Rect(0, 0, kWidth, kHeight), 1.0f);
    if (!view || !glContextReady())
        return "no window with a GL context";
    view->setDesignResolutionSize(kWidth / 2.0f, kHeight / 2.0f, ResolutionPolicy::FIXED_HEIGHT);
    Director* director = Director::getInstance();
    director->setOpenGLView(view);
    FileUtils::getInstance()->addSearchPath(std::string(TALLOWIND_SOURCE_DIR) + "/assets/");
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

    const std::string folder =
        (std::filesystem::temp_directory_path() / ("tallowind-rain-shot-" + std::to_string(getpid()))).string();
    std::filesystem::create_directories(folder);
    const std::string dry = folder + "/dry.png";
    if (!capture(director, dry))
        return "the dry city was not captured";

    WeatherEngine* weather = WeatherEngine::getInstance();
    weather->strikeDelay = 1000.0f;
    weather->parent = layer;
    layer->addChild(weather->darkLayer, 900);
    layer->addChild(weather->flashLayer, 901);
    for (int frame = 0; frame < 150; ++frame)
    {
        weather->update(1.0f / 60.0f);
        director->stepFrame(1.0f / 60.0f);
    }
    if (weather->drops.size() != 100u)
        return "not a hundred drops but " + std::to_string(weather->drops.size());
    const std::string rain = folder + "/rain.png";
    if (!capture(director, rain))
        return "the rain was not captured";

    Image dryImage;
    Image rainImage;
    if (!dryImage.initWithImageFile(dry) || !rainImage.initWithImageFile(rain))
        return "the captures cannot be read";
    // The storm's tint darkens the city and turns it bluer.
    if (!(meanChannel(rainImage, 0) < meanChannel(dryImage, 0) - 5.0))
        return "the rain did not darken the city";
    if (!(meanChannel(rainImage, 2) - meanChannel(rainImage, 0) > meanChannel(dryImage, 2) - meanChannel(dryImage, 0)))
        return "the rain did not turn the city bluer";
    if (const char* keep = std::getenv("TALLOWIND_KEEP_SCREENSHOTS"))
        std::filesystem::copy_file(rain, std::string(keep) + "/rain.png",
                                   std::filesystem::copy_options::overwrite_existing);
    std::filesystem::remove_all(folder);
    return std::string();
}

}

// In a process of its own: a window's connection to its private X server
// must not outlive that server in the test program.
TEST(WeatherScreenshot, RainFallsOverTheCity)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            const std::string error = shootRain();
            if (!error.empty())
                std::fprintf(stderr, "%s\n", error.c_str());
            std::exit(error.empty() ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}
