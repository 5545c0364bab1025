#pragma once

#include "grid/cells/TBaseGrid.h"
#include "grid/drawing/TCheckDrawer.h"
#include "grid/model/TDisjunctSelection.h"
#include "grid/model/THeaderTexts.h"
#include "grid/model/TRowMarks.h"
#include "grid/model/VezGridTypes.h"
#include "grid/model/structure/TGridStructure.h"
#include "grid/model/hidden/THiddenLines.h"
#include "grid/painting/CellPaintTypes.h"
#include "grid/painting/TCellLook.h"
#include "grid/painting/TCellPainter.h"
#include "grid/painting/TGridLookSettings.h"
#include "grid/support/TCellType.h"
#include "platform/system/DateTime.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace plat {
class TBitmap;
class TInplaceEdit;
class TStringList;
}  // namespace plat

namespace skelda::foundation {
class THTMLPictureCache;
class TPictureContainer;
class TVezHintInfo;
}  // namespace skelda::foundation

namespace skelda::grid {

class ITVezEzuzorEvadSelect;
class TBackGround;
class TBalloonSettings;
class TBands;
class TCellGraphic;
class TCellNode;
class TColumnSize;
class TControlList;
class TControlLook;
class TDragDropSettings;
class TDragScrollOptions;
class TFilter;
class TFilterDropDown;
class TFloatingFooter;
class TFocusHelper;
class TFooterPanel;
class TGridChangeNotifier;
class TGridHtmlLayoutCache;
class TGridProgressAppearance;
class TGrouping;
class THTMLSettings;
class TIntList;
class TMouseActions;
class TNavigation;
class TPrintSettings;
class TSearchFooter;
class TSearchPanel;
class TShowModified;
class TSizeWhileTyping;
class TSortIndexList;
class TSortSettings;
class TSyncGrid;
struct TVezEzuzorEvadState;

// The string grid control: the base grid's cells, merged blocks and cell records, with the
// settings groups, lists and look that the grid's painting, editing and data exchange read, the
// per-cell and per-row look operations, the disjunct selections, and the questions the grid
// asks its owner about single cells (each a virtual operation that applies the grid's own rule
// and then fires its event).
//
// The grid is the front of the classes that do the work, and forwards to them: the look
// settings (TGridLookSettings), the cell painters (TCellLook, TCellPainter and its
// TCellTextPainter), the disjunct selection (TDisjunctSelection), the row marks (TRowMarks) and
// the header texts (THeaderTexts). Each talks to the grid through a narrow interface of its own,
// which the grid answers (TVezEzuzorEvadHost.h); the grid's remaining fields are in
// TVezEzuzorEvadState.h. docs/grid-layout.md says which file holds which operation.
//
// Columns are addressed by their real index; repaints go to display columns.
//
// Lifecycle: the constructor creates every owned object and sets every default; in design mode
// (csDesigning) the grid makes no editor controls and uses "Tahoma". When its owner is a form
// outside design mode the grid takes over the form's OnResize and chains the form's own
// handler, giving it back when the grid goes. Creating the window starts the grid timer (111,
// 500 ms); it dies with the window.
class TVezEzuzorEvad : public TBaseGrid {
public:
    explicit TVezEzuzorEvad(plat::TComponent* AOwner);
    ~TVezEzuzorEvad() override;

    std::string ClassName() const override { return "TVezEzuzorEvad"; }

    // From another TVezEzuzorEvad: settings, counts and sizes first, the cells last. Other
    // sources are ignored.
    void Assign(const plat::TPersistent& Source) override;

    // ---- Virtual operations, in the grid's order ----------------------------------------------

    virtual TCellType GetCellType(int ACol, int ARow);
    // The stored text of the current cell (of its block's base cell).
    virtual std::string GetCurrentCell();
    virtual void SetCurrentCell(const std::string& Value);
    virtual std::string GetCurrentCellText();
    virtual void SetCurrentEditText(const std::string& Value);
    virtual void PrintGetPageNum(int PageNum, int PageColNum, std::string& Text);
    virtual void GetEditorProp(int ACol, int ARow, TEditLink* EditLink);
    virtual void CheckBoxClick(int ACol, int ARow, bool State);
    virtual void FixedEdit(int ACol, int ARow, TGridFixedCellEditor& Editor, plat::TStrings& Values);
    virtual void SelectionChangedNotify(int ALeft, int ATop, int ARight, int ABottom);
    virtual void InsertRowAt(int ARow);
    virtual void RemoveRowAt(int ARow);
    virtual void FilterDone();
    virtual void ColumnHeadersChanged();
    virtual void UpdateFooterCalc(int ACol);
    virtual void SaveOldCellValue(int ACol, int ARow);
    virtual void CanEditCell(int ACol, int ARow, bool& CanEdit);
    virtual void SearchFooterAction(const std::string& Value, int ACol, int ARow, TSearchAction Action);
    virtual void ButtonClick(int ACol, int ARow);
    virtual void ExpandClick(int ACol, int ARow, bool Expanded);
    virtual void ComboCloseUp(int ACol, int ARow);
    virtual void ComboDropDown(int ACol, int ARow);
    virtual void GetCellCursor(int ACol, int ARow, int X, int Y);
    // OnCellsChanged, the registered notifiers in order, then every footer column.
    virtual void CellsChanged(const plat::TRect& R);
    virtual void UpdateAllFooterCalc();
    virtual void GetGridHint(int ACol, int ARow, std::string& WideHint, std::string& Hint);
    virtual void QueryCellColor(int ACol, int ARow, plat::TFont& AFont, plat::TBrush& ABrush,
                                plat::TGridDrawState AState);
    virtual void GetCellPrintColor(int ACol, int ARow, plat::TFont& AFont, plat::TBrush& ABrush,
                                   plat::TGridDrawState AState);
    virtual void GetCellBorder(int ACol, int ARow, TCellBorders& Borders, plat::TPen& APen);
    virtual void GetCellPrintBorder(int ACol, int ARow, plat::TPen& APen, TCellBorders& Borders);
    virtual void QueryCellAlignment(int ACol, int ARow, plat::TAlignment& HAlign, TVAlignment& VAlign);
    virtual void GetCellFormat(int ACol, TSortStyle& Style, std::string& Prefix, std::string& Suffix);
    virtual void GetCellEditor(int ACol, int ARow, TEditorType& Editor);
    virtual void GetCellEditorForShow(int ACol, int ARow, TEditorType& Editor);
    virtual bool HasNoEditor(int ACol, int ARow);
    virtual void IsFixedCell(int ACol, int ARow, bool& IsFixed);
    virtual void CanEditCellCheck(int ACol, int ARow, bool& CanEdit);
    virtual void QueryPasswordCell(int ACol, int ARow, bool& IsPassword);
    virtual void GetCellWordWrap(int ACol, int ARow, bool& WordWrap);
    virtual bool HasComboBox(int ACol, int ARow);
    virtual bool HasSpinEdit(int ACol, int ARow);
    virtual void GetCheckTrue(int ACol, int ARow, std::string& Value);
    virtual void GetCheckFalse(int ACol, int ARow, std::string& Value);
    // Fills FilterList with the column's values; whether any item resulted.
    virtual bool GetFilterItems(int ACol);
    virtual void IncRowCount();
    virtual void MouseActionsChanged();
    virtual bool IsDesigning();
    virtual void InvalidateRequest();
    virtual void NavigationChanged();
    // The full-grid copy: see TVezEzuzorEvad.cpp.
    virtual void AssignCells(const plat::TPersistent& Source);
    virtual std::uint32_t GetVersionNr() const;
    virtual std::string GetVersionString() const;
    virtual void CalcFooter(int ACol);

    // A footer row, a right fixed column or a fixed cell by IsFixedCell.
    bool IsFixed(int ACol, int ARow) override;

