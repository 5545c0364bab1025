#pragma once

#include "platform/controls/core/TCustomControl.h"
#include "platform/grids/GridTypes.h"
#include "platform/grids/TGridAxis.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace plat {

class TGridMouseTracker;
class TGridScrollBars;
class TInplaceEdit;

// The widget library's grid: columns and rows of cells, the first FixedCols columns and
// FixedRows rows fixed while the rest scroll by whole columns and rows, a current cell with a
// selection around it, keyboard and mouse navigation, sizing and moving of columns and rows, an
// in-place editor, and a paint loop that calls DrawCell for each visible cell. What a mouse
// press starts (selecting, sizing, moving) is tracked by a TGridMouseTracker of its own.
//
// Geometry lives in two TGridAxis objects: a column occupies its width plus the grid line to its
// right, a row its height plus the line below it; a column or row of size 0 is hidden (no line
// either). Positions are prefix sums, so CellRect and MouseCoord cost O(log n) on any count, and
// painting visits only what is on the screen.
//
// Scrolling: TopRow and LeftCol are the first scrolled row and column shown. The scroll bars
// (ScrollBars) show when not every row or column fits; a thumb position p of 0 .. 127 stands for
// the first row FixedRows + MulDiv(p, MaxTopRow - FixedRows, 127), where MaxTopRow is the
// smallest top row that shows the last row whole (likewise for columns).
//
// The current cell (Col, Row) is always a scrolled cell when the user moves it; SelectCell may
// refuse a move. The selection is the block between the current cell and the anchor; with
// goRowSelect it spans all scrolled columns. Selection may be set to a block outside the grid
// (the widget library's way of showing no selection); Col and Row then read outside the grid.
//
// Indexes out of range raise EInvalidGridOperation "Grid index out of range"; counts above the
// limits of GridLimits.h raise "Grid too large for operation".
class TCustomGrid : public TCustomControl {
public:
    explicit TCustomGrid(TComponent* AOwner);
    ~TCustomGrid() override;

    std::string ClassName() const override { return "TCustomGrid"; }

    // At least 1; a count at or below the fixed count takes the fixed count down with it.
    int GetColCount() const { return FCols.GetCount(); }
    void SetColCount(int Value);
    int GetRowCount() const { return FRows.GetCount(); }
    void SetRowCount(int Value);
    // Below the count; setting one puts the current cell and the view back to the first
    // scrolled cell. Descendants that keep books on the fixed lines override the setters (a
    // count too small for the fixed lines cuts them with the library's own setter).
    int GetFixedCols() const { return FCols.GetFixedCount(); }
    virtual void SetFixedCols(int Value);
    int GetFixedRows() const { return FRows.GetFixedCount(); }
    virtual void SetFixedRows(int Value);
    // Setting a default size gives it to every column (row), also to those sized on their own.
    int GetDefaultColWidth() const { return FCols.GetDefaultSizePx(); }
    void SetDefaultColWidth(int Value);
    int GetDefaultRowHeight() const { return FRows.GetDefaultSizePx(); }
    void SetDefaultRowHeight(int Value);
    // Reading beyond the count gives the default size. 0 hides; a negative size is the default.
    int GetColWidths(int ACol) const;
    void SetColWidths(int ACol, int Value);
    int GetRowHeights(int ARow) const;
    void SetRowHeights(int ARow, int Value);
    // Lines take room only between columns (rows) for which a line option is set.
    int GetGridLineWidth() const { return FGridLineWidth; }
    void SetGridLineWidth(int Value);

    // Kept within the scrolled rows (columns); the view may go beyond MaxTopRow, as far as the
    // last row.
    int GetTopRow() const { return FTopLeft.Y; }
    void SetTopRow(int Value);
    int GetLeftCol() const { return FTopLeft.X; }
    void SetLeftCol(int Value);
    // Scrolled columns (rows) from LeftCol (TopRow) on that are visible whole.
    int GetVisibleColCount() const;
    int GetVisibleRowCount() const;

    int GetCol() const { return FCurrent.X; }
    void SetCol(int Value);
    int GetRow() const { return FCurrent.Y; }
    void SetRow(int Value);
    TGridRect GetSelection() const;
    void SetSelection(const TGridRect& Value);

