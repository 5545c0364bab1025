#pragma once

#include "grid/painting/GridMiniHtml.h"
#include "grid/painting/TCellPaintSettings.h"
#include "platform/core/Types.h"
#include "platform/graphics/Colors.h"

#include <string>

namespace plat {
class TCanvas;
}  // namespace plat

namespace skelda::grid {

class TGridLookSettings;
class TCellPainterHost;
struct TCellPaintContext;

// The text stage of the cell painter: the selection's colours for the text, the filter glyph,
// the background picture or gradient, the selection rectangle, then the text in one of its
// three renderings (mini-HTML, rich text, plain) with the sort glyph beside it.
class TCellTextPainter {
public:
    TCellTextPainter(TCellPainterHost& AHost, const TCellPaintSettings& ASettings)
        : FHost(AHost)
        , FSettings(ASettings)
    {
    }

    void DrawCellText(TCellPaintContext& P);
    // The sort glyph of a column centred on (X, Y): the index sort's numbered triangle, else
    // the direction's glyph or a 3-D arrow.
    void DrawSortIndicator(plat::TCanvas& Canvas, int ACol, int Y, int X);

private:
    const TGridLookSettings& Look() const
    {
        return FSettings.Look;
    }
    void ApplyTextSelectionColors(TCellPaintContext& P, plat::TColor& LinkColor);
    void RestoreDisjunctColors(TCellPaintContext& P, plat::TColor& LinkColor);
    void DrawFilterGlyph(TCellPaintContext& P, const plat::TRect& T);
    void DrawCellBackground(TCellPaintContext& P, const plat::TRect& T);
    void DrawCellPicture(plat::TCanvas& Canvas, const plat::TRect& B);
    void DrawCellTiles(TCellPaintContext& P, const plat::TRect& B);
    void DrawCellGradient(plat::TCanvas& Canvas, const plat::TRect& B);
    void DrawSelectionRectangle(TCellPaintContext& P, const plat::TRect& T);
    void DrawPlainText(TCellPaintContext& P, plat::TRect T, std::string Text, plat::TColor LinkColor,
                       int SortObjectOffset, bool SortGlyph);
    int SortGlyphY(const TCellPaintContext& P, const plat::TRect& T) const;
    TGridHtmlRoles HtmlRoles(const TCellPaintContext& P, plat::TColor LinkColor);
    bool IsSortGlyphCell(int ACol, int ARow);

    TCellPainterHost& FHost;
    TCellPaintSettings FSettings;
};

}  // namespace skelda::grid
