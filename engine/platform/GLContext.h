#pragma once
// GL entry points for every engine file that draws. GLEW must come before any
// other GL header (and before GLFW's).
//
// The window's context: OpenGL 2.1 or later in the COMPATIBILITY profile (GLFW
// is asked for 2.1 with no profile hint, so drivers give their newest
// compatibility context). Fixed-function calls, client-side vertex arrays and
// GLSL 1.20 shaders all work; no core-profile-only features may be assumed.
#include <GL/glew.h>

namespace cocos2d {

// True only while a real window's GL context is current and GLEW has been
// initialised. Headless runs never have one: every GL call checks this first.
bool glContextReady();

namespace detail {
// Set by GLView when its context becomes current (after glewInit) and when it
// is destroyed.
void setGLContextReady(bool ready);
}

}
