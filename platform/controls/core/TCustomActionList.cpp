#include "platform/controls/core/TCustomActionList.h"

#include "platform/controls/core/TCustomAction.h"
#include "platform/core/Exception.h"
#include "platform/graphics/TImageList.h"

#include <algorithm>

namespace plat {

TCustomActionList::TCustomActionList(TComponent* AOwner) : TComponent(AOwner) {}

TCustomActionList::~TCustomActionList()
{
    while (!FActions.empty())
        FActions.back()->SetActionList(nullptr);
}

TCustomAction* TCustomActionList::Actions(int Index) const
{
    if (Index < 0 || Index >= ActionCount())
        throw EListError("List index out of bounds (%d)", {Index});
    return FActions[static_cast<std::size_t>(Index)];
}

void TCustomActionList::SetImages(TImageList* Value)
{
    SetImageList(FImages, Value);
}

void TCustomActionList::SetDisabledImages(TImageList* Value)
{
    SetImageList(FDisabledImages, Value);
}

void TCustomActionList::SetImageList(TImageList*& Field, TImageList* Value)
{
    if (Field == Value)
        return;
    TImageList* old = Field;
    Field = Value;
    // Images and DisabledImages may name the same list.
    if (old && old != FImages && old != FDisabledImages)
        old->RemoveFreeNotification(this);
    if (Value)
        Value->FreeNotification(this);
}

void TCustomActionList::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation != opRemove)
        return;
    if (AComponent == FImages)
        FImages = nullptr;
    if (AComponent == FDisabledImages)
        FDisabledImages = nullptr;
}

void TCustomActionList::AddAction(TCustomAction* Action)
{
    FActions.push_back(Action);
}

void TCustomActionList::RemoveAction(TCustomAction* Action)
{
    std::erase(FActions, Action);
}

}  // namespace plat
