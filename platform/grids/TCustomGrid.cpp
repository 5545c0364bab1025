#include "platform/grids/TCustomGrid.h"

#include "platform/controls/core/InputQueries.h"
#include "platform/controls/core/MessageDelivery.h"
#include "platform/controls/core/ScrollBarCodes.h"
#include "platform/controls/core/VirtualKeys.h"
#include "platform/controls/core/WindowHost.h"
#include "platform/controls/forms/TForm.h"
#include "platform/controls/forms/WindowTimers.h"
#include "platform/core/MulDiv.h"
#include "platform/core/RectOps.h"
#include "platform/grids/BatchLines.h"
#include "platform/grids/EInvalidGridOperation.h"
#include "platform/grids/GridLimits.h"
#include "platform/grids/TGridMouseTracker.h"
#include "platform/grids/TGridMouseTrackerHost.h"
#include "platform/grids/TGridScrollBars.h"
#include "platform/grids/TInplaceEdit.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace plat {

namespace {

// Thumb positions run from 0 to this, whatever the number of rows.
constexpr int ThumbRange = 127;
// The timer that scrolls while a selection or a move is dragged beyond the edges.
constexpr std::uintptr_t ScrollTimerId = 1;
// Width of the zone around a grid line where a press starts sizing.
constexpr int SizingZonePx = 7;

// The first index from AFrom on (below ALimit) that is not hidden; ALimit when there is none.
int NextShown(const TGridAxis& Axis, int AFrom, int ALimit)
{
    if (AFrom >= ALimit)
        return ALimit;
    const int index = Axis.IndexAt(Axis.Position(AFrom));
    return index < 0 ? ALimit : std::min(index, ALimit);
}

// The smallest first scrolled index that shows AIndex whole in AExtentPx of client.
int FirstShowing(const TGridAxis& Axis, int AIndex, int AFirst, std::int64_t AExtentPx)
{
    const int fixed = Axis.GetFixedCount();
    if (AIndex < fixed)
        return AFirst;
    if (AIndex < AFirst)
        return AIndex;
    const std::int64_t roomPx = AExtentPx - Axis.FixedExtentPx();
    const std::int64_t endPx = Axis.Position(AIndex + 1);
    if (endPx - Axis.Position(AFirst) <= roomPx)
        return AFirst;
    const std::int64_t targetPx = endPx - roomPx;
    int first = fixed;
    if (targetPx > Axis.Position(fixed)) {
        const int at = Axis.IndexAt(targetPx - 1);
        first = at < 0 ? AIndex : at + 1;
    }
    return std::clamp(first, fixed, AIndex);
}

// Moves a position that followed the item at AFrom when that item moves to ATo.
void MoveAdjust(int& APos, int AFrom, int ATo)
{
    if (APos == AFrom)
        APos = ATo;
    else if (APos > AFrom && APos <= ATo)
        --APos;
    else if (APos < AFrom && APos >= ATo)
        ++APos;
}

}  // namespace

// The grid as its mouse tracking sees it.
class TCustomGrid::TrackerHost final : public TGridMouseTrackerHost {
public:
    explicit TrackerHost(TCustomGrid& AGrid) : FGrid(AGrid) {}

    TRect ClientRect() const override { return FGrid.GetClientRect(); }
    const TGridAxis& Cols() const override { return FGrid.FCols; }
    const TGridAxis& Rows() const override { return FGrid.FRows; }
    TGridCoord TopLeft() const override { return FGrid.FTopLeft; }
    TGridCoord MaxTopLeft() const override { return FGrid.MaxTopLeft(); }
    TGridCoord MouseCoord(int X, int Y) const override { return FGrid.MouseCoord(X, Y); }
    TGridOptions Options() const override { return FGrid.FOptions; }
    TGridCoord Anchor() const override { return FGrid.FAnchor; }
    TPoint CursorPos() const override { return FGrid.ScreenToClient(GetCursorPos()); }

    void CalcSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPosPx, int& SizingOfsPx) override
    {
        FGrid.CalcSizingState(X, Y, State, Index, SizingPosPx, SizingOfsPx);
    }
    void InvalidateRect(const TRect& Rect) override
    {
        if (FGrid.HandleAllocated())
            FGrid.InvalidateRect(Rect);
    }
    void StartTimer(unsigned IntervalMs) override { SetTimer(&FGrid, ScrollTimerId, IntervalMs); }
    void StopTimer() override { KillTimer(&FGrid, ScrollTimerId); }

    bool MoveTopLeft(TGridCoord TopLeft) override { return FGrid.MoveTopLeft(TopLeft.X, TopLeft.Y); }
    bool MoveCurrent(TGridCoord Cell) override
    {
        return Survives([&] { FGrid.MoveCurrent(Cell.X, Cell.Y, true, true); });
    }
    bool MoveAnchor(TGridCoord Cell) override { return Survives([&] { FGrid.MoveAnchor(Cell); }); }
    bool EditCell(TGridCoord Cell) override
    {
        const TControlRef<> alive(&FGrid);
        if (Cell == FGrid.FCurrent) {
            FGrid.ShowEditor();
        } else {
            FGrid.MoveCurrent(Cell.X, Cell.Y, true, true);
            if (alive)
                FGrid.UpdateEdit();
        }
        return alive && Click();
    }
    bool UpdateEdit() override { return Survives([&] { FGrid.UpdateEdit(); }); }
    bool Click() override { return Survives([&] { FGrid.Click(); }); }
    bool SetColWidth(int ACol, int WidthPx) override { return Survives([&] { FGrid.SetColWidths(ACol, WidthPx); }); }
    bool SetRowHeight(int ARow, int HeightPx) override
    {
        return Survives([&] { FGrid.SetRowHeights(ARow, HeightPx); });
    }
    bool MoveColumn(int FromIndex, int ToIndex) override
    {
        return Survives([&] { FGrid.MoveColumn(FromIndex, ToIndex); });
    }
    bool MoveRow(int FromIndex, int ToIndex) override { return Survives([&] { FGrid.MoveRow(FromIndex, ToIndex); }); }

private:
    template <typename Step>
    bool Survives(Step AStep)
    {
        const TControlRef<> alive(&FGrid);
        AStep();
        return static_cast<bool>(alive);
    }

    TCustomGrid& FGrid;
};

TCustomGrid::TCustomGrid(TComponent* AOwner)
    : TCustomControl(AOwner), FCols(MaxGridCols, 64), FRows(MaxGridRows, 24),
      FOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect},
      FBars(std::make_unique<TGridScrollBars>(*this)), FTrackerHost(std::make_unique<TrackerHost>(*this)),
      FTracker(std::make_unique<TGridMouseTracker>(*FTrackerHost))
{
    SetControlStyle({csCaptureMouse, csOpaque, csDoubleClicks});
    FCols.SetCount(5);
    FRows.SetCount(5);
    FCols.SetFixedCount(1);
    FRows.SetFixedCount(1);
    UpdateLineWidths();
    SetTabStop(true);
    Initialize();
    SetBounds(GetLeft(), GetTop(), 5 * FCols.GetDefaultSizePx(), 5 * FRows.GetDefaultSizePx());
}

