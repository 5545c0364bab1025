#pragma once

namespace plat {

// A button the form presses for Enter and Escape. Enter clicks the focused button when the
// focus is on one, else the form's default button; Escape clicks the cancel button. The form
// finds them among its visible, enabled controls.
class IButtonControl {
public:
    virtual ~IButtonControl() = default;

    virtual bool GetDefault() const = 0;
    virtual bool GetCancel() const = 0;
    // Presses the button (runs OnClick and hands its modal result to the form).
    virtual void Click() = 0;
};

}  // namespace plat
