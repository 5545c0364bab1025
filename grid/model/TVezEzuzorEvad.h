#pragma once

#include "grid/cells/TBaseGrid.h"
#include "grid/drawing/TCheckDrawer.h"
#include "grid/model/VezGridTypes.h"
#include "grid/painting/CellPaintTypes.h"
#include "grid/support/TCellType.h"
#include "platform/system/DateTime.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace plat {
class TBitmap;
class TCustomForm;
class TInplaceEdit;
class TScrollBar;
class TStringList;
}  // namespace plat

namespace skelda::foundation {
class THTMLPictureCache;
class TVezHintInfo;
}  // namespace skelda::foundation

namespace skelda::grid {

class ITVezEzuzorEvadSelect;
class TArrowWindow;
class TBackGround;
class TBalloonSettings;
class TBands;
class TCellGraphic;
class TCellNode;
struct TCellPaintContext;
class TCellSelection;
class TColumnSize;
class TControlCombo;
class TControlEdit;
class TControlList;
class TControlLook;
class TDragDropSettings;
class TDragScrollOptions;
class TDropCheckList;
class TDropList;
class TFilter;
class TFilterDropDown;
class TFloatingFooter;
class TFocusHelper;
class TFooterPanel;
class TGridButton;
class TGridChangeNotifier;
class TGridCheckBox;
class TGridCombo;
class TGridEditBtn;
class TGridFocusWindow;
class TGridItem;
class TGridProgressAppearance;
class TGridTransCombo;
class TGridTransEdit;
class TGridUnitEditBtn;
class TGrouping;
class THTMLHintWindow;
class THTMLSettings;
class THeaderDragButton;
class TIntList;
class TLineSelection;
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
template <typename TItem>
class TCollectionOf;

// The string grid control: the base grid's cells, merged blocks and cell records, with the
// settings groups, lists and look that the grid's painting, editing and data exchange read, the
// per-cell and per-row look operations, the disjunct selections, and the questions the grid
// asks its owner about single cells (each a virtual operation that applies the grid's own rule
// and then fires its event).
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

    void RegisterSelListener(ITVezEzuzorEvadSelect* Listener) { FSelListener = Listener; }
    void UnRegisterSelListener(ITVezEzuzorEvadSelect*) { FSelListener = nullptr; }
    ITVezEzuzorEvadSelect* SelListener() const { return FSelListener; }
    // A notifier is listed once and dropped when it is freed.
    void RegisterNotifier(TGridChangeNotifier* Notifier);
    void UnRegisterNotifier(TGridChangeNotifier* Notifier);

    // The version as "6.0.4.4"; writing does nothing.
    std::string GetVersion() const;
    void SetVersion(const std::string&) {}

    // Remembers every column width and the grid width, which window-size handling scales from.
    void InitOrigColSizes();
    const std::vector<int>& OrigColSizes() const { return FOrigColSizes; }
    int GetOrigWidth() const { return FOrigWidth; }

    void Invalidate() override;
    // Shows (or with Force hides) the bars ScrollBarAlways asks for; see ScrollBarAlwaysShown.
    void UpdateScrollBarsAlways(bool Force);
    // What UpdateScrollBarsAlways decided for a bar (SB_HORZ or SB_VERT): shown and enabled.
    // The library grid shows and hides its window bars itself; this is the grid's request.
    bool ScrollBarAlwaysShown(int ABar) const { return FAlwaysBarShown[ABar != 0]; }
    bool ScrollBarAlwaysEnabled(int ABar) const { return FAlwaysBarEnabled[ABar != 0]; }
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

    // Nested update blocks: while one is open the grid paints nothing, and when the outermost
    // ends the whole grid repaints once. Taken only while the grid is visible; an unbalanced
    // EndUpdate never takes the count below 0.
    void BeginUpdate();
    void EndUpdate();
    int GetUpdateCount() const { return FUpdateCount; }
    // A lock without touching the window, for scrolls that must not repaint.
    void StartUpdate() { ++FUpdateCount; }
    // Ends any lock without a repaint.
    void ResetUpdate() { FUpdateCount = 0; }
    bool GetLockUpdate() const { return FUpdateCount != 0; }
    void SetLockUpdate(bool Value);

    // The grid timer runs while the window exists: blinking, follow-the-mouse selection and the
    // expiry of the incremental search text.
    static constexpr std::uintptr_t GridTimerID = 111;
    static constexpr unsigned GridTimerMs = 500;

    // Text in a blink tag shows in one phase of the grid timer only.
    bool GetEnableBlink() const { return FEnableBlink; }
    void SetEnableBlink(bool Value) { FEnableBlink = Value; }
    bool GetGridBlink() const { return FGridBlink; }
    int GetTimerTicks() const { return FTimerTicks; }
    // The incremental search text and the timer ticks since its last key; it expires after four.
    const std::string& GetSearchInc() const { return FSearchInc; }
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

    // ---- Disjunct selection ---------------------------------------------------------------------

    // Invalid indexes raise ZOdeVuzeViriz.
    bool GetRowSelect(int ARow) const;
    void SetRowSelect(int ARow, bool Select);
    bool GetColSelect(int ACol) const;
    void SetColSelect(int ACol, bool Select);
    void SelectRows(int RowIndex, int Count);
    void UnSelectRows(int RowIndex, int Count);
    void SelectCols(int ColIndex, int Count);
    void UnSelectCols(int ColIndex, int Count);
    void SelectRange(int FromCol, int ToCol, int FromRow, int ToRow);
    void ClearRowSelect();
    void ClearColSelect();
    void SelectionToRowSelect(bool All);
    void SelectionToColSelect(bool All);
    int RowSelectCount() const;
    int ColSelectCount() const;
    int SelectedRowCount() const;
    int SelectedColCount() const;
    int SelectedCellsCount();
    void ClearSelectedCells();
    // The selected rows in the order they were selected.
    const std::vector<int>& SelectedRows() const;
    // The disjunct cell selection that the mouse handling keeps.
    TCellSelection& SelectedCells() { return *FSelectedCells; }

