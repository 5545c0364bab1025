#include "platform/controls/core/KeyboardFocus.h"

namespace plat {

namespace {

IFocusKeeper* InstalledKeeper = nullptr;

}  // namespace

void SetFocusKeeper(IFocusKeeper* Keeper)
{
    InstalledKeeper = Keeper;
}

IFocusKeeper* GetFocusKeeper()
{
    return InstalledKeeper;
}

TWinControl* GetKeyboardFocus()
{
    const IFocusKeeper* keeper = InstalledKeeper;
    return keeper ? keeper->Focused() : nullptr;
}

void SetKeyboardFocus(TWinControl* Target)
{
    if (IFocusKeeper* keeper = InstalledKeeper)
        keeper->SetFocus(Target);
}

}  // namespace plat
