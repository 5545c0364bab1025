// Painting a pager's tabs: bodies by state and position, corner pixels, decorations, the check
// box, the insert button, the progress bar and the strip's background.

#include "pager/glow/PagerGlowVariants.h"
#include "pager/office/InsertButton.h"
#include "pager/office/TTabAppearance.h"
#include "pager/office/TTabProgress.h"
#include "pager/office/TabPainting.h"
#include "pager/office/TabProgressBar.h"
#include "pager/office/TabStrip.h"
#include "foundation/TGPGraphics.h"
#include "platform/testing/ScopedEnvironment.h"
#include "platform/testing/TRecordingCanvas.h"
#include "tests/pager/glow/GlowFixture.h"

namespace skelda::pager {
namespace {

using plat::RGB;
using testing::ColorNear;

constexpr plat::TColor kStrip = RGB(20, 160, 20);
constexpr plat::TColor kNormal = RGB(200, 200, 250);
constexpr plat::TColor kHot = RGB(250, 220, 120);
constexpr plat::TColor kSelected = RGB(255, 255, 255);
constexpr plat::TColor kDisabled = RGB(150, 150, 150);
constexpr plat::TColor kBorder = RGB(40, 40, 90);

// One colour per state for all four fill colours, so that both looks fill evenly.
void UniformGroups(TTabAppearance& A)
{
    A.SetColor(kNormal), A.SetColorTo(kNormal), A.SetColorMirror(kNormal), A.SetColorMirrorTo(kNormal);
    A.SetColorHot(kHot), A.SetColorHotTo(kHot), A.SetColorMirrorHot(kHot), A.SetColorMirrorHotTo(kHot);
    A.SetColorSelected(kSelected), A.SetColorSelectedTo(kSelected), A.SetColorMirrorSelected(kSelected),
        A.SetColorMirrorSelectedTo(kSelected);
    A.SetColorDisabled(kDisabled), A.SetColorDisabledTo(kDisabled), A.SetColorMirrorDisabled(kDisabled),
        A.SetColorMirrorDisabledTo(kDisabled);
    for (const auto set : {&TTabAppearance::SetBorderColor, &TTabAppearance::SetBorderColorHot,
                           &TTabAppearance::SetBorderColorSelected, &TTabAppearance::SetBorderColorDisabled,
                           &TTabAppearance::SetBorderColorSelectedHot})
        (A.*set)(kBorder);
    A.BackGround().SetColor(kStrip);
    A.BackGround().SetColorTo(kStrip);
}

class TabPaintingTest : public testing::GlowSurfaceTest {
protected:
    TabPaintingTest() : GlowSurfaceTest(120, 90)
    {
        image.fill(QColor(20, 160, 20));
        UniformGroups(appearance);
    }

    TDrawTabRequest Request(const plat::TRect& Rect, TTabPosition Position, bool Rotated = true)
    {
        TDrawTabRequest q;
        q.Rect = Rect;
        q.Appearance = &appearance;
        q.Position = Position;
        q.RotateTabLeftRight = Rotated;
        q.AntiAlias = foundation::aaNone;
        return q;
    }

