#pragma once

#include "grid/support/TIntList.h"

#include <cstdint>
#include <string>

namespace skelda::grid {

// The sort columns in priority order. An entry holds the column in its low 31 bits and the
// direction in the top bit: clear for ascending, set (DescendingFlag) for descending.
class TSortIndexList : public TIntList {
public:
    using TIntList::TIntList;

    static constexpr std::uint32_t DescendingFlag = 0x80000000u;

    std::string ClassName() const override { return "TSortIndexList"; }

    void AddIndex(int ColumnIndex, bool Ascending);
    // Position of the first entry for the column, whatever its direction; -1 when none.
    int FindIndex(int ColumnIndex) const;
    // The column of the entry at Position, without its direction.
    int GetSortColumn(int Position) const;
    // Flips the direction of the first entry for the column; nothing when there is none.
    void ToggleIndex(int ColumnIndex);

    // Every entry as "u" (ascending) or "d" (descending) and the column's low 16 bits in
    // decimal, joined by ";": "d2;u0".
    std::string SaveToString() const;
    // Empties the list and reads the entries of SaveToString's form. A part shorter than two
    // characters is skipped, and so is a part whose column is not a whole number from 0 to
    // 0xFFFF: sorting by a column nobody named would be worse than leaving that key out, and a
    // wider column would save as another one. Only a lower case "u" means ascending; every
    // other letter reads as descending.
    void LoadFromString(const std::string& Value);
};

}  // namespace skelda::grid
