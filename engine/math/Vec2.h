#pragma once
#include <cmath>

namespace cocos2d {

// A 2D point or vector. Angles are in radians, counter-clockwise.
class Vec2
{
public:
    float x = 0.0f;
    float y = 0.0f;

    constexpr Vec2() = default;
    constexpr Vec2(float xx, float yy) : x(xx), y(yy) {}

    void set(float xx, float yy) { x = xx; y = yy; }
    void setZero() { x = y = 0.0f; }
    bool isZero() const { return x == 0.0f && y == 0.0f; }

    float length() const { return std::sqrt(x * x + y * y); }
    float lengthSquared() const { return x * x + y * y; }
    float getLength() const { return length(); }
    float getLengthSq() const { return lengthSquared(); }
    float distance(const Vec2& v) const { return (*this - v).length(); }
    float distanceSquared(const Vec2& v) const { return (*this - v).lengthSquared(); }
    float getDistance(const Vec2& v) const { return distance(v); }
    float getDistanceSq(const Vec2& v) const { return distanceSquared(v); }
    float dot(const Vec2& v) const { return x * v.x + y * v.y; }
    float cross(const Vec2& v) const { return x * v.y - y * v.x; }
    float getAngle() const { return std::atan2(y, x); }
    // Signed angle from this vector to other.
    float getAngle(const Vec2& other) const;

    void normalize();
    Vec2 getNormalized() const;
    Vec2 getPerp() const { return Vec2(-y, x); }
    Vec2 getRPerp() const { return Vec2(y, -x); }
    Vec2 getMidpoint(const Vec2& other) const { return Vec2((x + other.x) * 0.5f, (y + other.y) * 0.5f); }
    Vec2 lerp(const Vec2& other, float alpha) const { return *this * (1.0f - alpha) + other * alpha; }
    void scale(float s) { x *= s; y *= s; }
    void add(const Vec2& v) { x += v.x; y += v.y; }
    void subtract(const Vec2& v) { x -= v.x; y -= v.y; }
    void negate() { x = -x; y = -y; }
    // Rotates this point by angle (radians, counter-clockwise) around pivot.
    Vec2 rotateByAngle(const Vec2& pivot, float angle) const;
    void rotate(const Vec2& pivot, float angle) { *this = rotateByAngle(pivot, angle); }
    bool equals(const Vec2& v) const { return x == v.x && y == v.y; }
    bool fuzzyEquals(const Vec2& v, float variance) const;

    static Vec2 forAngle(float a) { return Vec2(std::cos(a), std::sin(a)); }

    Vec2 operator+(const Vec2& v) const { return Vec2(x + v.x, y + v.y); }
    Vec2 operator-(const Vec2& v) const { return Vec2(x - v.x, y - v.y); }
    Vec2 operator-() const { return Vec2(-x, -y); }
    Vec2 operator*(float s) const { return Vec2(x * s, y * s); }
    Vec2 operator/(float s) const { return Vec2(x / s, y / s); }
    Vec2& operator+=(const Vec2& v) { x += v.x; y += v.y; return *this; }
    Vec2& operator-=(const Vec2& v) { x -= v.x; y -= v.y; return *this; }
    Vec2& operator*=(float s) { x *= s; y *= s; return *this; }
    Vec2& operator/=(float s) { x /= s; y /= s; return *this; }
    bool operator==(const Vec2& v) const { return x == v.x && y == v.y; }
    bool operator!=(const Vec2& v) const { return !(*this == v); }
    bool operator<(const Vec2& v) const { return x < v.x || (x == v.x && y < v.y); }

    static const Vec2 ZERO;
    static const Vec2 ONE;
    static const Vec2 UNIT_X;
    static const Vec2 UNIT_Y;
    static const Vec2 ANCHOR_MIDDLE;
    static const Vec2 ANCHOR_BOTTOM_LEFT;
    static const Vec2 ANCHOR_TOP_LEFT;
    static const Vec2 ANCHOR_BOTTOM_RIGHT;
    static const Vec2 ANCHOR_TOP_RIGHT;
    static const Vec2 ANCHOR_MIDDLE_RIGHT;
    static const Vec2 ANCHOR_MIDDLE_LEFT;
    static const Vec2 ANCHOR_MIDDLE_TOP;
    static const Vec2 ANCHOR_MIDDLE_BOTTOM;
};

inline Vec2 operator*(float s, const Vec2& v) { return v * s; }

inline const Vec2 Vec2::ZERO{0.0f, 0.0f};
inline const Vec2 Vec2::ONE{1.0f, 1.0f};
inline const Vec2 Vec2::UNIT_X{1.0f, 0.0f};
inline const Vec2 Vec2::UNIT_Y{0.0f, 1.0f};
inline const Vec2 Vec2::ANCHOR_MIDDLE{0.5f, 0.5f};
inline const Vec2 Vec2::ANCHOR_BOTTOM_LEFT{0.0f, 0.0f};
inline const Vec2 Vec2::ANCHOR_TOP_LEFT{0.0f, 1.0f};
inline const Vec2 Vec2::ANCHOR_BOTTOM_RIGHT{1.0f, 0.0f};
inline const Vec2 Vec2::ANCHOR_TOP_RIGHT{1.0f, 1.0f};
inline const Vec2 Vec2::ANCHOR_MIDDLE_RIGHT{1.0f, 0.5f};
inline const Vec2 Vec2::ANCHOR_MIDDLE_LEFT{0.0f, 0.5f};
inline const Vec2 Vec2::ANCHOR_MIDDLE_TOP{0.5f, 1.0f};
inline const Vec2 Vec2::ANCHOR_MIDDLE_BOTTOM{0.5f, 0.0f};

// The older name of the same type.
using Point = Vec2;

}
