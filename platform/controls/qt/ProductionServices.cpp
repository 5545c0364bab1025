#include "platform/controls/qt/ProductionServices.h"

#include "platform/controls/core/WindowHost.h"
#include "platform/controls/forms/TApplication.h"
#include "platform/controls/qt/HostWidget.h"
#include "platform/controls/qt/QtDialogService.h"
#include "platform/controls/qt/QtHelpViewer.h"
#include "platform/controls/qt/QtMessageQueue.h"
#include "platform/controls/qt/QtPopupMenuService.h"
#include "platform/controls/qt/QtTimerService.h"
#include "platform/controls/services/InputState.h"
#include "platform/graphics/QtThemeServices.h"
#include "platform/graphics/StandInLibraries.h"
#include "platform/system/Environment.h"

namespace plat {

void InstallProductionServices()
{
    // Made once and never destroyed: controls may still call them while the program ends.
    static auto* timers = new QtTimerService;
    static auto* messages = new QtMessageQueue;
    static auto* dialogs = new QtDialogService;
    static auto* menus = new QtPopupMenuService;
    static auto* input = new TTrackedInputState;
    static auto* themes = new QtThemeServices;
    static auto* help = new QtHelpViewer;
    static auto* libraries = new TLibraryTable(MakeStandInLibraries());
    Environment& env = Env();
    env.Timers = timers;
    env.Messages = messages;
    env.Dialogs = dialogs;
    env.Menus = menus;
    env.Input = input;
    env.Themes = themes;
    env.Help = help;
    env.Libraries = libraries;
    SetDefaultWindowHostFactory([](TWinControl& Control) { return new THostWidget<QWidget>(&Control); });
    TheApplication();
}

}  // namespace plat