    TTabAppearance appearance;
    plat::testing::ScopedEnvironment env;
};

TEST_F(TabPaintingTest, BodyTakesItsStatesColourInEveryPositionAndLook)
{
    const struct {
        const char* Name;
        TTabPosition Position;
        bool Rotated;
        plat::TRect Rect;
    } positions[] = {
        {"top", tpTop, true, plat::Rect(10, 10, 80, 40)},
        {"bottom", tpBottom, true, plat::Rect(10, 10, 80, 40)},
        {"left rotated", tpLeft, true, plat::Rect(10, 5, 42, 80)},
        {"left unrotated", tpLeft, false, plat::Rect(10, 5, 80, 35)},
        {"right rotated", tpRight, true, plat::Rect(10, 5, 42, 80)},
        {"right unrotated", tpRight, false, plat::Rect(10, 5, 80, 35)},
    };
    const struct {
        const char* Name;
        TTabStateInputs State;
        plat::TColor Body;
    } states[] = {
        {"normal", {.ShowNonSelectedTabs = true}, kNormal},
        {"hot", {.Hot = true}, kHot},
        {"selected", {.Active = true}, kSelected},
        {"disabled", {.TabEnabled = false, .ShowNonSelectedTabs = true}, kDisabled},
        {"bare", {}, kStrip},
    };
    for (const auto& p : positions)
        for (const int rounding : {1, 3})
            for (const auto& s : states) {
                image.fill(QColor(20, 160, 20));
                TDrawTabRequest q = Request(p.Rect, p.Position, p.Rotated);
                q.State = s.State;
                q.Rounding = rounding;
                q.Shape = tsLeftRightRamp;
                const auto text = DrawTab(canvas, q);
                ASSERT_TRUE(text);
                const int cx = (p.Rect.Left + p.Rect.Right) / 2, cy = (p.Rect.Top + p.Rect.Bottom) / 2;
                EXPECT_TRUE(ColorNear(At(cx, cy), s.Body, 2))
                    << p.Name << " rounding " << rounding << " " << s.Name;
            }
}

TEST_F(TabPaintingTest, NothingForAScrolledOutTabOrNoHeight)
{
    TDrawTabRequest q = Request(plat::Rect(-60, 10, -5, 40), tpTop);
    q.State.Active = true;
    EXPECT_FALSE(DrawTab(canvas, q));
    q.Rect = plat::Rect(10, 10, 80, 40);
    q.TabHeight = 0;
    EXPECT_FALSE(DrawTab(canvas, q));
    EXPECT_EQ(At(40, 25), kStrip);
    q.TabHeight = 26;
    EXPECT_EQ(DrawTab(canvas, q), appearance.GetTextColorSelected());
}

TEST_F(TabPaintingTest, RoundEdgesGiveTheCornerPixelsBack)
{
    const struct {
        TTabPosition Position;
        plat::TRect Rect;
        std::vector<plat::TPoint> Strip;
    } cases[] = {
        {tpTop, plat::Rect(10, 10, 80, 40), {{10, 10}, {11, 10}, {10, 11}, {79, 10}, {78, 10}, {79, 11}}},
        {tpBottom, plat::Rect(10, 10, 80, 40), {{10, 38}, {11, 39}, {10, 39}, {79, 39}, {78, 39}, {79, 38}}},
        {tpLeft, plat::Rect(10, 5, 42, 80), {{10, 5}, {11, 5}, {10, 6}, {10, 79}, {11, 79}, {10, 78}}},
        {tpRight, plat::Rect(10, 5, 42, 80), {{42, 5}, {41, 5}, {42, 6}, {42, 79}, {41, 79}, {42, 78}}},
    };
    for (const auto& c : cases) {
        image.fill(QColor(20, 160, 20));
        TDrawTabRequest q = Request(c.Rect, c.Position);
        q.State.Active = true;
        q.RoundEdges = true;
        DrawTab(canvas, q);
        for (const plat::TPoint& p : c.Strip)
            EXPECT_EQ(At(p.X, p.Y), kStrip) << c.Position << " at " << p.X << "," << p.Y;
        EXPECT_TRUE(ColorNear(At(c.Rect.Left + 4, c.Rect.Top + 4), kSelected, 2)) << c.Position;
    }
}

TEST_F(TabPaintingTest, CornerBeyondTheCanvasGivesNothingBack)
{
    TDrawTabRequest q = Request(plat::Rect(60, 10, 121, 40), tpTop);
    q.State.Active = true;
    q.RoundEdges = true;
    DrawTab(canvas, q);
    // The corner's colour would be read at (120, 10), outside: nothing is written for it.
    EXPECT_NE(At(119, 10), plat::clBlack);
    EXPECT_NE(At(119, 10), kStrip);
}

TEST_F(TabPaintingTest, DecorationsOfTheStandardLook)
{
    appearance.SetShadowColor(RGB(90, 0, 0));
    appearance.SetHighLightColor(RGB(0, 0, 240));
    const plat::TColor light = PagerMixColors(plat::clWhite, kNormal, 50);
    const plat::TColor firstHighlight = PagerMixColors(kNormal, kBorder, 80);
    const plat::TColor shadowFade = PagerMixColors(RGB(90, 0, 0), kStrip, 40);
    const struct {
        TTabPosition Position;
        bool Rotated;
        plat::TRect Rect;
        plat::TPoint Light, FirstHighlight, SideHighlight, Shadow, ShadowFade;
    } cases[] = {
        {tpTop, true, plat::Rect(10, 10, 80, 40), {30, 13}, {30, 11}, {11, 20}, {80, 20}, {81, 20}},
        {tpBottom, true, plat::Rect(10, 10, 80, 40), {30, 37}, {30, 38}, {78, 30}, {80, 20}, {81, 20}},
        {tpLeft, true, plat::Rect(10, 10, 42, 80), {13, 40}, {11, 40}, {20, 11}, {20, 9}, {20, 8}},
        {tpLeft, false, plat::Rect(10, 10, 80, 40), {30, 13}, {11, 30}, {30, 11}, {30, 40}, {30, 41}},
        {tpRight, true, plat::Rect(10, 10, 42, 80), {39, 40}, {40, 40}, {20, 11}, {20, 80}, {20, 81}},
    };
    for (const auto& c : cases) {
        image.fill(QColor(20, 160, 20));
        TDrawTabRequest q = Request(c.Rect, c.Position, c.Rotated);
        q.State.ShowNonSelectedTabs = true;
        q.Show3D = true;
        q.Shadow = true;
        DrawTab(canvas, q);
        const std::string where = std::to_string(c.Position) + (c.Rotated ? " rotated" : "");
        EXPECT_EQ(At(c.Light.X, c.Light.Y), light) << where;
        EXPECT_EQ(At(c.FirstHighlight.X, c.FirstHighlight.Y), firstHighlight) << where;
        EXPECT_EQ(At(c.SideHighlight.X, c.SideHighlight.Y), RGB(0, 0, 240)) << where;
        EXPECT_EQ(At(c.Shadow.X, c.Shadow.Y), RGB(90, 0, 0)) << where;
        EXPECT_EQ(At(c.ShadowFade.X, c.ShadowFade.Y), shadowFade) << where;
    }

    // On glass there is no shadow; under a visible progress no light line.
    TTabProgress progress;
    progress.SetVisible(true);
    const TTabProgressPainter painter(progress);
    image.fill(QColor(20, 160, 20));
    TDrawTabRequest q = Request(plat::Rect(10, 10, 80, 40), tpTop);
    q.State.Active = true;
    q.Show3D = q.Shadow = q.Glass = true;
    q.Progress = &painter;
    DrawTab(canvas, q);
    EXPECT_EQ(At(80, 20), kStrip);
    EXPECT_NE(At(30, 13), PagerMixColors(plat::clWhite, kSelected, 50));
}

TEST_F(TabPaintingTest, StandardActiveTabComposedOffScreenLooksAsPaintedInPlace)
{
    appearance.SetColorSelected(kNormal);
    appearance.SetColorSelectedTo(kNormal);
    appearance.SetColorMirrorSelected(kNormal);
    appearance.SetColorMirrorSelectedTo(kNormal);
    std::vector<QImage> shots;
    for (const bool offscreen : {false, true}) {
        image.fill(QColor(20, 160, 20));
        TDrawTabRequest q = Request(plat::Rect(10, 10, 90, 40), tpTop);
        q.State.Active = true;
        q.RoundEdges = true;
        q.Show3D = true;
        q.ComposeOffscreen = offscreen;
        DrawTab(canvas, q);
        shots.push_back(image.copy());
    }
    // The tab and the page's first row under it.
    EXPECT_TRUE(shots[0].copy(10, 10, 80, 31) == shots[1].copy(10, 10, 80, 31));
}

TEST_F(TabPaintingTest, StandardFacePaintedInPlaceStaysInsideTheTab)
{
    // Even sizes, where the inner glow half's fill is one row or column longer than the half.
    const struct {
        TTabPosition Position;
        plat::TRect Beyond;  // the page's first row or column along the tab's inner edge
    } cases[] = {
        {tpTop, plat::Rect(10, 40, 90, 41)},
        {tpBottom, plat::Rect(10, 9, 90, 10)},
        {tpLeft, plat::Rect(90, 10, 91, 40)},
        {tpRight, plat::Rect(9, 10, 10, 40)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Position);
        image.fill(QColor(20, 160, 20));
        for (const TGDIPGradient gradient : {ggRadial, ggVertical}) {
            appearance.SetGradientSelected(gradient), appearance.SetGradientMirrorSelected(gradient);
            TDrawTabRequest q = Request(plat::Rect(10, 10, 90, 40), c.Position);
            q.State.Active = true;
            DrawTab(canvas, q);
        }
        for (int y = c.Beyond.Top; y < c.Beyond.Bottom; ++y)
            for (int x = c.Beyond.Left; x < c.Beyond.Right; ++x)
                ASSERT_EQ(At(x, y), kStrip) << x << "," << y;
    }
}

TEST_F(TabPaintingTest, ShapedActiveTabComposedOffScreenLeavesNoKeyColour)
{
    for (const bool offscreen : {false, true}) {
        image.fill(QColor(20, 160, 20));
        TDrawTabRequest q = Request(plat::Rect(10, 10, 90, 40), tpTop);
        q.State.Active = true;
        q.Shape = tsLeftRightRamp;
        q.Rounding = 3;
        q.ComposeOffscreen = offscreen;
        DrawTab(canvas, q);
        EXPECT_EQ(At(10, 10), kStrip) << "beyond the ramp, offscreen " << offscreen;
        EXPECT_EQ(At(50, 39), kStrip) << "below the body, offscreen " << offscreen;
        EXPECT_TRUE(ColorNear(At(50, 25), kSelected, 2)) << offscreen;
    }
}

TEST_F(TabPaintingTest, CheckBoxIsTheThemesPartOrTheClassicFace)
{
    const struct {
        bool Themes, Checked, Enabled;
        const char* Call;
    } cases[] = {
        {false, true, true, "DrawFrameControl(2,3,15,16,4,$0400)"},
        {false, true, false, "DrawFrameControl(2,3,15,16,4,$0500)"},
        {false, false, false, "DrawFrameControl(2,3,15,16,4,$0000)"},
        {true, true, true, "DrawThemeBackground(BUTTON,3,5,2,3,15,16)"},
        {true, true, false, "DrawThemeBackground(BUTTON,3,8,2,3,15,16)"},
        {true, false, true, "DrawThemeBackground(BUTTON,3,1,2,3,15,16)"},
    };
    for (const auto& c : cases) {
        env.Themes().SetThemesEnabled(c.Themes);
        plat::testing::TRecordingCanvas recording(40, 40);
        TDrawTabRequest q = Request(plat::Rect(0, 0, 30, 20), tpTop);
        q.ShowCheckBox = true;
        q.Checked = c.Checked;
        q.CheckBoxEnabled = c.Enabled;
        q.CheckBoxRect = plat::Rect(2, 3, 15, 16);
        DrawTab(recording, q);
        const auto calls = recording.CallsOf(c.Themes ? "DrawThemeBackground" : "DrawFrameControl");
        ASSERT_EQ(calls.size(), 1u) << c.Call;
        EXPECT_EQ(calls[0], c.Call);
    }
    EXPECT_EQ(env.Themes().OpenHandleCount(), 0);
}

class TabProgressBarTest : public testing::GlowSurfaceTest {
protected:
    TabProgressBarTest() : GlowSurfaceTest(120, 110)
    {
        progress.SetColor(RGB(0, 0, 200));
        progress.SetColorTo(plat::clNone);
        progress.SetCompleteColor(RGB(200, 0, 0));
        progress.SetCompleteColorTo(plat::clNone);
    }