    // ---- Row marks ------------------------------------------------------------------------------

    bool GetRowModified(int ARow) const;
    void SetRowModified(int ARow, bool State);
    int ModifiedRowCount() const;
    void ClearModifiedRows();
    bool GetRowEnabled(int ARow) const;

    // ---- Headers --------------------------------------------------------------------------------

    plat::TStringList& ColumnHeaders() { return *FColumnHeaders; }
    void SetColumnHeaders(const plat::TStrings& Value);
    plat::TStringList& RowHeaders() { return *FRowHeaders; }
    void SetRowHeaders(const plat::TStrings& Value);
    void ShowColumnHeaders();
    void ClearColumnHeaders();
    void ShowRowHeaders();
    void ClearRowHeaders();

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
    void SetFixedRows(int Value);
    int GetFixedCols() const;
    void SetFixedCols(int Value);
    int GetFixedFooters() const { return FFixedFooters; }
    void SetFixedFooters(int Value);
    int GetFixedRightCols() const { return FFixedRightCols; }
    void SetFixedRightCols(int Value);
    void SetDefaultRowHeight(int Value);
    int GetFixedRowHeight() const { return FFixedRowHeight; }
    void SetFixedRowHeight(int Value);
    int GetFixedColWidth() const { return GetColWidths(0); }
    void SetFixedColWidth(int Value);
    plat::TAlignment GetDefaultAlignment() const { return FDefaultAlignment; }
    void SetDefaultAlignment(plat::TAlignment Value);
    void SetCol(int Value);
    bool GetWordWrap() const { return FOwnWordWrap; }
    void SetWordWrap(bool Value);
    bool GetFixedRowAlways() const { return FFixedRowAlways; }
    void SetFixedRowAlways(bool Value) { FFixedRowAlways = Value; }
    bool GetFixedColAlways() const { return FFixedColAlways; }
    void SetFixedColAlways(bool Value) { FFixedColAlways = Value; }
    int GetMinFixedRows() const { return FMinFixedRows; }
    int GetMinFixedCols() const { return FMinFixedCols; }
    int GetMaxRowCount() const { return FMaxRowCount; }
    int GetMaxColCount() const { return FMaxColCount; }
    // ColCount and RowCount with the hidden columns and rows.
    int GetAllColCount() const { return GetColCount() + NumHiddenColumns(); }
    int GetAllRowCount() const { return GetRowCount() + NumHiddenRows(); }
    int NumHiddenColumns() const { return 0; }
    int NumHiddenRows() const;
    // Through the sort cross-reference.
    int SortedRowIndex(int ARow) const;
    int UnSortedRowIndex(int ARow) const;
    TIntList& SortXRef() { return *FSortXRef; }

    // ---- Owned groups and objects ---------------------------------------------------------------

    TFocusHelper& FocusHelper() { return *FFocusHelper; }
    void SetFocusHelper(const TFocusHelper& Value);
    TSearchFooter& SearchFooter() { return *FSearchFooter; }
    void SetSearchFooter(const TSearchFooter& Value);
    TFloatingFooter& FloatingFooter() { return *FFloatingFooter; }
    void SetFloatingFooter(const TFloatingFooter& Value);
    TPrintSettings& PrintSettings() { return *FPrintSettings; }
    void SetPrintSettings(const TPrintSettings& Value);
    THTMLSettings& HTMLSettings() { return *FHTMLSettings; }
    void SetHTMLSettings(const THTMLSettings& Value);
    TSortSettings& SortSettings() { return *FSortSettings; }
    void SetSortSettings(const TSortSettings& Value);
    TDragDropSettings& DragDropSettings() { return *FDragDropSettings; }
    void SetDragDropSettings(const TDragDropSettings& Value);
    TDragScrollOptions& DragScrollOptions() { return *FDragScrollOptions; }
    void SetDragScrollOptions(const TDragScrollOptions& Value);
    TControlLook& ControlLook() { return *FControlLook; }
    void SetControlLook(const TControlLook& Value);
    TNavigation& Navigation() { return *FNavigation; }
    void SetNavigation(const TNavigation& Value);
    TColumnSize& ColumnSize() { return *FColumnSize; }
    void SetColumnSize(const TColumnSize& Value);
    TCellNode& CellNode() { return *FCellNode; }
    void SetCellNode(const TCellNode& Value);
    TBands& Bands() { return *FBands; }
    void SetBands(const TBands& Value);
    TSizeWhileTyping& SizeWhileTyping() { return *FSizeWhileTyping; }
    TMouseActions& MouseActions() { return *FMouseActions; }
    void SetMouseActions(const TMouseActions& Value);
    TGrouping& Grouping() { return *FGrouping; }
    void SetGrouping(const TGrouping& Value);
    foundation::THTMLPictureCache& ImageCache() { return *FImageCache; }
    plat::TFont& FixedFont() { return *FFixedFont; }
    void SetFixedFont(const plat::TFont& Value);
    plat::TFont& ActiveCellFont() { return *FActiveCellFont; }
    void SetActiveCellFont(const plat::TFont& Value);
    plat::TStringList& LookupItems() { return *FLookupItems; }
    void SetLookupItems(const plat::TStrings* Value);
    TSortIndexList& SortIndexes() { return *FSortIndexes; }
    TIntList& MergedColumns() { return *FMergedColumns; }
    plat::TBitmap& RowIndicator() { return *FRowIndicator; }
    void SetRowIndicator(const plat::TBitmap& Value);
    TBackGround& BackGround() { return *FBackGround; }
    void SetBackGround(const TBackGround& Value);
    TControlList& ControlList() { return *FControlList; }
    TGridProgressAppearance& ProgressAppearance() { return *FProgressAppearance; }
    void SetProgressAppearance(const TGridProgressAppearance& Value);
    TSyncGrid& SyncGrid() { return *FSyncGrid; }
    void SetSyncGrid(const TSyncGrid& Value);
    TFilter& Filter() { return *FFilter; }
    void SetFilter(const TFilter& Value);
    TBalloonSettings& Balloon() { return *FBalloon; }
    void SetBalloon(const TBalloonSettings& Value);
    TShowModified& ShowModified() { return *FShowModified; }
    void SetShowModified(const TShowModified& Value);
    TCellGraphic& SharedCellGraphic() { return *FCellGraphic; }
    foundation::TVezHintInfo& OfficeHint() { return *FOfficeHint; }
    void SetOfficeHint(const foundation::TVezHintInfo& Value);
    TIntList& IgnoreColumns() { return *FIgnoreColumns; }
    TFilterDropDown& FilterDropDown() { return *FFilterDropDown; }
    void SetFilterDropDown(const TFilterDropDown& Value);
    plat::TStringList& FilterList() { return *FFilterList; }

