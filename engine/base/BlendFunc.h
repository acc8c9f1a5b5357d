#pragma once
#include <GL/glew.h>

namespace cocos2d {

// Source and destination factors of glBlendFunc. Textures are uploaded with
// premultiplied alpha, so the default for everything drawn is
// ALPHA_PREMULTIPLIED; ADDITIVE adds premultiplied colour.
struct BlendFunc
{
    GLenum src;
    GLenum dst;

    static const BlendFunc DISABLE;
    static const BlendFunc ALPHA_PREMULTIPLIED;
    static const BlendFunc ALPHA_NON_PREMULTIPLIED;
    static const BlendFunc ADDITIVE;

    bool operator==(const BlendFunc& other) const { return src == other.src && dst == other.dst; }
    bool operator!=(const BlendFunc& other) const { return !(*this == other); }
};

}
