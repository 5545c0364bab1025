#pragma once

#include "pager/office/OfficeTypes.h"
#include "pager/office/TPagerTabSettings.h"

namespace skelda::pager {

// What the content of a fixed-length tab is laid out from: the tab, its measured image and text,
// the strip's settings and the close button.
struct TTabContentInputs {
    plat::TRect TabRect;
    plat::TSize ImageSize;
    plat::TSize TextSize;
    // The tab settings' fixed Width and Height: without both there is nothing to lay out.
    int TabWidth = 0;
    int TabHeight = 26;
    TImagePosition ImagePosition = ipLeft;
    plat::TAlignment Alignment = plat::taLeftJustify;
    TVezTabShape Shape = tsRectangle;
    int Rounding = 1;
    TTabPosition Position = tpTop;
    bool RotateTabLeftRight = true;
    bool Active = false;
    bool CloseOnTab = false;
    // With it, every tab carries its close button, not only the active one.
    bool ShowCloseOnNonSelectedTabs = false;
    bool CloseOnLeft = false;
    int ButtonSizePx = 18;
};

// Takes the fixed size, image position, alignment, shape and rounding from the strip's settings.
void TakeTabSettings(TTabContentInputs& Inputs, const TPagerTabSettings& Settings);

// The close button's, the image's and the text's places along a fixed-length tab. Only the
// edges along the tab are written (left and right, or top and bottom on rotated side tabs), and
// only for the parts the alignment places: centred content on every tab, right-justified content
// on rotated side tabs; the caller's values stand elsewhere.
struct TTabContentLayout {
    plat::TRect CloseRect;
    plat::TRect ImageRect;
    plat::TRect TextRect;
};

// Lays the content out in Layout; false, leaving it as it was, when the tab has no fixed size or
// is scrolled out. A close button is placed, and its room kept, with CloseOnTab on every tab that
// shows one: the active tab, or every tab with ShowCloseOnNonSelectedTabs.
bool GetTabContentLayout(const TTabContentInputs& Inputs, TTabContentLayout& Layout);

}  // namespace skelda::pager