    TGridOptions GetOptions() const { return FOptions; }
    void SetOptions(TGridOptions Value);
    TColor GetFixedColor() const { return FFixedColor; }
    void SetFixedColor(TColor Value);
    // Off: DrawCell alone paints the cells (no background, text, 3-D edges or focus frame).
    bool GetDefaultDrawing() const { return FDefaultDrawing; }
    void SetDefaultDrawing(bool Value);
    TBorderStyle GetBorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle Value);
    TScrollStyle GetScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle Value);
    // What a mouse press started (TGridMouseTracker); gsNormal between presses.
    TGridState GetGridState() const;
    // Whether the grid edits: on, the in-place editor shows over the current cell whenever
    // CanEditShow allows it.
    bool GetEditorMode() const { return FEditorMode; }
    void SetEditorMode(bool Value);
    // nullptr until the grid first edits.
    TInplaceEdit* InplaceEditor() const { return FInplaceEdit; }

    // The cell's rectangle in client pixels without its grid lines, cut at the client edge; an
    // empty rectangle at (0, 0) when no part of the cell is in view or the cell does not exist.
    TRect CellRect(int ACol, int ARow) const;
    // The cell at a client point; (-1, -1) outside the cells.
    TGridCoord MouseCoord(int X, int Y) const;
    // The column (row) at FromIndex ends at ToIndex with its width (height); ColumnMoved
    // (RowMoved) is told. The current cell and the anchor move with it.
    void MoveColumn(int FromIndex, int ToIndex);
    void MoveRow(int FromIndex, int ToIndex);

    void InvalidateCell(int ACol, int ARow);
    void InvalidateRow(int ARow);
    void InvalidateCol(int ACol);
    void InvalidateGrid() { Invalidate(); }

    // The window's client area less the room of the scroll bars that show.
    TRect GetClientRect() const override;
    void Dispatch(TMessage& Message) override;

    TMouseWheelUpDownEvent OnMouseWheelDown;
    TMouseWheelUpDownEvent OnMouseWheelUp;

