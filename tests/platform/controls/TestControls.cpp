#include "TestControls.h"

#include "platform/controls/core/Messages.h"
#include "platform/controls/qt/HostWidget.h"

#include <QLineEdit>

namespace plat::testing {

std::string MessageName(unsigned Msg)
{
    switch (Msg) {
    case WM_KEYDOWN:
        return "keydown";
    case WM_KEYUP:
        return "keyup";
    case WM_CHAR:
        return "char";
    case WM_SYSKEYDOWN:
        return "syskeydown";
    case WM_SYSKEYUP:
        return "syskeyup";
    case WM_SETFOCUS:
        return "setfocus";
    case WM_KILLFOCUS:
        return "killfocus";
    case CM_ENTER:
        return "enter";
    case CM_EXIT:
        return "exit";
    case WM_LBUTTONDOWN:
        return "ldown";
    case WM_LBUTTONUP:
        return "lup";
    case WM_LBUTTONDBLCLK:
        return "ldblclk";
    case WM_RBUTTONDOWN:
        return "rdown";
    case WM_RBUTTONUP:
        return "rup";
    case WM_MOUSEWHEEL:
        return "wheel";
    case CM_MOUSEENTER:
        return "mouseenter";
    case CM_MOUSELEAVE:
        return "mouseleave";
    case WM_TIMER:
        return "timer";
    case WM_SIZE:
        return "size";
    case WM_PAINT:
        return "paint";
    case WM_CAPTURECHANGED:
        return "capturechanged";
    default:
        return {};
    }
}

TLoggingControl::TLoggingControl(TComponent* AOwner, EventLog* Log, std::string LogName)
    : TCustomControl(AOwner), FLog(Log), FLogName(std::move(LogName))
{
    SetTabStop(true);
}

void TLoggingControl::Dispatch(TMessage& Message)
{
    if (FLog) {
        std::string name = MessageName(Message.Msg);
        // Focus messages name their partner: "a:killfocus>b".
        if (Message.Msg == WM_SETFOCUS || Message.Msg == WM_KILLFOCUS) {
            const TWinControl* partner = TWMSetFocus(Message).FocusedWnd();
            name += ">" + (partner ? partner->GetName() : std::string("none"));
        }
        if (!name.empty())
            FLog->Add(FLogName + ":" + name);
    }
    if (Message.Msg == WM_GETDLGCODE) {
        Message.Result = DlgCode;
        return;
    }
    TCustomControl::Dispatch(Message);
}

void TLoggingControl::Paint()
{
    if (FillColor != clNone) {
        Canvas().Brush().SetColor(FillColor);
        Canvas().FillRect(GetClientRect());
    }
    if (OnPaint)
        OnPaint();
}

TLoggingGraphic::TLoggingGraphic(TComponent* AOwner, EventLog* Log, std::string LogName)
    : TGraphicControl(AOwner), FLog(Log), FLogName(std::move(LogName))
{
}

void TLoggingGraphic::Dispatch(TMessage& Message)
{
    if (FLog)
        if (const std::string name = MessageName(Message.Msg); !name.empty())
            FLog->Add(FLogName + ":" + name);
    TGraphicControl::Dispatch(Message);
}

void TLoggingGraphic::Paint()
{
    if (FillColor != clNone) {
        Canvas().Brush().SetColor(FillColor);
        Canvas().FillRect(GetClientRect());
    }
}

TTestButton::TTestButton(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetTabStop(true);
}

void TTestButton::Dispatch(TMessage& Message)
{
    if (Message.Msg == CM_DIALOGCHAR && IsAccel(static_cast<char32_t>(Message.WParam), GetText())) {
        Click();
        Message.Result = 1;
        return;
    }
    TCustomControl::Dispatch(Message);
}

void TTestButton::Click()
{
    ++Clicks;
    if (TCustomForm* form = GetParentForm(this); form && ModalResult != mrNone)
        form->SetModalResult(ModalResult);
    TCustomControl::Click();
}

TNativeEdit::TNativeEdit(TComponent* AOwner) : TWinControl(AOwner)
{
    SetTabStop(true);
}

std::string TNativeEdit::GetText() const
{
    return HandleAllocated() ? static_cast<QLineEdit*>(Host()->Widget())->text().toStdString() : std::string();
}

TWindowHost* TNativeEdit::CreateHost(const TCreateParams&)
{
    return new THostWidget<QLineEdit>(this);
}

}  // namespace plat::testing
