#pragma once

#include "platform/core/Types.h"
#include "platform/grids/GridTypes.h"

#include <cstdint>
#include <map>
#include <vector>

namespace skelda::grid {

class TCellGridHost;
class TCellProperties;

enum class TLineAxis { Columns, Rows };

// The merged blocks of a grid. The records of the block's cells say where the base is (an O(1)
// step from any covered cell, see TCellProperties); an index of the blocks by base cell serves
// validation, splitting and structure changes.
//
// Every query takes any coordinates: a cell outside the grid, or without a record, answers as
// an ordinary unmerged cell.
class TMergedCells {
public:
    explicit TMergedCells(TCellGridHost& AHost) : FHost(AHost) {}

    // Makes the block of SpanX columns and SpanY rows whose top-left cell is (ACol, ARow) one
    // cell, cut to the grid; blocks it overlaps are split first. Refused (false, nothing
    // changed) for spans below 1 or a top-left cell outside the grid. Cell texts are kept.
    bool MergeCells(int ACol, int ARow, int SpanX, int SpanY);
    // Undoes the block holding the cell; the records stay with their looks. False, nothing
    // changed, for a cell in no block.
    bool SplitCells(int ACol, int ARow);
    // Blocks made minus blocks split (or gone with their base): positive while the grid may
    // have merged cells.
    int MergeCount() const { return FMergeCount; }

    plat::TPoint BaseCell(int ACol, int ARow) const;
    // True with the cell itself when it has no record or is a base cell; else false with the base.
    bool FindBaseCell(int ACol, int ARow, int& BaseCol, int& BaseRow) const;
    bool IsBaseCell(int ACol, int ARow) const;
    // Any cell of a block larger than one cell.
    bool IsMergedCell(int ACol, int ARow) const;
    bool IsMergedNonBaseCell(int ACol, int ARow) const;
    bool IsXMergedCell(int ACol, int ARow) const;
    bool IsYMergedCell(int ACol, int ARow) const;
    // Block width - 1 and height - 1; (0, 0) for an unmerged cell.
    plat::TPoint CellSpan(int ACol, int ARow) const;
    // From the cell to the block's far edge; (0, 0) for an unmerged cell.
    plat::TPoint CellExt(int ACol, int ARow) const;
    // The block as cell indexes (the cell alone when unmerged).
    plat::TGridRect FullCell(int ACol, int ARow) const;
    // Smallest positive vertical span in the row; RowCount when none.
    int MinRowSpan(int ARow) const;
    // Largest vertical span in the row; 0 when none.
    int MaxRowSpan(int ARow) const;
    // The vertically merged cells the two rows share lie in the same blocks, and there is one.
    bool RowSpanIdentical(int ARow1, int ARow2) const;
    // The two columns lie in the same horizontal blocks wherever either is merged horizontally,
    // and do so in at least one row.
    bool ColSpanIdentical(int ACol1, int ACol2) const;

    // The blocks, each as the cell indexes it covers, in row-then-column order of their bases.
    std::vector<plat::TGridRect> Blocks() const;
    // Told before a record still in its slot is freed: a base that goes splits its block.
    void RecordFreed(int ACol, int ARow, const TCellProperties& Record);
    // Forgets every block (all records are gone).
    void Clear();
    // The counts are about to shrink, every line still there: blocks reaching past the new
    // counts are cut to what stays (a block left with one cell is split), blocks wholly past
    // them are split, so that no block covers a line the grid does not hold.
    void CountsShrinking(int NewColCount, int NewRowCount);

    // The store moves its line From to To on the axis (the lines between shift by one), and the
    // records move with their cells. A block the move would tear apart is split before; a block
    // that lies wholly among the shifting lines keeps its shape and moves after.
    void LineMoving(TLineAxis Axis, int From, int To);
    void LineMoved(TLineAxis Axis, int From, int To);
    // The store deletes a line: blocks holding it are split before, blocks past it move after.
    void LineDeleting(TLineAxis Axis, int Index);
    void LineDeleted(TLineAxis Axis, int Index);

private:
    static std::uint64_t Key(int ACol, int ARow);
    // The cell's record when the cell lies inside the grid.
    TCellProperties* Record(int ACol, int ARow) const;
    // The record of the base of a block holding the cell, nullptr when the cell is in no block.
    TCellProperties* BlockBase(int ACol, int ARow, plat::TPoint& Base) const;
    void SplitBlock(plat::TPoint Base, const TCellProperties& BaseRecord);
    void RepaintBlock(const plat::TGridRect& Block);
    // Splits every indexed block that ShouldSplit picks.
    template <typename Pred>
    void SplitBlocksWhere(Pred ShouldSplit);
    // Moves every indexed block whose lines on the axis all lie in First .. Last by Delta lines.
    void ShiftBlocks(TLineAxis Axis, int First, int Last, int Delta);

    TCellGridHost& FHost;
    int FMergeCount = 0;
    std::map<std::uint64_t, plat::TGridRect> FBlocks;
};

}  // namespace skelda::grid
