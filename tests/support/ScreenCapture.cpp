#include "support/ScreenCapture.h"

#include <cstdlib>
#include <filesystem>

::testing::AssertionResult captureWindow(const std::string& file, const std::string& keepAs, cocos2d::Image& image)
{
    cocos2d::Director* director = cocos2d::Director::getInstance();
    director->stepFrame(1.0f / 60.0f);
    bool written = false;
    if (!cocos2d::utils::captureScreen([&](bool ok, const std::string&) { written = ok; }, file))
        return ::testing::AssertionFailure() << "the capture of " << file << " was refused";
    // The capture is taken when the next frame is drawn.
    director->stepFrame(1.0f / 60.0f);
    if (!written)
        return ::testing::AssertionFailure() << "no screenshot was written to " << file;
    if (!image.initWithImageFile(file))
        return ::testing::AssertionFailure() << "the screenshot " << file << " does not load: " << image.getError();
    if (const char* keep = std::getenv("TALLOWIND_KEEP_SCREENSHOTS"))
        std::filesystem::copy_file(file, std::string(keep) + "/" + keepAs,
                                   std::filesystem::copy_options::overwrite_existing);
    return ::testing::AssertionSuccess();
}
