#include "platform/controls/forms/TApplicationEvents.h"

namespace plat {

TApplicationEvents::TApplicationEvents(TComponent* AOwner) : TComponent(AOwner)
{
    Application->AddEventsListener(this);
}

TApplicationEvents::~TApplicationEvents()
{
    Application->RemoveEventsListener(this);
}

void TApplicationEvents::ShowHint(std::string& HintStr, bool& CanShow, THintInfo& HintInfo)
{
    if (OnShowHint)
        OnShowHint(HintStr, CanShow, HintInfo);
}

}  // namespace plat