    // The columns (or rows) of a line through the bar that show the completed colour.
    int Done(int X0, int Y0, int DX, int DY, int Count)
    {
        int done = 0;
        for (int i = 0; i < Count; ++i)
            done += At(X0 + i * DX, Y0 + i * DY) == RGB(200, 0, 0);
        return done;
    }

    TTabProgress progress;
};

TEST_F(TabProgressBarTest, CompletedPartGrowsFromTheTabsStartAndStaysInside)
{
    const struct {
        int Position, Max;
        int Done;
    } cases[] = {{50, 100, 41}, {150, 100, 82}, {-20, 100, 0}, {50, 0, 0}, {100, 100, 82}};
    for (const auto& c : cases) {
        image.fill(Qt::white);
        progress.SetPosition(c.Position);
        progress.SetMax(c.Max);
        foundation::TGPGraphics graphics(canvas.Handle());
        DrawTabProgress(progress, &graphics, plat::Rect(10, 10, 90, 30), tpTop, false);
        EXPECT_EQ(Done(0, 20, 1, 0, 120), c.Done) << c.Position << " of " << c.Max;
        EXPECT_EQ(At(91, 20), c.Done == 82 ? RGB(200, 0, 0) : RGB(0, 0, 200)) << "the bar reaches two columns on";
        EXPECT_EQ(At(92, 20), plat::clWhite);
        EXPECT_EQ(At(50, 10), plat::clWhite) << "a top bar starts a row down";
    }

    progress.SetMax(100);
    progress.SetPosition(50);
    image.fill(Qt::white);
    {
        foundation::TGPGraphics graphics(canvas.Handle());
        DrawTabProgress(progress, &graphics, plat::Rect(10, 10, 40, 90), tpLeft, true);
    }
    EXPECT_EQ(Done(20, 0, 0, 1, 110), 40) << "round(0.5 x 79)";
    EXPECT_EQ(At(20, 88), RGB(200, 0, 0)) << "a left bar grows upwards";
    EXPECT_EQ(At(20, 89), plat::clWhite);

    image.fill(Qt::white);
    {
        foundation::TGPGraphics graphics(canvas.Handle());
        DrawTabProgress(progress, &graphics, plat::Rect(60, 10, 90, 90), tpRight, true);
    }
    EXPECT_EQ(Done(70, 0, 0, 1, 110), 40);
    EXPECT_EQ(At(70, 10), RGB(200, 0, 0)) << "a right bar grows downwards";
    DrawTabProgress(progress, nullptr, plat::Rect(0, 0, 50, 20), tpTop, false);
}

class InsertButtonTest : public testing::GlowSurfaceTest {
protected:
    InsertButtonTest() : GlowSurfaceTest(60, 60) {}

