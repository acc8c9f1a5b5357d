#include "cocos2d.h"
#include <cmath>
#include <gtest/gtest.h>

USING_NS_CC;

TEST(MathTest, Vec2ArithmeticLengthDistanceAndDot)
{
    const Vec2 a(3.0f, 4.0f);
    const Vec2 b(-1.0f, 2.0f);
    EXPECT_EQ(a + b, Vec2(2.0f, 6.0f));
    EXPECT_EQ(a - b, Vec2(4.0f, 2.0f));
    EXPECT_EQ(a * 2.0f, Vec2(6.0f, 8.0f));
    EXPECT_EQ(2.0f * a, Vec2(6.0f, 8.0f));
    EXPECT_EQ(a / 2.0f, Vec2(1.5f, 2.0f));
    EXPECT_EQ(-a, Vec2(-3.0f, -4.0f));
    EXPECT_EQ(a.length(), 5.0f);
    EXPECT_EQ(a.lengthSquared(), 25.0f);
    EXPECT_EQ(a.distance(Vec2::ZERO), 5.0f);
    EXPECT_EQ(a.dot(b), 5.0f);
    EXPECT_EQ(a.cross(b), 10.0f);
    EXPECT_NEAR(a.getNormalized().length(), 1.0f, 1e-6f);
    Vec2 zero;
    zero.normalize(); // no division by zero
    EXPECT_EQ(zero, Vec2::ZERO);
}

TEST(MathTest, RotateByAngleTurnsCounterClockwiseAroundThePivot)
{
    const Vec2 p = Vec2(2.0f, 1.0f).rotateByAngle(Vec2(1.0f, 1.0f), static_cast<float>(M_PI_2));
    EXPECT_NEAR(p.x, 1.0f, 1e-6f);
    EXPECT_NEAR(p.y, 2.0f, 1e-6f);
    EXPECT_NEAR(Vec2(0.0f, 1.0f).getAngle(), static_cast<float>(M_PI_2), 1e-6f);
    EXPECT_NEAR(Vec2(1.0f, 0.0f).getAngle(Vec2(0.0f, 1.0f)), static_cast<float>(M_PI_2), 1e-6f);
}

TEST(MathTest, RectContainsItsEdgesAndIntersects)
{
    const Rect r(10.0f, 20.0f, 30.0f, 40.0f);
    EXPECT_TRUE(r.containsPoint(Vec2(10.0f, 20.0f)));
    EXPECT_TRUE(r.containsPoint(Vec2(40.0f, 60.0f)));
    EXPECT_FALSE(r.containsPoint(Vec2(40.1f, 60.0f)));
    EXPECT_EQ(r.getMidX(), 25.0f);
    EXPECT_EQ(r.getMaxY(), 60.0f);
    EXPECT_TRUE(r.intersectsRect(Rect(40.0f, 60.0f, 5.0f, 5.0f)));
    EXPECT_FALSE(r.intersectsRect(Rect(41.0f, 0.0f, 5.0f, 5.0f)));
    EXPECT_EQ(r.unionWithRect(Rect(0.0f, 0.0f, 1.0f, 1.0f)), Rect(0.0f, 0.0f, 40.0f, 60.0f));
}

TEST(MathTest, Mat4ComposesInverseAndTransformsPoints)
{
    Mat4 t;
    Mat4::createTranslation(5.0f, -2.0f, 1.0f, &t);
    Mat4 s;
    Mat4::createScale(2.0f, 3.0f, 4.0f, &s);
    const Mat4 m = t * s; // scale first, then move
    const Vec3 p = m.transformPoint(Vec3(1.0f, 1.0f, 1.0f));
    EXPECT_EQ(p, Vec3(7.0f, 1.0f, 5.0f));
    const Vec3 back = m.getInversed().transformPoint(p);
    EXPECT_NEAR(back.x, 1.0f, 1e-5f);
    EXPECT_NEAR(back.y, 1.0f, 1e-5f);
    EXPECT_NEAR(back.z, 1.0f, 1e-5f);
    Vec3 v(1.0f, 0.0f, 0.0f);
    m.transformVector(&v); // vectors ignore the translation
    EXPECT_EQ(v, Vec3(2.0f, 0.0f, 0.0f));
    EXPECT_TRUE(Mat4::IDENTITY.isIdentity());
    Mat4 singular = Mat4::ZERO;
    EXPECT_FALSE(singular.inverse());
}

TEST(MathTest, ColoursConvertBetweenBytesAndFloats)
{
    EXPECT_EQ(Color3B(Color4B(1, 2, 3, 4)), Color3B(1, 2, 3));
    EXPECT_EQ(Color4B(Color4F(1.0f, 0.5f, 0.0f, 1.0f)), Color4B(255, 128, 0, 255));
    const Color4F f(Color3B::WHITE);
    EXPECT_EQ(f, Color4F::WHITE);
    EXPECT_EQ(Color4B(Color3B::RED, 7).a, 7);
}

TEST(MathTest, VectorHoldsOneReferenceToEachElement)
{
    auto* node = new Node();
    {
        Vector<Node*> list;
        list.pushBack(node);
        EXPECT_EQ(node->getReferenceCount(), 2u);
        Vector<Node*> copy(list);
        EXPECT_EQ(node->getReferenceCount(), 3u);
        copy.eraseObject(node);
        EXPECT_EQ(node->getReferenceCount(), 2u);
        EXPECT_EQ(list.getIndex(node), 0);
    }
    EXPECT_EQ(node->getReferenceCount(), 1u);
    node->release();
}
