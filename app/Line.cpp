#include "app/Line.h"

#include <algorithm>

USING_NS_CC;

namespace {

// 0 aligned, 1 clockwise, 2 counter-clockwise. Truncated to an integer, so
// nearly aligned points (|v| < 1) count as aligned.
int orientation(const Vec2& p1, const Vec2& p2, const Vec2& p3)
{
    const float v = (p2.y - p1.y) * (p3.x - p2.x) - (p2.x - p1.x) * (p3.y - p2.y);
    const int truncated = static_cast<int>(v);
    if (truncated == 0)
        return 0;
    return truncated > 0 ? 1 : 2;
}

bool withinExtents(const Vec2& point, const Vec2& a, const Vec2& b)
{
    return point.x >= std::min(a.x, b.x) && point.x <= std::max(a.x, b.x) &&
           point.y >= std::min(a.y, b.y) && point.y <= std::max(a.y, b.y);
}

}

Line::Line(const Vec2& firstPoint, const Vec2& secondPoint)
    : first(firstPoint), second(secondPoint)
{
}

Line::~Line() = default;

bool Line::intersects(const Line& other) const
{
    const Vec2& a = first;
    const Vec2& b = second;
    const Vec2& p = other.first;
    const Vec2& q = other.second;

    const int o1 = orientation(a, b, p);
    const int o2 = orientation(a, b, q);
    const int o3 = orientation(p, q, a);
    const int o4 = orientation(p, q, b);

    if (o1 != o2 && o3 != o4)
        return true;
    if (o1 == 0 && withinExtents(p, a, b))
        return true;
    if (o2 == 0 && withinExtents(q, a, b))
        return true;
    if (o3 == 0 && withinExtents(a, p, q))
        return true;
    if (o4 == 0 && withinExtents(b, p, q))
        return true;
    return false;
}
