#include "pager/office/TabContentLayout.h"

#include <algorithm>

namespace skelda::pager {

namespace {

bool RightRamp(TVezTabShape Shape)
{
    return Shape == tsRightRamp || Shape == tsLeftRightRamp;
}

bool LeftRamp(TVezTabShape Shape)
{
    return Shape == tsLeftRamp || Shape == tsLeftRightRamp;
}

struct TParts {
    bool CloseLeft, CloseRight, ImageLeft, ImageRight, Text;
    int W, H, TW, BS;
};

// Along the tab from its left edge; the text may run past the end, the parts after it do not.
void AlongHorizontal(const TParts& P, const plat::TRect& T, int Free, TTabContentLayout& L)
{
    int pos = std::max(T.Left, T.Left + Free / 2);
    if (P.CloseLeft) {
        L.CloseRect.Left = pos;
        L.CloseRect.Right = pos + P.BS;
        pos = L.CloseRect.Right + 4;
    }
    if (P.ImageLeft) {
        L.ImageRect.Left = pos;
        pos += P.W + 2;
    }
    if (P.Text) {
        L.TextRect.Left = pos;
        L.TextRect.Right = pos + P.TW;
        pos = pos + P.TW < T.Right ? pos + P.TW : T.Right;
    }
    if (P.ImageRight) {
        L.ImageRect.Left = pos + 2;
        pos += P.W + 2;
    }
    if (P.CloseRight) {
        L.CloseRect.Left = pos + 4;
        L.CloseRect.Right = L.CloseRect.Left + P.BS;
    }
}

// Down the tab from its top: the content's start for right-justified text reading upwards, and
// for centred text reading downwards. Parts come in the reading order of the text.
void Downwards(const TParts& P, const plat::TRect& T, int Start, bool FirstClose, bool FirstImage,
               bool LastImage, bool LastClose, TTabContentLayout& L)
{
    int pos = Start;
    if (FirstClose) {
        L.CloseRect.Top = pos;
        L.CloseRect.Bottom = pos + P.BS;
        pos = L.CloseRect.Bottom + 4;
    }
    if (FirstImage) {
        L.ImageRect.Top = pos;
        pos += P.H + 2;
    }
    if (P.Text) {
        L.TextRect.Top = pos;
        L.TextRect.Bottom = pos + P.TW;
        pos = std::min(pos + P.TW, T.Bottom);
    }
    if (LastImage) {
        L.ImageRect.Top = pos + 2;
        pos += P.H + 2;
    }
    if (LastClose) {
        L.CloseRect.Top = pos + 4;
        L.CloseRect.Bottom = L.CloseRect.Top + P.BS;
    }
}

// Up the tab from its bottom, the mirror of Downwards.
void Upwards(const TParts& P, const plat::TRect& T, int Start, bool FirstClose, bool FirstImage, bool LastImage,
             bool LastClose, TTabContentLayout& L)
{
    int pos = Start;
    if (FirstClose) {
        L.CloseRect.Top = pos - P.BS;
        L.CloseRect.Bottom = L.CloseRect.Top + P.BS;
        pos = L.CloseRect.Top - 4;
    }
    if (FirstImage) {
        L.ImageRect.Top = pos - P.H;
        pos -= P.H + 2;
    }
    if (P.Text) {
        L.TextRect.Bottom = pos;
        L.TextRect.Top = pos - P.TW;
        pos = std::max(T.Top, pos - P.TW);
    }
    if (LastImage) {
        L.ImageRect.Top = pos - P.H - 2;
        pos = L.ImageRect.Top;
    }
    if (LastClose) {
        L.CloseRect.Bottom = pos - 4;
        L.CloseRect.Top = L.CloseRect.Bottom - P.BS;
    }
}

}  // namespace

void TakeTabSettings(TTabContentInputs& Inputs, const TPagerTabSettings& Settings)
{
    Inputs.TabWidth = Settings.GetWidth();
    Inputs.TabHeight = Settings.GetHeight();
    Inputs.ImagePosition = Settings.GetImagePosition();
    Inputs.Alignment = Settings.GetAlignment();
    Inputs.Shape = Settings.GetShape();
    Inputs.Rounding = Settings.GetRounding();
}

bool GetTabContentLayout(const TTabContentInputs& Q, TTabContentLayout& L)
{
    plat::TRect T = Q.TabRect;
    if (Q.TabHeight <= 0 || Q.TabWidth <= 0 || (T.Left < 0 && T.Right < 0))
        return false;
    const bool side = Q.Position == tpLeft || Q.Position == tpRight;
    const bool rotated = side && Q.RotateTabLeftRight;
    // A tab that shows its close button lays it out with the rest, whether or not it is active, so
    // that the button stands where the centred content left room for it.
    const bool closeHere = Q.CloseOnTab && (Q.Active || Q.ShowCloseOnNonSelectedTabs);
    const bool hasImage = Q.ImageSize.cx > 0;
    TParts P{closeHere && Q.CloseOnLeft,
             closeHere && !Q.CloseOnLeft,
             hasImage && Q.ImagePosition == ipLeft,
             hasImage && Q.ImagePosition == ipRight,
             Q.TextSize.cx > 0,
             Q.ImageSize.cx,
             Q.ImageSize.cy,
             Q.TextSize.cx,
             Q.ButtonSizePx};

    const int lengthPx = rotated ? T.Height() : T.Width();
    const int imageAlongPx = (Q.ImagePosition == ipTop || Q.ImagePosition == ipBottom) ? 0 : P.W;
    const int closePx = Q.CloseOnTab ? Q.ButtonSizePx : 0;
    const int free = lengthPx - (closeHere && closePx > 0 ? closePx + 4 : 0) - (imageAlongPx > 0 ? imageAlongPx + 2 : 0) -
                     P.TW;
    if (!rotated) {
        if (RightRamp(Q.Shape))
            T.Right -= Q.Rounding;
    } else {
        if (LeftRamp(Q.Shape))
            T.Bottom -= Q.Rounding;
        if (RightRamp(Q.Shape))
            T.Top += Q.Rounding;
    }

    const bool centre = Q.Alignment == plat::taCenter;
    const bool right = Q.Alignment == plat::taRightJustify;
    if (!rotated) {
        if (centre)
            AlongHorizontal(P, T, free, L);
    } else if (Q.Position == tpLeft) {
        if (centre || right)
            T.Bottom = std::min(T.Bottom, T.Bottom - free / 2);
        if (right)
            Downwards(P, T, T.Top, P.CloseRight, P.ImageRight, P.ImageLeft, P.CloseLeft, L);
        else if (centre)
            Upwards(P, T, T.Bottom, P.CloseLeft, P.ImageLeft, P.ImageRight, P.CloseRight, L);
    } else {
        if (right)
            Upwards(P, T, T.Bottom, P.CloseRight, P.ImageRight, P.ImageLeft, P.CloseLeft, L);
        else if (centre)
            Downwards(P, T, std::min(T.Top + free / 2, T.Bottom), P.CloseLeft, P.ImageLeft, P.ImageRight,
                      P.CloseRight, L);
    }
    return true;
}

}  // namespace skelda::pager