TCustomGrid::~TCustomGrid()
{
    ReleaseLayerReferences();
}

// ---- Counts and sizes -------------------------------------------------------------------------

void TCustomGrid::SetColCount(int Value)
{
    Value = std::max(Value, 1);
    if (Value > MaxGridCols)
        throw EInvalidGridOperation("Grid too large for operation");
    if (Value == GetColCount())
        return;
    if (Value <= GetFixedCols())
        TCustomGrid::SetFixedCols(Value - 1);
    ChangeSize(Value, GetRowCount());
}

void TCustomGrid::SetRowCount(int Value)
{
    Value = std::max(Value, 1);
    if (Value > MaxGridRows)
        throw EInvalidGridOperation("Grid too large for operation");
    if (Value == GetRowCount())
        return;
    if (Value <= GetFixedRows())
        TCustomGrid::SetFixedRows(Value - 1);
    ChangeSize(GetColCount(), Value);
}

void TCustomGrid::SetFixedCols(int Value)
{
    if (Value < 0)
        GridIndexError();
    if (Value >= GetColCount())
        throw EInvalidGridOperation("Fixed column count must be less than column count");
    if (Value == GetFixedCols())
        return;
    FCols.SetFixedCount(Value);
    Initialize();
    GeometryChanged();
}

void TCustomGrid::SetFixedRows(int Value)
{
    if (Value < 0)
        GridIndexError();
    if (Value >= GetRowCount())
        throw EInvalidGridOperation("Fixed row count must be less than row count");
    if (Value == GetFixedRows())
        return;
    FRows.SetFixedCount(Value);
    Initialize();
    GeometryChanged();
}

void TCustomGrid::SetDefaultColWidth(int Value)
{
    FCols.SetDefaultSizePx(Value);
    ColWidthsChanged();
}

void TCustomGrid::SetDefaultRowHeight(int Value)
{
    FRows.SetDefaultSizePx(Value);
    RowHeightsChanged();
}

int TCustomGrid::GetColWidths(int ACol) const
{
    if (ACol < 0)
        GridIndexError();
    return ACol < GetColCount() ? FCols.GetSizePx(ACol) : FCols.GetDefaultSizePx();
}

void TCustomGrid::SetColWidths(int ACol, int Value)
{
    CheckGridIndex(ACol, GetColCount());
    const int oldPx = FCols.GetSizePx(ACol);
    FCols.SetSizePx(ACol, Value);
    if (FCols.GetSizePx(ACol) != oldPx)
        ColWidthsChanged();
}

int TCustomGrid::GetRowHeights(int ARow) const
{
    if (ARow < 0)
        GridIndexError();
    return ARow < GetRowCount() ? FRows.GetSizePx(ARow) : FRows.GetDefaultSizePx();
}

void TCustomGrid::SetRowHeights(int ARow, int Value)
{
    CheckGridIndex(ARow, GetRowCount());
    const int oldPx = FRows.GetSizePx(ARow);
    FRows.SetSizePx(ARow, Value);
    if (FRows.GetSizePx(ARow) != oldPx)
        RowHeightsChanged();
}

void TCustomGrid::SetGridLineWidth(int Value)
{
    if (Value < 0)
        throw EInvalidGridOperation("Grid size out of range");
    if (Value == FGridLineWidth)
        return;
    FGridLineWidth = Value;
    UpdateLineWidths();
    GeometryChanged();
}

void TCustomGrid::UpdateLineWidths()
{
    FCols.SetLineWidthPx(FOptions.Contains(goVertLine) || FOptions.Contains(goFixedVertLine) ? FGridLineWidth : 0);
    FRows.SetLineWidthPx(FOptions.Contains(goHorzLine) || FOptions.Contains(goFixedHorzLine) ? FGridLineWidth : 0);
}

void TCustomGrid::Initialize()
{
    FTopLeft = {GetFixedCols(), GetFixedRows()};
    FCurrent = FTopLeft;
    FAnchor = FCurrent;
}

bool TCustomGrid::CurrentInGrid() const
{
    return FCurrent.X >= 0 && FCurrent.Y >= 0 && FCurrent.X < GetColCount() && FCurrent.Y < GetRowCount();
}

void TCustomGrid::ChangeSize(int NewColCount, int NewRowCount)
{
    SizeChanging(NewColCount, NewRowCount);
    const int oldColCount = GetColCount();
    const int oldRowCount = GetRowCount();
    // A current cell or anchor inside the grid stays inside; one parked outside stays parked.
    auto keepInside = [&](TGridCoord& Coord) {
        if (Coord.X < 0 || Coord.Y < 0 || Coord.X >= oldColCount || Coord.Y >= oldRowCount)
            return;
        Coord.X = std::min(Coord.X, NewColCount - 1);
        Coord.Y = std::min(Coord.Y, NewRowCount - 1);
    };
    keepInside(FCurrent);
    keepInside(FAnchor);
    FCols.SetCount(NewColCount);
    FRows.SetCount(NewRowCount);
    FTopLeft.X = std::clamp(FTopLeft.X, GetFixedCols(), NewColCount - 1);
    FTopLeft.Y = std::clamp(FTopLeft.Y, GetFixedRows(), NewRowCount - 1);
    if (GeometryChanged())
        SizeChanged(oldColCount, oldRowCount);
}

bool TCustomGrid::GeometryChanged()
{
    const TControlRef<> alive(this);
    if (UpdateScrollRange()) {
        Invalidate();
        UpdateEdit();
    }
    return static_cast<bool>(alive);
}

void TCustomGrid::ColWidthsChanged()
{
    GeometryChanged();
}

void TCustomGrid::RowHeightsChanged()
{
    GeometryChanged();
}

void TCustomGrid::SizeChanging(int, int) {}

void TCustomGrid::SizeChanged(int, int) {}

void TCustomGrid::DeleteColumn(int ACol)
{
    CheckGridIndex(ACol, GetColCount());
    const int oldColCount = GetColCount();
    const int oldRowCount = GetRowCount();
    if (oldColCount == 1)
        return;
    if (FInplaceCol == ACol)
        FInplaceCol = FInplaceRow = -1;
    else if (FInplaceCol > ACol)
        --FInplaceCol;
    FCols.Delete(ACol);
    if (GetFixedCols() >= GetColCount())
        FCols.SetFixedCount(GetColCount() - 1);
    // Positions right of the column move left; one on the last column stays on the new last.
    for (TGridCoord* coord : {&FCurrent, &FAnchor}) {
        if (coord->X > ACol && coord->X < oldColCount)
            --coord->X;
        else if (coord->X == oldColCount - 1 && coord->Y < oldRowCount)
            coord->X = GetColCount() - 1;
    }
    if (FTopLeft.X > ACol)
        --FTopLeft.X;
    FTopLeft.X = std::clamp(FTopLeft.X, GetFixedCols(), GetColCount() - 1);
    if (GeometryChanged())
        SizeChanged(oldColCount, oldRowCount);
}

