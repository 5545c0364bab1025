#include "grid/support/TControlList.h"

#include "platform/controls/core/TWinControl.h"
#include "platform/core/Exception.h"

namespace skelda::grid {

void TControlList::AddControl(int X, int Y, plat::TControl* AObject)
{
    FItems.push_back(std::make_unique<TControlItem>(X, Y, AObject));
}

int TControlList::ControlIndex(int X, int Y) const
{
    for (std::size_t i = 0; i < FItems.size(); ++i)
        if (FItems[i]->GetX() == X && FItems[i]->GetY() == Y)
            return static_cast<int>(i);
    return -1;
}

TControlItem& TControlList::GetItem(int Index) const
{
    CheckIndex(Index);
    return *FItems[static_cast<std::size_t>(Index)];
}

bool TControlList::HasHandle(const plat::TWindowHost* Handle) const
{
    for (const auto& item : FItems) {
        const auto* window = dynamic_cast<const plat::TWinControl*>(item->GetControl());
        if (window && window->HandleAllocated() && window->Host() == Handle)
            return true;
    }
    return false;
}

void TControlList::RemoveControl(int Index)
{
    CheckIndex(Index);
    FItems.erase(FItems.begin() + Index);
}

void TControlList::CheckIndex(int Index) const
{
    if (Index < 0 || Index >= Count())
        throw plat::EListError("List index out of bounds (%d)", {Index});
}

}  // namespace skelda::grid
