#pragma once
#include "cocos2d.h"
#include <gtest/gtest.h>

// A headless Director with a running scene, torn down after each test so the
// next one starts clean.
class EngineFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        director = cocos2d::Director::getInstance();
        view = cocos2d::GLView::createHeadless("test", cocos2d::Size(1920, 1080));
        view->retain();
        director->setOpenGLView(view);
        view->setDesignResolutionSize(960, 540, ResolutionPolicy::FIXED_HEIGHT);
        scene = cocos2d::Scene::create();
        director->runWithScene(scene);
        director->stepFrame(0.0f); // the scene enters
    }

    void TearDown() override
    {
        director->end();
        director->stepFrame(0.0f);
        view->release();
    }

    // Steps n frames of dt seconds.
    void frames(int n, float dt = 1.0f / 60.0f)
    {
        for (int i = 0; i < n; ++i)
            director->stepFrame(dt);
    }

    cocos2d::Node* addNode()
    {
        auto* node = cocos2d::Node::create();
        scene->addChild(node);
        return node;
    }

    cocos2d::Director* director = nullptr;
    cocos2d::GLView* view = nullptr;
    cocos2d::Scene* scene = nullptr;
};
