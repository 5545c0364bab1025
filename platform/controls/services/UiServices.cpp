#include "platform/controls/services/UiServices.h"

#include "platform/controls/services/InputState.h"
#include "platform/controls/qt/QtDialogService.h"
#include "platform/controls/qt/QtMessageQueue.h"
#include "platform/controls/qt/QtPopupMenuService.h"
#include "platform/controls/qt/QtTimerService.h"
#include "platform/system/Environment.h"

namespace plat {

// The production services live for the whole process; they are made on first use, when Qt is
// there, and never destroyed, since controls may still call them while the program ends.

ITimerService& Timers()
{
    if (ITimerService* service = Env().Timers)
        return *service;
    static auto* production = new QtTimerService;
    return *production;
}

IMessageQueue& Messages()
{
    if (IMessageQueue* service = Env().Messages)
        return *service;
    static auto* production = new QtMessageQueue;
    return *production;
}

IDialogService& Dialogs()
{
    if (IDialogService* service = Env().Dialogs)
        return *service;
    static auto* production = new QtDialogService;
    return *production;
}

IPopupMenuService& Menus()
{
    if (IPopupMenuService* service = Env().Menus)
        return *service;
    static auto* production = new QtPopupMenuService;
    return *production;
}

IInputState& Input()
{
    if (IInputState* service = Env().Input)
        return *service;
    static auto* production = new TTrackedInputState;
    return *production;
}

}  // namespace plat
