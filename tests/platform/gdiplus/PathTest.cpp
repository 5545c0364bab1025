// How figures become points: joins, closed figures, arcs, ellipses and cardinal splines.

#include "platform/gdiplus/PathData.h"

#include <gtest/gtest.h>

#include <cmath>

namespace plat::gdiplus {
namespace {

void ExpectPoint(QPointF actual, QPointF expected, const char* what)
{
    EXPECT_NEAR(actual.x(), expected.x(), 1e-4) << what;
    EXPECT_NEAR(actual.y(), expected.y(), 1e-4) << what;
}

TEST(PathDataTest, LinesJoinTheOpenFigureAndClosedFiguresStandAlone)
{
    PathData path;
    const QPointF first[] = {{0, 0}, {10, 0}};
    const QPointF second[] = {{20, 5}, {30, 5}};
    path.AddLines(first);
    path.AddLines(second);
    EXPECT_EQ(path.PointCount(), 4) << "the second line joins the first with a line";
    path.AddRectangle(QRectF(0, 0, 5, 5));
    EXPECT_EQ(path.PointCount(), 8);
    EXPECT_EQ(path.Types()[4], PathPointTypeStart);
    EXPECT_EQ(path.Types()[7], PathPointTypeLine | PathPointTypeCloseSubpath);
    path.AddRectangle(QRectF(0, 0, 0, 5));
    EXPECT_EQ(path.PointCount(), 8) << "an empty rectangle adds nothing";
}

TEST(PathDataTest, AnEllipseIsFourQuarterCurvesClockwiseFromThreeOClock)
{
    PathData path;
    path.AddEllipse(QRectF(0, 0, 40, 20));
    ASSERT_EQ(path.PointCount(), 13);
    ExpectPoint(path.Points()[0], {40, 10}, "start");
    ExpectPoint(path.Points()[3], {20, 20}, "quarter: bottom");
    ExpectPoint(path.Points()[6], {0, 10}, "half: left");
    ExpectPoint(path.Points()[9], {20, 0}, "three quarters: top");
    EXPECT_TRUE(path.SoleEllipse().has_value());
    path.AddLines(std::vector<QPointF>{{0, 0}, {1, 1}});
    EXPECT_FALSE(path.SoleEllipse().has_value());
}

TEST(PathDataTest, ArcAnglesNameThePointOnTheirRay)
{
    PathData path;
    path.AddArc(QRectF(0, 20, 60, 20), 45, 45);
    const QPointF start = path.Points().front();
    // The ray at 45 degrees from (30, 30) meets the ellipse where x - 30 = y - 30.
    EXPECT_NEAR(start.x() - 30, start.y() - 30, 1e-4);
    EXPECT_NEAR(std::pow((start.x() - 30) / 30, 2) + std::pow((start.y() - 30) / 10, 2), 1, 1e-6);
    ExpectPoint(path.Points().back(), {30, 40}, "90 degrees is straight down");

    PathData counter;
    counter.AddArc(QRectF(0, 0, 20, 20), 0, -90);
    ExpectPoint(counter.Points().back(), {10, 0}, "a negative sweep turns anticlockwise");
}

TEST(PathDataTest, CardinalSplineControlPointsFollowTheTension)
{
    PathData path;
    const QPointF points[] = {{0, 0}, {10, 10}, {20, 0}};
    path.AddCurve(points, 0.5);
    ASSERT_EQ(path.PointCount(), 7);
    const double t = 0.3 * 0.5;
    ExpectPoint(path.Points()[1], QPointF(0, 0) + t * QPointF(10, 10), "first control, the end standing in for its neighbour");
    ExpectPoint(path.Points()[2], QPointF(10, 10) - t * QPointF(20, 0), "second control");
    ExpectPoint(path.Points()[3], {10, 10}, "through the point");
    ExpectPoint(path.Points()[4], QPointF(10, 10) + t * QPointF(20, 0), "third control");
    ExpectPoint(path.Points()[5], QPointF(20, 0) - t * QPointF(10, -10), "last control");
}

TEST(PathDataTest, APieIsClosedFromTheCentre)
{
    PathData path;
    path.AddPie(QRectF(0, 0, 20, 20), 0, 90);
    ExpectPoint(path.Points().front(), {10, 10}, "centre");
    ExpectPoint(path.Points()[1], {20, 10}, "arc start");
    EXPECT_TRUE(path.Types().back() & PathPointTypeCloseSubpath);
    const QPainterPath drawn = path.ToPainterPath();
    EXPECT_TRUE(drawn.contains(QPointF(14, 14)));
    EXPECT_FALSE(drawn.contains(QPointF(6, 6)));
}

}  // namespace
}  // namespace plat::gdiplus
