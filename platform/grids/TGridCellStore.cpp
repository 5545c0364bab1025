#include "platform/grids/TGridCellStore.h"

#include "platform/grids/BatchLines.h"
#include "platform/grids/EInvalidGridOperation.h"
#include "platform/grids/GridLimits.h"

#include <algorithm>
#include <cstddef>

namespace plat {

namespace {

const std::string EmptyText;

}  // namespace

TGridCellStore::TGridCellStore() = default;
TGridCellStore::~TGridCellStore() = default;

void TGridCellStore::CheckRow(int ARow) const
{
    CheckGridIndex(ARow, std::max(MaxGridRows, RowExtent()));
}

void TGridCellStore::CheckCol(int ACol) const
{
    CheckGridIndex(ACol, std::max(MaxGridCols, FColExtent));
}

const std::string& TGridCellStore::GetText(int ACol, int ARow) const
{
    CheckCol(ACol);
    const TGridRow* row = FindRow(ARow);
    const TGridCell* cell = row ? row->Find(ACol) : nullptr;
    return cell ? cell->Text : EmptyText;
}

TObject* TGridCellStore::GetObject(int ACol, int ARow) const
{
    CheckCol(ACol);
    const TGridRow* row = FindRow(ARow);
    const TGridCell* cell = row ? row->Find(ACol) : nullptr;
    return cell ? cell->Object : nullptr;
}

void TGridCellStore::SetText(int ACol, int ARow, std::string AText)
{
    CheckCol(ACol);
    CheckRow(ARow);
    if (AText.empty() && GetText(ACol, ARow).empty())
        return;
    Reach(ACol, ARow).Text = std::move(AText);
}

void TGridCellStore::SetObject(int ACol, int ARow, TObject* AObject)
{
    CheckCol(ACol);
    CheckRow(ARow);
    if (!AObject && !GetObject(ACol, ARow))
        return;
    Reach(ACol, ARow).Object = AObject;
}

const TGridRow* TGridCellStore::FindRow(int ARow) const
{
    CheckRow(ARow);
    return ARow < RowExtent() ? FRows[static_cast<std::size_t>(ARow)].get() : nullptr;
}

TGridCell& TGridCellStore::Reach(int ACol, int ARow)
{
    ReachRow(ARow);
    std::unique_ptr<TGridRow>& row = FRows[static_cast<std::size_t>(ARow)];
    if (!row)
        row = std::make_unique<TGridRow>();
    TGridCell& cell = row->Reach(ACol, FColExtent);
    FColExtent = std::max(FColExtent, ACol + 1);
    return cell;
}

void TGridCellStore::ReachRow(int ARow)
{
    if (ARow >= RowExtent())
        FRows.resize(static_cast<std::size_t>(ARow) + 1);
}

void TGridCellStore::InsertRow(int ARow)
{
    CheckRow(ARow);
    if (ARow < RowExtent())
        FRows.insert(FRows.begin() + ARow, nullptr);
}

void TGridCellStore::DeleteRow(int ARow)
{
    CheckRow(ARow);
    if (ARow < RowExtent())
        FRows.erase(FRows.begin() + ARow);
}

void TGridCellStore::MoveRow(int AFrom, int ATo)
{
    CheckRow(AFrom);
    CheckRow(ATo);
    if (AFrom == ATo || std::min(AFrom, ATo) >= RowExtent())
        return;
    if (AFrom >= RowExtent()) {
        InsertRow(ATo);
        return;
    }
    ReachRow(ATo);
    const auto from = FRows.begin() + AFrom;
    const auto to = FRows.begin() + ATo;
    if (AFrom < ATo)
        std::rotate(from, from + 1, to + 1);
    else
        std::rotate(to, from, from + 1);
}

void TGridCellStore::ExchangeRows(int ARow1, int ARow2)
{
    CheckRow(ARow1);
    CheckRow(ARow2);
    if (ARow1 == ARow2 || std::min(ARow1, ARow2) >= RowExtent())
        return;
    ReachRow(std::max(ARow1, ARow2));
    FRows[static_cast<std::size_t>(ARow1)].swap(FRows[static_cast<std::size_t>(ARow2)]);
}

void TGridCellStore::RemoveRows(std::span<const int> ARows)
{
    for (int row : ARows)
        CheckRow(row);
    if (std::is_sorted(ARows.begin(), ARows.end())) {
        Compact(ARows);
        return;
    }
    std::vector<int> sorted(ARows.begin(), ARows.end());
    std::sort(sorted.begin(), sorted.end());
    Compact(sorted);
}

std::vector<int> TGridCellStore::RemoveRowsIf(const std::function<bool(int ARow)>& AShouldRemove)
{
    std::vector<int> removed;
    for (int row = 0; row < RowExtent(); ++row)
        if (AShouldRemove(row))
            removed.push_back(row);
    Compact(removed);
    return removed;
}

std::vector<std::unique_ptr<TGridRow>> TGridCellStore::TakeRows(std::span<const int> ASortedRows)
{
    for (int row : ASortedRows)
        CheckRow(row);
    return TakeLines(FRows, ASortedRows);
}

void TGridCellStore::PutRows(std::span<const int> AFinalRows, std::vector<std::unique_ptr<TGridRow>> ARows)
{
    if (!AFinalRows.empty())
        CheckGridIndex(AFinalRows.back(), std::max(MaxGridRows, RowExtent() + static_cast<int>(ARows.size())));
    PutLines(FRows, AFinalRows, std::move(ARows));
}

// One stable pass: each kept row moves at most once, straight to its final place.
void TGridCellStore::Compact(std::span<const int> ASortedRows)
{
    auto next = ASortedRows.begin();
    if (next == ASortedRows.end() || *next >= RowExtent())
        return;
    std::size_t write = static_cast<std::size_t>(*next);
    for (std::size_t read = write; read < FRows.size(); ++read) {
        while (next != ASortedRows.end() && static_cast<std::size_t>(*next) < read)
            ++next;
        if (next != ASortedRows.end() && static_cast<std::size_t>(*next) == read)
            continue;
        FRows[write++] = std::move(FRows[read]);
    }
    FRows.resize(write);
}

void TGridCellStore::InsertColumn(int ACol)
{
    CheckCol(ACol);
    if (ACol >= FColExtent)
        return;
    for (const std::unique_ptr<TGridRow>& row : FRows)
        if (row)
            row->InsertCell(ACol);
    ++FColExtent;
}

void TGridCellStore::DeleteColumn(int ACol)
{
    CheckCol(ACol);
    if (ACol >= FColExtent)
        return;
    for (const std::unique_ptr<TGridRow>& row : FRows)
        if (row)
            row->DeleteCell(ACol);
    --FColExtent;
}

void TGridCellStore::MoveColumn(int AFrom, int ATo)
{
    CheckCol(AFrom);
    CheckCol(ATo);
    if (AFrom == ATo || std::min(AFrom, ATo) >= FColExtent)
        return;
    for (const std::unique_ptr<TGridRow>& row : FRows)
        if (row)
            row->MoveCell(AFrom, ATo);
    FColExtent = std::max(FColExtent, std::max(AFrom, ATo) + 1);
}

void TGridCellStore::Clear()
{
    FRows.clear();
    FColExtent = 0;
}

}  // namespace plat