    // ---- Child controls -------------------------------------------------------------------------

    // nullptr when the grid was made in design mode.
    TFooterPanel* FooterPanel() const { return FFooterPanel; }
    TSearchPanel* SearchPanel() const { return FSearchPanel; }

    // ---- Plain settings -------------------------------------------------------------------------

    bool GetFitCellsInGrid() const { return FFitCellsInGrid; }
    void SetFitCellsInGrid(bool Value) { FFitCellsInGrid = Value; }
    bool GetFilterNormalCellsOnly() const { return FFilterNormalCellsOnly; }
    void SetFilterNormalCellsOnly(bool Value) { FFilterNormalCellsOnly = Value; }
    bool GetAutoFilterUpdate() const { return FAutoFilterUpdate; }
    void SetAutoFilterUpdate(bool Value) { FAutoFilterUpdate = Value; }
    bool GetUseInternalHintClass() const { return FUseInternalHintClass; }
    void SetUseInternalHintClass(bool Value) { FUseInternalHintClass = Value; }
    bool GetShowDesignHelper() const { return FShowDesignHelper; }
    void SetShowDesignHelper(bool Value);
    bool GetEnhRowColMove() const { return FEnhRowColMove; }
    void SetEnhRowColMove(bool Value) { FEnhRowColMove = Value; }
    bool GetUseDisabledFont() const { return FUseDisabledFont; }
    void SetUseDisabledFont(bool Value) { FUseDisabledFont = Value; }
    bool GetEnableWheel() const { return FEnableWheel; }
    void SetEnableWheel(bool Value) { FEnableWheel = Value; }
    bool GetIntelliZoom() const { return FIntelliZoom; }
    void SetIntelliZoom(bool Value) { FIntelliZoom = Value; }
    bool GetLoadFirstRow() const { return FLoadFirstRow; }
    void SetLoadFirstRow(bool Value) { FLoadFirstRow = Value; }
    bool GetShowSelection() const { return FShowSelection; }
    void SetShowSelection(bool Value);
    bool GetQuoteEmptyCells() const { return FQuoteEmptyCells; }
    void SetQuoteEmptyCells(bool Value) { FQuoteEmptyCells = Value; }
    bool GetEnableHTML() const { return FEnableHTML; }
    void SetEnableHTML(bool Value) { FEnableHTML = Value; }
    bool GetShowNullDates() const { return FShowNullDates; }
    void SetShowNullDates(bool Value) { FShowNullDates = Value; }
    bool GetSaveFixedCells() const { return FSaveFixedCells; }
    void SetSaveFixedCells(bool Value) { FSaveFixedCells = Value; }
    bool GetSaveVirtCells() const { return FSaveVirtCells; }
    void SetSaveVirtCells(bool Value) { FSaveVirtCells = Value; }
    bool GetSaveWithHTML() const { return FSaveWithHTML; }
    void SetSaveWithHTML(bool Value) { FSaveWithHTML = Value; }
    THoverFixedCells GetHoverFixedCells() const { return FHoverFixedCells; }
    void SetHoverFixedCells(THoverFixedCells Value) { FHoverFixedCells = Value; }
    int GetSelectionColorMixerFactor() const { return FSelectionColorMixerFactor; }
    // Kept within 0 .. 100.
    void SetSelectionColorMixerFactor(int Value);
    TFilterDropDownColumns GetFilterDropDownColumns() const { return FFilterDropDownColumns; }
    void SetFilterDropDownColumns(TFilterDropDownColumns Value) { FFilterDropDownColumns = Value; }
    const std::string& GetXMLEncoding() const { return FXMLEncoding; }
    void SetXMLEncoding(const std::string& Value) { FXMLEncoding = Value; }
    const std::string& GetFilterDropDownClear() const { return FFilterDropDownClear; }
    void SetFilterDropDownClear(const std::string& Value) { FFilterDropDownClear = Value; }
    bool GetFilterDropDownAuto() const { return FFilterDropDownAuto; }
    void SetFilterDropDownAuto(bool Value) { FFilterDropDownAuto = Value; }
    TEditorType GetDefaultEditor() const { return FDefaultEditor; }
    void SetDefaultEditor(TEditorType Value) { FDefaultEditor = Value; }
    plat::TColor GetDisabledFontColor() const { return FDisabledFontColor; }
    void SetDisabledFontColor(plat::TColor Value) { FDisabledFontColor = Value; }
    bool GetActiveCellShow() const { return FActiveCellShow; }
    void SetActiveCellShow(bool Value);
    plat::TColor GetActiveCellColor() const { return FActiveCellColor; }
    void SetActiveCellColor(plat::TColor Value);
    plat::TColor GetActiveCellColorTo() const { return FActiveCellColorTo; }
    void SetActiveCellColorTo(plat::TColor Value);
    plat::TPoint GetXYOffset() const { return FXYOffset; }
    void SetXYOffset(plat::TPoint Value) { FXYOffset = Value; }
    plat::TScrollStyle GetScrollBars() const { return FScrollBars; }
    void SetScrollBars(plat::TScrollStyle Value);
    bool GetLookupCaseSensitive() const { return FLookupCaseSensitive; }
    void SetLookupCaseSensitive(bool Value) { FLookupCaseSensitive = Value; }
    bool GetSizeGrowOnly() const { return FSizeGrowOnly; }
    void SetSizeGrowOnly(bool Value) { FSizeGrowOnly = Value; }
    bool GetAlwaysQuotes() const { return FAlwaysQuotes; }
    void SetAlwaysQuotes(bool Value) { FAlwaysQuotes = Value; }
    bool GetSaveFixedRows() const { return FSaveFixedRows; }
    void SetSaveFixedRows(bool Value) { FSaveFixedRows = Value; }
    bool GetSaveFixedCols() const { return FSaveFixedCols; }
    void SetSaveFixedCols(bool Value) { FSaveFixedCols = Value; }
    bool GetSaveHiddenCells() const { return FSaveHiddenCells; }
    void SetSaveHiddenCells(bool Value) { FSaveHiddenCells = Value; }
    bool GetExcelClipboardFormat() const { return FExcelClipboardFormat; }
    void SetExcelClipboardFormat(bool Value) { FExcelClipboardFormat = Value; }
    bool GetJavaCSV() const { return FJavaCSV; }
    void SetJavaCSV(bool Value) { FJavaCSV = Value; }
    bool GetClearTextOnly() const { return FClearTextOnly; }
    void SetClearTextOnly(bool Value) { FClearTextOnly = Value; }
    bool GetFilterIncremental() const { return FFilterIncremental; }
    void SetFilterIncremental(bool Value) { FFilterIncremental = Value; }
    int GetMinRowHeight() const { return FMinRowHeight; }
    void SetMinRowHeight(int Value) { FMinRowHeight = Value; }
    int GetMaxRowHeight() const { return FMaxRowHeight; }
    void SetMaxRowHeight(int Value) { FMaxRowHeight = Value; }
    int GetMinColWidth() const { return FMinColWidth; }
    void SetMinColWidth(int Value) { FMinColWidth = Value; }
    int GetMaxColWidth() const { return FMaxColWidth; }
    void SetMaxColWidth(int Value) { FMaxColWidth = Value; }
    int GetZoomFactor() const { return FZoomFactor; }
    void SetZoomFactor(int Value) { FZoomFactor = Value; }
    int GetGroupColumn() const { return FGroupColumn; }
    void SetGroupColumn(int Value) { FGroupColumn = Value; }
    TInvalidEntryIcon GetInvalidEntryIcon() const { return FInvalidEntryIcon; }
    void SetInvalidEntryIcon(TInvalidEntryIcon Value) { FInvalidEntryIcon = Value; }
    const std::string& GetInvalidEntryTitle() const { return FInvalidEntryTitle; }
    void SetInvalidEntryTitle(const std::string& Value) { FInvalidEntryTitle = Value; }
    const std::string& GetInvalidEntryText() const { return FInvalidEntryText; }
    void SetInvalidEntryText(const std::string& Value) { FInvalidEntryText = Value; }
    plat::TColor GetHintColor() const { return FHintColor; }
    void SetHintColor(plat::TColor Value) { FHintColor = Value; }
    plat::TColor GetHighlightColor() const { return FHighlightColor; }
    void SetHighlightColor(plat::TColor Value);
    plat::TColor GetHighlightTextColor() const { return FHighlightTextColor; }
    void SetHighlightTextColor(plat::TColor Value);
    plat::TColor GetSelectionColor() const { return FSelectionColor; }
    void SetSelectionColor(plat::TColor Value);
    plat::TColor GetSelectionColorTo() const { return FSelectionColorTo; }
    void SetSelectionColorTo(plat::TColor Value);
    plat::TColor GetSelectionMirrorColor() const { return FSelectionMirrorColor; }
    void SetSelectionMirrorColor(plat::TColor Value);
    plat::TColor GetSelectionMirrorColorTo() const { return FSelectionMirrorColorTo; }
    void SetSelectionMirrorColorTo(plat::TColor Value);
    plat::TColor GetSelectionTextColor() const { return FSelectionTextColor; }
    void SetSelectionTextColor(plat::TColor Value);
    bool GetSelectionColorMixer() const { return FSelectionColorMixer; }
    void SetSelectionColorMixer(bool Value);
    bool GetSelectionRectangle() const { return FSelectionRectangle; }
    void SetSelectionRectangle(bool Value);
    bool GetSelectionResizer() const { return FSelectionResizer; }
    void SetSelectionResizer(bool Value);
    plat::TColor GetURLColor() const { return FURLColor; }
    void SetURLColor(plat::TColor Value) { FURLColor = Value; }
    TVAlignment GetVAlignment() const { return FVAlignment; }
    void SetVAlignment(TVAlignment Value);
    char GetDelimiter() const { return FDelimiter; }
    void SetDelimiter(char Value) { FDelimiter = Value; }
    const std::string& GetFloatFormat() const { return FFloatFormat; }
    void SetFloatFormat(const std::string& Value) { FFloatFormat = Value; }
    char GetPasswordChar() const { return FPasswordChar; }
    void SetPasswordChar(char Value) { FPasswordChar = Value; }
    const std::string& GetCheckTrue() const { return FCheckTrue; }
    void SetCheckTrue(const std::string& Value) { FCheckTrue = Value; }
    const std::string& GetCheckFalse() const { return FCheckFalse; }
    void SetCheckFalse(const std::string& Value) { FCheckFalse = Value; }
    TGridLook GetLook() const { return FLook; }
    void SetLook(TGridLook Value);
    plat::TColor GetZORGradientFrom() const { return FZORGradientFrom; }
    void SetZORGradientFrom(plat::TColor Value);
    plat::TColor GetZORGradientTo() const { return FZORGradientTo; }
    void SetZORGradientTo(plat::TColor Value);
    plat::TColor GetZORGradientMirrorFrom() const { return FZORGradientMirrorFrom; }
    void SetZORGradientMirrorFrom(plat::TColor Value);
    plat::TColor GetZORGradientMirrorTo() const { return FZORGradientMirrorTo; }
    void SetZORGradientMirrorTo(plat::TColor Value);
    plat::TColor GetBorderColor() const { return FBorderColor; }
    void SetBorderColor(plat::TColor Value);
    TScrollType GetScrollType() const { return FScrollType; }
    void SetScrollType(TScrollType Value) { FScrollType = Value; }
    plat::TColor GetScrollColor() const { return FScrollColor; }
    void SetScrollColor(plat::TColor Value) { FScrollColor = Value; }
    int GetScrollWidth() const { return FScrollWidth; }
    void SetScrollWidth(int Value) { FScrollWidth = Value; }
    bool GetScrollProportional() const { return FScrollProportional; }
    void SetScrollProportional(bool Value) { FScrollProportional = Value; }
    bool GetScrollSynch() const { return FScrollSynch; }
    void SetScrollSynch(bool Value) { FScrollSynch = Value; }
    TScrollHintType GetScrollHints() const { return FScrollHints; }
    void SetScrollHints(TScrollHintType Value) { FScrollHints = Value; }
    TScrollBarAlways GetScrollBarAlways() const { return FScrollBarAlways; }
    void SetScrollBarAlways(TScrollBarAlways Value);
    TIntelliPan GetIntelliPan() const { return FIntelliPan; }
    void SetIntelliPan(TIntelliPan Value) { FIntelliPan = Value; }
    bool GetAnchorHint() const { return FAnchorHint; }
    void SetAnchorHint(bool Value) { FAnchorHint = Value; }
    bool GetAutoNumAlign() const { return FAutoNumAlign; }
    void SetAutoNumAlign(bool Value) { FAutoNumAlign = Value; }
    bool GetAutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value) { FAutoSize = Value; }
    bool GetAutoThemeAdapt() const { return FAutoThemeAdapt; }
    void SetAutoThemeAdapt(bool Value);
    bool GetIntegralHeight() const { return FIntegralHeight; }
    void SetIntegralHeight(bool Value) { FIntegralHeight = Value; }
    bool GetHovering() const { return FHovering; }
    void SetHovering(bool Value) { FHovering = Value; }
    int GetMaxEditLength() const { return FMaxEditLength; }
    void SetMaxEditLength(int Value);
    bool GetSpreadSheet() const { return FSpreadSheet; }
    // Whatever the value, switches on the look and options of a spreadsheet.
    void SetSpreadSheet(bool Value);
    bool GetFlat() const { return FFlat; }
    void SetFlat(bool Value);
    // Also the cursor the grid goes back to after hover cursors.
    void SetCursor(plat::TCursor Value);
    plat::TCursor GetRestoreCursor() const { return FRestoreCursor; }
    bool GetUseHTMLHints() const { return FUseHTMLHints; }
    void SetUseHTMLHints(bool Value) { FUseHTMLHints = Value; }
    bool GetModified() const { return FModified; }
    void SetModified(bool Value) { FModified = Value; }
    // The page the preview draws; writing sets the first and the last page.
    int GetPreviewPage() const { return FPrintPageFrom; }
    void SetPreviewPage(int Value);
    int GetPrintPageTo() const { return FPrintPageTo; }

    // The platform's answers, recorded at construction (XP from then on only with themes).
    bool IsWinXP() const { return FIsWinXP; }
    bool IsWin7() const { return FIsWin7; }
    bool IsThemed() const { return FIsThemed; }
    bool GetGridLoaded() const { return FGridLoaded; }

    // The cell that was current when editing or a click started.
    struct TOldCell {
        int Col = -1;
        int Row = -1;
        std::string Text;
        bool Modified = false;
    };
    const TOldCell& OldCell() const { return FOldCell; }

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
    // The counts' bookkeeping: fixed rows and columns kept, the rows that pass through the
    // display-text event, the footer row moved to the last row.
    void SizeChanged(int OldColCount, int OldRowCount) override;
    void DeleteRow(int ARow) override;

    // Set by an edit change that asks for no repaint: the next Invalidate only clears it.
    void SetEditChange(bool Value) { FEditChange = Value; }

