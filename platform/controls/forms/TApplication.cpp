#include "platform/controls/forms/TApplication.h"

#include "platform/controls/core/ExceptionBoundary.h"
#include "platform/controls/core/DragSession.h"
#include "platform/controls/core/KeyboardFocus.h"
#include "platform/controls/forms/DragTarget.h"
#include "platform/controls/forms/TCustomDockForm.h"
#include "platform/controls/forms/FocusManager.h"
#include "platform/controls/forms/HintManager.h"
#include "platform/controls/forms/TForm.h"
#include "platform/controls/services/DialogService.h"
#include "platform/controls/services/MessageQueue.h"
#include "platform/controls/services/UiServices.h"
#include "platform/core/Exception.h"

#include <QCoreApplication>

#include <algorithm>

namespace plat {

TApplication& TheApplication()
{
    // Never destroyed: the forms it owns must go while Qt is still there, which the program's
    // main sees to (Application->DestroyComponents()).
    static auto* application = new TApplication;
    return *application;
}

TApplication::TApplication() : TComponent(nullptr)
{
    // The controls below the forms know neither: exceptions at the edge of an event end up here,
    // and the focus moves through the forms.
    SetBoundaryHandler([](TObject* Sender) { TheApplication().HandleException(Sender); });
    SetFocusKeeper(&FocusManager::Keeper());
    SetFormRunner(this);
    // The drag runs in its session, finds its targets among the forms, and a control docked to
    // no site gets a form of the application's.
    SetDragRunner(&TDragSession::Runner());
    SetDragTargetFinder(&FindDragTarget);
    SetFloatingDockHostMaker([](TControl& Client, const TRect& ScreenRect) {
        return TCustomDockForm::MakeFloatingHost(&TheApplication(), Client, ScreenRect);
    });
}

TApplication::~TApplication() = default;

std::string TApplication::GetTitle() const
{
    if (!FTitle.empty() || !QCoreApplication::instance())
        return FTitle;
    return QCoreApplication::applicationName().toStdString();
}

void TApplication::ProcessMessages()
{
    Messages().ProcessAll();
}

bool TApplication::HandleMessage()
{
    return Messages().ProcessOne(true);
}

void TApplication::Run()
{
    if (FMainForm)
        FMainForm->Show();
    while (!FTerminated)
        if (!HandleMessage())
            break;
}

void TApplication::Terminate()
{
    FTerminated = true;
}

void TApplication::SetShowHint(bool Value)
{
    FShowHint = Value;
    if (!Value)
        CancelHint();
}

void TApplication::DoShowHint(std::string& HintStr, bool& CanShow, THintInfo& HintInfo)
{
    if (OnShowHint)
        OnShowHint(HintStr, CanShow, HintInfo);
    // A handler may free an events component (or make one): walk a copy, skip the freed.
    const std::vector<IApplicationEventsListener*> listeners = FEventsListeners;
    for (IApplicationEventsListener* events : listeners)
        if (std::find(FEventsListeners.begin(), FEventsListeners.end(), events) != FEventsListeners.end())
            events->ShowHint(HintStr, CanShow, HintInfo);
}

void TApplication::AddEventsListener(IApplicationEventsListener* Events)
{
    FEventsListeners.push_back(Events);
}

void TApplication::RemoveEventsListener(IApplicationEventsListener* Events)
{
    std::erase(FEventsListeners, Events);
}

void TApplication::CancelHint()
{
    HintManager::CancelHint();
}

int TApplication::MessageBox(const std::string& Text, const std::string& Caption, unsigned Flags)
{
    return Dialogs().MessageBox(Text, Caption, Flags);
}

void TApplication::HandleException(TObject* Sender)
{
    try {
        const std::exception_ptr current = std::current_exception();
        if (!current)
            return;
        try {
            std::rethrow_exception(current);
        } catch (const EAbort&) {
            return;
        } catch (const Exception& e) {
            if (OnException)
                OnException(Sender, e);
            else
                ShowException(e);
        } catch (const std::exception& e) {
            const Exception wrapped(e.what());
            if (OnException)
                OnException(Sender, wrapped);
            else
                ShowException(wrapped);
        } catch (...) {
            const Exception wrapped("Unknown exception");
            if (OnException)
                OnException(Sender, wrapped);
            else
                ShowException(wrapped);
        }
    } catch (...) {
        // The handler itself failed; there is nobody left to tell.
    }
}

void TApplication::ShowException(const Exception& E)
{
    std::string message = E.Message();
    if (!message.empty() && message.back() != '.')
        message += '.';
    MessageBox(message, GetTitle(), MB_OK | MB_ICONSTOP);
}

void TApplication::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FMainForm)
        FMainForm = nullptr;
}

void ShowMessage(const std::string& Msg)
{
    Dialogs().MessageBox(Msg, Application->GetTitle(), MB_OK);
}

}  // namespace plat
