#pragma once

#include "pager/office/OfficeTypes.h"

namespace plat {
class TBitmap;
class TCanvas;
}

namespace skelda::pager {

class TGradientBackground;

// The strip's rectangle stretched over the client area towards the pages, the area the strip's
// background covers.
plat::TRect TabStripPaintRect(const plat::TRect& StripRect, const plat::TRect& ClientRect, TTabPosition Position);

// The strip's background: bands from Color to ColorTo (left to right when horizontal), one flat
// colour when ColorTo is clNone, nothing when Color is clNone.
void PaintTabStripBackground(plat::TCanvas& Canvas, const plat::TRect& Rect, const TGradientBackground& Background);

// Whether the pager's button area shows any button whose background the tabs must spare.
struct TButtonAreaInputs {
    bool ScrollerVisible = false;
    bool PageListButton = false;
    bool ClosedListButton = false;
    bool AnyPageClosed = false;
    bool CloseButton = false;
    bool CloseOnTab = false;
};
bool ButtonAreaInUse(const TButtonAreaInputs& Inputs);

// Copies the buttons area of the canvas into Backdrop, sized to it, before the tabs are drawn,
// so that a tab reaching into the area can give its background back.
void CaptureButtonsBackground(plat::TCanvas& Canvas, const plat::TRect& ButtonsRect, plat::TBitmap& Backdrop);

}  // namespace skelda::pager
