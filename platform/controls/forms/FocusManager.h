#pragma once

namespace plat {

class IFocusKeeper;
class TWinControl;

// The keyboard focus is the layer's, not Qt's. SetFocus moves it synchronously:
//   1. WM_KILLFOCUS to the control losing it (WParam: the control getting it),
//   2. WM_SETFOCUS to the control getting it (WParam: the control losing it),
//   3. within the new control's form: CM_EXIT to the controls being left, innermost first,
//      CM_ENTER to those being entered, outermost first (OnExit, OnEnter), then
//      CM_FOCUSCHANGED to the form's controls,
//   4. and only then Qt's focus follows. Qt focus events that repeat the change are ignored;
//      a Qt focus change of its own (a click on a native widget) is turned into SetFocus.
// A handler that moves the focus elsewhere ends the sequence it interrupted.
class FocusManager {
public:
    static TWinControl* Focused();
    // nullptr takes the focus away from every control.
    static void SetFocus(TWinControl* Target);

    // The focus is inside Control and Control can no longer hold it (hidden, disabled): the
    // focus moves to Control's form.
    static void RemoveFocus(TWinControl* Control);
    // Qt gave focus to a host widget.
    static void QtFocusIn(TWinControl* Control);

    // The focus manager as the control core reaches it (the application installs it).
    static IFocusKeeper& Keeper();
};

}  // namespace plat
