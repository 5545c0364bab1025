#pragma once

#include "platform/core/TCollectionItem.h"

#include <memory>
#include <vector>

namespace plat {
class TGridRow;
class TStrings;
}  // namespace plat

namespace skelda::grid {

// A row taken out of the grid and parked: the row object as the cell store held it (texts, with
// the cells' properties records in their object slots), its height and the marks it carried.
// While parked the item is the only holder of the records, and dropping the item frees them,
// once; TakeRow hands them back to the grid.
//
// There is no Assign: a copy would either share the records or lose them.
class TGridItem : public plat::TCollectionItem {
public:
    // A merged block that lay wholly inside the parked rows, kept by the item of its base row
    // to be merged again when all its rows come back together.
    struct TParkedBlock {
        int Col = 0;
        int Cols = 1;
        int Rows = 1;
    };

    TGridItem();
    explicit TGridItem(std::unique_ptr<plat::TGridRow> ARow);
    ~TGridItem() override;

    std::string ClassName() const override { return "TGridItem"; }

    // The row's real index while it is hidden.
    int GetIdx() const { return FIdx; }
    void SetIdx(int Value) { FIdx = Value; }
    // The row's height in pixels when it was hidden; negative for the default height.
    int GetHeight() const { return FHeight; }
    void SetHeight(int Value) { FHeight = Value; }
    // The filter pass that hid the row (1, 2, ...); 0 for rows hidden otherwise.
    int GetLevel() const { return FLevel; }
    void SetLevel(int Value) { FLevel = Value; }

    // The parked row seen as strings with objects: line i is the cell of real column i, as far
    // as the row reaches. Writing a line writes the cell; the number of lines is the row's.
    plat::TStrings& Items();
    const plat::TStrings& Items() const;
    const plat::TGridRow* Row() const { return FRow.get(); }
    // The row with its records, for the grid to take back; the item is left empty.
    std::unique_ptr<plat::TGridRow> TakeRow();

    // Column changes while the row is parked; deleted cells free their records.
    void InsertCells(int ACol, int ACount);
    void DeleteCells(int ACol, int ACount);
    void MoveCell(int AFrom, int ATo);
    // Every cell emptied and its record freed; the row stays parked, to come back empty.
    void ClearCells();

    // The row's marks, travelling with it.
    bool Selected = false;
    bool Modified = false;
    bool Disabled = false;
    std::vector<TParkedBlock> Blocks;

private:
    void FreeRecords(int AFrom, int ATo);

    int FIdx = 0;
    int FHeight = -1;
    int FLevel = 0;
    std::unique_ptr<plat::TGridRow> FRow;
    std::unique_ptr<plat::TStrings> FItems;
};

}  // namespace skelda::grid
