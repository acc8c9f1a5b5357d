#include "support/ScreenCapture.h"

#include <cstdlib>
#include <filesystem>

::testing::AssertionResult openWindowScene(const std::string& title, int width, int height, cocos2d::Scene*& scene)
{
    cocos2d::GLView* view = cocos2d::GLView::createWithRect(
        title, cocos2d::Rect(0, 0, static_cast<float>(width), static_cast<float>(height)), 1.0f);
    if (!view)
        return ::testing::AssertionFailure() << "no window could be opened for " << title;
    if (!cocos2d::glContextReady())
        return ::testing::AssertionFailure() << "the window of " << title << " has no GL context";
    view->setDesignResolutionSize(static_cast<float>(width), static_cast<float>(height), ResolutionPolicy::FIXED_HEIGHT);
    cocos2d::Director::getInstance()->setOpenGLView(view);
    scene = cocos2d::Scene::create();
    cocos2d::Director::getInstance()->runWithScene(scene);
    return ::testing::AssertionSuccess();
}

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
