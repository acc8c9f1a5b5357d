#pragma once
#include "math/Size.h"
#include "math/Vec2.h"

namespace cocos2d {

// Axis-aligned rectangle: origin is the bottom-left corner.
class Rect
{
public:
    Vec2 origin;
    Size size;

    Rect() = default;
    Rect(float x, float y, float w, float h) : origin(x, y), size(w, h) {}
    Rect(const Vec2& o, const Size& s) : origin(o), size(s) {}

    void setRect(float x, float y, float w, float h) { origin.set(x, y); size.setSize(w, h); }
    float getMinX() const { return origin.x; }
    float getMidX() const { return origin.x + size.width * 0.5f; }
    float getMaxX() const { return origin.x + size.width; }
    float getMinY() const { return origin.y; }
    float getMidY() const { return origin.y + size.height * 0.5f; }
    float getMaxY() const { return origin.y + size.height; }

    bool equals(const Rect& r) const { return origin == r.origin && size == r.size; }
    // Edges included.
    bool containsPoint(const Vec2& p) const;
    bool intersectsRect(const Rect& r) const;
    Rect unionWithRect(const Rect& r) const;
    bool operator==(const Rect& r) const { return equals(r); }
    bool operator!=(const Rect& r) const { return !equals(r); }

    static const Rect ZERO;
};

inline const Rect Rect::ZERO{0.0f, 0.0f, 0.0f, 0.0f};

}
