#pragma once

#include "grid/cells/CellPropertyTypes.h"
#include "grid/cells/TCellVisualProperties.h"
#include "grid/cells/TGridLinesHost.h"
#include "grid/painting/CellPaintTypes.h"
#include "grid/painting/GridMiniHtml.h"
#include "grid/painting/TLookSettingsHost.h"
#include "grid/support/TCellType.h"
#include "platform/controls/standard/StandardControlTypes.h"
#include "platform/core/Types.h"
#include "platform/graphics/Colors.h"
#include "platform/grids/GridTypes.h"

#include <cstdint>
#include <string>

namespace plat {
class TBrush;
class TCanvas;
class TFont;
class TPen;
}  // namespace plat

namespace skelda::grid {

class TCellGraphic;
class TCellProperties;

// What the cell painters (TCellLook, TCellPainter, TCellTextPainter) ask of the grid they paint.
// The string grid answers in the program; a fake answers in the painters' tests, so that a
// fault of the painting shows without a window.
//
// Columns are real columns unless named otherwise. The owner's questions and events are those
// of the string grid: each applies the grid's own rule and then asks its owner, in the order the
// grid's owners are written against; an event nobody handles leaves its arguments as they are.
class TCellPainterHost : public TLookSettingsHost, public TGridLinesHost {
public:
    // ---- The grid's state -----------------------------------------------------------------------
    virtual int NumHiddenColumns() const = 0;
    virtual plat::TGridOptions Options() const = 0;
    virtual bool HasFocus() const = 0;
    virtual bool IsEnabled() const = 0;
    virtual bool IsDesigning() const = 0;
    // The platform draws themed (recorded when the window was made).
    virtual bool IsWinXP() const = 0;

    // ---- Colours, font and geometry -----------------------------------------------------------
    virtual plat::TColor GridColor() const = 0;
    virtual plat::TColor FixedColor() const = 0;
    virtual const plat::TFont& GridFont() const = 0;
    virtual int GridLineWidth() const = 0;
    virtual int RowHeight(int ARow) const = 0;
    // Client pixels of the cell (of its whole block for a merged cell).
    virtual plat::TRect CellRect(int ADisplCol, int ARow) const = 0;
    virtual int ClientWidth() const = 0;
    virtual int ClientHeight() const = 0;
    // Pixel distance of a line from the first one, hidden lines taking no room.
    virtual std::int64_t ColPosition(int ADisplCol) const = 0;
    virtual std::int64_t RowPosition(int ARow) const = 0;

    // ---- Cells ----------------------------------------------------------------------------------
    // The cell's record; nullptr for a cell without one or outside the grid.
    virtual const TCellProperties* CellRecord(int ACol, int ARow) const = 0;
    // The cell object; nullptr without one.
    virtual const TCellGraphic* CellGraphic(int ACol, int ARow) const = 0;
    virtual plat::TPoint BaseCell(int ACol, int ARow) const = 0;
    // The block as cell indexes (the cell alone when unmerged).
    virtual plat::TGridRect FullCell(int ACol, int ARow) const = 0;
    virtual bool IsMergedCell(int ACol, int ARow) const = 0;
    // The stored text of exactly that cell.
    virtual const std::string& RawText(int ACol, int ARow) const = 0;
    // The text the grid shows (through the display-text events).
    virtual std::string CellText(int ACol, int ARow) = 0;
    virtual TCellType CellType(int ACol, int ARow) = 0;
    virtual bool IsFixedCell(int ACol, int ARow) = 0;
    virtual bool RowModified(int ARow) const = 0;
    // A row the grid's enabled-rows list switches off while UseEnabledRows is set.
    virtual bool RowDisabled(int ARow) const = 0;
    // The real column a display column shows.
    virtual int RealColIndex(int ADisplCol) const = 0;

    // ---- The owner's questions ----------------------------------------------------------------
    virtual void QueryCellColor(int ACol, int ARow, plat::TFont& AFont, plat::TBrush& ABrush,
                                plat::TGridDrawState AState) = 0;
    virtual void CellPrintColor(int ACol, int ARow, plat::TFont& AFont, plat::TBrush& ABrush,
                                plat::TGridDrawState AState) = 0;
    virtual void QueryCellAlignment(int ACol, int ARow, plat::TAlignment& HAlign, TVAlignment& VAlign) = 0;
    virtual void CellWordWrap(int ACol, int ARow, bool& WordWrap) = 0;
    virtual void CellBorder(int ACol, int ARow, TCellBorders& Borders, plat::TPen& APen) = 0;
    virtual void QueryPasswordCell(int ACol, int ARow, bool& IsPassword) = 0;
    virtual void CanEditCellCheck(int ACol, int ARow, bool& CanEdit) = 0;
    virtual bool HasComboBox(int ACol, int ARow) = 0;
    virtual bool HasSpinEdit(int ACol, int ARow) = 0;
    // Fills the column's filter list; whether any item resulted.
    virtual bool FilterItems(int ACol) = 0;
    virtual bool CanShowFixedDropDown(int ACol) = 0;
    virtual std::string FormattedCellText(int ACol, int ARow) = 0;
    // What a mini-HTML text of the cell at display column ADisplCol is drawn with (link colour,
    // top-left and EnhTextSize are the painter's to fill in).
    virtual TGridHtmlRoles HtmlRoles(int ADisplCol, int ARow) = 0;
    // The look of a cell, as the grid decides it (TCellLook unless the grid says otherwise).
    virtual void VisualProperties(int ACol, int ARow, TCellVisualProperties& Visual, plat::TFont& AFont,
                                  plat::TBrush& ABrush, bool Remap, bool WithSelection, bool Print,
                                  plat::TGridDrawState& AState) = 0;

    // ---- The owner's painting events ----------------------------------------------------------
    // False, nothing asked, when nobody handles the event.
    virtual bool CellGradient(int ACol, int ARow, plat::TColor& Color, plat::TColor& ColorTo, plat::TColor& MirrorColor,
                              plat::TColor& MirrorColorTo, TCellGradientDirection& Direction) = 0;
    virtual bool FloatFormat(int ACol, int ARow, bool& IsFloat, std::string& Format) = 0;
    virtual void CellBorderPens(int ACol, int ARow, plat::TPen& Left, plat::TPen& Top, plat::TPen& Right,
                                plat::TPen& Bottom) = 0;
    virtual void CustomCellBackground(plat::TCanvas& Canvas, int ACol, int ARow, plat::TGridDrawState AState,
                                      const plat::TRect& Rect) = 0;
    virtual void CustomCellDraw(plat::TCanvas& Canvas, int ACol, int ARow, plat::TGridDrawState AState,
                                const plat::TRect& Rect) = 0;
    virtual void OwnerDrawCell(int ACol, int ARow, const plat::TRect& Rect, plat::TGridDrawState AState) = 0;
    // OnDrawCell or OnCustomCellDraw is assigned: with NoDefaultDraw the owner draws the text.
    virtual bool HasCellDrawEvents() const = 0;

    // ---- Repaints --------------------------------------------------------------------------------
    virtual void RepaintCell(int ADisplCol, int ARow) = 0;
    virtual void RepaintCol(int ADisplCol) = 0;

protected:
    ~TCellPainterHost() = default;
};

}  // namespace skelda::grid
