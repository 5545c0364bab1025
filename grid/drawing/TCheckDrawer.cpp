#include "grid/drawing/TCheckDrawer.h"

#include "grid/drawing/ThemedParts.h"
#include "platform/core/TStrings.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/ThemeParts.h"
#include "platform/system/MathRoutines.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace skelda::grid {

namespace {

// The bitmap styles' radio buttons and every non-frame-control button are this large.
constexpr int kButtonPx = 16;
constexpr plat::TColor kBorlandGrey = plat::clGray;

// The frame-control painter has no three-state kind; a pushed, checked box (the tick on the
// button face) is the classic greyed look.
constexpr unsigned kGreyedCheck = plat::DFCS_CHECKED | plat::DFCS_PUSHED;

// Without the desktop's theme the themed look is the classic one.
TControlStyle Drawable(TControlStyle Style)
{
    return Style == csTheme && !ThemedControlsAvailable() ? csClassic : Style;
}

int ThemedCheckState(bool Checked, bool Greyed, bool Active)
{
    if (Greyed)
        return Active ? plat::CBS_MIXEDNORMAL : plat::CBS_MIXEDDISABLED;
    if (Checked)
        return Active ? plat::CBS_CHECKEDNORMAL : plat::CBS_CHECKEDDISABLED;
    return Active ? plat::CBS_UNCHECKEDNORMAL : plat::CBS_UNCHECKEDDISABLED;
}

int ThemedRadioState(bool Checked, bool Active)
{
    if (Checked)
        return Active ? plat::RBS_CHECKEDNORMAL : plat::RBS_CHECKEDDISABLED;
    return Active ? plat::RBS_UNCHECKEDNORMAL : plat::RBS_UNCHECKEDDISABLED;
}

bool IsPictureStyle(TControlStyle Style) { return Style == csWinXP || Style == csZOR || Style == csGlyph; }

int ScaledPx(double Scale, int SizePx)
{
    const double scaled = Scale * SizePx;
    return std::isfinite(scaled) ? static_cast<int>(plat::Round(scaled)) : SizePx;
}

}  // namespace

TCheckDrawer::TCheckDrawer(plat::TCanvas& Canvas, const TCheckLook& Look) : FCanvas(Canvas), FLook(Look) {}

void TCheckDrawer::DrawCheck(const plat::TRect& Rect, bool Checked, TCheckBoxState TriStateValue, bool TriState,
                             TControlStyle Style, bool Greyed, bool Enabled)
{
    const bool active = Enabled || FLook.GetNoDisabledCheckRadioLook() || FLook.GetCheckAlwaysActive();
    const bool checked = TriState ? TriStateValue == cbChecked : Checked;
    const bool greyed = Greyed || (TriState && TriStateValue == cbGrayed);
    const int sizePx = FLook.GetCheckSize();
    const plat::TRect atTopLeft = plat::Bounds(Rect.Left, Rect.Top, sizePx, sizePx);
    const unsigned inactive = active ? 0u : plat::DFCS_INACTIVE;
    switch (const TControlStyle style = Drawable(Style)) {
    case csClassic:
    case csFlat:
        DrawFrameCheck(Rect, checked, greyed, inactive | (style == csFlat ? plat::DFCS_FLAT : 0u));
        break;
    case csWinXP:
    case csZOR:
        DrawFrameButton(atTopLeft, plat::DFCS_BUTTONCHECK | plat::DFCS_FLAT | inactive | (checked ? plat::DFCS_CHECKED : 0u));
        break;
    case csBorland:
        DrawBorlandCheck(atTopLeft, checked, active);
        break;
    case csGlyph:
        DrawGlyph(Rect.Left, Rect.Top, checked ? FLook.CheckedGlyph() : FLook.UnCheckedGlyph());
        break;
    case csTheme:
        if (!DrawThemedPart(FCanvas, "button", plat::BP_CHECKBOX, ThemedCheckState(checked, greyed, active),
                            atTopLeft))
            DrawFrameCheck(Rect, checked, greyed, inactive);
        break;
    }
}

