// Rain over the first zone, drawn in a real window under Xvfb and captured.
#include "GameLayerScene.h"
#include "support/OwnProcess.h"
#include "app/Game.h"
#include "app/GameCamera.h"
#include "app/GameInterface.h"
#include "app/RainDrop.h"
#include "app/SoundEngine.h"
#include "app/WeatherEngine.h"
#include "cocos2d.h"
#include "support/ScratchFolder.h"
#include "support/XvfbServer.h"
#include "world/GameData.h"
#include "world/WorldMap.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

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

// Draws the first zone dry and then under a storm, and compares the two
// pictures; the empty answer when all went well, else what went wrong.
std::string shootRain()
{
    XvfbServer xvfb;
    if (!xvfb.start(1024, 768))
        return xvfb.error();
    Game* layer = nullptr;
    const ::testing::AssertionResult opened = openGameWindow(kWidth, kHeight, layer);
    if (!opened)
        return opened.message();
    Director* director = Director::getInstance();
    GameInterface* driver = GameInterface::getInstance();
    GameData::getInstance()->currentZone = 0;
    driver->loadLevel();

    ScratchFolder folder("tallowind-rain-shot");
    Image dryImage;
    const ::testing::AssertionResult dry = captureWindow(folder.file("dry.png"), "dry.png", dryImage);
    if (!dry)
        return dry.message();

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
    Image rainImage;
    const ::testing::AssertionResult rain = captureWindow(folder.file("rain.png"), "rain.png", rainImage);
    if (!rain)
        return rain.message();
    // The storm's tint darkens the city and turns it bluer.
    if (!(meanChannel(rainImage, 0) < meanChannel(dryImage, 0) - 5.0))
        return "the rain did not darken the city";
    if (!(meanChannel(rainImage, 2) - meanChannel(rainImage, 0) > meanChannel(dryImage, 2) - meanChannel(dryImage, 0)))
        return "the rain did not turn the city bluer";
    return std::string();
}

}

TEST(WeatherScreenshot, RainFallsOverTheCity)
{
    expectPassesInOwnProcess(&shootRain);
}
