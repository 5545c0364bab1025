#include "platform/controls/standard/TButton.h"

#include "platform/controls/qt/HostWidget.h"

#include <QPushButton>

namespace plat {

TButton::TButton(TComponent* AOwner) : TButtonControl(AOwner)
{
    SetBounds(0, 0, 75, 25);
}

TWindowHost* TButton::CreateHost(const TCreateParams&)
{
    return new THostWidget<QPushButton>(this);
}

void TButton::CreateWnd()
{
    TButtonControl::CreateWnd();
    auto* button = static_cast<QPushButton*>(Button());
    // Enter is the form's business; the widget only shows which button is the default.
    button->setAutoDefault(false);
    button->setDefault(FDefault);
}

int TButton::FaceRole() const
{
    return QPalette::Button;
}

void TButton::SetDefault(bool Value)
{
    FDefault = Value;
    if (auto* button = static_cast<QPushButton*>(Button()))
        button->setDefault(Value);
}

void TButton::Click()
{
    if (TCustomForm* form = GetParentForm(this); form && FModalResult != mrNone)
        form->SetModalResult(FModalResult);
    TButtonControl::Click();
}

void TButton::Dispatch(TMessage& Message)
{
    if (Message.Msg == CM_DIALOGCHAR && IsAccel(static_cast<char32_t>(Message.WParam), GetText()) &&
        IsEnabledInParents() && Showing()) {
        Click();
        Message.Result = 1;
        return;
    }
    TButtonControl::Dispatch(Message);
}

}  // namespace plat
