#pragma once
#include <string>

#include <gtest/gtest.h>

#include "cocos2d.h"

// Opens a real window of width x height pixels, one design unit a pixel,
// and runs a new empty scene in it (scene is set only on success).
::testing::AssertionResult openWindowScene(const std::string& title, int width, int height, cocos2d::Scene*& scene);

// Draws a frame so the running scene is shown, captures the next one to the
// PNG file and loads it into image. With TALLOWIND_KEEP_SCREENSHOTS set to a
// folder, a copy named keepAs is left there for a person to look at.
::testing::AssertionResult captureWindow(const std::string& file, const std::string& keepAs, cocos2d::Image& image);