private:
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
    int SearchPanelHeight() const;
    void RepaintFooter();
    void FooterHeightChanged(int Value);
    // A new RowCount or ColCount, from either setter.
    void RowCountSet(int OldCount);
    void ColCountSet();
    void RowCountChanged();
    bool IsLoading() const { return ComponentState().Contains(plat::csLoading); }
    bool Updating() const { return FUpdateCount > 0; }
    void RepaintIfChanged(bool Changed);

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
    void SetRowSelectFlag(int ARow, bool Select);

    // Settings groups, lists and windows, in the order the constructor makes them.
    TFooterPanel* FFooterPanel = nullptr;
    TSearchPanel* FSearchPanel = nullptr;
    std::unique_ptr<plat::TFont> FSpareFont;
    std::unique_ptr<TFocusHelper> FFocusHelper;
    std::unique_ptr<TSearchFooter> FSearchFooter;
    std::unique_ptr<TFloatingFooter> FFloatingFooter;
    std::unique_ptr<TPrintSettings> FPrintSettings;
    std::unique_ptr<THTMLSettings> FHTMLSettings;
    std::unique_ptr<TSortSettings> FSortSettings;
    std::unique_ptr<TDragDropSettings> FDragDropSettings;
    std::unique_ptr<TDragScrollOptions> FDragScrollOptions;
    std::unique_ptr<TControlLook> FControlLook;
    std::unique_ptr<TNavigation> FNavigation;
    std::unique_ptr<TColumnSize> FColumnSize;
    std::unique_ptr<TCellNode> FCellNode;
    std::unique_ptr<TBands> FBands;
    std::unique_ptr<TSizeWhileTyping> FSizeWhileTyping;
    std::unique_ptr<TMouseActions> FMouseActions;
    std::unique_ptr<TGrouping> FGrouping;
    std::unique_ptr<plat::TStringList> FColumnHeaders;
    std::unique_ptr<foundation::THTMLPictureCache> FImageCache;
    std::unique_ptr<plat::TFont> FFixedFont;
    std::unique_ptr<plat::TFont> FActiveCellFont;
    std::unique_ptr<plat::TStringList> FRowHeaders;
    std::unique_ptr<plat::TStringList> FSortList;
    std::unique_ptr<plat::TStringList> FLookupItems;
    std::unique_ptr<TLineSelection> FRowSelection;
    std::unique_ptr<TLineSelection> FColSelection;
    std::unique_ptr<TSortIndexList> FSortIndexes;
    std::unique_ptr<TCellSelection> FSelectedCells;
    std::unique_ptr<TIntList> FSortXRef;
    std::unique_ptr<TIntList> FMergedColumns;
    std::unique_ptr<plat::TBitmap> FRowIndicator;
    std::unique_ptr<TBackGround> FBackGround;
    THTMLHintWindow* FScrollHintWindow = nullptr;
    std::unique_ptr<TControlList> FControlList;
    std::unique_ptr<TGridProgressAppearance> FProgressAppearance;
    std::unique_ptr<TSyncGrid> FSyncGrid;
    std::unique_ptr<TCollectionOf<TGridItem>> FHiddenRows;
    std::unique_ptr<TFilter> FFilter;
    std::unique_ptr<TBalloonSettings> FBalloon;
    std::unique_ptr<TShowModified> FShowModified;
    std::vector<TGridChangeNotifier*> FNotifiers;
    std::unique_ptr<TIntList> FColumnOrder;
    std::unique_ptr<TCellGraphic> FCellGraphic;
    std::unique_ptr<foundation::TVezHintInfo> FOfficeHint;
    std::unique_ptr<TIntList> FIgnoreColumns;
    std::unique_ptr<TFilterDropDown> FFilterDropDown;
    TDropList* FDropList = nullptr;
    TDropCheckList* FDropCheckList = nullptr;
    std::unique_ptr<plat::TStringList> FFilterList;
    // Made outside design mode only; freed with the grid.
    TGridFocusWindow* FFocusWindow = nullptr;
    TArrowWindow* FArrows[4] = {};
    TGridCombo* FGridCombo = nullptr;
    TGridTransEdit* FEditTrans = nullptr;
    TGridTransCombo* FComboTrans = nullptr;
    TGridCheckBox* FGridCheck = nullptr;
    TGridEditBtn* FEditBtn = nullptr;
    TGridUnitEditBtn* FUnitEditBtn = nullptr;
    TGridButton* FGridButton = nullptr;
    THeaderDragButton* FMoveButton = nullptr;
    TControlEdit* FControlEdit = nullptr;
    TControlCombo* FControlCombo = nullptr;
    // The scroll bar shown over a scroll-bar cell, and the one cells of that kind are painted with.
    plat::TScrollBar* FScrollBar = nullptr;
    plat::TScrollBar* FPaintScrollBar = nullptr;

    std::vector<int> FModifiedRows;
    std::vector<int> FEnabledRows;
    ITVezEzuzorEvadSelect* FSelListener = nullptr;
    std::vector<int> FOrigColSizes;
    int FOrigWidth = 0;
    TOldCell FOldCell;

    plat::TControlRef<plat::TCustomForm> FOwnerForm;
    plat::TNotifyEvent FFormResize;
    bool FResizeAssigned = false;
    int FPrevSizeX = 0;
    int FPrevSizeY = 0;

    int FUpdateCount = 0;
    bool FEditChange = false;
    // Rows are being inserted or deleted: the footer row moves with the others.
    bool FRowsShifting = false;
    bool FEnableBlink = false;
    bool FGridBlink = false;
    int FTimerTicks = 0;
    int FSearchTics = 0;
    std::string FSearchInc;
    bool FGridLoaded = false;
    bool FWindowCreatedBefore = false;
    bool FIsWinXP = true;
    bool FIsWin7 = true;
    bool FIsThemed = false;
    bool FAlwaysBarShown[2] = {};
    bool FAlwaysBarEnabled[2] = {};

    int FMinFixedRows = 0;
    int FMinFixedCols = 0;
    int FMaxRowCount = 0;
    int FMaxColCount = 0;
    int FFixedFooters = 0;
    int FFixedRightCols = 0;
    int FFixedRowHeight = 22;
    plat::TAlignment FDefaultAlignment = plat::taLeftJustify;
    bool FOwnWordWrap = true;
    bool FFixedRowAlways = false;
    bool FFixedColAlways = false;

    bool FFitCellsInGrid = true;
    bool FFilterNormalCellsOnly = true;
    bool FAutoFilterUpdate = true;
    bool FUseInternalHintClass = true;
    bool FShowDesignHelper = true;
    bool FEnhRowColMove = true;
    bool FUseDisabledFont = true;
    bool FEnableWheel = true;
    bool FIntelliZoom = true;
    bool FLoadFirstRow = true;
    bool FShowSelection = true;
    bool FQuoteEmptyCells = true;
    bool FEnableHTML = true;
    bool FShowNullDates = true;
    bool FSaveFixedCells = true;
    bool FSaveVirtCells = true;
    bool FSaveWithHTML = true;
    THoverFixedCells FHoverFixedCells = hfNone;
    int FSelectionColorMixerFactor = 50;
    TFilterDropDownColumns FFilterDropDownColumns = fdNormal;
    std::string FXMLEncoding = "ISO-8859-1";
    std::string FFilterDropDownClear = "(All)";
    bool FFilterDropDownAuto = false;
    TEditorType FDefaultEditor = edNormal;
    plat::TColor FDisabledFontColor = plat::clSilver;
    bool FActiveCellShow = false;
    plat::TColor FActiveCellColor = plat::clGray;
    plat::TColor FActiveCellColorTo = plat::clNone;
    plat::TPoint FXYOffset{2, 2};
    plat::TScrollStyle FScrollBars = plat::ssBoth;
    bool FLookupCaseSensitive = false;
    bool FSizeGrowOnly = false;
    bool FAlwaysQuotes = false;
    bool FSaveFixedRows = false;
    bool FSaveFixedCols = false;
    bool FSaveHiddenCells = false;
    bool FExcelClipboardFormat = false;
    bool FJavaCSV = false;
    bool FClearTextOnly = false;
    bool FFilterIncremental = false;
    int FMinRowHeight = 0;
    int FMaxRowHeight = 0;
    int FMinColWidth = 0;
    int FMaxColWidth = 0;
    int FZoomFactor = 0;
    int FGroupColumn = -1;
    TInvalidEntryIcon FInvalidEntryIcon = ieWarning;
    std::string FInvalidEntryTitle;
    std::string FInvalidEntryText;
    plat::TColor FHintColor = plat::clInfoBk;
    plat::TColor FHighlightColor = plat::clHighlight;
    plat::TColor FHighlightTextColor = plat::clHighlightText;
    plat::TColor FSelectionColor = 0xEACAB6;
    plat::TColor FSelectionColorTo = plat::clNone;
    plat::TColor FSelectionMirrorColor = plat::clNone;
    plat::TColor FSelectionMirrorColorTo = plat::clNone;
    plat::TColor FSelectionTextColor = plat::clBlack;
    bool FSelectionColorMixer = false;
    bool FSelectionRectangle = false;
    bool FSelectionResizer = false;
    plat::TColor FURLColor = plat::clBlue;
    TVAlignment FVAlignment = vtaTop;
    char FDelimiter = '\0';
    std::string FFloatFormat = "%.2f";
    char FPasswordChar = '*';
    std::string FCheckTrue = "Y";
    std::string FCheckFalse = "N";
    TGridLook FLook = glXP;
    plat::TColor FZORGradientFrom = plat::clWhite;
    plat::TColor FZORGradientTo = plat::clNone;
    plat::TColor FZORGradientMirrorFrom = plat::clNone;
    plat::TColor FZORGradientMirrorTo = plat::clNone;
    plat::TColor FBorderColor = plat::clGray;
    TScrollType FScrollType = ssNormal;
    plat::TColor FScrollColor = plat::clNone;
    int FScrollWidth = 17;
    bool FScrollProportional = false;
    bool FScrollSynch = false;
    TScrollHintType FScrollHints = shNone;
    TScrollBarAlways FScrollBarAlways = saNone;
    TIntelliPan FIntelliPan = ipVertical;
    bool FAnchorHint = false;
    bool FAutoNumAlign = false;
    bool FAutoSize = false;
    bool FAutoThemeAdapt = false;
    bool FIntegralHeight = false;
    bool FHovering = false;
    int FMaxEditLength = 0;
    bool FSpreadSheet = false;
    bool FFlat = false;
    plat::TCursor FRestoreCursor = plat::crDefault;
    bool FUseHTMLHints = false;
    bool FModified = false;
    int FPrintPageFrom = 1;
    int FPrintPageTo = 1;

    // ---- Cell painting --------------------------------------------------------------------------
    // The look of one cell and the content the base grid's painter asks for: fixed-cell looks,
    // row indicator, modified marker, in-cell buttons, the text with its glyphs and
    // backgrounds, borders and the owner's drawing, firing the owner's events in a fixed order
    // (TVezEzuzorEvadPaint.cpp, the text in TVezEzuzorEvadCellText.cpp).
