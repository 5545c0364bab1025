#pragma once

#include "foundation/MiniHtmlLayout.h"
#include "platform/core/Types.h"
#include "platform/graphics/Colors.h"

#include <cstdint>
#include <string>

namespace plat {
class TCanvas;
class TImageList;
}  // namespace plat

namespace skelda::foundation {

class THTMLPictureCache;
class TPictureContainer;

// What tells the grid's copy of the mini-HTML engine from the hint's. Both entries run one
// engine; every difference between them is one of these switches.
struct TMiniHtmlVariant {
    bool FormControls = false;       // <CONTROL> places controls; otherwise it is consumed
    bool LinkTitles = false;         // <A TITLE> is read; reports TitleUnderPoint
    bool GluedRuns = false;          // a run glued to the previous word never wraps alone
    bool TrimLines = false;          // each line starts with the remaining text trimmed
    bool AllMarkers = false;         // every "<#" marker goes, not only the first
    bool RestorePen = false;         // the pen comes back as it was
    bool SpacedAmpersandRaw = false; // " & " in the text switches prefix processing off
    bool SettableHighlight = false;  // <HI> takes the colours of SetHighlightTagColors
    bool HintTags = false;           // BODY corners and gradients, P BGCOLORTO, LI TYPE/COLOR,
                                     // HR COLOR, <OF…> offsets, IMG WRAP, SRC in written case,
                                     // every <A> starts link text with the first quoted target

    static TMiniHtmlVariant Grid();
    static TMiniHtmlVariant Hint();
};

// One call's inputs, named as the entries name their parameters.
struct TMiniHtmlRequest {
    std::string Text;
    plat::TRect Bounds;
    const plat::TImageList* ImageList = nullptr;
    int PointX = -1;
    int PointY = -1;
    int FocusLinkIndex = -1;
    int HoverLinkIndex = -1;
    int ShadowShift = 1;
    bool LocateOnly = false;
    bool SizeOnly = false;
    bool PrintMode = false;
    bool SelectedText = false;
    bool BlinkVisible = true;
    bool HoverOnlyLinks = false;
    bool WrapWords = true;
    bool MouseIsDown = false;
    double PrintScale = 1.0;
    plat::TColor LinkTextColor = plat::clBlue;
    plat::TColor HoverBackColor = plat::clNone;
    plat::TColor HoverTextColor = plat::clNone;
    plat::TColor ShadowTextColor = plat::clGray;
    THTMLPictureCache* PictureCache = nullptr;
    TPictureContainer* Pictures = nullptr;
    plat::HWND ThemeWindow = 0;
    int LineGap = 0;
    std::uint8_t ReadingOrder = 0;
};

// One call's outputs. LinkUnderPoint and ControlId are in/out: set them before the call.
struct TMiniHtmlResult {
    bool Hit = false;
    std::string LinkUnderPoint;
    std::string PlainText;
    std::string FocusedLinkTarget;
    std::string TitleUnderPoint;
    int ContentWidth = 0;
    int ContentHeight = 0;
    int LinkTotal = 0;
    int LinkIndexUnderPoint = -1;
    plat::TRect LinkRectUnderPoint;
    plat::TRect ControlRect;
    std::string ControlId;
    std::string ControlValue;
    std::string ControlType;
};

// Lays out, measures, draws and hit-tests one mini-HTML text (see MiniHtmlDraw.h).
void RunMiniHtml(const TMiniHtmlVariant& Variant, plat::TCanvas& Canvas, const TMiniHtmlRequest& Request,
                 TMiniHtmlResult& Result);

// Lays the text out as the first pass of each line does, every line whatever the bounds' height,
// and keeps the lines in Layout for drawing later. Nothing is painted; Result has what a SizeOnly
// call gives (sizes, plain text, link count).
void LayOutMiniHtml(const TMiniHtmlVariant& Variant, plat::TCanvas& Canvas, const TMiniHtmlRequest& Request,
                    TMiniHtmlLayout& Layout, TMiniHtmlResult& Result);

// Draws (or locates in) a text that LayOutMiniHtml laid out: only the second pass of each line
// runs, in Request.Bounds, which may stand elsewhere and be of another height than the layout's;
// their width places aligned lines and cuts runs, the lines stay as laid out. Text, canvas font
// and switches must be those of the layout. Within bounds as wide as the layout's this paints
// and reports what RunMiniHtml does, costing no measurement; SizeOnly gives the layout's sizes.
// A point that meets a line in its first pass (inside the bounds, below their top edge) could
// change the layout (a linked picture shows its ALT picture), so such a request runs in full.
void RunMiniHtml(const TMiniHtmlVariant& Variant, plat::TCanvas& Canvas, const TMiniHtmlRequest& Request,
                 const TMiniHtmlLayout& Layout, TMiniHtmlResult& Result);

// The colours of <HI> in the grid's copy; system highlight and highlight text at start.
void SetMiniHtmlHighlightColors(plat::TColor BackColor, plat::TColor TextColor);
plat::TColor MiniHtmlHighlightTextColor();
plat::TColor MiniHtmlHighlightBackColor();

}  // namespace skelda::foundation
