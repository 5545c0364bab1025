#include "platform/controls/core/TControlActionLink.h"

#include "platform/controls/core/TControl.h"
#include "platform/controls/core/TCustomAction.h"

namespace plat {

TControlActionLink::~TControlActionLink()
{
    if (FAction)
        FAction->UnRegisterChanges(this);
}

void TControlActionLink::SetAction(TCustomAction* Value)
{
    if (FAction == Value)
        return;
    if (FAction)
        FAction->UnRegisterChanges(this);
    FAction = Value;
    if (FAction)
        FAction->RegisterChanges(this);
}

bool TControlActionLink::Execute()
{
    return FAction && FAction->Execute();
}

bool TControlActionLink::IsCaptionLinked()
{
    return FAction && FClient && FClient->GetCaption() == FAction->GetCaption();
}

bool TControlActionLink::IsCheckedLinked()
{
    return FAction != nullptr;
}

bool TControlActionLink::IsEnabledLinked()
{
    return FAction && FClient && FClient->GetEnabled() == FAction->GetEnabled();
}

bool TControlActionLink::IsGroupIndexLinked()
{
    return FAction != nullptr;
}

bool TControlActionLink::IsHelpLinked()
{
    return FAction && FClient && FClient->GetHelpContext() == FAction->GetHelpContext() &&
           FClient->GetHelpKeyword() == FAction->GetHelpKeyword() && FClient->GetHelpType() == FAction->GetHelpType();
}

bool TControlActionLink::IsHintLinked()
{
    return FAction && FClient && FClient->GetHint() == FAction->GetHint();
}

bool TControlActionLink::IsImageIndexLinked()
{
    return FAction != nullptr;
}

bool TControlActionLink::IsVisibleLinked()
{
    return FAction && FClient && FClient->GetVisible() == FAction->GetVisible();
}

void TControlActionLink::SetCaption(const std::string& Value)
{
    if (IsCaptionLinked())
        FClient->SetCaption(Value);
}

void TControlActionLink::SetChecked(bool) {}

void TControlActionLink::SetEnabled(bool Value)
{
    if (IsEnabledLinked())
        FClient->SetEnabled(Value);
}

void TControlActionLink::SetGroupIndex(int) {}

void TControlActionLink::SetHelpContext(int Value)
{
    if (IsHelpLinked())
        FClient->SetHelpContext(Value);
}

void TControlActionLink::SetHelpKeyword(const std::string& Value)
{
    if (IsHelpLinked())
        FClient->SetHelpKeyword(Value);
}

void TControlActionLink::SetHelpType(THelpType Value)
{
    if (IsHelpLinked())
        FClient->SetHelpType(Value);
}

void TControlActionLink::SetHint(const std::string& Value)
{
    if (IsHintLinked())
        FClient->SetHint(Value);
}

void TControlActionLink::SetImageIndex(int) {}

void TControlActionLink::SetVisible(bool Value)
{
    if (IsVisibleLinked())
        FClient->SetVisible(Value);
}

}  // namespace plat
