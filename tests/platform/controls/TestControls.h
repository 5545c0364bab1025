#pragma once

// Small controls the tests build their forms from.

#include "platform/controls/core/TCustomControl.h"
#include "platform/controls/core/TGraphicControl.h"
#include "platform/controls/forms/IButtonControl.h"
#include "platform/controls/forms/TForm.h"
#include "platform/testing/EventLog.h"

#include <functional>
#include <string>

namespace plat::testing {

// Names of the messages the tests follow.
std::string MessageName(unsigned Msg);

// A custom control that logs the messages it gets as "<name>:<message>" (only those with a
// name in MessageName) and paints its client area in FillColor.
class TLoggingControl : public TCustomControl {
public:
    TLoggingControl(TComponent* AOwner, EventLog* Log = nullptr, std::string LogName = {});

    void Dispatch(TMessage& Message) override;

    TColor FillColor = clNone;
    // Answer to WM_GETDLGCODE.
    unsigned DlgCode = 0;
    std::function<void()> OnPaint;

protected:
    void Paint() override;

private:
    EventLog* FLog;
    std::string FLogName;
};

// A windowless control that paints itself in FillColor and logs like TLoggingControl.
class TLoggingGraphic : public TGraphicControl {
public:
    TLoggingGraphic(TComponent* AOwner, EventLog* Log = nullptr, std::string LogName = {});

    void Dispatch(TMessage& Message) override;

    TColor FillColor = clNone;

protected:
    void Paint() override;

private:
    EventLog* FLog;
    std::string FLogName;
};

// A push button for the form's Enter and Escape handling: counts its clicks, hands its modal
// result to the form and answers its accelerator ("&Save": Alt+S).
class TTestButton : public TCustomControl, public IButtonControl {
public:
    explicit TTestButton(TComponent* AOwner);

    void Dispatch(TMessage& Message) override;
    bool GetDefault() const override { return Default; }
    bool GetCancel() const override { return Cancel; }
    void Click() override;

    bool Default = false;
    bool Cancel = false;
    TModalResult ModalResult = mrNone;
    int Clicks = 0;
};

// A control over Qt's line edit: the native widget edits the text.
class TNativeEdit : public TWinControl {
public:
    explicit TNativeEdit(TComponent* AOwner);
    std::string GetText() const override;

protected:
    TWindowHost* CreateHost(const TCreateParams& Params) override;
};

// A new control owned and parented by Parent, placed at Bounds.
template <typename T, typename... Args>
T* AddControl(TWinControl& Parent, TRect Bounds, Args&&... args)
{
    T* control = new T(&Parent, std::forward<Args>(args)...);
    control->SetBoundsRect(Bounds);
    control->SetParent(&Parent);
    return control;
}

}  // namespace plat::testing