void TCustomGrid::DeleteRow(int ARow)
{
    CheckGridIndex(ARow, GetRowCount());
    const int oldColCount = GetColCount();
    const int oldRowCount = GetRowCount();
    if (oldRowCount == 1)
        return;
    if (FInplaceRow == ARow)
        FInplaceCol = FInplaceRow = -1;
    else if (FInplaceRow > ARow)
        --FInplaceRow;
    FRows.Delete(ARow);
    if (GetFixedRows() >= GetRowCount())
        FRows.SetFixedCount(GetRowCount() - 1);
    // Positions below the row move up; one on the last row stays on the new last.
    for (TGridCoord* coord : {&FCurrent, &FAnchor}) {
        if (coord->Y > ARow && coord->Y < oldRowCount)
            --coord->Y;
        else if (coord->Y == oldRowCount - 1 && coord->X < oldColCount)
            coord->Y = GetRowCount() - 1;
    }
    if (FTopLeft.Y > ARow)
        --FTopLeft.Y;
    FTopLeft.Y = std::clamp(FTopLeft.Y, GetFixedRows(), GetRowCount() - 1);
    if (GeometryChanged())
        SizeChanged(oldColCount, oldRowCount);
}

void TCustomGrid::RemoveRowLines(std::span<const int> ASortedRows)
{
    if (ASortedRows.empty())
        return;
    const int oldColCount = GetColCount();
    const int oldRowCount = GetRowCount();
    if (static_cast<int>(ASortedRows.size()) >= oldRowCount)
        throw EInvalidGridOperation("Grid too large for operation");
    FRows.RemoveIndexes(ASortedRows);
    if (GetFixedRows() >= GetRowCount())
        FRows.SetFixedCount(GetRowCount() - 1);
    const int newRowCount = GetRowCount();
    // The rows before Y that go; a row that goes itself leaves Y to the row after it.
    const auto following = [&](int Y) {
        const auto gone = std::lower_bound(ASortedRows.begin(), ASortedRows.end(), Y) - ASortedRows.begin();
        return std::min(Y - static_cast<int>(gone), newRowCount - 1);
    };
    for (TGridCoord* coord : {&FCurrent, &FAnchor})
        if (coord->Y >= 0 && coord->Y < oldRowCount)
            coord->Y = following(coord->Y);
    if (FInplaceRow >= 0 && FInplaceRow < oldRowCount) {
        if (std::binary_search(ASortedRows.begin(), ASortedRows.end(), FInplaceRow))
            FInplaceCol = FInplaceRow = -1;
        else
            FInplaceRow = following(FInplaceRow);
    }
    FTopLeft.Y = std::clamp(following(FTopLeft.Y), GetFixedRows(), newRowCount - 1);
    if (GeometryChanged())
        SizeChanged(oldColCount, oldRowCount);
}

void TCustomGrid::InsertRowLines(std::span<const int> AFinalRows, std::span<const int> AHeightsPx)
{
    if (AFinalRows.empty())
        return;
    const int oldColCount = GetColCount();
    const int oldRowCount = GetRowCount();
    FRows.InsertIndexes(AFinalRows, AHeightsPx);
    const auto moved = [&](int Y) { return IndexAfterPut(AFinalRows, Y); };
    for (TGridCoord* coord : {&FCurrent, &FAnchor})
        if (coord->Y >= 0 && coord->Y < oldRowCount)
            coord->Y = moved(coord->Y);
    if (FInplaceRow >= 0 && FInplaceRow < oldRowCount)
        FInplaceRow = moved(FInplaceRow);
    FTopLeft.Y = std::clamp(moved(FTopLeft.Y), GetFixedRows(), GetRowCount() - 1);
    if (GeometryChanged())
        SizeChanged(oldColCount, oldRowCount);
}

void TCustomGrid::MoveColumn(int FromIndex, int ToIndex)
{
    CheckGridIndex(FromIndex, GetColCount());
    CheckGridIndex(ToIndex, GetColCount());
    if (FromIndex == ToIndex)
        return;
    FCols.Move(FromIndex, ToIndex);
    MoveAdjust(FCurrent.X, FromIndex, ToIndex);
    MoveAdjust(FAnchor.X, FromIndex, ToIndex);
    if (FInplaceCol >= 0)
        MoveAdjust(FInplaceCol, FromIndex, ToIndex);
    InvalidateGrid();
    const TControlRef<> alive(this);
    ColumnMoved(FromIndex, ToIndex);
    if (alive)
        ColWidthsChanged();
}

void TCustomGrid::MoveRow(int FromIndex, int ToIndex)
{
    CheckGridIndex(FromIndex, GetRowCount());
    CheckGridIndex(ToIndex, GetRowCount());
    if (FromIndex == ToIndex)
        return;
    FRows.Move(FromIndex, ToIndex);
    MoveAdjust(FCurrent.Y, FromIndex, ToIndex);
    MoveAdjust(FAnchor.Y, FromIndex, ToIndex);
    if (FInplaceRow >= 0)
        MoveAdjust(FInplaceRow, FromIndex, ToIndex);
    InvalidateGrid();
    const TControlRef<> alive(this);
    RowMoved(FromIndex, ToIndex);
    if (alive)
        RowHeightsChanged();
}

void TCustomGrid::ColumnMoved(int, int) {}

void TCustomGrid::RowMoved(int, int) {}

// ---- Geometry ---------------------------------------------------------------------------------

TRect TCustomGrid::GetClientRect() const
{
    TRect client = TCustomControl::GetClientRect();
    if (FBars && FBars->GetShown(SB_VERT))
        client.Right = std::max(client.Left, client.Right - TGridScrollBars::ThicknessPx(SB_VERT));
    if (FBars && FBars->GetShown(SB_HORZ))
        client.Bottom = std::max(client.Top, client.Bottom - TGridScrollBars::ThicknessPx(SB_HORZ));
    return client;
}

TGridCoord TCustomGrid::MaxTopLeft() const
{
    const TRect client = GetClientRect();
    return {FCols.MaxFirstScrolled(client.Width()), FRows.MaxFirstScrolled(client.Height())};
}

int TCustomGrid::GetVisibleColCount() const
{
    return FCols.VisibleCount(FTopLeft.X, GetClientRect().Width() - FCols.FixedExtentPx());
}

int TCustomGrid::GetVisibleRowCount() const
{
    return FRows.VisibleCount(FTopLeft.Y, GetClientRect().Height() - FRows.FixedExtentPx());
}

