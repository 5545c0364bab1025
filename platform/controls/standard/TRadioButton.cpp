#include "platform/controls/standard/TRadioButton.h"

#include "platform/controls/qt/HostWidget.h"
#include "platform/controls/qt/NativeWidgetSupport.h"

#include <QRadioButton>
#include <QSignalBlocker>

namespace plat {

TRadioButton::TRadioButton(TComponent* AOwner) : TButtonControl(AOwner)
{
    SetBounds(0, 0, 113, 17);
    SetTabStop(false);
}

TWindowHost* TRadioButton::CreateHost(const TCreateParams&)
{
    auto* host = new THostWidget<TWholeAreaButton<QRadioButton>>(this);
    // The siblings are ours to uncheck.
    host->setAutoExclusive(false);
    return host;
}

void TRadioButton::CreateWnd()
{
    TButtonControl::CreateWnd();
    Button()->setLayoutDirection(FAlignment == taLeftJustify ? Qt::RightToLeft : Qt::LeftToRight);
    ShowChecked();
}

void TRadioButton::ShowChecked()
{
    if (QAbstractButton* button = Button()) {
        const QSignalBlocker blocker(button);
        button->setChecked(FChecked);
    }
}

void TRadioButton::SetChecked(bool Value)
{
    if (Value == FChecked)
        return;
    FChecked = Value;
    SetTabStop(Value);
    ShowChecked();
    if (!Value)
        return;
    TurnSiblingsOff();
    if (!GetClicksDisabled())
        Click();
}

void TRadioButton::TurnSiblingsOff()
{
    TWinControl* parent = GetParent();
    if (!parent)
        return;
    for (int i = 0; i < parent->ControlCount(); ++i)
        if (auto* sibling = dynamic_cast<TRadioButton*>(parent->Controls(i)); sibling && sibling != this)
            sibling->SetChecked(false);
}

void TRadioButton::SetAlignment(TAlignment Value)
{
    FAlignment = Value;
    if (Button())
        Button()->setLayoutDirection(Value == taLeftJustify ? Qt::RightToLeft : Qt::LeftToRight);
}

void TRadioButton::ButtonClicked()
{
    // Qt may have unchecked a checked button; ours stays checked.
    const TControlRef<> alive(this);
    SetChecked(true);
    if (alive)
        ShowChecked();
}

void TRadioButton::Dispatch(TMessage& Message)
{
    if (Message.Msg == CM_DIALOGCHAR && IsAccel(static_cast<char32_t>(Message.WParam), GetText()) && CanFocus()) {
        SetFocus();
        if (Focused())
            SetChecked(true);
        Message.Result = 1;
        return;
    }
    TButtonControl::Dispatch(Message);
}

}  // namespace plat
