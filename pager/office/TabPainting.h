#pragma once

#include "foundation/GPTypes.h"
#include "pager/office/TabColors.h"
#include "pager/office/TabLook.h"

#include <optional>

namespace plat {
class TCanvas;
}

namespace skelda::pager {

// Everything one tab's body is painted from; the pager gathers it for each tab.
struct TDrawTabRequest {
    plat::TRect Rect;
    // The strip's tab height setting: below 1 no tab is painted.
    int TabHeight = 26;
    // The appearance in use for this tab (the page's own, the toned one or the styler's).
    const TCustomTabAppearance* Appearance = nullptr;
    TTabStateInputs State;
    TTabPosition Position = tpTop;
    bool RotateTabLeftRight = false;
    TVezTabShape Shape = tsRectangle;
    int Rounding = 1;
    bool RoundEdges = false;
    // The pager's Enabled.
    bool Enabled = true;
    foundation::TAntiAlias AntiAlias = foundation::aaClearType;
    // The page's progress; may be nil.
    const ITabProgressPainter* Progress = nullptr;
    bool Show3D = false;
    bool Shadow = false;
    bool Glass = false;
    // The active tab that carries a close button is composed off-screen and drawn in one go.
    bool ComposeOffscreen = false;
    bool ShowCheckBox = false;
    bool Checked = false;
    // The page control's Enabled, which greys a checked box.
    bool CheckBoxEnabled = true;
    plat::TRect CheckBoxRect;
    // Visual styles may draw the box (not while designing); the theme service decides whether
    // they are on.
    bool ThemedCheckBox = true;
};

// One tab's body in its state's colours, its decorations in the standard look and its check
// box. Returns the colour its text is to be drawn in, or nothing when the tab is not painted
// (no tab height, or scrolled out: both edges left of the strip).
std::optional<plat::TColor> DrawTab(plat::TCanvas& Canvas, const TDrawTabRequest& Request);

// A tab's check box: the theme's check box part when styles are on, else the classic one.
void PaintTabCheckBox(plat::TCanvas& Canvas, const plat::TRect& Rect, bool Checked, bool Enabled, bool Themed);

}  // namespace skelda::pager