    // ---- Lifecycle ------------------------------------------------------------------------------

    void RegisterSelListener(ITVezEzuzorEvadSelect* Listener);
    void UnRegisterSelListener(ITVezEzuzorEvadSelect*);
    ITVezEzuzorEvadSelect* SelListener() const;
    // A notifier is listed once and dropped when it is freed.
    void RegisterNotifier(TGridChangeNotifier* Notifier);
    void UnRegisterNotifier(TGridChangeNotifier* Notifier);

    // The version as "6.0.4.4"; writing does nothing.
    std::string GetVersion() const;
    void SetVersion(const std::string&) {}

    // Remembers every column width and the grid width, which window-size handling scales from.
    void InitOrigColSizes();
    const std::vector<int>& OrigColSizes() const;
    int GetOrigWidth() const;

    void Invalidate() override;
    // Shows (or with Force hides) the bars ScrollBarAlways asks for; see ScrollBarAlwaysShown.
    void UpdateScrollBarsAlways(bool Force);
    // What UpdateScrollBarsAlways decided for a bar (SB_HORZ or SB_VERT): shown and enabled.
    // The library grid shows and hides its window bars itself; this is the grid's request.
    bool ScrollBarAlwaysShown(int ABar) const;
    bool ScrollBarAlwaysEnabled(int ABar) const;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

    // Nested update blocks: while one is open the grid paints nothing, and when the outermost
    // ends the whole grid repaints once. Taken only while the grid is visible; an unbalanced
    // EndUpdate never takes the count below 0.
    void BeginUpdate();
    void EndUpdate();
    int GetUpdateCount() const;
    // A lock without touching the window, for scrolls that must not repaint.
    void StartUpdate();
    // Ends any lock without a repaint.
    void ResetUpdate();
    bool GetLockUpdate() const { return GetUpdateCount() != 0; }
    void SetLockUpdate(bool Value);

    // The grid timer runs while the window exists: blinking, follow-the-mouse selection and the
    // expiry of the incremental search text.
    static constexpr std::uintptr_t GridTimerID = 111;
    static constexpr unsigned GridTimerMs = 500;

    // Text in a blink tag shows in one phase of the grid timer only.
    bool GetEnableBlink() const;
    void SetEnableBlink(bool Value);
    bool GetGridBlink() const;
    int GetTimerTicks() const;
    // The incremental search text and the timer ticks since its last key; it expires after four.
    const std::string& GetSearchInc() const;
    void SetSearchInc(const std::string& Value);

    // ---- Cell look ------------------------------------------------------------------------------

    void SetCellColor(int ACol, int ARow, plat::TColor Value);
    // clNone for a cell without a record; no record is made.
    plat::TColor GetCellColor(int ACol, int ARow) const;
    void SetCellColorTo(int ACol, int ARow, plat::TColor Value);
    void SetCellFontColor(int ACol, int ARow, plat::TColor Value);
    void SetCellFontStyle(int ACol, int ARow, plat::TFontStyles Value);
    void SetCellAlignment(int ACol, int ARow, plat::TAlignment Value);
    bool GetCellReadOnly(int ACol, int ARow) const;
    plat::TControl* GetCellControl(int ACol, int ARow) const;

    // Every normal cell of the row (FixedCols .. AllColCount - 1), then one repaint of the row.
    // clNone clears that colour only; a record left with nothing but defaults is freed. A row
    // outside the grid raises EInvalidGridOperation.
    void SetRowColor(int ARow, plat::TColor Value);
    void SetRowColorTo(int ARow, plat::TColor Value);
    void SetRowFontColor(int ARow, plat::TColor Value);

    // ---- Text -----------------------------------------------------------------------------------

    // Grid text is UTF-8 throughout, so the wide forms are the plain ones.
    std::string GetWideCellText(int ACol, int ARow) { return GetCellText(ACol, ARow); }
    void SetWideCellText(int ACol, int ARow, const std::string& Value) { SetCellText(ACol, ARow, Value); }
    // The cell text without its mini-HTML tags.
    std::string GetCellPlainText(int ACol, int ARow);
    // By real row, hidden rows included; a negative index gives "" (0).
    std::string GetAllCellText(int ACol, int RealRow);
    int GetAllCellObject(int ACol, int RealRow);
    // The short date of the run-time settings; empty for dates up to 0 unless ShowNullDates.
    void SetCellDate(int ACol, int ARow, plat::TDateTime Date);

    // ---- Fills ----------------------------------------------------------------------------------
    // DoFixed: every cell; otherwise the cells between the fixed rows, columns, footers and right
    // columns. Rows outer, columns inner, through SetCellText; the footer is recalculated after.

    void TextFill(bool DoFixed, const std::string& Txt);
    // Fmt with the column and the row as its two integer arguments.
    void FormatFill(bool DoFixed, const std::string& Fmt);
    // A random integer 0 .. Rnd - 1 per cell.
    void RandomFill(bool DoFixed, int Rnd);
    // "column:row" per cell.
    void LinearFill(bool DoFixed);

    // ---- Repaint --------------------------------------------------------------------------------

    void RepaintRow(int ARow);
    void RepaintCol(int ACol);
    // Cells of a rectangle; the whole grid when a corner is out of view.
    void RepaintRect(const plat::TRect& R);
    // The change handler of a cell's multi-image list.
    void MultiImageChanged(plat::TObject* List, int ACol, int ARow);

    // ---- Cells and the current cell -------------------------------------------------------------

    // Exchanges texts and records of two cells, without repaint or events. Merged blocks
    // holding either cell are split first: a block cannot follow single cells.
    void SwapCells(plat::TPoint FromCell, plat::TPoint ToCell);
    // Display indexes: the row first, then the column.
    void GotoCell(int ACol, int ARow);
    void EditCell(int ACol, int ARow);
    void MoveToCell(int ACol, int ARow);
    // The cell under a screen point; -1, -1 outside the cells.
    void ScreenToCell(plat::TPoint ScreenPoint, int& ACol, int& ARow) const;
    bool IsOnSizingBorder(int X, int Y) const;
    void SetSelection(const plat::TGridRect& Value);
    plat::TInplaceEdit* GetNormalEdit() const { return InplaceEditor(); }

    // ---- Disjunct selection (TDisjunctSelection) ------------------------------------------------

    // Invalid indexes raise ZOdeVuzeViriz.
    bool GetRowSelect(int ARow) const { return FSelection->GetRowSelect(ARow); }
    void SetRowSelect(int ARow, bool Select) { FSelection->SetRowSelect(ARow, Select); }
    bool GetColSelect(int ACol) const { return FSelection->GetColSelect(ACol); }
    void SetColSelect(int ACol, bool Select) { FSelection->SetColSelect(ACol, Select); }
    void SelectRows(int RowIndex, int Count) { FSelection->SelectRows(RowIndex, Count); }
    void UnSelectRows(int RowIndex, int Count) { FSelection->UnSelectRows(RowIndex, Count); }
    void SelectCols(int ColIndex, int Count) { FSelection->SelectCols(ColIndex, Count); }
    void UnSelectCols(int ColIndex, int Count) { FSelection->UnSelectCols(ColIndex, Count); }
    void SelectRange(int FromCol, int ToCol, int FromRow, int ToRow)
    {
        FSelection->SelectRange(FromCol, ToCol, FromRow, ToRow);
    }
    void ClearRowSelect() { FSelection->ClearRowSelect(); }
    void ClearColSelect() { FSelection->ClearColSelect(); }
    void SelectionToRowSelect(bool All) { FSelection->SelectionToRowSelect(All); }
    void SelectionToColSelect(bool All) { FSelection->SelectionToColSelect(All); }
    int RowSelectCount() const { return FSelection->RowSelectCount(); }
    int ColSelectCount() const { return FSelection->ColSelectCount(); }
    int SelectedRowCount() const { return FSelection->SelectedRowCount(); }
    int SelectedColCount() const { return FSelection->SelectedColCount(); }
    int SelectedCellsCount() { return FSelection->SelectedCellsCount(); }
    void ClearSelectedCells() { FSelection->ClearSelectedCells(); }
    // The selected rows in the order they were selected.
    const std::vector<int>& SelectedRows() const { return FSelection->SelectedRows(); }
    // The disjunct cell selection that the mouse handling keeps.
    TCellSelection& SelectedCells() { return FSelection->Cells(); }

