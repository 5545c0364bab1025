#include "platform/grids/TGridMouseTracker.h"

#include "platform/graphics/TCanvas.h"
#include "platform/grids/TGridAxis.h"
#include "platform/grids/TGridMouseTrackerHost.h"

#include <algorithm>
#include <cstdint>

namespace plat {

const TGridAxis& TGridMouseTracker::Axis() const
{
    return Cols() ? FHost.Cols() : FHost.Rows();
}

int TGridMouseTracker::FirstScrolled() const
{
    const TGridCoord topLeft = FHost.TopLeft();
    return Cols() ? topLeft.X : topLeft.Y;
}

bool TGridMouseTracker::IsScrolledCell(TGridCoord Cell) const
{
    return Cell.X >= FHost.Cols().GetFixedCount() && Cell.Y >= FHost.Rows().GetFixedCount();
}

bool TGridMouseTracker::Press(TShiftState Shift, int X, int Y)
{
    TGridState state = gsNormal;
    int index = -1;
    int posPx = 0;
    int ofsPx = 0;
    FHost.CalcSizingState(X, Y, state, index, posPx, ofsPx);
    if (state != gsNormal) {
        FState = state;
        FSizingIndex = index;
        FSizingPosPx = posPx;
        FSizingOfsPx = ofsPx;
        InvalidateMark();
        return true;
    }
    const TGridCoord cell = FHost.MouseCoord(X, Y);
    const TGridOptions options = FHost.Options();
    const int fixedCols = FHost.Cols().GetFixedCount();
    const int fixedRows = FHost.Rows().GetFixedCount();
    if (IsScrolledCell(cell)) {
        if (options.Contains(goEditing))
            return FHost.EditCell(cell);
        FState = gsSelecting;
        FHost.StartTimer(ScrollIntervalMs);
        if (!(Shift.Contains(ssShift) ? FHost.MoveAnchor(cell) : FHost.MoveCurrent(cell)))
            return false;
        // A press that SelectCell refused starts no range from the old cell.
        if (!(FHost.Anchor() == cell))
            Stop();
    } else if (options.Contains(goRowMoving) && cell.X >= 0 && cell.X < fixedCols && cell.Y >= fixedRows) {
        StartMoving(gsRowMoving, cell.Y);
    } else if (options.Contains(goColMoving) && cell.Y >= 0 && cell.Y < fixedRows && cell.X >= fixedCols) {
        StartMoving(gsColMoving, cell.X);
    }
    return true;
}

void TGridMouseTracker::StartMoving(TGridState AState, int AIndex)
{
    FState = AState;
    FMoveIndex = FMovePos = AIndex;
    FHost.StartTimer(ScrollIntervalMs);
    InvalidateMark();
}

bool TGridMouseTracker::Move(int X, int Y)
{
    switch (FState) {
    case gsSelecting: return SelectTo(FHost.MouseCoord(X, Y));
    case gsColSizing:
    case gsRowSizing: SetMarkPos((Cols() ? X : Y) + FSizingOfsPx); break;
    case gsColMoving:
    case gsRowMoving: SetMarkPos(MoveTargetAt(Cols() ? X : Y)); break;
    default: break;
    }
    return true;
}

bool TGridMouseTracker::Release(int X, int Y)
{
    // The line or mark goes before anything is applied, while the state still says which.
    if (FState != gsNormal) {
        FHost.StopTimer();
        InvalidateMark();
    }
    switch (FState) {
    case gsSelecting: return SelectTo(FHost.MouseCoord(X, Y)) && FHost.UpdateEdit() && FHost.Click();
    case gsColSizing:
    case gsRowSizing: {
        const std::int64_t sizePx = FSizingPosPx - Axis().ViewPosition(FSizingIndex, FirstScrolled());
        if (sizePx <= 1)
            return true;
        return FState == gsColSizing ? FHost.SetColWidth(FSizingIndex, static_cast<int>(sizePx))
                                     : FHost.SetRowHeight(FSizingIndex, static_cast<int>(sizePx));
    }
    case gsColMoving:
    case gsRowMoving:
        if (FMoveIndex == FMovePos)
            return true;
        return FState == gsColMoving ? FHost.MoveColumn(FMoveIndex, FMovePos) : FHost.MoveRow(FMoveIndex, FMovePos);
    default: return FHost.UpdateEdit();
    }
}

void TGridMouseTracker::Cancel()
{
    if (FState != gsNormal)
        Stop();
}

void TGridMouseTracker::Stop()
{
    FHost.StopTimer();
    InvalidateMark();
    FState = gsNormal;
}

bool TGridMouseTracker::SelectTo(TGridCoord Cell)
{
    if (!IsScrolledCell(Cell) || Cell == FHost.Anchor())
        return true;
    return FHost.MoveAnchor(Cell);
}

TGridState TGridMouseTracker::CursorState()
{
    TGridState state = FState;
    if (state == gsNormal) {
        const TPoint pos = FHost.CursorPos();
        int index = -1;
        int posPx = 0;
        int ofsPx = 0;
        FHost.CalcSizingState(pos.X, pos.Y, state, index, posPx, ofsPx);
    }
    return state;
}

// ---- Scrolling beyond the edges ---------------------------------------------------------------

void TGridMouseTracker::ScrollTick()
{
    if (FState != gsSelecting && FState != gsColMoving && FState != gsRowMoving) {
        FHost.StopTimer();
        return;
    }
    const TPoint pos = FHost.CursorPos();
    const TRect client = FHost.ClientRect();
    const TGridCoord maxTopLeft = FHost.MaxTopLeft();
    const TGridAxis& cols = FHost.Cols();
    const TGridAxis& rows = FHost.Rows();
    const int fixedWidthPx = static_cast<int>(std::min<std::int64_t>(cols.FixedExtentPx(), client.Right));
    const int fixedHeightPx = static_cast<int>(std::min<std::int64_t>(rows.FixedExtentPx(), client.Bottom));
    TGridCoord topLeft = FHost.TopLeft();
    if (FState != gsColMoving) {
        if (pos.Y < fixedHeightPx && topLeft.Y > rows.GetFixedCount())
            --topLeft.Y;
        else if (pos.Y >= client.Bottom && topLeft.Y < maxTopLeft.Y)
            ++topLeft.Y;
    }
    if (FState != gsRowMoving) {
        if (pos.X < fixedWidthPx && topLeft.X > cols.GetFixedCount())
            --topLeft.X;
        else if (pos.X >= client.Right && topLeft.X < maxTopLeft.X)
            ++topLeft.X;
    }
    if (!FHost.MoveTopLeft(topLeft))
        return;
    const int x = std::clamp(pos.X, fixedWidthPx, std::max(client.Right - 1, fixedWidthPx));
    const int y = std::clamp(pos.Y, fixedHeightPx, std::max(client.Bottom - 1, fixedHeightPx));
    if (FState == gsSelecting)
        SelectTo(FHost.MouseCoord(x, y));
    else
        SetMarkPos(MoveTargetAt(FState == gsColMoving ? x : y));
}

int TGridMouseTracker::MoveTargetAt(int Px) const
{
    const TRect client = FHost.ClientRect();
    const int extentPx = Cols() ? client.Width() : client.Height();
    const TGridAxis& axis = Axis();
    const int index = axis.ViewIndexAt(std::clamp(Px, 0, std::max(extentPx - 1, 0)), FirstScrolled());
    const int last = axis.GetCount() - 1;
    return std::clamp(index < 0 ? last : index, axis.GetFixedCount(), last);
}

// ---- The inverted line and mark ---------------------------------------------------------------

TRect TGridMouseTracker::MarkRect() const
{
    const TRect client = FHost.ClientRect();
    switch (FState) {
    case gsColSizing: return Rect(FSizingPosPx, 0, FSizingPosPx + 1, client.Bottom);
    case gsRowSizing: return Rect(0, FSizingPosPx, client.Right, FSizingPosPx + 1);
    case gsColMoving:
    case gsRowMoving: {
        const int first = FirstScrolled();
        const int edge = FMovePos > FMoveIndex ? FMovePos + 1 : FMovePos;
        if (edge < first)
            return {};
        const int extentPx = Cols() ? client.Width() : client.Height();
        const int atPx = static_cast<int>(std::min<std::int64_t>(Axis().ViewPosition(edge, first), extentPx));
        const int fromPx = atPx - MoveMarkWidthPx / 2;
        return Cols() ? Rect(fromPx, 0, fromPx + MoveMarkWidthPx, client.Bottom)
                      : Rect(0, fromPx, client.Right, fromPx + MoveMarkWidthPx);
    }
    default: return {};
    }
}

void TGridMouseTracker::InvalidateMark()
{
    const TRect mark = MarkRect();
    if (!mark.IsEmpty())
        FHost.InvalidateRect(mark);
}

void TGridMouseTracker::SetMarkPos(int Value)
{
    int& pos = Sizing() ? FSizingPosPx : FMovePos;
    if (Sizing()) {
        const TRect client = FHost.ClientRect();
        const std::int64_t startPx = Axis().ViewPosition(FSizingIndex, FirstScrolled());
        Value = static_cast<int>(std::clamp<std::int64_t>(Value, startPx, Cols() ? client.Right : client.Bottom));
    }
    if (Value == pos)
        return;
    InvalidateMark();
    pos = Value;
    InvalidateMark();
}

void TGridMouseTracker::Paint(TCanvas& ACanvas) const
{
    const TRect mark = MarkRect();
    if (mark.IsEmpty())
        return;
    ACanvas.Pen().SetMode(pmNot);
    ACanvas.Pen().SetWidth(1);
    if (mark.Width() <= mark.Height()) {
        for (int x = mark.Left; x < mark.Right; ++x) {
            ACanvas.MoveTo(x, mark.Top);
            ACanvas.LineTo(x, mark.Bottom);
        }
    } else {
        for (int y = mark.Top; y < mark.Bottom; ++y) {
            ACanvas.MoveTo(mark.Left, y);
            ACanvas.LineTo(mark.Right, y);
        }
    }
    ACanvas.Pen().SetMode(pmCopy);
}

}  // namespace plat
