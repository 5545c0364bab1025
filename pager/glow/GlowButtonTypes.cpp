#include "pager/glow/GlowButtonTypes.h"

namespace skelda::pager {

plat::TPoint ShortCutHintPlacement(TShortCutHintPos Position, plat::TPoint P, plat::TSize Button, plat::TSize Hint)
{
    const int w = Button.cx;
    const int h = Button.cy;
    const int hw = Hint.cx;
    const int hh = Hint.cy;
    const int centreX = P.X + (w - hw) / 2;
    const int leftX = P.X + 6;
    const int rightX = P.X + w - hw + 1;
    const int middleY = P.Y + (h - hh) / 2;
    const int onTopY = P.Y - hh / 2;
    const int onBottomY = P.Y + h - hh / 2;
    switch (Position) {
    case shpLeft:
        return {leftX, middleY};
    case shpTop:
    case shpAuto:
        return {centreX, onTopY};
    case shpRight:
        return {P.X + w - hw / 2, middleY};
    case shpBottom:
        return {centreX, onBottomY};
    case shpCenter:
        return {centreX, middleY};
    case shpTopLeft:
        return {leftX, onTopY};
    case shpTopRight:
        return {rightX, onTopY};
    case shpAboveTop:
        return {centreX, P.Y - hh};
    case shpAboveTopLeft:
        return {leftX, P.Y - hh};
    case shpAboveTopRight:
        return {rightX, P.Y - hh};
    case shpBottomLeft:
        return {leftX, onBottomY};
    case shpBottomRight:
        return {rightX, onBottomY};
    case shpBelowBottom:
    case shpBelowBottomCenter:
        return {centreX, P.Y + h};
    case shpBelowBottomLeft:
        return {leftX, P.Y + h};
    case shpBelowBottomRight:
        return {rightX, P.Y + h};
    }
    return {centreX, onTopY};
}

}  // namespace skelda::pager
