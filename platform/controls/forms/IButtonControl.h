#pragma once

namespace plat {

// A button the form presses for Enter and Escape. Enter presses the focused button when the
// focus is on one, else the form's default button; Escape presses the cancel button. The form
// finds them among its visible, enabled controls, presses one of them once and swallows the
// key, so no control sees it as a dialog key as well.
class IButtonControl {
public:
    virtual ~IButtonControl() = default;

    // Whether Enter presses the button while the focus is not on a button. A button that
    // decides this by where the focus is (the one focused last, else the Default one) answers
    // its present state.
    virtual bool GetDefault() const = 0;
    virtual bool GetCancel() const = 0;
    // Clicks the button (runs OnClick and hands its modal result to the form).
    virtual void Click() = 0;
    // What the key does to the button; the button may be freed by it. A button whose key does
    // more than click (drops its menu, toggles its check) says so here.
    virtual void Press() { Click(); }
};

}  // namespace plat
