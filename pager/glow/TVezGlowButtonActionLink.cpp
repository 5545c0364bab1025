#include "pager/glow/TVezGlowButtonActionLink.h"

#include "pager/glow/TVezCustomGlowButton.h"
#include "platform/controls/core/TCustomAction.h"

namespace skelda::pager {

void TVezGlowButtonActionLink::AssignClient(plat::TControl& AClient)
{
    plat::TControlActionLink::AssignClient(AClient);
    FClient = dynamic_cast<TVezCustomGlowButton*>(&AClient);
}

bool TVezGlowButtonActionLink::IsCheckedLinked()
{
    const bool linked = plat::TControlActionLink::IsCheckedLinked() && FClient &&
                        GetAction()->GetChecked() == FClient->GetDown();
    if (FClient)
        FClient->FCheckLinked = linked;
    return linked;
}

bool TVezGlowButtonActionLink::IsGroupIndexLinked()
{
    const bool linked = GetAction() && FClient && GetAction()->GetGroupIndex() == FClient->GetGroupIndex();
    if (FClient)
        FClient->FGroupIndexLinked = linked;
    return linked;
}

bool TVezGlowButtonActionLink::IsHelpLinked()
{
    return GetAction() && FClient && GetAction()->GetHelpContext() == FClient->GetHelpContext() &&
           GetAction()->GetHelpKeyword() == FClient->GetHelpKeyword() &&
           GetAction()->GetHelpType() == FClient->GetHelpType();
}

bool TVezGlowButtonActionLink::IsImageIndexLinked()
{
    return plat::TControlActionLink::IsImageIndexLinked() && GetAction()->GetImageIndex() == FImageIndex;
}

void TVezGlowButtonActionLink::SetChecked(bool Value)
{
    if (IsCheckedLinked())
        FClient->SetDown(Value);
}

void TVezGlowButtonActionLink::SetGroupIndex(int Value)
{
    if (IsGroupIndexLinked())
        FClient->SetGroupIndex(Value);
}

void TVezGlowButtonActionLink::SetHelpContext(int Value)
{
    if (IsHelpLinked())
        FClient->SetHelpContext(Value);
}

void TVezGlowButtonActionLink::SetHelpKeyword(const std::string& Value)
{
    if (IsHelpLinked())
        FClient->SetHelpKeyword(Value);
}

void TVezGlowButtonActionLink::SetHelpType(plat::THelpType Value)
{
    if (IsHelpLinked())
        FClient->SetHelpType(Value);
}

void TVezGlowButtonActionLink::SetImageIndex(int Value)
{
    if (!IsImageIndexLinked() || !FClient)
        return;
    FImageIndex = Value;
    FClient->Invalidate();
    FClient->SetImageIndex(Value);
}

}  // namespace skelda::pager
