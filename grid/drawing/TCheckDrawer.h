#pragma once

#include "grid/drawing/TCheckLook.h"
#include "platform/core/Types.h"
#include "platform/graphics/Colors.h"

#include <string>

namespace plat {
class TBitmap;
class TCanvas;
class TStrings;
}  // namespace plat

namespace skelda::grid {

// One radio group to draw: its buttons are laid out from Rect's top-left, side by side when
// Horizontal, else one under the other.
struct TRadioGroupItems {
    plat::TRect Rect;
    TControlStyle Style = csClassic;
    // Caption i belongs to button i; buttons past the list's end (or all, without a list) have
    // none.
    const plat::TStrings* Captions = nullptr;
    int Count = 0;
    // The checked button; -1 checks the one whose caption equals CellText.
    int CheckedIndex = -1;
    std::string CellText;
    bool Horizontal = false;
    bool Inactive = false;
    // Printing: rows run up the page (BottomUp) and the frame-control buttons grow by Scale.
    bool BottomUp = false;
    double Scale = 1.0;
    // The captions' colour (the selection's text colour in a selected cell); clNone keeps the
    // canvas font's colour.
    plat::TColor CaptionColor = plat::clNone;
};

// Draws the check boxes and radio buttons of cells in the grid's control look. csTheme draws the
// "button" class's parts of the desktop's theme (ThemedParts.h), and as csClassic where no theme
// is on; the csWinXP and csZOR pictures are drawn as flat frame-control faces. Right-to-left
// placement is the caller's: Rect arrives mirrored.
class TCheckDrawer {
public:
    TCheckDrawer(plat::TCanvas& Canvas, const TCheckLook& Look);

    // One check box of the look's CheckSize: centred in Rect in the frame-control styles
    // (csClassic, csFlat), at Rect's top-left in the others. A tri-state box takes its state from
    // TriStateValue instead of Checked. Only the frame-control and themed styles have a greyed
    // face; the others show a tri-state box's greyed value as unchecked. Disabled boxes look
    // inactive unless the look says NoDisabledCheckRadioLook or CheckAlwaysActive.
    void DrawCheck(const plat::TRect& Rect, bool Checked, TCheckBoxState TriStateValue, bool TriState,
                   TControlStyle Style, bool Greyed, bool Enabled);

    // The buttons of a radio group with their captions, on a transparent background.
    void DrawRadioGroup(const TRadioGroupItems& Group);

private:
    // A check-box frame control of CheckSize centred in Rect; Flags adds DFCS_FLAT, DFCS_INACTIVE.
    void DrawFrameCheck(const plat::TRect& Rect, bool Checked, bool Greyed, unsigned Flags);
    void DrawFrameButton(const plat::TRect& Box, unsigned State);
    void DrawBorlandCheck(const plat::TRect& Box, bool Checked, bool Active);
    void DrawBorlandRadio(const plat::TRect& Box, bool Checked);
    void DrawGlyph(int X, int Y, const plat::TBitmap& Glyph);

    plat::TCanvas& FCanvas;
    const TCheckLook& FLook;
};

}  // namespace skelda::grid
