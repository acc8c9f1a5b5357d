#pragma once
#include <cstdint>

namespace cocos2d {

// One corner of a textured quad in world (design) coordinates, with its
// premultiplied colour. Four make a quad: bottom-left, top-left,
// bottom-right, top-right.
struct QuadVertex
{
    float x, y, z;
    uint8_t r, g, b, a;
    float u, v;
};

struct Quad
{
    QuadVertex bl, tl, br, tr;
};

}
