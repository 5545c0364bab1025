#pragma once

#include "pager/office/OfficeTypes.h"

namespace plat {
class TCanvas;
}

namespace skelda::pager {

enum TInsertButtonState { ibsNormal = 0, ibsHot = 1, ibsPressed = 2 };

// What the insert button is drawn from: its box and state, and the tabs' outline so that its
// corner matches theirs (a ramp on the side the tabs' ramp runs out).
struct TInsertButtonRequest {
    plat::TRect Rect;
    TInsertButtonState State = ibsNormal;
    TVezTabShape Shape = tsRectangle;
    int Rounding = 1;
    TTabPosition Position = tpTop;
};

// A translucent antialiased outline with a plus sign across it; the sign's stroke is a quarter
// of the box's smaller side (at least 4 pixels), its arms 6 pixels shorter than that side.
void PaintInsertButton(plat::TCanvas& Canvas, const TInsertButtonRequest& Request);

}  // namespace skelda::pager
