#pragma once
#include <functional>
#include <string>

namespace cocos2d {
namespace utils {

// Writes the frame buffer as a PNG at the end of the next frame that is
// drawn; the callback, when given, hears whether it worked and the path.
// False when there is no GL context to draw a frame (headless runs).
bool captureScreen(const std::function<void(bool, const std::string&)>& afterCaptured,
                   const std::string& filename);
bool captureScreenToFile(const std::string& filename);

}
}
