#include "grid/cells/TMergedCells.h"

#include "grid/cells/TCellGridHost.h"
#include "grid/cells/TCellProperties.h"

#include <algorithm>
#include <limits>

namespace skelda::grid {

namespace {

int FirstLine(const plat::TGridRect& Block, TLineAxis Axis)
{
    return Axis == TLineAxis::Rows ? Block.Top : Block.Left;
}

int LastLine(const plat::TGridRect& Block, TLineAxis Axis)
{
    return Axis == TLineAxis::Rows ? Block.Bottom : Block.Right;
}

// The lines that shift by one when line From moves to To.
void ShiftedLines(int From, int To, int& First, int& Last)
{
    First = From < To ? From + 1 : To;
    Last = From < To ? To : From - 1;
}

bool InBlock(const TCellProperties& Record)
{
    return !Record.GetIsBaseCell() || Record.GetCellSpanX() != -1 || Record.GetCellSpanY() != -1;
}

}  // namespace

std::uint64_t TMergedCells::Key(int ACol, int ARow)
{
    return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(ARow)) << 32) | static_cast<std::uint32_t>(ACol);
}

TCellProperties* TMergedCells::Record(int ACol, int ARow) const
{
    if (ACol < 0 || ARow < 0 || ACol >= FHost.RecordColCount() || ARow >= FHost.RecordRowCount())
        return nullptr;
    return FHost.FindCellProperties(ACol, ARow);
}

TCellProperties* TMergedCells::BlockBase(int ACol, int ARow, plat::TPoint& Base) const
{
    const TCellProperties* Own = Record(ACol, ARow);
    if (!Own || !InBlock(*Own))
        return nullptr;
    Base = Own->GetBaseCell(ACol, ARow);
    TCellProperties* BaseRecord = Record(Base.X, Base.Y);
    // A record whose base no longer holds the block (freed or rewritten) counts as unmerged.
    if (!BaseRecord || !BaseRecord->GetIsBaseCell() || BaseRecord->GetCellSpanX() < 0 || BaseRecord->GetCellSpanY() < 0)
        return nullptr;
    if (ACol > Base.X + BaseRecord->GetCellSpanX() || ARow > Base.Y + BaseRecord->GetCellSpanY())
        return nullptr;
    return BaseRecord;
}

bool TMergedCells::MergeCells(int ACol, int ARow, int SpanX, int SpanY)
{
    const int Cols = FHost.RecordColCount();
    const int Rows = FHost.RecordRowCount();
    if (SpanX < 1 || SpanY < 1 || ACol < 0 || ARow < 0 || ACol >= Cols || ARow >= Rows)
        return false;
    SpanX = std::min(SpanX, Cols - ACol);
    SpanY = std::min(SpanY, Rows - ARow);
    const plat::TGridRect Block{ACol, ARow, ACol + SpanX - 1, ARow + SpanY - 1};

    for (int I = Block.Left; I <= Block.Right; ++I)
        for (int J = Block.Top; J <= Block.Bottom; ++J) {
            plat::TPoint Base;
            if (const TCellProperties* BaseRecord = BlockBase(I, J, Base))
                SplitBlock(Base, *BaseRecord);
        }

    ++FMergeCount;
    for (int I = Block.Left; I <= Block.Right; ++I)
        for (int J = Block.Top; J <= Block.Bottom; ++J) {
            TCellProperties& Cell = FHost.GetCellProperties(I, J);
            const bool IsBase = I == ACol && J == ARow;
            Cell.SetIsBaseCell(IsBase);
            Cell.SetCellSpanX(IsBase ? SpanX - 1 : I - ACol);
            Cell.SetCellSpanY(IsBase ? SpanY - 1 : J - ARow);
        }
    FBlocks[Key(ACol, ARow)] = Block;
    RepaintBlock(Block);
    return true;
}

bool TMergedCells::SplitCells(int ACol, int ARow)
{
    plat::TPoint Base;
    const TCellProperties* BaseRecord = BlockBase(ACol, ARow, Base);
    if (!BaseRecord)
        return false;
    SplitBlock(Base, *BaseRecord);
    return true;
}

void TMergedCells::SplitBlock(plat::TPoint Base, const TCellProperties& BaseRecord)
{
    const plat::TGridRect Block{Base.X, Base.Y,
                                std::min(Base.X + BaseRecord.GetCellSpanX(), FHost.RecordColCount() - 1),
                                std::min(Base.Y + BaseRecord.GetCellSpanY(), FHost.RecordRowCount() - 1)};
    for (int I = Block.Left; I <= Block.Right; ++I)
        for (int J = Block.Top; J <= Block.Bottom; ++J) {
            TCellProperties* Cell = Record(I, J);
            // Only cells that still point at this base: a damaged block never spoils its neighbours.
            if (!Cell || !InBlock(*Cell) || !(Cell->GetBaseCell(I, J) == Base))
                continue;
            Cell->SetIsBaseCell(true);
            Cell->SetCellSpanX(-1);
            Cell->SetCellSpanY(-1);
        }
    FBlocks.erase(Key(Base.X, Base.Y));
    RepaintBlock(Block);
    --FMergeCount;
}

