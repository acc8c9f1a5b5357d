#include "platform/GLContext.h"

namespace cocos2d {

namespace {
bool s_glContextReady = false;
}

bool glContextReady()
{
    return s_glContextReady;
}

namespace detail {
void setGLContextReady(bool ready)
{
    s_glContextReady = ready;
}
}

}
