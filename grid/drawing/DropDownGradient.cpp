#include "grid/drawing/DropDownGradient.h"

#include "grid/drawing/GradientDrawing.h"

namespace skelda::grid {

void DrawDropDownGradient(plat::TCanvas& Canvas, plat::TColor FromColor, plat::TColor ToColor, bool Horizontal,
                          const plat::TRect& Rect, int Bands)
{
    if (Bands < 2) {
        if (FromColor == plat::clNone)
            FromColor = ToColor;
        ToColor = FromColor;
    }
    DrawGradient(Canvas, FromColor, ToColor, Horizontal, Rect, Bands - 1);
}

}  // namespace skelda::grid
