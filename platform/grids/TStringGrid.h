#pragma once

#include "platform/grids/TDrawGrid.h"
#include "platform/grids/TGridCellStore.h"

#include <memory>
#include <span>
#include <vector>
#include <string>

namespace plat {

class TStrings;

// The grid that keeps a text and an object for each cell and paints the texts.
//
// Any cell can be written, also beyond ColCount and RowCount: it is kept and shows once the
// counts reach it, and rows and columns beyond the counts keep their cells when the counts shrink
// and grow again. Moving a column or row moves its cells; deleting one removes them (the cells
// beyond the counts move up with the rest). Objects are not owned. Negative indexes raise
// EInvalidGridOperation "Grid index out of range".
class TStringGrid : public TDrawGrid {
public:
    explicit TStringGrid(TComponent* AOwner);
    ~TStringGrid() override;

    std::string ClassName() const override { return "TStringGrid"; }

    // Valid until the next change of a cell.
    const std::string& GetCells(int ACol, int ARow) const;
    // Writing the cell being edited loads the editor afresh.
    void SetCells(int ACol, int ARow, const std::string& Value);
    TObject* GetObjects(int ACol, int ARow) const;
    void SetObjects(int ACol, int ARow, TObject* Value);

    // The cells of a row (column) as strings with objects (see TGridStrings).
    std::unique_ptr<TStrings> Rows(int ARow);
    std::unique_ptr<TStrings> Cols(int ACol);
    void SetRows(int ARow, const TStrings& Value);
    void SetCols(int ACol, const TStrings& Value);

protected:
    void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
    std::string GetEditText(int ACol, int ARow) override;
    void SetEditText(int ACol, int ARow, const std::string& Value) override;
    void ColumnMoved(int FromIndex, int ToIndex) override;
    void RowMoved(int FromIndex, int ToIndex) override;
    void DeleteColumn(int ACol) override;
    void DeleteRow(int ARow) override;

    // The cells themselves, for work on many rows at once.
    TGridCellStore& CellStore() { return FStore; }
    // Rows with their cells and heights, many at once (see RemoveRowLines, InsertRowLines and
    // the store's TakeRows and PutRows): one pass over the rows each.
    std::vector<std::unique_ptr<TGridRow>> TakeRows(std::span<const int> ASortedRows);
    void PutRows(std::span<const int> AFinalRows, std::vector<std::unique_ptr<TGridRow>> ARows,
                 std::span<const int> AHeightsPx);

private:
    void CellChanged(int ACol, int ARow);

    TGridCellStore FStore;
    // Above 0 while the editor's own text is being stored.
    int FEditUpdate = 0;
};

}  // namespace plat
