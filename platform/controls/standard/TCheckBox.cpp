#include "platform/controls/standard/TCheckBox.h"

#include "platform/controls/qt/HostWidget.h"
#include "platform/controls/qt/NativeWidgetSupport.h"

#include <QCheckBox>
#include <QSignalBlocker>

namespace plat {

TCheckBox::TCheckBox(TComponent* AOwner) : TButtonControl(AOwner)
{
    SetBounds(0, 0, 97, 17);
}

TWindowHost* TCheckBox::CreateHost(const TCreateParams&)
{
    return new THostWidget<TWholeAreaButton<QCheckBox>>(this);
}

void TCheckBox::CreateWnd()
{
    TButtonControl::CreateWnd();
    Button()->setLayoutDirection(FAlignment == taLeftJustify ? Qt::RightToLeft : Qt::LeftToRight);
    ShowState();
}

void TCheckBox::ShowState()
{
    auto* box = static_cast<QCheckBox*>(Button());
    if (!box)
        return;
    const QSignalBlocker blocker(box);
    box->setTristate(FAllowGrayed || FState == cbGrayed);
    box->setCheckState(FState == cbChecked  ? Qt::Checked
                       : FState == cbGrayed ? Qt::PartiallyChecked
                                            : Qt::Unchecked);
}

void TCheckBox::SetState(TCheckBoxState Value)
{
    if (Value == FState)
        return;
    FState = Value;
    ShowState();
    if (!GetClicksDisabled())
        Click();
}

void TCheckBox::SetAllowGrayed(bool Value)
{
    FAllowGrayed = Value;
    ShowState();
}

void TCheckBox::SetAlignment(TAlignment Value)
{
    FAlignment = Value;
    if (Button())
        Button()->setLayoutDirection(Value == taLeftJustify ? Qt::RightToLeft : Qt::LeftToRight);
}

void TCheckBox::Toggle()
{
    switch (FState) {
    case cbUnchecked:
        SetState(FAllowGrayed ? cbGrayed : cbChecked);
        break;
    case cbChecked:
        SetState(cbUnchecked);
        break;
    case cbGrayed:
        SetState(cbChecked);
        break;
    }
}

void TCheckBox::ButtonClicked()
{
    // Qt has stepped its own state already; ours decides.
    const TControlRef<> alive(this);
    Toggle();
    if (alive)
        ShowState();
}

void TCheckBox::Dispatch(TMessage& Message)
{
    if (Message.Msg == CM_DIALOGCHAR && IsAccel(static_cast<char32_t>(Message.WParam), GetText()) && CanFocus()) {
        SetFocus();
        if (Focused())
            Toggle();
        Message.Result = 1;
        return;
    }
    TButtonControl::Dispatch(Message);
}

}  // namespace plat
