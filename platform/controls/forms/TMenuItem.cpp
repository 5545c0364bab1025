#include "platform/controls/forms/TMenuItem.h"

#include "platform/core/Exception.h"

#include <algorithm>

namespace plat {

TShortCut ShortCut(unsigned Key, TShiftState Shift)
{
    TShortCut result = static_cast<TShortCut>(Key & 0xFF);
    if (Shift.Contains(ssShift))
        result |= scShift;
    if (Shift.Contains(ssCtrl))
        result |= scCtrl;
    if (Shift.Contains(ssAlt))
        result |= scAlt;
    return result;
}

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner) {}

TMenuItem::~TMenuItem()
{
    Destroying();
    Clear();
    if (FParent)
        FParent->Remove(this);
}

TMenuItem* TMenuItem::Items(int Index) const
{
    if (Index < 0 || Index >= Count())
        throw EListError("Menu index out of range (%d)", {Index});
    return FItems[static_cast<std::size_t>(Index)];
}

int TMenuItem::IndexOf(const TMenuItem* Item) const
{
    const auto it = std::find(FItems.begin(), FItems.end(), Item);
    return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

void TMenuItem::Add(TMenuItem* Item)
{
    Insert(Count(), Item);
}

void TMenuItem::Insert(int Index, TMenuItem* Item)
{
    for (const TMenuItem* up = this; up; up = up->FParent)
        if (up == Item)
            throw EInvalidOperation("A menu item cannot hold itself");
    if (Index < 0 || Index > Count())
        throw EListError("Menu index out of range (%d)", {Index});
    if (Item->FParent)
        Item->FParent->Remove(Item);
    FItems.insert(FItems.begin() + std::min(Index, Count()), Item);
    Item->FParent = this;
}

void TMenuItem::Remove(TMenuItem* Item)
{
    const auto it = std::find(FItems.begin(), FItems.end(), Item);
    if (it == FItems.end())
        return;
    FItems.erase(it);
    Item->FParent = nullptr;
}

void TMenuItem::Delete(int Index)
{
    delete Items(Index);
}

void TMenuItem::Clear()
{
    while (!FItems.empty())
        delete FItems.back();
}

void TMenuItem::SetChecked(bool Value)
{
    FChecked = Value;
    if (Value && FRadioItem)
        TurnSiblingsOff();
}

void TMenuItem::SetRadioItem(bool Value)
{
    FRadioItem = Value;
    if (Value && FChecked)
        TurnSiblingsOff();
}

void TMenuItem::TurnSiblingsOff()
{
    if (!FParent)
        return;
    for (TMenuItem* sibling : FParent->FItems)
        if (sibling != this && sibling->FRadioItem && sibling->FGroupIndex == FGroupIndex)
            sibling->FChecked = false;
}

void TMenuItem::Click()
{
    if (FEnabled && OnClick && !ComponentState().Contains(csDestroying))
        OnClick(this);
}

}  // namespace plat
