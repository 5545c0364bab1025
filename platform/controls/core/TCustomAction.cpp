#include "platform/controls/core/TCustomAction.h"

#include "platform/controls/core/TControlActionLink.h"
#include "platform/controls/core/TCustomActionList.h"

#include <algorithm>

namespace plat {

TCustomAction::TCustomAction(TComponent* AOwner) : TComponent(AOwner) {}

TCustomAction::~TCustomAction()
{
    // The links outlive the action in their controls; they must not reach back into it.
    for (TControlActionLink* link : FClients)
        link->ActionFreed();
    FClients.clear();
    SetActionList(nullptr);
}

void TCustomAction::SetActionList(TCustomActionList* List)
{
    if (FActionList == List)
        return;
    if (FActionList)
        FActionList->RemoveAction(this);
    FActionList = List;
    if (FActionList)
        FActionList->AddAction(this);
}

template <typename T, typename Arg>
bool TCustomAction::Update(T& Field, const T& Value, void (TControlActionLink::*Tell)(Arg))
{
    if (Field == Value)
        return false;
    // A copy: a link's client may drop its link; a link gone meanwhile is skipped.
    const std::vector<TControlActionLink*> links = FClients;
    for (TControlActionLink* link : links)
        if (std::find(FClients.begin(), FClients.end(), link) != FClients.end())
            (link->*Tell)(Value);
    Field = Value;
    return true;
}

void TCustomAction::SetCaption(const std::string& Value)
{
    Update(FCaption, Value, &TControlActionLink::SetCaption);
}

void TCustomAction::SetChecked(bool Value)
{
    if (Update(FChecked, Value, &TControlActionLink::SetChecked) && Value && FGroupIndex > 0)
        UncheckGroup();
}

void TCustomAction::UncheckGroup()
{
    if (!FActionList)
        return;
    for (int i = 0; i < FActionList->ActionCount(); ++i) {
        TCustomAction* other = FActionList->Actions(i);
        if (other != this && other->FGroupIndex == FGroupIndex)
            other->SetChecked(false);
    }
}

void TCustomAction::SetEnabled(bool Value)
{
    Update(FEnabled, Value, &TControlActionLink::SetEnabled);
}

void TCustomAction::SetGroupIndex(int Value)
{
    if (Update(FGroupIndex, Value, &TControlActionLink::SetGroupIndex) && FChecked && FGroupIndex > 0)
        UncheckGroup();
}

void TCustomAction::SetHelpContext(int Value)
{
    Update(FHelpContext, Value, &TControlActionLink::SetHelpContext);
}

void TCustomAction::SetHelpKeyword(const std::string& Value)
{
    Update(FHelpKeyword, Value, &TControlActionLink::SetHelpKeyword);
}

void TCustomAction::SetHelpType(THelpType Value)
{
    Update(FHelpType, Value, &TControlActionLink::SetHelpType);
}

void TCustomAction::SetHint(const std::string& Value)
{
    Update(FHint, Value, &TControlActionLink::SetHint);
}

void TCustomAction::SetImageIndex(int Value)
{
    Update(FImageIndex, Value, &TControlActionLink::SetImageIndex);
}

void TCustomAction::SetVisible(bool Value)
{
    Update(FVisible, Value, &TControlActionLink::SetVisible);
}

bool TCustomAction::Execute()
{
    if (!FEnabled)
        return false;
    if (FAutoCheck && (!FChecked || FGroupIndex <= 0))
        SetChecked(!FChecked);
    if (!OnExecute)
        return false;
    OnExecute(this);
    return true;
}

void TCustomAction::RegisterChanges(TControlActionLink* Link)
{
    if (Link && std::find(FClients.begin(), FClients.end(), Link) == FClients.end())
        FClients.push_back(Link);
}

void TCustomAction::UnRegisterChanges(TControlActionLink* Link)
{
    std::erase(FClients, Link);
}

}  // namespace plat