    // ---- Row marks (TRowMarks) ------------------------------------------------------------------

    bool GetRowModified(int ARow) const { return FRowMarks->GetRowModified(ARow); }
    void SetRowModified(int ARow, bool State) { FRowMarks->SetRowModified(ARow, State); }
    int ModifiedRowCount() const { return FRowMarks->ModifiedRowCount(); }
    void ClearModifiedRows() { FRowMarks->ClearModifiedRows(); }
    bool GetRowEnabled(int ARow) const { return FRowMarks->GetRowEnabled(ARow); }

    // ---- Headers (THeaderTexts) -----------------------------------------------------------------

    plat::TStringList& ColumnHeaders() { return FHeaders->ColumnHeaders(); }
    void SetColumnHeaders(const plat::TStrings& Value) { FHeaders->SetColumnHeaders(Value); }
    plat::TStringList& RowHeaders() { return FHeaders->RowHeaders(); }
    void SetRowHeaders(const plat::TStrings& Value) { FHeaders->SetRowHeaders(Value); }
    void ShowColumnHeaders() { FHeaders->ShowColumnHeaders(); }
    void ClearColumnHeaders() { FHeaders->ClearColumnHeaders(); }
    void ShowRowHeaders() { FHeaders->ShowRowHeaders(); }
    void ClearRowHeaders() { FHeaders->ClearRowHeaders(); }

    // ---- Rows and columns: insertion, removal, clearing (TGridStructure) -------------------------
    // Rows are display rows. Removers ignore a RowIndex outside the rows and cut the count to
    // the rows there are; each removal ends with one cells-changed notification, and bulk
    // removals take every row in one pass. Column arguments are real columns, or display
    // columns mapped to real ones while SaveHiddenCells is set.

    virtual void RemoveRowsEx(int RowIndex, int RCount) { FStructure->Lines.RemoveRowsEx(RowIndex, RCount); }
    virtual void RemoveRows(int RowIndex, int RCount) { FStructure->Lines.RemoveRows(RowIndex, RCount); }
    // Ignored for a negative count or a RowIndex outside 0 .. RowCount. Controls in cells (kept by
    // real row) at or below the new rows move down with UpdateCellControls.
    virtual void InsertRows(int RowIndex, int RCount, bool UpdateCellControls = true)
    {
        FStructure->Lines.InsertRows(RowIndex, RCount, UpdateCellControls);
    }
    // Real columns, hidden ones included; the count is cut at the last real column.
    virtual void RemoveCols(int ColIndex, int CCount) { FStructure->Lines.RemoveCols(ColIndex, CCount); }
    virtual void InsertCols(int ColIndex, int CCount) { FStructure->Lines.InsertCols(ColIndex, CCount); }
    void DeleteRows(int RowIndex, int RCount) { FStructure->Lines.DeleteRows(RowIndex, RCount); }
    // With the floating footer showing the last row the new row opens above it.
    void AddRow() { FStructure->Lines.AddRow(); }
    void AddColumn() { FStructure->Lines.AddColumn(); }
    // Normal rows whose display text in ACol was seen above; DoCase compares with case.
    void RemoveDuplicates(int ACol, bool DoCase) { FStructure->Bulk.RemoveDuplicates(ACol, DoCase); }
    void RemoveSelectedRows() { FStructure->Bulk.RemoveSelectedRows(); }
    void RemoveUnSelectedRows() { FStructure->Bulk.RemoveUnSelectedRows(); }
    void RemoveSelectedCols() { FStructure->Bulk.RemoveSelectedCols(); }
    void RemoveUnSelectedCols() { FStructure->Bulk.RemoveUnSelectedCols(); }
    // Unless ClearTextOnly, the records of the cells go too.
    virtual void ClearRect(int ACol1, int ARow1, int ACol2, int ARow2)
    {
        FStructure->Clearing.ClearRect(ACol1, ARow1, ACol2, ARow2);
    }
    void ClearRows(int RowIndex, int RCount) { FStructure->Clearing.ClearRows(RowIndex, RCount); }
    void ClearCols(int ColIndex, int CCount) { FStructure->Clearing.ClearCols(ColIndex, CCount); }
    void ClearNormalRows(int RowIndex, int RCount) { FStructure->Clearing.ClearNormalRows(RowIndex, RCount); }
    void ClearNormalCols(int ColIndex, int CCount) { FStructure->Clearing.ClearNormalCols(ColIndex, CCount); }
    void ClearNormalCells() { FStructure->Clearing.ClearNormalCells(); }
    void ClearSelection() { FStructure->Clearing.ClearSelection(); }
    void Clear() { FStructure->Clearing.Clear(); }
    void ClearAll() { FStructure->Clearing.ClearAll(); }
    virtual void TrimRect(int ACol1, int ARow1, int ACol2, int ARow2)
    {
        FStructure->Clearing.TrimRect(ACol1, ARow1, ACol2, ARow2);
    }
    void TrimColumn(int ACol) { FStructure->Clearing.TrimColumn(ACol); }
    void TrimRow(int ARow) { FStructure->Clearing.TrimRow(ARow); }
    void TrimAll() { FStructure->Clearing.TrimAll(); }
    void ColorRect(int ACol1, int ARow1, int ACol2, int ARow2, plat::TColor AColor)
    {
        FStructure->Clearing.ColorRect(ACol1, ARow1, ACol2, ARow2, AColor);
    }
    bool IsWideCell(int ACol, int ARow) { return FStructure->Clearing.IsWideCell(ACol, ARow); }
    bool IsCell(const std::string& SubStr, int& ACol, int& ARow) const { return FStructure->Clearing.IsCell(SubStr, ACol, ARow); }
    // The controls in cells are placed again after their cells moved.
    virtual void CellControlsUpdate() {}

    // ---- Merging, moving, swapping, column order (TGridStructure) -------------------------------
    // A move carries records, sort columns, the recorded column order and cell controls along;
    // with EnhRowColMove the widths (heights) go with their lines. A synchronised grid that
    // follows moves does each move once.

    void MergeColumnCells(int ColIndex, bool MainMerge) { FStructure->Merging.MergeColumnCells(ColIndex, MainMerge); }
    void MergeRowCells(int RowIndex, bool MainMerge) { FStructure->Merging.MergeRowCells(RowIndex, MainMerge); }
    void SplitColumnCells(int ColIndex) { FStructure->Merging.SplitColumnCells(ColIndex); }
    void SplitRowCells(int RowIndex) { FStructure->Merging.SplitRowCells(RowIndex); }
    void SplitAllCells() { FStructure->Merging.SplitAllCells(); }
    void MergeCols(int ColIndex1, int ColIndex2, const std::string& Separator)
    {
        FStructure->Merging.MergeCols(ColIndex1, ColIndex2, Separator);
    }
    void MoveColumn(int FromIndex, int ToIndex) { FStructure->Moves.MoveColumn(FromIndex, ToIndex); }
    // A row may not take the place of the floating footer's last row.
    void MoveRow(int FromIndex, int ToIndex) { FStructure->Moves.MoveRow(FromIndex, ToIndex); }
    void SwapColumns(int ACol1, int ACol2) { FStructure->Moves.SwapColumns(ACol1, ACol2); }
    void SwapRows(int ARow1, int ARow2) { FStructure->Moves.SwapRows(ARow1, ARow2); }
    void SetColumnOrder() { FStructure->Order.SetColumnOrder(); }
    void ResetColumnOrder() { FStructure->Order.ResetColumnOrder(); }
    int ColumnPosition(int ACol) const { return FStructure->Order.ColumnPosition(ACol); }
    int ColumnAtPosition(int ACol) { return FStructure->Order.ColumnAtPosition(ACol); }
    int ColumnByHeader(const std::string& AValue) const { return FStructure->Order.ColumnByHeader(AValue); }

