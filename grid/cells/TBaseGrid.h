#pragma once

#include "grid/cells/CellPropertyTypes.h"
#include "grid/cells/TCellGridHost.h"
#include "grid/cells/TCellProperties.h"
#include "grid/cells/TCellVisualProperties.h"
#include "grid/cells/TMergedCells.h"
#include "platform/graphics/Colors.h"
#include "platform/grids/TStringGrid.h"

#include <functional>
#include <memory>
#include <string>

namespace plat {
class TBrush;
class TFont;
}  // namespace plat

namespace skelda::grid {

class TVezGridUndoRedo;

using TGetDisplTextEvent = std::function<void(plat::TObject* Sender, int ACol, int ARow, std::string& Value)>;
using TGetDisplWideTextEvent = std::function<void(plat::TObject* Sender, int ACol, int ARow, std::u16string& Value)>;

// The library string grid with a record per cell (TCellProperties, kept in the cell's object
// slot and owned by the grid), merged blocks, and one road for cell text: every read and write
// of a covered cell of a block reaches the block's base cell, and the owner may rewrite the
// shown text through OnGetDisplText.
//
// The grid draws its own lines: the library grid's line width and default drawing stay off,
// and GridLineWidth / DefaultDrawing here are the grid's own settings.
//
// Cells are addressed by real column; operations that make or change a record raise
// EInvalidGridOperation "Grid index out of range" for a cell outside the grid, while queries
// answer such a cell as an ordinary, unmerged cell without a record.
class TBaseGrid : public plat::TStringGrid, public TCellGridHost {
public:
    explicit TBaseGrid(plat::TComponent* AOwner);
    ~TBaseGrid() override;

    std::string ClassName() const override { return "TBaseGrid"; }

    // The text the grid shows for a cell: the base cell's stored text, passed through
    // OnGetDisplText for rows below NormalRowCount, and then, when OnGetDisplWideText is set,
    // through that event as 16-bit text, coming back in the packed wide form (see
    // PackWideText) whatever the handler did. Nothing is cached.
    std::string GetCellText(int ACol, int ARow) override;
    // Stores the text in the base cell of the block holding the cell.
    void SetCellText(int ACol, int ARow, const std::string& Value) override;
    // Exactly that cell of the store: no mapping, events or repaint.
    const std::string& GetRawCell(int ACol, int ARow) const { return GetCells(ACol, ARow); }
    void SetRawCell(int ACol, int ARow, const std::string& Value);
    plat::TObject* GetRawObject(int ACol, int ARow) const { return GetObjects(ACol, ARow); }
    void SetRawObject(int ACol, int ARow, plat::TObject* Obj) { CellStore().SetObject(ACol, ARow, Obj); }
    // Empty the texts (through SetCellText) and object slots of a row, a column or a cell
    // without freeing anything: the caller has freed or moved the records.
    void ClearRowData(int ARow);
    void ClearColData(int ACol);
    void ClearCellData(int ACol, int ARow);

    // Rows with a smaller index pass through the display-text event.
    int GetNormalRowCount() const { return FNormalRowCount; }
    void SetNormalRowCount(int Value) { FNormalRowCount = Value; }

    // Records.
    bool HasCellProperties(int ACol, int ARow) const;
    TCellProperties* FindCellProperties(int ACol, int ARow) const override;
    TCellProperties& GetCellProperties(int ACol, int ARow) override;
    // Frees the cell's old record and keeps Value (which may be empty).
    void SetCellProperties(int ACol, int ARow, std::unique_ptr<TCellProperties> Value);
    void FreeCellProperty(int ACol, int ARow);
    // Every record of the inclusive block, with the cell graphics they own.
    void FreeCellProperties(int ACol1, int ARow1, int ACol2, int ARow2);
    // Every record the grid holds, also in rows and columns beyond the present counts.
    void FreeAllCellProperties();
    bool GetHasCellProps() const { return FHasCellProps; }
    void SetHasCellProps(bool Value) { FHasCellProps = Value; }

    // The application value kept with a cell; 0 without a record.
    int GetCellObject(int ACol, int ARow) const;
    void SetCellObject(int ACol, int ARow, int Value);
    // The cell graphic kept with a cell; nullptr without a record. An object of class
    // TCellGraphic is owned by the record from then on.
    plat::TObject* GetGraphicObject(int ACol, int ARow) const;
    static plat::TObject* GetGraphicObjectOf(const TCellProperties& Record) { return Record.GetGraphicObject(); }
    void SetGraphicObject(int ACol, int ARow, plat::TObject* Obj);

