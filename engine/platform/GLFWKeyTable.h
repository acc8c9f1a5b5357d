#pragma once
#include "base/EventKeyboard.h"

namespace cocos2d {

// The one table from GLFW key numbers to the game's key codes. Unknown keys
// give KEY_NONE.
EventKeyboard::KeyCode keyCodeFromGLFW(int glfwKey);

}
