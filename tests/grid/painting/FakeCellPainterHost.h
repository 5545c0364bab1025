#pragma once

// A grid for the cell painters without a window: a fixed number of equal cells, texts by cell,
// the owner's questions answered from fields, every repaint counted. The painters' look comes
// from a real TCellLook, as in the string grid, which answers the same questions in the program.

#include "grid/cells/TCellProperties.h"
#include "grid/painting/TCellLook.h"
#include "grid/painting/TCellPainterHost.h"
#include "grid/support/TCellGraphic.h"
#include "platform/graphics/TFont.h"

#include <map>
#include <set>
#include <string>
#include <utility>

namespace skelda::grid::testing {

class TFakeCellPainterHost : public TCellPainterHost {
public:
    // Counts, current cell and range selection.
    int Cols = 6;
    int Rows = 8;
    int FixedColCount = 1;
    int FixedRowCount = 1;
    int Col = 5;
    int Row = 7;
    plat::TGridRect Range{5, 7, 5, 7};
    plat::TGridOptions GridOptions{plat::goFixedVertLine, plat::goFixedHorzLine, plat::goVertLine, plat::goHorzLine,
                                   plat::goRangeSelect};
    // Cells of ColWidthPx x RowHeightPx pixels, the first at (0, 0).
    int ColWidthPx = 64;
    int RowHeightPx = 24;
    plat::TFont Font;
    std::map<std::pair<int, int>, std::string> Texts;
    // What the owner answers for every normal cell.
    bool SpinEdit = false;
    bool ComboBox = false;
    // Handed to the painter for mini-HTML cells.
    TGridHtmlRoles Html;
    // The look the grid decides; set by the test before painting.
    TCellLook* Look = nullptr;
    int GridRepaints = 0;
    // A column hidden before this display column (the fake maps display to real past it), and
    // the rows the enabled-rows list switches off.
    int HiddenColBefore = 1000;
    std::set<int> DisabledRows;

    // TGridLinesHost
    int FixedCols() const override
    {
        return FixedColCount;
    }
    int FixedRows() const override
    {
        return FixedRowCount;
    }
    int ColCount() const override
    {
        return Cols;
    }
    int RowCount() const override
    {
        return Rows;
    }
    int FixedRightCols() const override
    {
        return 0;
    }
    int FixedFooters() const override
    {
        return 0;
    }
    int CurrentCol() const override
    {
        return Col;
    }
    int CurrentRow() const override
    {
        return Row;
    }
    plat::TGridRect Selection() const override
    {
        return Range;
    }

    // TLookSettingsHost
    void RepaintGrid() override
    {
        ++GridRepaints;
    }
    void RepaintRowIndicator() override {}
    bool IsUpdating() const override
    {
        return false;
    }
    bool IsLoading() const override
    {
        return false;
    }

