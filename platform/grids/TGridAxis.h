#pragma once

#include "platform/grids/FenwickTree.h"

#include <cstdint>
#include <span>
#include <vector>

namespace plat {

// The columns or the rows of a grid: how many there are, how many of them are fixed, and how
// wide or high each one is, with the pixel arithmetic of cell rectangles and hit tests.
//
// An index occupies its size plus the grid-line width; an index of size 0 is hidden and occupies
// nothing, not even a line. Every index has the default size unless it was given its own.
// Positions are sums over all indexes before, computed in O(log n): while no index has its own
// size they are index * (default size + line width); after that a Fenwick tree over every
// index's extent answers them. The tree is rebuilt in O(n) on the first question after a change
// of structure (insert, delete, move, count, line width), so a run of such changes costs one
// rebuild. Own sizes are held in a dense list only while at least one index has one.
//
// Indexes out of range raise EInvalidGridOperation "Grid index out of range"; a negative default
// size or line width raises EInvalidGridOperation "Grid size out of range". Positions are
// pixels from the start of index 0, or from the client edge for the View functions.
class TGridAxis {
public:
    // AMaxCount bounds Count (MaxGridRows or MaxGridCols).
    TGridAxis(int AMaxCount, int ADefaultSizePx);

    int GetCount() const { return FCount; }
    // Own sizes of indexes at or beyond a lower count are forgotten; new indexes take the
    // default size. The fixed count shrinks with the count.
    void SetCount(int ACount);
    // The leading indexes that do not scroll; 0 .. Count.
    int GetFixedCount() const { return FFixedCount; }
    void SetFixedCount(int AFixedCount);
    int GetDefaultSizePx() const { return FDefaultSizePx; }
    // Every index takes the new default size, also those that had their own.
    void SetDefaultSizePx(int ASizePx);
    int GetLineWidthPx() const { return FLineWidthPx; }
    void SetLineWidthPx(int AWidthPx);

    int GetSizePx(int AIndex) const;
    // 0 hides the index; a negative size gives it the default size again.
    void SetSizePx(int AIndex, int ASizePx);

    // Structure changes carry the own sizes with their indexes; new indexes take the default.
    void Insert(int AIndex);
    void Delete(int AIndex);
    void Move(int AFrom, int ATo);
    // Deletes the listed indexes (any order, a repeated index counts once) in one pass.
    void RemoveIndexes(std::span<const int> AIndexes);
    // Opens indexes in one pass: index i gets ASizesPx[i] (negative for the default) and ends at
    // AFinalIndexes[i], strictly ascending and below the new count; the others keep their order.
    void InsertIndexes(std::span<const int> AFinalIndexes, std::span<const int> ASizesPx);

    // Start of AIndex (0 .. Count; Position(Count) is the end of the last index).
    std::int64_t Position(int AIndex) const;
    std::int64_t TotalExtentPx() const { return Position(FCount); }
    std::int64_t FixedExtentPx() const { return Position(FFixedCount); }
    // The index whose pixels include APx, -1 when none does.
    int IndexAt(std::int64_t APx) const;
    // How many indexes from AFrom on fit whole into AExtentPx (hidden ones fit anywhere).
    int VisibleCount(int AFrom, std::int64_t AExtentPx) const;
    // The last index from AFrom on that fits whole into AExtentPx; AFrom - 1 when none does.
    int LastFullyVisible(int AFrom, std::int64_t AExtentPx) const;

    // The client view: the fixed indexes first, then the scrolled indexes from AFirstScrolled
    // (FixedCount .. Count) on. Scrolled indexes before AFirstScrolled lie at negative or
    // fixed-area positions, as a cell rectangle of a cell scrolled out of view does.
    std::int64_t ViewPosition(int AIndex, int AFirstScrolled) const;
    // The index shown at client pixel APx, -1 when none is.
    int ViewIndexAt(std::int64_t APx, int AFirstScrolled) const;
    // The largest useful AFirstScrolled for a client extent: the smallest one that still shows
    // the last index whole, within FixedCount .. Count - 1 (FixedCount when nothing scrolls).
    int MaxFirstScrolled(std::int64_t AClientExtentPx) const;

private:
    void CheckFirstScrolled(int AFirstScrolled) const;
    std::int64_t ExtentOf(int ASizePx) const;
    std::int64_t DefaultExtentPx() const { return ExtentOf(FDefaultSizePx); }
    // The largest index k in 0 .. Count with Position(k) <= APx (APx >= 0).
    int LastStartWithin(std::int64_t APx) const;
    const FenwickTree& Extents() const;
    void StructureChanged();
    void ForgetOwnSizesIfNone();

    int FMaxCount;
    int FCount = 0;
    int FFixedCount = 0;
    int FDefaultSizePx;
    int FLineWidthPx = 1;
    // Own size per index, -1 for the default; empty while no index has its own size.
    std::vector<int> FSizesPx;
    int FOwnSizeCount = 0;
    mutable FenwickTree FExtents;
    mutable bool FExtentsValid = false;
};

}  // namespace plat