void TCheckDrawer::DrawRadioGroup(const TRadioGroupItems& Group)
{
    if (Group.CaptionColor != plat::clNone)
        FCanvas.Font().SetColor(Group.CaptionColor);
    const bool active = !Group.Inactive || FLook.GetNoDisabledCheckRadioLook() || FLook.GetRadioAlwaysActive();
    const TControlStyle style = Drawable(Group.Style);
    const bool frameControl = style == csClassic || style == csFlat;
    const int radioPx = FLook.GetRadioSize();
    const int framePx = ScaledPx(Group.Scale, style == csFlat ? radioPx + 2 : radioPx);
    const int boxPx = frameControl ? framePx : kButtonPx;
    const int stepPx = frameControl ? radioPx : kButtonPx;
    const int direction = Group.BottomUp ? -1 : 1;
    const int textHeightPx = FCanvas.TextHeight("gh");
    const int lineHeightPx = frameControl ? textHeightPx : std::max(kButtonPx, textHeightPx);
    const plat::TRect& r = Group.Rect;
    int captionsWidthPx = 0;
    for (int i = 1; i <= Group.Count; ++i) {
        std::optional<std::string> caption;
        if (Group.Captions && i - 1 < Group.Captions->Count())
            caption = Group.Captions->GetStrings(i - 1);
        const bool checked = i == Group.CheckedIndex + 1 || (Group.CheckedIndex == -1 && caption && *caption == Group.CellText);
        const int lineTop = r.Top + (i - 1) * lineHeightPx * direction;
        plat::TPoint box;
        plat::TPoint captionAt;
        if (Group.Horizontal) {
            box = {r.Left + captionsWidthPx + (i - 1) * stepPx + 2, r.Top + (r.Height() - stepPx) / 2};
            const int captionOffsetPx = frameControl ? ScaledPx(Group.Scale, radioPx) : kButtonPx;
            captionAt = {box.X + captionOffsetPx, IsPictureStyle(style) ? box.Y + 1 : box.Y - 2};
        } else {
            box = {caption ? r.Left + 2 : r.Left + (r.Width() - boxPx) / 2, lineTop + 2};
            if (frameControl)
                captionAt = {box.X + ScaledPx(Group.Scale, radioPx + 4), lineTop};
            else
                captionAt = IsPictureStyle(style) ? plat::TPoint{r.Left + 18, box.Y + 1} : plat::TPoint{r.Left + 20, lineTop};
        }
        const plat::TRect button = plat::Bounds(box.X, box.Y, boxPx, boxPx);
        const unsigned state = plat::DFCS_BUTTONRADIO | (active ? 0u : plat::DFCS_INACTIVE) | (checked ? plat::DFCS_CHECKED : 0u);
        switch (style) {
        case csClassic:
        case csFlat:
            DrawFrameButton(button, style == csFlat ? state | plat::DFCS_FLAT : state);
            break;
        case csWinXP:
        case csZOR:
            DrawFrameButton(button, state | plat::DFCS_FLAT);
            break;
        case csBorland:
            DrawBorlandRadio(button, checked);
            break;
        case csGlyph:
            DrawGlyph(box.X, box.Y, checked ? FLook.RadioOnGlyph() : FLook.RadioOffGlyph());
            break;
        case csTheme:
            if (!DrawThemedPart(FCanvas, "button", plat::BP_RADIOBUTTON, ThemedRadioState(checked, active), button))
                DrawFrameButton(button, state);
            break;
        }
        if (!caption)
            continue;
        // Choosing a solid brush for a button made the background opaque again.
        FCanvas.SetBkMode(plat::TRANSPARENT);
        FCanvas.TextOut(captionAt.X, captionAt.Y, *caption);
        if (Group.Horizontal)
            captionsWidthPx += FCanvas.TextWidth(*caption);
    }
}

void TCheckDrawer::DrawFrameCheck(const plat::TRect& Rect, bool Checked, bool Greyed, unsigned Flags)
{
    const int sizePx = FLook.GetCheckSize();
    const plat::TRect centred = plat::Bounds(Rect.Left + (Rect.Width() - sizePx) / 2,
                                             Rect.Top + (Rect.Height() - sizePx) / 2, sizePx, sizePx);
    unsigned state = plat::DFCS_BUTTONCHECK | Flags;
    if (Checked)
        state |= plat::DFCS_CHECKED;
    if (Greyed)
        state |= kGreyedCheck;
    DrawFrameButton(centred, state);
}

