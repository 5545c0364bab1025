// The glow routines: colour arithmetic, banded gradient, glow halves, outlines and arrows.

#include "foundation/TGPGraphics.h"
#include "pager/glow/GlowArrows.h"
#include "pager/glow/GlowColors.h"
#include "pager/glow/GlowGradient.h"
#include "pager/glow/GlowOutlines.h"
#include "pager/glow/PagerGlowVariants.h"
#include "tests/pager/glow/GlowFixture.h"

namespace skelda::pager {
namespace {

using plat::RGB;
using testing::ColorNear;

TEST(GlowColorsTest, ShadeAndMixFollowTheirRules)
{
    const struct {
        plat::TColor Actual;
        plat::TColor Expected;
    } cases[] = {
        {ShadeColor(RGB(0, 128, 255), 20), RGB(20, 128, 255)},
        {ShadeColor(RGB(100, 100, 100), -10), RGB(90, 90, 90)},
        {ShadeColor(RGB(0, 0, 0), -10), RGB(0, 0, 0)},
        {ShadeColor(plat::clWhite, -10), RGB(230, 230, 230)},
        // 225 × 0.9 = 202.5 goes to the even neighbour.
        {ShadeColorChannels(0xF5F0E1, -10, -10, 0), 0xF5D8CA},
        {MixColors(plat::clNone, plat::clRed, 100), plat::clNone},
        {MixColors(plat::clRed, plat::clNone, 0), plat::clNone},
        {MixColors(plat::clNone, plat::clRed, 50), plat::clRed},
        {MixColors(plat::clRed, plat::clNone, 50), plat::clRed},
        {MixColors(RGB(200, 0, 100), RGB(0, 200, 50), 25), RGB(50, 150, 62)},
        {PagerMixColors(RGB(200, 0, 100), RGB(0, 200, 50), 25), RGB(50, 150, 62)},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(cases[i].Actual, cases[i].Expected) << "case " << i;
}

class BandedGradientTest : public testing::GlowSurfaceTest {};

TEST_F(BandedGradientTest, BandsStepFromTheFirstColourAndOverlapByOnePixel)
{
    PaintBandedGradient(canvas, RGB(0, 0, 0), RGB(200, 100, 0), 4, plat::Rect(0, 0, 40, 10), true);
    for (int band = 0; band < 4; ++band)
        EXPECT_EQ(At(band * 10 + 5, 5), RGB(band * 50, band * 25, 0)) << "band " << band;
    EXPECT_EQ(At(40, 5), RGB(150, 75, 0)) << "the last band reaches one pixel past the rectangle";
    EXPECT_EQ(At(41, 5), plat::clWhite);

    PaintBandedGradient(canvas, plat::clRed, plat::clBlue, 0, plat::Rect(0, 20, 40, 30), false);
    EXPECT_EQ(plat::testing::CountPixels(image, plat::Rect(0, 20, 40, 30), plat::clRed), 400)
        << "a count of 0 is one band over the whole rectangle";

    PagerBandedGradient(canvas, plat::clGreen, plat::clGreen, 1, plat::Rect(50, 0, 60, 10), true);
    EXPECT_EQ(At(59, 5), plat::clGreen);
    EXPECT_EQ(At(60, 5), plat::clWhite) << "the pager's version stops one column short";
}

class GlowHalfTest : public testing::GlowSurfaceTest {
protected:
    GlowHalfTest() : GlowSurfaceTest(60, 40) {}
    foundation::TGPGraphics graphics{canvas.Handle()};
};

TEST_F(GlowHalfTest, RadialUpperHalfGlowsFromTheTopEdgeOverASolidFill)
{
    FillGlowHalf(graphics, plat::Rect(0, 0, 60, 20), plat::clBlue, plat::clYellow, ggRadial, true);
    EXPECT_EQ(At(0, 19), plat::clBlue) << "the corner outside the ellipse keeps the solid first fill";
    EXPECT_TRUE(ColorNear(At(30, 0), plat::clYellow, 40)) << "the centre point lies on the top edge";
    EXPECT_TRUE(ColorNear(At(1, 10), plat::clBlue, 60)) << "the ellipse's edge takes the surround colour";
}

TEST_F(GlowHalfTest, RadialLowerHalfGlowsFromTheBottomEdge)
{
    FillGlowHalf(graphics, plat::Rect(0, 20, 60, 40), plat::clYellow, plat::clBlue, ggRadial, false);
    EXPECT_EQ(At(0, 20), plat::clBlue) << "the lower half's solid fill is its second colour";
    EXPECT_TRUE(ColorNear(At(30, 39), plat::clYellow, 40));
}

TEST_F(GlowHalfTest, LinearHalvesRunTopToBottomAndClNoneTakesThePartner)
{
    FillGlowHalf(graphics, plat::Rect(0, 0, 60, 20), plat::clRed, plat::clBlue, ggVertical, true);
    EXPECT_TRUE(ColorNear(At(30, 0), plat::clRed, 20));
    EXPECT_TRUE(ColorNear(At(30, 19), plat::clBlue, 20));

    FillGlowHalf(graphics, plat::Rect(0, 20, 60, 40), plat::clNone, plat::clGreen, ggRadial, false);
    EXPECT_EQ(plat::testing::CountPixels(image, plat::Rect(0, 20, 60, 40), plat::clGreen), 60 * 20);
    FillGlowHalf(graphics, plat::Rect(0, 0, 60, 20), plat::clNone, plat::clNone, ggVertical, true);
    EXPECT_EQ(plat::testing::CountPixels(image, plat::Rect(0, 0, 60, 20), plat::clWhite), 60 * 20)
        << "both clNone fill white";
}

class OutlineTest : public testing::GlowSurfaceTest {
protected:
    OutlineTest() : GlowSurfaceTest(40, 30) {}
    foundation::TGPGraphics graphics{canvas.Handle()};
};

TEST_F(OutlineTest, SquareOutlineLiesOnTheEdgesThePainterPasses)
{
    OutlineRoundRect(graphics, plat::clBlack, 0, 0, 39, 29, 0);
    for (const plat::TPoint p : {plat::Point(0, 0), plat::Point(39, 0), plat::Point(0, 29), plat::Point(39, 29),
                                 plat::Point(20, 0), plat::Point(39, 15)})
        EXPECT_EQ(At(p.X, p.Y), plat::clBlack) << p.X << "," << p.Y;
    EXPECT_EQ(At(1, 1), plat::clWhite);
}

TEST_F(OutlineTest, RoundedCornersLeaveTheCornerPixel)
{
    OutlineRoundRect(graphics, plat::clBlack, 0, 0, 39, 29, 3);
    EXPECT_EQ(At(0, 0), plat::clWhite);
    EXPECT_EQ(At(20, 0), plat::clBlack);
    EXPECT_EQ(At(0, 15), plat::clBlack);
}

TEST_F(OutlineTest, DottedOutlineAlternates)
{
    OutlineRoundRectDotted(graphics, plat::clBlack, 0, 0, 39, 29, 0);
    int lit = 0;
    for (int x = 4; x < 24; ++x)
        lit += At(x, 0) == plat::clBlack;
    EXPECT_EQ(lit, 10);
}

TEST_F(OutlineTest, RowPiecesDrawSeparatorsAndInnerEdges)
{
    const plat::TColor c = RGB(100, 100, 100);
    OutlineLeftPiece(graphics, c, 0, 0, 12, 29, 0);
    EXPECT_EQ(At(0, 15), c);
    EXPECT_EQ(At(12, 15), RGB(95, 95, 95)) << "the separator is 5 percent darker";

    OutlineMiddlePiece(graphics, c, 13, 0, 12, 29, 3, false);
    EXPECT_EQ(At(13, 15), RGB(230, 230, 230)) << "a faint inner edge";
    EXPECT_EQ(At(13, 1), plat::clWhite) << "which stops two pixels short";
    EXPECT_EQ(At(20, 0), c);
    EXPECT_EQ(At(20, 29), c);

    OutlineRightPiece(graphics, c, 26, 0, 13, 29, 0, true);
    EXPECT_EQ(At(26, 1), RGB(95, 95, 95)) << "highlighted: the full inner edge";
    EXPECT_EQ(At(39, 15), c);
}

class ArrowTest : public testing::GlowSurfaceTest {
protected:
    ArrowTest() : GlowSurfaceTest(10, 10) { image.fill(QColor(128, 128, 128)); }

    // Each row: '#' arrow colour, 's' shadow, '.' untouched.
    void ExpectPixels(const std::vector<std::string>& Rows)
    {
        for (int y = 0; y < static_cast<int>(Rows.size()); ++y)
            for (int x = 0; x < static_cast<int>(Rows[y].size()); ++x) {
                const char c = Rows[y][x];
                const plat::TColor want = c == '#' ? plat::clBlack : c == 's' ? plat::clWhite : RGB(128, 128, 128);
                EXPECT_EQ(At(x, y), want) << x << "," << y;
            }
    }
};

TEST_F(ArrowTest, DownArrowPixelByPixel)
{
    PaintArrowPixels(canvas, plat::Point(1, 1), plat::clBlack, true, plat::clWhite);
    ExpectPixels({".......",
                  ".#####.",
                  ".s###s.",
                  "..s#s..",
                  "...s...",
                  "......."});
}

TEST_F(ArrowTest, RightArrowPixelByPixel)
{
    PaintArrowPixels(canvas, plat::Point(1, 1), plat::clBlack, false, plat::clWhite);
    ExpectPixels({".....",
                  ".#...",
                  ".##s.",
                  ".###s",
                  ".##..",
                  ".#s..",
                  "....."});
}

}  // namespace
}  // namespace skelda::pager
