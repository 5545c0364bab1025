#pragma once

#include "platform/grids/TCustomGrid.h"

namespace plat {

// The grid whose cells its owner paints: each hook of the library grid is answered by an event.
class TDrawGrid : public TCustomGrid {
public:
    explicit TDrawGrid(TComponent* AOwner);

    std::string ClassName() const override { return "TDrawGrid"; }

    // The cell at a client point, -1 for both outside the cells.
    void MouseToCell(int X, int Y, int& ACol, int& ARow) const;

    TMovedEvent OnColumnMoved;
    TDrawCellEvent OnDrawCell;
    TGetEditEvent OnGetEditMask;
    TGetEditEvent OnGetEditText;
    TMovedEvent OnRowMoved;
    TSelectCellEvent OnSelectCell;
    TSetEditEvent OnSetEditText;
    TNotifyEvent OnTopLeftChanged;

protected:
    void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
    bool SelectCell(int ACol, int ARow) override;
    void TopLeftChanged() override;
    std::string GetEditMask(int ACol, int ARow) override;
    std::string GetEditText(int ACol, int ARow) override;
    void SetEditText(int ACol, int ARow, const std::string& Value) override;
    void ColumnMoved(int FromIndex, int ToIndex) override;
    void RowMoved(int FromIndex, int ToIndex) override;
};

}  // namespace plat
