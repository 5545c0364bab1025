#pragma once

#include <functional>
#include <memory>
#include <span>
#include <vector>

namespace skelda::grid {

class TGridItem;

// The hidden-row store: the real indexes of the hidden rows, ascending, with their parked rows
// in parallel, so that maps are binary searches and shifting indexes is an int loop. The list
// is the truth: an item's Idx is brought in step only when the item is handed out, so that a
// shift never touches the items themselves. Hiding
// changes no stored index; only structure changes of real rows shift them. The store owns the
// parked rows: cleared, it frees their records once.
class THiddenRows {
public:
    THiddenRows();
    ~THiddenRows();

    int Count() const { return static_cast<int>(FRows.size()); }
    bool Contains(int ARealRow) const;
    int RealRowIndex(int ADisplRow) const;
    int DisplRowIndex(int ARealRow) const;
    // The parked row of a hidden real row; nullptr for a shown one.
    TGridItem* Find(int ARealRow) const;
    // In ascending real order.
    const TGridItem& Item(int AIndex) const;

    // Parks rows (ascending real indexes, none hidden yet) in one merge.
    void Add(std::span<const int> ARealRows, std::vector<std::unique_ptr<TGridItem>> AItems);
    // The parked rows AShouldReturn picks, out of the store in ascending real order, with the
    // display row each takes once shown while the others stay hidden.
    struct TReturning {
        std::vector<int> DisplRows;
        std::vector<std::unique_ptr<TGridItem>> Items;
    };
    TReturning TakeWhere(const std::function<bool(const TGridItem&)>& AShouldReturn);
    void Clear();

    // Structure changes of real rows. Inserted: stored indexes at or after ARealRow shift by
    // ACount. Removed (ascending real rows): a removed hidden row is dropped with its records,
    // the others shift down by the rows removed before them.
    void RowsInserted(int ARealRow, int ACount);
    void RowsRemoved(std::span<const int> ARealRows);
    // Parked rows' cells follow the real columns.
    void ColumnsInserted(int ARealCol, int ACount);
    void ColumnsRemoved(int ARealCol, int ACount);
    void ColumnMoved(int AFrom, int ATo);
    // Every parked row keeps its place and comes back with empty cells.
    void ClearCells();

private:
    std::vector<int> FRows;
    std::vector<std::unique_ptr<TGridItem>> FItems;
};

}  // namespace skelda::grid
