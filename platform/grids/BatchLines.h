#pragma once

#include "platform/grids/EInvalidGridOperation.h"

#include <algorithm>
#include <cstddef>
#include <functional>
#include <span>
#include <utility>
#include <vector>

namespace plat {

// Many lines of a list kept in step with a grid's rows (or columns) out or in at once, each in
// one pass that moves every element once. Both take strictly ascending indexes and raise
// EInvalidGridOperation "Grid index out of range" otherwise, before anything changes.
//
// TakeLines removes the listed entries and hands them over in that order (an index at or beyond
// the list's end gives T{}); the rest close up. PutLines is the inverse: AValues[i] ends at
// AFinal[i] and the entries already there fill the other places in their order; the list grows
// to hold them all, padded with T{} past its old end.
inline void CheckAscendingLines(std::span<const int> AIndexes)
{
    if (!AIndexes.empty() && AIndexes.front() < 0)
        GridIndexError();
    if (std::adjacent_find(AIndexes.begin(), AIndexes.end(), std::greater_equal<int>()) != AIndexes.end())
        GridIndexError();
}

// Where entry AIndex of a list ends after PutLines with AFinal: it moves down by the values put
// at or before its new place, those i whose AFinal[i] - i is at most AIndex (AFinal[i] - i
// never falls, as AFinal rises by at least one per step). A binary search.
inline int IndexAfterPut(std::span<const int> AFinal, int AIndex)
{
    int low = 0;
    int high = static_cast<int>(AFinal.size());
    while (low < high) {
        const int mid = (low + high) / 2;
        if (AFinal[static_cast<std::size_t>(mid)] - mid <= AIndex)
            low = mid + 1;
        else
            high = mid;
    }
    return AIndex + low;
}

template <class T>
std::vector<T> TakeLines(std::vector<T>& AList, std::span<const int> ASorted)
{
    CheckAscendingLines(ASorted);
    std::vector<T> taken(ASorted.size());
    if (ASorted.empty() || static_cast<std::size_t>(ASorted.front()) >= AList.size())
        return taken;
    std::size_t next = 0;
    std::size_t write = static_cast<std::size_t>(ASorted.front());
    for (std::size_t read = write; read < AList.size(); ++read) {
        if (next < ASorted.size() && static_cast<std::size_t>(ASorted[next]) == read) {
            taken[next++] = std::move(AList[read]);
            continue;
        }
        AList[write++] = std::move(AList[read]);
    }
    AList.resize(write);
    return taken;
}

template <class T>
void PutLines(std::vector<T>& AList, std::span<const int> AFinal, std::vector<T> AValues)
{
    if (AFinal.size() != AValues.size())
        GridIndexError();
    CheckAscendingLines(AFinal);
    if (AFinal.empty())
        return;
    const std::size_t oldSize = AList.size();
    AList.resize(std::max(oldSize + AValues.size(), static_cast<std::size_t>(AFinal.back()) + 1));
    // From the back: a place no value is put at takes the entry of its rank among such places.
    std::size_t put = AValues.size();
    for (std::size_t write = AList.size(); write-- > 0 && put > 0;) {
        if (static_cast<std::size_t>(AFinal[put - 1]) == write) {
            AList[write] = std::move(AValues[--put]);
            continue;
        }
        const std::size_t rank = write - put;
        AList[write] = rank < oldSize ? std::move(AList[rank]) : T{};
    }
}

}  // namespace plat