    // ---- Hidden rows and columns (THiddenLines) -------------------------------------------------
    // Columns hide from the display only; rows leave the grid, parked with their cells, records,
    // height and marks, and come back at the place their real index takes. Filter passes
    // (HideRowList) are undone last first by UnHideRowList.

    int RealColIndex(int ADisplCol) const override { return FHidden->RealColIndex(ADisplCol); }
    int DisplColIndex(int ACol) const override { return FHidden->DisplColIndex(ACol); }
    int RealRowIndex(int ADisplRow) const { return FHidden->RealRowIndex(ADisplRow); }
    int DisplRowIndex(int ARealRow) const { return FHidden->DisplRowIndex(ARealRow); }
    int RealCol() const { return FHidden->RealColIndex(GetCol()); }
    int RealRow() const { return FHidden->RealRowIndex(GetRow()); }
    void HideColumn(int ACol) { FHidden->HideColumns(ACol, ACol); }
    void HideColumns(int FromCol, int ToCol) { FHidden->HideColumns(FromCol, ToCol); }
    void UnHideColumn(int ACol) { FHidden->UnHideColumns(ACol, ACol); }
    void UnHideColumns(int FromCol, int ToCol) { FHidden->UnHideColumns(FromCol, ToCol); }
    void UnHideColumnsAll() { FHidden->UnHideColumnsAll(); }
    bool IsHiddenColumn(int ACol) const { return FHidden->IsHiddenColumn(ACol); }
    int NumHiddenColumns() const { return FHidden->NumHiddenColumns(); }
    int TotalColCount() const override { return GetColCount() + FHidden->NumHiddenColumns(); }
    void HideRow(int ARow) { FHidden->HideRows(ARow, ARow); }
    void HideRows(int FromRow, int ToRow) { FHidden->HideRows(FromRow, ToRow); }
    void HideRowsEx(int FromRow, int ToRow) { FHidden->HideRowsEx(FromRow, ToRow); }
    void HideRowList(const TIntList& RowList) { FHidden->HideRowList(RowList); }
    void HideSelectedRows() { FHidden->HideSelectedRows(); }
    void HideUnSelectedRows() { FHidden->HideUnSelectedRows(); }
    void UnHideRow(int ARow) { FHidden->UnHideRows(ARow, ARow); }
    void UnHideRows(int FromRow, int ToRow) { FHidden->UnHideRows(FromRow, ToRow); }
    void UnHideRowsAll() { FHidden->UnHideRowsAll(); }
    void UnHideRowList() { FHidden->UnHideRowList(); }
    bool IsHiddenRow(int ARow) const { return FHidden->IsHiddenRow(ARow); }
    // The cache the callers keep is not needed: the store answers in O(log n) itself.
    bool IsHiddenRow(int ARow, TIntList*&) const { return FHidden->IsHiddenRow(ARow); }
    int NumHiddenRows() const { return FHidden->NumHiddenRows(); }
    int TotalRowCount() const { return GetRowCount() + FHidden->NumHiddenRows(); }
    int GetFilterLevel() const { return FHidden->FilterLevel(); }
    plat::TStrings* GetHiddenRowStrings(int ARow) const { return FHidden->GetHiddenRowStrings(ARow); }
    // Drops the hidden rows without showing them; their records are freed.
    void ClearHiddenRows() { FHidden->ClearHiddenRows(); }
    bool IsIgnoredColumn(int ACol) const;
    // The selection parks just outside the grid while no normal row holds it, and returns as it
    // was when its rectangle still starts inside the grid, else on the first normal cell. Rows
    // leaving and coming in park and return it themselves.
    void HideSelection() { FHidden->HideSelection(); }
    void UnHideSelection() { FHidden->UnHideSelection(); }
    bool SelectionHidden() const { return FHidden->SelectionParked(); }
    void UpdateEditMode() { SelectCell(GetCol(), GetRow()); }
    // Disabled rows paint with DisabledFontColor while UseEnabledRows is set.
    bool GetUseEnabledRows() const;
    void SetUseEnabledRows(bool Value);
    void SetRowEnabled(int ARow, bool State) { FRowMarks->SetRowEnabled(ARow, State); }

    // ---- Search footer --------------------------------------------------------------------------

    bool LastRowAboveSearchFooter() const;
    void ScrollAboveSearchFooter();

    // ---- Notifications --------------------------------------------------------------------------

    // The selection-change handler of the grid's rich-text editor.
    void RichTextSelChange(plat::TObject* Sender);
    // Expanded or contracted height of an expand cell; DefaultRowHeight without a cell object.
    int GetExpandHeight(int ACol, int ARow, bool Expanded);

    // ---- Dimensions -----------------------------------------------------------------------------

    void SetRowCount(int Value);
    void SetColCount(int Value);
    // 1 while the library has none and FixedRowAlways is set.
    int GetFixedRows() const;
    // Also reached as the library type: the value set is kept as MinFixedRows (MinFixedCols).
    void SetFixedRows(int Value) override;
    int GetFixedCols() const;
    void SetFixedCols(int Value) override;
    int GetFixedFooters() const;
    void SetFixedFooters(int Value);
    int GetFixedRightCols() const;
    void SetFixedRightCols(int Value);
    void SetDefaultRowHeight(int Value);
    int GetFixedRowHeight() const;
    void SetFixedRowHeight(int Value);
    int GetFixedColWidth() const { return GetColWidths(0); }
    void SetFixedColWidth(int Value);
    plat::TAlignment GetDefaultAlignment() const { return FLook->GetDefaultAlignment(); }
    void SetDefaultAlignment(plat::TAlignment Value) { FLook->SetDefaultAlignment(Value); }
    void SetCol(int Value);
    // A current column outside the grid first moves to (FixedCols, Value). OnRowChanged fires
    // when the row differs from the one it told last; a synchronised grid with SelectionRow
    // follows; on the last row the grid scrolls it above the search footer.
    void SetRow(int Value);
    // Taken only within FixedRows .. RowCount - 1; other values change nothing.
    void SetTopRow(int Value);
    // Display indexes; a cell out of view becomes the current cell and is scrolled to the middle
    // of the view, and above the search footer when that shows. Cells outside the grid are left.
    void ScrollInView(int ColIndex, int RowIndex);
    bool GetWordWrap() const { return FLook->GetWordWrap(); }
    void SetWordWrap(bool Value);
    bool GetFixedRowAlways() const;
    void SetFixedRowAlways(bool Value);
    bool GetFixedColAlways() const;
    void SetFixedColAlways(bool Value);
    int GetMinFixedRows() const;
    int GetMinFixedCols() const;
    int GetMaxRowCount() const;
    int GetMaxColCount() const;
    // ColCount and RowCount with the hidden columns and rows.
    int GetAllColCount() const { return GetColCount() + NumHiddenColumns(); }
    int GetAllRowCount() const { return GetRowCount() + NumHiddenRows(); }
    // Through the sort cross-reference.
    int SortedRowIndex(int ARow) const;
    int UnSortedRowIndex(int ARow) const;
    TIntList& SortXRef();

    // ---- Owned groups and objects ---------------------------------------------------------------

