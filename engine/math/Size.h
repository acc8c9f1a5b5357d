#pragma once
#include "math/Vec2.h"

namespace cocos2d {

class Size
{
public:
    float width = 0.0f;
    float height = 0.0f;

    constexpr Size() = default;
    constexpr Size(float w, float h) : width(w), height(h) {}
    explicit Size(const Vec2& v) : width(v.x), height(v.y) {}

    void setSize(float w, float h) { width = w; height = h; }
    bool equals(const Size& s) const { return width == s.width && height == s.height; }
    operator Vec2() const { return Vec2(width, height); }

    Size operator+(const Size& s) const { return Size(width + s.width, height + s.height); }
    Size operator-(const Size& s) const { return Size(width - s.width, height - s.height); }
    Size operator*(float a) const { return Size(width * a, height * a); }
    Size operator/(float a) const { return Size(width / a, height / a); }
    bool operator==(const Size& s) const { return equals(s); }
    bool operator!=(const Size& s) const { return !equals(s); }

    static const Size ZERO;
};

inline const Size Size::ZERO{0.0f, 0.0f};

}
