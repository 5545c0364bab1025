#pragma once

namespace plat {

class IDialogService;
class IInputState;
class IMessageQueue;
class IPopupMenuService;
class ITimerService;

// The user-interface services of the environment (plat::Env()). The program installs the
// production ones at start-up (InstallProductionServices, platform/controls/qt/ProductionServices.h);
// a test replaces them (platform/testing/UiTestEnvironment.h). Asking for one that nobody
// installed raises EInvalidOperation.
ITimerService& Timers();
IMessageQueue& Messages();
IDialogService& Dialogs();
IPopupMenuService& Menus();
IInputState& Input();

}  // namespace plat
