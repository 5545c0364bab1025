#pragma once

namespace plat {

class TWinControl;

// The top-level window that keeps the focus bookkeeping of the controls on it: a form. A control
// asks its focus owner to focus it, to let it go when it can no longer hold the focus, and whether
// the owner sees keys before its controls do.
class IFocusOwner {
public:
    // Focuses Control, or, while the owner is not showing, only makes it the active control.
    virtual void FocusControl(TWinControl* Control) = 0;
    // Control (or one of its children) can no longer be the active control; Removing when it is
    // leaving the owner for good.
    virtual void DefocusControl(TWinControl* Control, bool Removing) = 0;
    // KeyPreview: the owner runs its own key events before those of the focused control.
    virtual bool PreviewsKeys() const = 0;

protected:
    ~IFocusOwner() = default;
};

}  // namespace plat
