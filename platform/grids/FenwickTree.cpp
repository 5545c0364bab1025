#include "platform/grids/FenwickTree.h"

#include <bit>
#include <cstddef>

namespace plat {

void FenwickTree::BuildInPlace()
{
    const std::size_t n = FTree.size();
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t parent = i | (i + 1);
        if (parent < n)
            FTree[parent] += FTree[i];
    }
}

void FenwickTree::Add(int AIndex, std::int64_t ADelta)
{
    for (auto i = static_cast<std::size_t>(AIndex); i < FTree.size(); i |= i + 1)
        FTree[i] += ADelta;
}

std::int64_t FenwickTree::Prefix(int ACount) const
{
    std::int64_t sum = 0;
    for (auto end = static_cast<std::size_t>(ACount); end > 0; end &= end - 1)
        sum += FTree[end - 1];
    return sum;
}

int FenwickTree::LastPrefixWithin(std::int64_t ALimit) const
{
    std::size_t count = 0;
    for (std::size_t step = std::bit_floor(FTree.size()); step > 0; step /= 2) {
        // count is a multiple of 2 * step here, so entry count + step - 1 sums exactly the
        // values count .. count + step - 1.
        if (count + step <= FTree.size() && FTree[count + step - 1] <= ALimit) {
            count += step;
            ALimit -= FTree[count - 1];
        }
    }
    return static_cast<int>(count);
}

}  // namespace plat
