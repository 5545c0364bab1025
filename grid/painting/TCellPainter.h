#pragma once

#include "grid/painting/CellPaintTypes.h"
#include "grid/painting/TCellPaintSettings.h"
#include "grid/painting/TCellTextPainter.h"
#include "platform/core/Types.h"
#include "platform/grids/GridTypes.h"

namespace plat {
class TCanvas;
}  // namespace plat

namespace skelda::grid {

class TGridLookSettings;
class TCellLook;
class TCellPainterHost;
struct TCellPaintContext;

// The content of one cell inside its grid lines, painted in a fixed order: the fixed-cell
// gradient or the hovered header, the row indicator, the modified marker, the owner's
// background, the always-visible editor buttons, the text (TCellTextPainter), the borders, the
// fixed edges, the cell object, the owner's drawing and the focus rectangle. The owner's events
// fire in that order too; the base grid has drawn the background and the lines before.
//
// Also keeps what the mouse handling tells the painter: the hovered fixed cell and the fixed
// row that shows the filter glyphs.
class TCellPainter {
public:
    TCellPainter(TCellPainterHost& AHost, const TCellPaintSettings& ASettings, TCellLook& ALook);

    void DrawCellContent(plat::TCanvas& Canvas, int ACol, int ARow, const plat::TRect& ARect,
                         plat::TGridDrawState AState);

    // The fixed row whose cells show the filter glyph; only rows above FixedRows are taken.
    int GetFilterDropDownRow() const
    {
        return FFilterDropDownRow;
    }
    void SetFilterDropDownRow(int Value);
    // Repaints the cells whose look the change touches.
    const TFixedCellHover& GetFixedCellHover() const
    {
        return FFixedCellHover;
    }
    void SetFixedCellHover(const TFixedCellHover& Value);
    // Whether HoverFixedCells lets the cell light up: a cell of the fixed columns with hfAll or
    // hfFixedColumns, of the fixed rows with hfAll or hfFixedRows.
    bool IsHoverFixedCell(int ACol, int ARow) const;

    TCellTextPainter& TextPainter()
    {
        return FText;
    }

private:
    const TGridLookSettings& Look() const
    {
        return FSettings.Look;
    }
    bool IsActiveHeaderCell(int ACol, int ARow) const;
    bool IsGradientLook() const;
    void PaintFixedGradient(TCellPaintContext& P);
    void PaintHoveredFixedCell(TCellPaintContext& P);
    void PaintRowIndicator(TCellPaintContext& P);
    void PaintListViewHeader(TCellPaintContext& P);
    void PaintModifiedMarker(TCellPaintContext& P);
    void PaintEditorButtons(TCellPaintContext& P);
    // The cell's object (check box, picture, progress bar, ...) after the borders, in P.R. The
    // cell-object painter fills this in; until then cell objects show nothing.
    void PaintCellObject(TCellPaintContext& P);
    void PaintFixedEdges(TCellPaintContext& P);
    void PaintFocusRect(TCellPaintContext& P);
    void DrawCellBorders(TCellPaintContext& P);

    TCellPainterHost& FHost;
    TCellPaintSettings FSettings;
    TCellLook& FCellLook;
    TCellTextPainter FText;
    int FFilterDropDownRow = 0;
    TFixedCellHover FFixedCellHover;
};

}  // namespace skelda::grid
