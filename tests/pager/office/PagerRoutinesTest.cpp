// The pager's drawing routines: oriented glow, standard face, tab shapes, captions and the small
// environment and appearance helpers.

#include "foundation/GPColors.h"
#include "foundation/TGPBrush.h"
#include "foundation/TGPFont.h"
#include "foundation/TGPGraphics.h"
#include "foundation/TGPGraphicsPath.h"
#include "pager/glow/TGlowButtonAppearance.h"
#include "pager/office/PagerEnvironment.h"
#include "pager/office/PagerGradient.h"
#include "pager/office/TabCaption.h"
#include "pager/office/TabShapes.h"
#include "platform/graphics/TFont.h"
#include "platform/testing/ScopedEnvironment.h"
#include "tests/pager/glow/GlowFixture.h"

#include <optional>
#include <tuple>

namespace skelda::pager {
namespace {

using plat::RGB;
using testing::ColorNear;

constexpr plat::TColor kOuter = RGB(255, 0, 0);
constexpr plat::TColor kOuterTo = RGB(200, 0, 0);
constexpr plat::TColor kInner = RGB(0, 0, 200);
constexpr plat::TColor kInnerTo = RGB(0, 0, 255);

TGlowFillColors FourColours(TGDIPGradient Gradient = ggVertical)
{
    return {kOuter, kOuterTo, kInner, kInnerTo, Gradient, Gradient};
}

// Remembers how it was asked to stand in for a tab's background.
class RecordingProgress : public ITabProgressPainter {
public:
    struct TCall {
        plat::TRect Rect;
        TTabPosition Orientation;
        bool Rotated;
    };
    bool Visible = true;
    mutable std::optional<TCall> Last;