protected:
    // Paints one cell; ARect excludes the grid lines. With DefaultDrawing the background is
    // already filled (FixedColor, the highlight for selected cells, Color) and the canvas
    // carries the grid's font.
    virtual void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) = 0;
    // Asked before the current cell moves to (ACol, ARow); false keeps it where it is.
    virtual bool SelectCell(int ACol, int ARow);
    // TopRow or LeftCol changed.
    virtual void TopLeftChanged();
    virtual std::string GetEditText(int ACol, int ARow);
    // The in-place editor's text for a cell, when editing of that cell ends.
    virtual void SetEditText(int ACol, int ARow, const std::string& Value);
    virtual std::string GetEditMask(int ACol, int ARow);
    // Length limit of the editor: 0 for none, -1 for a cell that may not be changed.
    virtual int GetEditLimit();
    virtual TInplaceEdit* CreateEditor();
    // Whether the editor may show now: goEditing without goRowSelect, editor mode, a window,
    // the current cell inside the grid, and goAlwaysShowEditor or the grid active in its form.
    virtual bool CanEditShow();
    virtual bool CanEditModify();
    // Whether the editor takes a typed character.
    virtual bool CanEditAcceptKey(char32_t Key);
    virtual void ColumnMoved(int FromIndex, int ToIndex);
    virtual void RowMoved(int FromIndex, int ToIndex);
    virtual void ColWidthsChanged();
    virtual void RowHeightsChanged();
    // ColCount or RowCount is about to change (through the setters, not by deleting a line),
    // while the old lines are all still there.
    virtual void SizeChanging(int NewColCount, int NewRowCount);
    // ColCount or RowCount changed.
    virtual void SizeChanged(int OldColCount, int OldRowCount);
    // Whether a press at (X, Y) starts sizing a column (near a column's right edge in the fixed
    // rows, with goColSizing) or a row (near a row's bottom edge in the fixed columns, with
    // goRowSizing): the state, the index and the line's position and offset from X (or Y).
    virtual void CalcSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPosPx, int& SizingOfsPx);
    // Removes a column (row) with its width (height); the count falls by one. The only column
    // (row) left is never removed.
    virtual void DeleteColumn(int ACol);
    virtual void DeleteRow(int ARow);
    // Many rows at once, each a single pass with one SizeChanged. RemoveRowLines takes the listed
    // rows (strictly ascending) with their heights; at least one row must stay. A current cell,
    // anchor or top row on a removed row goes to the row that takes its place (the new last row
    // past the end). InsertRowLines opens rows of the given heights (negative for the default)
    // at the final, strictly ascending positions; the current cell, anchor and top row stay on
    // their rows. Cells are the descendants' business.
    void RemoveRowLines(std::span<const int> ASortedRows);
    void InsertRowLines(std::span<const int> AFinalRows, std::span<const int> AHeightsPx);
    // One notch of the wheel towards the user (down) or away: the current row moves by one
    // unless the event handles it.
    virtual bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos);
    virtual bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos);

    void ShowEditor();
    // Ends editing: the editor's text goes to SetEditText and the editor hides. When the text
    // misses a required position of the edit mask (EDBEditError) or SetEditText raises, the
    // editor stays open with its text.
    void HideEditor();
    // Loads the editor afresh from the current cell, dropping what was typed.
    void InvalidateEditor();
    // Moves the current cell (after SelectCell); the anchor too when MoveAnchor or without
    // goRangeSelect; Show scrolls the cell into view.
    void MoveColRow(int ACol, int ARow, bool MoveAnchor, bool Show);
    // MoveColRow with Show, then the editor follows and OnClick fires.
    void FocusCell(int ACol, int ARow, bool MoveAnchor);
    void SetGridState(TGridState Value);
    // The grid (or its editor) is the active control of its form, or has the focus.
    bool IsActiveControl() const;
    // Scroll-bar state (SB_HORZ or SB_VERT); the grid sets it whenever it scrolls.
    const TGridScrollInfo& GetScrollInfo(int ABar) const;
    void SetScrollInfo(int ABar, const TGridScrollInfo& Info);
    // Column and row geometry, for grids that place cells of their own (merged blocks).
    const TGridAxis& ColAxis() const { return FCols; }
    const TGridAxis& RowAxis() const { return FRows; }

    void Paint() override;
    void KeyDown(unsigned& Key, TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;
    void DoExit() override;
    void CreateParams(TCreateParams& Params) const override;
    void CreateWnd() override;
    void DestroyWnd() override;

private:
    friend class TInplaceEdit;
    class TrackerHost;

    struct VisibleLine {
        int Index;
        int StartPx;
        int SizePx;
    };

    TGridCoord MaxTopLeft() const;
    std::vector<VisibleLine> VisibleLines(const TGridAxis& Axis, int FirstScrolled, int ExtentPx) const;
    // Client pixels of the visible part of a block of cells, grid lines included.
    TRect BoxRect(const TGridRect& Block) const;
    void InvalidateBlock(const TGridRect& Block);

    void Initialize();
    void ChangeSize(int NewColCount, int NewRowCount);
    void UpdateLineWidths();
    // These answer false when a handler they ran (TopLeftChanged, ...) freed the grid.
    bool GeometryChanged();
    bool UpdateScrollRange();
    bool MoveTopLeft(int ALeft, int ATop);
    bool ClampInView(TGridCoord Coord);
    void UpdateScrollPos();
    void ModifyScrollBar(int ABar, unsigned Code, int Pos);
    void MoveCurrent(int ACol, int ARow, bool MoveAnchor, bool Show);
    void MoveAnchor(TGridCoord NewAnchor);
    void SelectionMoved(const TGridRect& OldSelection, TGridCoord OldCurrent);
    bool CurrentInGrid() const;

    void UpdateEdit();
    void UpdateEditor();
    void HideEdit();
    void UpdateText();
    void ShowEditorChar(char32_t Ch);

    void PaintCell(const VisibleLine& Col, const VisibleLine& Row, bool Active, const TGridRect& Selection);
    void PaintLines(const VisibleLine& Col, const VisibleLine& Row, bool Fixed, TColor Background);

    TGridAxis FCols;
    TGridAxis FRows;
    int FGridLineWidth = 1;
    TGridCoord FTopLeft;
    TGridCoord FCurrent;
    TGridCoord FAnchor;
    TGridOptions FOptions;
    TColor FFixedColor = clBtnFace;
    bool FDefaultDrawing = true;
    TBorderStyle FBorderStyle = bsSingle;
    TScrollStyle FScrollBars = ssBoth;
    bool FEditorMode = false;
    bool FCanEditModify = true;
    TInplaceEdit* FInplaceEdit = nullptr;
    int FInplaceCol = -1;
    int FInplaceRow = -1;
    int FWheelAccumulator = 0;
    std::unique_ptr<TGridScrollBars> FBars;
    std::unique_ptr<TrackerHost> FTrackerHost;
    std::unique_ptr<TGridMouseTracker> FTracker;
};

}  // namespace plat
