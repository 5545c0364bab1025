#include "platform/grids/TStringGrid.h"

#include "platform/grids/EInvalidGridOperation.h"
#include "platform/grids/TGridStrings.h"

namespace plat {

TStringGrid::TStringGrid(TComponent* AOwner) : TDrawGrid(AOwner) {}

TStringGrid::~TStringGrid() = default;

const std::string& TStringGrid::GetCells(int ACol, int ARow) const
{
    return FStore.GetText(ACol, ARow);
}

void TStringGrid::SetCells(int ACol, int ARow, const std::string& Value)
{
    FStore.SetText(ACol, ARow, Value);
    CellChanged(ACol, ARow);
}

TObject* TStringGrid::GetObjects(int ACol, int ARow) const
{
    return FStore.GetObject(ACol, ARow);
}

void TStringGrid::SetObjects(int ACol, int ARow, TObject* Value)
{
    FStore.SetObject(ACol, ARow, Value);
}

void TStringGrid::CellChanged(int ACol, int ARow)
{
    InvalidateCell(ACol, ARow);
    if (ACol == GetCol() && ARow == GetRow() && FEditUpdate == 0)
        InvalidateEditor();
}

std::unique_ptr<TStrings> TStringGrid::Rows(int ARow)
{
    if (ARow < 0)
        GridIndexError();
    return std::make_unique<TGridStrings>(*this, ARow, true);
}

std::unique_ptr<TStrings> TStringGrid::Cols(int ACol)
{
    if (ACol < 0)
        GridIndexError();
    return std::make_unique<TGridStrings>(*this, ACol, false);
}

void TStringGrid::SetRows(int ARow, const TStrings& Value)
{
    Rows(ARow)->Assign(Value);
}

void TStringGrid::SetCols(int ACol, const TStrings& Value)
{
    Cols(ACol)->Assign(Value);
}

void TStringGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState)
{
    if (GetDefaultDrawing()) {
        const std::string& text = GetCells(ACol, ARow);
        if (!text.empty())
            Canvas().TextRect(ARect, ARect.Left + 2, ARect.Top + 2, text);
    }
    TDrawGrid::DrawCell(ACol, ARow, ARect, AState);
}

std::string TStringGrid::GetEditText(int ACol, int ARow)
{
    std::string text = GetCells(ACol, ARow);
    if (OnGetEditText && !IsDestroying())
        OnGetEditText(this, ACol, ARow, text);
    return text;
}

void TStringGrid::SetEditText(int ACol, int ARow, const std::string& Value)
{
    ++FEditUpdate;
    try {
        if (Value != GetCells(ACol, ARow))
            SetCells(ACol, ARow, Value);
    } catch (...) {
        --FEditUpdate;
        throw;
    }
    --FEditUpdate;
    TDrawGrid::SetEditText(ACol, ARow, Value);
}

void TStringGrid::ColumnMoved(int FromIndex, int ToIndex)
{
    FStore.MoveColumn(FromIndex, ToIndex);
    TDrawGrid::ColumnMoved(FromIndex, ToIndex);
}

void TStringGrid::RowMoved(int FromIndex, int ToIndex)
{
    FStore.MoveRow(FromIndex, ToIndex);
    TDrawGrid::RowMoved(FromIndex, ToIndex);
}

void TStringGrid::DeleteColumn(int ACol)
{
    CheckGridIndex(ACol, GetColCount());
    if (GetColCount() > 1)
        FStore.DeleteColumn(ACol);
    TDrawGrid::DeleteColumn(ACol);
}

std::vector<std::unique_ptr<TGridRow>> TStringGrid::TakeRows(std::span<const int> ASortedRows)
{
    for (int row : ASortedRows)
        CheckGridIndex(row, GetRowCount());
    std::vector<std::unique_ptr<TGridRow>> taken = FStore.TakeRows(ASortedRows);
    try {
        RemoveRowLines(ASortedRows);
    } catch (...) {
        FStore.PutRows(ASortedRows, std::move(taken));
        throw;
    }
    return taken;
}

void TStringGrid::PutRows(std::span<const int> AFinalRows, std::vector<std::unique_ptr<TGridRow>> ARows,
                          std::span<const int> AHeightsPx)
{
    const int newRowCount = GetRowCount() + static_cast<int>(AFinalRows.size());
    for (int row : AFinalRows)
        CheckGridIndex(row, newRowCount);
    if (AHeightsPx.size() != AFinalRows.size())
        GridIndexError();
    FStore.PutRows(AFinalRows, std::move(ARows));
    InsertRowLines(AFinalRows, AHeightsPx);
}

void TStringGrid::DeleteRow(int ARow)
{
    CheckGridIndex(ARow, GetRowCount());
    if (GetRowCount() > 1)
        FStore.DeleteRow(ARow);
    TDrawGrid::DeleteRow(ARow);
}

}  // namespace plat
