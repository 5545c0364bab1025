#pragma once

#include "platform/grids/TGridRow.h"

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace plat {

class TObject;

// The cells of the string grid: a text and an object slot per cell, kept per row. The store
// knows nothing of the grid's counts: a cell written beyond them is kept, and rows and columns
// beyond them keep their contents while the counts shrink and grow again. Rows are separate
// objects, so row operations move pointers, never cells; a row never written costs one null
// pointer. Objects are not owned.
//
// Valid indexes are 0 .. max(MaxGridRows, RowExtent()) - 1 for rows and likewise for columns;
// any other raises EInvalidGridOperation "Grid index out of range" before anything changes.
// Texts returned by reference stay valid until the next change of the store.
class TGridCellStore {
public:
    TGridCellStore();
    ~TGridCellStore();
    TGridCellStore(const TGridCellStore&) = delete;
    TGridCellStore& operator=(const TGridCellStore&) = delete;

    // High-water marks: no row at or beyond RowExtent() and no column at or beyond ColExtent()
    // holds anything.
    int RowExtent() const { return static_cast<int>(FRows.size()); }
    int ColExtent() const { return FColExtent; }

    // A cell never written reads as "" and nullptr.
    const std::string& GetText(int ACol, int ARow) const;
    TObject* GetObject(int ACol, int ARow) const;
    void SetText(int ACol, int ARow, std::string AText);
    void SetObject(int ACol, int ARow, TObject* AObject);
    // The whole row, all its columns; nullptr for a row that holds nothing.
    const TGridRow* FindRow(int ARow) const;

    // Opens an empty row at ARow; the rows from ARow on move one down.
    void InsertRow(int ARow);
    // Removes row ARow; the rows below move one up.
    void DeleteRow(int ARow);
    // The row at AFrom ends at ATo; the rows between close up behind it.
    void MoveRow(int AFrom, int ATo);
    void ExchangeRows(int ARow1, int ARow2);
    // Removes the listed rows (any order, a repeated index counts once) in one pass; the
    // remaining rows keep their order.
    void RemoveRows(std::span<const int> ARows);
    // Removes every row below RowExtent() for which AShouldRemove answers true, asked for each
    // row with the store still unchanged. Returns the removed indexes, ascending, so that lists
    // kept in step with the rows can drop the same ones.
    std::vector<int> RemoveRowsIf(const std::function<bool(int ARow)>& AShouldRemove);
    // Takes the listed rows (strictly ascending) out in one pass and hands them over in that
    // order, nullptr for a row that holds nothing; the remaining rows close up. PutRows is the
    // inverse: row i of ARows ends at AFinalRows[i] (strictly ascending, one per row) and the
    // rows already there fill the other places in their order, also in one pass.
    std::vector<std::unique_ptr<TGridRow>> TakeRows(std::span<const int> ASortedRows);
    void PutRows(std::span<const int> AFinalRows, std::vector<std::unique_ptr<TGridRow>> ARows);

    // The same for columns, in every row.
    void InsertColumn(int ACol);
    void DeleteColumn(int ACol);
    void MoveColumn(int AFrom, int ATo);

    // Forgets every cell; the objects stay with their owners.
    void Clear();

private:
    void CheckRow(int ARow) const;
    void CheckCol(int ACol) const;
    TGridCell& Reach(int ACol, int ARow);
    void ReachRow(int ARow);
    void Compact(std::span<const int> ASortedRows);

    std::vector<std::unique_ptr<TGridRow>> FRows;
    int FColExtent = 0;
};

}  // namespace plat