public:
    // Text settings of the painter; each repaints when changed.
    bool GetMultilinecells() const { return FMultilinecells; }
    void SetMultilinecells(bool Value);
    bool GetEnhTextSize() const { return FEnhTextSize; }
    void SetEnhTextSize(bool Value);
    bool GetURLShow() const { return FURLShow; }
    void SetURLShow(bool Value);
    bool GetURLFull() const { return FURLFull; }
    // Repaints when URLShow is on.
    void SetURLFull(bool Value);
    bool GetXYOffsetTopLeftOnly() const { return FXYOffsetTopLeftOnly; }
    void SetXYOffsetTopLeftOnly(bool Value);
    bool GetHideFocusRect() const { return FHideFocusRect; }
    void SetHideFocusRect(bool Value);
    // With OnDrawCell or OnCustomCellDraw assigned, the owner draws the text.
    bool GetNoDefaultDraw() const { return FNoDefaultDraw; }
    void SetNoDefaultDraw(bool Value);
    // Cells with a cell object show no text.
    bool GetNoImageAndText() const { return FNoImageAndText; }
    void SetNoImageAndText(bool Value);
    plat::TColor GetSelectionRectangleColor() const { return FSelectionRectangleColor; }
    void SetSelectionRectangleColor(plat::TColor Value);
    // The fixed row whose cells show the filter glyph; only rows above FixedRows are taken.
    int GetFilterDropDownRow() const { return FFilterDropDownRow; }
    void SetFilterDropDownRow(int Value);

    // The fixed cell the mouse lights up; the mouse handling keeps it. Repaints the cells whose
    // look the change touches.
    const TFixedCellHover& GetFixedCellHover() const { return FFixedCellHover; }
    void SetFixedCellHover(const TFixedCellHover& Value);
    // Whether HoverFixedCells lets the cell light up: a cell of the fixed columns with hfAll or
    // hfFixedColumns, of the fixed rows with hfAll or hfFixedRows.
    bool IsHoverFixedCell(int ACol, int ARow) const;
    // OnCanShowFixedDropDown, starting from true.
    virtual bool CanShowFixedDropDown(int ACol);

    // The text the painter shows: the display text, a number formatted by the float format
    // OnGetFloatFormat agrees to; a value or format that fails leaves the display text.
    virtual std::string GetFormattedCellText(int ACol, int ARow);
    // The cell's object and the room it takes beside the text.
    TCellGraphicLayout GetCellGraphicLayout(int ACol, int ARow);
    // DefaultAlignment and VAlignment; numbers right-aligned with AutoNumAlign; the record's
    // alignment unless the text is a formula; then QueryCellAlignment.
    void GetCellAlignment(int ACol, int ARow, plat::TAlignment& HAlign, TVAlignment& VAlign);
    // The font a cell is measured with: FixedFont or Font, the record's font, then
    // QueryCellColor with ABrush and AState.
    void GetFontProperties(int ACol, int RCol, int ARow, plat::TBrush& ABrush, plat::TFont& AFont,
                           plat::TGridDrawState AState);
    // Percent of Color1 over Color2, each channel rounded: 100 or more gives Color1, below 1
    // (or Color1 clNone) Color2, Color2 clNone gives Color1.
    static plat::TColor BlendColor(plat::TColor Color1, plat::TColor Color2, int Percent);
    // BlendColor with the mixer on, Color1 otherwise.
    static plat::TColor BlendSelectionColor(plat::TColor Color1, plat::TColor Color2, bool Mixer, int Percent);
    // One check box on the grid's canvas, and a radio group on any canvas, in the control look.
    void DrawCheck(const plat::TRect& Rect, bool Checked, TCheckBoxState TriStateValue, bool TriState,
                   TControlStyle Style, bool Greyed, bool Enabled);
    void DrawRadioGroup(plat::TCanvas& Canvas, const TRadioGroupItems& Group);
    // The sort glyph of a column centred on (X, Y): the index sort's numbered triangle, else
    // the direction's glyph or a 3-D arrow.
    void DrawSortIndicator(plat::TCanvas& Canvas, int ACol, int Y, int X);

    TGridGradientEvent OnGetCellGradient;
    TFloatFormatEvent OnGetFloatFormat;
    TGridBorderPropEvent OnGetCellBorderProp;
    TCustomCellDrawEvent OnCustomCellBkgDraw;
    TCustomCellDrawEvent OnCustomCellDraw;
    TCanShowFixedDropDownEvent OnCanShowFixedDropDown;

