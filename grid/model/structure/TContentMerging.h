#pragma once

#include <string>

namespace skelda::grid {

class TLineInsertion;
class TStructureHost;

// Runs of equal display texts made merged blocks, and split again. A main merge merges its
// column (row) freely; a later one with MainMerge false keeps each block inside the blocks the
// neighbouring lines already share, so that nested groupings stay nested.
class TContentMerging {
public:
    TContentMerging(TStructureHost& AHost, TLineInsertion& ALines) : FHost(AHost), FLines(ALines) {}

    // Down the normal rows of the column.
    void MergeColumnCells(int ColIndex, bool MainMerge);
    // Along the row from FixedCols + 1 to the right fixed columns; each run that ends inside
    // the walk becomes a block, also of one cell.
    void MergeRowCells(int RowIndex, bool MainMerge);
    void SplitColumnCells(int ColIndex);
    void SplitRowCells(int RowIndex);
    void SplitAllCells();
    // Each normal row's cell in ColIndex1 becomes its trimmed text, Separator and the text in
    // ColIndex2; then ColIndex2 goes.
    void MergeCols(int ColIndex1, int ColIndex2, const std::string& Separator);

private:
    TStructureHost& FHost;
    TLineInsertion& FLines;
};

}  // namespace skelda::grid
