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

}  // namespace plat
