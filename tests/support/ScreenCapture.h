#pragma once
#include <string>

#include <gtest/gtest.h>

#include "cocos2d.h"

// Draws a frame so the running scene is shown, captures the next one to the
// PNG file and loads it into image. With TALLOWIND_KEEP_SCREENSHOTS set to a
// folder, a copy named keepAs is left there for a person to look at.
::testing::AssertionResult captureWindow(const std::string& file, const std::string& keepAs, cocos2d::Image& image);