void TMergedCells::RepaintBlock(const plat::TGridRect& Block)
{
    for (int I = Block.Left; I <= Block.Right; ++I)
        for (int J = Block.Top; J <= Block.Bottom; ++J)
            FHost.RepaintCell(I, J);
}

plat::TPoint TMergedCells::BaseCell(int ACol, int ARow) const
{
    plat::TPoint Base;
    if (BlockBase(ACol, ARow, Base))
        return Base;
    return {ACol, ARow};
}

bool TMergedCells::FindBaseCell(int ACol, int ARow, int& BaseCol, int& BaseRow) const
{
    const plat::TPoint Base = BaseCell(ACol, ARow);
    BaseCol = Base.X;
    BaseRow = Base.Y;
    return Base.X == ACol && Base.Y == ARow;
}

bool TMergedCells::IsBaseCell(int ACol, int ARow) const
{
    plat::TPoint Base;
    return !BlockBase(ACol, ARow, Base) || (Base.X == ACol && Base.Y == ARow);
}

bool TMergedCells::IsMergedCell(int ACol, int ARow) const
{
    const plat::TPoint Span = CellSpan(ACol, ARow);
    return Span.X > 0 || Span.Y > 0;
}

bool TMergedCells::IsMergedNonBaseCell(int ACol, int ARow) const
{
    return IsMergedCell(ACol, ARow) && !IsBaseCell(ACol, ARow);
}

bool TMergedCells::IsXMergedCell(int ACol, int ARow) const
{
    return CellSpan(ACol, ARow).X > 0;
}

bool TMergedCells::IsYMergedCell(int ACol, int ARow) const
{
    return CellSpan(ACol, ARow).Y > 0;
}

plat::TPoint TMergedCells::CellSpan(int ACol, int ARow) const
{
    plat::TPoint Base;
    if (const TCellProperties* BaseRecord = BlockBase(ACol, ARow, Base))
        return {BaseRecord->GetCellSpanX(), BaseRecord->GetCellSpanY()};
    return {0, 0};
}

plat::TPoint TMergedCells::CellExt(int ACol, int ARow) const
{
    plat::TPoint Base;
    if (const TCellProperties* BaseRecord = BlockBase(ACol, ARow, Base))
        return {Base.X + BaseRecord->GetCellSpanX() - ACol, Base.Y + BaseRecord->GetCellSpanY() - ARow};
    return {0, 0};
}

plat::TGridRect TMergedCells::FullCell(int ACol, int ARow) const
{
    const plat::TPoint Base = BaseCell(ACol, ARow);
    const plat::TPoint Span = CellSpan(ACol, ARow);
    return {Base.X, Base.Y, Base.X + Span.X, Base.Y + Span.Y};
}

int TMergedCells::MinRowSpan(int ARow) const
{
    int Result = std::numeric_limits<int>::max();
    for (int C = 0; C < FHost.RecordColCount(); ++C) {
        const int SpanY = CellSpan(C, ARow).Y;
        if (SpanY > 0)
            Result = std::min(Result, SpanY);
    }
    return Result == std::numeric_limits<int>::max() ? FHost.RecordRowCount() : Result;
}

int TMergedCells::MaxRowSpan(int ARow) const
{
    int Result = 0;
    for (int C = 0; C < FHost.RecordColCount(); ++C)
        Result = std::max(Result, CellSpan(C, ARow).Y);
    return Result;
}

bool TMergedCells::RowSpanIdentical(int ARow1, int ARow2) const
{
    bool Found = false;
    for (int C = 0; C < FHost.RecordColCount(); ++C) {
        if (!IsYMergedCell(C, ARow1) || !IsYMergedCell(C, ARow2))
            continue;
        if (BaseCell(C, ARow1).Y != BaseCell(C, ARow2).Y)
            return false;
        Found = true;
    }
    return Found;
}

