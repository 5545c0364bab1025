// The glow button's size: the three size states and automatic sizing, which measures the face
// the next paint would draw.

#include "pager/glow/TVezCustomGlowButton.h"

#include "platform/graphics/TBitmap.h"

namespace skelda::pager {

void TVezCustomGlowButton::SetAutoSize(bool Value)
{
    FAutoSize = Value;
    UpdateSize();
}

void TVezCustomGlowButton::SetMarginHorz(int Value)
{
    FMarginHorz = Value;
    UpdateSize();
}

void TVezCustomGlowButton::SetMarginVert(int Value)
{
    FMarginVert = Value;
    UpdateSize();
}

void TVezCustomGlowButton::SetMaxButtonSizeState(TButtonSizeState Value)
{
    FMaxButtonSizeState = Value;
    SetButtonSizeState(Value);
}

void TVezCustomGlowButton::SetMinButtonSizeState(TButtonSizeState Value)
{
    FMinButtonSizeState = Value;
    if (FButtonSizeState < Value)
        SetButtonSizeState(Value);
}

void TVezCustomGlowButton::SetButtonSizeState(TButtonSizeState Value)
{
    if (FButtonSizeState == Value)
        return;
    if (FButtonSizeState == bsLarge) {
        FOldLayout = FLayout;
        FOldDropDownPosition = FDropDownPosition;
    }
    FButtonSizeState = Value;
    if (FAutoSize) {
        if (Value == bsLarge) {
            FLayout = FOldLayout;
            FDropDownPosition = FOldDropDownPosition;
        } else {
            FLayout = blGlyphLeft;
            FDropDownPosition = dpRight;
        }
    }
    FFirstPaint = true;
    UpdateSize();
    Repaint();
}

void TVezCustomGlowButton::UpdateSize()
{
    if (!FAutoSize) {
        Invalidate();
        return;
    }
    FDoAutoSize = true;
    Invalidate();
    if (GetParent() && !ComponentState().Contains(plat::csLoading) && HandleAllocated())
        MeasureAndResize();
    FDoAutoSize = false;
}

void TVezCustomGlowButton::MeasureAndResize()
{
    plat::TFont font;
    plat::TBitmap glyph;
    TGlowFaceRequest request = BuildFaceRequest(Canvas(), font, glyph);
    request.MeasureOnly = true;
    const plat::TPoint content = PaintGlowButtonFace(request);
    FFirstPaint = false;
    if (!FAutoSize)
        return;
    int w = 3 * FSpacing + content.X + 2 + 2 * FMarginHorz;
    int h = 2 * FSpacing + content.Y + 2 * FMarginVert;
    if (FDropDownButton)
        (FDropDownPosition == dpBottom ? h : w) += kGlowDropDownPartPx;
    if (OnSetButtonSize)
        OnSetButtonSize(this, w, h);
    if (w != GetWidth() || h != GetHeight())
        SetBounds(GetLeft(), GetTop(), w, h);
}

}  // namespace skelda::pager
