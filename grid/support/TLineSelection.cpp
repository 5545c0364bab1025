#include "grid/support/TLineSelection.h"

#include <algorithm>
#include <cstddef>

namespace skelda::grid {

bool TLineSelection::IsSelected(int Index) const
{
    return Index >= 0 && static_cast<std::size_t>(Index) < FFlags.size() && FFlags[static_cast<std::size_t>(Index)];
}

bool TLineSelection::Select(int Index)
{
    if (Index < 0 || IsSelected(Index))
        return false;
    const auto At = static_cast<std::size_t>(Index);
    if (At >= FFlags.size())
        FFlags.resize(At + 1, 0);
    FFlags[At] = 1;
    FOrder.push_back(Index);
    return true;
}

bool TLineSelection::Deselect(int Index)
{
    if (!IsSelected(Index))
        return false;
    FFlags[static_cast<std::size_t>(Index)] = 0;
    FOrder.erase(std::find(FOrder.begin(), FOrder.end(), Index));
    return true;
}

int TLineSelection::CountBelow(int Limit) const
{
    return static_cast<int>(std::count_if(FOrder.begin(), FOrder.end(), [Limit](int Index) { return Index < Limit; }));
}

void TLineSelection::Clear()
{
    FFlags.clear();
    FOrder.clear();
}

}  // namespace skelda::grid
