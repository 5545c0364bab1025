// The glow button's drop-down part and menu: which presses open the menu, the part the pointer
// lights, and opening the menu from a press, a key or an accelerator.

#include "pager/glow/TVezCustomGlowButton.h"

#include "platform/controls/core/InputQueries.h"
#include "platform/controls/forms/TPopupMenu.h"

namespace skelda::pager {

void TVezCustomGlowButton::SetDropDownButton(bool Value)
{
    if (FDropDownButton == Value)
        return;
    FDropDownButton = Value;
    UpdateSize();
}

void TVezCustomGlowButton::SetDropDownDirection(TDropDownDirection Value)
{
    FDropDownDirection = Value;
    Invalidate();
}

void TVezCustomGlowButton::SetDropDownMenu(plat::TPopupMenu* Value)
{
    if (FDropDownMenu == Value)
        return;
    if (FDropDownMenu)
        FDropDownMenu->RemoveFreeNotification(this);
    FDropDownMenu = Value;
    if (FDropDownMenu)
        FDropDownMenu->FreeNotification(this);
}

void TVezCustomGlowButton::SetDropDownPosition(TDropDownPosition Value)
{
    if (FDropDownPosition == Value)
        return;
    FDropDownPosition = Value;
    if (FDropDownButton)
        UpdateSize();
    Invalidate();
}

bool TVezCustomGlowButton::DropFromPress()
{
    const plat::TControlRef<TVezCustomGlowButton> alive(this);
    FMouseInControl = false;
    if (OnDropDown)
        OnDropDown(this);
    if (!alive)
        return false;
    if (FDropDownMenu) {
        FDropDownMenu->SetPopupComponent(this);
        FDown = !FDropDownSplit;
        FDroppedDown = true;
        FMouseEnter = false;
        Repaint();
        const plat::TPoint corner =
            ClientToScreen(FDropDownDirection == ddDown ? plat::Point(0, GetHeight()) : plat::Point(GetWidth(), 0));
        FDropDownMenu->Popup(corner.X, corner.Y);
        if (!alive)
            return false;
        FDown = false;
        FDroppedDown = false;
        const plat::TPoint pointer = ScreenToClient(plat::GetCursorPos());
        if (!GetClientRect().Contains(pointer)) {
            FMouseEnter = false;
            FMouseInControl = false;
            FHot = false;
            FInButton = false;
        }
        Invalidate();
    }
    // The menu took the press: its release clicks nothing.
    plat::TControlState state = GetControlState();
    state.Exclude(plat::csClicked);
    SetControlState(state);
    FGotButtonClick = false;
    Invalidate();
    return true;
}

void TVezCustomGlowButton::DoDropDown()
{
    if (!IsMenuButton() && !FDropDownMenu)
        return;
    const plat::TControlRef<TVezCustomGlowButton> alive(this);
    if (FDropDownMenu) {
        FDropDownMenu->SetPopupComponent(this);
        FState = absDown;
        if (OnDropDown)
            OnDropDown(this);
        if (!alive)
            return;
        Invalidate();
        if (FDropDownMenu) {
            const plat::TPoint corner = ClientToScreen(FDropDownDirection == ddDown ? plat::Point(0, GetHeight())
                                                                                     : plat::Point(GetWidth(), 0));
            FDroppedDown = true;
            FDropDownMenu->Popup(corner.X, corner.Y);
            if (!alive)
                return;
            FDroppedDown = false;
        }
        FState = absUp;
        Repaint();
    }
    Invalidate();
}

bool TVezCustomGlowButton::AnyPressOpensMenu() const
{
    return (!FDropDownButton && IsMenuButton()) ||
           (FDropDownButton && !FDropDownSplit && FStyle == bsButton && FGroupIndex <= 0);
}

bool TVezCustomGlowButton::PressOpensMenu(int X, int Y) const
{
    const bool inPart =
        FDropDownPosition == dpRight ? X > GetWidth() - kGlowDropDownPartPx : Y > GetHeight() - kGlowDropDownPartPx;
    return AnyPressOpensMenu() || (FDropDownButton && FDropDownSplit && inPart);
}

bool TVezCustomGlowButton::OverDropDownPart(int X, int Y) const
{
    return FDropDownButton &&
           (FDropDownPosition == dpRight ? X > GetWidth() - kGlowSplitPartPx : Y > GetHeight() - kGlowSplitPartPx);
}

}  // namespace skelda::pager
