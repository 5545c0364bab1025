#include "platform/testing/UiTestEnvironment.h"

#include "platform/controls/forms/FocusManager.h"
#include "platform/controls/forms/HintManager.h"
#include "platform/controls/forms/TApplication.h"
#include "platform/controls/forms/TScreen.h"
#include "platform/controls/services/DialogService.h"

#include <QCoreApplication>
#include <QEvent>

namespace plat::testing {

UiTestEnvironment::UiTestEnvironment()
{
    Environment& env = Env();
    env.Timers = &FTimers;
    env.Messages = &FQueue;
    env.Dialogs = &FDialogs;
    env.Menus = &FMenus;
    env.Input = &FInput;
    FSavedTitle = Application->GetTitle();
    ResetApplication();
}

UiTestEnvironment::~UiTestEnvironment()
{
    HintManager::CancelHint();
    ReleaseCapture();
    Application->DestroyComponents();
    FocusManager::SetFocus(nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ResetApplication();
    Application->SetTitle(FSavedTitle);
}

void UiTestEnvironment::ResetApplication()
{
    TApplication& application = TheApplication();
    application.FTerminated = false;
    application.OnException = nullptr;
    application.OnShowHint = nullptr;
    application.HintWindowClass = nullptr;
    application.SetShowHint(true);
    application.SetHintColor(clInfoBk);
    application.SetHintPause(500);
    application.SetHintShortPause(50);
    application.SetHintHidePause(2500);
    TheScreen().SetCursor(crDefault);
    TheScreen().SetMonitorLayout({});
}

std::vector<std::string> UiTestEnvironment::ErrorBoxes() const
{
    std::vector<std::string> texts;
    for (const TRecordedMessageBox& box : FDialogs.Shown())
        if ((box.Flags & MB_ICONMASK) == MB_ICONSTOP)
            texts.push_back(box.Text);
    return texts;
}

}  // namespace plat::testing
