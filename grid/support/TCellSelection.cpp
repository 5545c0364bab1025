#include "grid/support/TCellSelection.h"

#include "platform/core/Exception.h"

#include <algorithm>
#include <climits>

namespace skelda::grid {

std::uint64_t TCellSelection::Key(int ACol, int ARow)
{
    return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(ARow)) << 32) | static_cast<std::uint32_t>(ACol);
}

bool TCellSelection::Contains(int ACol, int ARow) const
{
    if (FRect)
        return FRect->Contains(ACol, ARow);
    return FKeys.count(Key(ACol, ARow)) != 0;
}

bool TCellSelection::Add(int ACol, int ARow)
{
    ListRect();
    if (!FKeys.insert(Key(ACol, ARow)).second)
        return false;
    FOrder.push_back({ACol, ARow});
    return true;
}

bool TCellSelection::Remove(int ACol, int ARow)
{
    ListRect();
    if (FKeys.erase(Key(ACol, ARow)) == 0)
        return false;
    FOrder.erase(std::find(FOrder.begin(), FOrder.end(), plat::TGridCoord{ACol, ARow}));
    return true;
}

int TCellSelection::Count() const
{
    if (!FRect)
        return static_cast<int>(FOrder.size());
    const long long Cells = (static_cast<long long>(FRect->Right) - FRect->Left + 1) *
                            (static_cast<long long>(FRect->Bottom) - FRect->Top + 1);
    return static_cast<int>(std::min<long long>(std::max(Cells, 0LL), INT_MAX));
}

plat::TGridCoord TCellSelection::Item(int Index) const
{
    if (Index < 0 || Index >= Count())
        throw plat::EListError("List index out of bounds (%d)", {Index});
    if (!FRect)
        return FOrder[static_cast<std::size_t>(Index)];
    const int Width = FRect->Right - FRect->Left + 1;
    return {FRect->Left + Index % Width, FRect->Top + Index / Width};
}

void TCellSelection::Clear()
{
    FOrder.clear();
    FKeys.clear();
    FRect.reset();
}

void TCellSelection::AssignRect(const plat::TGridRect& Rect)
{
    Clear();
    if (Rect.Right >= Rect.Left && Rect.Bottom >= Rect.Top)
        FRect = Rect;
}

void TCellSelection::ListRect()
{
    if (!FRect)
        return;
    const plat::TGridRect Rect = *FRect;
    FRect.reset();
    for (int R = Rect.Top; R <= Rect.Bottom; ++R)
        for (int C = Rect.Left; C <= Rect.Right; ++C) {
            FKeys.insert(Key(C, R));
            FOrder.push_back({C, R});
        }
}

}  // namespace skelda::grid
