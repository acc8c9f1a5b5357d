#include "platform/GLContext.h"

namespace cocos2d {

namespace {
bool s_glContextReady = false;
bool s_glContextEverMade = false;
}

bool glContextReady()
{
    return s_glContextReady;
}

namespace detail {
void setGLContextReady(bool ready)
{
    s_glContextReady = ready;
    s_glContextEverMade = s_glContextEverMade || ready;
}
}

}

#if defined(__SANITIZE_ADDRESS__)
#define TALLOWIND_LEAK_CHECKED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(leak_sanitizer)
#define TALLOWIND_LEAK_CHECKED 1
#endif
#endif

#ifdef TALLOWIND_LEAK_CHECKED
// The leak sanitizer asks this at exit. A process that has made a real GL
// context skips its exit-time leak check: the check stops every thread with a
// tracer, and in a process that has loaded the system's GL (Mesa's software
// rasteriser over X) that tracer crashes now and then with SIGSEGV, even after
// the window, the context, the sound device and the window library have all
// been closed. The crash fails the run at random, not the game. Headless
// processes, which never load GL, keep the full leak check.
extern "C" int __lsan_is_turned_off()
{
    return cocos2d::s_glContextEverMade ? 1 : 0;
}
#endif
