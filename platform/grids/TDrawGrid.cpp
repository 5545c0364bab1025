#include "platform/grids/TDrawGrid.h"

namespace plat {

TDrawGrid::TDrawGrid(TComponent* AOwner) : TCustomGrid(AOwner) {}

void TDrawGrid::MouseToCell(int X, int Y, int& ACol, int& ARow) const
{
    const TGridCoord cell = MouseCoord(X, Y);
    ACol = cell.X;
    ARow = cell.Y;
}

void TDrawGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState)
{
    if (OnDrawCell && !IsDestroying())
        OnDrawCell(this, ACol, ARow, ARect, AState);
}

bool TDrawGrid::SelectCell(int ACol, int ARow)
{
    bool canSelect = true;
    if (OnSelectCell && !IsDestroying())
        OnSelectCell(this, ACol, ARow, canSelect);
    return canSelect;
}

void TDrawGrid::TopLeftChanged()
{
    TCustomGrid::TopLeftChanged();
    if (OnTopLeftChanged && !IsDestroying())
        OnTopLeftChanged(this);
}

std::string TDrawGrid::GetEditMask(int ACol, int ARow)
{
    std::string mask;
    if (OnGetEditMask && !IsDestroying())
        OnGetEditMask(this, ACol, ARow, mask);
    return mask;
}

std::string TDrawGrid::GetEditText(int ACol, int ARow)
{
    std::string text;
    if (OnGetEditText && !IsDestroying())
        OnGetEditText(this, ACol, ARow, text);
    return text;
}

void TDrawGrid::SetEditText(int ACol, int ARow, const std::string& Value)
{
    if (OnSetEditText && !IsDestroying())
        OnSetEditText(this, ACol, ARow, Value);
}

void TDrawGrid::ColumnMoved(int FromIndex, int ToIndex)
{
    if (OnColumnMoved && !IsDestroying())
        OnColumnMoved(this, FromIndex, ToIndex);
}

void TDrawGrid::RowMoved(int FromIndex, int ToIndex)
{
    if (OnRowMoved && !IsDestroying())
        OnRowMoved(this, FromIndex, ToIndex);
}

}  // namespace plat
