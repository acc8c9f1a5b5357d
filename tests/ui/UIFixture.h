#pragma once
#include <gtest/gtest.h>

#include "UITestAssets.h"
#include "cocos2d.h"

// A headless Director with a running scene and the interface's stand-in art
// on the search paths; torn down after each test.
class UIFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        UITestAssets::install();
        director = cocos2d::Director::getInstance();
        view = cocos2d::GLView::createHeadless("ui test", cocos2d::Size(1280, 720));
        view->retain();
        director->setOpenGLView(view);
        view->setDesignResolutionSize(640, 360, ResolutionPolicy::FIXED_HEIGHT);
        scene = cocos2d::Scene::create();
        director->runWithScene(scene);
        director->stepFrame(0.0f);
    }

    void TearDown() override
    {
        director->end();
        director->stepFrame(0.0f);
        view->release();
    }

    // Advances the clock by seconds in frames of at most 1/100 s.
    void advance(float seconds)
    {
        const float step = 0.01f;
        while (seconds > step * 0.5f) {
            const float dt = seconds < step ? seconds : step;
            director->stepFrame(dt);
            seconds -= dt;
        }
    }

    cocos2d::Director* director = nullptr;
    cocos2d::GLView* view = nullptr;
    cocos2d::Scene* scene = nullptr;
};

// Counts the calls of a member callback.
class CallCounter : public cocos2d::Ref
{
public:
    void hit() { ++count; }
    int count = 0;
};
