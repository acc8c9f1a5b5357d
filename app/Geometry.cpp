#include "app/Geometry.h"

#include "app/Line.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <utility>

USING_NS_CC;

namespace {

constexpr double kDegreesToRadians = 0.017453292519943295;
constexpr double kPi = 3.14159265358979323846;

// The rectangle's corners in edge order, turned about its centre.
void rotatedCorners(const Rect& rect, float heading, Vec2 corners[4])
{
    const Vec2 centre(rect.origin.x + rect.size.width * 0.5f, rect.origin.y + rect.size.height * 0.5f);
    corners[0] = Vec2(rect.origin.x, rect.origin.y);
    corners[1] = Vec2(rect.origin.x + rect.size.width, rect.origin.y);
    corners[2] = Vec2(rect.origin.x + rect.size.width, rect.origin.y + rect.size.height);
    corners[3] = Vec2(rect.origin.x, rect.origin.y + rect.size.height);
    const float radians = static_cast<float>(heading * kDegreesToRadians);
    for (int i = 0; i < 4; ++i)
        corners[i] = corners[i].rotateByAngle(centre, radians);
}

}

float fastDistance(const Vec2& a, const Vec2& b)
{
    const Vec2 d = a - b;
    const float lengthSquared = d.dot(d);
    if (lengthSquared == 0.0f)
        return 0.0f;

    int32_t bits;
    std::memcpy(&bits, &lengthSquared, sizeof bits);
    bits = 0x5F3759DF - (bits >> 1);
    float inverse;
    std::memcpy(&inverse, &bits, sizeof inverse);
    inverse = inverse * (1.5f - 0.5f * lengthSquared * inverse * inverse);
    return lengthSquared * inverse;
}

float angleBetween(const Vec2& a, const Vec2& b)
{
    double r = std::atan2(static_cast<double>(b.y - a.y), static_cast<double>(a.x - b.x)) * 180.0 / kPi - 90.0;
    if (r < 0.0)
        r += 360.0;
    return static_cast<float>(r);
}

Vec2 vectorFromAngle(float heading, float length)
{
    const double radians = heading * kDegreesToRadians;
    return Vec2(static_cast<float>(length * std::sin(radians)), static_cast<float>(length * std::cos(radians)));
}

Vec2 pointAtAngle(const Vec2& origin, float distance, float heading)
{
    return origin + vectorFromAngle(heading, distance);
}

bool sameCell(const Vec2& a, const Vec2& b)
{
    return static_cast<int>(a.x) == static_cast<int>(b.x) && static_cast<int>(a.y) == static_cast<int>(b.y);
}

Vec2 randomPointAround(const Vec2& centre, float radius)
{
    const int heading = std::rand() % 360;
    int range = static_cast<int>(radius);
    if (range == 0)
        range = 1;
    // A negative radius would make a negative modulus; treat it like a small one.
    if (range < 0)
        range = 1;
    const int distance = std::rand() % range;
    return pointAtAngle(centre, static_cast<float>(distance), static_cast<float>(heading));
}

bool coinFlip()
{
    return std::rand() % 2 == 0;
}

Vec2 closestPointOnSegment(const Vec2& a, const Vec2& b, const Vec2& p)
{
    const Vec2 along = b - a;
    const float length = static_cast<float>(std::sqrt(static_cast<double>(along.x) * along.x +
                                                      static_cast<double>(along.y) * along.y));
    // A segment of no length is the point a.
    if (length == 0.0f)
        return a;
    const Vec2 direction = along / length;
    const float t = (p - a).dot(direction);
    if (t <= 0.0f)
        return a;
    if (t >= length)
        return b;
    return a + direction * t;
}

bool segmentIntersectsCircle(const Vec2& a, const Vec2& b, const Vec2& centre, float radius)
{
    return fastDistance(centre, closestPointOnSegment(a, b, centre)) < radius;
}

bool circleIntersectsSegment(const Line& line, const Vec2& centre, float radius)
{
    return segmentIntersectsCircle(line.first, line.second, centre, radius);
}

bool segmentIntersectsSegmentRect(const Line& line, const Rect& rect, float heading)
{
    Vec2 corners[4];
    rotatedCorners(rect, heading, corners);
    for (int i = 0; i < 4; ++i)
    {
        const Line edge(corners[i], corners[(i + 1) % 4]);
        if (edge.intersects(line))
            return true;
    }
    return false;
}

bool circleIntersectsRotatedRect(const Vec2& centre, const Rect& rect, float radius, float heading)
{
    Vec2 corners[4];
    rotatedCorners(rect, heading, corners);
    for (int i = 0; i < 4; ++i)
    {
        if (segmentIntersectsCircle(corners[i], corners[(i + 1) % 4], centre, radius))
            return true;
    }
    return false;
}

bool rotatedRectsIntersect(const Rect& rectA, const Rect& rectB, float headingA, float headingB)
{
    const RotatedRect a{rectA.getMidX(), rectA.getMidY(), rectA.size.width, rectA.size.height,
                        static_cast<float>(headingA * kDegreesToRadians)};
    const RotatedRect b{rectB.getMidX(), rectB.getMidY(), rectB.size.width, rectB.size.height,
                        static_cast<float>(headingB * kDegreesToRadians)};
    return rotatedRectsCollide(a, b);
}

namespace {

// How far the edge of r1 reaches along y at r2's box, from one extreme corner.
float extentAt(float blX, float trX, float ax, float ay, const Vec2& b, float sign)
{
    float x = blX - sign * ax;
    const float a = trX - sign * ax;
    float ext = sign * ay;
    if (a * x > 0.0f)
    {
        float dx = sign * ax;
        if (x < 0.0f)
        {
            dx -= b.x;
            ext -= b.y;
            x = a;
        }
        else
        {
            dx += b.x;
            ext += b.y;
        }
        ext = ext * x / dx + sign * ay;
    }
    return ext;
}

}

bool rotatedRectsCollide(const RotatedRect& r1, const RotatedRect& r2)
{
    const float ang = r1.angle - r2.angle;
    const float cs = std::cos(ang);
    const float sn = std::sin(ang);

    // R2's centre in R2's own frame, relative to R1's centre.
    Vec2 m(r2.centreX - r1.centreX, r2.centreY - r1.centreY);
    const float c2 = std::cos(r2.angle);
    const float s2 = std::sin(r2.angle);
    m = Vec2(m.x * c2 + m.y * s2, -m.x * s2 + m.y * c2);

    const Vec2 half2(r2.width * 0.5f, r2.height * 0.5f);
    const Vec2 bl = m - half2;
    const Vec2 tr = m + half2;

    const float hx = r1.width * 0.5f;
    const float hy = r1.height * 0.5f;
    Vec2 a(-hy * sn + hx * cs, hy * cs + hx * sn);
    Vec2 b(-hy * sn - hx * cs, hy * cs - hx * sn);

    float t = sn * cs;
    if (t < 0.0f)
    {
        std::swap(a.x, b.x);
        t = a.y;
        a.y = b.y;
        b.y = t;
    }
    if (sn < 0.0f)
        b = Vec2(-b.x, -b.y);

    if (b.x > tr.x || b.x > -bl.x)
        return false;

    float ext1;
    float ext2;
    if (t == 0.0f)
    {
        ext1 = a.y;
        ext2 = -a.y;
    }
    else
    {
        ext1 = extentAt(bl.x, tr.x, a.x, a.y, b, 1.0f);
        ext2 = extentAt(bl.x, tr.x, a.x, a.y, b, -1.0f);
    }
    return !((ext1 < bl.y && ext2 < bl.y) || (ext1 > tr.y && ext2 > tr.y));
}