    TFocusHelper& FocusHelper();
    void SetFocusHelper(const TFocusHelper& Value);
    TSearchFooter& SearchFooter();
    void SetSearchFooter(const TSearchFooter& Value);
    TFloatingFooter& FloatingFooter();
    void SetFloatingFooter(const TFloatingFooter& Value);
    TPrintSettings& PrintSettings();
    void SetPrintSettings(const TPrintSettings& Value);
    THTMLSettings& HTMLSettings();
    void SetHTMLSettings(const THTMLSettings& Value);
    TSortSettings& SortSettings();
    void SetSortSettings(const TSortSettings& Value);
    TDragDropSettings& DragDropSettings();
    void SetDragDropSettings(const TDragDropSettings& Value);
    TDragScrollOptions& DragScrollOptions();
    void SetDragScrollOptions(const TDragScrollOptions& Value);
    TControlLook& ControlLook();
    void SetControlLook(const TControlLook& Value);
    TNavigation& Navigation();
    void SetNavigation(const TNavigation& Value);
    TColumnSize& ColumnSize();
    void SetColumnSize(const TColumnSize& Value);
    TCellNode& CellNode();
    void SetCellNode(const TCellNode& Value);
    TBands& Bands();
    void SetBands(const TBands& Value);
    TSizeWhileTyping& SizeWhileTyping();
    TMouseActions& MouseActions();
    void SetMouseActions(const TMouseActions& Value);
    TGrouping& Grouping();
    void SetGrouping(const TGrouping& Value);
    foundation::THTMLPictureCache& ImageCache();
    // The named pictures of the mini-HTML cells' image tags; none at first, forgotten when freed.
    foundation::TPictureContainer* GetPictureContainer() const;
    void SetPictureContainer(foundation::TPictureContainer* Value);
    // The layouts of the mini-HTML cell texts painted lately, kept so that a repaint only draws.
    TGridHtmlLayoutCache& HtmlLayouts();
    plat::TFont& FixedFont() { return FLook->FixedFont(); }
    void SetFixedFont(const plat::TFont& Value) { FLook->SetFixedFont(Value); }
    plat::TFont& ActiveCellFont() { return FLook->ActiveCellFont(); }
    void SetActiveCellFont(const plat::TFont& Value) { FLook->SetActiveCellFont(Value); }
    plat::TStringList& LookupItems();
    void SetLookupItems(const plat::TStrings* Value);
    TSortIndexList& SortIndexes();
    TIntList& MergedColumns();
    plat::TBitmap& RowIndicator() { return FLook->RowIndicator(); }
    void SetRowIndicator(const plat::TBitmap& Value) { FLook->SetRowIndicator(Value); }
    TBackGround& BackGround();
    void SetBackGround(const TBackGround& Value);
    TControlList& ControlList();
    TGridProgressAppearance& ProgressAppearance();
    void SetProgressAppearance(const TGridProgressAppearance& Value);
    TSyncGrid& SyncGrid();
    void SetSyncGrid(const TSyncGrid& Value);
    TFilter& Filter();
    void SetFilter(const TFilter& Value);
    TBalloonSettings& Balloon();
    void SetBalloon(const TBalloonSettings& Value);
    TShowModified& ShowModified();
    void SetShowModified(const TShowModified& Value);
    TCellGraphic& SharedCellGraphic();
    foundation::TVezHintInfo& OfficeHint();
    void SetOfficeHint(const foundation::TVezHintInfo& Value);
    TIntList& IgnoreColumns();
    TFilterDropDown& FilterDropDown();
    void SetFilterDropDown(const TFilterDropDown& Value);
    plat::TStringList& FilterList();

    // ---- Child controls -------------------------------------------------------------------------

    // nullptr when the grid was made in design mode.
    TFooterPanel* FooterPanel() const;
    TSearchPanel* SearchPanel() const;

    // ---- Plain settings -------------------------------------------------------------------------

