// The string grid's row primitives behind hidden rows (and, later, removal): display rows out
// into parked items and parked items back in, each one pass over the rows and every list kept
// in step with them; and the settings of hidden lines the grid keeps itself.

#include "grid/model/TVezEzuzorEvad.h"

#include "grid/model/TVezEzuzorEvadState.h"
#include "grid/model/hidden/TIndexMap.h"
#include "grid/support/TGridItem.h"
#include "grid/support/TIntList.h"
#include "platform/core/ChangeValue.h"
#include "platform/core/ScopedRestore.h"
#include "platform/grids/TGridRow.h"

#include <algorithm>
#include <cstddef>

namespace skelda::grid {

namespace {

int CountBelow(std::span<const int> ASortedRows, int ARow)
{
    return static_cast<int>(std::lower_bound(ASortedRows.begin(), ASortedRows.end(), ARow) - ASortedRows.begin());
}

bool RowsOfBlockReturn(std::span<const int> AFinalRows, const std::vector<std::unique_ptr<TGridItem>>& AItems,
                       std::size_t ABase, int ARows)
{
    for (int J = 1; J < ARows; ++J) {
        const std::size_t K = ABase + static_cast<std::size_t>(J);
        if (K >= AItems.size() || AFinalRows[K] != AFinalRows[ABase] + J || AItems[K]->GetIdx() != AItems[ABase]->GetIdx() + J)
            return false;
    }
    return true;
}

}  // namespace

// A merged block never covers a line it does not hold: one holding rows that go and rows that
// stay is split; one wholly among the rows that go is parked with its base row, to be merged
// again when all its rows come back together; one below moves up with its rows.
std::vector<std::unique_ptr<TGridItem>> TVezEzuzorEvad::TakeRowsOut(std::span<const int> ASortedRows)
{
    std::vector<std::unique_ptr<TGridItem>> Items;
    if (ASortedRows.empty())
        return Items;
    const plat::TScopedRestore Shifting(FState->RowsShifting, true);
    std::vector<std::pair<std::size_t, TGridItem::TParkedBlock>> Parked;
    std::vector<plat::TGridRect> Moving;
    if (GetMergeCount() > 0)
        for (const plat::TGridRect& Block : MergedCells().Blocks()) {
            if (Block.Bottom < ASortedRows.front())
                continue;
            const int Rows = Block.Bottom - Block.Top + 1;
            const int Going = CountBelow(ASortedRows, Block.Bottom + 1) - CountBelow(ASortedRows, Block.Top);
            if (Going == Rows)
                Parked.push_back({static_cast<std::size_t>(CountBelow(ASortedRows, Block.Top)),
                                  {Block.Left, Block.Right - Block.Left + 1, Rows}});
            else if (Going == 0)
                Moving.push_back(Block);
            SplitCells(Block.Left, Block.Top);
        }
    std::vector<int> HeightsPx;
    for (int Row : ASortedRows)
        HeightsPx.push_back(GetRowHeights(Row));
    const std::vector<int> Selected = FSelection->TakeRowFlags(ASortedRows);
    const TRowMarks::TMarks Marks = FRowMarks->TakeRows(ASortedRows);
    std::vector<std::unique_ptr<plat::TGridRow>> Rows = TakeRows(ASortedRows);
    for (std::size_t I = 0; I < Rows.size(); ++I) {
        Items.push_back(std::make_unique<TGridItem>(std::move(Rows[I])));
        TGridItem& Item = *Items.back();
        Item.SetHeight(HeightsPx[I]);
        Item.Selected = Selected[I] != 0;
        Item.Modified = Marks.Modified[I] != 0;
        Item.Disabled = Marks.Disabled[I] != 0;
    }
    for (const auto& [At, Block] : Parked)
        Items[At]->Blocks.push_back(Block);
    for (const plat::TGridRect& Block : Moving)
        MergeCells(Block.Left, Block.Top - CountBelow(ASortedRows, Block.Top), Block.Right - Block.Left + 1,
                   Block.Bottom - Block.Top + 1);
    FHidden->RowsLeft();
    CellsChanged({0, ASortedRows.front(), GetColCount() - 1, ASortedRows.back()});
    return Items;
}

void TVezEzuzorEvad::PutRowsBack(std::span<const int> AFinalRows, std::vector<std::unique_ptr<TGridItem>> AItems)
{
    if (AFinalRows.empty())
        return;
    FHidden->RowsComing();
    const plat::TScopedRestore Shifting(FState->RowsShifting, true);
    // Blocks the arriving rows would cut are split; the others move down with their rows.
    std::vector<plat::TGridRect> Moving;
    if (GetMergeCount() > 0)
        for (const plat::TGridRect& Block : MergedCells().Blocks()) {
            const int Top = RealIndexOf(AFinalRows, Block.Top);
            const int Bottom = RealIndexOf(AFinalRows, Block.Bottom);
            if (Top == Block.Top && Bottom == Block.Bottom)
                continue;
            SplitCells(Block.Left, Block.Top);
            if (Bottom - Top == Block.Bottom - Block.Top)
                Moving.push_back({Block.Left, Top, Block.Right, Bottom});
        }
    std::vector<std::unique_ptr<plat::TGridRow>> Rows;
    std::vector<int> HeightsPx;
    std::vector<int> Selected;
    TRowMarks::TMarks Marks;
    for (const std::unique_ptr<TGridItem>& Item : AItems) {
        Rows.push_back(Item->TakeRow());
        HeightsPx.push_back(Item->GetHeight());
        Selected.push_back(Item->Selected ? 1 : 0);
        Marks.Modified.push_back(Item->Modified ? 1 : 0);
        Marks.Disabled.push_back(Item->Disabled ? 1 : 0);
    }
    FSelection->PutRowFlags(AFinalRows, Selected);
    FRowMarks->PutRows(AFinalRows, std::move(Marks));
    PutRows(AFinalRows, std::move(Rows), HeightsPx);
    for (const plat::TGridRect& Block : Moving)
        MergeCells(Block.Left, Block.Top, Block.Right - Block.Left + 1, Block.Bottom - Block.Top + 1);
    for (std::size_t K = 0; K < AItems.size(); ++K)
        for (const TGridItem::TParkedBlock& Block : AItems[K]->Blocks)
            if (RowsOfBlockReturn(AFinalRows, AItems, K, Block.Rows))
                MergeCells(Block.Col, AFinalRows[K], Block.Cols, Block.Rows);
    CellsChanged({0, AFinalRows.front(), GetColCount() - 1, AFinalRows.back()});
}

bool TVezEzuzorEvad::IsIgnoredColumn(int ACol) const
{
    return FState->IgnoreColumns->HasValue(ACol);
}

bool TVezEzuzorEvad::GetUseEnabledRows() const
{
    return FState->UseEnabledRows;
}

void TVezEzuzorEvad::SetUseEnabledRows(bool Value)
{
    if (plat::ChangeValue(FState->UseEnabledRows, Value))
        Invalidate();
}

}  // namespace skelda::grid
