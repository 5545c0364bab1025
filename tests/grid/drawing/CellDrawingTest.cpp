#include "foundation/ColorTones.h"
#include "grid/drawing/CellButtonDrawing.h"
#include "grid/drawing/DrawingBasics.h"
#include "grid/drawing/GradientDrawing.h"
#include "grid/drawing/TCheckDrawer.h"
#include "platform/core/TStringList.h"
#include "platform/graphics/TBitmap.h"
#include "platform/testing/ImageProbe.h"
#include "platform/testing/SaveImageOnFailure.h"
#include "platform/testing/ScopedEnvironment.h"
#include "platform/testing/TRecordingCanvas.h"

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace skelda::grid {
namespace {

using foundation::TColorTone;
using plat::Point;
using plat::RGB;
using plat::TColor;
using plat::TPoint;
using plat::TRect;

struct TProbe {
    TPoint At;
    TColor Color;
};

TColor Rgb(TColor Color) { return plat::ColorToRGB(Color); }

std::string Text(const TRect& R)
{
    return std::to_string(R.Left) + "," + std::to_string(R.Top) + "," + std::to_string(R.Right) + "," +
           std::to_string(R.Bottom);
}

// Each recorded call up to its closing parenthesis (pen, brush and font left out).
std::vector<std::string> Heads(const std::vector<std::string>& Calls)
{
    std::vector<std::string> heads;
    for (const std::string& call : Calls) {
        const std::size_t end = call.find(") ");
        heads.push_back(end == std::string::npos ? call : call.substr(0, end + 1));
    }
    return heads;
}

// The check drawer's look with the grid's defaults (15-pixel boxes, 10-pixel radio buttons, a
// black mark), its settings open to the tests.
class TTestCheckLook : public TCheckLook {
public:
    int GetCheckSize() const override { return 15; }
    int GetRadioSize() const override { return 10; }
    plat::TColor GetColor() const override { return FColor; }
    void SetColor(plat::TColor Value) { FColor = Value; }
    bool GetNoDisabledCheckRadioLook() const override { return FNoDisabledLook; }
    void SetNoDisabledCheckRadioLook(bool Value) { FNoDisabledLook = Value; }
    bool GetCheckAlwaysActive() const override { return FCheckAlwaysActive; }
    void SetCheckAlwaysActive(bool Value) { FCheckAlwaysActive = Value; }
    bool GetRadioAlwaysActive() const override { return FRadioAlwaysActive; }
    void SetRadioAlwaysActive(bool Value) { FRadioAlwaysActive = Value; }
    const plat::TBitmap& CheckedGlyph() const override { return FCheckedGlyph; }
    void SetCheckedGlyph(const plat::TBitmap& Value) { FCheckedGlyph.Assign(Value); }
    const plat::TBitmap& UnCheckedGlyph() const override { return FUnCheckedGlyph; }
    void SetUnCheckedGlyph(const plat::TBitmap& Value) { FUnCheckedGlyph.Assign(Value); }
    const plat::TBitmap& RadioOnGlyph() const override { return FRadioOnGlyph; }
    void SetRadioOnGlyph(const plat::TBitmap& Value) { FRadioOnGlyph.Assign(Value); }
    const plat::TBitmap& RadioOffGlyph() const override { return FRadioOffGlyph; }

private:
    plat::TColor FColor = plat::clBlack;
    bool FNoDisabledLook = false;
    bool FCheckAlwaysActive = false;
    bool FRadioAlwaysActive = false;
    plat::TBitmap FCheckedGlyph;
    plat::TBitmap FUnCheckedGlyph;
    plat::TBitmap FRadioOnGlyph;
    plat::TBitmap FRadioOffGlyph;
};

class CellDrawingTest : public ::testing::Test {
protected:
    TColor At(int X, int Y) const { return plat::testing::PixelAt(canvas.Image(), X, Y); }
    TColor At(TPoint P) const { return At(P.X, P.Y); }

    // Smallest rectangle around every pixel that is no longer white (empty when none).
    TRect Ink() const
    {
        const QImage& image = canvas.Image();
        TRect ink{image.width(), image.height(), 0, 0};
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (At(x, y) != plat::clWhite)
                    ink = {std::min(ink.Left, x), std::min(ink.Top, y), std::max(ink.Right, x + 1), std::max(ink.Bottom, y + 1)};
        return ink.IsEmpty() ? TRect{} : ink;
    }

    void ExpectInkInside(const TRect& R) const
    {
        const TRect ink = Ink();
        EXPECT_FALSE(ink.IsEmpty());
        EXPECT_TRUE(ink.Left >= R.Left && ink.Top >= R.Top && ink.Right <= R.Right && ink.Bottom <= R.Bottom)
            << "ink " << Text(ink) << " outside " << Text(R);
    }

    void ExpectProbes(const std::vector<TProbe>& Probes) const
    {
        for (const TProbe& probe : Probes)
            EXPECT_EQ(At(probe.At), Rgb(probe.Color)) << "at " << probe.At.X << "," << probe.At.Y;
    }

    void Reset()
    {
        canvas.Brush().SetColor(plat::clWhite);
        canvas.Brush().SetStyle(plat::bsSolid);
        canvas.FillRect(plat::Rect(0, 0, canvas.Image().width(), canvas.Image().height()));
        canvas.ClearCalls();
    }

    // Themes are on unless a test switches them off.
    plat::testing::ScopedEnvironment env;
    plat::testing::TRecordingCanvas canvas{160, 60};
    plat::testing::SaveImageOnFailure keep{canvas.Image()};
};

TEST_F(CellDrawingTest, GradientBandsRunFromFirstToLastColour)
{
    const TColor brown = RGB(200, 100, 0);
    const struct {
        const char* Name;
        TColor From, To;
        bool Horizontal;
        TRect Rect;
        int MaxSteps;
        std::vector<TProbe> Probes;
        int Bands;
        TRect Inked;
    } cases[] = {
        // 129 pixels, 128 steps: pixel i has band i's colour; 127.5 goes to the even neighbour.
        {"horizontal, one band per pixel", plat::clRed, plat::clBlue, true, plat::Rect(10, 5, 139, 25), 128,
         {{Point(10, 10), plat::clRed}, {Point(74, 10), RGB(127, 0, 128)}, {Point(138, 10), plat::clBlue}}, 129,
         plat::Rect(10, 5, 139, 25)},
        {"vertical, steps cut to the height", plat::clBlack, brown, false, plat::Rect(5, 10, 45, 43), 128,
         {{Point(20, 10), plat::clBlack}, {Point(20, 26), RGB(100, 50, 0)}, {Point(20, 42), brown}}, 33,
         plat::Rect(5, 10, 45, 43)},
        // 3 steps over 40 pixels: bands 14 wide starting at 0, 13, 26 and 39.
        {"few steps give wide bands", plat::clBlack, RGB(0, 0, 240), true, plat::Rect(0, 0, 40, 10), 3,
         {{Point(12, 5), plat::clBlack}, {Point(13, 5), RGB(0, 0, 80)}, {Point(38, 5), RGB(0, 0, 160)},
          {Point(39, 5), RGB(0, 0, 240)}},
         4, plat::Rect(0, 0, 40, 10)},
        {"upside-down rectangle is turned round", plat::clRed, plat::clBlue, false, plat::Rect(0, 30, 10, 0), 128,
         {{Point(5, 0), plat::clRed}, {Point(5, 29), plat::clBlue}}, 30, plat::Rect(0, 0, 10, 30)},
        {"system colours are resolved", plat::clBtnFace, plat::clBtnShadow, true, plat::Rect(0, 0, 20, 4), 128,
         {{Point(0, 1), plat::clBtnFace}, {Point(19, 1), plat::clBtnShadow}}, 20, plat::Rect(0, 0, 20, 4)},
        {"no end colour fills plainly", plat::clGreen, plat::clNone, true, plat::Rect(0, 0, 20, 4), 128,
         {{Point(0, 1), plat::clGreen}, {Point(19, 3), plat::clGreen}}, 1, plat::Rect(0, 0, 20, 4)},
        {"no start colour fills with the end colour", plat::clNone, plat::clGreen, false, plat::Rect(0, 0, 20, 4), 128,
         {{Point(0, 0), plat::clGreen}, {Point(19, 3), plat::clGreen}}, 1, plat::Rect(0, 0, 20, 4)},
        {"one pixel wide gives one band", plat::clRed, plat::clBlue, true, plat::Rect(3, 3, 4, 20), 128,
         {{Point(3, 10), plat::clRed}}, 1, plat::Rect(3, 3, 4, 20)},
        {"no steps asked still draws", plat::clRed, plat::clBlue, true, plat::Rect(0, 0, 10, 4), 0,
         {{Point(0, 0), plat::clRed}, {Point(9, 0), plat::clBlue}}, 2, plat::Rect(0, 0, 10, 4)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Reset();
        DrawGradient(canvas, c.From, c.To, c.Horizontal, c.Rect, c.MaxSteps);
        ExpectProbes(c.Probes);
        EXPECT_EQ(canvas.CallsOf("Rectangle").size(), static_cast<std::size_t>(c.Bands));
        EXPECT_EQ(Ink(), c.Inked);
    }
}

TEST_F(CellDrawingTest, GradientWithoutHeightOrColoursDrawsNothing)
{
    DrawGradient(canvas, plat::clRed, plat::clBlue, true, plat::Rect(0, 5, 40, 5), 128);
    DrawGradient(canvas, plat::clRed, plat::clBlue, false, plat::Rect(10, 0, 10, 40), 128);
    DrawGradient(canvas, plat::clNone, plat::clNone, true, plat::Rect(0, 0, 40, 40), 128);
    EXPECT_TRUE(canvas.Calls().empty());
}

TEST(GradientColorAtTest, InterpolatesEachChannel)
{
    const TColor brown = RGB(200, 100, 0);
    const struct {
        TColor From, To;
        int Low, Position, High;
        TColor Expected;
    } cases[] = {
        {plat::clRed, plat::clBlue, 0, 0, 100, plat::clRed},
        {plat::clRed, plat::clBlue, 0, 100, 100, plat::clBlue},
        {plat::clRed, plat::clBlue, 0, 50, 100, RGB(127, 0, 128)},
        {plat::clRed, plat::clBlue, 10, 10, 20, plat::clRed},
        {plat::clRed, plat::clBlue, 10, 15, 20, RGB(127, 0, 128)},
        {plat::clRed, plat::clBlue, 100, 0, 0, plat::clBlue},
        {plat::clRed, plat::clBlue, 5, 7, 5, plat::clRed},
        {plat::clRed, plat::clNone, 0, 50, 100, plat::clRed},
        {plat::clNone, plat::clBlue, 0, 50, 100, plat::clNone},
        {plat::clBlack, brown, 0, 200, 100, RGB(255, 200, 0)},
        {brown, plat::clBlack, 0, 200, 100, plat::clBlack},
        {plat::clBtnFace, plat::clWindow, 0, 1, 2, RGB(248, 248, 248)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GradientColorAt(c.From, c.To, c.Low, c.Position, c.High), c.Expected)
            << c.Low << " " << c.Position << " " << c.High;
}

TEST_F(CellDrawingTest, MirroredGradientFillsHalvesAndBorder)
{
    const TRect r = plat::Rect(0, 0, 20, 40);
    const TColor none = plat::clNone;
    const TColor dark = RGB(0, 64, 0);
    const struct {
        const char* Name;
        TColor Color, ColorTo, Mirror, MirrorTo, Border;
        bool Fill, SideLines, Vertical;
        std::vector<TProbe> Probes;
        TRect Inked;
    } cases[] = {
        {"vertical mirror", plat::clRed, plat::clBlue, plat::clLime, dark, none, true, false, true,
         {{Point(5, 0), plat::clRed}, {Point(5, 19), plat::clBlue}, {Point(5, 20), plat::clLime}, {Point(5, 39), dark}},
         r},
        {"horizontal mirror", plat::clRed, plat::clBlue, plat::clLime, dark, none, true, false, false,
         {{Point(0, 5), plat::clRed}, {Point(9, 5), plat::clBlue}, {Point(10, 5), plat::clLime}, {Point(19, 5), dark}},
         r},
        {"mirror without end colours", plat::clRed, none, plat::clLime, none, none, true, false, true,
         {{Point(5, 19), plat::clRed}, {Point(5, 20), plat::clLime}}, r},
        {"plain fill covers the row below", plat::clLime, none, none, none, none, true, false, true,
         {{Point(5, 0), plat::clLime}, {Point(5, 40), plat::clLime}}, plat::Rect(0, 0, 20, 41)},
        {"gradient without mirror", plat::clRed, plat::clBlue, none, none, none, true, false, true,
         {{Point(5, 0), plat::clRed}, {Point(5, 39), plat::clBlue}}, r},
        {"framed", plat::clLime, plat::clLime, none, none, plat::clBlack, true, false, true,
         {{Point(0, 0), plat::clBlack}, {Point(10, 0), plat::clBlack}, {Point(19, 39), plat::clBlack},
          {Point(10, 20), plat::clLime}},
         r},
        {"side lines only", plat::clLime, plat::clLime, none, none, plat::clBlack, true, true, true,
         {{Point(0, 0), plat::clBlack}, {Point(19, 39), plat::clBlack}, {Point(10, 0), plat::clLime},
          {Point(10, 39), plat::clLime}},
         r},
        {"border without fill", plat::clLime, none, none, none, plat::clBlack, false, false, true,
         {{Point(0, 20), plat::clBlack}, {Point(10, 20), plat::clWhite}}, r},
        {"no colour, no fill", none, plat::clBlue, none, none, plat::clBlack, true, true, true,
         {{Point(19, 20), plat::clBlack}, {Point(10, 20), plat::clWhite}}, r},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Reset();
        DrawMirroredGradient(canvas, r, c.Color, c.Fill, c.SideLines, c.Border, c.Vertical, c.MirrorTo, c.Mirror,
                             c.ColorTo);
        ExpectProbes(c.Probes);
        EXPECT_EQ(Ink(), c.Inked);
    }
}

enum class TButton { Combo, Edit, Spin };

void DrawButton(plat::TCanvas& Canvas, TButton Button, const TRect& R, const TColorTones& Tones,
                TCellButtonState State, TCellButtonStyle Style)
{
    switch (Button) {
    case TButton::Combo: DrawComboButton(Canvas, R, Tones, State, Style); break;
    case TButton::Edit: DrawEditButton(Canvas, R, Tones, State, Style); break;
    case TButton::Spin: DrawSpinButtons(Canvas, R, Tones, State, Style); break;
    }
}

TEST_F(CellDrawingTest, ButtonsDrawTheFrameControlOfStyleAndState)
{
    using S = TCellButtonState;
    using Y = TCellButtonStyle;
    const TRect r = plat::Rect(10, 10, 70, 30);
    const std::string combo = "DrawFrameControl(51,11,68,29,3,";
    const std::string edit = "DrawFrameControl(10,10,70,30,4,";
    const std::string up = "DrawFrameControl(54,10,69,19,3,";
    const std::string down = "DrawFrameControl(54,20,69,29,3,";
    const struct {
        TButton Button;
        Y Style;
        S State;
        std::vector<std::string> Calls;
    } cases[] = {
        {TButton::Combo, Y::Classic, S::Normal, {combo + "$0005)"}},
        {TButton::Combo, Y::Classic, S::Hot, {combo + "$0005)"}},
        {TButton::Combo, Y::Classic, S::Disabled, {combo + "$0105)"}},
        {TButton::Combo, Y::Flat, S::Pressed, {combo + "$4005)"}},
        {TButton::Combo, Y::Flat, S::Disabled, {combo + "$4105)"}},
        {TButton::Edit, Y::Classic, S::Normal, {edit + "$0010)"}},
        {TButton::Edit, Y::Classic, S::Hot, {edit + "$1010)"}},
        {TButton::Edit, Y::Classic, S::Pressed, {edit + "$0210)"}},
        {TButton::Edit, Y::Classic, S::Disabled, {edit + "$0110)"}},
        {TButton::Edit, Y::Flat, S::Normal, {edit + "$4010)"}},
        {TButton::Edit, Y::Flat, S::Hot, {edit + "$5010)"}},
        {TButton::Edit, Y::Flat, S::Pressed, {edit + "$4210)"}},
        {TButton::Edit, Y::Flat, S::Disabled, {edit + "$4110)"}},
        {TButton::Spin, Y::Classic, S::Normal, {up + "$0000)", down + "$0001)"}},
        {TButton::Spin, Y::Classic, S::Disabled, {up + "$0100)", down + "$0101)"}},
        {TButton::Spin, Y::Flat, S::Hot, {up + "$4000)", down + "$4001)"}},
        {TButton::Spin, Y::Flat, S::Disabled, {up + "$4100)", down + "$4101)"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Calls.front());
        Reset();
        DrawButton(canvas, c.Button, r, TColorTones{}, c.State, c.Style);
        EXPECT_EQ(Heads(canvas.Calls()), c.Calls);
        ExpectInkInside(r);
    }
}

TEST_F(CellDrawingTest, ThemedButtonsDrawTheThemePartOfTheirStateAndClassicFacesWithoutTheme)
{
    using S = TCellButtonState;
    const TRect r = plat::Rect(10, 10, 70, 30);
    auto themed = [](const std::string& Part, const std::string& Box) {
        return "DrawThemeBackground(" + Part + "," + Box + ")";
    };
    auto classic = [](const std::string& Box, const std::string& Face) {
        return "DrawFrameControl(" + Box + "," + Face + ")";
    };
    const std::string combo = "51,11,68,29";
    const std::string edit = "10,10,70,30";
    const std::string up = "54,10,69,19";
    const std::string down = "54,20,69,29";
    const struct {
        TButton Button;
        S State;
        std::vector<std::string> Themed;
        std::vector<std::string> Classic;
    } cases[] = {
        {TButton::Combo, S::Normal, {themed("COMBOBOX,1,1", combo)}, {classic(combo, "3,$0005")}},
        {TButton::Combo, S::Hot, {themed("COMBOBOX,1,1", combo)}, {classic(combo, "3,$0005")}},
        {TButton::Combo, S::Disabled, {themed("COMBOBOX,1,4", combo)}, {classic(combo, "3,$0105")}},
        {TButton::Edit, S::Normal, {themed("BUTTON,1,1", edit)}, {classic(edit, "4,$0010")}},
        {TButton::Edit, S::Hot, {themed("BUTTON,1,2", edit)}, {classic(edit, "4,$1010")}},
        {TButton::Edit, S::Pressed, {themed("BUTTON,1,3", edit)}, {classic(edit, "4,$0210")}},
        {TButton::Edit, S::Disabled, {themed("BUTTON,1,4", edit)}, {classic(edit, "4,$0110")}},
        {TButton::Spin, S::Normal, {themed("SPIN,1,1", up), themed("SPIN,2,1", down)},
         {classic(up, "3,$0000"), classic(down, "3,$0001")}},
        {TButton::Spin, S::Disabled, {themed("SPIN,1,4", up), themed("SPIN,2,4", down)},
         {classic(up, "3,$0100"), classic(down, "3,$0101")}},
    };
    for (const bool themesOn : {true, false}) {
        env.Themes().SetThemesEnabled(themesOn);
        for (const auto& c : cases) {
            SCOPED_TRACE(c.Themed.front() + (themesOn ? " with themes" : " without themes"));
            Reset();
            DrawButton(canvas, c.Button, r, TColorTones{}, c.State, TCellButtonStyle::Themed);
            EXPECT_EQ(Heads(canvas.Calls()), themesOn ? c.Themed : c.Classic);
            ExpectInkInside(r);
        }
    }
    EXPECT_EQ(env.Themes().OpenHandleCount(), 0);
}

TEST_F(CellDrawingTest, ComboArrowSitsInTheMiddleOfTheButton)
{
    const TRect button = plat::Rect(51, 11, 68, 29);
    DrawComboButton(canvas, plat::Rect(10, 10, 70, 30), TColorTones{}, TCellButtonState::Normal,
                    TCellButtonStyle::Classic);
    TRect arrow{1000, 1000, -1, -1};
    for (int y = button.Top; y < button.Bottom; ++y)
        for (int x = button.Left; x < button.Right; ++x)
            if (At(x, y) == Rgb(plat::clBtnText))
                arrow = {std::min(arrow.Left, x), std::min(arrow.Top, y), std::max(arrow.Right, x + 1), std::max(arrow.Bottom, y + 1)};
    ASSERT_FALSE(arrow.IsEmpty());
    EXPECT_LE(std::abs((arrow.Left + arrow.Right) - (button.Left + button.Right)), 1);
    EXPECT_LE(std::abs((arrow.Top + arrow.Bottom) - (button.Top + button.Bottom)), 2);
    // Pointing down: the top row is the widest.
    EXPECT_EQ(At(arrow.Left, arrow.Top), Rgb(plat::clBtnText));
    EXPECT_NE(At(arrow.Left, arrow.Bottom - 1), Rgb(plat::clBtnText));
}

TEST_F(CellDrawingTest, SpinHalvesPointAwayFromEachOther)
{
    // Buttons (54, 10) .. (69, 24) and (54, 25) .. (69, 39), the middle row left out.
    DrawSpinButtons(canvas, plat::Rect(10, 10, 70, 40), TColorTones{}, TCellButtonState::Normal,
                    TCellButtonStyle::Classic);
    const TColor glyph = Rgb(plat::clBtnText);
    auto rowWidth = [&](int y) {
        int count = 0;
        for (int x = 54; x < 69; ++x)
            count += At(x, y) == glyph;
        return count;
    };
    auto glyphRows = [&](int top, int bottom) {
        std::vector<int> widths;
        for (int y = top; y < bottom; ++y)
            if (rowWidth(y) > 0)
                widths.push_back(rowWidth(y));
        return widths;
    };
    const std::vector<int> upper = glyphRows(10, 24);
    const std::vector<int> lower = glyphRows(25, 39);
    ASSERT_GE(upper.size(), 2u);
    ASSERT_GE(lower.size(), 2u);
    EXPECT_LT(upper.front(), upper.back());
    EXPECT_GT(lower.front(), lower.back());
    EXPECT_EQ(At(60, 24), plat::clWhite);
}

TColorTones SampleTones()
{
    TColorTones tones;
    tones.Background = {RGB(200, 220, 240), RGB(0, 0, 128), RGB(128, 0, 0)};
    tones.Hover = {RGB(250, 230, 160), RGB(160, 120, 0), RGB(0, 0, 0)};
    tones.Selected = {RGB(150, 180, 250), RGB(0, 60, 120), RGB(255, 255, 255)};
    tones.Disabled = {plat::clNone, RGB(150, 150, 150), RGB(90, 90, 90)};
    return tones;
}

TEST_F(CellDrawingTest, ToneButtonsTakeTheToneOfTheirState)
{
    const TColorTones tones = SampleTones();
    const TRect r = plat::Rect(10, 10, 70, 30);
    const struct {
        TCellButtonState State;
        TColorTone Tone;
    } states[] = {
        {TCellButtonState::Normal, tones.Background},
        {TCellButtonState::Hot, tones.Hover},
        {TCellButtonState::Pressed, tones.Selected},
        // The disabled tone sets no brush: the normal one fills.
        {TCellButtonState::Disabled, {tones.Background.BrushColor, tones.Disabled.BorderColor, plat::clNone}},
    };
    for (const auto& s : states) {
        SCOPED_TRACE(static_cast<int>(s.State));
        Reset();
        DrawEditButton(canvas, r, tones, s.State, TCellButtonStyle::Tones);
        ExpectProbes({{Point(40, 20), s.Tone.BrushColor}, {Point(10, 20), s.Tone.BorderColor}});
        EXPECT_EQ(Ink(), r);

        // The combo button starts 3 pixels further right, with the normal tone's border and arrow.
        Reset();
        DrawComboButton(canvas, r, tones, s.State, TCellButtonStyle::Tones);
        ExpectProbes({{Point(54, 14), s.Tone.BrushColor}, {Point(55, 14), tones.Background.BorderColor},
                      {Point(62, 20), tones.Background.TextColor}, {Point(53, 14), plat::clWhite}});
        ExpectInkInside(r);

        Reset();
        DrawSpinButtons(canvas, r, tones, s.State, TCellButtonStyle::Tones);
        ExpectProbes({{Point(56, 12), s.Tone.BrushColor}, {Point(54, 12), s.Tone.BorderColor},
                      {Point(56, 22), s.Tone.BrushColor}, {Point(61, 14), plat::clBlack},
                      {Point(61, 22), plat::clBlack}, {Point(60, 19), plat::clWhite}});
        ExpectInkInside(r);
    }
}

TEST_F(CellDrawingTest, SmallRoutines)
{
    DrawDropArrow(canvas, 20, 10, plat::clRed);
    ExpectProbes({{Point(17, 10), plat::clRed}, {Point(22, 10), plat::clRed}, {Point(20, 12), plat::clRed},
                  {Point(20, 9), plat::clWhite}, {Point(20, 14), plat::clWhite}});
    Reset();
    FillRectColor(canvas, plat::Rect(2, 2, 6, 6), plat::clBtnFace);
    EXPECT_EQ(Ink(), plat::Rect(2, 2, 6, 6));
    EXPECT_EQ(At(5, 5), Rgb(plat::clBtnFace));
    Reset();
    FillRectColor(canvas, plat::Rect(2, 2, 6, 6), plat::clNone);
    EXPECT_TRUE(canvas.Calls().empty());

    const std::pair<double, double> limits[] = {
        {-5, 0}, {0, 0}, {42.5, 42.5}, {100, 100}, {150, 100}, {std::numeric_limits<double>::quiet_NaN(), 0},
        {std::numeric_limits<double>::infinity(), 100}};
    for (const auto& [value, limited] : limits)
        EXPECT_EQ(Limit(value), limited) << value;
}

enum class TActiveFlag { None, CheckAlwaysActive, NoDisabledLook };

// A square of one colour whose bottom-left pixel, lime, is the transparent colour.
void PaintGlyph(plat::TBitmap& Glyph, int SizePx, TColor Color)
{
    Glyph.SetSize(SizePx, SizePx);
    Glyph.Canvas().Brush().SetColor(Color);
    Glyph.Canvas().FillRect(plat::Rect(0, 0, SizePx, SizePx));
    Glyph.Canvas().SetPixels(0, SizePx - 1, plat::clLime);
}

TEST_F(CellDrawingTest, CheckBoxesShowTheirStateInEachStyle)
{
    // The rectangle is larger than the 15-pixel box: the frame-control styles centre the box
    // (12..27), the others put it at the top-left (10..25).
    const TRect r = plat::Rect(10, 10, 30, 30);
    const TColor tick = plat::clWindowText;
    const TColor white = plat::clWindow;
    const TColor face = plat::clBtnFace;
    const TColor shadow = plat::clBtnShadow;
    const TPoint centred = Point(19, 19);
    const TPoint centredInside = Point(15, 15);
    const TPoint topLeft = Point(17, 17);
    const TPoint topLeftInside = Point(12, 12);
    const TPoint borlandTick = Point(17, 18);
    const struct {
        const char* Name;
        TControlStyle Style;
        bool Checked;
        bool TriState;
        TCheckBoxState TriValue;
        bool Greyed;
        bool Enabled;
        TActiveFlag Flag;
        TProbe Mark;
        TProbe Face;
    } cases[] = {
        {"classic checked", csClassic, true, false, cbUnchecked, false, true, TActiveFlag::None, {centred, tick}, {centredInside, white}},
        {"classic unchecked", csClassic, false, false, cbUnchecked, false, true, TActiveFlag::None, {centred, white}, {centredInside, white}},
        {"classic greyed", csClassic, false, false, cbUnchecked, true, true, TActiveFlag::None, {centred, tick}, {centredInside, face}},
        {"classic disabled", csClassic, true, false, cbUnchecked, false, false, TActiveFlag::None, {centred, shadow}, {centredInside, face}},
        {"classic always active", csClassic, true, false, cbUnchecked, false, false, TActiveFlag::CheckAlwaysActive, {centred, tick}, {centredInside, white}},
        {"classic no disabled look", csClassic, false, false, cbUnchecked, false, false, TActiveFlag::NoDisabledLook, {centred, white}, {centredInside, white}},
        {"flat checked", csFlat, true, false, cbUnchecked, false, true, TActiveFlag::None, {centred, tick}, {Point(12, 12), shadow}},
        {"tri-state checked", csClassic, false, true, cbChecked, false, true, TActiveFlag::None, {centred, tick}, {centredInside, white}},
        {"tri-state greyed", csClassic, true, true, cbGrayed, false, true, TActiveFlag::None, {centred, tick}, {centredInside, face}},
        {"tri-state unchecked", csClassic, true, true, cbUnchecked, false, true, TActiveFlag::None, {centred, white}, {centredInside, white}},
        {"winxp checked", csWinXP, true, false, cbUnchecked, false, true, TActiveFlag::None, {topLeft, tick}, {topLeftInside, white}},
        {"winxp tri-state greyed", csWinXP, false, true, cbGrayed, false, true, TActiveFlag::None, {topLeft, white}, {topLeftInside, white}},
        {"zor disabled", csZOR, false, false, cbUnchecked, false, false, TActiveFlag::None, {topLeft, face}, {topLeftInside, face}},
        {"borland checked", csBorland, true, false, cbUnchecked, false, true, TActiveFlag::None, {borlandTick, plat::clRed}, {Point(13, 13), face}},
        {"borland unchecked", csBorland, false, false, cbUnchecked, false, true, TActiveFlag::None, {borlandTick, face}, {Point(13, 13), face}},
        {"borland disabled", csBorland, true, false, cbUnchecked, false, false, TActiveFlag::None, {borlandTick, plat::clGray}, {Point(13, 13), shadow}},
        {"borland tri-state greyed", csBorland, true, true, cbGrayed, false, true, TActiveFlag::None, {borlandTick, face}, {Point(13, 13), face}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Reset();
        TTestCheckLook look;
        look.SetColor(plat::clRed);
        look.SetCheckAlwaysActive(c.Flag == TActiveFlag::CheckAlwaysActive);
        look.SetNoDisabledCheckRadioLook(c.Flag == TActiveFlag::NoDisabledLook);
        TCheckDrawer(canvas, look).DrawCheck(r, c.Checked, c.TriValue, c.TriState, c.Style, c.Greyed, c.Enabled);
        ExpectProbes({c.Mark, c.Face});
        ExpectInkInside(r);
    }
}

TEST_F(CellDrawingTest, ThemeStyleCheckBoxesDrawTheThemePartOfTheirState)
{
    const TRect r = plat::Rect(10, 10, 30, 30);
    const struct {
        const char* Name;
        bool Checked;
        bool TriState;
        TCheckBoxState TriValue;
        bool Greyed;
        bool Enabled;
        TActiveFlag Flag;
        int State;
    } cases[] = {
        {"unchecked", false, false, cbUnchecked, false, true, TActiveFlag::None, 1},
        {"checked", true, false, cbUnchecked, false, true, TActiveFlag::None, 5},
        {"greyed", true, false, cbUnchecked, true, true, TActiveFlag::None, 9},
        {"tri-state greyed", true, true, cbGrayed, false, true, TActiveFlag::None, 9},
        {"tri-state checked", false, true, cbChecked, false, true, TActiveFlag::None, 5},
        {"disabled unchecked", false, false, cbUnchecked, false, false, TActiveFlag::None, 4},
        {"disabled checked", true, false, cbUnchecked, false, false, TActiveFlag::None, 8},
        {"disabled greyed", false, false, cbUnchecked, true, false, TActiveFlag::None, 12},
        {"disabled, always active", true, false, cbUnchecked, false, false, TActiveFlag::CheckAlwaysActive, 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Reset();
        TTestCheckLook look;
        look.SetCheckAlwaysActive(c.Flag == TActiveFlag::CheckAlwaysActive);
        TCheckDrawer(canvas, look).DrawCheck(r, c.Checked, c.TriValue, c.TriState, csTheme, c.Greyed, c.Enabled);
        // The look's CheckSize square at the top-left.
        EXPECT_EQ(Heads(canvas.Calls()),
                  std::vector<std::string>{"DrawThemeBackground(BUTTON,3," + std::to_string(c.State) + ",10,10,25,25)"});
        ExpectInkInside(plat::Rect(10, 10, 25, 25));
    }
    EXPECT_EQ(env.Themes().OpenHandleCount(), 0);
}

TEST_F(CellDrawingTest, ThemeStyleCheckBoxesLookThemedOnlyWithThemesAndVersion6CommonControls)
{
    const TRect r = plat::Rect(10, 10, 30, 30);
    const TTestCheckLook look;
    auto draw = [&](bool Checked, TControlStyle Style) {
        Reset();
        TCheckDrawer(canvas, look).DrawCheck(r, Checked, cbUnchecked, false, Style, false, true);
        return canvas.Image().copy();
    };
    const QImage themedChecked = draw(true, csTheme);
    const QImage classicChecked = draw(true, csClassic);
    EXPECT_NE(themedChecked, draw(false, csTheme));
    EXPECT_NE(themedChecked, classicChecked);

    env.Themes().SetThemesEnabled(false);
    EXPECT_EQ(draw(true, csTheme), classicChecked) << "themes off";
    EXPECT_EQ(Heads(canvas.Calls()), std::vector<std::string>{"DrawFrameControl(12,12,27,27,4,$0400)"});

    env.Themes().SetThemesEnabled(true);
    env.Platform().SetCommonControlsVersion({5, 82, 0, 0});
    EXPECT_EQ(draw(true, csTheme), classicChecked) << "common controls 5";
}

TEST_F(CellDrawingTest, GlyphCheckBoxesDrawTheirPictureTransparently)
{
    plat::TBitmap checked;
    plat::TBitmap unchecked;
    PaintGlyph(checked, 6, plat::clRed);
    PaintGlyph(unchecked, 6, plat::clBlue);
    TTestCheckLook look;
    look.SetCheckedGlyph(checked);
    look.SetUnCheckedGlyph(unchecked);
    TCheckDrawer drawer(canvas, look);
    drawer.DrawCheck(plat::Rect(10, 10, 30, 30), true, cbUnchecked, false, csGlyph, false, true);
    ExpectProbes({{Point(10, 10), plat::clRed}, {Point(15, 14), plat::clRed}, {Point(10, 15), plat::clWhite}});
    EXPECT_EQ(Ink(), plat::Rect(10, 10, 16, 16));
    EXPECT_FALSE(look.CheckedGlyph().GetTransparent());

    Reset();
    drawer.DrawCheck(plat::Rect(10, 10, 30, 30), false, cbGrayed, true, csGlyph, false, true);
    EXPECT_EQ(At(12, 12), plat::clBlue);

    Reset();
    look.SetCheckedGlyph(plat::TBitmap());
    drawer.DrawCheck(plat::Rect(10, 10, 30, 30), true, cbUnchecked, false, csGlyph, false, true);
    EXPECT_TRUE(Ink().IsEmpty());
}

class RadioGroupTest : public CellDrawingTest {
protected:
    RadioGroupTest() { captions.SetCommaText("Low,Mid,High"); }

    TRadioGroupItems Group(TControlStyle Style) const
    {
        TRadioGroupItems group;
        group.Rect = plat::Rect(10, 20, 150, 58);
        group.Style = Style;
        group.Captions = &captions;
        group.Count = 3;
        return group;
    }

    std::vector<std::string> Draw(const TRadioGroupItems& Group)
    {
        TCheckDrawer(canvas, look).DrawRadioGroup(Group);
        return Heads(canvas.Calls());
    }

    std::string Button(int Left, int Top, int SizePx, unsigned State) const
    {
        char state[8];
        std::snprintf(state, sizeof state, "$%04X", State);
        return "DrawFrameControl(" + Text(plat::Bounds(Left, Top, SizePx, SizePx)) + ",4," + state + ")";
    }

    static std::string Caption(int X, int Y, const std::string& Text)
    {
        return "TextOut(" + std::to_string(X) + "," + std::to_string(Y) + ",\"" + Text + "\")";
    }

    plat::TStringList captions;
    TTestCheckLook look;
};

TEST_F(RadioGroupTest, VerticalGroupChecksTheCaptionEqualToTheCellText)
{
    TRadioGroupItems group = Group(csClassic);
    group.CellText = "Mid";
    const int lineHeightPx = canvas.TextHeight("gh");
    const std::vector<std::string> expected = {
        Button(12, 22, 10, 0x0004), Caption(26, 20, "Low"),
        Button(12, 22 + lineHeightPx, 10, 0x0404), Caption(26, 20 + lineHeightPx, "Mid"),
        Button(12, 22 + 2 * lineHeightPx, 10, 0x0004), Caption(26, 20 + 2 * lineHeightPx, "High")};
    EXPECT_EQ(Draw(group), expected);
    EXPECT_EQ(canvas.GetBkMode(), plat::TRANSPARENT);
}

TEST_F(RadioGroupTest, HorizontalGroupPlacesEachButtonAfterTheCaptionsBefore)
{
    TRadioGroupItems group = Group(csFlat);
    group.Horizontal = true;
    group.CheckedIndex = 1;
    group.Inactive = true;
    group.CellText = "Low";
    group.CaptionColor = plat::clRed;
    const int lowPx = canvas.TextWidth("Low");
    const int midPx = canvas.TextWidth("Mid");
    // Boxes are RadioSize + 2 wide, centred on RadioSize in the 38-pixel height.
    const int top = 20 + (38 - 10) / 2;
    const std::vector<std::string> expected = {
        Button(12, top, 12, 0x4104), Caption(22, top - 2, "Low"),
        Button(22 + lowPx, top, 12, 0x4504), Caption(32 + lowPx, top - 2, "Mid"),
        Button(32 + lowPx + midPx, top, 12, 0x4104), Caption(42 + lowPx + midPx, top - 2, "High")};
    EXPECT_EQ(Draw(group), expected);
    EXPECT_EQ(canvas.Font().GetColor(), plat::clRed);

    canvas.ClearCalls();
    look.SetRadioAlwaysActive(true);
    EXPECT_EQ(Draw(group)[0], Button(12, top, 12, 0x4004));
}

TEST_F(RadioGroupTest, PrintedGroupsScaleAndRunUpThePage)
{
    TRadioGroupItems group = Group(csClassic);
    group.Scale = 2;
    group.BottomUp = true;
    group.Count = 2;
    group.CheckedIndex = 0;
    const int lineHeightPx = canvas.TextHeight("gh");
    const std::vector<std::string> expected = {
        Button(12, 22, 20, 0x0404), Caption(40, 20, "Low"),
        Button(12, 22 - lineHeightPx, 20, 0x0004), Caption(40, 20 - lineHeightPx, "Mid")};
    EXPECT_EQ(Draw(group), expected);
}

TEST_F(RadioGroupTest, ButtonsWithoutCaptionAreCentred)
{
    TRadioGroupItems group = Group(csClassic);
    group.Captions = nullptr;
    group.Rect = plat::Rect(10, 20, 30, 40);
    group.Count = 1;
    group.CheckedIndex = -1;
    group.CellText = "";
    EXPECT_EQ(Draw(group), std::vector<std::string>{Button(15, 22, 10, 0x0004)});
}

TEST_F(RadioGroupTest, SixteenPixelStylesPlaceCaptionsBesideTheButton)
{
    const int lineHeightPx = std::max(16, canvas.TextHeight("gh"));
    const struct {
        TControlStyle Style;
        TPoint FirstCaption;
        TPoint SecondCaption;
    } cases[] = {
        {csBorland, Point(30, 20), Point(30, 20 + lineHeightPx)},
        {csWinXP, Point(28, 23), Point(28, 23 + lineHeightPx)},
        {csGlyph, Point(28, 23), Point(28, 23 + lineHeightPx)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.Style));
        Reset();
        TRadioGroupItems group = Group(c.Style);
        group.Count = 2;
        canvas.Brush().SetColor(plat::clAqua);
        Draw(group);
        const plat::TRect firstCaption = plat::Bounds(c.FirstCaption.X, c.FirstCaption.Y, canvas.TextWidth("Low"),
                                                      canvas.TextHeight("Low"));
        EXPECT_EQ(plat::testing::CountPixels(canvas.Image(), firstCaption, plat::clAqua), 0)
            << "captions are written on a transparent background";
        EXPECT_EQ(Heads(canvas.CallsOf("TextOut")), (std::vector<std::string>{Caption(c.FirstCaption.X, c.FirstCaption.Y, "Low"),
                                                   Caption(c.SecondCaption.X, c.SecondCaption.Y, "Mid")}));
    }
}

TEST_F(RadioGroupTest, ThemeStyleButtonsAreSixteenPixelThemePartsOrClassicWithoutTheme)
{
    TRadioGroupItems group = Group(csTheme);
    group.Count = 2;
    group.CheckedIndex = 1;
    const int lineHeightPx = std::max(16, canvas.TextHeight("gh"));
    auto themed = [](int State, int Top) {
        return "DrawThemeBackground(BUTTON,2," + std::to_string(State) + ",12," + std::to_string(Top) + ",28," +
               std::to_string(Top + 16) + ")";
    };
    EXPECT_EQ(Draw(group), (std::vector<std::string>{themed(1, 22), Caption(30, 20, "Low"), themed(5, 22 + lineHeightPx),
                                                     Caption(30, 20 + lineHeightPx, "Mid")}));
    canvas.ClearCalls();
    group.Inactive = true;
    Draw(group);
    EXPECT_EQ(Heads(canvas.CallsOf("DrawThemeBackground")),
              (std::vector<std::string>{themed(4, 22), themed(8, 22 + lineHeightPx)}));

    env.Themes().SetThemesEnabled(false);
    canvas.ClearCalls();
    const std::vector<std::string> withoutThemes = Draw(group);
    canvas.ClearCalls();
    group.Style = csClassic;
    EXPECT_EQ(withoutThemes, Draw(group));
}

TEST_F(RadioGroupTest, BorlandAndGlyphButtonsShowTheCheckedOne)
{
    look.SetColor(plat::clRed);
    TRadioGroupItems group = Group(csBorland);
    group.Count = 1;
    group.Captions = nullptr;
    group.Rect = plat::Rect(10, 20, 26, 60);
    group.CheckedIndex = 0;
    canvas.Brush().SetColor(plat::clAqua);
    Draw(group);
    // The box is (10, 22) .. (26, 38); the inner mark sits at its middle.
    ExpectProbes({{Point(18, 30), plat::clRed}, {Point(18, 27), plat::clBtnFace}, {Point(14, 28), plat::clGray},
                  {Point(22, 28), plat::clWhite}});
    EXPECT_EQ(canvas.Brush().GetColor(), plat::clAqua);

    Reset();
    group.CheckedIndex = -1;
    Draw(group);
    ExpectProbes({{Point(18, 30), plat::clBtnFace}, {Point(14, 28), plat::clWhite}, {Point(22, 28), plat::clGray}});

    Reset();
    plat::TBitmap on;
    PaintGlyph(on, 4, plat::clGreen);
    look.SetRadioOnGlyph(on);
    group.Style = csGlyph;
    group.CheckedIndex = 0;
    Draw(group);
    EXPECT_EQ(Ink(), plat::Rect(10, 22, 14, 26));
}

}  // namespace
}  // namespace skelda::grid
