#pragma once
// The game's own layer in a running scene, as the game tests want it: bare
// (Game::init would start the whole game) and known to the driver as its
// game layer, with the driver's visible size taken from the window.
#include "app/Game.h"
#include "app/GameInterface.h"
#include "cocos2d.h"
#include "support/ScreenCapture.h"

#include <gtest/gtest.h>

#include <string>

inline Game* addBareGameLayer(cocos2d::Scene* scene)
{
    auto* layer = new Game();
    layer->cocos2d::Layer::init();
    layer->autorelease();
    scene->addChild(layer);
    GameInterface* driver = GameInterface::getInstance();
    driver->gameLayer = layer;
    driver->visibleSize = cocos2d::Director::getInstance()->getVisibleSize();
    return layer;
}

// A real window of width x height pixels drawn as the game draws it, two
// pixels to a design unit, showing a bare game layer over the game's assets.
inline ::testing::AssertionResult openGameWindow(int width, int height, Game*& layer)
{
    cocos2d::Scene* scene = nullptr;
    const ::testing::AssertionResult opened = openWindowScene("Tallowind", width, height, scene);
    if (!opened)
        return opened;
    cocos2d::Director* director = cocos2d::Director::getInstance();
    director->getOpenGLView()->setDesignResolutionSize(width / 2.0f, height / 2.0f, ResolutionPolicy::FIXED_HEIGHT);
    cocos2d::FileUtils::getInstance()->addSearchPath(std::string(TALLOWIND_SOURCE_DIR) + "/assets/");
    layer = addBareGameLayer(scene);
    director->stepFrame(0.0f); // the scene enters
    return ::testing::AssertionSuccess();
}
