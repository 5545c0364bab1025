#pragma once

#include "platform/core/Types.h"
#include "platform/grids/GridTypes.h"

namespace plat {

class TCanvas;
class TGridAxis;
class TGridMouseTrackerHost;

// What a press of the left button on a grid starts and its release ends: selecting a range
// (gsSelecting), sizing a column or row (gsColSizing, gsRowSizing) or moving one (gsColMoving,
// gsRowMoving).
//
// Model: one state at a time, gsNormal between presses. A press first asks the grid's
// CalcSizingState; otherwise a press on a scrolled cell selects (the pressed cell becomes
// current, Shift moves the anchor instead; an editing grid edits the cell and tracks nothing),
// and a press on a fixed cell of the fixed columns (rows) moves its row (column) with
// goRowMoving (goColMoving). While selecting, the anchor follows the scrolled cell under the
// pointer; a press that SelectCell refused starts no range. Sizing shows an inverted line,
// kept between the start of the column (row) and the client edge, and on release gives the
// column the size up to the line when that is more than 1 pixel. Moving shows an inverted mark
// MoveMarkWidthPx wide on the edge where the column (row) would land, and moves it on release.
// While selecting or moving, every ScrollIntervalMs the view scrolls by one row or column
// towards a pointer held beyond an edge (over the fixed cells counts as beyond the top or
// left): along both axes when selecting, along the moved axis when moving. The state reads on
// until Finish, so that the grid's OnMouseUp still sees what ended.
//
// Cost: a press, move or tick costs a few O(log n) axis look-ups; the default CalcSizingState
// walks the columns (rows) in view.
//
// Errors: none of its own; what the grid's handlers raise passes through. Any handler may free
// the grid and this tracker with it: the calls that run handlers answer false when that
// happened, and the tracker then stops at once.
//
// Units: client pixels of the grid.
class TGridMouseTracker {
public:
    static constexpr unsigned ScrollIntervalMs = 60;
    static constexpr int MoveMarkWidthPx = 3;

    explicit TGridMouseTracker(TGridMouseTrackerHost& AHost) : FHost(AHost) {}
    TGridMouseTracker(const TGridMouseTracker&) = delete;
    TGridMouseTracker& operator=(const TGridMouseTracker&) = delete;

    TGridState GetState() const { return FState; }
    // Only the state changes: a descendant taking over what the tracker started.
    void SetState(TGridState Value) { FState = Value; }

    // A press of the left button, not a double click.
    bool Press(TShiftState Shift, int X, int Y);
    bool Move(int X, int Y);
    // Applies what the press started (or lets the editor follow the current cell when it started
    // nothing); the state stays until Finish.
    bool Release(int X, int Y);
    void Finish() { FState = gsNormal; }
    // Ends tracking without applying it: the grid lost the mouse.
    void Cancel();
    void ScrollTick();
    // The state the cursor shape shows: the present one while tracking, otherwise the sizing a
    // press at the pointer would start.
    TGridState CursorState();
    // Draws the sizing line or the move mark inverted over what is painted.
    void Paint(TCanvas& ACanvas) const;

private:
    bool Sizing() const { return FState == gsColSizing || FState == gsRowSizing; }
    bool Cols() const { return FState == gsColSizing || FState == gsColMoving; }
    const TGridAxis& Axis() const;
    int FirstScrolled() const;
    bool IsScrolledCell(TGridCoord Cell) const;
    // Moves the anchor to a scrolled cell under the pointer.
    bool SelectTo(TGridCoord Cell);
    void StartMoving(TGridState AState, int AIndex);
    void Stop();
    TRect MarkRect() const;
    void InvalidateMark();
    void SetMarkPos(int Value);
    // The move target for a pointer position along the moved axis.
    int MoveTargetAt(int Px) const;

    TGridMouseTrackerHost& FHost;
    TGridState FState = gsNormal;
    // Sizing: the column or row, where its line is drawn and the press's offset from it.
    int FSizingIndex = -1;
    int FSizingPosPx = 0;
    int FSizingOfsPx = 0;
    // Moving: the column or row and where it would go.
    int FMoveIndex = -1;
    int FMovePos = -1;
};

}  // namespace plat
