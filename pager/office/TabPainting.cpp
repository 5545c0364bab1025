#include "pager/office/TabPainting.h"

#include "pager/glow/PagerGlowVariants.h"
#include "pager/office/PagerGradient.h"
#include "pager/office/TTabAppearance.h"
#include "pager/office/TabShapes.h"
#include "platform/graphics/CanvasFlags.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/ThemeParts.h"
#include "platform/graphics/ThemeServices.h"

#include <algorithm>
#include <array>
#include <vector>

namespace skelda::pager {

namespace {

struct TPixel {
    int X, Y;
};

// The corner pixels the round edges give back to the strip: the pixels read before the body is
// painted, and where each read colour is written afterwards.
struct TCornerPlan {
    std::vector<TPixel> Read;
    std::vector<std::vector<TPixel>> Write;
};

TCornerPlan CornerPlan(const plat::TRect& r, TTabPosition Position)
{
    const int L = r.Left, T = r.Top, R = r.Right, B = r.Bottom;
    switch (Position) {
    case tpTop:
        return {{{L, T}, {R - 1, T}}, {{{L, T}, {L + 1, T}, {L, T + 1}}, {{R - 1, T}, {R - 2, T}, {R - 1, T + 1}}}};
    case tpBottom:
        return {{{L, B - 2}, {R - 1, B - 1}},
                {{{L, B - 2}, {L + 1, B - 1}, {L, B - 1}}, {{R - 1, B - 1}, {R - 2, B - 1}, {R - 1, B - 2}}}};
    case tpLeft:
        return {{{L, T}, {L, B - 1}}, {{{L, T}, {L + 1, T}, {L, T + 1}}, {{L, B - 1}, {L + 1, B - 1}, {L, B - 2}}}};
    case tpRight:
        break;
    }
    return {{{R, T}, {R, B - 1}, {R - 1, T}, {R - 1, B - 1}},
            {{{R, T}, {R - 1, T}, {R, T + 1}}, {{R, B - 1}, {R - 1, B - 1}, {R, B - 2}}, {{R - 1, T}}, {{R - 1, B - 1}}}};
}

struct TLine {
    int X1, Y1, X2, Y2;
};

struct TDecorationLines {
    TLine Light;
    std::array<TLine, 2> Shadow;
    std::array<TLine, 3> Highlight;
};

TDecorationLines DecorationLines(const plat::TRect& r, TTabPosition Position, bool Rotated)
{
    const int L = r.Left, T = r.Top, R = r.Right, B = r.Bottom;
    switch (Position) {
    case tpTop:
        return {{L + 3, T + 3, R - 3, T + 3},
                {{{R, T + 3, R, B - 4}, {R + 1, T + 4, R + 1, B - 4}}},
                {{{L + 3, T + 1, R - 3, T + 1}, {L + 1, T + 3, L + 1, B - 5}, {R - 2, T + 3, R - 2, B - 5}}}};
    case tpBottom:
        return {{L + 3, B - 3, R - 3, B - 3},
                {{{R, T + 4, R, B - 2}, {R + 1, T + 4, R + 1, B - 3}}},
                {{{L + 3, B - 2, R - 3, B - 2}, {L + 1, B - 3, L + 1, T + 5}, {R - 2, B - 3, R - 2, T + 5}}}};
    case tpLeft: {
        const std::array<TLine, 3> highlight{
            {{L + 1, T + 3, L + 1, B - 3}, {L + 3, T + 1, R - 5, T + 1}, {L + 3, B - 2, R - 5, B - 2}}};
        if (Rotated)
            return {{L + 3, T + 3, L + 3, B - 3}, {{{L + 3, T - 1, R, T - 1}, {L + 4, T - 2, R, T - 2}}}, highlight};
        return {{L + 3, T + 3, R - 5, T + 3}, {{{L + 3, B, R, B}, {L + 4, B + 1, R, B + 1}}}, highlight};
    }
    case tpRight:
        break;
    }
    return {Rotated ? TLine{R - 3, T + 3, R - 3, B - 3} : TLine{L + 5, T + 3, R - 3, T + 3},
            {{{L + 3, B, R - 3, B}, {L + 4, B + 1, R - 4, B + 1}}},
            {{{R - 2, T + 3, R - 2, B - 3}, {L + 5, T + 1, R - 3, T + 1}, {L + 5, B - 2, R - 3, B - 2}}}};
}

void DrawLine(plat::TCanvas& Canvas, const TLine& Line, plat::TColor Color)
{
    Canvas.Pen().SetStyle(plat::psSolid);
    Canvas.Pen().SetWidth(1);
    Canvas.Pen().SetColor(Color);
    Canvas.MoveTo(Line.X1, Line.Y1);
    Canvas.LineTo(Line.X2, Line.Y2);
}

// The shaped tab leaves a strip on its page side for the page's border.
plat::TRect ShapedBodyRect(plat::TRect r, TTabPosition Position)
{
    switch (Position) {
    case tpTop:
        r.Bottom -= 3;
        break;
    case tpBottom:
        r.Top += 2;
        break;
    case tpLeft:
        r.Right -= 3;
        break;
    case tpRight:
        r.Left += 2;
        break;
    }
    return r;
}

// Inside the key-coloured ground of an off-screen shaped tab, the outline stays one pixel in
// from the ground's far edges.
plat::TRect ShapedOffscreenRect(plat::TRect r, TTabPosition Position)
{
    switch (Position) {
    case tpTop:
        r.Right -= 1;
        break;
    case tpBottom:
        r.Right -= 1;
        r.Bottom -= 1;
        break;
    case tpLeft:
        r.Bottom -= 1;
        break;
    case tpRight:
        r.Right -= 1;
        r.Bottom -= 2;
        break;
    }
    return r;
}

struct TBodyLook {
    bool Standard;
    TTabPosition Position;
    TVezTabShape Shape;
    bool Rotated;
};

void PaintBody(plat::TCanvas& Canvas, const plat::TRect& Rect, const TDrawTabRequest& Q, const TTabColors& C,
               const TBodyLook& Look)
{
    if (Look.Standard) {
        TPagerFaceRequest face;
        face.Rect = Rect;
        face.Colors = C.Fill;
        face.BorderColor = C.Border;
        face.Enabled = Q.Enabled;
        face.AntiAlias = Q.AntiAlias;
        face.RoundEdges = Q.RoundEdges;
        face.Rotated = Look.Rotated;
        face.Progress = Q.Progress;
        face.Position = Look.Position;
        PaintPagerGradient(Canvas, face);
        return;
    }
    TTabBackgroundRequest shaped;
    shaped.Rect = Rect;
    shaped.Colors = C.Fill;
    shaped.BorderColor = C.Border;
    shaped.Shape = Look.Shape;
    shaped.Rounding = static_cast<std::uint8_t>(std::clamp(Q.Rounding, 0, 255));
    shaped.RotateTabLeftRight = Q.RotateTabLeftRight;
    shaped.Position = Q.Position;
    shaped.Progress = Q.Progress;
    PaintTabBackground(Canvas, shaped);
}

void PaintBodyOffscreen(plat::TCanvas& Canvas, const TDrawTabRequest& Q, const TTabColors& C, const TBodyLook& Look)
{
    const plat::TRect& r = Q.Rect;
    plat::TBitmap bitmap;
    bitmap.SetSize(r.Width(), r.Height());
    const plat::TRect local = plat::Rect(0, 0, r.Width(), r.Height());
    if (Look.Standard) {
        PaintBody(bitmap.Canvas(), local, Q, C, Look);
    } else {
        const plat::TColor key = PagerMixColors(C.Border, plat::clWhite, 50);
        const plat::TRect ground = ShapedBodyRect(local, Q.Position);
        // All of the bitmap is ground, so that the rows left for the page's border show the
        // strip as they do when the tab is painted in place.
        bitmap.Canvas().Brush().SetStyle(plat::bsSolid);
        bitmap.Canvas().Brush().SetColor(key);
        bitmap.Canvas().FillRect(local);
        PaintBody(bitmap.Canvas(), ShapedOffscreenRect(ground, Q.Position), Q, C, Look);
        bitmap.SetTransparentColor(key);
        bitmap.SetTransparent(true);
    }
    if (Q.Glass)
        PagerPaintGraphic(nullptr, &Canvas, {r.Left, r.Top}, bitmap, Look.Shape != tsRectangle || Q.Rounding > 3);
    else
        Canvas.Draw(r.Left, r.Top, &bitmap);
}

void PaintDecorations(plat::TCanvas& Canvas, const TDrawTabRequest& Q, const TTabColors& C)
{
    const TCustomTabAppearance& A = *Q.Appearance;
    const bool progressVisible = Q.Progress && Q.Progress->IsVisible();
    const bool rotated = Q.RotateTabLeftRight;
    const TDecorationLines lines = DecorationLines(Q.Rect, Q.Position, rotated);
    if (!progressVisible && Q.Show3D) {
        const bool lit = C.Focused || (Q.State.FadeRunning && Q.State.FadeState == gsHover);
        DrawLine(Canvas, lines.Light, PagerMixColors(plat::clWhite, C.Fill.Color, lit ? 20 : 50));
    }
    if (A.GetShadowColor() != plat::clNone && !Q.Glass && Q.Shadow) {
        DrawLine(Canvas, lines.Shadow[0], A.GetShadowColor());
        DrawLine(Canvas, lines.Shadow[1], PagerMixColors(A.GetShadowColor(), A.BackGround().GetColor(), 40));
    }
    if (Q.Show3D && C.Highlight != plat::clNone &&
        (!progressVisible || !Q.State.ShowNonSelectedTabs || Q.State.Active)) {
        DrawLine(Canvas, lines.Highlight[0], PagerMixColors(C.Fill.Color, C.Border, 80));
        DrawLine(Canvas, lines.Highlight[1], C.Highlight);
        DrawLine(Canvas, lines.Highlight[2], C.Highlight);
    }
}

}  // namespace

void PaintTabCheckBox(plat::TCanvas& Canvas, const plat::TRect& Rect, bool Checked, bool Enabled, bool Themed)
{
    plat::IThemeServices& themes = plat::ThemeServices();
    if (Themed && themes.ThemesEnabled()) {
        if (const plat::HTHEME theme = themes.OpenThemeData("button")) {
            const int state = !Checked ? plat::CBS_UNCHECKEDNORMAL
                                       : (Enabled ? plat::CBS_CHECKEDNORMAL : plat::CBS_CHECKEDDISABLED);
            themes.DrawThemeBackground(theme, Canvas, plat::BP_CHECKBOX, state, Rect, nullptr);
            themes.CloseThemeData(theme);
            return;
        }
    }
    unsigned flags = plat::DFCS_BUTTONCHECK;
    if (Checked)
        flags |= plat::DFCS_CHECKED | (Enabled ? 0u : plat::DFCS_INACTIVE);
    plat::TRect box = Rect;
    Canvas.DrawFrameControl(box, plat::DFC_BUTTON, flags);
}

std::optional<plat::TColor> DrawTab(plat::TCanvas& Canvas, const TDrawTabRequest& Q)
{
    if (!Q.Appearance || Q.TabHeight < 1 || (Q.Rect.Left < 0 && Q.Rect.Right < 0))
        return std::nullopt;
    const TTabColors colors = ChooseTabColors(*Q.Appearance, Q.State);
    if (colors.PaintBody) {
        TBodyLook look{UsesStandardTabLook(Q.Shape, Q.Rounding, Q.Position, Q.RotateTabLeftRight), Q.Position,
                       Q.Shape, true};
        if ((Q.Position == tpLeft || Q.Position == tpRight) && !Q.RotateTabLeftRight) {
            look.Position = tpTop;
            look.Rotated = false;
            look.Shape = tsRectangle;
        }
        const bool corners = look.Standard && Q.RoundEdges;
        const TCornerPlan plan = corners ? CornerPlan(Q.Rect, Q.Position) : TCornerPlan{};
        std::vector<plat::TColor> kept;
        for (const TPixel& p : plan.Read)
            kept.push_back(Canvas.GetPixels(p.X, p.Y));

        if (Q.ComposeOffscreen)
            PaintBodyOffscreen(Canvas, Q, colors, look);
        else
            PaintBody(Canvas, look.Standard ? Q.Rect : ShapedBodyRect(Q.Rect, Q.Position), Q, colors, look);

        if (look.Standard) {
            for (std::size_t i = 0; i < plan.Write.size(); ++i) {
                // A corner read outside the canvas has nothing to give back.
                if (kept[i] == plat::CLR_INVALID)
                    continue;
                for (const TPixel& p : plan.Write[i])
                    Canvas.SetPixels(p.X, p.Y, kept[i]);
            }
            PaintDecorations(Canvas, Q, colors);
        }
    }
    if (Q.ShowCheckBox)
        PaintTabCheckBox(Canvas, Q.CheckBoxRect, Q.Checked, Q.CheckBoxEnabled, Q.ThemedCheckBox);
    return colors.Text;
}

}  // namespace skelda::pager
