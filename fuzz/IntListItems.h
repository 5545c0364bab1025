#pragma once

// The integers of a grid integer list, to compare two lists whole.

#include "grid/support/TIntList.h"

#include <vector>

namespace skelda::fuzz {

inline std::vector<int> Items(const grid::TIntList& List)
{
    std::vector<int> items;
    for (int i = 0; i < List.Count(); ++i)
        items.push_back(List.GetValue(i));
    return items;
}

}  // namespace skelda::fuzz
