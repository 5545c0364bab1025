#include "grid/drawing/CellButtonDrawing.h"

#include "foundation/ColorTones.h"
#include "grid/drawing/ThemedParts.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/ThemeParts.h"

namespace skelda::grid {

using foundation::TColorTone;

namespace {

constexpr int kComboButtonWidthPx = 17;
constexpr int kSpinButtonWidthPx = 15;

plat::TColor OrNormal(plat::TColor Color, plat::TColor Normal) { return Color == plat::clNone ? Normal : Color; }

TColorTone ToneOf(const TColorTones& Tones, TCellButtonState State)
{
    const TColorTone& normal = Tones.Background;
    const TColorTone* tone = &normal;
    switch (State) {
    case TCellButtonState::Normal: break;
    case TCellButtonState::Hot: tone = &Tones.Hover; break;
    case TCellButtonState::Pressed: tone = &Tones.Selected; break;
    case TCellButtonState::Disabled: tone = &Tones.Disabled; break;
    }
    return {OrNormal(tone->BrushColor, normal.BrushColor), OrNormal(tone->BorderColor, normal.BorderColor),
            OrNormal(tone->TextColor, normal.TextColor)};
}

void SelectColors(plat::TCanvas& Canvas, plat::TColor BrushColor, plat::TColor PenColor)
{
    Canvas.Brush().SetStyle(plat::bsSolid);
    Canvas.Brush().SetColor(BrushColor);
    Canvas.Pen().SetStyle(plat::psSolid);
    Canvas.Pen().SetWidth(1);
    Canvas.Pen().SetColor(PenColor);
}

// The flat bit for Flat; Themed, where it cannot draw themed, shows the classic face.
unsigned FaceFlags(TCellButtonStyle Style) { return Style == TCellButtonStyle::Flat ? plat::DFCS_FLAT : 0u; }

unsigned InactiveFlag(TCellButtonState State)
{
    return State == TCellButtonState::Disabled ? plat::DFCS_INACTIVE : 0u;
}

int ThemedPushState(TCellButtonState State)
{
    switch (State) {
    case TCellButtonState::Normal: break;
    case TCellButtonState::Hot: return plat::PBS_HOT;
    case TCellButtonState::Pressed: return plat::PBS_PRESSED;
    case TCellButtonState::Disabled: return plat::PBS_DISABLED;
    }
    return plat::PBS_NORMAL;
}

void FrameControl(plat::TCanvas& Canvas, plat::TRect Rect, unsigned Type, unsigned State)
{
    Canvas.DrawFrameControl(Rect, Type, State);
}

}  // namespace

void DrawComboButton(plat::TCanvas& Canvas, const plat::TRect& Rect, const TColorTones& Tones,
                     TCellButtonState State, TCellButtonStyle Style)
{
    plat::TRect button{Rect.Right - kComboButtonWidthPx - 2, Rect.Top + 1, Rect.Right - 2, Rect.Bottom - 1};
    const int themedState = State == TCellButtonState::Disabled ? plat::CBXS_DISABLED : plat::CBXS_NORMAL;
    if (Style == TCellButtonStyle::Themed &&
        DrawThemedPart(Canvas, "combobox", plat::CP_DROPDOWNBUTTON, themedState, button))
        return;
    if (Style != TCellButtonStyle::Tones) {
        FrameControl(Canvas, button, plat::DFC_SCROLL,
                     plat::DFCS_SCROLLCOMBOBOX | InactiveFlag(State) | FaceFlags(Style));
        return;
    }
    button.Left += 3;
    const TColorTone tone = ToneOf(Tones, State);
    SelectColors(Canvas, tone.BrushColor, tone.BrushColor);
    Canvas.Rectangle(button);
    Canvas.Pen().SetColor(Tones.Background.BorderColor);
    Canvas.MoveTo(button.Left + 1, button.Top);
    Canvas.LineTo(button.Left + 1, button.Bottom);
    SelectColors(Canvas, Tones.Background.TextColor, Tones.Background.TextColor);
    const int left = button.Left;
    const int top = button.Top;
    Canvas.Polygon({{left + 5, top + 8}, {left + 11, top + 8}, {left + 8, top + 11}});
}

void DrawEditButton(plat::TCanvas& Canvas, const plat::TRect& Rect, const TColorTones& Tones,
                    TCellButtonState State, TCellButtonStyle Style)
{
    if (Style == TCellButtonStyle::Tones) {
        const TColorTone tone = ToneOf(Tones, State);
        SelectColors(Canvas, tone.BrushColor, tone.BorderColor);
        Canvas.Rectangle(Rect);
        return;
    }
    if (Style == TCellButtonStyle::Themed &&
        DrawThemedPart(Canvas, "button", plat::BP_PUSHBUTTON, ThemedPushState(State), Rect))
        return;
    unsigned state = plat::DFCS_BUTTONPUSH | FaceFlags(Style);
    switch (State) {
    case TCellButtonState::Normal: break;
    case TCellButtonState::Hot: state |= plat::DFCS_HOT; break;
    case TCellButtonState::Pressed: state |= plat::DFCS_PUSHED; break;
    case TCellButtonState::Disabled: state |= plat::DFCS_INACTIVE; break;
    }
    FrameControl(Canvas, Rect, plat::DFC_BUTTON, state);
}

void DrawSpinButtons(plat::TCanvas& Canvas, const plat::TRect& Rect, const TColorTones& Tones,
                     TCellButtonState State, TCellButtonStyle Style)
{
    const plat::TRect block{Rect.Right - kSpinButtonWidthPx - 1, Rect.Top, Rect.Right - 1, Rect.Bottom - 1};
    const int middle = block.Top + block.Height() / 2;
    const plat::TRect up{block.Left, block.Top, block.Right, middle};
    const plat::TRect down{block.Left, middle + 1, block.Right, block.Bottom};
    if (Style == TCellButtonStyle::Themed) {
        const bool disabled = State == TCellButtonState::Disabled;
        if (DrawThemedPart(Canvas, "spin", plat::SPNP_UP, disabled ? plat::UPS_DISABLED : plat::UPS_NORMAL, up) &&
            DrawThemedPart(Canvas, "spin", plat::SPNP_DOWN, disabled ? plat::DNS_DISABLED : plat::DNS_NORMAL, down))
            return;
    }
    if (Style != TCellButtonStyle::Tones) {
        const unsigned flags = InactiveFlag(State) | FaceFlags(Style);
        FrameControl(Canvas, up, plat::DFC_SCROLL, plat::DFCS_SCROLLUP | flags);
        FrameControl(Canvas, down, plat::DFC_SCROLL, plat::DFCS_SCROLLDOWN | flags);
        return;
    }
    const TColorTone tone = ToneOf(Tones, State);
    SelectColors(Canvas, tone.BrushColor, tone.BorderColor);
    Canvas.Rectangle(up);
    Canvas.Rectangle(down);
    SelectColors(Canvas, plat::clBlack, plat::clBlack);
    const int left = block.Left;
    Canvas.Polygon({{left + 5, up.Top + 5}, {left + 9, up.Top + 5}, {left + 7, up.Top + 3}});
    Canvas.Polygon({{left + 5, middle + 2}, {left + 9, middle + 2}, {left + 7, middle + 4}});
}

}  // namespace skelda::grid
