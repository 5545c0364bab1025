#pragma once

#include "platform/controls/core/ControlTypes.h"
#include "platform/controls/forms/HintInfo.h"
#include "platform/controls/forms/IFormRunner.h"
#include "platform/core/TComponent.h"
#include "platform/graphics/Colors.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace plat {

class Exception;
class TCustomForm;

namespace testing {
class UiTestEnvironment;
}

using TExceptionEvent = std::function<void(TObject* Sender, const Exception& E)>;
using TShowHintEvent = std::function<void(std::string& HintStr, bool& CanShow, THintInfo& HintInfo)>;

// What hears the application's events after its own handlers (TApplicationEvents).
class IApplicationEventsListener {
public:
    virtual void ShowHint(std::string& HintStr, bool& CanShow, THintInfo& HintInfo) = 0;

protected:
    ~IApplicationEventsListener() = default;
};

// The program as a whole: its forms (which it owns), the message loop, hint settings and the
// place every exception that reaches the event loop ends up.
class TApplication : public TComponent, public IFormRunner {
public:
    TApplication();
    ~TApplication() override;

    std::string ClassName() const override { return "TApplication"; }

    // The caption of message boxes; the program's name when not set.
    std::string GetTitle() const;
    void SetTitle(const std::string& Value) { FTitle = Value; }
    // The reading order forms built at run time take (dialogs copy it); left to right by default.
    TBiDiMode GetBiDiMode() const { return FBiDiMode; }
    void SetBiDiMode(TBiDiMode Value) { FBiDiMode = Value; }
    const std::string& GetHelpFile() const { return FHelpFile; }
    void SetHelpFile(const std::string& Value) { FHelpFile = Value; }

    // The first form made by CreateForm; closing it ends the program.
    TCustomForm* MainForm() const override { return FMainForm; }
    // Makes a form owned by the application and runs its OnCreate.
    template <typename T, typename... Args>
    T* CreateForm(Args&&... args)
    {
        T* form = new T(this, std::forward<Args>(args)...);
        if (!FMainForm)
            FMainForm = form;
        form->AfterConstruction();
        return form;
    }

    // Handles every waiting message, then returns.
    void ProcessMessages();
    // Handles one message, waiting for one if none is there. False when there is nothing
    // left to wait for (only under a test message queue).
    bool HandleMessage();
    // Shows the main form and runs the message loop until Terminate.
    void Run();
    void Terminate() override;
    bool Terminated() const override { return FTerminated; }

    TColor GetHintColor() const { return FHintColor; }
    void SetHintColor(TColor Value) { FHintColor = Value; }
    // Milliseconds the cursor rests before a hint shows; between hints of neighbouring controls
    // the short pause applies; a hint hides after the hide pause.
    int GetHintPause() const { return FHintPause; }
    void SetHintPause(int Value) { FHintPause = Value; }
    int GetHintShortPause() const { return FHintShortPause; }
    void SetHintShortPause(int Value) { FHintShortPause = Value; }
    int GetHintHidePause() const { return FHintHidePause; }
    void SetHintHidePause(int Value) { FHintHidePause = Value; }
    bool GetShowHint() const { return FShowHint; }
    void SetShowHint(bool Value);
    // Makes the hint windows; THintWindow unless set.
    THintWindowClass HintWindowClass;
    void CancelHint() override;

    int MessageBox(const std::string& Text, const std::string& Caption, unsigned Flags);

    // Call inside a catch block: the exception goes to OnException when assigned, else a
    // message box shows its message. EAbort is silent. Never raises.
    void HandleException(TObject* Sender);
    void ShowException(const Exception& E);

    TExceptionEvent OnException;
    TShowHintEvent OnShowHint;

    // Before each hint: OnShowHint, then each listener, in the order they came (the events
    // components, TApplicationEvents.h).
    void DoShowHint(std::string& HintStr, bool& CanShow, THintInfo& HintInfo);
    void AddEventsListener(IApplicationEventsListener* Events);
    void RemoveEventsListener(IApplicationEventsListener* Events);

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    friend class testing::UiTestEnvironment;

    std::string FTitle;
    TBiDiMode FBiDiMode = bdLeftToRight;
    std::string FHelpFile;
    TCustomForm* FMainForm = nullptr;
    bool FTerminated = false;
    TColor FHintColor = clInfoBk;
    int FHintPause = 500;
    int FHintShortPause = 50;
    int FHintHidePause = 2500;
    bool FShowHint = true;
    std::vector<IApplicationEventsListener*> FEventsListeners;
};

TApplication& TheApplication();

// The application object: Application->Title, new TForm(Application), ...
struct TApplicationRef {
    TApplication* operator->() const { return &TheApplication(); }
    TApplication& operator*() const { return TheApplication(); }
    operator TApplication*() const { return &TheApplication(); }
};
inline constexpr TApplicationRef Application{};

// A message box with the application's title and an OK button.
void ShowMessage(const std::string& Msg);

}  // namespace plat
