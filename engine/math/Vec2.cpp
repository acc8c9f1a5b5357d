#include "math/Vec2.h"

namespace cocos2d {

float Vec2::getAngle(const Vec2& other) const
{
    return std::atan2(cross(other), dot(other));
}

void Vec2::normalize()
{
    const float n = length();
    if (n > 0.0f)
    {
        x /= n;
        y /= n;
    }
}

Vec2 Vec2::getNormalized() const
{
    Vec2 v(*this);
    v.normalize();
    return v;
}

Vec2 Vec2::rotateByAngle(const Vec2& pivot, float angle) const
{
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    const Vec2 d = *this - pivot;
    return Vec2(pivot.x + d.x * c - d.y * s, pivot.y + d.x * s + d.y * c);
}

bool Vec2::fuzzyEquals(const Vec2& v, float variance) const
{
    return std::fabs(x - v.x) <= variance && std::fabs(y - v.y) <= variance;
}

}
