#pragma once

#include "platform/core/Types.h"
#include "platform/grids/GridTypes.h"

namespace plat {

class TGridAxis;

// What the mouse tracking of a grid (TGridMouseTracker) asks of the grid it tracks for.
// TCustomGrid answers; keeping the questions this narrow keeps the tracker out of the grid's
// editing, painting and scroll bars.
//
// Positions are client pixels; cells are (column, row).
class TGridMouseTrackerHost {
public:
    virtual ~TGridMouseTrackerHost() = default;

    // The grid as it shows now.
    virtual TRect ClientRect() const = 0;
    virtual const TGridAxis& Cols() const = 0;
    virtual const TGridAxis& Rows() const = 0;
    virtual TGridCoord TopLeft() const = 0;
    // The farthest TopLeft that still shows the last column and row whole.
    virtual TGridCoord MaxTopLeft() const = 0;
    // The cell at a client point; (-1, -1) outside the cells.
    virtual TGridCoord MouseCoord(int X, int Y) const = 0;
    virtual TGridOptions Options() const = 0;
    // The end of the selection away from the current cell.
    virtual TGridCoord Anchor() const = 0;
    // Where the pointer is now, also outside the grid.
    virtual TPoint CursorPos() const = 0;

    // The grid's CalcSizingState: whether a press at (X, Y) starts sizing, and which line.
    virtual void CalcSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPosPx,
                                 int& SizingOfsPx) = 0;
    // Marks a rectangle of the client area for painting; nothing without a window.
    virtual void InvalidateRect(const TRect& Rect) = 0;
    // The grid's scroll timer, which calls TGridMouseTracker::ScrollTick.
    virtual void StartTimer(unsigned IntervalMs) = 0;
    virtual void StopTimer() = 0;

    // These run the grid's handlers, any of which may free the grid; they answer false when
    // one did.
    virtual bool MoveTopLeft(TGridCoord TopLeft) = 0;
    // The cell becomes current (if SelectCell allows) with the anchor, scrolled into view.
    virtual bool MoveCurrent(TGridCoord Cell) = 0;
    // The anchor moves to the cell (the current cell too without goRangeSelect).
    virtual bool MoveAnchor(TGridCoord Cell) = 0;
    // A press on a scrolled cell of an editing grid, which selects no range: the cell becomes
    // current and the editor shows, then OnClick.
    virtual bool EditCell(TGridCoord Cell) = 0;
    // The editor follows the current cell.
    virtual bool UpdateEdit() = 0;
    virtual bool Click() = 0;
    virtual bool SetColWidth(int ACol, int WidthPx) = 0;
    virtual bool SetRowHeight(int ARow, int HeightPx) = 0;
    virtual bool MoveColumn(int FromIndex, int ToIndex) = 0;
    virtual bool MoveRow(int FromIndex, int ToIndex) = 0;
};

}  // namespace plat
