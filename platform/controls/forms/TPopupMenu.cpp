#include "platform/controls/forms/TPopupMenu.h"

#include "platform/controls/forms/TMenuItem.h"
#include "platform/controls/services/PopupMenuService.h"
#include "platform/controls/services/UiServices.h"
#include "platform/graphics/TImageList.h"

#include <algorithm>
#include <vector>

namespace plat {

namespace {

// The entries of the visible items below Parent; Chosen gets each entry's item at its
// command's place (commands count from 1).
std::vector<TPopupMenuEntry> EntriesOf(const TMenuItem& Parent, std::vector<TMenuItem*>& Commands)
{
    std::vector<TPopupMenuEntry> entries;
    for (int i = 0; i < Parent.Count(); ++i) {
        TMenuItem* item = Parent.Items(i);
        if (!item->GetVisible())
            continue;
        TPopupMenuEntry entry;
        entry.Caption = item->GetCaption();
        Commands.push_back(item);
        entry.Command = static_cast<int>(Commands.size());
        entry.Enabled = item->GetEnabled();
        entry.Checked = item->GetChecked();
        entry.RadioItem = item->GetRadioItem();
        entry.Default = item->GetDefault();
        entry.ImageIndex = item->GetImageIndex();
        entry.Items = EntriesOf(*item, Commands);
        entries.push_back(std::move(entry));
    }
    return entries;
}

bool Holds(const TMenuItem& Parent, const TMenuItem* Item)
{
    for (int i = 0; i < Parent.Count(); ++i)
        if (Parent.Items(i) == Item || Holds(*Parent.Items(i), Item))
            return true;
    return false;
}

}  // namespace

TPopupMenu::TPopupMenu(TComponent* AOwner) : TComponent(AOwner), FItems(new TMenuItem(this)) {}

TPopupMenu::~TPopupMenu()
{
    Destroying();
}

void TPopupMenu::SetPopupComponent(TComponent* Value)
{
    if (FPopupComponent == Value)
        return;
    if (FPopupComponent)
        FPopupComponent->RemoveFreeNotification(this);
    FPopupComponent = Value;
    if (Value)
        Value->FreeNotification(this);
}

void TPopupMenu::SetImages(TImageList* Value)
{
    if (FImages == Value)
        return;
    if (FImages)
        FImages->RemoveFreeNotification(this);
    FImages = Value;
    if (Value)
        Value->FreeNotification(this);
}

void TPopupMenu::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FPopupComponent)
        FPopupComponent = nullptr;
    if (Operation == opRemove && AComponent == FImages)
        FImages = nullptr;
}

void TPopupMenu::Popup(int X, int Y)
{
    FPopupPoint = {X, Y};
    if (OnPopup)
        OnPopup(this);
    std::vector<TMenuItem*> commands;
    const std::vector<TPopupMenuEntry> entries = EntriesOf(*FItems, commands);
    if (entries.empty())
        return;
    const int chosen = Menus().Popup(entries, FPopupPoint, FImages);
    if (chosen < 1 || chosen > static_cast<int>(commands.size()))
        return;
    // Whatever ran while the menu was open may have freed the item.
    TMenuItem* item = commands[static_cast<std::size_t>(chosen - 1)];
    if (Holds(*FItems, item) && item->Count() == 0)
        item->Click();
}

}  // namespace plat
