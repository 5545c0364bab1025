#include "pager/office/TabContent.h"

#include "foundation/TGDIPPicture.h"
#include "pager/glow/GlowTextMeasurer.h"
#include "pager/glow/PagerGlowVariants.h"
#include "pager/office/TabCaption.h"
#include "pager/office/TabLook.h"
#include "platform/core/RectOps.h"
#include "platform/core/Utf8.h"
#include "platform/graphics/CanvasFlags.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TFont.h"
#include "platform/graphics/TImageList.h"

#include <algorithm>

namespace skelda::pager {

namespace {

plat::TSize MeasureLine(plat::TCanvas& Canvas, const std::string& Text, const IGlowTextMeasurer* Measurer)
{
    plat::TRect box = plat::Rect(0, 0, 1000, 100);
    MeasurerOrSystem(Measurer).CalcTextGdi(Canvas, Text, box, plat::DT_CALCRECT | plat::DT_SINGLELINE);
    return {box.Right, box.Bottom};
}

// Which way a tab reads: across (top, bottom), turned on a side, or across on a side.
struct TTabSides {
    bool Horizontal, RotatedLeft, RotatedRight, UnrotatedSide;
};

TTabSides SidesOf(const TTabContentRequest& Q)
{
    const bool side = Q.Position == tpLeft || Q.Position == tpRight;
    return {!side, side && Q.RotateTabLeftRight && Q.Position == tpLeft,
            side && Q.RotateTabLeftRight && Q.Position == tpRight, side && !Q.RotateTabLeftRight};
}

// How far a close button on the start side pushes the text along the tab; a tab that only
// shows its close button when active keeps half that room when inactive.
int StartCloseShift(const TTabContentRequest& Q, plat::TAlignment Alignment)
{
    const bool closable = Q.ShowClose && Q.CloseButton && Q.CloseOnTab;
    const bool startSide = Q.CloseOnLeft && Alignment != plat::taCenter;
    if (!Q.ShowCloseOnNonSelectedTabs) {
        if (!Q.Active && closable)
            return (Q.ButtonSizePx + 4) / 2;
        if (Q.Active && closable && startSide)
            return Q.ButtonSizePx + 4;
        return 0;
    }
    return closable && startSide ? Q.ButtonSizePx + 4 : 0;
}

// The text's box before the image takes its part.
plat::TRect TextBox(const TTabContentRequest& Q, const TTabSides& T, const plat::TRect& C)
{
    const TPagerTabSettings& S = *Q.Settings;
    plat::TRect X = C;
    if (T.Horizontal || T.RotatedRight) {
        const int shift = StartCloseShift(Q, S.GetAlignment());
        if (T.Horizontal)
            X.Left = C.Left + S.GetLeftMargin() + shift + (Q.ShowCheckBox ? 20 : 0);
        else
            X.Top = C.Top + S.GetLeftMargin() + shift + (Q.ShowCheckBox ? 20 : 0);
        return X;
    }
    if (T.RotatedLeft) {
        X.Bottom = C.Bottom - S.GetLeftMargin() - StartCloseShift(Q, S.GetAlignment()) - (Q.ShowCheckBox ? 25 : 0);
        return X;
    }
    // Unrotated side tabs read as top tabs; the right ones keep clear of the page's edge.
    X.Left = C.Left + S.GetLeftMargin() + (Q.Position == tpRight ? 3 : 0);
    if (Q.CloseButton && Q.CloseOnTab && Q.ShowClose) {
        const bool endSide = !Q.CloseOnLeft && (S.GetWidth() < 1 || S.GetAlignment() != plat::taCenter);
        if (!Q.ShowCloseOnNonSelectedTabs && Q.Active && Q.CloseOnLeft && S.GetAlignment() != plat::taCenter)
            X.Left += Q.ButtonSizePx + (Q.Position == tpRight ? 5 : 4);
        if ((Q.ShowCloseOnNonSelectedTabs || Q.Active) && endSide)
            X.Right -= Q.ButtonSizePx + 4;
    }
    if (Q.ShowCheckBox)
        X.Left += 20;
    return X;
}

struct TImagePlace {
    int X = 0, Y = 0;
};

// Where the image goes, taking its room from the text's box X.
TImagePlace PlaceImage(const TTabContentRequest& Q, const TTabSides& T, const plat::TRect& C, plat::TRect& X,
                       const TTabContentLayout& L, plat::TSize ImageSize, plat::TCanvas& Canvas)
{
    const TPagerTabSettings& S = *Q.Settings;
    const int W = ImageSize.cx, H = ImageSize.cy;
    const int u = X.Left, t = X.Top;
    const int cx = C.Left + (C.Width() - W) / 2;
    const int cy = C.Top + (C.Height() - H) / 2;
    const bool centred = S.GetWidth() > 0 && S.GetAlignment() == plat::taCenter;
    const bool list = !Q.Image.HasPicture();
    const bool closeOnThisTab = Q.CloseButton && Q.CloseOnTab && Q.ShowClose &&
                                (Q.Active || Q.ShowCloseOnNonSelectedTabs);
    TImagePlace p;
    const TImagePosition where = S.GetImagePosition();
    if (T.Horizontal) {
        switch (where) {
        case ipLeft:
            p = {centred ? L.ImageRect.Left : (list ? X.Left : u + 2), cy};
            X.Left = u + W + 2;
            break;
        case ipTop:
            p = {cx, t + S.GetStartMargin()};
            X.Top = t + H;
            break;
        case ipRight:
            p.X = centred ? L.ImageRect.Left : X.Right - W - S.GetRightMargin();
            X.Right = p.X - 2;
            if (closeOnThisTab && !Q.CloseOnLeft && (S.GetWidth() < 1 || S.GetAlignment() != plat::taCenter))
                p.X -= Q.ButtonSizePx;
            if (Q.ShowCheckBox)
                p.X -= 25;
            p.Y = cy;
            break;
        case ipBottom:
            p = {cx, X.Bottom - H - S.GetStartMargin()};
            X.Bottom -= H;
            break;
        }
    } else if (T.RotatedLeft) {
        switch (where) {
        case ipLeft:
            p = {cx, centred ? L.ImageRect.Top : X.Bottom - H};
            X.Bottom = p.Y - 2;
            break;
        case ipTop:
            p = {u, cy};
            X.Left = u + W;
            break;
        case ipRight:
            p = {cx, centred ? L.ImageRect.Top : t + S.GetRightMargin()};
            X.Top = p.Y + 2;
            break;
        case ipBottom:
            p = {X.Right - W, cy};
            X.Right -= W;
            break;
        }
    } else if (T.RotatedRight) {
        switch (where) {
        case ipLeft:
            p = {cx, centred ? L.ImageRect.Top : t};
            X.Top = t + H + 2;
            break;
        case ipTop:
            p = {X.Right - W, cy};
            X.Right -= W;
            break;
        case ipRight:
            p = {cx, centred ? L.ImageRect.Top : X.Bottom - H - S.GetRightMargin()};
            X.Bottom = p.Y - 2;
            break;
        case ipBottom:
            p = {u, cy};
            X.Left = u + W;
            break;
        }
    } else {
        const bool left = Q.Position == tpLeft;
        switch (where) {
        case ipLeft:
            p = {centred ? L.ImageRect.Left : (left && list ? u + 2 : X.Left), cy};
            X.Left = u + W + 2;
            break;
        case ipTop:
            p = {cx, t};
            X.Top = t + H;
            break;
        case ipRight:
            if (left)
                p.X = centred ? L.ImageRect.Left : X.Right - W - S.GetRightMargin();
            else
                p.X = centred && list ? L.ImageRect.Left : X.Right - W;
            X.Right = p.X - 2;
            p.Y = cy;
            break;
        case ipBottom:
            p.X = cx;
            if (left && list) {
                // The image sits in the middle of the room the text's line leaves below it.
                plat::TRect gh = plat::Rect(0, 0, 1000, 100);
                const int th = MeasurerOrSystem(Q.Measurer).CalcTextGdi(Canvas, "gh", gh, plat::DT_CALCRECT |
                                                                                         plat::DT_SINGLELINE);
                const int m = X.Bottom - X.Top - th - H;
                p.Y = X.Bottom - H - m / 2;
                X.Bottom -= H + 4;
            } else {
                p.Y = X.Bottom - H;
                X.Bottom -= H;
            }
            break;
        }
    }
    return p;
}

// A picture placed above or below the text follows where the text landed.
void FollowText(const TTabContentRequest& Q, const TTabSides& T, const plat::TRect& X, const plat::TRect& Dt,
                plat::TSize ImageSize, TImagePlace& P)
{
    const int W = ImageSize.cx, H = ImageSize.cy;
    const TImagePosition where = Q.Settings->GetImagePosition();
    if (T.Horizontal) {
        if (where == ipTop)
            P.Y = std::max(4, Dt.Top - H - 2);
        else if (where == ipBottom)
            P.Y = std::min(Dt.Bottom + 2, X.Bottom);
    } else if (T.RotatedLeft) {
        if (where == ipTop)
            P.X = std::max(4, Dt.Left - W - 2);
        else if (where == ipBottom)
            P.X = std::max(4, Dt.Right + 2);
    } else if (T.RotatedRight) {
        if (where == ipTop)
            P.X = std::max(4, Dt.Right + 2);
        else if (where == ipBottom)
            P.X = std::max(4, Dt.Left - W - 2);
    } else {
        if (where == ipTop)
            P.Y = std::max(4, Dt.Top - H - 2);
        else if (where == ipRight)
            P.X = Dt.Right + 4;
        else if (where == ipBottom)
            P.Y = std::max(4, Dt.Bottom + 2);
    }
}

int RampInset(const TTabContentRequest& Q, const TTabSides& T, bool LeftSide)
{
    const TPagerTabSettings& S = *Q.Settings;
    const TVezTabShape shape = S.GetShape();
    const bool ramp = LeftSide ? (shape == tsLeftRamp || shape == tsLeftRightRamp)
                               : (shape == tsRightRamp || shape == tsLeftRightRamp);
    const bool shaped = !UsesStandardTabLook(shape, S.GetRounding(), Q.Position, Q.RotateTabLeftRight);
    return ramp && shaped && !T.UnrotatedSide ? S.GetRounding() * 2 + 5 : 0;
}

TCaptionAlignment AlignmentCode(plat::TAlignment Alignment)
{
    return Alignment == plat::taRightJustify ? caFar : (Alignment == plat::taCenter ? caCentre : caNear);
}

}  // namespace

bool TTabImage::HasPicture() const
{
    return Picture && !Picture->GetEmpty();
}

bool TTabImage::HasListImage() const
{
    return !HasPicture() && Images && ImageIndex >= 0;
}

plat::TSize TTabImage::Size() const
{
    if (HasPicture()) {
        Picture->GetImageSizes();
        return {Picture->GetWidth(), Picture->GetHeight()};
    }
    if (HasListImage())
        return {Images->GetWidth(), Images->GetHeight()};
    return {0, 0};
}

TTabImage ChooseTabImage(foundation::TGDIPPicture* Picture, foundation::TGDIPPicture* DisabledPicture,
                         const plat::TImageList* Images, const plat::TImageList* DisabledImages, int ImageIndex,
                         bool ControlEnabled, bool TabEnabled)
{
    TTabImage image;
    const bool usePicture = ControlEnabled || !DisabledPicture || DisabledPicture->GetEmpty();
    image.Picture = usePicture ? Picture : DisabledPicture;
    if (image.HasPicture() || (!Images && !DisabledImages) || ImageIndex < 0)
        return image;
    image.ImageIndex = ImageIndex;
    if (TabEnabled) {
        image.Images = Images;
        image.Enabled = true;
    } else {
        image.Images = DisabledImages ? DisabledImages : Images;
        image.Enabled = false;
    }
    return image;
}

plat::TSize GetTabTextSize(plat::TCanvas& Canvas, const plat::TFont& Font, const std::string& Caption,
                           const std::string& WideCaption, foundation::TAntiAlias AntiAlias,
                           const IGlowTextMeasurer* Measurer)
{
    if (Caption.empty() && WideCaption.empty())
        return {0, 0};
    plat::TFont kept;
    kept.Assign(Canvas.Font());
    Canvas.Font().Assign(Font);
    plat::TSize size;
    if (!Caption.empty()) {
        size = MeasureLine(Canvas, Caption, Measurer);
        if (AntiAlias == foundation::aaNone || AntiAlias == foundation::aaClearType)
            size.cx += plat::Utf8Length(Caption) / 3;
    } else {
        size = MeasureLine(Canvas, WideCaption, Measurer);
        size.cx += plat::Utf8Length(WideCaption);
    }
    Canvas.Font().Assign(kept);
    return size;
}

TTabContentPlacement DrawTabContent(plat::TCanvas& Canvas, const TTabContentRequest& Q)
{
    TTabContentPlacement placed;
    if (!Q.Settings || !Q.Font)
        return placed;
    const TPagerTabSettings& S = *Q.Settings;
    const TTabSides T = SidesOf(Q);
    Canvas.Font().Assign(*Q.Font);
    Canvas.Font().SetColor(Q.TextColor);
    const foundation::TAntiAlias aa = Q.Glass ? foundation::aaAntiAlias : Q.AntiAlias;
    const bool ellipsis = S.GetWidth() >= 1 && !S.GetWordWrap();
    const std::string caption = Q.Caption.empty() ? Q.WideCaption : Q.Caption;

    plat::TRect C = Q.Rect;
    const int leftRamp = RampInset(Q, T, true);
    if (T.Horizontal)
        C.Left += leftRamp;
    else if (T.RotatedLeft)
        C.Bottom -= leftRamp;
    else if (T.RotatedRight)
        C.Top += leftRamp;

    // A picture's size is read from its bytes, so once.
    const plat::TSize imageSize = Q.Image.Size();
    TTabContentLayout L{};
    if (S.GetWidth() > 0) {
        TTabContentInputs in;
        in.TabRect = Q.Rect;
        in.ImageSize = imageSize;
        in.TextSize = GetTabTextSize(Canvas, *Q.Font, Q.Caption, Q.WideCaption, Q.AntiAlias, Q.Measurer);
        TakeTabSettings(in, S);
        in.Position = Q.Position;
        in.RotateTabLeftRight = Q.RotateTabLeftRight;
        in.Active = Q.Active;
        in.CloseOnTab = Q.CloseOnTab;
        in.ShowCloseOnNonSelectedTabs = Q.ShowCloseOnNonSelectedTabs;
        in.CloseOnLeft = Q.CloseOnLeft;
        in.ButtonSizePx = Q.ButtonSizePx;
        GetTabContentLayout(in, L);
    }

    plat::TRect X = TextBox(Q, T, C);
    const bool hasImage = Q.Image.HasPicture() || Q.Image.HasListImage();
    TImagePlace image;
    if (hasImage)
        image = PlaceImage(Q, T, C, X, L, imageSize, Canvas);
    if (Q.Image.HasListImage()) {
        if (Q.Glass)
            PagerPaintImageListImage(nullptr, &Canvas, {image.X, image.Y}, Q.Image.Images, Q.Image.Enabled,
                                     Q.Image.ImageIndex);
        else
            Q.Image.Images->Draw(Canvas, image.X, image.Y, Q.Image.ImageIndex, Q.Image.Enabled);
    }

    Canvas.Brush().SetStyle(plat::bsClear);
    Canvas.Font().SetColor(Q.TextColor);
    plat::TRect Dt = X;
    const TCaptionSurface surface{false, nullptr, nullptr, &Canvas, Q.Measurer};
    const bool generalMode = T.Horizontal || (T.RotatedRight && Q.AntiAlias != foundation::aaNone && S.GetWidth() < 1);
    if (generalMode || T.UnrotatedSide) {
        plat::TRect D = X;
        TCaptionAlignment code = caNear;
        const bool fixed = S.GetWidth() != 0;
        const bool stacked = S.GetImagePosition() == ipTop || S.GetImagePosition() == ipBottom;
        if (generalMode) {
            if (fixed) {
                code = S.GetAlignment() == plat::taRightJustify ? caFar : caNear;
                if (S.GetAlignment() == plat::taRightJustify)
                    D.Right -= RampInset(Q, T, false);
                else if (S.GetAlignment() == plat::taCenter)
                    D.Left = L.TextRect.Left;
            } else if (stacked) {
                code = caCentre;
            } else {
                D.Right = X.Right + 10;
            }
            if (Q.CloseOnTab && fixed && (Q.Active || Q.ShowCloseOnNonSelectedTabs) && Q.ShowClose && !Q.CloseOnLeft)
                D.Right -= Q.ButtonSizePx + 4;
        } else if (fixed) {
            code = AlignmentCode(S.GetAlignment());
            if (S.GetAlignment() == plat::taRightJustify)
                D.Right -= 3;
        } else if (stacked) {
            code = caCentre;
            if (Q.Position == tpLeft) {
                D.Left = X.Left - S.GetLeftMargin();
                D.Right -= 3;
            }
        }
        TTabCaptionRequest text;
        text.Alignment = code;
        text.Rect = D;
        text.Caption = generalMode ? TruncateTabCaption(caption, D, surface, ellipsis, Q.Position, S.GetWordWrap())
                                   : caption;
        text.Font = &Canvas.Font();
        text.Enabled = Q.Enabled;
        text.AntiAlias = aa;
        text.Position = generalMode ? Q.Position : tpTop;
        text.Ellipsis = ellipsis;
        text.WordWrap = S.GetWordWrap();
        text.Measurer = Q.Measurer;
        PaintTabCaption(Canvas, text, Dt);
        placed.TextRect = D;
        placed.Text = text.Caption;
    } else if (!caption.empty()) {
        // Rotated text goes out through the canvas, turned a quarter about its start.
        plat::TRect gh = plat::Rect(0, 0, 1000, 100);
        const int th = MeasurerOrSystem(Q.Measurer).CalcTextGdi(Canvas, "gh", gh, plat::DT_CALCRECT | plat::DT_SINGLELINE);
        const bool fromLayout = S.GetWidth() != 0 &&
                                (S.GetAlignment() == plat::taRightJustify || S.GetAlignment() == plat::taCenter);
        plat::TRect D = X;
        const std::string fitted = TruncateTabCaption(caption, X, surface, ellipsis, Q.Position, S.GetWordWrap());
        const int widthPx = MeasureLine(Canvas, fitted, Q.Measurer).cx;
        plat::TFont turned;
        turned.Assign(Canvas.Font());
        plat::TPoint at;
        if (T.RotatedLeft) {
            if (fromLayout)
                D.Bottom = L.TextRect.Bottom;
            const int tx = X.Left + (X.Width() - th) / 2;
            Dt = plat::Rect(tx, X.Bottom, tx + th, X.Bottom + widthPx);
            turned.SetOrientation(900);
            at = {tx, D.Bottom};
        } else {
            if (fromLayout)
                D.Top = L.TextRect.Top;
            const int tx = X.Right - (X.Width() - th) / 2;
            Dt = plat::Rect(tx - th, D.Top, tx, D.Top + widthPx);
            turned.SetOrientation(-900);
            at = {tx, D.Top};
        }
        plat::TFont kept;
        kept.Assign(Canvas.Font());
        Canvas.Font().Assign(turned);
        Canvas.TextOut(at.X, at.Y, fitted);
        Canvas.Font().Assign(kept);
        placed.TextRect = D;
        placed.Text = fitted;
    }

    if (Q.Image.HasPicture()) {
        FollowText(Q, T, X, Dt, imageSize, image);
        if (Q.Glass)
            PagerPaintGraphic(nullptr, &Canvas, {image.X, image.Y}, *Q.Image.Picture, true);
        else
            Canvas.Draw(image.X, image.Y, Q.Image.Picture);
    }
    placed.ImagePos = {image.X, image.Y};
    placed.ImageDrawn = hasImage;

    if (Q.ButtonsBackground && !Q.ButtonsRect.IsEmpty()) {
        // The part of the buttons' background under this tab, at the same place in the copy.
        const plat::TRect I = plat::IntersectedRect(C, Q.ButtonsRect);
        if (!I.IsEmpty()) {
            const plat::TRect source = plat::Rect(I.Left - Q.ButtonsRect.Left, I.Top - Q.ButtonsRect.Top,
                                                  I.Right - Q.ButtonsRect.Left, I.Bottom - Q.ButtonsRect.Top);
            Canvas.CopyRect(I, Q.ButtonsBackground->Canvas(), source);
        }
    }
    return placed;
}

}  // namespace skelda::pager