bool TMergedCells::ColSpanIdentical(int ACol1, int ACol2) const
{
    bool Found = false;
    for (int R = 0; R < FHost.RecordRowCount(); ++R) {
        const int Span1 = CellSpan(ACol1, R).X;
        const int Span2 = CellSpan(ACol2, R).X;
        if (Span1 <= 0 || Span2 <= 0) {
            if (Span1 != Span2)
                return false;
            continue;
        }
        if (BaseCell(ACol1, R).X != BaseCell(ACol2, R).X)
            return false;
        Found = true;
    }
    return Found;
}

std::vector<plat::TGridRect> TMergedCells::Blocks() const
{
    std::vector<plat::TGridRect> Result;
    Result.reserve(FBlocks.size());
    for (const auto& Entry : FBlocks)
        Result.push_back(Entry.second);
    return Result;
}

void TMergedCells::RecordFreed(int ACol, int ARow, const TCellProperties& Record)
{
    // The block goes with its base; its other cells would otherwise point at nothing.
    if (Record.GetIsBaseCell() && Record.GetCellSpanX() >= 0 && Record.GetCellSpanY() >= 0 &&
        FHost.FindCellProperties(ACol, ARow) == &Record)
        SplitBlock({ACol, ARow}, Record);
}

void TMergedCells::Clear()
{
    FBlocks.clear();
}

template <typename Pred>
void TMergedCells::SplitBlocksWhere(Pred ShouldSplit)
{
    for (const plat::TGridRect& Block : Blocks()) {
        if (!ShouldSplit(Block))
            continue;
        plat::TPoint Base;
        if (const TCellProperties* BaseRecord = BlockBase(Block.Left, Block.Top, Base))
            SplitBlock(Base, *BaseRecord);
        else
            FBlocks.erase(Key(Block.Left, Block.Top));
    }
}

void TMergedCells::ShiftBlocks(TLineAxis Axis, int First, int Last, int Delta)
{
    std::map<std::uint64_t, plat::TGridRect> Shifted;
    for (auto It = FBlocks.begin(); It != FBlocks.end();) {
        plat::TGridRect Block = It->second;
        if (FirstLine(Block, Axis) < First || LastLine(Block, Axis) > Last) {
            ++It;
            continue;
        }
        if (Axis == TLineAxis::Rows) {
            Block.Top += Delta;
            Block.Bottom += Delta;
        } else {
            Block.Left += Delta;
            Block.Right += Delta;
        }
        Shifted[Key(Block.Left, Block.Top)] = Block;
        It = FBlocks.erase(It);
    }
    FBlocks.merge(Shifted);
}

void TMergedCells::LineMoving(TLineAxis Axis, int From, int To)
{
    if (From == To)
        return;
    int First = 0, Last = 0;
    ShiftedLines(From, To, First, Last);
    const int Low = std::min(From, To);
    const int High = std::max(From, To);
    SplitBlocksWhere([&](const plat::TGridRect& Block) {
        const int BlockFirst = FirstLine(Block, Axis);
        const int BlockLast = LastLine(Block, Axis);
        const bool Touched = BlockLast >= Low && BlockFirst <= High;
        const bool OnlyShifts = BlockFirst >= First && BlockLast <= Last;
        return Touched && !OnlyShifts;
    });
}

void TMergedCells::LineMoved(TLineAxis Axis, int From, int To)
{
    if (From == To)
        return;
    int First = 0, Last = 0;
    ShiftedLines(From, To, First, Last);
    ShiftBlocks(Axis, First, Last, From < To ? -1 : 1);
}

void TMergedCells::LineDeleting(TLineAxis Axis, int Index)
{
    SplitBlocksWhere([&](const plat::TGridRect& Block) {
        return FirstLine(Block, Axis) <= Index && LastLine(Block, Axis) >= Index;
    });
}

void TMergedCells::LineDeleted(TLineAxis Axis, int Index)
{
    ShiftBlocks(Axis, Index + 1, std::numeric_limits<int>::max(), -1);
}

void TMergedCells::CountsShrinking(int NewColCount, int NewRowCount)
{
    const auto PastCounts = [&](const plat::TGridRect& Block) {
        return Block.Right >= NewColCount || Block.Bottom >= NewRowCount;
    };
    std::vector<plat::TGridRect> Cut;
    for (const plat::TGridRect& Block : Blocks())
        if (PastCounts(Block))
            Cut.push_back(Block);
    SplitBlocksWhere(PastCounts);
    for (const plat::TGridRect& Block : Cut) {
        const int SpanX = std::min(Block.Right, NewColCount - 1) - Block.Left + 1;
        const int SpanY = std::min(Block.Bottom, NewRowCount - 1) - Block.Top + 1;
        if (SpanX > 0 && SpanY > 0 && SpanX * SpanY > 1)
            MergeCells(Block.Left, Block.Top, SpanX, SpanY);
    }
}

}  // namespace skelda::grid
