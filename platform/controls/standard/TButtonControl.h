#pragma once

#include "platform/controls/core/TWinControl.h"

class QAbstractButton;

namespace plat {

// Base of the controls on a native Qt button (push button, check box, radio button): the
// caption goes to the widget, a click of the widget (mouse or Space) comes back as
// CN_COMMAND with BN_CLICKED, and ButtonClicked turns it into the control's click. OnClick does
// not come from the generic press-and-release rule (no csClickEvents): the native button
// decides what a click is.
class TButtonControl : public TWinControl {
public:
    explicit TButtonControl(TComponent* AOwner);

    std::string ClassName() const override { return "TButtonControl"; }

    // Changes of the state by code run Click (and so OnClick) unless clicks are disabled.
    bool GetClicksDisabled() const { return FClicksDisabled; }
    void SetClicksDisabled(bool Value) { FClicksDisabled = Value; }

    void Dispatch(TMessage& Message) override;

protected:
    void UpdateNativeColors() override;
    void CreateWnd() override;
    // A click of the native button; the default runs Click.
    virtual void ButtonClicked();
    // The colour role the widget fills its face with.
    virtual int FaceRole() const;
    // The native button, or nullptr before the window exists.
    QAbstractButton* Button() const;

private:

    bool FClicksDisabled = false;
};

}  // namespace plat