    bool GetFitCellsInGrid() const;
    void SetFitCellsInGrid(bool Value);
    bool GetFilterNormalCellsOnly() const;
    void SetFilterNormalCellsOnly(bool Value);
    bool GetAutoFilterUpdate() const;
    void SetAutoFilterUpdate(bool Value);
    bool GetUseInternalHintClass() const;
    void SetUseInternalHintClass(bool Value);
    bool GetShowDesignHelper() const { return FLook->GetShowDesignHelper(); }
    void SetShowDesignHelper(bool Value) { FLook->SetShowDesignHelper(Value); }
    bool GetEnhRowColMove() const;
    void SetEnhRowColMove(bool Value);
    bool GetUseDisabledFont() const { return FLook->GetUseDisabledFont(); }
    void SetUseDisabledFont(bool Value) { FLook->SetUseDisabledFont(Value); }
    bool GetEnableWheel() const;
    void SetEnableWheel(bool Value);
    bool GetIntelliZoom() const;
    void SetIntelliZoom(bool Value);
    bool GetLoadFirstRow() const;
    void SetLoadFirstRow(bool Value);
    bool GetShowSelection() const { return FLook->GetShowSelection(); }
    void SetShowSelection(bool Value);
    bool GetQuoteEmptyCells() const;
    void SetQuoteEmptyCells(bool Value);
    bool GetEnableHTML() const { return FLook->GetEnableHTML(); }
    void SetEnableHTML(bool Value) { FLook->SetEnableHTML(Value); }
    bool GetShowNullDates() const;
    void SetShowNullDates(bool Value);
    bool GetSaveFixedCells() const;
    void SetSaveFixedCells(bool Value);
    bool GetSaveVirtCells() const;
    void SetSaveVirtCells(bool Value);
    bool GetSaveWithHTML() const;
    void SetSaveWithHTML(bool Value);
    THoverFixedCells GetHoverFixedCells() const { return FLook->GetHoverFixedCells(); }
    void SetHoverFixedCells(THoverFixedCells Value) { FLook->SetHoverFixedCells(Value); }
    int GetSelectionColorMixerFactor() const { return FLook->GetSelectionColorMixerFactor(); }
    // Kept within 0 .. 100.
    void SetSelectionColorMixerFactor(int Value) { FLook->SetSelectionColorMixerFactor(Value); }
    TFilterDropDownColumns GetFilterDropDownColumns() const;
    void SetFilterDropDownColumns(TFilterDropDownColumns Value);
    const std::string& GetXMLEncoding() const;
    void SetXMLEncoding(const std::string& Value);
    const std::string& GetFilterDropDownClear() const;
    void SetFilterDropDownClear(const std::string& Value);
    bool GetFilterDropDownAuto() const;
    void SetFilterDropDownAuto(bool Value);
    TEditorType GetDefaultEditor() const;
    void SetDefaultEditor(TEditorType Value);
    plat::TColor GetDisabledFontColor() const { return FLook->GetDisabledFontColor(); }
    void SetDisabledFontColor(plat::TColor Value) { FLook->SetDisabledFontColor(Value); }
    bool GetActiveCellShow() const { return FLook->GetActiveCellShow(); }
    void SetActiveCellShow(bool Value) { FLook->SetActiveCellShow(Value); }
    plat::TColor GetActiveCellColor() const { return FLook->GetActiveCellColor(); }
    void SetActiveCellColor(plat::TColor Value) { FLook->SetActiveCellColor(Value); }
    plat::TColor GetActiveCellColorTo() const { return FLook->GetActiveCellColorTo(); }
    void SetActiveCellColorTo(plat::TColor Value) { FLook->SetActiveCellColorTo(Value); }
    plat::TPoint GetXYOffset() const { return FLook->GetXYOffset(); }
    void SetXYOffset(plat::TPoint Value) { FLook->SetXYOffset(Value); }
    plat::TScrollStyle GetScrollBars() const;
    void SetScrollBars(plat::TScrollStyle Value);
    bool GetLookupCaseSensitive() const;
    void SetLookupCaseSensitive(bool Value);
    bool GetSizeGrowOnly() const;
    void SetSizeGrowOnly(bool Value);
    bool GetAlwaysQuotes() const;
    void SetAlwaysQuotes(bool Value);
    bool GetSaveFixedRows() const;
    void SetSaveFixedRows(bool Value);
    bool GetSaveFixedCols() const;
    void SetSaveFixedCols(bool Value);
    bool GetSaveHiddenCells() const;
    void SetSaveHiddenCells(bool Value);
    bool GetExcelClipboardFormat() const;
    void SetExcelClipboardFormat(bool Value);
    bool GetJavaCSV() const;
    void SetJavaCSV(bool Value);
    bool GetClearTextOnly() const;
    void SetClearTextOnly(bool Value);
    bool GetFilterIncremental() const;
    void SetFilterIncremental(bool Value);
    int GetMinRowHeight() const;
    void SetMinRowHeight(int Value);
    int GetMaxRowHeight() const;
    void SetMaxRowHeight(int Value);
    int GetMinColWidth() const;
    void SetMinColWidth(int Value);
    int GetMaxColWidth() const;
    void SetMaxColWidth(int Value);
    int GetZoomFactor() const { return FLook->GetZoomFactor(); }
    void SetZoomFactor(int Value) { FLook->SetZoomFactor(Value); }
    int GetGroupColumn() const;
    void SetGroupColumn(int Value);
    TInvalidEntryIcon GetInvalidEntryIcon() const;
    void SetInvalidEntryIcon(TInvalidEntryIcon Value);
    const std::string& GetInvalidEntryTitle() const;
    void SetInvalidEntryTitle(const std::string& Value);
    const std::string& GetInvalidEntryText() const;
    void SetInvalidEntryText(const std::string& Value);
    plat::TColor GetHintColor() const;
    void SetHintColor(plat::TColor Value);
    plat::TColor GetHighlightColor() const { return FLook->GetHighlightColor(); }
    void SetHighlightColor(plat::TColor Value) { FLook->SetHighlightColor(Value); }
    plat::TColor GetHighlightTextColor() const { return FLook->GetHighlightTextColor(); }
    void SetHighlightTextColor(plat::TColor Value) { FLook->SetHighlightTextColor(Value); }
    plat::TColor GetSelectionColor() const { return FLook->GetSelectionColor(); }
    void SetSelectionColor(plat::TColor Value) { FLook->SetSelectionColor(Value); }
    plat::TColor GetSelectionColorTo() const { return FLook->GetSelectionColorTo(); }
    void SetSelectionColorTo(plat::TColor Value) { FLook->SetSelectionColorTo(Value); }
    plat::TColor GetSelectionMirrorColor() const { return FLook->GetSelectionMirrorColor(); }
    void SetSelectionMirrorColor(plat::TColor Value) { FLook->SetSelectionMirrorColor(Value); }
    plat::TColor GetSelectionMirrorColorTo() const { return FLook->GetSelectionMirrorColorTo(); }
    void SetSelectionMirrorColorTo(plat::TColor Value) { FLook->SetSelectionMirrorColorTo(Value); }
    plat::TColor GetSelectionTextColor() const { return FLook->GetSelectionTextColor(); }
    void SetSelectionTextColor(plat::TColor Value) { FLook->SetSelectionTextColor(Value); }
    bool GetSelectionColorMixer() const { return FLook->GetSelectionColorMixer(); }
    void SetSelectionColorMixer(bool Value) { FLook->SetSelectionColorMixer(Value); }
    bool GetSelectionRectangle() const { return FLook->GetSelectionRectangle(); }
    void SetSelectionRectangle(bool Value) { FLook->SetSelectionRectangle(Value); }
    bool GetSelectionResizer() const { return FLook->GetSelectionResizer(); }
    void SetSelectionResizer(bool Value) { FLook->SetSelectionResizer(Value); }
    plat::TColor GetURLColor() const { return FLook->GetURLColor(); }
    void SetURLColor(plat::TColor Value) { FLook->SetURLColor(Value); }
    TVAlignment GetVAlignment() const { return FLook->GetVAlignment(); }
    void SetVAlignment(TVAlignment Value) { FLook->SetVAlignment(Value); }
    char GetDelimiter() const;
    void SetDelimiter(char Value);
    const std::string& GetFloatFormat() const { return FLook->GetFloatFormat(); }
    void SetFloatFormat(const std::string& Value) { FLook->SetFloatFormat(Value); }
    char GetPasswordChar() const { return FLook->GetPasswordChar(); }
    void SetPasswordChar(char Value) { FLook->SetPasswordChar(Value); }
    const std::string& GetCheckTrue() const;
    void SetCheckTrue(const std::string& Value);
    const std::string& GetCheckFalse() const;
    void SetCheckFalse(const std::string& Value);
    TGridLook GetLook() const { return FLook->GetLook(); }
    void SetLook(TGridLook Value) { FLook->SetLook(Value); }
    plat::TColor GetZORGradientFrom() const { return FLook->GetZORGradientFrom(); }
    void SetZORGradientFrom(plat::TColor Value) { FLook->SetZORGradientFrom(Value); }
    plat::TColor GetZORGradientTo() const { return FLook->GetZORGradientTo(); }
    void SetZORGradientTo(plat::TColor Value) { FLook->SetZORGradientTo(Value); }
    plat::TColor GetZORGradientMirrorFrom() const { return FLook->GetZORGradientMirrorFrom(); }
    void SetZORGradientMirrorFrom(plat::TColor Value) { FLook->SetZORGradientMirrorFrom(Value); }
    plat::TColor GetZORGradientMirrorTo() const { return FLook->GetZORGradientMirrorTo(); }
    void SetZORGradientMirrorTo(plat::TColor Value) { FLook->SetZORGradientMirrorTo(Value); }
    plat::TColor GetBorderColor() const { return FLook->GetBorderColor(); }
    void SetBorderColor(plat::TColor Value) { FLook->SetBorderColor(Value); }
    TScrollType GetScrollType() const;
    void SetScrollType(TScrollType Value);
    plat::TColor GetScrollColor() const;
    void SetScrollColor(plat::TColor Value);
    int GetScrollWidth() const;
    void SetScrollWidth(int Value);
    bool GetScrollProportional() const;
    void SetScrollProportional(bool Value);
    bool GetScrollSynch() const;
    void SetScrollSynch(bool Value);
    TScrollHintType GetScrollHints() const;
    void SetScrollHints(TScrollHintType Value);
    TScrollBarAlways GetScrollBarAlways() const;
    void SetScrollBarAlways(TScrollBarAlways Value);
    TIntelliPan GetIntelliPan() const;
    void SetIntelliPan(TIntelliPan Value);
    bool GetAnchorHint() const;
    void SetAnchorHint(bool Value);
    bool GetAutoNumAlign() const { return FLook->GetAutoNumAlign(); }
    void SetAutoNumAlign(bool Value) { FLook->SetAutoNumAlign(Value); }
    bool GetAutoSize() const;
    void SetAutoSize(bool Value);
    bool GetAutoThemeAdapt() const;
    void SetAutoThemeAdapt(bool Value);
    bool GetIntegralHeight() const;
    void SetIntegralHeight(bool Value);
    bool GetHovering() const;
    void SetHovering(bool Value);
    int GetMaxEditLength() const;
    void SetMaxEditLength(int Value);
    bool GetSpreadSheet() const;
    // Whatever the value, switches on the look and options of a spreadsheet.
    void SetSpreadSheet(bool Value);
    bool GetFlat() const { return FLook->GetFlat(); }
    void SetFlat(bool Value) { FLook->SetFlat(Value); }
    // Also the cursor the grid goes back to after hover cursors.
    void SetCursor(plat::TCursor Value);
    plat::TCursor GetRestoreCursor() const;
    bool GetUseHTMLHints() const;
    void SetUseHTMLHints(bool Value);
    bool GetModified() const;
    void SetModified(bool Value);
    // The page the preview draws; writing sets the first and the last page.
    int GetPreviewPage() const;
    void SetPreviewPage(int Value);
    int GetPrintPageTo() const;

