// The glow button's face: its colours in each state and during fades, the face request the
// paint (and automatic sizing) draws from, and the corner pixels a rounded face gives back.

#include "pager/glow/TVezCustomGlowButton.h"

#include "foundation/GPColors.h"
#include "foundation/TGDIPPicture.h"
#include "pager/glow/GlowColors.h"
#include "pager/glow/TGlowButtonAppearance.h"
#include "platform/controls/core/ParentBackdrop.h"
#include "platform/controls/core/TCustomAction.h"
#include "platform/controls/core/TCustomActionList.h"
#include "platform/core/TStringList.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TImageList.h"
#include "platform/graphics/TRegion.h"

namespace skelda::pager {

using namespace skelda::foundation;

// The four face colours, the border and the two gradients of one state.
struct TVezCustomGlowButton::TColorSet {
    plat::TColor Color;
    plat::TColor ColorTo;
    plat::TColor Mirror;
    plat::TColor MirrorTo;
    plat::TColor Border;
    TGDIPGradient Gradient;
    TGDIPGradient GradientMirror;
};

namespace {

// Percent of the first set's colours, the rest of the second's; the gradients stay the first's.
template <typename Set>
Set Mixed(const Set& First, const Set& Second, int Percent, bool WithBorder)
{
    Set out = First;
    out.Color = MixColors(First.Color, Second.Color, Percent);
    out.ColorTo = MixColors(First.ColorTo, Second.ColorTo, Percent);
    out.Mirror = MixColors(First.Mirror, Second.Mirror, Percent);
    out.MirrorTo = MixColors(First.MirrorTo, Second.MirrorTo, Percent);
    if (WithBorder)
        out.Border = MixColors(First.Border, Second.Border, Percent);
    return out;
}

}  // namespace

TVezCustomGlowButton::TColorSet TVezCustomGlowButton::StateColors(TVezButtonState State) const
{
    const TGlowButtonAppearance& a = *FAppearance;
    switch (State) {
    case absDisabled:
        return {a.GetColorDisabled(), a.GetColorDisabledTo(), a.GetColorMirrorDisabled(),
                a.GetColorMirrorDisabledTo(), a.GetBorderColorDisabled(), a.GetGradientDisabled(),
                a.GetGradientMirrorDisabled()};
    case absDown:
        return {a.GetColorDown(), a.GetColorDownTo(), a.GetColorMirrorDown(), a.GetColorMirrorDownTo(),
                a.GetBorderColorDown(), a.GetGradientDown(), a.GetGradientMirrorDown()};
    case absExclusive:
        return {a.GetColorChecked(), a.GetColorCheckedTo(), a.GetColorMirrorChecked(), a.GetColorMirrorCheckedTo(),
                a.GetBorderColorChecked(), a.GetGradientChecked(), a.GetGradientMirrorChecked()};
    case absDropDown:
        return {a.GetColorHot(), a.GetColorHotTo(), a.GetColorMirrorHot(), a.GetColorMirrorHotTo(),
                a.GetBorderColorHot(), a.GetGradientHot(), a.GetGradientMirrorHot()};
    case absUp:
        break;
    }
    return {a.GetColor(), a.GetColorTo(), a.GetColorMirror(), a.GetColorMirrorTo(), a.GetBorderColor(),
            a.GetGradient(), a.GetGradientMirror()};
}

TGlowFaceRequest TVezCustomGlowButton::BuildFaceRequest(plat::TCanvas& Canvas, plat::TFont& FontCopy,
                                                        plat::TBitmap& Glyph)
{
    // The sets by state; absDropDown stands for the hot set, which has no state of its own.
    const TColorSet normal = StateColors(absUp);
    const TColorSet hot = StateColors(absDropDown);
    const TColorSet down = StateColors(absDown);
    const TColorSet checked = StateColors(absExclusive);
    const TColorSet disabled = StateColors(absDisabled);
    const bool enabled = GetEnabled();

    if (enabled) {
        if (FState == absDisabled)
            FState = (FDownChecked && FGroupIndex != 0) ? absExclusive : absUp;
    } else {
        FState = absDisabled;
        FDragging = false;
    }
    if (FStyle == bsCheck && FDownChecked)
        FState = absDown;

    bool hotOrDown = false;
    TColorSet set = normal;
    const bool checkLook = FState == absExclusive || (FState == absDown && FStyle == bsCheck);
    if ((FState != absDisabled && enabled) || !FShowDisabled) {
        if (FState == absDown && FStyle == bsButton) {
            set = down;
            hotOrDown = true;
        } else if (checkLook) {
            set = checked;
            const bool mix = FTimer && (FMouseInControl || (FStyle == bsButton && (FGroupIndex < 1 || FState == absDown)) ||
                                        (FMouseEnter && FStyle == bsCheck && FState == absDown));
            if (mix)
                set = Mixed(checked, down, FStepPush, false);
        } else if (FHot) {
            set = hot;
            hotOrDown = true;
        }
    } else {
        set = disabled;
    }

    if (FTimer) {
        const bool checkDown = FStyle == bsCheck && FState == absDown;
        if (!FDown && !FTransparent && FState != absExclusive && !checkDown)
            set = Mixed(hot, normal, FStepHover, true);
        else if (checkDown && FDownChecked)
            set = FMouseEnter ? Mixed(checked, down, FStepPush, false) : Mixed(down, checked, FStepPush, false);
        else if (FDown && FState != absExclusive)
            set = Mixed(down, hot, FStepPush, true);
    }

    TGlowFaceRequest q;
    q.Control = this;
    q.Canvas = &Canvas;
    q.ClientRect = GetClientRect();

    plat::TImageList* images = FImages;
    bool imageEnabled = enabled;
    if (enabled || !FDisabledImages) {
        images = FHot && FHotImages ? FHotImages : FImages;
    } else {
        images = FDisabledImages;
        imageEnabled = true;
    }
    TGDIPPicture* picture = FIPicture.get();
    if (!enabled && !FIDisabledPicture->GetEmpty())
        picture = FIDisabledPicture.get();
    else if (FHot && !FIHotPicture->GetEmpty())
        picture = FIHotPicture.get();

    // The action's images, where the action's list has them and no list of the button's own
    // takes precedence.
    const plat::TCustomAction* action = GetAction();
    if (action && action->GetImageIndex() >= 0 && action->GetActionList()) {
        const plat::TCustomActionList& list = *action->GetActionList();
        const bool takesTheList = !FImages || FImageListType == ipActionList;
        if (list.GetImages()) {
            if (takesTheList) {
                images = list.GetImages();
                imageEnabled = enabled;
            }
            FImageIndex = action->GetImageIndex();
        }
        if (!enabled && list.GetDisabledImages() && takesTheList) {
            images = list.GetDisabledImages();
            imageEnabled = true;
            FImageIndex = action->GetImageIndex();
        }
    }

    if (FShowCaption) {
        q.Caption = GetCaption();
        q.WideCaption = FWideCaption;
    }
    q.DropDownHit = (FMouseInControl || FMouseDown) && FDropDownButton ? (FInButton ? dhDropDownPart : dhMainPart)
                                                                       : dhNone;
    if (FButtonPosition != bpStandalone && FMouseDown)
        set.Border = normal.Border;
    if ((FState == absDisabled || !enabled) && FShowDisabled)
        set = disabled;
    const bool focusShowsHot = FHasFocus && (FFocusType == ftHot || FFocusType == ftHotBorder);
    if (focusShowsHot && !FDown) {
        set = hot;
        hotOrDown = true;
    }
    if (set.Mirror == plat::clNone)
        set.Mirror = set.Color;
    if (set.MirrorTo == plat::clNone)
        set.MirrorTo = set.Color;

    FontCopy.Assign(Font());
    if (FHot)
        FontCopy.SetColor(FAppearance->GetTextColorHot());
    if (FState == absDown)
        FontCopy.SetColor(FAppearance->GetTextColorDown());
    if (!GetParentFont() && FAppearance->GetSystemFont())
        FontCopy.SetName(IsWindows6OrLater() ? "Segoe UI" : "Tahoma");

    Glyph.SetSize(1, 1);
    PrepareGlyphBitmap(Glyph);

    q.ForcedImageSize = plat::Point(0, 0);
    if (FAutoSize && FButtonSizeState < bsLarge) {
        q.ForcedImageSize = plat::Point(16, 16);
        if (images && FImageIndex >= 0)
            picture = nullptr;
        if (FButtonSizeState == bsGlyph) {
            q.Caption.clear();
            q.WideCaption.clear();
        }
    }

    q.Color = set.Color;
    q.ColorTo = set.ColorTo;
    q.ColorMirror = set.Mirror;
    q.ColorMirrorTo = set.MirrorTo;
    q.BorderColor = set.Border;
    q.Gradient = set.Gradient;
    q.GradientMirror = set.GradientMirror;
    q.DrawCaption = true;
    q.DrawImage = true;
    q.Font = &FontCopy;
    q.Images = images;
    q.ImageIndex = FImageIndex;
    q.ImageEnabled = imageEnabled;
    q.Layout = FLayout;
    q.DropDownButton = FDropDownButton;
    q.HotOrDown = hotOrDown;
    q.Enabled = enabled;
    q.FocusOutline = ShowsFocusBorder();
    q.DropDownPosition = FDropDownPosition;
    q.Picture = picture;
    q.AntiAlias = FAntiAlias;
    q.GlyphBitmap = &Glyph;
    q.TransparentLook = FStaticButton || (FTransparent && !FMouseEnter && !focusShowsHot && FState != absDown);
    q.MouseIn = FMouseEnter;
    q.Position = FButtonPosition;
    q.DropDownSplit = FDropDownSplit;
    q.SingleBorder = HasSingleBorder();
    q.OverlappedText = false;
    q.WordWrap = FWordWrap;
    q.Rounded = FRounded;
    q.ArrowDown = FDropDownDirection == ddDown;
    q.Spacing = FSpacing;
    q.Trimming = FTrimming;
    q.Notes = FNotes.get();
    q.NotesFont = FNotesFont.get();
    q.DownChecked = FDownChecked;
    q.DroppedDown = FDroppedDown;
    q.TransparentWhenHot = FAppearance->GetTranspHover() && FTransparent;
    q.GlassToolbar = false;
    q.Measurer = FMeasurer;
    return q;
}

void TVezCustomGlowButton::Paint()
{
    if (FPainting)
        return;
    FPainting = true;
    struct TClearPainting {
        bool& Flag;
        ~TClearPainting() { Flag = false; }
    } clear{FPainting};

    if (FTransparent && (FAppearance->GetTranspHover() || !FMouseEnter || FStaticButton))
        plat::PaintParentBackdrop(*this, Canvas());
    if (FDoAutoSize || (FFirstPaint && FAutoSize))
        MeasureAndResize();
    FFirstPaint = false;

    plat::TFont font;
    plat::TBitmap glyph;
    const TGlowFaceRequest request = BuildFaceRequest(Canvas(), font, glyph);
    PaintGlowButtonFace(request);
    PaintRoundedCorners();
    AfterPaintFace();
    if (OnDrawButton)
        OnDrawButton(this, Canvas(), GetClientRect(),
                     FState == absDown ? gsDown
                     : FMouseEnter     ? gsHot
                                       : gsNormal);
}

void TVezCustomGlowButton::PaintRoundedCorners()
{
    const std::vector<plat::TPoint> corners = RoundedCornerPixels();
    if (corners.empty())
        return;
    // The parent's backdrop once, through a clip of the corner pixels alone.
    const plat::TPoint origin = Canvas().GetViewportOrg();
    plat::TRegion region;
    for (const plat::TPoint corner : corners)
        region = region.Union(plat::TRegion(plat::Rect(corner.X, corner.Y, corner.X + 1, corner.Y + 1)));
    const plat::TRegion device = region.Offset(origin.X, origin.Y);
    const int saved = Canvas().SaveDC();
    Canvas().SelectClipRgn(&device);
    plat::PaintParentBackdrop(*this, Canvas());
    Canvas().RestoreDC(saved);
}

std::vector<plat::TPoint> TVezCustomGlowButton::RoundedCornerPixels() const
{
    const bool showsFace = !FTransparent || FMouseEnter || FState == absDown || FHot;
    if (!GetParent() || !FRounded || !showsFace || FButtonPosition == bpMiddle)
        return {};
    const int right = GetClientWidth() - 1;
    const int bottom = GetClientHeight() - 1;
    const plat::TPoint topLeft{0, 0};
    const plat::TPoint bottomLeft{0, bottom};
    const plat::TPoint topRight{right, 0};
    const plat::TPoint bottomRight{right, bottom};
    switch (FButtonPosition) {
    case bpLeft:
        return {topLeft, bottomLeft};
    case bpRight:
        return {topRight, bottomRight};
    default:
        return {topLeft, bottomLeft, topRight, bottomRight};
    }
}

}  // namespace skelda::pager