std::vector<TCustomGrid::VisibleLine> TCustomGrid::VisibleLines(const TGridAxis& Axis, int FirstScrolled,
                                                                 int ExtentPx) const
{
    std::vector<VisibleLine> lines;
    const int fixed = Axis.GetFixedCount();
    const int count = Axis.GetCount();
    for (int i = NextShown(Axis, 0, fixed); i < fixed; i = NextShown(Axis, i + 1, fixed)) {
        const std::int64_t startPx = Axis.Position(i);
        if (startPx >= ExtentPx)
            return lines;
        lines.push_back({i, static_cast<int>(startPx), Axis.GetSizePx(i)});
    }
    const std::int64_t originPx = Axis.FixedExtentPx() - Axis.Position(FirstScrolled);
    for (int i = NextShown(Axis, FirstScrolled, count); i < count; i = NextShown(Axis, i + 1, count)) {
        const std::int64_t startPx = originPx + Axis.Position(i);
        if (startPx >= ExtentPx)
            break;
        lines.push_back({i, static_cast<int>(startPx), Axis.GetSizePx(i)});
    }
    return lines;
}

TRect TCustomGrid::CellRect(int ACol, int ARow) const
{
    if (ACol < 0 || ARow < 0 || ACol >= GetColCount() || ARow >= GetRowCount())
        return {};
    const TRect client = GetClientRect();
    int startPx[2] = {};
    int endPx[2] = {};
    const TGridAxis* axes[2] = {&FCols, &FRows};
    const int indexes[2] = {ACol, ARow};
    const int firsts[2] = {FTopLeft.X, FTopLeft.Y};
    const int extents[2] = {client.Width(), client.Height()};
    for (int a = 0; a < 2; ++a) {
        const TGridAxis& axis = *axes[a];
        const int index = indexes[a];
        if (index >= axis.GetFixedCount() && index < firsts[a])
            return {};
        const std::int64_t start = axis.ViewPosition(index, firsts[a]);
        const int sizePx = axis.GetSizePx(index);
        if (start >= extents[a] || sizePx == 0)
            return {};
        startPx[a] = static_cast<int>(start);
        endPx[a] = static_cast<int>(std::min<std::int64_t>(start + sizePx, extents[a]));
    }
    return Rect(startPx[0], startPx[1], endPx[0], endPx[1]);
}

TGridCoord TCustomGrid::MouseCoord(int X, int Y) const
{
    const TRect client = GetClientRect();
    if (X < 0 || Y < 0 || X >= client.Width() || Y >= client.Height())
        return {-1, -1};
    const int col = FCols.ViewIndexAt(X, FTopLeft.X);
    const int row = FRows.ViewIndexAt(Y, FTopLeft.Y);
    if (col < 0 || row < 0)
        return {-1, -1};
    return {col, row};
}

TRect TCustomGrid::BoxRect(const TGridRect& Block) const
{
    const TRect client = GetClientRect();
    auto span = [](const TGridAxis& Axis, int First, int Lo, int Hi, int ExtentPx, int& StartPx, int& EndPx) {
        Lo = std::max(Lo, 0);
        Hi = std::min(Hi, Axis.GetCount() - 1);
        if (Lo > Hi)
            return false;
        std::int64_t start = INT64_MAX;
        std::int64_t end = INT64_MIN;
        const int fixed = Axis.GetFixedCount();
        if (Lo < fixed) {
            start = Axis.Position(Lo);
            end = Axis.Position(std::min(Hi, fixed - 1) + 1);
        }
        if (const int from = std::max(Lo, First); from <= Hi) {
            start = std::min(start, Axis.ViewPosition(from, First));
            end = std::max(end, Axis.ViewPosition(Hi + 1, First));
        }
        start = std::max<std::int64_t>(start, 0);
        end = std::min<std::int64_t>(end, ExtentPx);
        StartPx = static_cast<int>(start);
        EndPx = static_cast<int>(end);
        return start < end;
    };
    TRect box;
    if (!span(FCols, FTopLeft.X, Block.Left, Block.Right, client.Width(), box.Left, box.Right) ||
        !span(FRows, FTopLeft.Y, Block.Top, Block.Bottom, client.Height(), box.Top, box.Bottom))
        return {};
    return box;
}

void TCustomGrid::InvalidateBlock(const TGridRect& Block)
{
    if (!HandleAllocated())
        return;
    const TRect box = BoxRect(Block);
    if (!box.IsEmpty())
        InvalidateRect(box);
}

void TCustomGrid::InvalidateCell(int ACol, int ARow)
{
    InvalidateBlock({ACol, ARow, ACol, ARow});
}

void TCustomGrid::InvalidateRow(int ARow)
{
    InvalidateBlock({0, ARow, GetColCount() - 1, ARow});
}

void TCustomGrid::InvalidateCol(int ACol)
{
    InvalidateBlock({ACol, 0, ACol, GetRowCount() - 1});
}

// ---- Scrolling --------------------------------------------------------------------------------

void TCustomGrid::SetTopRow(int Value)
{
    MoveTopLeft(FTopLeft.X, std::clamp(Value, GetFixedRows(), GetRowCount() - 1));
}

void TCustomGrid::SetLeftCol(int Value)
{
    MoveTopLeft(std::clamp(Value, GetFixedCols(), GetColCount() - 1), FTopLeft.Y);
}

void TCustomGrid::SetScrollBars(TScrollStyle Value)
{
    if (Value == FScrollBars)
        return;
    FScrollBars = Value;
    GeometryChanged();
}

const TGridScrollInfo& TCustomGrid::GetScrollInfo(int ABar) const
{
    return FBars->GetInfo(ABar);
}

void TCustomGrid::SetScrollInfo(int ABar, const TGridScrollInfo& Info)
{
    FBars->SetInfo(ABar, Info);
}

// Showing one bar narrows the client area and may make the other necessary, so the decision is
// taken again until it holds.
bool TCustomGrid::UpdateScrollRange()
{
    const bool wantHorz = FScrollBars == ssHorizontal || FScrollBars == ssBoth;
    const bool wantVert = FScrollBars == ssVertical || FScrollBars == ssBoth;
    for (int pass = 0; pass < 3; ++pass) {
        const TGridCoord maxTopLeft = MaxTopLeft();
        const bool needHorz = wantHorz && maxTopLeft.X > GetFixedCols();
        const bool needVert = wantVert && maxTopLeft.Y > GetFixedRows();
        if (needHorz == FBars->GetShown(SB_HORZ) && needVert == FBars->GetShown(SB_VERT))
            break;
        FBars->SetShown(SB_HORZ, needHorz);
        FBars->SetShown(SB_VERT, needVert);
    }
    FBars->Place();
    const TGridCoord maxTopLeft = MaxTopLeft();
    if (!MoveTopLeft(std::min(FTopLeft.X, maxTopLeft.X), std::min(FTopLeft.Y, maxTopLeft.Y)))
        return false;
    UpdateScrollPos();
    return true;
}

void TCustomGrid::UpdateScrollPos()
{
    const TGridCoord maxTopLeft = MaxTopLeft();
    auto info = [](int First, int Fixed, int MaxFirst, bool Shown) {
        const int pos =
            MaxFirst > Fixed ? std::clamp(MulDiv(First - Fixed, ThumbRange, MaxFirst - Fixed), 0, ThumbRange) : 0;
        return TGridScrollInfo{0, Shown ? ThumbRange : 0, 0, pos, pos};
    };
    FBars->SetInfo(SB_HORZ, info(FTopLeft.X, GetFixedCols(), maxTopLeft.X, FBars->GetShown(SB_HORZ)));
    FBars->SetInfo(SB_VERT, info(FTopLeft.Y, GetFixedRows(), maxTopLeft.Y, FBars->GetShown(SB_VERT)));
}

