#pragma once

namespace plat {

class TWinControl;

// Who moves the keyboard focus. A change runs through the forms (exit and enter events, the
// active control, the active form), so the forms layer keeps the focus (FocusManager) and the
// application installs it here; until then no control has the focus and focusing does nothing.
class IFocusKeeper {
public:
    virtual TWinControl* Focused() const = 0;
    virtual void SetFocus(TWinControl* Target) = 0;
    // The focus is inside Control, which can no longer hold it (hidden, disabled).
    virtual void RemoveFocus(TWinControl* Control) = 0;

protected:
    ~IFocusKeeper() = default;
};

void SetFocusKeeper(IFocusKeeper* Keeper);
// nullptr until the application installed one.
IFocusKeeper* GetFocusKeeper();

// The control with the keyboard focus, or nullptr.
TWinControl* GetKeyboardFocus();
// Moves the focus to Target (nullptr: to no control), straight through the keeper.
void SetKeyboardFocus(TWinControl* Target);

}  // namespace plat
