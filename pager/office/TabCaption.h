#pragma once

#include "foundation/GPTypes.h"
#include "pager/office/OfficeTypes.h"

#include <string>

namespace plat {
class TCanvas;
class TFont;
}
namespace skelda::foundation {
class TGPFont;
class TGPGraphics;
}

namespace skelda::pager {

class IGlowTextMeasurer;

// Where a caption is measured: on a GDI+ surface in a GDI+ font, or in the canvas's own font.
struct TCaptionSurface {
    bool UseGDIPlus = false;
    foundation::TGPGraphics* Graphics = nullptr;
    const foundation::TGPFont* Font = nullptr;
    plat::TCanvas* Canvas = nullptr;
    // Nil: the platform's fonts.
    const IGlowTextMeasurer* Measurer = nullptr;
};

// The caption shortened, one character at a time from its end, until it (with "..." when
// Ellipsis) fits the tab's length (its height for side tabs) less a margin; a caption that
// fits is returned as it is, and so is every caption when WordWrap. A fit must leave room to
// spare: text exactly as long as the room is shortened.
std::string TruncateTabCaption(const std::string& Caption, const plat::TRect& Rect, const TCaptionSurface& Surface,
                               bool Ellipsis, TTabPosition Position, bool WordWrap);

// Alignment of a tab caption along its box.
enum TCaptionAlignment { caNear = 0, caFar = 1, caCentre = 2 };

// What PaintTabCaption draws and how.
struct TTabCaptionRequest {
    TCaptionAlignment Alignment = caNear;
    plat::TRect Rect;
    // Caption, else WideCaption.
    std::string Caption;
    std::string WideCaption;
    const plat::TFont* Font = nullptr;
    bool Enabled = true;
    // False: only measure, into TextRect.
    bool Draw = true;
    foundation::TAntiAlias AntiAlias = foundation::aaClearType;
    TTabPosition Position = tpTop;
    bool Ellipsis = false;
    bool WordWrap = false;
    const IGlowTextMeasurer* Measurer = nullptr;
};

// Measures (and with Draw, draws) a tab caption: GDI+ for the anti-aliased modes, the canvas's
// text otherwise; right-hand tabs run their text downwards. TextRect receives the box the text
// takes (when only measuring with the canvas, the text's size at the box's top-left corner);
// with no text, or when measuring fails, it is left as it was. Nothing raises.
void PaintTabCaption(plat::TCanvas& Canvas, const TTabCaptionRequest& Request, plat::TRect& TextRect);

// The width of Text in the canvas's font; 0 for empty text.
int MeasureWideText(plat::TCanvas& Canvas, const std::string& Text);

}  // namespace skelda::pager