void TCheckDrawer::DrawFrameButton(const plat::TRect& Box, unsigned State)
{
    plat::TRect box = Box;
    FCanvas.DrawFrameControl(box, plat::DFC_BUTTON, State);
}

void TCheckDrawer::DrawBorlandCheck(const plat::TRect& Box, bool Checked, bool Active)
{
    FCanvas.Brush().SetStyle(plat::bsSolid);
    FCanvas.Brush().SetColor(Active ? plat::clBtnFace : plat::clBtnShadow);
    FCanvas.Pen().SetStyle(plat::psSolid);
    FCanvas.Pen().SetWidth(1);
    FCanvas.Pen().SetColor(plat::clBtnFace);
    FCanvas.Rectangle(Box);
    const int right = Box.Right - 1;
    const int bottom = Box.Bottom - 1;
    FCanvas.Pen().SetColor(plat::clBtnHighlight);
    FCanvas.MoveTo(Box.Left, bottom);
    FCanvas.LineTo(Box.Left, Box.Top);
    FCanvas.LineTo(right, Box.Top);
    FCanvas.Pen().SetColor(plat::clBtnShadow);
    FCanvas.LineTo(right, bottom);
    FCanvas.LineTo(Box.Left, bottom);
    if (!Checked)
        return;
    // Two strokes, each drawn twice one pixel apart: three pixels down from the left, then up
    // to the right at the same slope.
    const int sizePx = Box.Width();
    const int riseStartY = Box.Top + sizePx / 2 + 3;
    FCanvas.Pen().SetColor(Active ? FLook.GetColor() : kBorlandGrey);
    for (int thicknessPx = 0; thicknessPx < 2; ++thicknessPx) {
        FCanvas.MoveTo(Box.Left + 2, Box.Top + sizePx / 2 + thicknessPx);
        FCanvas.LineTo(Box.Left + 5, riseStartY + thicknessPx);
        FCanvas.LineTo(Box.Right - 3, riseStartY + thicknessPx - (sizePx - 8));
    }
}

void TCheckDrawer::DrawBorlandRadio(const plat::TRect& Box, bool Checked)
{
    const plat::TColor brushColor = FCanvas.Brush().GetColor();
    const int l = Box.Left;
    const int t = Box.Top;
    const plat::TPoint left{l + 2, t + 8};
    const plat::TPoint top{l + 8, t + 2};
    const plat::TPoint right{l + 14, t + 8};
    const plat::TPoint bottom{l + 8, t + 14};
    FCanvas.Brush().SetStyle(plat::bsSolid);
    FCanvas.Brush().SetColor(plat::clBtnFace);
    FCanvas.Pen().SetStyle(plat::psSolid);
    FCanvas.Pen().SetWidth(1);
    FCanvas.Pen().SetColor(plat::clBtnFace);
    FCanvas.Polygon({left, top, right, bottom});
    // Lit from the upper left when raised (unchecked), from the lower right when pressed.
    FCanvas.Pen().SetColor(Checked ? kBorlandGrey : plat::clWhite);
    FCanvas.MoveTo(bottom.X, bottom.Y);
    FCanvas.LineTo(left.X, left.Y);
    FCanvas.LineTo(top.X, top.Y);
    FCanvas.Pen().SetColor(Checked ? plat::clWhite : kBorlandGrey);
    FCanvas.LineTo(right.X, right.Y);
    FCanvas.LineTo(bottom.X, bottom.Y);
    if (Checked) {
        FCanvas.Brush().SetColor(FLook.GetColor());
        FCanvas.Pen().SetColor(FLook.GetColor());
        FCanvas.Polygon({{l + 6, t + 8}, {l + 8, t + 6}, {l + 10, t + 8}, {l + 8, t + 10}});
    }
    FCanvas.Brush().SetColor(brushColor);
}

void TCheckDrawer::DrawGlyph(int X, int Y, const plat::TBitmap& Glyph)
{
    if (Glyph.GetEmpty())
        return;
    // Drawn through a copy so that the look's own glyph keeps its transparency setting.
    plat::TBitmap picture;
    picture.Assign(Glyph);
    picture.SetTransparent(true);
    FCanvas.Draw(X, Y, &picture);
}

}  // namespace skelda::grid
