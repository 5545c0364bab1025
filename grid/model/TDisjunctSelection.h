#pragma once

#include "grid/support/TCellSelection.h"
#include "grid/support/TLineSelection.h"
#include "platform/grids/GridTypes.h"

#include <span>
#include <vector>

namespace skelda::grid {

class TDisjunctSelectionHost;
class TMouseActions;

// The grid's selections besides its range: rows, columns and cells picked one by one, as the
// mouse actions switch them on (DisjunctRowSelect, DisjunctColSelect, DisjunctCellSelect).
// Without the switch the row and column operations work on the range selection instead.
//
// Row and column flags are kept for any index the grid may reach; an invalid row or column
// raises ZOdeVuzeViriz.
class TDisjunctSelection {
public:
    TDisjunctSelection(TDisjunctSelectionHost& AHost, const TMouseActions& AMouseActions)
        : FHost(AHost)
        , FMouseActions(AMouseActions)
    {
    }

    bool GetRowSelect(int ARow) const;
    // The owner is asked first (OnRowDisjunctSelect) and told after (OnRowDisjunctSelected).
    void SetRowSelect(int ARow, bool Select);
    bool GetColSelect(int ACol) const;
    void SetColSelect(int ACol, bool Select);
    void SelectRows(int RowIndex, int Count);
    void UnSelectRows(int RowIndex, int Count);
    void SelectCols(int ColIndex, int Count);
    void UnSelectCols(int ColIndex, int Count);
    void SelectRange(int FromCol, int ToCol, int FromRow, int ToRow);
    void ClearRowSelect();
    void ClearColSelect();
    void SelectionToRowSelect(bool All);
    void SelectionToColSelect(bool All);
    int RowSelectCount() const;
    int ColSelectCount() const;
    int SelectedRowCount() const;
    int SelectedColCount() const;
    int SelectedCellsCount();
    void ClearSelectedCells();
    // Lines opened or closed: the flags stay with their lines and closed lines drop theirs,
    // without asking or telling the owner (closed rows: TakeRowFlags).
    void RowsInserted(int ARow, int ACount);
    void ColsInserted(int ACol, int ACount);
    void ColsRemoved(const std::vector<int>& ASortedCols);
    // The selected rows in the order they were selected.
    const std::vector<int>& SelectedRows() const
    {
        return FRows.Order();
    }

    // The row flags of many rows out (ascending rows) and back in (at ascending final rows),
    // the other selected rows keeping their order of selection.
    std::vector<int> TakeRowFlags(std::span<const int> ASortedRows);
    void PutRowFlags(std::span<const int> AFinalRows, const std::vector<int>& AFlags);

    const TLineSelection& Rows() const
    {
        return FRows;
    }
    const TLineSelection& Cols() const
    {
        return FCols;
    }
    TCellSelection& Cells()
    {
        return FCells;
    }
    const TCellSelection& Cells() const
    {
        return FCells;
    }

private:
    void SetRowSelectFlag(int ARow, bool Select);

    TDisjunctSelectionHost& FHost;
    const TMouseActions& FMouseActions;
    TLineSelection FRows;
    TLineSelection FCols;
    TCellSelection FCells;
};

}  // namespace skelda::grid
