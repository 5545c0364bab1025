// Where the stand-in puts its pixels: probes of figures, pens, gradients and clips.

#include "tests/platform/gdiplus/GdiplusFixture.h"

#include <functional>
#include <vector>

namespace plat::gdiplus {
namespace {

constexpr ARGB Black = 0xFF000000;
constexpr ARGB Red = 0xFFFF0000;
constexpr ARGB Blue = 0xFF0000FF;
constexpr QRgb White = 0xFFFFFFFF;
// Halfway between red and blue, each channel on its own.
constexpr QRgb RedBlueMiddle = 0xFF800080;

struct Probe {
    int X;
    int Y;
    QRgb Expected;
    int Tolerance;
};

struct FigureCase {
    const char* Name;
    bool Antialiased;
    std::function<void(GpGraphics*)> Draw;
    std::vector<Probe> Probes;
};

void FillRect(GpGraphics* g, ARGB color, REAL x, REAL y, REAL w, REAL h)
{
    const OwnedBrush brush = SolidBrushOf(color);
    ASSERT_EQ(GdipFillRectangle(g, brush.get(), x, y, w, h), Ok);
}

void FillWithLineGradient(GpGraphics* g, GpRectF gradientRect, LinearGradientMode mode, GpRectF area)
{
    GpBrush* brush = nullptr;
    ASSERT_EQ(GdipCreateLineBrushFromRect(&gradientRect, Red, Blue, mode, WrapModeTile, &brush), Ok);
    EXPECT_EQ(GdipFillRectangle(g, brush, area.X, area.Y, area.Width, area.Height), Ok);
    GdipDeleteBrush(brush);
}

// A path gradient from red at the centre point to blue at the path, used to fill area.
void FillWithPathGradient(GpGraphics* g, GpPath* boundary, GpPointF centre, const GpRectF& area)
{
    GpBrush* brush = nullptr;
    ASSERT_EQ(GdipCreatePathGradientFromPath(boundary, &brush), Ok);
    ARGB surround = Blue;
    std::int32_t count = 1;
    ASSERT_EQ(GdipSetPathGradientCenterColor(brush, Red), Ok);
    ASSERT_EQ(GdipSetPathGradientSurroundColorsWithCount(brush, &surround, &count), Ok);
    ASSERT_EQ(GdipSetPathGradientCenterPoint(brush, &centre), Ok);
    EXPECT_EQ(GdipFillRectangle(g, brush, area.X, area.Y, area.Width, area.Height), Ok);
    GdipDeleteBrush(brush);
}

void DashedLine(GpGraphics* g, DashStyle style, REAL width, REAL y)
{
    const OwnedPen pen = SolidPen(Black, width);
    ASSERT_EQ(GdipSetPenDashStyle(pen.get(), style), Ok);
    EXPECT_EQ(GdipDrawLine(g, pen.get(), 0, y, 60, y), Ok);
}

class FigurePixelTest : public GdiplusSurfaceTest, public ::testing::WithParamInterface<FigureCase> {};

TEST_P(FigurePixelTest, PixelsLieWhereThePlatformPutsThem)
{
    const FigureCase& c = GetParam();
    if (c.Antialiased)
        Antialias();
    c.Draw(graphics);
    for (const Probe& p : c.Probes)
        EXPECT_TRUE(Near(At(p.X, p.Y), p.Expected, p.Tolerance)) << "(" << p.X << ", " << p.Y << ")";
}

INSTANTIATE_TEST_SUITE_P(
    Figures, FigurePixelTest,
    ::testing::Values(
        // Pixel centres on whole coordinates: the edge pixels of (0, 0, 10, 10) are half covered.
        FigureCase{"AntialiasedFillHalfCoversItsEdges", true, [](GpGraphics* g) { FillRect(g, Black, 0, 0, 10, 10); },
                   {{0, 5, 0xFF808080, 12}, {5, 5, 0xFF000000, 0}, {9, 5, 0xFF000000, 0}, {10, 5, 0xFF808080, 12},
                    {5, 10, 0xFF808080, 12}, {11, 5, White, 0}, {10, 10, 0xFFC0C0C0, 16}}},
        FigureCase{"AliasedFillKeepsToItsPixels", false, [](GpGraphics* g) { FillRect(g, Black, 0, 0, 10, 10); },
                   {{0, 0, 0xFF000000, 0}, {9, 9, 0xFF000000, 0}, {10, 5, White, 0}, {5, 10, White, 0}}},
        FigureCase{"OnePixelLineAtAWholeYLightsOneRow", true,
                   [](GpGraphics* g) {
                       const OwnedPen pen = SolidPen(Black, 1);
                       ASSERT_EQ(GdipDrawLine(g, pen.get(), 0, 5, 40, 5), Ok);
                   },
                   {{20, 5, 0xFF000000, 0}, {20, 4, White, 0}, {20, 6, White, 0}}},
        FigureCase{"HorizontalGradientRunsLeftToRight", false,
                   [](GpGraphics* g) {
                       FillWithLineGradient(g, {0, 0, 40, 20}, LinearGradientModeHorizontal, {0, 0, 40, 20});
                   },
                   {{0, 10, 0xFFFF0000, 10}, {20, 0, RedBlueMiddle, 10}, {39, 10, 0xFF0000FF, 10}}},
        FigureCase{"VerticalGradientRunsTopToBottom", false,
                   [](GpGraphics* g) {
                       FillWithLineGradient(g, {0, 0, 40, 20}, LinearGradientModeVertical, {0, 0, 40, 20});
                   },
                   {{20, 0, 0xFFFF0000, 14}, {0, 10, RedBlueMiddle, 14}, {20, 19, 0xFF0000FF, 14}}},
        // The middle colour line of a diagonal gradient passes through the two other corners.
        FigureCase{"ForwardDiagonalGradientHasItsMiddleThroughTheOtherCorners", false,
                   [](GpGraphics* g) {
                       FillWithLineGradient(g, {0, 0, 40, 20}, LinearGradientModeForwardDiagonal, {0, 0, 40, 20});
                   },
                   {{0, 0, 0xFFFF0000, 10}, {39, 0, RedBlueMiddle, 14}, {0, 19, RedBlueMiddle, 14},
                    {39, 19, 0xFF0000FF, 10}}},
        FigureCase{"BackwardDiagonalGradientRunsFromTheTopRight", false,
                   [](GpGraphics* g) {
                       FillWithLineGradient(g, {0, 0, 40, 20}, LinearGradientModeBackwardDiagonal, {0, 0, 40, 20});
                   },
                   {{39, 0, 0xFFFF0000, 10}, {0, 0, RedBlueMiddle, 14}, {39, 19, RedBlueMiddle, 14},
                    {0, 19, 0xFF0000FF, 10}}},
        FigureCase{"GradientRepeatsBeyondItsRectangle", false,
                   [](GpGraphics* g) {
                       FillWithLineGradient(g, {0, 0, 20, 10}, LinearGradientModeHorizontal, {0, 0, 60, 10});
                   },
                   {{0, 5, 0xFFFF0000, 14}, {19, 5, 0xFF0000FF, 16}, {20, 5, 0xFFFF0000, 14}, {40, 5, 0xFFFF0000, 14},
                    {50, 5, RedBlueMiddle, 14}}},
        FigureCase{"EllipsePathGradientShadesFromItsCentreAndPaintsNothingOutside", true,
                   [](GpGraphics* g) {
                       const OwnedPath path = EmptyPath();
                       ASSERT_EQ(GdipAddPathEllipse(path.get(), 0, 0, 40, 40), Ok);
                       FillWithPathGradient(g, path.get(), {20, 20}, {0, 0, 64, 64});
                   },
                   {{20, 20, 0xFFFF0000, 12}, {20, 2, 0xFF1000F0, 40}, {2, 2, White, 0}, {50, 50, White, 0},
                    {30, 20, RedBlueMiddle, 20}}},
        FigureCase{"EllipsePathGradientTakesItsCentreAnywhere", true,
                   [](GpGraphics* g) {
                       const OwnedPath path = EmptyPath();
                       ASSERT_EQ(GdipAddPathEllipse(path.get(), 0, 0, 40, 40), Ok);
                       FillWithPathGradient(g, path.get(), {10, 20}, {0, 0, 64, 64});
                   },
                   {{10, 20, 0xFFFF0000, 16}, {15, 20, 0xFFD4002B, 20}, {37, 20, 0xFF1A00E6, 20}}},
        FigureCase{"PolygonPathGradientShadesEachEdgeAndPaintsNothingOutside", true,
                   [](GpGraphics* g) {
                       const OwnedPath path = EmptyPath();
                       ASSERT_EQ(GdipAddPathRectangle(path.get(), 10, 10, 40, 40), Ok);
                       FillWithPathGradient(g, path.get(), {30, 30}, {0, 0, 64, 64});
                   },
                   {{30, 30, 0xFFFF0000, 12}, {30, 20, RedBlueMiddle, 14}, {40, 40, RedBlueMiddle, 14},
                    {30, 11, 0xFF0000FF, 30}, {5, 30, White, 0}, {55, 55, White, 0}}},
        FigureCase{"DashIsThreeOnOneOff", false, [](GpGraphics* g) { DashedLine(g, DashStyleDash, 1, 5); },
                   {{0, 5, 0xFF000000, 0}, {2, 5, 0xFF000000, 0}, {3, 5, White, 0}, {4, 5, 0xFF000000, 0},
                    {7, 5, White, 0}}},
        FigureCase{"DotIsOneOnOneOff", false, [](GpGraphics* g) { DashedLine(g, DashStyleDot, 1, 5); },
                   {{0, 5, 0xFF000000, 0}, {1, 5, White, 0}, {2, 5, 0xFF000000, 0}, {3, 5, White, 0}}},
        FigureCase{"DashDotIsThreeOneOneOne", false, [](GpGraphics* g) { DashedLine(g, DashStyleDashDot, 1, 5); },
                   {{2, 5, 0xFF000000, 0}, {3, 5, White, 0}, {4, 5, 0xFF000000, 0}, {5, 5, White, 0},
                    {6, 5, 0xFF000000, 0}}},
        FigureCase{"DashLengthsCountInPenWidths", false, [](GpGraphics* g) { DashedLine(g, DashStyleDash, 2, 6); },
                   {{5, 6, 0xFF000000, 0}, {6, 6, White, 0}, {7, 6, White, 0}, {8, 6, 0xFF000000, 0}}},
        FigureCase{"ExcludedClipKeepsItsPixels", true,
                   [](GpGraphics* g) {
                       ASSERT_EQ(GdipSetClipRect(g, 10, 10, 10, 10, CombineModeExclude), Ok);
                       FillRect(g, Black, 0, 0, 40, 40);
                   },
                   {{15, 15, White, 0}, {10, 10, White, 0}, {19, 19, White, 0}, {5, 5, 0xFF000000, 0},
                    {25, 25, 0xFF000000, 0}, {20, 15, 0xFF000000, 0}}},
        FigureCase{"ClockwiseArcFromThreeOClockDown", true,
                   [](GpGraphics* g) {
                       const OwnedPen pen = SolidPen(Black, 2);
                       ASSERT_EQ(GdipDrawArc(g, pen.get(), 10, 10, 40, 40, 0, 90), Ok);
                   },
                   {{44, 44, 0xFF000000, 90}, {50, 25, White, 0}, {25, 50, White, 0}, {30, 10, White, 0},
                    {10, 30, White, 0}}},
        // On an ellipse that is no circle, 45 degrees names the point on the diagonal ray.
        FigureCase{"ArcAnglesAreGeometricOnFlatEllipses", true,
                   [](GpGraphics* g) {
                       const OwnedPen pen = SolidPen(Black, 3);
                       ASSERT_EQ(GdipDrawArc(g, pen.get(), 0, 20, 60, 20, 40, 10), Ok);
                   },
                   {{39, 39, 0xFF000000, 90}, {51, 37, White, 0}}}),
    [](const ::testing::TestParamInfo<FigureCase>& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace plat::gdiplus