    // Merged blocks (see TMergedCells): SpanX columns by SpanY rows from (ACol, ARow).
    bool MergeCells(int ACol, int ARow, int SpanX, int SpanY);
    bool SplitCells(int ACol, int ARow);
    int GetMergeCount() const { return FMerged.MergeCount(); }
    const TMergedCells& MergedCells() const { return FMerged; }
    plat::TPoint BaseCell(int ACol, int ARow) const { return FMerged.BaseCell(ACol, ARow); }
    bool IsBaseCell(int ACol, int ARow) const { return FMerged.IsBaseCell(ACol, ARow); }
    bool IsMergedCell(int ACol, int ARow) const { return FMerged.IsMergedCell(ACol, ARow); }
    plat::TPoint CellSpan(int ACol, int ARow) const { return FMerged.CellSpan(ACol, ARow); }

    // The current cell moves to the base of the block it lies in.
    void MoveToBaseCell();

    // Client pixels of the cell, of its whole block for a merged cell (reaching beyond the
    // client area when the block is partly scrolled out of view).
    plat::TRect CellRect(int ACol, int ARow) const;
    // The cell's rectangle from the column widths and row heights, also out of view.
    plat::TRect CalcCellRect(int ACol, int ARow) const;
    // Width and height of the block holding the cell (of the cell alone when unmerged).
    plat::TPoint CellSize(int ACol, int ARow) const;
    int FixedColsWidth() const;
    int FixedRowsHeight() const;

    TVezGridUndoRedo* GetUndoRedo() const { return FUndoRedo; }
    // Links both ways; the link is dropped when the component goes.
    void SetUndoRedo(TVezGridUndoRedo* Value);

    bool GetDefaultDrawing() const { return FDefaultDrawing; }
    void SetDefaultDrawing(bool Value);
    int GetGridLineWidth() const { return FGridLineWidth; }
    void SetGridLineWidth(int Value);
    plat::TColor GetGridLineColor() const { return FGridLineColor; }
    void SetGridLineColor(plat::TColor Value);
    plat::TColor GetGridFixedLineColor() const { return FGridFixedLineColor; }
    void SetGridFixedLineColor(plat::TColor Value);
    int GetPaintID() const { return FPaintID; }
    // Every paint pass ends here, on the screen or off it (drag image, print): within one pass a
    // merged block is painted from its base at most once on behalf of its other cells.
    void AdvancePaintID() { ++FPaintID; }

    // The cell painted as on the screen (whole block, content included) on any canvas, as a
    // pass of its own.
    void PaintCell(plat::TCanvas& Canvas, int ACol, int ARow, const plat::TRect& Rect, plat::TGridDrawState State);
    // Only the background, selection face and lines, in the rectangle given; a pass of its own too.
    void PaintCellExt(plat::TCanvas& Canvas, int ACol, int ARow, const plat::TRect& Rect, plat::TGridDrawState State);
    bool GetHideLastRow() const { return FHideLastRow; }
    void SetHideLastRow(bool Value) { FHideLastRow = Value; }
    bool GetWordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value) { FWordWrap = Value; }
    bool GetActiveRowShow() const { return FActiveRowShow; }
    void SetActiveRowShow(bool Value);
    plat::TColor GetActiveRowColor() const { return FActiveRowColor; }
    void SetActiveRowColor(plat::TColor Value);
    plat::TColor GetActiveRowColorTo() const { return FActiveRowColorTo; }
    void SetActiveRowColorTo(plat::TColor Value);
    plat::TColor GetActiveRowMirrorColor() const { return FActiveRowMirrorColor; }
    void SetActiveRowMirrorColor(plat::TColor Value);
    plat::TColor GetActiveRowMirrorColorTo() const { return FActiveRowMirrorColorTo; }
    void SetActiveRowMirrorColorTo(plat::TColor Value);
    TGridSelectionStyle GetSelectionStyle() const { return FSelectionStyle; }
    void SetSelectionStyle(TGridSelectionStyle Value);
    int GetHoverRowIdx() const { return FHoverRowIdx; }
    void SetHoverRowIdx(int Value) { FHoverRowIdx = Value; }
    bool GetHoverRow() const { return FHoverRow; }
    void SetHoverRow(bool Value) { FHoverRow = Value; }
    plat::TColor GetHoverRowColor() const { return FHoverRowColor; }
    void SetHoverRowColor(plat::TColor Value) { FHoverRowColor = Value; }
    plat::TColor GetHoverRowColorTo() const { return FHoverRowColorTo; }
    void SetHoverRowColorTo(plat::TColor Value) { FHoverRowColorTo = Value; }
    bool GetShowSel() const { return FShowSel; }
    void SetShowSel(bool Value) { FShowSel = Value; }

    TGetDisplTextEvent OnGetDisplText;
    TGetDisplWideTextEvent OnGetDisplWideText;