    bool IsVisible() const override { return Visible; }
    void Draw(foundation::TGPGraphics&, const plat::TRect& Rect, TTabPosition Orientation, bool Rotated) const override
    {
        Last = TCall{Rect, Orientation, Rotated};
    }
};

class PagerFaceTest : public testing::GlowSurfaceTest {
protected:
    PagerFaceTest() : GlowSurfaceTest(40, 40) {}
};

TEST_F(PagerFaceTest, OuterEdgeCarriesColorAndInnerEdgeColorMirrorToForEveryPosition)
{
    const struct {
        TTabPosition Position;
        plat::TPoint Outer;
        plat::TPoint Inner;
    } cases[] = {
        {tpTop, {20, 1}, {20, 38}},
        {tpBottom, {20, 38}, {20, 1}},
        {tpLeft, {1, 20}, {38, 20}},
        {tpRight, {38, 20}, {1, 20}},
    };
    for (const auto& c : cases)
        for (const TGDIPGradient gradient : {ggVertical, ggRadial}) {
            image.fill(Qt::white);
            TPagerFaceRequest face;
            face.Rect = plat::Rect(0, 0, 40, 40);
            face.Colors = FourColours(gradient);
            face.Position = c.Position;
            PaintPagerGradient(canvas, face);
            const std::string at = "position " + std::to_string(c.Position) + " gradient " + std::to_string(gradient);
            EXPECT_TRUE(ColorNear(At(c.Outer.X, c.Outer.Y), gradient == ggRadial ? kOuterTo : kOuter, 30)) << at;
            EXPECT_TRUE(ColorNear(At(c.Inner.X, c.Inner.Y), kInnerTo, 30)) << at;
        }
}

TEST_F(PagerFaceTest, ClNoneToAndMirrorGiveOneFlatFillButTabBackgroundsPaintThemWhite)
{
    TPagerFaceRequest face;
    face.Rect = plat::Rect(0, 0, 40, 40);
    face.Colors = {kOuter, plat::clNone, plat::clNone, plat::clNone, ggRadial, ggDiagonalForward};
    PaintPagerGradient(canvas, face);
    EXPECT_EQ(plat::testing::CountPixels(image, plat::Rect(0, 0, 40, 40), kOuter), 40 * 40);

    TTabBackgroundRequest tab;
    tab.Rect = face.Rect;
    tab.Colors = face.Colors;
    PaintTabBackground(canvas, tab);
    EXPECT_EQ(At(20, 38), plat::clWhite) << "the inner half is clNone, painted as white";
}

TEST_F(PagerFaceTest, BorderlessTopFaceRunsItsLinearGlowIntoTheFirstColumn)
{
    TPagerFaceRequest face;
    face.Rect = plat::Rect(0, 0, 40, 40);
    face.Colors = {plat::clRed, plat::clBlack, kInner, kInnerTo, ggVertical, ggVertical};
    for (const auto& [position, gradient, flush] :
         {std::tuple{tpTop, ggVertical, true}, std::tuple{tpTop, ggRadial, false},
          std::tuple{tpBottom, ggVertical, false}}) {
        image.fill(Qt::white);
        face.Position = position;
        face.Colors.Gradient = gradient;
        PaintPagerGradient(canvas, face);
        const plat::TPoint probe = position == tpTop ? plat::Point(0, 18) : plat::Point(0, 21);
        EXPECT_EQ(plat::GetRValue(At(probe.X, probe.Y)) < 128, flush)
            << "position " << position << " gradient " << gradient;
    }
}

TEST_F(PagerFaceTest, VisibleProgressReplacesTheGlowWithItsOwnRectangle)
{
    RecordingProgress progress;
    TPagerFaceRequest face;
    face.Rect = plat::Rect(2, 3, 30, 20);
    face.Colors = FourColours();
    face.Progress = &progress;
    face.Position = tpLeft;
    face.Rotated = true;
    PaintPagerGradient(canvas, face);
    ASSERT_TRUE(progress.Last);
    EXPECT_EQ(progress.Last->Rect, plat::Rect(2, 3, 28, 20)) << "two pixels short of the right edge";
    EXPECT_EQ(progress.Last->Orientation, tpLeft);
    EXPECT_TRUE(progress.Last->Rotated);
    EXPECT_EQ(At(10, 10), plat::clWhite) << "no glow under the bar";

    TTabBackgroundRequest tab;
    tab.Rect = face.Rect;
    tab.Colors = FourColours();
    tab.Progress = &progress;
    tab.Position = tpRight;
    PaintTabBackground(canvas, tab);
    EXPECT_EQ(progress.Last->Rect, face.Rect);
    EXPECT_EQ(progress.Last->Orientation, tpTop) << "a side tab with unrotated text is filled as a top tab";

    progress.Visible = false;
    progress.Last.reset();
    PaintPagerGradient(canvas, face);
    EXPECT_FALSE(progress.Last);
    EXPECT_NE(At(10, 10), plat::clWhite);
}

TEST_F(PagerFaceTest, BorderAndFocusOutline)
{
    TPagerFaceRequest face;
    face.Rect = plat::Rect(0, 0, 40, 40);
    face.Colors = {plat::clWhite, plat::clNone, plat::clNone, plat::clNone, ggVertical, ggVertical};
    face.BorderColor = plat::clBlack;
    face.Focus = true;
    PaintPagerGradient(canvas, face);
    EXPECT_TRUE(ColorNear(At(20, 0), plat::clBlack, 40));
    EXPECT_TRUE(ColorNear(At(39, 20), plat::clBlack, 40));
    EXPECT_TRUE(ColorNear(At(20, 1), 0xE4AD89, 40)) << "the light focus frame just inside";

    image.fill(Qt::white);
    face.Focus = false;
    face.RoundEdges = true;
    PaintPagerGradient(canvas, face);
    EXPECT_EQ(At(0, 0), plat::clWhite) << "round edges leave the corner";
}

class TabShapeTest : public testing::GlowSurfaceTest {
protected:
    TabShapeTest() : GlowSurfaceTest(60, 60) {}

