#pragma once

namespace plat {

class IDialogService;
class IInputState;
class IMessageQueue;
class IPopupMenuService;
class ITimerService;

// The user-interface services of the environment (plat::Env()); where the environment holds
// none, the production service.
ITimerService& Timers();
IMessageQueue& Messages();
IDialogService& Dialogs();
IPopupMenuService& Menus();
IInputState& Input();

}  // namespace plat
