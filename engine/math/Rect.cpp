#include "math/Rect.h"
#include <algorithm>

namespace cocos2d {

bool Rect::containsPoint(const Vec2& p) const
{
    return p.x >= getMinX() && p.x <= getMaxX() && p.y >= getMinY() && p.y <= getMaxY();
}

bool Rect::intersectsRect(const Rect& r) const
{
    return !(getMaxX() < r.getMinX() || r.getMaxX() < getMinX() || getMaxY() < r.getMinY() ||
             r.getMaxY() < getMinY());
}

Rect Rect::unionWithRect(const Rect& r) const
{
    const float minX = std::min(getMinX(), r.getMinX());
    const float minY = std::min(getMinY(), r.getMinY());
    const float maxX = std::max(getMaxX(), r.getMaxX());
    const float maxY = std::max(getMaxY(), r.getMaxY());
    return Rect(minX, minY, maxX - minX, maxY - minY);
}

}
