#include "grid/model/hidden/THiddenRows.h"

#include "grid/model/hidden/TIndexMap.h"
#include "grid/support/TGridItem.h"

#include <algorithm>
#include <cstddef>

namespace skelda::grid {

THiddenRows::THiddenRows() = default;
THiddenRows::~THiddenRows() = default;

bool THiddenRows::Contains(int ARealRow) const
{
    return IsHiddenIndex(FRows, ARealRow);
}

int THiddenRows::RealRowIndex(int ADisplRow) const
{
    return RealIndexOf(FRows, ADisplRow);
}

int THiddenRows::DisplRowIndex(int ARealRow) const
{
    return DisplIndexOf(FRows, ARealRow);
}

TGridItem* THiddenRows::Find(int ARealRow) const
{
    const auto At = std::lower_bound(FRows.begin(), FRows.end(), ARealRow);
    if (At == FRows.end() || *At != ARealRow)
        return nullptr;
    TGridItem* Item = FItems[static_cast<std::size_t>(At - FRows.begin())].get();
    Item->SetIdx(ARealRow);
    return Item;
}

const TGridItem& THiddenRows::Item(int AIndex) const
{
    const auto At = static_cast<std::size_t>(AIndex);
    FItems[At]->SetIdx(FRows[At]);
    return *FItems[At];
}

void THiddenRows::Add(std::span<const int> ARealRows, std::vector<std::unique_ptr<TGridItem>> AItems)
{
    std::vector<int> Rows;
    std::vector<std::unique_ptr<TGridItem>> Items;
    Rows.reserve(FRows.size() + ARealRows.size());
    Items.reserve(Rows.capacity());
    std::size_t Old = 0;
    std::size_t New = 0;
    while (Old < FRows.size() || New < ARealRows.size()) {
        if (New == ARealRows.size() || (Old < FRows.size() && FRows[Old] < ARealRows[New])) {
            Rows.push_back(FRows[Old]);
            Items.push_back(std::move(FItems[Old++]));
        } else {
            AItems[New]->SetIdx(ARealRows[New]);
            Rows.push_back(ARealRows[New]);
            Items.push_back(std::move(AItems[New++]));
        }
    }
    FRows = std::move(Rows);
    FItems = std::move(Items);
}

THiddenRows::TReturning THiddenRows::TakeWhere(const std::function<bool(const TGridItem&)>& AShouldReturn)
{
    TReturning Result;
    std::size_t Write = 0;
    for (std::size_t Read = 0; Read < FRows.size(); ++Read) {
        FItems[Read]->SetIdx(FRows[Read]);
        if (AShouldReturn(*FItems[Read])) {
            // The rows still hidden before it are those kept so far.
            Result.DisplRows.push_back(FRows[Read] - static_cast<int>(Write));
            Result.Items.push_back(std::move(FItems[Read]));
            continue;
        }
        FRows[Write] = FRows[Read];
        FItems[Write++] = std::move(FItems[Read]);
    }
    FRows.resize(Write);
    FItems.resize(Write);
    return Result;
}

void THiddenRows::Clear()
{
    FRows.clear();
    FItems.clear();
}

void THiddenRows::RowsInserted(int ARealRow, int ACount)
{
    const auto First = std::lower_bound(FRows.begin(), FRows.end(), ARealRow) - FRows.begin();
    for (auto I = static_cast<std::size_t>(First); I < FRows.size(); ++I)
        FRows[I] += ACount;
}

void THiddenRows::RowsRemoved(std::span<const int> ARealRows)
{
    if (ARealRows.empty())
        return;
    // Hidden rows before the first removed one stay as they are; after it, one walk along both
    // ascending lists.
    auto Write = static_cast<std::size_t>(std::lower_bound(FRows.begin(), FRows.end(), ARealRows.front()) - FRows.begin());
    auto Removed = ARealRows.begin();
    for (std::size_t Read = Write; Read < FRows.size(); ++Read) {
        const int Row = FRows[Read];
        while (Removed != ARealRows.end() && *Removed < Row)
            ++Removed;
        if (Removed != ARealRows.end() && *Removed == Row)
            continue;
        FRows[Write] = Row - static_cast<int>(Removed - ARealRows.begin());
        if (Write != Read)
            FItems[Write] = std::move(FItems[Read]);
        ++Write;
    }
    FRows.resize(Write);
    FItems.resize(Write);
}

void THiddenRows::ColumnsInserted(int ARealCol, int ACount)
{
    for (const std::unique_ptr<TGridItem>& Item : FItems)
        Item->InsertCells(ARealCol, ACount);
}

void THiddenRows::ColumnsRemoved(int ARealCol, int ACount)
{
    for (const std::unique_ptr<TGridItem>& Item : FItems)
        Item->DeleteCells(ARealCol, ACount);
}

void THiddenRows::ClearCells()
{
    for (const std::unique_ptr<TGridItem>& Item : FItems)
        Item->ClearCells();
}

void THiddenRows::ColumnMoved(int AFrom, int ATo)
{
    for (const std::unique_ptr<TGridItem>& Item : FItems)
        Item->MoveCell(AFrom, ATo);
}

}  // namespace skelda::grid
