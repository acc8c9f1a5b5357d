#pragma once
#include <cmath>

namespace cocos2d {

class Vec3
{
public:
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;

    constexpr Vec3() = default;
    constexpr Vec3(float xx, float yy, float zz) : x(xx), y(yy), z(zz) {}

    void set(float xx, float yy, float zz) { x = xx; y = yy; z = zz; }
    float length() const { return std::sqrt(x * x + y * y + z * z); }
    float lengthSquared() const { return x * x + y * y + z * z; }
    float distance(const Vec3& v) const { return (*this - v).length(); }
    float dot(const Vec3& v) const { return x * v.x + y * v.y + z * v.z; }
    Vec3 cross(const Vec3& v) const { return Vec3(y * v.z - z * v.y, z * v.x - x * v.z, x * v.y - y * v.x); }
    void normalize()
    {
        const float n = length();
        if (n > 0.0f) { x /= n; y /= n; z /= n; }
    }
    Vec3 getNormalized() const { Vec3 v(*this); v.normalize(); return v; }
    bool isZero() const { return x == 0.0f && y == 0.0f && z == 0.0f; }

    Vec3 operator+(const Vec3& v) const { return Vec3(x + v.x, y + v.y, z + v.z); }
    Vec3 operator-(const Vec3& v) const { return Vec3(x - v.x, y - v.y, z - v.z); }
    Vec3 operator-() const { return Vec3(-x, -y, -z); }
    Vec3 operator*(float s) const { return Vec3(x * s, y * s, z * s); }
    Vec3 operator/(float s) const { return Vec3(x / s, y / s, z / s); }
    Vec3& operator+=(const Vec3& v) { x += v.x; y += v.y; z += v.z; return *this; }
    Vec3& operator-=(const Vec3& v) { x -= v.x; y -= v.y; z -= v.z; return *this; }
    Vec3& operator*=(float s) { x *= s; y *= s; z *= s; return *this; }
    bool operator==(const Vec3& v) const { return x == v.x && y == v.y && z == v.z; }
    bool operator!=(const Vec3& v) const { return !(*this == v); }

    static const Vec3 ZERO;
    static const Vec3 ONE;
    static const Vec3 UNIT_X;
    static const Vec3 UNIT_Y;
    static const Vec3 UNIT_Z;
};

inline const Vec3 Vec3::ZERO{0.0f, 0.0f, 0.0f};
inline const Vec3 Vec3::ONE{1.0f, 1.0f, 1.0f};
inline const Vec3 Vec3::UNIT_X{1.0f, 0.0f, 0.0f};
inline const Vec3 Vec3::UNIT_Y{0.0f, 1.0f, 0.0f};
inline const Vec3 Vec3::UNIT_Z{0.0f, 0.0f, 1.0f};

}