    void Fill(const foundation::TGPGraphicsPath& Path)
    {
        foundation::TGPGraphics graphics(canvas.Handle());
        const foundation::TGPSolidBrush black(foundation::ColorToARGB(plat::clBlack));
        graphics.FillPath(black, Path);
    }
};

TEST_F(TabShapeTest, ShapesFollowPositionRoundingAndRotation)
{
    const plat::TRect wide = plat::Rect(0, 0, 60, 30);
    const plat::TRect tall = plat::Rect(0, 0, 30, 60);
    const struct {
        plat::TRect Rect;
        TTabPosition Position;
        TVezTabShape Shape;
        int Rounding;
        bool Rotate;
        plat::TPoint Inside;
        plat::TPoint Outside;
    } cases[] = {
        // Rounding 0: square corners, ramps are straight slopes over a third of the depth.
        {wide, tpTop, tsRectangle, 0, false, {1, 1}, {59, 31}},
        {wide, tpTop, tsRectangle, 4, false, {30, 1}, {1, 1}},
        {wide, tpTop, tsLeftRamp, 0, false, {57, 2}, {3, 3}},
        {wide, tpTop, tsRightRamp, 0, false, {3, 3}, {57, 3}},
        {wide, tpTop, tsLeftRightRamp, 0, false, {30, 2}, {57, 3}},
        {wide, tpBottom, tsLeftRamp, 0, false, {3, 3}, {3, 27}},
        {wide, tpBottom, tsRectangle, 4, false, {30, 28}, {1, 28}},
        {tall, tpLeft, tsLeftRamp, 0, false, {3, 3}, {3, 48}},
        {tall, tpLeft, tsLeftRamp, 0, true, {3, 48}, {3, 57}},
        {tall, tpRight, tsRightRamp, 0, false, {27, 3}, {27, 45}},
        {tall, tpRight, tsRectangle, 4, false, {1, 1}, {28, 1}},
    };
    for (const auto& c : cases) {
        image.fill(Qt::white);
        const auto path = BuildTabShapePath(c.Rect, c.Shape, static_cast<std::uint8_t>(c.Rounding), c.Rotate,
                                            c.Position);
        Fill(*path);
        const std::string at = "position " + std::to_string(c.Position) + " shape " + std::to_string(c.Shape) +
                               " rounding " + std::to_string(c.Rounding);
        EXPECT_EQ(At(c.Inside.X, c.Inside.Y), plat::clBlack) << at;
        EXPECT_EQ(At(c.Outside.X, c.Outside.Y), plat::clWhite) << at;
    }
}

TEST_F(TabShapeTest, EdgePathHoldsItsCornerAtSixAndIsEmptyForOtherModes)
{
    const plat::TRect box = plat::Rect(0, 0, 40, 20);
    Fill(*BuildTabEdgePath(box, 0, 20, tpTop));
    EXPECT_EQ(At(1, 10), plat::clWhite) << "the box starts two columns in";
    EXPECT_EQ(At(3, 10), plat::clBlack);
    EXPECT_EQ(At(3, 1), plat::clWhite) << "a rounded corner";
    EXPECT_EQ(At(8, 1), plat::clBlack) << "of radius at most 6";

    for (const int mode : {1, 2, 4}) {
        image.fill(Qt::white);
        Fill(*BuildTabEdgePath(box, static_cast<std::uint8_t>(mode), 4, tpTop));
        EXPECT_EQ(plat::testing::CountPixels(image, plat::Rect(0, 0, 60, 60), plat::clWhite), 60 * 60)
            << "mode " << mode;
    }

    image.fill(Qt::white);
    Fill(*BuildTabEdgePath(box, 3, 4, tpTop));
    EXPECT_EQ(At(20, 10), plat::clBlack) << "mode 3 bows across the box";
}

class TabCaptionTest : public testing::GlowSurfaceTest {
protected:
    TabCaptionTest() : GlowSurfaceTest(80, 60) { font.SetName("Arial"); }

    std::string Truncate(const std::string& Caption, const plat::TRect& Rect, bool GdiPlus, bool Ellipsis = true,
                         TTabPosition Position = tpTop, bool WordWrap = false)
    {
        foundation::TGPGraphics graphics(canvas.Handle());
        const foundation::TGPFont gpFont("Arial", 10);
        const TCaptionSurface surface{GdiPlus, &graphics, &gpFont, &canvas, &measurer};
        return TruncateTabCaption(Caption, Rect, surface, Ellipsis, Position, WordWrap);
    }

