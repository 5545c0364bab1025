#pragma once

// How the string grid answers the narrow interfaces of the classes it forwards to: every answer
// is the grid's own operation or event, so that overriding the grid's virtual operations still
// reaches the painters and the selection. Only the grid's own files include this.

#include "grid/model/TDisjunctSelectionHost.h"
#include "grid/model/THeaderTextsHost.h"
#include "grid/model/hidden/THiddenLinesHost.h"
#include "grid/model/TVezEzuzorEvad.h"
#include "grid/model/TVezEzuzorEvadState.h"
#include "grid/model/structure/TStructureHost.h"
#include "grid/settings/TFloatingFooter.h"
#include "grid/settings/TMouseActions.h"
#include "grid/settings/TSortSettings.h"
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
                                    public TStructureHost,
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

    // ---- Structure operations (TStructureHost) ------------------------------------------------
    void SetColWidth(int ADisplCol, int AWidth) override { FGrid.SetColWidths(ADisplCol, AWidth); }
    int ColWidth(int ADisplCol) const override { return FGrid.GetColWidths(ADisplCol); }
    void SetRowHeight(int ARow, int AHeight) override { FGrid.SetRowHeights(ARow, AHeight); }
    bool HasRecord(int ACol, int ARow) const override { return FGrid.HasCellProperties(ACol, ARow); }
    void FreeRecord(int ACol, int ARow) override { FGrid.FreeCellProperty(ACol, ARow); }
    bool AnyRecordLeft() const override { return FGrid.HoldsAnyRecord(); }
    void MarkRecordless() override { FGrid.SetHasCellProps(false); }
    void SetCellColor(int ACol, int ARow, plat::TColor AColor) override { FGrid.SetCellColor(ACol, ARow, AColor); }
    bool MergeCells(int ACol, int ARow, int SpanX, int SpanY) override { return FGrid.MergeCells(ACol, ARow, SpanX, SpanY); }
    bool SplitCells(int ACol, int ARow) override { return FGrid.SplitCells(ACol, ARow); }
    bool RowSpanIdentical(int ARow1, int ARow2) const override { return FGrid.MergedCells().RowSpanIdentical(ARow1, ARow2); }
    bool ColSpanIdentical(int ACol1, int ACol2) const override { return FGrid.MergedCells().ColSpanIdentical(ACol1, ACol2); }
    void InsertColLines(int ACol, int ACount) override { FGrid.InsertColLines(ACol, ACount); }
    void RemoveColLines(int ACol, int ACount) override { FGrid.RemoveColLines(ACol, ACount); }
    void MoveColLine(int AFrom, int ATo) override { FGrid.plat::TCustomGrid::MoveColumn(AFrom, ATo); }
    void MoveRowLine(int AFrom, int ATo) override { FGrid.plat::TCustomGrid::MoveRow(AFrom, ATo); }
    void ExchangeRowLines(int ARow1, int ARow2) override { FGrid.ExchangeRowLines(ARow1, ARow2); }
    void ExchangeColLines(int ACol1, int ACol2) override { FGrid.ExchangeColLines(ACol1, ACol2); }
    bool ShiftingLines() const override { return FGrid.FState->RowsShifting; }
    void MoveColCells(int AFrom, int ATo) override
    {
        FGrid.TBaseGrid::ColumnMoved(FGrid.RealColIndex(AFrom), FGrid.RealColIndex(ATo));
    }
    void MoveRowCells(int AFrom, int ATo) override { FGrid.TBaseGrid::RowMoved(AFrom, ATo); }
    bool SaveHiddenCells() const override { return FGrid.FState->SaveHiddenCells; }
    bool ClearTextOnly() const override { return FGrid.FState->ClearTextOnly; }
    bool EnhRowColMove() const override { return FGrid.FState->EnhRowColMove; }
    bool Destroying() const override { return FGrid.ComponentState().Contains(plat::csDestroying); }
    bool FloatingFooterVisible() const override { return FGrid.FState->FloatingFooter->GetVisible(); }
    bool FooterIsLastRow() const override { return FGrid.FState->FloatingFooter->GetFooterStyle() == fsFixedLastRow; }
    bool Grouped() const override { return FGrid.FState->GroupColumn >= 0; }
    int GroupColumn() const override { return FGrid.FState->GroupColumn; }
    bool DisjunctRowSelect() const override { return FGrid.FState->MouseActions->GetDisjunctRowSelect(); }
    bool DisjunctColSelect() const override { return FGrid.FState->MouseActions->GetDisjunctColSelect(); }
    bool RowSelectPersistent() const override { return FGrid.FState->MouseActions->GetRowSelectPersistent(); }
    bool RowSelected(int ARow) const override { return FGrid.FSelection->Rows().IsSelected(ARow); }
    bool ColSelected(int ACol) const override { return FGrid.FSelection->Cols().IsSelected(ACol); }
    void SelectRows(int ARow, int ACount) override { FGrid.SelectRows(ARow, ACount); }
    void ClearRowSelect() override { FGrid.ClearRowSelect(); }
    void ClearColSelect() override { FGrid.ClearColSelect(); }
    int SortColumn() const override { return FGrid.FState->SortSettings->GetColumn(); }
    void SetSortColumn(int ACol) override { FGrid.FState->SortSettings->SetColumn(ACol); }
    bool SortIndexShow() const override { return FGrid.FState->SortSettings->GetIndexShow(); }
    TSortIndexList& SortIndexes() override { return FGrid.SortIndexes(); }
    TControlList& CellControls() override { return FGrid.ControlList(); }
    void CellControlsUpdate() override { FGrid.CellControlsUpdate(); }
    void RepaintFooterPanel() override { FGrid.RepaintFooter(); }
    TIntList& ColumnOrder() override { return *FGrid.FState->ColumnOrder; }
    void ClearSearchText() override { FGrid.FState->SearchInc.clear(); }
    void BeginUpdate() override { FGrid.BeginUpdate(); }
    void EndUpdate() override { FGrid.EndUpdate(); }
    void CellsChanged(const plat::TRect& R) override { FGrid.CellsChanged(R); }
    TLineMoves* SyncedMoves(bool AColumns) override { return FGrid.SyncedMoves(AColumns); }

    // ---- Answered from the hidden lines -------------------------------------------------------
    // Rows open and close through the grid's own line operations (TVezEzuzorEvadLines.cpp).
    void InsertRowLines(int ARow, int ACount, bool AMoveControls) override
    {
        FGrid.InsertRowLines(ARow, ACount, AMoveControls);
    }
    void RemoveRowLines(const std::vector<int>& ASortedRows, bool AFreeRecords) override
    {
        FGrid.RemoveRowLines(ASortedRows, AFreeRecords);
    }
    int RealRowIndex(int ARow) const override { return FGrid.RealRowIndex(ARow); }
    int DisplColIndex(int ACol) const override { return FGrid.DisplColIndex(ACol); }
    void RowsInserted(int ARealRow, int ACount) override { FGrid.FHidden->RowsInserted(ARealRow, ACount); }
    void RowsRemoved(const std::vector<int>& ASortedRealRows) override { FGrid.FHidden->RowsRemoved(ASortedRealRows); }
    void ColsInserted(int ARealCol, int ACount) override { FGrid.FHidden->ColumnsInserted(ARealCol, ACount); }
    void ColsRemoved(int ARealCol, int ACount) override { FGrid.FHidden->ColumnsRemoved(ARealCol, ACount); }
    void ColumnMoved(int ARealFrom, int ARealTo) override { FGrid.FHidden->ColumnMoved(ARealFrom, ARealTo); }
    void UnHideColumnsAll() override { FGrid.UnHideColumnsAll(); }
    void ClearHiddenRowCells() override { FGrid.FHidden->ClearHiddenRowCells(); }
    // Answered from the nodes once they exist.
    void RemoveAllNodes() override {}

    // ---- Hidden rows and columns (THiddenLinesHost) --------------------------------------------
    void SetColCount(int ACount) override { FGrid.SetColCount(ACount); }
    bool FixedRowAlways() const override { return FGrid.FState->FixedRowAlways; }
    bool FixedColAlways() const override { return FGrid.FState->FixedColAlways; }
    void HideEditor() override { FGrid.HideEditor(); }
    std::vector<std::unique_ptr<TGridItem>> TakeRowsOut(std::span<const int> ASortedDisplRows) override
    {
        return FGrid.TakeRowsOut(ASortedDisplRows);
    }
    void PutRowsBack(std::span<const int> AFinalDisplRows, std::vector<std::unique_ptr<TGridItem>> AItems) override
    {
        FGrid.PutRowsBack(AFinalDisplRows, std::move(AItems));
    }

private:
    TVezEzuzorEvad& FGrid;
};

}  // namespace skelda::grid
