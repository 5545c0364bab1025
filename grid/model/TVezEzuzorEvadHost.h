#pragma once

// How the string grid answers the narrow interfaces of the classes it forwards to: every answer
// is the grid's own operation or event, so that overriding the grid's virtual operations still
// reaches the painters and the selection. Only the grid's own files include this.

#include "grid/model/TDisjunctSelectionHost.h"
#include "grid/model/THeaderTextsHost.h"
#include "grid/model/hidden/THiddenLinesHost.h"
#include "grid/model/TVezEzuzorEvad.h"
#include "grid/painting/TCellPainterHost.h"
#include "grid/support/TCellGraphic.h"
#include "platform/controls/core/InputQueries.h"
#include "platform/controls/core/VirtualKeys.h"
#include "platform/controls/core/WindowHandles.h"
#include "platform/graphics/TBitmap.h"

namespace skelda::grid {

class TVezEzuzorEvad::THost final : public TCellPainterHost,
                                   public TDisjunctSelectionHost,
                                   public THeaderTextsHost,
                                   public THiddenLinesHost {
public:
    explicit THost(TVezEzuzorEvad& AGrid)
        : FGrid(AGrid)
    {
    }

    // ---- Lines and the current cell -----------------------------------------------------------
    int FixedCols() const override
    {
        return FGrid.GetFixedCols();
    }
    int FixedRows() const override
    {
        return FGrid.GetFixedRows();
    }
    int ColCount() const override
    {
        return FGrid.GetColCount();
    }
    int TotalColCount() const override
    {
        return FGrid.TotalColCount();
    }
    int RowCount() const override
    {
        return FGrid.GetRowCount();
    }
    int FixedRightCols() const override
    {
        return FGrid.GetFixedRightCols();
    }
    int FixedFooters() const override
    {
        return FGrid.GetFixedFooters();
    }
    int NumHiddenColumns() const override
    {
        return FGrid.NumHiddenColumns();
    }
    int NumHiddenRows() const override
    {
        return FGrid.NumHiddenRows();
    }
    int CurrentCol() const override
    {
        return FGrid.GetCol();
    }
    int CurrentRow() const override
    {
        return FGrid.GetRow();
    }
    void SetCurrentCol(int ACol) override
    {
        FGrid.SetCol(ACol);
    }
    void SetCurrentRow(int ARow) override
    {
        FGrid.SetRow(ARow);
    }
    plat::TGridRect Selection() const override
    {
        return FGrid.GetSelection();
    }
    void SetSelection(const plat::TGridRect& Value) override
    {
        FGrid.SetSelection(Value);
    }
    plat::TGridOptions Options() const override
    {
        return FGrid.GetOptions();
    }
    bool HasFocus() const override
    {
        return FGrid.Focused();
    }
    bool IsEnabled() const override
    {
        return FGrid.GetEnabled();
    }
    bool IsDesigning() const override
    {
        return FGrid.ComponentState().Contains(plat::csDesigning);
    }
    bool IsWinXP() const override
    {
        return FGrid.IsWinXP();
    }
    bool IsUpdating() const override
    {
        return FGrid.Updating();
    }
    bool IsLoading() const override
    {
        return FGrid.IsLoading();
    }

    // ---- Colours, font and geometry -----------------------------------------------------------
    plat::TColor GridColor() const override
    {
        return FGrid.GetColor();
    }
    plat::TColor FixedColor() const override
    {
        return FGrid.GetFixedColor();
    }
    const plat::TFont& GridFont() const override
    {
        return FGrid.Font();
    }
    int GridLineWidth() const override
    {
        return FGrid.GetGridLineWidth();
    }
    int RowHeight(int ARow) const override
    {
        return FGrid.GetRowHeights(ARow);
    }
    plat::TRect CellRect(int ADisplCol, int ARow) const override
    {
        return FGrid.CellRect(ADisplCol, ARow);
    }
    int ClientWidth() const override
    {
        return FGrid.GetClientWidth();
    }
    int ClientHeight() const override
    {
        return FGrid.GetClientHeight();
    }
    std::int64_t ColPosition(int ADisplCol) const override
    {
        return FGrid.ColAxis().Position(ADisplCol);
    }
    std::int64_t RowPosition(int ARow) const override
    {
        return FGrid.RowAxis().Position(ARow);
    }

    // ---- Cells ----------------------------------------------------------------------------------
    const TCellProperties* CellRecord(int ACol, int ARow) const override
    {
        return FGrid.HasCellProperties(ACol, ARow) ? FGrid.FindCellProperties(ACol, ARow) : nullptr;
    }
    const TCellGraphic* CellGraphic(int ACol, int ARow) const override
    {
        return dynamic_cast<const TCellGraphic*>(FGrid.GetGraphicObject(ACol, ARow));
    }
    plat::TPoint BaseCell(int ACol, int ARow) const override
    {
        return FGrid.BaseCell(ACol, ARow);
    }
    plat::TGridRect FullCell(int ACol, int ARow) const override
    {
        return FGrid.MergedCells().FullCell(ACol, ARow);
    }
    bool IsMergedCell(int ACol, int ARow) const override
    {
        return FGrid.IsMergedCell(ACol, ARow);
    }
    plat::TPoint CellSpan(int ACol, int ARow) const override
    {
        return FGrid.CellSpan(ACol, ARow);
    }
    const std::string& RawText(int ACol, int ARow) const override
    {
        return FGrid.GetRawCell(ACol, ARow);
    }
    std::string CellText(int ACol, int ARow) override
    {
        return FGrid.GetCellText(ACol, ARow);
    }
    void SetCellText(int ACol, int ARow, const std::string& Value) override
    {
        FGrid.SetCellText(ACol, ARow, Value);
    }
    TCellType CellType(int ACol, int ARow) override
    {
        return FGrid.GetCellType(ACol, ARow);
    }
    bool IsFixedCell(int ACol, int ARow) override
    {
        return FGrid.IsFixed(ACol, ARow);
    }
    bool RowModified(int ARow) const override
    {
        return FGrid.GetRowModified(ARow);
    }
    bool RowDisabled(int ARow) const override
    {
        return FGrid.GetUseEnabledRows() && !FGrid.GetRowEnabled(ARow);
    }
    int RealColIndex(int ADisplCol) const override
    {
        return FGrid.RealColIndex(ADisplCol);
    }
    bool HasRowIndicator() const override { return !FGrid.FLook->RowIndicator().GetEmpty(); }
    void RepaintRowIndicator() override { FGrid.RepaintCell(0, FGrid.GetRow()); }

    // ---- The owner's questions ----------------------------------------------------------------
    void QueryCellColor(int ACol, int ARow, plat::TFont& AFont, plat::TBrush& ABrush,
                        plat::TGridDrawState AState) override
    {
        FGrid.QueryCellColor(ACol, ARow, AFont, ABrush, AState);
    }
    void CellPrintColor(int ACol, int ARow, plat::TFont& AFont, plat::TBrush& ABrush,
                        plat::TGridDrawState AState) override
    {
        FGrid.GetCellPrintColor(ACol, ARow, AFont, ABrush, AState);
    }
    void QueryCellAlignment(int ACol, int ARow, plat::TAlignment& HAlign, TVAlignment& VAlign) override
    {
        FGrid.QueryCellAlignment(ACol, ARow, HAlign, VAlign);
    }
    void CellWordWrap(int ACol, int ARow, bool& WordWrap) override
    {
        FGrid.GetCellWordWrap(ACol, ARow, WordWrap);
    }
    void CellBorder(int ACol, int ARow, TCellBorders& Borders, plat::TPen& APen) override
    {
        FGrid.GetCellBorder(ACol, ARow, Borders, APen);
    }
    void QueryPasswordCell(int ACol, int ARow, bool& IsPassword) override
    {
        FGrid.QueryPasswordCell(ACol, ARow, IsPassword);
    }
    void CanEditCellCheck(int ACol, int ARow, bool& CanEdit) override
    {
        FGrid.CanEditCellCheck(ACol, ARow, CanEdit);
    }
    bool HasComboBox(int ACol, int ARow) override
    {
        return FGrid.HasComboBox(ACol, ARow);
    }
    bool HasSpinEdit(int ACol, int ARow) override
    {
        return FGrid.HasSpinEdit(ACol, ARow);
    }
    bool FilterItems(int ACol) override
    {
        return FGrid.GetFilterItems(ACol);
    }
    bool CanShowFixedDropDown(int ACol) override
    {
        return FGrid.CanShowFixedDropDown(ACol);
    }
    std::string FormattedCellText(int ACol, int ARow) override
    {
        return FGrid.GetFormattedCellText(ACol, ARow);
    }
    void VisualProperties(int ACol, int ARow, TCellVisualProperties& Visual, plat::TFont& AFont, plat::TBrush& ABrush,
                          bool Remap, bool WithSelection, bool Print, plat::TGridDrawState& AState) override
    {
        FGrid.GetVisualProperties(ACol, ARow, Visual, AFont, ABrush, Remap, WithSelection, Print, AState);
    }
    void ColumnHeadersChanged() override
    {
        FGrid.ColumnHeadersChanged();
    }

    // ---- The owner's events -------------------------------------------------------------------
    bool CellGradient(int ACol, int ARow, plat::TColor& Color, plat::TColor& ColorTo, plat::TColor& MirrorColor,
                      plat::TColor& MirrorColorTo, TCellGradientDirection& Direction) override
    {
        if (!FGrid.OnGetCellGradient)
            return false;
        FGrid.OnGetCellGradient(&FGrid, ARow, ACol, Color, ColorTo, MirrorColor, MirrorColorTo, Direction);
        return true;
    }
    bool FloatFormat(int ACol, int ARow, bool& IsFloat, std::string& Format) override
    {
        if (!FGrid.OnGetFloatFormat)
            return false;
        FGrid.OnGetFloatFormat(&FGrid, ACol, ARow, IsFloat, Format);
        return true;
    }
    void CellBorderPens(int ACol, int ARow, plat::TPen& Left, plat::TPen& Top, plat::TPen& Right,
                        plat::TPen& Bottom) override
    {
        if (FGrid.OnGetCellBorderProp)
            FGrid.OnGetCellBorderProp(&FGrid, ARow, ACol, Left, Top, Right, Bottom);
    }
    void CustomCellBackground(plat::TCanvas& Canvas, int ACol, int ARow, plat::TGridDrawState AState,
                              const plat::TRect& Rect) override
    {
        if (FGrid.OnCustomCellBkgDraw)
            FGrid.OnCustomCellBkgDraw(&FGrid, Canvas, ACol, ARow, AState, Rect, false);
    }
    void CustomCellDraw(plat::TCanvas& Canvas, int ACol, int ARow, plat::TGridDrawState AState,
                        const plat::TRect& Rect) override
    {
        if (FGrid.OnCustomCellDraw)
            FGrid.OnCustomCellDraw(&FGrid, Canvas, ACol, ARow, AState, Rect, false);
    }
    void OwnerDrawCell(int ACol, int ARow, const plat::TRect& Rect, plat::TGridDrawState AState) override
    {
        if (FGrid.OnDrawCell)
            FGrid.OnDrawCell(&FGrid, ACol, ARow, Rect, AState);
    }
    bool HasCellDrawEvents() const override
    {
        return FGrid.OnDrawCell || FGrid.OnCustomCellDraw;
    }
    void RowDisjunctSelect(int ARow, bool Select, bool& Allow) override
    {
        if (FGrid.OnRowDisjunctSelect)
            FGrid.OnRowDisjunctSelect(&FGrid, ARow, Select, Allow);
    }
    void RowDisjunctSelected(int ARow) override
    {
        if (FGrid.OnRowDisjunctSelected)
            FGrid.OnRowDisjunctSelected(&FGrid, ARow);
    }

    // ---- Repaints --------------------------------------------------------------------------------
    void RepaintGrid() override
    {
        FGrid.Invalidate();
    }
    void RepaintCell(int ACol, int ARow) override
    {
        FGrid.RepaintCell(ACol, ARow);
    }
    void RepaintRow(int ARow) override
    {
        FGrid.RepaintRow(ARow);
    }
    void RepaintCol(int ACol) override
    {
        FGrid.RepaintCol(ACol);
    }
    TGridHtmlRoles HtmlRoles(int ADisplCol, int ARow) override
    {
        TGridHtmlRoles roles;
        roles.BiDiMode = static_cast<std::uint8_t>(FGrid.GetBiDiMode());
        roles.Window = plat::WindowHandleOf(FGrid);
        roles.Container = FGrid.GetPictureContainer();
        roles.Cache = &FGrid.ImageCache();
        roles.HoverAnchor = FGrid.GetHoverCell() == plat::TPoint{ADisplCol, ARow} ? FGrid.GetHoverLink() : -1;
        roles.UnderlineOnHover = FGrid.GetURLUnderlineOnHover();
        roles.BlinkVisible = FGrid.GetGridBlink();
        roles.CtrlDown = plat::GetKeyState(plat::VK_CONTROL) < 0;
        roles.Layouts = &FGrid.HtmlLayouts();
        return roles;
    }

    // ---- Hidden rows and columns --------------------------------------------------------------
    int ColWidth(int ADisplCol) const override
    {
        return FGrid.GetColWidths(ADisplCol);
    }
    void SetColWidth(int ADisplCol, int AWidthPx) override
    {
        FGrid.SetColWidths(ADisplCol, AWidthPx);
    }
    void SetColCount(int ACount) override
    {
        FGrid.SetColCount(ACount);
    }
    void HideEditor() override
    {
        FGrid.HideEditor();
    }
    bool RowSelected(int ADisplRow) const override
    {
        return FGrid.GetRowSelect(ADisplRow);
    }
    std::vector<std::unique_ptr<TGridItem>> TakeRowsOut(std::span<const int> ASortedDisplRows) override
    {
        return FGrid.TakeRowsOut(ASortedDisplRows);
    }
    void PutRowsBack(std::span<const int> AFinalDisplRows, std::vector<std::unique_ptr<TGridItem>> AItems) override
    {
        FGrid.PutRowsBack(AFinalDisplRows, std::move(AItems));
    }
    void CellControlsUpdate() override
    {
        FGrid.CellControlsUpdate();
    }

private:
    TVezEzuzorEvad& FGrid;
};

}  // namespace skelda::grid