    testing::FixedTextMeasurer measurer;
    plat::TFont font;
};

TEST_F(TabCaptionTest, TruncationKeepsWhatFitsWithRoomToSpare)
{
    // "abcdef" is 36 pixels; "ab..." 30.
    const struct {
        const char* Caption;
        plat::TRect Rect;
        bool GdiPlus;
        bool Ellipsis;
        TTabPosition Position;
        bool WordWrap;
        const char* Expected;
    } cases[] = {
        {"abcdef", plat::Rect(0, 0, 37, 20), false, true, tpTop, false, "abcdef"},
        {"abcdef", plat::Rect(0, 0, 36, 20), false, true, tpTop, false, "ab..."},
        {"abcdef", plat::Rect(0, 0, 39, 20), true, true, tpTop, false, "abcdef"},
        {"abcdef", plat::Rect(0, 0, 38, 20), true, true, tpTop, false, "ab..."},
        {"abcdef", plat::Rect(0, 0, 20, 20), false, false, tpTop, false, "abc"},
        {"abcdef", plat::Rect(0, 0, 10, 20), false, true, tpTop, false, "..."},
        {"abcdef", plat::Rect(0, 0, 10, 20), true, true, tpBottom, true, "abcdef"},
        {"abcdef", plat::Rect(0, 0, 10, 37), false, true, tpLeft, false, "abcdef"},
        {"abcdef", plat::Rect(0, 0, 37, 10), true, true, tpRight, false, "..."},
        // Never half a character: 7 of the 8 bytes would fit, but the last one is cut whole.
        {"\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4", plat::Rect(0, 0, 46, 20), false, false, tpTop, false,
         "\xC3\xA4\xC3\xA4\xC3\xA4"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Truncate(c.Caption, c.Rect, c.GdiPlus, c.Ellipsis, c.Position, c.WordWrap), c.Expected)
            << c.Caption << " in " << c.Rect.Width() << "x" << c.Rect.Height() << (c.GdiPlus ? " GDI+" : " GDI");
}

TEST_F(TabCaptionTest, MeasuringFillsTextRectOnly)
{
    TTabCaptionRequest q;
    q.Rect = plat::Rect(5, 5, 65, 25);
    q.Caption = "Tab";
    q.Font = &font;
    q.Draw = false;
    q.AntiAlias = foundation::aaNone;
    q.Measurer = &measurer;
    plat::TRect textRect = plat::Rect(1, 2, 3, 4);
    PaintTabCaption(canvas, q, textRect);
    EXPECT_EQ(textRect, plat::Rect(5, 5, 23, 18));
    EXPECT_EQ(plat::testing::CountPixels(image, plat::Rect(0, 0, 80, 60), plat::clWhite), 80 * 60);

    q.AntiAlias = foundation::aaAntiAlias;
    q.Alignment = caCentre;
    q.Rect = plat::Rect(0, 0, 60, 20);
    PaintTabCaption(canvas, q, textRect);
    EXPECT_EQ(textRect, plat::Rect(21, 4, 39, 16)) << "centred 18 x 13, halves rounded to even";

    q.Caption.clear();
    q.WideCaption = "Wide";
    PaintTabCaption(canvas, q, textRect);
    EXPECT_EQ(textRect.Width(), 24) << "the wide caption stands in for an empty one";

    q.WideCaption.clear();
    textRect = plat::Rect(1, 2, 3, 4);
    PaintTabCaption(canvas, q, textRect);
    EXPECT_EQ(textRect, plat::Rect(1, 2, 3, 4)) << "no text leaves TextRect as it was";
}

TEST_F(TabCaptionTest, DrawingWithEllipsisFitsTheCaptionFirst)
{
    TTabCaptionRequest q;
    // "Lon..." is 36 pixels: below the room of 38, but GDI+ wants two pixels more.
    q.Rect = plat::Rect(0, 0, 38, 20);
    q.Caption = "Longcaption";
    q.Font = &font;
    q.Ellipsis = true;
    q.Measurer = &measurer;
    for (const auto mode : {foundation::aaNone, foundation::aaClearType}) {
        q.AntiAlias = mode;
        plat::TRect textRect;
        PaintTabCaption(canvas, q, textRect);
        EXPECT_EQ(textRect.Width(), mode == foundation::aaNone ? 36 : 30) << "mode " << mode;
    }
    EXPECT_EQ(MeasureWideText(canvas, ""), 0);
    EXPECT_GT(MeasureWideText(canvas, "Tab"), 0);
}

TEST(PagerEnvironmentTest, CommonControlsSixReadsTheMajorVersionsLowByte)
{
    plat::testing::ScopedEnvironment env;
    const struct {
        int Major;
        bool Expected;
    } cases[] = {{5, false}, {6, true}, {0x105, false}, {0x106, true}};
    for (const auto& c : cases) {
        env.Platform().SetCommonControlsVersion({c.Major, 0, 0, 0});
        EXPECT_EQ(IsComCtl6(), c.Expected) << c.Major;
    }
}

TEST(ClearGlowAppearanceColorsTest, ClearsTheSeventeenColoursAndKeepsTheRest)
{
    ClearGlowAppearanceColors(nullptr);
    TGlowButtonAppearance a;
    a.SetColorChecked(plat::clRed);
    a.SetColorMirrorDisabled(plat::clRed);
    a.SetBorderColorChecked(plat::clRed);
    a.SetColor(plat::clRed);
    a.SetBorderColorHot(plat::clRed);
    ClearGlowAppearanceColors(&a);
    for (const plat::TColor cleared :
         {a.GetBorderColor(), a.GetBorderColorHot(), a.GetBorderColorDown(), a.GetColor(), a.GetColorTo(),
          a.GetColorDown(), a.GetColorDownTo(), a.GetColorHot(), a.GetColorHotTo(), a.GetColorMirror(),
          a.GetColorMirrorTo(), a.GetColorMirrorHot(), a.GetColorMirrorHotTo(), a.GetColorMirrorDown(),
          a.GetColorMirrorDownTo(), a.GetColorDisabled(), a.GetColorDisabledTo()})
        EXPECT_EQ(cleared, plat::clNone);
    EXPECT_EQ(a.GetColorChecked(), plat::clRed);
    EXPECT_EQ(a.GetColorMirrorDisabled(), plat::clRed);
    EXPECT_EQ(a.GetBorderColorChecked(), plat::clRed);
}

}  // namespace
}  // namespace skelda::pager