    // The platform's answers, recorded at construction: version 5.1 or later (from the window's
    // creation on only while a theme is on), version 6.1 or later, common controls 6 or later.
    bool IsWinXP() const;
    bool IsWin7() const;
    bool IsThemed() const;
    bool GetGridLoaded() const;

    // The cell that was current when editing or a click started.
    struct TOldCell {
        int Col = -1;
        int Row = -1;
        std::string Text;
        bool Modified = false;
    };
    const TOldCell& OldCell() const;

    // ---- Events ---------------------------------------------------------------------------------

    TGridColorEvent OnGetCellColor;
    TGridColorEvent OnGetCellPrintColor;
    TGridBorderEvent OnGetCellBorder;
    TGridBorderEvent OnGetCellPrintBorder;
    TGridAlignEvent OnGetAlignment;
    TGridFormatEvent OnGetFormat;
    TGetEditorTypeEvent OnGetEditorType;
    TCellFlagEvent OnHasComboBox;
    TCellFlagEvent OnHasSpinEdit;
    TRowColFlagEvent OnIsFixedCell;
    TRowColFlagEvent OnCanEditCell;
    TRowColFlagEvent OnIsPasswordCell;
    TCellFlagEvent OnGetWordWrap;
    TGetCheckEvent OnGetCheckTrue;
    TGetCheckEvent OnGetCheckFalse;
    TGridHintEvent OnGridHint;
    TGridHintEvent OnGridWideHint;
    TOfficeHintEvent OnOfficeHint;
    TGetCellCursorEvent OnGetCellCursor;
    TGetColumnFilterEvent OnGetColumnFilter;
    TSearchFooterActionEvent OnSearchFooterAction;
    TCellClickEvent OnButtonClick;
    TExpandClickEvent OnExpandClick;
    TRowColClickEvent OnComboCloseUp;
    TRowColClickEvent OnComboDropDown;
    TPrintPageNumEvent OnPrintGetPageNum;
    TGetEditorPropEvent OnGetEditorProp;
    TRowColClickEvent OnGetEditorPropInt;
    TCheckBoxClickEvent OnCheckBoxClick;
    TFixedEditEvent OnFixedEdit;
    plat::TNotifyEvent OnFilterDone;
    TSelectionChangedEvent OnSelectionChanged;
    plat::TNotifyEvent OnRichEditSelectionChange;
    TRowEvent OnAutoDeleteRow;
    TRowChangedEvent OnRowChanged;
    TCellsChangedEvent OnCellsChanged;
    TRowDisjunctSelectEvent OnRowDisjunctSelect;
    TRowEvent OnRowDisjunctSelected;

protected:
    TCellLookDefaults GetCellPropertyDefaults(int ACol, int ARow, plat::TBrush& Brush, plat::TFont& Font) override;
    void Click() override;
    void Loaded() override;
    void Resize() override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void Notification(plat::TComponent* AComponent, plat::TOperation Operation) override;
    void Dispatch(plat::TMessage& Message) override;
    // The counts' bookkeeping: the footer row's blocks split while that row is still inside the
    // grid; then fixed rows and columns kept, the rows that pass through the display-text
    // event, the footer row moved to the last row.
    void SizeChanging(int NewColCount, int NewRowCount) override;
    void SizeChanged(int OldColCount, int OldRowCount) override;
    void DeleteRow(int ARow) override;
    void ColumnMoved(int FromIndex, int ToIndex) override { FStructure->Moves.ColumnMoved(FromIndex, ToIndex); }
    void RowMoved(int FromIndex, int ToIndex) override { FStructure->Moves.RowMoved(FromIndex, ToIndex); }

    // Set by an edit change that asks for no repaint: the next Invalidate only clears it.
    void SetEditChange(bool Value);

    // ---- Cell painting (TCellLook, TCellPainter, TCellTextPainter) ------------------------------
    // The look of one cell and the content the base grid's painter asks for: fixed-cell looks,
    // row indicator, modified marker, in-cell buttons, the text with its glyphs and
    // backgrounds, borders and the owner's drawing, firing the owner's events in a fixed order.
public:
    // Text settings of the painter; each repaints when changed.
    bool GetMultilinecells() const { return FLook->GetMultilinecells(); }
    void SetMultilinecells(bool Value) { FLook->SetMultilinecells(Value); }
    bool GetEnhTextSize() const { return FLook->GetEnhTextSize(); }
    void SetEnhTextSize(bool Value) { FLook->SetEnhTextSize(Value); }
    bool GetURLShow() const { return FLook->GetURLShow(); }
    void SetURLShow(bool Value) { FLook->SetURLShow(Value); }
    bool GetURLFull() const { return FLook->GetURLFull(); }
    // Repaints when URLShow is on.
    void SetURLFull(bool Value) { FLook->SetURLFull(Value); }
    // Links of mini-HTML cells are underlined only while the mouse is over them.
    bool GetURLUnderlineOnHover() const { return FLook->GetURLUnderlineOnHover(); }
    void SetURLUnderlineOnHover(bool Value) { FLook->SetURLUnderlineOnHover(Value); }
    bool GetXYOffsetTopLeftOnly() const { return FLook->GetXYOffsetTopLeftOnly(); }
    void SetXYOffsetTopLeftOnly(bool Value) { FLook->SetXYOffsetTopLeftOnly(Value); }
    bool GetHideFocusRect() const { return FLook->GetHideFocusRect(); }
    void SetHideFocusRect(bool Value) { FLook->SetHideFocusRect(Value); }
    // With OnDrawCell or OnCustomCellDraw assigned, the owner draws the text.
    bool GetNoDefaultDraw() const { return FLook->GetNoDefaultDraw(); }
    void SetNoDefaultDraw(bool Value) { FLook->SetNoDefaultDraw(Value); }
    // Cells with a cell object show no text.
    bool GetNoImageAndText() const { return FLook->GetNoImageAndText(); }
    void SetNoImageAndText(bool Value) { FLook->SetNoImageAndText(Value); }
    plat::TColor GetSelectionRectangleColor() const { return FLook->GetSelectionRectangleColor(); }
    void SetSelectionRectangleColor(plat::TColor Value) { FLook->SetSelectionRectangleColor(Value); }
    // The fixed row whose cells show the filter glyph; only rows above FixedRows are taken.
    int GetFilterDropDownRow() const { return FPainter->GetFilterDropDownRow(); }
    void SetFilterDropDownRow(int Value) { FPainter->SetFilterDropDownRow(Value); }

    // The fixed cell the mouse lights up; the mouse handling keeps it. Repaints the cells whose
    // look the change touches.
    const TFixedCellHover& GetFixedCellHover() const { return FPainter->GetFixedCellHover(); }
    void SetFixedCellHover(const TFixedCellHover& Value) { FPainter->SetFixedCellHover(Value); }
    // The link of a mini-HTML cell the mouse is over: the cell (display column, row) and the
    // link's number in it, counted from 1; (-1, -1) and -1 for none. The mouse handling keeps it;
    // with URLUnderlineOnHover only that link is underlined. Repaints the cells it leaves and enters.
    plat::TPoint GetHoverCell() const;
    int GetHoverLink() const;
    void SetHoverLink(plat::TPoint ACell, int ALink);
    // Whether HoverFixedCells lets the cell light up: a cell of the fixed columns with hfAll or
    // hfFixedColumns, of the fixed rows with hfAll or hfFixedRows.
    bool IsHoverFixedCell(int ACol, int ARow) const { return FPainter->IsHoverFixedCell(ACol, ARow); }
    // OnCanShowFixedDropDown, starting from true.
    virtual bool CanShowFixedDropDown(int ACol);

