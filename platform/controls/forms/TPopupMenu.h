#pragma once

#include "platform/controls/core/ControlTypes.h"
#include "platform/core/TComponent.h"
#include "platform/core/Types.h"

namespace plat {

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

    TNotifyEvent OnPopup;

private:
    TMenuItem* FItems;
    TPoint FPopupPoint;
};

}  // namespace plat