    // TCellPainterHost
    int NumHiddenColumns() const override
    {
        return 0;
    }
    plat::TGridOptions Options() const override
    {
        return GridOptions;
    }
    bool HasFocus() const override
    {
        return false;
    }
    bool IsEnabled() const override
    {
        return true;
    }
    bool IsDesigning() const override
    {
        return false;
    }
    bool IsWinXP() const override
    {
        return false;
    }
    TGridHtmlRoles HtmlRoles(int, int) override
    {
        return Html;
    }
    plat::TColor GridColor() const override
    {
        return plat::clWhite;
    }
    plat::TColor FixedColor() const override
    {
        return plat::clBtnFace;
    }
    const plat::TFont& GridFont() const override
    {
        return Font;
    }
    int GridLineWidth() const override
    {
        return 1;
    }
    int RowHeight(int) const override
    {
        return RowHeightPx;
    }
    plat::TRect CellRect(int ADisplCol, int ARow) const override
    {
        return plat::Bounds(ADisplCol * ColWidthPx, ARow * RowHeightPx, ColWidthPx, RowHeightPx);
    }
    int ClientWidth() const override
    {
        return Cols * ColWidthPx;
    }
    int ClientHeight() const override
    {
        return Rows * RowHeightPx;
    }
    std::int64_t ColPosition(int ADisplCol) const override
    {
        return std::int64_t{ADisplCol} * ColWidthPx;
    }
    std::int64_t RowPosition(int ARow) const override
    {
        return std::int64_t{ARow} * RowHeightPx;
    }
    const TCellProperties* CellRecord(int, int) const override
    {
        return nullptr;
    }
    const TCellGraphic* CellGraphic(int, int) const override
    {
        return nullptr;
    }
    plat::TPoint BaseCell(int ACol, int ARow) const override
    {
        return {ACol, ARow};
    }
    plat::TGridRect FullCell(int ACol, int ARow) const override
    {
        return {ACol, ARow, ACol, ARow};
    }
    bool IsMergedCell(int, int) const override
    {
        return false;
    }
    const std::string& RawText(int ACol, int ARow) const override
    {
        static const std::string Empty;
        const auto It = Texts.find({ACol, ARow});
        return It == Texts.end() ? Empty : It->second;
    }
    std::string CellText(int ACol, int ARow) override
    {
        return RawText(ACol, ARow);
    }
    TCellType CellType(int, int) override
    {
        return ctEmpty;
    }
    bool IsFixedCell(int ACol, int ARow) override
    {
        return ACol < FixedColCount || ARow < FixedRowCount;
    }
    bool RowModified(int) const override
    {
        return false;
    }
    bool RowDisabled(int ARow) const override
    {
        return DisabledRows.count(ARow) > 0;
    }
    int RealColIndex(int ADisplCol) const override
    {
        return ADisplCol + (ADisplCol >= HiddenColBefore ? 1 : 0);
    }
    void QueryCellColor(int, int, plat::TFont&, plat::TBrush&, plat::TGridDrawState) override {}
    void CellPrintColor(int, int, plat::TFont&, plat::TBrush&, plat::TGridDrawState) override {}
    void QueryCellAlignment(int, int, plat::TAlignment&, TVAlignment&) override {}
    void CellWordWrap(int, int, bool&) override {}
    void CellBorder(int, int, TCellBorders&, plat::TPen&) override {}
    void QueryPasswordCell(int, int, bool&) override {}
    void CanEditCellCheck(int, int, bool&) override {}
    bool HasComboBox(int ACol, int ARow) override
    {
        return ComboBox && !IsFixedCell(ACol, ARow);
    }
    bool HasSpinEdit(int ACol, int ARow) override
    {
        return SpinEdit && !IsFixedCell(ACol, ARow);
    }
    bool FilterItems(int) override
    {
        return false;
    }
    bool CanShowFixedDropDown(int) override
    {
        return true;
    }
    std::string FormattedCellText(int ACol, int ARow) override
    {
        return Look->GetFormattedCellText(ACol, ARow);
    }
    void VisualProperties(int ACol, int ARow, TCellVisualProperties& Visual, plat::TFont& AFont, plat::TBrush& ABrush,
                          bool, bool WithSelection, bool Print, plat::TGridDrawState& AState) override
    {
        Look->GetVisualProperties(ACol, ARow, Visual, AFont, ABrush, WithSelection, Print, AState);
    }
    bool CellGradient(int, int, plat::TColor&, plat::TColor&, plat::TColor&, plat::TColor&,
                      TCellGradientDirection&) override
    {
        return false;
    }
    bool FloatFormat(int, int, bool&, std::string&) override
    {
        return false;
    }
    void CellBorderPens(int, int, plat::TPen&, plat::TPen&, plat::TPen&, plat::TPen&) override {}
    void CustomCellBackground(plat::TCanvas&, int, int, plat::TGridDrawState, const plat::TRect&) override {}
    void CustomCellDraw(plat::TCanvas&, int, int, plat::TGridDrawState, const plat::TRect&) override {}
    void OwnerDrawCell(int, int, const plat::TRect&, plat::TGridDrawState) override {}
    bool HasCellDrawEvents() const override
    {
        return false;
    }
    void RepaintCell(int, int) override {}
    void RepaintCol(int) override {}
};

}  // namespace skelda::grid::testing