    // The text the painter shows: the display text, a number formatted by the float format
    // OnGetFloatFormat agrees to; a value or format that fails leaves the display text.
    virtual std::string GetFormattedCellText(int ACol, int ARow);
    // The cell's object and the room it takes beside the text.
    TCellGraphicLayout GetCellGraphicLayout(int ACol, int ARow) { return FCellLook->GetCellGraphicLayout(ACol, ARow); }
    // DefaultAlignment and VAlignment; numbers right-aligned with AutoNumAlign; the record's
    // alignment unless the text is a formula; then QueryCellAlignment.
    void GetCellAlignment(int ACol, int ARow, plat::TAlignment& HAlign, TVAlignment& VAlign)
    {
        FCellLook->GetCellAlignment(ACol, ARow, HAlign, VAlign);
    }
    // The font a cell is measured with: FixedFont or Font, the record's font, then
    // QueryCellColor with ABrush and AState.
    void GetFontProperties(int ACol, int RCol, int ARow, plat::TBrush& ABrush, plat::TFont& AFont,
                           plat::TGridDrawState AState)
    {
        FCellLook->GetFontProperties(ACol, RCol, ARow, ABrush, AFont, AState);
    }
    // Percent of Color1 over Color2, each channel rounded: 100 or more gives Color1, below 1
    // (or Color1 clNone) Color2, Color2 clNone gives Color1.
    static plat::TColor BlendColor(plat::TColor Color1, plat::TColor Color2, int Percent)
    {
        return TCellLook::BlendColor(Color1, Color2, Percent);
    }
    // BlendColor with the mixer on, Color1 otherwise.
    static plat::TColor BlendSelectionColor(plat::TColor Color1, plat::TColor Color2, bool Mixer, int Percent)
    {
        return TCellLook::BlendSelectionColor(Color1, Color2, Mixer, Percent);
    }
    // One check box on the grid's canvas, and a radio group on any canvas, in the control look.
    void DrawCheck(const plat::TRect& Rect, bool Checked, TCheckBoxState TriStateValue, bool TriState,
                   TControlStyle Style, bool Greyed, bool Enabled);
    void DrawRadioGroup(plat::TCanvas& Canvas, const TRadioGroupItems& Group);
    // The sort glyph of a column centred on (X, Y): the index sort's numbered triangle, else
    // the direction's glyph or a 3-D arrow.
    void DrawSortIndicator(plat::TCanvas& Canvas, int ACol, int Y, int X)
    {
        FPainter->TextPainter().DrawSortIndicator(Canvas, ACol, Y, X);
    }

    TGridGradientEvent OnGetCellGradient;
    TFloatFormatEvent OnGetFloatFormat;
    TGridBorderPropEvent OnGetCellBorderProp;
    TCustomCellDrawEvent OnCustomCellBkgDraw;
    TCustomCellDrawEvent OnCustomCellDraw;
    TCanShowFixedDropDownEvent OnCanShowFixedDropDown;

protected:
    void DrawCellContent(plat::TCanvas& Canvas, int ACol, int ARow, const plat::TRect& ARect,
                         plat::TGridDrawState AState) override
    {
        FPainter->DrawCellContent(Canvas, ACol, ARow, ARect, AState);
    }
    void GetVisualProperties(int ACol, int ARow, TCellVisualProperties& Visual, plat::TFont& AFont,
                             plat::TBrush& ABrush, bool Remap, bool WithSelection, bool Print,
                             plat::TGridDrawState& AState) override
    {
        // The look reads records, which lie at real columns.
        FCellLook->GetVisualProperties(Remap ? RealColIndex(ACol) : ACol, ARow, Visual, AFont, ABrush, WithSelection,
                                       Print, AState);
    }
    bool HasCustomBorders() override { return static_cast<bool>(OnGetCellBorder); }

private:
    class THost;

    void RecordPlatformAnswers();
    void CreateOwnedObjects();
    void CreateEditorControls();
    // Frees the child controls the grid made, in its documented order.
    void FreeChildControls();
    void ForgetChildControl(const plat::TComponent* Gone);
    void SetDefaults();
    void TakeOverFormResize();
    void GiveBackFormResize();
    void OwnerFormResize(plat::TObject* Sender);
    void UpdateSearchPanel();
    // After a change of the grid's size.
    void LayOutSearchPanel();
    int SearchPanelHeight() const;
    void RepaintFooter();
    void FooterHeightChanged(int Value);
    // A new RowCount or ColCount, from either setter.
    void RowCountSet(int OldCount);
    void ColCountSet();
    void RowCountChanged();
    bool IsLoading() const { return ComponentState().Contains(plat::csLoading); }
    bool Updating() const { return GetUpdateCount() > 0; }

    void WMTimer(plat::TMessage& Message);
    void WMSize(plat::TMessage& Message);
    // The normal cell under the mouse becomes the current cell.
    void FollowMouse();
    // Cells whose text holds a blink tag, in view.
    void RepaintBlinkingCells();
    void RepaintIfBlinking(int RealCol, int ARow);
    // Columns keep their share of the grid's width.
    void SynchColumnsWithWidth(int ClientWidth);

    // Cells of the fills and the row setters.
    template <typename F>
    void ForFillCells(bool DoFixed, F Fill);
    // Clears one colour field in the row's records, freeing those left with nothing else.
    void ClearRowField(int ARow, void (*Clear)(TCellProperties&));
    class TRecordSetAside;
    bool HoldsOnlyDefaults(int ACol, int ARow, const TCellProperties& Record);
    void MoveFooterRow(int OldLast, int NewLast);
    void SplitBlocksInRow(int ARow);
    void AssignCellsFrom(const TVezEzuzorEvad& Source);

    // The line operations the structure part asks for (TVezEzuzorEvadLines.cpp): rows and
    // columns open, close and change places with their records, sizes and every list kept
    // with them (selection flags, row marks, cell controls).
    void InsertRowLines(int ARow, int ACount, bool AMoveControls);
    void RemoveRowLines(const std::vector<int>& ASortedRows, bool AFreeRecords);
    void RemoveRowsInOnePass(const std::vector<int>& ASortedRows);
    void InsertColLines(int ACol, int ACount);
    void RemoveColLines(int ACol, int ACount);
    void ExchangeRowLines(int ARow1, int ARow2);
    void ExchangeColLines(int ACol1, int ACol2);
    bool HoldsAnyRecord();
    TLineMoves* SyncedMoves(bool AColumns);

    // The grid's row primitives, which the parts reach through their hosts: display rows taken
    // out into parked items and parked items put back at final display rows, each one pass over
    // the rows and every list kept in step with them, with one cells-changed notice.
    std::vector<std::unique_ptr<TGridItem>> TakeRowsOut(std::span<const int> ASortedRows);
    void PutRowsBack(std::span<const int> AFinalRows, std::vector<std::unique_ptr<TGridItem>> AItems);

    // Made first and freed last: the classes below talk to the grid through it.
    std::unique_ptr<THost> FHost;
    std::unique_ptr<THiddenLines> FHidden;
    std::unique_ptr<TVezEzuzorEvadState> FState;
    std::unique_ptr<TGridLookSettings> FLook;
    std::unique_ptr<TDisjunctSelection> FSelection;
    std::unique_ptr<TRowMarks> FRowMarks;
    std::unique_ptr<THeaderTexts> FHeaders;
    std::unique_ptr<TCellLook> FCellLook;
    std::unique_ptr<TCellPainter> FPainter;
    std::unique_ptr<TGridStructure> FStructure;
};

}  // namespace skelda::grid