protected:
    void DrawCellContent(plat::TCanvas& Canvas, int ACol, int ARow, const plat::TRect& ARect,
                         plat::TGridDrawState AState) override;
    void GetVisualProperties(int ACol, int ARow, TCellVisualProperties& Visual, plat::TFont& AFont,
                             plat::TBrush& ABrush, bool Remap, bool WithSelection, bool Print,
                             plat::TGridDrawState& AState) override;
    bool HasCustomBorders() override { return static_cast<bool>(OnGetCellBorder); }

private:
    void ApplySelection(TCellVisualProperties& Visual, plat::TFont& AFont, plat::TBrush& ABrush,
                        plat::TGridDrawState& AState, plat::TColor Brush) const;
    bool IsActiveHeaderCell(int ACol, int ARow) const;
    bool IsGradientLook() const;
    bool IsSortGlyphCell(int ACol, int ARow);
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
    // The text stage.
    void DrawCellText(TCellPaintContext& P);
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

    bool FMultilinecells = false;
    bool FEnhTextSize = false;
    bool FURLShow = false;
    bool FURLFull = false;
    bool FXYOffsetTopLeftOnly = false;
    bool FHideFocusRect = false;
    bool FNoDefaultDraw = false;
    bool FNoImageAndText = false;
    plat::TColor FSelectionRectangleColor = plat::clBlack;
    int FFilterDropDownRow = 0;
    TFixedCellHover FFixedCellHover;
};

}  // namespace skelda::grid
