#pragma once
#include "support/HeadlessDirectorTest.h"

// A headless Director with a running scene, torn down after each test so the
// next one starts clean.
class EngineFixture : public HeadlessDirectorTest
{
protected:
    EngineFixture() : HeadlessDirectorTest("test", cocos2d::Size(1920, 1080), cocos2d::Size(960, 540)) {}

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
};
