#include "platform/controls/standard/TButtonControl.h"

#include "platform/controls/qt/NativeWidgetSupport.h"

#include <QAbstractButton>

namespace plat {

TButtonControl::TButtonControl(TComponent* AOwner) : TWinControl(AOwner)
{
    SetControlStyle(GetControlStyle() - TControlStyle{csClickEvents, csCaptureMouse});
    SetParentColor(true);
    SetTabStop(true);
}

QAbstractButton* TButtonControl::Button() const
{
    return HandleAllocated() ? static_cast<QAbstractButton*>(Host()->Widget()) : nullptr;
}

int TButtonControl::FaceRole() const
{
    return QPalette::Window;
}

void TButtonControl::CreateWnd()
{
    TWinControl::CreateWnd();
    QAbstractButton* button = Button();
    button->setFocusPolicy(Qt::StrongFocus);
    SetButtonCaption(button, GetText());
    UpdateNativeColors();
    OnNativeSignal(Host(), button, &QAbstractButton::clicked,
                   [](TWinControl& control) { SendCommand(control, BN_CLICKED); });
}

void TButtonControl::UpdateNativeColors()
{
    if (QAbstractButton* button = Button())
        ApplyNativeColors(button, GetColor(), Font().GetColor(), static_cast<QPalette::ColorRole>(FaceRole()));
}

void TButtonControl::ButtonClicked()
{
    Click();
}

void TButtonControl::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CN_COMMAND:
        if (TWMCommand(Message).NotifyCode() == BN_CLICKED) {
            ButtonClicked();
            return;
        }
        break;
    case CM_TEXTCHANGED:
        if (QAbstractButton* button = Button())
            SetButtonCaption(button, GetText());
        break;
    default:
        break;
    }
    TWinControl::Dispatch(Message);
}

}  // namespace plat
