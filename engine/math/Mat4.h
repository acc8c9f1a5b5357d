#pragma once
#include "math/Vec3.h"
#include "math/Vec4.h"

namespace cocos2d {

// 4x4 matrix, column-major like GL: m[12], m[13], m[14] hold the translation.
// Angles are radians.
class Mat4
{
public:
    float m[16];

    Mat4();
    Mat4(float m11, float m12, float m13, float m14, float m21, float m22, float m23, float m24,
         float m31, float m32, float m33, float m34, float m41, float m42, float m43, float m44);
    explicit Mat4(const float* columnMajor16);

    static void createTranslation(float x, float y, float z, Mat4* dst);
    static void createTranslation(const Vec3& t, Mat4* dst) { createTranslation(t.x, t.y, t.z, dst); }
    static void createScale(float x, float y, float z, Mat4* dst);
    static void createRotationX(float angle, Mat4* dst);
    static void createRotationY(float angle, Mat4* dst);
    static void createRotationZ(float angle, Mat4* dst);
    static void createPerspective(float fieldOfViewDegrees, float aspect, float zNear, float zFar, Mat4* dst);
    static void createOrthographicOffCenter(float left, float right, float bottom, float top, float zNear,
                                            float zFar, Mat4* dst);
    static void createLookAt(const Vec3& eye, const Vec3& target, const Vec3& up, Mat4* dst);

    void setIdentity();
    bool isIdentity() const;
    bool inverse();
    Mat4 getInversed() const;
    void transpose();
    void multiply(const Mat4& other) { *this = *this * other; }
    void translate(float x, float y, float z);
    void translate(const Vec3& t) { translate(t.x, t.y, t.z); }
    void scale(float x, float y, float z);
    void rotateX(float angle);
    void rotateY(float angle);
    void rotateZ(float angle);

    // Point: w = 1 (translation applies). Vector: w = 0.
    void transformPoint(Vec3* point) const;
    Vec3 transformPoint(const Vec3& point) const;
    void transformVector(Vec3* vector) const;
    void transformVector(float x, float y, float z, float w, Vec3* dst) const;
    void transformVector(Vec4* vector) const;

    Mat4 operator*(const Mat4& other) const;
    Mat4& operator*=(const Mat4& other) { *this = *this * other; return *this; }
    bool operator==(const Mat4& other) const;
    bool operator!=(const Mat4& other) const { return !(*this == other); }

    static const Mat4 IDENTITY;
    static const Mat4 ZERO;
};

}
