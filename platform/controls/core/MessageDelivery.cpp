#include "platform/controls/core/MessageDelivery.h"

#include "platform/controls/core/TControl.h"
#include "platform/controls/services/MessageQueue.h"
#include "platform/controls/services/UiServices.h"

namespace plat {

void PostMessage(TControl* Target, unsigned Msg, WPARAM WParam, LPARAM LParam)
{
    if (Target)
        Messages().Post(Target, TMessage{Msg, WParam, LParam, 0});
}

LRESULT SendMessage(TControl* Target, unsigned Msg, WPARAM WParam, LPARAM LParam)
{
    return Target ? Target->Perform(Msg, WParam, LParam) : 0;
}

}  // namespace plat
