#pragma once

#include "platform/controls/core/ControlTypes.h"
#include "platform/core/TComponent.h"
#include "platform/core/Types.h"

namespace plat {

class TImageList;
class TMenuItem;

// A menu that pops up at a point of the screen through the environment's popup-menu service.
// Popup runs OnPopup (which may still change the items), shows the visible items and runs the
// chosen one's Click (not when the menu was dismissed, or the item is gone by then).
class TPopupMenu : public TComponent {
public:
    explicit TPopupMenu(TComponent* AOwner);
    ~TPopupMenu() override;

    std::string ClassName() const override { return "TPopupMenu"; }

    TMenuItem& Items() { return *FItems; }
    // X and Y are screen coordinates of the menu's top-left corner.
    void Popup(int X, int Y);
    // Where the last Popup showed the menu.
    TPoint PopupPoint() const { return FPopupPoint; }
    // The component the menu is popped up for, which the items' handlers may ask for; the one
    // who pops it up sets it. Reads nullptr once that component is freed.
    // The pictures the items name by ImageIndex; nullptr once the list is freed.
    TImageList* GetImages() const { return FImages; }
    void SetImages(TImageList* Value);
    TComponent* GetPopupComponent() const { return FPopupComponent; }
    void SetPopupComponent(TComponent* Value);

    TNotifyEvent OnPopup;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TMenuItem* FItems;
    TPoint FPopupPoint;
    TComponent* FPopupComponent = nullptr;
    TImageList* FImages = nullptr;
};

}  // namespace plat