void TCustomGrid::ModifyScrollBar(int ABar, unsigned Code, int Pos)
{
    const bool vert = ABar == SB_VERT;
    const int fixed = vert ? GetFixedRows() : GetFixedCols();
    const int first = vert ? FTopLeft.Y : FTopLeft.X;
    const TGridCoord maxTopLeft = MaxTopLeft();
    const int maxFirst = std::max(vert ? maxTopLeft.Y : maxTopLeft.X, fixed);
    const int page = std::max(vert ? GetVisibleRowCount() : GetVisibleColCount(), 1);
    int target = first;
    switch (Code) {
    case SB_LINEUP: target = first - 1; break;
    case SB_LINEDOWN: target = first + 1; break;
    case SB_PAGEUP: target = first - page; break;
    case SB_PAGEDOWN: target = first + page; break;
    case SB_THUMBTRACK:
        if (!FOptions.Contains(goThumbTracking))
            return;
        [[fallthrough]];
    case SB_THUMBPOSITION: target = fixed + MulDiv(std::clamp(Pos, 0, ThumbRange), maxFirst - fixed, ThumbRange); break;
    case SB_TOP: target = fixed; break;
    case SB_BOTTOM: target = maxFirst; break;
    default: return;
    }
    target = std::clamp(target, fixed, maxFirst);
    if (vert ? MoveTopLeft(FTopLeft.X, target) : MoveTopLeft(target, FTopLeft.Y))
        UpdateScrollPos();
}

bool TCustomGrid::MoveTopLeft(int ALeft, int ATop)
{
    if (ALeft == FTopLeft.X && ATop == FTopLeft.Y)
        return true;
    FTopLeft = {ALeft, ATop};
    UpdateScrollPos();
    Invalidate();
    const TControlRef<> alive(this);
    TopLeftChanged();
    return static_cast<bool>(alive);
}

void TCustomGrid::TopLeftChanged()
{
    if (FEditorMode && FInplaceEdit && FInplaceCol >= 0)
        FInplaceEdit->Move(CellRect(FCurrent.X, FCurrent.Y));
}

bool TCustomGrid::ClampInView(TGridCoord Coord)
{
    if (Coord.X < 0 || Coord.Y < 0 || Coord.X >= GetColCount() || Coord.Y >= GetRowCount())
        return true;
    const TRect client = GetClientRect();
    return MoveTopLeft(FirstShowing(FCols, Coord.X, FTopLeft.X, client.Width()),
                FirstShowing(FRows, Coord.Y, FTopLeft.Y, client.Height()));
}

// ---- Current cell and selection ---------------------------------------------------------------

TGridRect TCustomGrid::GetSelection() const
{
    TGridRect selection{std::min(FCurrent.X, FAnchor.X), std::min(FCurrent.Y, FAnchor.Y),
                        std::max(FCurrent.X, FAnchor.X), std::max(FCurrent.Y, FAnchor.Y)};
    if (FOptions.Contains(goRowSelect)) {
        selection.Left = GetFixedCols();
        selection.Right = GetColCount() - 1;
    }
    return selection;
}

void TCustomGrid::SetSelection(const TGridRect& Value)
{
    const TGridRect oldSelection = GetSelection();
    const TGridCoord oldCurrent = FCurrent;
    FAnchor = {Value.Left, Value.Top};
    FCurrent = {Value.Right, Value.Bottom};
    SelectionMoved(oldSelection, oldCurrent);
}

void TCustomGrid::SetCol(int Value)
{
    if (Value != FCurrent.X)
        FocusCell(Value, FCurrent.Y, true);
}

void TCustomGrid::SetRow(int Value)
{
    if (Value != FCurrent.Y)
        FocusCell(FCurrent.X, Value, true);
}

bool TCustomGrid::SelectCell(int, int)
{
    return true;
}

void TCustomGrid::MoveColRow(int ACol, int ARow, bool MoveAnchor, bool Show)
{
    MoveCurrent(ACol, ARow, MoveAnchor, Show);
}

void TCustomGrid::FocusCell(int ACol, int ARow, bool MoveAnchor)
{
    const TControlRef<> alive(this);
    MoveCurrent(ACol, ARow, MoveAnchor, true);
    if (!alive)
        return;
    UpdateEdit();
    if (alive)
        Click();
}

void TCustomGrid::MoveCurrent(int ACol, int ARow, bool MoveAnchor, bool Show)
{
    if (ACol < 0 || ARow < 0 || ACol >= GetColCount() || ARow >= GetRowCount())
        GridIndexError();
    const TControlRef<> alive(this);
    if (!SelectCell(ACol, ARow) || !alive)
        return;
    if (!FOptions.Contains(goAlwaysShowEditor))
        HideEditor();
    if (!alive)
        return;
    const TGridRect oldSelection = GetSelection();
    const TGridCoord oldCurrent = FCurrent;
    FCurrent = {ACol, ARow};
    if (MoveAnchor || !FOptions.Contains(goRangeSelect))
        FAnchor = FCurrent;
    if (!Show || ClampInView(FCurrent))
        SelectionMoved(oldSelection, oldCurrent);
}

void TCustomGrid::MoveAnchor(TGridCoord NewAnchor)
{
    if (!FOptions.Contains(goRangeSelect)) {
        MoveCurrent(NewAnchor.X, NewAnchor.Y, true, true);
        return;
    }
    const TGridRect oldSelection = GetSelection();
    FAnchor = NewAnchor;
    if (ClampInView(NewAnchor))
        SelectionMoved(oldSelection, FCurrent);
}

void TCustomGrid::SelectionMoved(const TGridRect& OldSelection, TGridCoord OldCurrent)
{
    InvalidateBlock(OldSelection);
    InvalidateBlock(GetSelection());
    InvalidateCell(OldCurrent.X, OldCurrent.Y);
    InvalidateCell(FCurrent.X, FCurrent.Y);
}

// ---- Options and look -------------------------------------------------------------------------

void TCustomGrid::SetOptions(TGridOptions Value)
{
    if (Value.Contains(goRowSelect))
        Value.Exclude(goAlwaysShowEditor);
    if (Value == FOptions)
        return;
    FOptions = Value;
    if (!FEditorMode) {
        if (FOptions.Contains(goAlwaysShowEditor))
            ShowEditor();
        else
            HideEditor();
    }
    if (FOptions.Contains(goRowSelect) && CurrentInGrid())
        MoveCurrent(FCurrent.X, FCurrent.Y, true, false);
    UpdateLineWidths();
    GeometryChanged();
}

void TCustomGrid::SetFixedColor(TColor Value)
{
    if (Value == FFixedColor)
        return;
    FFixedColor = Value;
    InvalidateGrid();
}

void TCustomGrid::SetDefaultDrawing(bool Value)
{
    if (Value == FDefaultDrawing)
        return;
    FDefaultDrawing = Value;
    InvalidateGrid();
}

