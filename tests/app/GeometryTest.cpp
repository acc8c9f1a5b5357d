#include "app/Geometry.h"
#include "app/Line.h"

#include <gtest/gtest.h>

#include <cstdlib>

USING_NS_CC;

TEST(Geometry, AnglesAreDegreesClockwiseFromUp)
{
    const Vec2 origin(0, 0);
    EXPECT_FLOAT_EQ(angleBetween(origin, Vec2(0, 10)), 0.0f);
    EXPECT_FLOAT_EQ(angleBetween(origin, Vec2(10, 0)), 90.0f);
    EXPECT_FLOAT_EQ(angleBetween(origin, Vec2(0, -10)), 180.0f);
    EXPECT_FLOAT_EQ(angleBetween(origin, Vec2(-10, 0)), 270.0f);
    EXPECT_FLOAT_EQ(angleBetween(origin, origin), 270.0f);

    const Vec2 right = vectorFromAngle(90.0f, 5.0f);
    EXPECT_NEAR(right.x, 5.0f, 1e-5f);
    EXPECT_NEAR(right.y, 0.0f, 1e-5f);
    EXPECT_EQ(vectorFromAngle(0.0f, 5.0f), Vec2(0.0f, 5.0f));
    const Vec2 p = pointAtAngle(Vec2(10, 10), 2.0f, 180.0f);
    EXPECT_NEAR(p.x, 10.0f, 1e-5f);
    EXPECT_NEAR(p.y, 8.0f, 1e-5f);
}

TEST(Geometry, FastDistanceIsCloseAndExactForEqualPoints)
{
    EXPECT_NEAR(fastDistance(Vec2(0, 0), Vec2(3, 4)), 5.0f, 5.0f * 0.002f);
    EXPECT_NEAR(fastDistance(Vec2(100, -50), Vec2(-200, 350)), 500.0f, 500.0f * 0.002f);
    EXPECT_EQ(fastDistance(Vec2(7, 7), Vec2(7, 7)), 0.0f);
}

TEST(Geometry, SameCellTruncatesTowardZero)
{
    EXPECT_TRUE(sameCell(Vec2(2.9f, 3.1f), Vec2(2.1f, 3.9f)));
    EXPECT_TRUE(sameCell(Vec2(-0.5f, 0), Vec2(0.5f, 0)));
    EXPECT_FALSE(sameCell(Vec2(1, 1), Vec2(1, 2)));
}

TEST(Geometry, RandomPointsStayWithinTheRadius)
{
    std::srand(5);
    EXPECT_EQ(randomPointAround(Vec2(40, 40), 0.5f), Vec2(40, 40));
    EXPECT_EQ(randomPointAround(Vec2(40, 40), -3.0f), Vec2(40, 40));
    for (int i = 0; i < 200; ++i)
        EXPECT_LT(Vec2(40, 40).distance(randomPointAround(Vec2(40, 40), 10.0f)), 9.0f + 1e-3f);
}

TEST(Geometry, ClosestPointOnSegment)
{
    const Vec2 a(0, 0);
    const Vec2 b(10, 0);
    EXPECT_EQ(closestPointOnSegment(a, b, Vec2(20, 5)), b);
    EXPECT_EQ(closestPointOnSegment(a, b, Vec2(-3, 5)), a);
    EXPECT_EQ(closestPointOnSegment(a, b, Vec2(4, 5)), Vec2(4, 0));
    // A segment of no length is the single point.
    EXPECT_EQ(closestPointOnSegment(a, a, Vec2(4, 5)), a);
    EXPECT_FALSE(segmentIntersectsCircle(a, a, Vec2(4, 5), 2.0f));
    EXPECT_TRUE(segmentIntersectsCircle(a, a, Vec2(1, 0), 2.0f));
}

TEST(Geometry, CircleAgainstSegment)
{
    const Line wall(Vec2(0, 0), Vec2(10, 0));
    EXPECT_TRUE(circleIntersectsSegment(wall, Vec2(5, 3), 4.0f));
    EXPECT_FALSE(circleIntersectsSegment(wall, Vec2(5, 3), 2.9f));
    EXPECT_FALSE(circleIntersectsSegment(wall, Vec2(5, 3), 3.0f * 0.99f));
}

