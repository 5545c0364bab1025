#pragma once

#include "platform/core/TComponent.h"
#include "platform/core/TPersistent.h"

namespace skelda::grid {

// Another grid kept in step with this one: its scrolling, selection and row and column moves follow
// this grid's. The owner grid is given at creation and can never be its own partner.
class TSyncGrid : public plat::TPersistent {
public:
    explicit TSyncGrid(plat::TComponent* AOwnerGrid);

    std::string ClassName() const override { return "TSyncGrid"; }

    // From another TSyncGrid: all seven settings, the grid through SetGrid. Other sources are
    // ignored.
    void Assign(const plat::TPersistent& Source) override;

    // The grid to keep in step; the owner grid itself is refused (the value stays as it was).
    plat::TComponent* GetGrid() const { return FGrid; }
    void SetGrid(plat::TComponent* Value);
    bool GetScrollHorizontal() const { return FScrollHorizontal; }
    void SetScrollHorizontal(bool Value) { FScrollHorizontal = Value; }
    bool GetScrollVertical() const { return FScrollVertical; }
    void SetScrollVertical(bool Value) { FScrollVertical = Value; }
    bool GetSelectionRow() const { return FSelectionRow; }
    void SetSelectionRow(bool Value) { FSelectionRow = Value; }
    bool GetSelectionColumn() const { return FSelectionColumn; }
    void SetSelectionColumn(bool Value) { FSelectionColumn = Value; }
    bool GetMoveRow() const { return FMoveRow; }
    void SetMoveRow(bool Value) { FMoveRow = Value; }
    bool GetMoveColumn() const { return FMoveColumn; }
    void SetMoveColumn(bool Value) { FMoveColumn = Value; }

private:
    plat::TComponent* FOwnerGrid;
    plat::TComponent* FGrid = nullptr;
    bool FScrollHorizontal = false;
    bool FScrollVertical = false;
    bool FSelectionRow = false;
    bool FSelectionColumn = false;
    bool FMoveRow = false;
    bool FMoveColumn = false;
};

}  // namespace skelda::grid
