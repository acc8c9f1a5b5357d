#pragma once
#include <string>

#include <gtest/gtest.h>

#include "cocos2d.h"

// A fixture with a headless Director running an empty scene: the frame size
// is the pretend window, the design size is fitted to its height. Torn down
// after each test so the next one starts clean.
class HeadlessDirectorTest : public ::testing::Test
{
protected:
    HeadlessDirectorTest(const std::string& title, const cocos2d::Size& frame, const cocos2d::Size& design);

    void SetUp() override;
    void TearDown() override;

    cocos2d::Director* director = nullptr;
    cocos2d::GLView* view = nullptr;
    cocos2d::Scene* scene = nullptr;

private:
    std::string _title;
    cocos2d::Size _frame;
    cocos2d::Size _design;
};