TEST(LineIntersects, CrossingAlignedAndApartSegments)
{
    EXPECT_TRUE(Line(Vec2(0, 0), Vec2(10, 10)).intersects(Line(Vec2(0, 10), Vec2(10, 0))));
    EXPECT_TRUE(Line(Vec2(0, 0), Vec2(10, 0)).intersects(Line(Vec2(5, 0), Vec2(15, 0))));
    EXPECT_FALSE(Line(Vec2(0, 0), Vec2(10, 0)).intersects(Line(Vec2(11, 0), Vec2(15, 0))));
    EXPECT_FALSE(Line(Vec2(0, 0), Vec2(10, 0)).intersects(Line(Vec2(0, 5), Vec2(10, 5))));
    // Touching at an end point counts.
    EXPECT_TRUE(Line(Vec2(0, 0), Vec2(10, 0)).intersects(Line(Vec2(10, 0), Vec2(10, 10))));
}

TEST(RotatedRect, SegmentAndCircleTestTheEdgesOnly)
{
    const Rect box(0, 0, 20, 10);
    EXPECT_TRUE(segmentIntersectsSegmentRect(Line(Vec2(10, -5), Vec2(10, 5)), box, 0.0f));
    EXPECT_FALSE(segmentIntersectsSegmentRect(Line(Vec2(5, 5), Vec2(15, 5)), box, 0.0f));
    // Turned a quarter, the box spans y -5..15 at x = 10 and x 5..15.
    EXPECT_FALSE(segmentIntersectsSegmentRect(Line(Vec2(-2, 12), Vec2(3, 12)), box, 0.0f));
    EXPECT_TRUE(segmentIntersectsSegmentRect(Line(Vec2(10, 12), Vec2(10, 20)), box, 90.0f));

    EXPECT_TRUE(circleIntersectsRotatedRect(Vec2(25, 5), box, 6.0f, 0.0f));
    EXPECT_FALSE(circleIntersectsRotatedRect(Vec2(25, 5), box, 4.0f, 0.0f));
    EXPECT_FALSE(circleIntersectsRotatedRect(Vec2(10, 5), box, 2.0f, 0.0f));
    EXPECT_FALSE(circleIntersectsRotatedRect(Vec2(20, 5), box, 2.0f, 90.0f));
}

TEST(RotatedRect, OverlapOfTurnedRectangles)
{
    const Rect a(0, 0, 10, 10);
    const Rect apart(20, 0, 10, 10);
    for (float heading : {0.0f, 30.0f, 45.0f, 90.0f, 135.0f, 200.0f, 315.0f})
    {
        EXPECT_TRUE(rotatedRectsIntersect(a, a, heading, 0.0f)) << heading;
        EXPECT_TRUE(rotatedRectsIntersect(a, a, 0.0f, heading)) << heading;
        EXPECT_TRUE(rotatedRectsIntersect(a, a, heading, heading + 17.0f)) << heading;
        EXPECT_FALSE(rotatedRectsIntersect(a, apart, heading, 0.0f)) << heading;
        EXPECT_FALSE(rotatedRectsIntersect(a, apart, heading, heading)) << heading;
    }
    // A long bar turned counter-clockwise by a positive angle (as the segment
    // test turns its rectangle) reaches a box above its right end.
    const Rect bar(0, -1, 30, 2);
    const Rect boxUp(24, 5, 4, 4);
    EXPECT_FALSE(rotatedRectsIntersect(bar, boxUp, 0.0f, 0.0f));
    EXPECT_TRUE(rotatedRectsIntersect(bar, boxUp, 30.0f, 0.0f));
    EXPECT_FALSE(rotatedRectsIntersect(bar, boxUp, -30.0f, 0.0f));
    EXPECT_TRUE(rotatedRectsIntersect(boxUp, bar, 0.0f, 30.0f));
}