void TCustomGrid::SetBorderStyle(TBorderStyle Value)
{
    if (Value == FBorderStyle)
        return;
    FBorderStyle = Value;
    RecreateWnd();
    GeometryChanged();
}

void TCustomGrid::CreateParams(TCreateParams& Params) const
{
    TCustomControl::CreateParams(Params);
    if (FBorderStyle == bsSingle)
        Params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomGrid::CreateWnd()
{
    TCustomControl::CreateWnd();
    FBars->Attach(Host()->Widget());
}

void TCustomGrid::DestroyWnd()
{
    FBars->Detach();
    TCustomControl::DestroyWnd();
}

bool TCustomGrid::IsActiveControl() const
{
    if (const TCustomForm* form = GetParentForm(this)) {
        const TWinControl* active = form->GetActiveControl();
        return active && (active == this || active == FInplaceEdit);
    }
    return Focused() || (FInplaceEdit && FInplaceEdit->Focused());
}

// ---- Editing ----------------------------------------------------------------------------------

std::string TCustomGrid::GetEditText(int, int)
{
    return {};
}

void TCustomGrid::SetEditText(int, int, const std::string&) {}

std::string TCustomGrid::GetEditMask(int, int)
{
    return {};
}

int TCustomGrid::GetEditLimit()
{
    return 0;
}

TInplaceEdit* TCustomGrid::CreateEditor()
{
    return new TInplaceEdit(this);
}

bool TCustomGrid::CanEditShow()
{
    return FOptions.Contains(goEditing) && !FOptions.Contains(goRowSelect) && FEditorMode && HandleAllocated() &&
           CurrentInGrid() && FCurrent.X >= GetFixedCols() && FCurrent.Y >= GetFixedRows() &&
           (FOptions.Contains(goAlwaysShowEditor) || IsActiveControl());
}

bool TCustomGrid::CanEditModify()
{
    return FCanEditModify;
}

bool TCustomGrid::CanEditAcceptKey(char32_t)
{
    return true;
}

void TCustomGrid::SetEditorMode(bool Value)
{
    if (!Value) {
        HideEditor();
        return;
    }
    ShowEditor();
    if (FInplaceEdit)
        FInplaceEdit->Deselect();
}

void TCustomGrid::ShowEditor()
{
    FEditorMode = true;
    UpdateEdit();
}

void TCustomGrid::HideEditor()
{
    const bool wasEditing = FEditorMode;
    FEditorMode = false;
    try {
        HideEdit();
    } catch (...) {
        FEditorMode = wasEditing;
        throw;
    }
}

void TCustomGrid::InvalidateEditor()
{
    FInplaceCol = -1;
    FInplaceRow = -1;
    UpdateEdit();
}

void TCustomGrid::UpdateEdit()
{
    if (!CanEditShow())
        return;
    if (!FInplaceEdit) {
        FInplaceEdit = CreateEditor();
        FInplaceEdit->SetGrid(this);
        FInplaceEdit->SetParent(this);
        UpdateEditor();
    } else if (FCurrent.X != FInplaceCol || FCurrent.Y != FInplaceRow) {
        const TControlRef<> alive(this);
        HideEdit();
        if (!alive)
            return;
        UpdateEditor();
    }
    if (CanEditShow())
        FInplaceEdit->Move(CellRect(FCurrent.X, FCurrent.Y));
}

void TCustomGrid::UpdateEditor()
{
    FInplaceCol = FCurrent.X;
    FInplaceRow = FCurrent.Y;
    FInplaceEdit->UpdateContents();
    FCanEditModify = GetEditLimit() != -1;
    FInplaceEdit->SetReadOnly(!CanEditModify());
    FInplaceEdit->SelectAll();
}

// The text is checked against the edit mask and goes to the cell before the editor hides: a
// check or a SetEditText that raises leaves the editor open with what was typed.
void TCustomGrid::HideEdit()
{
    if (!FInplaceEdit)
        return;
    if (FInplaceCol >= 0 && FInplaceEdit->GetVisible())
        FInplaceEdit->ValidateEdit();
    const TControlRef<> alive(this);
    UpdateText();
    if (!alive)
        return;
    const bool wasShown = FInplaceEdit->GetVisible();
    const int col = FInplaceCol;
    const int row = FInplaceRow;
    FInplaceCol = -1;
    FInplaceRow = -1;
    FInplaceEdit->Hide();
    if (wasShown)
        InvalidateCell(col, row);
}

void TCustomGrid::UpdateText()
{
    if (FInplaceEdit && FInplaceCol >= 0 && FInplaceRow >= 0)
        SetEditText(FInplaceCol, FInplaceRow, FInplaceEdit->GetText());
}

void TCustomGrid::ShowEditorChar(char32_t Ch)
{
    ShowEditor();
    if (FInplaceEdit && FInplaceEdit->GetVisible())
        PostMessage(FInplaceEdit, WM_CHAR, Ch, 0);
}

void TCustomGrid::DoExit()
{
    const TControlRef<> alive(this);
    if (FEditorMode) {
        if (FOptions.Contains(goAlwaysShowEditor))
            UpdateText();
        else
            HideEditor();
    }
    if (alive)
        TCustomControl::DoExit();
}

// ---- Keyboard ---------------------------------------------------------------------------------

void TCustomGrid::KeyDown(unsigned& Key, TShiftState Shift)
{
    const TControlRef<> alive(this);
    TCustomControl::KeyDown(Key, Shift);
    if (!alive || Key == 0)
        return;
    const bool rowSelect = FOptions.Contains(goRowSelect);
    const int pageHeight = std::max(GetVisibleRowCount() - 1, 1);
    const int pageWidth = std::max(GetVisibleColCount() - 1, 1);
    TGridCoord topLeft = FTopLeft;
    TGridCoord current = FCurrent;
    bool moveAnchor = !Shift.Contains(ssShift);
    if (Shift.Contains(ssCtrl)) {
        switch (Key) {
        case VK_UP: --topLeft.Y; break;
        case VK_DOWN: ++topLeft.Y; break;
        case VK_LEFT:
            if (!rowSelect)
                current.X -= pageWidth;
            topLeft.X -= pageWidth;
            break;
        case VK_RIGHT:
            if (!rowSelect)
                current.X += pageWidth;
            topLeft.X += pageWidth;
            break;
        case VK_PRIOR: current.Y = FTopLeft.Y; break;
        case VK_NEXT: current.Y = FTopLeft.Y + std::max(GetVisibleRowCount(), 1) - 1; break;
        case VK_HOME:
            current = {GetFixedCols(), GetFixedRows()};
            topLeft = current;
            break;
        case VK_END: current = {GetColCount() - 1, GetRowCount() - 1}; break;
        default: break;
        }
    } else {
        switch (Key) {
        case VK_UP: --current.Y; break;
        case VK_DOWN: ++current.Y; break;
        case VK_LEFT:
            if (rowSelect)
                --topLeft.X;
            else
                --current.X;
            break;
        case VK_RIGHT:
            if (rowSelect)
                ++topLeft.X;
            else
                ++current.X;
            break;
        case VK_NEXT:
            current.Y += pageHeight;
            topLeft.Y += pageHeight;
            break;
        case VK_PRIOR:
            current.Y -= pageHeight;
            topLeft.Y -= pageHeight;
            break;
        case VK_HOME:
            if (rowSelect)
                topLeft.X = GetFixedCols();
            else
                current.X = GetFixedCols();
            break;
        case VK_END:
            if (rowSelect)
                topLeft.X = MaxTopLeft().X;
            else
                current.X = GetColCount() - 1;
            break;
        case VK_TAB:
            if (!FOptions.Contains(goTabs) || Shift.Contains(ssAlt))
                break;
            moveAnchor = true;
            current.X = std::clamp(current.X, GetFixedCols(), GetColCount() - 1);
            current.Y = std::clamp(current.Y, GetFixedRows(), GetRowCount() - 1);
            if (Shift.Contains(ssShift) && --current.X < GetFixedCols()) {
                current.X = GetColCount() - 1;
                if (--current.Y < GetFixedRows())
                    current.Y = GetRowCount() - 1;
            } else if (!Shift.Contains(ssShift) && ++current.X >= GetColCount()) {
                current.X = GetFixedCols();
                if (++current.Y >= GetRowCount())
                    current.Y = GetFixedRows();
            }
            break;
        case VK_F2: SetEditorMode(true); return;
        default: break;
        }
    }
    if (topLeft.X != FTopLeft.X || topLeft.Y != FTopLeft.Y) {
        const TGridCoord maxTopLeft = MaxTopLeft();
        MoveTopLeft(std::clamp(topLeft.X, GetFixedCols(), maxTopLeft.X),
                    std::clamp(topLeft.Y, GetFixedRows(), maxTopLeft.Y));
    }
    current.X = std::clamp(current.X, GetFixedCols(), GetColCount() - 1);
    current.Y = std::clamp(current.Y, GetFixedRows(), GetRowCount() - 1);
    if (!alive || current == FCurrent)
        return;
    FocusCell(current.X, current.Y, moveAnchor);
}

void TCustomGrid::KeyPress(char32_t& Key)
{
    const TControlRef<> alive(this);
    TCustomControl::KeyPress(Key);
    if (!alive)
        return;
    if (!FOptions.Contains(goAlwaysShowEditor) && Key == U'\r') {
        if (FEditorMode)
            HideEditor();
        else
            ShowEditor();
        Key = 0;
    }
}

// ---- Mouse ------------------------------------------------------------------------------------

void TCustomGrid::CalcSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPosPx, int& SizingOfsPx)
{
    State = gsNormal;
    Index = -1;
    const TRect client = GetClientRect();
    auto findLine = [&](const TGridAxis& Axis, int First, int ExtentPx, int Pos) {
        const int lineWidthPx = Axis.GetLineWidthPx();
        const int rangePx = std::max(lineWidthPx, SizingZonePx);
        const int backPx = (rangePx - lineWidthPx) / 2;
        for (const VisibleLine& line : VisibleLines(Axis, First, ExtentPx)) {
            const int linePx = line.StartPx + line.SizePx;
            if (Pos >= linePx - backPx && Pos < linePx - backPx + rangePx) {
                Index = line.Index;
                SizingPosPx = linePx;
                SizingOfsPx = linePx - Pos;
                return true;
            }
        }
        return false;
    };
    if (FOptions.Contains(goColSizing) && Y >= 0 && Y < FRows.FixedExtentPx() &&
        findLine(FCols, FTopLeft.X, client.Width(), X)) {
        State = gsColSizing;
        return;
    }
    if (FOptions.Contains(goRowSizing) && X >= 0 && X < FCols.FixedExtentPx() &&
        findLine(FRows, FTopLeft.Y, client.Height(), Y))
        State = gsRowSizing;
}

void TCustomGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    const TControlRef<> alive(this);
    if (CanFocus()) {
        SetFocus();
        if (!alive)
            return;
        if (!IsActiveControl()) {
            SetMouseCapture(false);
            return;
        }
    }
    if (Button == mbLeft && !Shift.Contains(ssDouble) && !FTracker->Press(Shift, X, Y))
        return;
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomGrid::MouseMove(TShiftState Shift, int X, int Y)
{
    if (FTracker->Move(X, Y))
        TCustomControl::MouseMove(Shift, X, Y);
}

void TCustomGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    const TControlRef<> alive(this);
    if (!FTracker->Release(X, Y))
        return;
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (alive)
        FTracker->Finish();
}

TGridState TCustomGrid::GetGridState() const
{
    return FTracker->GetState();
}

void TCustomGrid::SetGridState(TGridState Value)
{
    FTracker->SetState(Value);
}

bool TCustomGrid::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos)
{
    const TControlRef<> alive(this);
    if (TCustomControl::DoMouseWheel(Shift, WheelDelta, MousePos))
        return true;
    FWheelAccumulator += WheelDelta;
    while (std::abs(FWheelAccumulator) >= static_cast<int>(WHEEL_DELTA) && alive) {
        if (FWheelAccumulator < 0) {
            FWheelAccumulator += WHEEL_DELTA;
            DoMouseWheelDown(Shift, MousePos);
        } else {
            FWheelAccumulator -= WHEEL_DELTA;
            DoMouseWheelUp(Shift, MousePos);
        }
    }
    return true;
}

bool TCustomGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos)
{
    bool handled = false;
    if (OnMouseWheelDown)
        OnMouseWheelDown(this, Shift, MousePos, handled);
    if (!handled && CurrentInGrid() && FCurrent.Y < GetRowCount() - 1)
        SetRow(FCurrent.Y + 1);
    return true;
}

bool TCustomGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos)
{
    bool handled = false;
    if (OnMouseWheelUp)
        OnMouseWheelUp(this, Shift, MousePos, handled);
    if (!handled && CurrentInGrid() && FCurrent.Y > GetFixedRows())
        SetRow(FCurrent.Y - 1);
    return true;
}

// ---- Painting ---------------------------------------------------------------------------------

void TCustomGrid::Paint()
{
    TCanvas& canvas = Canvas();
    const TRect client = GetClientRect();
    const TRect clip = IntersectedRect(canvas.GetClipRect(), client);
    if (clip.IsEmpty())
        return;
    const std::vector<VisibleLine> cols = VisibleLines(FCols, FTopLeft.X, client.Width());
    const std::vector<VisibleLine> rows = VisibleLines(FRows, FTopLeft.Y, client.Height());
    const bool active = IsActiveControl();
    const TGridRect selection = GetSelection();
    const int colLinePx = FCols.GetLineWidthPx();
    const int rowLinePx = FRows.GetLineWidthPx();
    for (const VisibleLine& row : rows) {
        if (row.StartPx >= clip.Bottom || row.StartPx + row.SizePx + rowLinePx <= clip.Top)
            continue;
        for (const VisibleLine& col : cols)
            if (col.StartPx < clip.Right && col.StartPx + col.SizePx + colLinePx > clip.Left)
                PaintCell(col, row, active, selection);
    }
    const int rightPx = cols.empty() ? 0 : std::min(cols.back().StartPx + cols.back().SizePx + colLinePx, client.Right);
    const int bottomPx =
        rows.empty() ? 0 : std::min(rows.back().StartPx + rows.back().SizePx + rowLinePx, client.Bottom);
    canvas.Brush().SetColor(GetColor());
    canvas.Brush().SetStyle(bsSolid);
    if (rightPx < client.Right)
        canvas.FillRect(Rect(rightPx, 0, client.Right, client.Bottom));
    if (bottomPx < client.Bottom)
        canvas.FillRect(Rect(0, bottomPx, rightPx, client.Bottom));
    FTracker->Paint(canvas);
}

