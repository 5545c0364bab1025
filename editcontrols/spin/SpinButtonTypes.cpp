#include "editcontrols/spin/SpinButtonTypes.h"

namespace skelda::editcontrols {

bool IsInBottomHalf(int X, int Y, int WidthPx, int HeightPx, TKvSpinButtonStyle Style)
{
    if (Style == sbsClassic)
        return Y > HeightPx / 2;
    if (WidthPx <= 0)
        return false;
    const double slope = static_cast<double>(HeightPx) / WidthPx;
    return Y > HeightPx - slope * X;
}

}  // namespace skelda::editcontrols
