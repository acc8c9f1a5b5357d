#include "utils/ScreenCapture.h"

#include "base/Director.h"
#include "platform/GLContext.h"
#include "renderer/Renderer.h"

namespace cocos2d {
namespace utils {

bool captureScreen(const std::function<void(bool, const std::string&)>& afterCaptured, const std::string& filename)
{
    Renderer* renderer = Director::getInstance()->getRenderer();
    if (!renderer || !glContextReady())
        return false;
    renderer->requestScreenshot(filename, afterCaptured);
    return true;
}

bool captureScreenToFile(const std::string& filename)
{
    return captureScreen(nullptr, filename);
}

}
}
