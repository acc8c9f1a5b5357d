#include "math/Mat4.h"
#include <cmath>
#include <cstring>
#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtc/type_ptr.hpp>
#include <glm/mat4x4.hpp>

namespace cocos2d {

namespace {

const float kIdentity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

glm::mat4 toGlm(const Mat4& a)
{
    return glm::make_mat4(a.m);
}

Mat4 fromGlm(const glm::mat4& g)
{
    return Mat4(glm::value_ptr(g));
}

}

const Mat4 Mat4::IDENTITY;
const Mat4 Mat4::ZERO(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);

Mat4::Mat4()
{
    std::memcpy(m, kIdentity, sizeof(m));
}

// Arguments are given row by row, as the matrix is written on paper.
Mat4::Mat4(float m11, float m12, float m13, float m14, float m21, float m22, float m23, float m24,
           float m31, float m32, float m33, float m34, float m41, float m42, float m43, float m44)
{
    const float rows[16] = {m11, m12, m13, m14, m21, m22, m23, m24, m31, m32, m33, m34, m41, m42, m43, m44};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            m[c * 4 + r] = rows[r * 4 + c];
}

Mat4::Mat4(const float* columnMajor16)
{
    std::memcpy(m, columnMajor16, sizeof(m));
}

void Mat4::createTranslation(float x, float y, float z, Mat4* dst)
{
    dst->setIdentity();
    dst->m[12] = x;
    dst->m[13] = y;
    dst->m[14] = z;
}

void Mat4::createScale(float x, float y, float z, Mat4* dst)
{
    dst->setIdentity();
    dst->m[0] = x;
    dst->m[5] = y;
    dst->m[10] = z;
}

void Mat4::createRotationX(float angle, Mat4* dst)
{
    dst->setIdentity();
    const float c = std::cos(angle), s = std::sin(angle);
    dst->m[5] = c;
    dst->m[6] = s;
    dst->m[9] = -s;
    dst->m[10] = c;
}

void Mat4::createRotationY(float angle, Mat4* dst)
{
    dst->setIdentity();
    const float c = std::cos(angle), s = std::sin(angle);
    dst->m[0] = c;
    dst->m[2] = -s;
    dst->m[8] = s;
    dst->m[10] = c;
}

void Mat4::createRotationZ(float angle, Mat4* dst)
{
    dst->setIdentity();
    const float c = std::cos(angle), s = std::sin(angle);
    dst->m[0] = c;
    dst->m[1] = s;
    dst->m[4] = -s;
    dst->m[5] = c;
}

void Mat4::createPerspective(float fieldOfViewDegrees, float aspect, float zNear, float zFar, Mat4* dst)
{
    *dst = fromGlm(glm::perspective(glm::radians(fieldOfViewDegrees), aspect, zNear, zFar));
}

void Mat4::createOrthographicOffCenter(float left, float right, float bottom, float top, float zNear,
                                       float zFar, Mat4* dst)
{
    *dst = fromGlm(glm::ortho(left, right, bottom, top, zNear, zFar));
}

void Mat4::createLookAt(const Vec3& eye, const Vec3& target, const Vec3& up, Mat4* dst)
{
    *dst = fromGlm(glm::lookAt(glm::vec3(eye.x, eye.y, eye.z), glm::vec3(target.x, target.y, target.z),
                               glm::vec3(up.x, up.y, up.z)));
}

void Mat4::setIdentity()
{
    std::memcpy(m, kIdentity, sizeof(m));
}

bool Mat4::isIdentity() const
{
    return std::memcmp(m, kIdentity, sizeof(m)) == 0;
}

bool Mat4::inverse()
{
    const glm::mat4 g = toGlm(*this);
    if (std::fabs(glm::determinant(g)) < 1e-12f)
        return false;
    *this = fromGlm(glm::inverse(g));
    return true;
}

Mat4 Mat4::getInversed() const
{
    Mat4 r(*this);
    r.inverse();
    return r;
}

void Mat4::transpose()
{
    *this = fromGlm(glm::transpose(toGlm(*this)));
}

void Mat4::translate(float x, float y, float z)
{
    Mat4 t;
    createTranslation(x, y, z, &t);
    *this = *this * t;
}

void Mat4::scale(float x, float y, float z)
{
    Mat4 s;
    createScale(x, y, z, &s);
    *this = *this * s;
}

void Mat4::rotateX(float angle)
{
    Mat4 r;
    createRotationX(angle, &r);
    *this = *this * r;
}

void Mat4::rotateY(float angle)
{
    Mat4 r;
    createRotationY(angle, &r);
    *this = *this * r;
}

void Mat4::rotateZ(float angle)
{
    Mat4 r;
    createRotationZ(angle, &r);
    *this = *this * r;
}

void Mat4::transformPoint(Vec3* point) const
{
    transformVector(point->x, point->y, point->z, 1.0f, point);
}

Vec3 Mat4::transformPoint(const Vec3& point) const
{
    Vec3 r;
    transformVector(point.x, point.y, point.z, 1.0f, &r);
    return r;
}

void Mat4::transformVector(Vec3* vector) const
{
    transformVector(vector->x, vector->y, vector->z, 0.0f, vector);
}

void Mat4::transformVector(float x, float y, float z, float w, Vec3* dst) const
{
    const float rx = x * m[0] + y * m[4] + z * m[8] + w * m[12];
    const float ry = x * m[1] + y * m[5] + z * m[9] + w * m[13];
    const float rz = x * m[2] + y * m[6] + z * m[10] + w * m[14];
    dst->set(rx, ry, rz);
}

void Mat4::transformVector(Vec4* v) const
{
    const float x = v->x, y = v->y, z = v->z, w = v->w;
    v->x = x * m[0] + y * m[4] + z * m[8] + w * m[12];
    v->y = x * m[1] + y * m[5] + z * m[9] + w * m[13];
    v->z = x * m[2] + y * m[6] + z * m[10] + w * m[14];
    v->w = x * m[3] + y * m[7] + z * m[11] + w * m[15];
}

Mat4 Mat4::operator*(const Mat4& o) const
{
    Mat4 r;
    for (int c = 0; c < 4; ++c)
    {
        for (int row = 0; row < 4; ++row)
        {
            r.m[c * 4 + row] = m[0 * 4 + row] * o.m[c * 4 + 0] + m[1 * 4 + row] * o.m[c * 4 + 1] +
                               m[2 * 4 + row] * o.m[c * 4 + 2] + m[3 * 4 + row] * o.m[c * 4 + 3];
        }
    }
    return r;
}

bool Mat4::operator==(const Mat4& other) const
{
    return std::memcmp(m, other.m, sizeof(m)) == 0;
}

}
