#pragma once

#include <string>

namespace plat {

class IBeeper;
class IClock;
class IHelpViewer;
class IHttpClient;
class IShell;
class IDialogService;
class IInputState;
class ILibraryLoader;
class IMonitorLayout;
class IMessageQueue;
class IPlatformInformation;
class IPopupMenuService;
class IThemeServices;
class ITimerService;

// The services that touch time, the user or the outside world, reached through one place so
// that a test can replace them (see platform/testing/ScopedEnvironment.h). The pointers do not
// own; the production services live for the whole process. Those of the system are there from
// the start.
struct Environment {
    IClock* Clock = nullptr;
    IHttpClient* Http = nullptr;
    IShell* Shell = nullptr;
    IHelpViewer* Help = nullptr;
    IBeeper* Beeper = nullptr;
    IPlatformInformation* Platform = nullptr;
    // Folder of the settings store, ending in '/': $XDG_CONFIG_HOME/skelda/, else
    // ~/.config/skelda/. Created when the store first writes.
    std::string ConfigDir;
    // User-interface services of platform/controls (reached through
    // platform/controls/services/UiServices.h); the program installs the production ones at
    // start-up (platform/controls/qt/ProductionServices.h).
    ITimerService* Timers = nullptr;
    IMessageQueue* Messages = nullptr;
    IDialogService* Dialogs = nullptr;
    IPopupMenuService* Menus = nullptr;
    IInputState* Input = nullptr;
    // The desktop's monitors (platform/controls/services/MonitorLayout.h); when none is
    // installed, Qt's screens.
    IMonitorLayout* Monitors = nullptr;
    // Visual styles of platform/graphics (reached through platform/graphics/ThemeServices.h),
    // installed at start-up with the user-interface services.
    IThemeServices* Themes = nullptr;
    // The libraries bound at run time (platform/system/LibraryLoader.h), installed at start-up
    // with the theme service, whose stand-in library draws through it.
    ILibraryLoader* Libraries = nullptr;
};

// The process-wide environment.
Environment& Env();

}  // namespace plat