    // TCellGridHost
    int RecordColCount() const override { return TotalColCount(); }
    int RecordRowCount() const override { return GetRowCount(); }
    void CellPropertiesCreated() override { FHasCellProps = true; }
    int DisplColIndex(int ACol) const override { return ACol; }
    // The inverse of DisplColIndex: the real column a display column shows.
    virtual int RealColIndex(int ADisplCol) const { return ADisplCol; }
    void FocusCell(int ACol, int ARow) override;
    void RepaintCell(int ACol, int ARow) override;
    void RepaintGrid() override { Invalidate(); }
    plat::TComponent& GridComponent() override { return *this; }

protected:
    // Cells painted and edited as fixed beyond the fixed rows and columns.
    virtual bool IsFixed(int ACol, int ARow);
    // Outline nodes: column 0 then draws the node lines in place of its bottom grid line.
    virtual int GetNodeIndent(int ARow);
    virtual bool HasNodes();
    // The content inside the grid lines: here the display text, centred on one line.
    virtual void DrawCellContent(plat::TCanvas& Canvas, int ACol, int ARow, const plat::TRect& Rect,
                                 plat::TGridDrawState State);
    virtual bool HasCustomBorders();
    // The look a cell is painted with: the background on Brush, the font on Font, the rest in
    // Visual; may change State. Remap takes ACol as a display column; WithSelection makes the
    // selection colours part of the answer; Print answers for the printer. Here the brush comes
    // with the fixed, selected or grid colour already, and nothing more is said.
    virtual void GetVisualProperties(int ACol, int ARow, TCellVisualProperties& Visual, plat::TFont& Font,
                                     plat::TBrush& Brush, bool Remap, bool WithSelection, bool Print,
                                     plat::TGridDrawState& State);

    // Columns including hidden ones.
    virtual int TotalColCount() const { return GetColCount(); }
    virtual void GetDisplText(int ACol, int ARow, std::string& Value);
    virtual void GetDisplWideText(int ACol, int ARow, std::u16string& Value);
    // The look a new record starts with; Brush and Font arrive fresh to be filled in.
    virtual TCellLookDefaults GetCellPropertyDefaults(int ACol, int ARow, plat::TBrush& Brush, plat::TFont& Font);
    virtual void CellTextChanged(int ACol, int ARow);
    // The text of the last row changed while HideLastRow is set.
    virtual void LastRowTextChanged();

    void Paint() override;
    void Notification(plat::TComponent* AComponent, plat::TOperation Operation) override;
    // Steps of the arrow keys leave a merged block as one cell; Page Down stops above a hidden
    // last row.
    void KeyDown(unsigned& Key, plat::TShiftState Shift) override;
    bool SelectCell(int ACol, int ARow) override;
    // Blocks reaching from the fixed area into the scrolled one are drawn again.
    void TopLeftChanged() override;
    bool DoMouseWheelDown(plat::TShiftState Shift, plat::TPoint MousePos) override;
    bool DoMouseWheelUp(plat::TShiftState Shift, plat::TPoint MousePos) override;
    // Merged blocks the change would tear apart are split; the records of a deleted line go
    // with it.
    void DrawCell(int ACol, int ARow, const plat::TRect& ARect, plat::TGridDrawState AState) override;
    void ColumnMoved(int FromIndex, int ToIndex) override;
    void RowMoved(int FromIndex, int ToIndex) override;
    // Blocks are cut to the new counts while every line is still there.
    void SizeChanging(int NewColCount, int NewRowCount) override;
    void DeleteColumn(int ACol) override;
    void DeleteRow(int ARow) override;

    using plat::TCustomGrid::FocusCell;

private:
    void DrawCellBase(plat::TCanvas& Canvas, int ACol, int ARow, plat::TRect Rect, plat::TGridDrawState State,
                      bool FullPaint);
    void DrawSelectionFace(plat::TCanvas& Canvas, int ACol, plat::TRect Rect);
    // Frees the record in the slot, after the merge bookkeeping has seen it.
    void FreeRecord(int ACol, int ARow, TCellProperties* Record);
    void CheckCell(int ACol, int ARow) const;
    void RepaintIfChanged(bool Changed);

    TMergedCells FMerged{*this};
    bool FDefaultDrawing = false;
    int FGridLineWidth = 1;
    plat::TColor FGridLineColor = plat::clSilver;
    plat::TColor FGridFixedLineColor = plat::clGray;
    int FPaintID = 1;
    bool FHideLastRow = false;
    int FNormalRowCount = 0;
    TVezGridUndoRedo* FUndoRedo = nullptr;
    bool FWordWrap = true;
    bool FActiveRowShow = false;
    plat::TColor FActiveRowColor = plat::clInfoBk;
    plat::TColor FActiveRowColorTo = plat::clNone;
    plat::TColor FActiveRowMirrorColor = plat::clNone;
    plat::TColor FActiveRowMirrorColorTo = plat::clNone;
    TGridSelectionStyle FSelectionStyle = ssDefault;
    int FHoverRowIdx = -1;
    bool FHoverRow = false;
    plat::TColor FHoverRowColor = plat::clInfoBk;
    plat::TColor FHoverRowColorTo = plat::clNone;
    bool FShowSel = true;
    bool FHasCellProps = false;
};

}  // namespace skelda::grid
