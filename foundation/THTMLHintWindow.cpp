#include "foundation/THTMLHintWindow.h"

#include "foundation/MiniHtmlDraw.h"
#include "foundation/THTMLHint.h"
#include "platform/controls/core/WindowRegion.h"
#include "platform/controls/forms/TScreen.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TFont.h"
#include "platform/system/Environment.h"
#include "platform/system/PlatformInformation.h"

namespace skelda::foundation {

namespace {

// Room the window keeps around the text: 4 pixels on each side and the frame.
constexpr int kFrameWidthPx = 16;
constexpr int kFrameHeightPx = 4;
constexpr int kCornerPx = 16;
constexpr int kGradientBands = 48;
constexpr plat::TColor kShadowColor = 0x808080;
constexpr plat::TColor kFrameColor = 0x808080;

// Measures (SizeOnly) or draws the hint text with the component's settings.
void DrawHintText(plat::TCanvas& Canvas, const THTMLHint& Hint, const std::string& Text, const plat::TRect& Bounds,
                  bool SizeOnly, int& Width, int& Height)
{
    std::string link, plain, focused;
    int linkTotal = 0, linkIndex = -1;
    plat::TRect linkRect{};
    MiniHtmlDrawHint(Canvas, Text, Bounds, Hint.GetImages(), 0, 0, -1, -1,
                     SizeOnly ? 1 : Hint.GetShadowOffset(), false, SizeOnly, false, false, true, false,
                     !Hint.GetEllipsis(), 1.0, Hint.GetURLColor(), plat::clNone, plat::clNone,
                     SizeOnly ? kShadowColor : Hint.GetShadowColor(), link, plain, focused, Width, Height,
                     linkTotal, linkIndex, linkRect, &Hint.PictureCache(), Hint.GetPictureContainer(),
                     Hint.GetLineSpacing(), 0);
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
    Canvas().Font().Assign(FHint->HintFont());
    SetColor(FHint->GetHintColor());

    // No widest width kept: the screen's.
    const int maxWidth = HTMLHintMaxWidth() > 0 ? HTMLHintMaxWidth() : plat::TheScreen().Width();
    plat::TRect r = Rect;
    r.Right = r.Left + maxWidth - kFrameWidthPx;
    int width = 0, height = 0;
    DrawHintText(Canvas(), *FHint, AHint, r, true, width, height);
    FTextWidth = width + 2 * FHint->GetXMargin();
    FTextHeight = height + 2 * FHint->GetYMargin();
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
    plat::TRect text;
    text.Left = c.Left + 4 + FHint->GetXMargin();
    text.Top = c.Top + (c.Height() - FTextHeight) / 2 + FHint->GetYMargin();
    text.Bottom = text.Top + FTextHeight + 8;
    text.Right = c.Right - 4;
    canvas.Brush().SetColor(color);
    int width = 0, height = 0;
    DrawHintText(canvas, *FHint, GetText(), text, false, width, height);
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
