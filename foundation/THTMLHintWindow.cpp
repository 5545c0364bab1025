#include "foundation/THTMLHintWindow.h"

#include "foundation/MiniHtmlDraw.h"
#include "foundation/MiniHtmlEngine.h"
#include "foundation/THTMLHint.h"
#include "platform/controls/core/WindowRegion.h"
#include "platform/controls/forms/TScreen.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TFont.h"
#include "platform/system/Environment.h"
#include "platform/system/PlatformInformation.h"

#include <algorithm>

namespace skelda::foundation {

namespace {

// Room the window keeps around the text: 4 pixels on each side and the frame.
constexpr int kFrameWidthPx = 16;
constexpr int kFrameHeightPx = 4;
constexpr int kCornerPx = 16;
constexpr int kGradientBands = 48;
constexpr plat::TColor kShadowColor = 0x808080;
constexpr plat::TColor kFrameColor = 0x808080;

// The hint text with the component's settings, for measuring or for drawing.
TMiniHtmlRequest HintRequest(const THTMLHint& Hint, const std::string& Text, const plat::TRect& Bounds, bool Measuring)
{
    TMiniHtmlRequest request;
    request.Text = Text;
    request.Bounds = Bounds;
    request.ImageList = Hint.GetImages();
    request.PointX = 0;
    request.PointY = 0;
    request.ShadowShift = Measuring ? 1 : Hint.GetShadowOffset();
    request.SizeOnly = Measuring;
    request.WrapWords = !Hint.GetEllipsis();
    request.LinkTextColor = Hint.GetURLColor();
    request.ShadowTextColor = Measuring ? kShadowColor : Hint.GetShadowColor();
    request.PictureCache = &Hint.PictureCache();
    request.Pictures = Hint.GetPictureContainer();
    request.LineGap = Hint.GetLineSpacing();
    return request;
}

bool HasDropShadow()
{
    const plat::TOSVersionInfo version = plat::Env().Platform->GetVersionEx();
    return version.PlatformId == plat::VER_PLATFORM_WIN32_NT &&
           (version.MajorVersion > 5 || (version.MajorVersion == 5 && version.MinorVersion >= 1));
}

}  // namespace

void THTMLHintWindow::CreateParams(plat::TCreateParams& Params) const
{
    plat::THintWindow::CreateParams(Params);
    Params.Style &= ~plat::WS_BORDER;
    if (HasDropShadow())
        Params.WindowClassStyle |= plat::CS_DROPSHADOW;
    else
        Params.WindowClassStyle &= ~plat::CS_DROPSHADOW;
}

void THTMLHintWindow::ActivateHintData(plat::TRect Rect, const std::string& AHint, void*)
{
    ActivateHint(Rect, AHint);
}

void THTMLHintWindow::ActivateHint(plat::TRect Rect, const std::string& AHint)
{
    SetText(AHint);
    FHint = FindHTMLHint();
    if (!FHint)
        return;
    // The window's font, which every paint starts from, is the one the text is measured in.
    Font().Assign(FHint->HintFont());
    Canvas().Font().Assign(Font());
    SetColor(FHint->GetHintColor());

    // No widest width kept: the screen's.
    const int maxWidth = HTMLHintMaxWidth() > 0 ? HTMLHintMaxWidth() : plat::TheScreen().Width();
    plat::TRect r = Rect;
    r.Right = r.Left + maxWidth - kFrameWidthPx;
    // The lines measured here are the lines Paint draws; where they are measured does not
    // matter, so at the origin, where the engine's point (0, 0) meets no line.
    TMiniHtmlResult measured;
    LayOutMiniHtml(TMiniHtmlVariant::Hint(), Canvas(),
                   HintRequest(*FHint, AHint, plat::Bounds(0, 0, r.Width(), r.Height()), true), FLayout, measured);
    FTextWidth = measured.ContentWidth + 2 * FHint->GetXMargin();
    FTextHeight = measured.ContentHeight + 2 * FHint->GetYMargin();
    r.Right = r.Left + FTextWidth + kFrameWidthPx;
    r.Bottom = r.Top + FTextHeight + kFrameHeightPx;
    r.Left = FHint->HintInfo().HintPos.X;
    r.Top = FHint->HintInfo().HintPos.Y;

    plat::TScreen& screen = plat::TheScreen();
    std::optional<plat::TMonitor> monitor = screen.MonitorNearest({r.Left, r.Top});
    if (!monitor && screen.MonitorCount() > 0)
        monitor = screen.Monitors(0);
    if (monitor) {
        const plat::TRect& m = monitor->BoundsRect;
        if (r.Right - m.Left > m.Width()) {
            r.Left = m.Left + m.Width() - r.Right + r.Left - 2;
            r.Right = r.Left + FTextWidth + kFrameWidthPx;
        }
        if (r.Bottom - m.Top > m.Height()) {
            r.Bottom = m.Top + m.Height() - 2;
            r.Top = r.Bottom - FTextHeight - kFrameHeightPx;
        }
        // Left of or above the monitor (or wider or taller than it) the hint starts inside, as
        // it ends inside on the other sides.
        if (r.Left < m.Left) {
            r.Left = m.Left + 2;
            r.Right = r.Left + FTextWidth + kFrameWidthPx;
        }
        if (r.Top < m.Top) {
            r.Top = m.Top + 2;
            r.Bottom = r.Top + FTextHeight + kFrameHeightPx;
        }
    }
    SetBoundsRect(r);
    // A window shown for a hint of the other style keeps no old shape.
    if (FHint->GetHintStyle() == hsRounded)
        plat::SetWindowRgn(*this, plat::RoundRectRegion(plat::Rect(0, 0, r.Width(), r.Height()), kCornerPx, kCornerPx),
                           true);
    else
        plat::SetWindowRgn(*this, std::nullopt, true);
    HandleNeeded();
    SetVisible(true);
    Invalidate();
}

void THTMLHintWindow::Paint()
{
    // The component may have gone since the hint was placed.
    if (!FHint || FHint != FindHTMLHint())
        return;
    plat::TCanvas& canvas = Canvas();
    const plat::TRect c = GetClientRect();
    const plat::TColor color = FHint->HintInfo().HintColor;
    if (FHint->GetHintColorTo() == plat::clNone) {
        canvas.Brush().SetStyle(plat::bsSolid);
        canvas.Brush().SetColor(color);
        canvas.FillRect(c);
    } else {
        DrawHintGradient(canvas, color, FHint->GetHintColorTo(), kGradientBands, c, false);
    }
    if (FHint->GetHintStyle() == hsRectangle) {
        DrawHintBorder(canvas, c, plat::cl3DLight, plat::cl3DDkShadow);
    } else {
        canvas.Brush().SetStyle(plat::bsClear);
        canvas.Pen().SetColor(kFrameColor);
        canvas.RoundRect(c.Left, c.Top, c.Right - 1, c.Bottom - 1, kCornerPx, kCornerPx);
    }
    // The lines as measured, in the measured width: the engine's lines start one pixel in. The
    // engine stops where the height of "gh" in a line's first font would not fit below it, so
    // there is room for that below the last line, also after a line begun in a larger font.
    int tallestGh = 8;
    for (const TMiniHtmlLine& line : FLayout.Lines)
        tallestGh = std::max(tallestGh, line.GhHeightPx);
    plat::TRect text;
    text.Left = c.Left + 4 + FHint->GetXMargin();
    text.Top = c.Top + (c.Height() - FTextHeight) / 2 + FHint->GetYMargin();
    text.Bottom = text.Top + FTextHeight + tallestGh;
    text.Right = text.Left + 1 + FTextWidth - 2 * FHint->GetXMargin();
    canvas.Brush().SetColor(color);
    TMiniHtmlResult drawn;
    RunMiniHtml(TMiniHtmlVariant::Hint(), canvas, HintRequest(*FHint, GetText(), text, false), FLayout, drawn);
}

void DrawHintBorder(plat::TCanvas& Canvas, const plat::TRect& R, plat::TColor Light, plat::TColor Dark)
{
    Canvas.Pen().SetStyle(plat::psSolid);
    Canvas.Pen().SetWidth(1);
    Canvas.Pen().SetColor(Light);
    Canvas.Polyline({{R.Left, R.Bottom - 2}, {R.Left, R.Top}, {R.Right - 1, R.Top}});
    Canvas.Pen().SetColor(Dark);
    Canvas.Polyline({{R.Left, R.Bottom - 1}, {R.Right - 1, R.Bottom - 1}, {R.Right - 1, R.Top - 1}});
}

}  // namespace skelda::foundation
