#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace plat {

// Prefix sums over a sequence of non-negative values: build in O(n), update, prefix sum and
// search in O(log n).
class FenwickTree {
public:
    // Takes the values to sum; AValueOf(i) gives value i for i = 0 .. ACount - 1.
    template <class ValueOf>
    void Build(int ACount, ValueOf AValueOf)
    {
        FTree.resize(static_cast<std::size_t>(ACount));
        for (int i = 0; i < ACount; ++i)
            FTree[static_cast<std::size_t>(i)] = AValueOf(i);
        BuildInPlace();
    }

    int Count() const { return static_cast<int>(FTree.size()); }
    void Add(int AIndex, std::int64_t ADelta);
    // Sum of the first ACount values (0 <= ACount <= Count()).
    std::int64_t Prefix(int ACount) const;
    // The largest k in 0 .. Count() whose Prefix(k) <= ALimit (ALimit >= 0).
    int LastPrefixWithin(std::int64_t ALimit) const;

private:
    void BuildInPlace();

    // Entry i holds the sum of the values (i & (i + 1)) .. i.
    std::vector<std::int64_t> FTree;
};

}  // namespace plat
