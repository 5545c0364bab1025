#pragma once

#include <cstdint>
#include <vector>

namespace skelda::grid {

// The disjunct selection of rows (or columns) of a grid: a flag per index for membership, and
// the indexes in the order they were selected, each once. Indexes never written read as not
// selected; negative indexes are never selected.
class TLineSelection {
public:
    bool IsSelected(int Index) const;
    // Both answer whether the flag changed.
    bool Select(int Index);
    bool Deselect(int Index);
    // Selected indexes below Limit.
    int CountBelow(int Limit) const;
    int Count() const { return static_cast<int>(FOrder.size()); }
    const std::vector<int>& Order() const { return FOrder; }
    void Clear();

private:
    std::vector<std::uint8_t> FFlags;
    std::vector<int> FOrder;
};

}  // namespace skelda::grid
