#pragma once
#include "UITestAssets.h"
#include "cocos2d.h"
#include "support/HeadlessDirectorTest.h"

// A headless Director with a running scene and the interface's stand-in art
// on the search paths; torn down after each test.
class UIFixture : public HeadlessDirectorTest
{
protected:
    UIFixture() : HeadlessDirectorTest("ui test", cocos2d::Size(1280, 720), cocos2d::Size(640, 360)) {}

    void SetUp() override
    {
        UITestAssets::install();
        HeadlessDirectorTest::SetUp();
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
};

// Counts the calls of a member callback.
class CallCounter : public cocos2d::Ref
{
public:
    void hit() { ++count; }
    int count = 0;
};