    // Rows of the column that the sign's horizontal arm darkens.
    int ArmThickness(int X, int Top, int Bottom)
    {
        int rows = 0;
        for (int y = Top; y < Bottom; ++y)
            rows += plat::GetRValue(At(X, y)) < 200;
        return rows;
    }
};

TEST_F(InsertButtonTest, SignScalesWithTheBoxAndStatesTint)
{
    PaintInsertButton(canvas, {plat::Rect(10, 10, 30, 30)});
    EXPECT_EQ(ArmThickness(14, 12, 28), 5) << "20 x 20: a pen of 5";
    EXPECT_NE(At(21, 21), plat::clWhite);
    int armPx = 0;
    for (int x = 13; x < 29; ++x)
        armPx += plat::GetRValue(At(x, 19)) < 200;
    EXPECT_EQ(armPx, 14) << "arms of 20 - 6";

    image.fill(Qt::white);
    PaintInsertButton(canvas, {plat::Rect(10, 10, 26, 26)});
    EXPECT_EQ(ArmThickness(14, 12, 24), 4) << "16 x 16: a pen of 4";

    std::vector<plat::TColor> centres;
    for (const auto state : {ibsNormal, ibsHot, ibsPressed}) {
        image.fill(Qt::white);
        PaintInsertButton(canvas, {plat::Rect(10, 10, 30, 30), state});
        centres.push_back(At(15, 21));
    }
    EXPECT_NE(centres[0], centres[1]);
    EXPECT_NE(centres[1], centres[2]);
}

class TabStripTest : public testing::GlowSurfaceTest {
protected:
    TabStripTest() : GlowSurfaceTest(60, 40) {}
};

TEST_F(TabStripTest, StripCoversTheClientTowardsThePagesInItsBackground)
{
    const plat::TRect client = plat::Rect(0, 0, 200, 100);
    EXPECT_EQ(TabStripPaintRect(plat::Rect(0, 0, 200, 26), client, tpTop), plat::Rect(0, 0, 200, 100));
    EXPECT_EQ(TabStripPaintRect(plat::Rect(0, 74, 200, 100), client, tpBottom), plat::Rect(0, 0, 200, 100));
    EXPECT_EQ(TabStripPaintRect(plat::Rect(0, 0, 30, 100), client, tpLeft), plat::Rect(0, 0, 200, 100));
    EXPECT_EQ(TabStripPaintRect(plat::Rect(170, 0, 200, 100), client, tpRight), plat::Rect(0, 0, 200, 100));

    TGradientBackground background;
    background.SetColor(RGB(200, 0, 0));
    background.SetColorTo(RGB(0, 0, 200));
    background.SetSteps(4);
    PaintTabStripBackground(canvas, plat::Rect(0, 0, 40, 20), background);
    EXPECT_TRUE(ColorNear(At(0, 10), RGB(200, 0, 0), 60));
    EXPECT_TRUE(ColorNear(At(38, 10), RGB(0, 0, 200), 60));
    EXPECT_EQ(At(0, 5), At(0, 15)) << "horizontal bands";

    background.SetColorTo(plat::clNone);
    PaintTabStripBackground(canvas, plat::Rect(0, 0, 40, 20), background);
    EXPECT_EQ(At(20, 10), RGB(200, 0, 0));

    image.fill(Qt::white);
    background.SetColor(plat::clNone);
    background.SetColorTo(RGB(0, 0, 200));
    PaintTabStripBackground(canvas, plat::Rect(0, 0, 40, 20), background);
    EXPECT_EQ(At(20, 10), plat::clWhite);

    EXPECT_TRUE(ButtonAreaInUse({.ScrollerVisible = true}));
    EXPECT_TRUE(ButtonAreaInUse({.CloseButton = true}));
    EXPECT_FALSE(ButtonAreaInUse({.CloseButton = true, .CloseOnTab = true}));
    EXPECT_FALSE(ButtonAreaInUse({.ClosedListButton = true}));
    EXPECT_TRUE(ButtonAreaInUse({.ClosedListButton = true, .AnyPageClosed = true}));
}

}  // namespace
}  // namespace skelda::pager