void TCustomGrid::PaintCell(const VisibleLine& Col, const VisibleLine& Row, bool Active, const TGridRect& Selection)
{
    TCanvas& canvas = Canvas();
    const TRect where = Rect(Col.StartPx, Row.StartPx, Col.StartPx + Col.SizePx, Row.StartPx + Row.SizePx);
    const bool fixed = Col.Index < GetFixedCols() || Row.Index < GetFixedRows();
    TGridDrawState state;
    if (fixed) {
        state.Include(gdFixed);
    } else {
        if (Active && Col.Index == FCurrent.X && Row.Index == FCurrent.Y)
            state.Include(gdFocused);
        if (Selection.Contains(Col.Index, Row.Index))
            state.Include(gdSelected);
    }
    const TColor background = fixed ? FFixedColor : GetColor();
    // The editor covers the cell it edits.
    const bool covered = state.Contains(gdFocused) && FOptions.Contains(goEditing) && FEditorMode && FInplaceEdit &&
                         FInplaceEdit->GetVisible();
    if (!covered) {
        if (FDefaultDrawing) {
            canvas.Font().Assign(Font());
            TColor fill = background;
            if (state.Contains(gdSelected) && (!state.Contains(gdFocused) || FOptions.Contains(goDrawFocusSelected) ||
                                               FOptions.Contains(goRowSelect))) {
                fill = clHighlight;
                canvas.Font().SetColor(clHighlightText);
            }
            canvas.Brush().SetColor(fill);
            canvas.Brush().SetStyle(bsSolid);
            canvas.FillRect(where);
        }
        DrawCell(Col.Index, Row.Index, where, state);
        if (FDefaultDrawing && fixed) {
            const unsigned edges = (FOptions.Contains(goFixedVertLine) ? BF_LEFT | BF_RIGHT : 0u) |
                                   (FOptions.Contains(goFixedHorzLine) ? BF_TOP | BF_BOTTOM : 0u);
            TRect edge = where;
            if (edges != 0)
                canvas.DrawEdge(edge, BDR_RAISEDINNER, edges);
        }
        if (FDefaultDrawing && state.Contains(gdFocused) && !FOptions.Contains(goRowSelect) &&
            !(FOptions.Contains(goEditing) && FOptions.Contains(goAlwaysShowEditor)))
            canvas.DrawFocusRect(where);
    }
    PaintLines(Col, Row, fixed, background);
}

void TCustomGrid::PaintLines(const VisibleLine& Col, const VisibleLine& Row, bool Fixed, TColor Background)
{
    const int colLinePx = FCols.GetLineWidthPx();
    const int rowLinePx = FRows.GetLineWidthPx();
    if (colLinePx == 0 && rowLinePx == 0)
        return;
    TCanvas& canvas = Canvas();
    const TColor lineColor = Fixed ? clBlack : clSilver;
    const bool vertLine = FOptions.Contains(Fixed ? goFixedVertLine : goVertLine);
    const bool horzLine = FOptions.Contains(Fixed ? goFixedHorzLine : goHorzLine);
    const int rightPx = Col.StartPx + Col.SizePx;
    const int bottomPx = Row.StartPx + Row.SizePx;
    canvas.Brush().SetStyle(bsSolid);
    if (colLinePx > 0) {
        canvas.Brush().SetColor(vertLine ? lineColor : Background);
        canvas.FillRect(Rect(rightPx, Row.StartPx, rightPx + colLinePx, bottomPx + rowLinePx));
    }
    if (rowLinePx > 0) {
        canvas.Brush().SetColor(horzLine ? lineColor : Background);
        canvas.FillRect(Rect(Col.StartPx, bottomPx, rightPx, bottomPx + rowLinePx));
    }
}

// ---- Messages ---------------------------------------------------------------------------------

void TCustomGrid::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_GETDLGCODE: {
        unsigned code = DLGC_WANTARROWS;
        if (!FOptions.Contains(goRowSelect)) {
            if (FOptions.Contains(goTabs))
                code |= DLGC_WANTTAB;
            if (FOptions.Contains(goEditing))
                code |= DLGC_WANTCHARS;
        }
        Message.Result = code;
        return;
    }
    case WM_SIZE:
        TCustomControl::Dispatch(Message);
        GeometryChanged();
        return;
    case WM_HSCROLL:
    case WM_VSCROLL:
        ModifyScrollBar(Message.Msg == WM_VSCROLL ? SB_VERT : SB_HORZ, LOWORD(Message.WParam),
                        static_cast<std::int16_t>(HIWORD(Message.WParam)));
        Message.Result = 0;
        return;
    case WM_TIMER:
        if (TWMTimer(Message).TimerID() == ScrollTimerId) {
            FTracker->ScrollTick();
            return;
        }
        break;
    case WM_SETCURSOR: {
        const TGridState state = FTracker->CursorState();
        if ((state == gsColSizing || state == gsRowSizing) && Host()) {
            Host()->SetCursor(state == gsColSizing ? crHSplit : crVSplit);
            Message.Result = 1;
            return;
        }
        break;
    }
    case WM_SETFOCUS:
        TCustomControl::Dispatch(Message);
        // The focus coming back from the editor as it hides must not show it again.
        if (!FInplaceEdit || TWMSetFocus(Message).FocusedWnd() != FInplaceEdit) {
            InvalidateBlock(GetSelection());
            UpdateEdit();
        }
        return;
    case WM_KILLFOCUS:
        TCustomControl::Dispatch(Message);
        InvalidateBlock(GetSelection());
        if (FInplaceEdit && TWMKillFocus(Message).FocusedWnd() != FInplaceEdit)
            FInplaceEdit->Hide();
        return;
    case WM_CHAR: {
        const auto ch = static_cast<char32_t>(Message.WParam);
        if (FOptions.Contains(goEditing) && (ch == U'\b' || (ch >= U' ' && ch != 0x7F))) {
            ShowEditorChar(ch);
            if (FInplaceEdit && FInplaceEdit->GetVisible())
                return;
        }
        break;
    }
    case WM_CANCELMODE:
        FTracker->Cancel();
        break;
    default: break;
    }
    TCustomControl::Dispatch(Message);
}

}  // namespace plat
