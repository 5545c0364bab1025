#include "platform/graphics/EdgePainter.h"

#include "platform/graphics/CanvasFlags.h"
#include "platform/graphics/QtConversions.h"

#include <QPainter>

namespace plat {

namespace {

struct RingColors {
    TColor topLeft;
    TColor bottomRight;
};

// Colours of the outer ring (raised or sunken) and of the inner one; soft borders swap the
// top-left shades of the two rings.
RingColors OuterColors(unsigned edge, unsigned flags)
{
    if (flags & BF_MONO)
        return {clWindowFrame, clWindowFrame};
    if (flags & BF_FLAT)
        return {clBtnShadow, clBtnShadow};
    const bool soft = flags & BF_SOFT;
    if (edge & BDR_RAISEDOUTER)
        return {soft ? clBtnHighlight : cl3DLight, cl3DDkShadow};
    return {soft ? cl3DDkShadow : clBtnShadow, clBtnHighlight};
}

RingColors InnerColors(unsigned edge, unsigned flags)
{
    if (flags & BF_MONO)
        return {clWindow, clWindow};
    if (flags & BF_FLAT)
        return {clBtnFace, clBtnFace};
    const bool soft = flags & BF_SOFT;
    if (edge & BDR_RAISEDINNER)
        return {soft ? cl3DLight : clBtnHighlight, clBtnShadow};
    return {soft ? clBtnShadow : cl3DDkShadow, cl3DLight};
}

}  // namespace

bool EdgePainter::Draw(TRect& rect, unsigned edge, unsigned flags)
{
    TRect inside = rect;
    if (edge & BDR_OUTER) {
        const RingColors c = OuterColors(edge, flags);
        inside = Ring(inside, flags, c.topLeft, c.bottomRight);
    }
    if (edge & BDR_INNER) {
        const RingColors c = InnerColors(edge, flags);
        inside = Ring(inside, flags, c.topLeft, c.bottomRight);
    }
    if ((flags & BF_MIDDLE) && !inside.IsEmpty())
        Fill(inside.Left, inside.Top, inside.Width(), inside.Height(), (flags & BF_MONO) ? clWindow : clBtnFace);
    if (flags & BF_ADJUST)
        rect = inside;
    return true;
}

TRect EdgePainter::Ring(const TRect& rect, unsigned flags, TColor topLeft, TColor bottomRight)
{
    const int width = rect.Width();
    const int height = rect.Height();
    if (width <= 0 || height <= 0)
        return rect;
    if (flags & BF_TOP)
        Fill(rect.Left, rect.Top, width - ((flags & BF_RIGHT) ? 1 : 0), 1, topLeft);
    if (flags & BF_LEFT)
        Fill(rect.Left, rect.Top, 1, height - ((flags & BF_BOTTOM) ? 1 : 0), topLeft);
    if (flags & BF_BOTTOM)
        Fill(rect.Left, rect.Bottom - 1, width, 1, bottomRight);
    if (flags & BF_RIGHT)
        Fill(rect.Right - 1, rect.Top, 1, height, bottomRight);
    return {rect.Left + ((flags & BF_LEFT) ? 1 : 0), rect.Top + ((flags & BF_TOP) ? 1 : 0),
            rect.Right - ((flags & BF_RIGHT) ? 1 : 0), rect.Bottom - ((flags & BF_BOTTOM) ? 1 : 0)};
}

void EdgePainter::Fill(int left, int top, int width, int height, TColor color)
{
    if (FPainter && width > 0 && height > 0)
        FPainter->fillRect(left, top, width, height, ToQColor(color));
}

}  // namespace plat
