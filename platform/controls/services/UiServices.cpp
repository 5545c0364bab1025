#include "platform/controls/services/UiServices.h"

#include "platform/core/Exception.h"
#include "platform/system/Environment.h"

namespace plat {

namespace {

template <typename Service>
Service& Installed(Service* Pointer, const char* Name)
{
    if (!Pointer)
        throw EInvalidOperation("No %s service is installed", {std::string(Name)});
    return *Pointer;
}

}  // namespace

ITimerService& Timers()
{
    return Installed(Env().Timers, "timer");
}

IMessageQueue& Messages()
{
    return Installed(Env().Messages, "message queue");
}

IDialogService& Dialogs()
{
    return Installed(Env().Dialogs, "dialog");
}

IPopupMenuService& Menus()
{
    return Installed(Env().Menus, "popup menu");
}

IInputState& Input()
{
    return Installed(Env().Input, "input state");
}

}  // namespace plat
