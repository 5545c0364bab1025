#pragma once

#include "platform/controls/core/ControlTypes.h"
#include "platform/controls/forms/HintInfo.h"
#include "platform/controls/services/InputState.h"
#include "platform/testing/FakeTimerService.h"
#include "platform/testing/InputSimulator.h"
#include "platform/testing/RecordingDialogService.h"
#include "platform/testing/ScopedEnvironment.h"
#include "platform/testing/ScriptedPopupMenuService.h"
#include "platform/testing/TestMessageQueue.h"

#include <string>
#include <vector>

namespace plat::testing {

// Everything a test of controls needs, for the life of the object: the test environment of
// ScopedEnvironment (fake clock, recorders), timers on the fake clock, posted messages that wait
// for Pump(), message boxes recorded and answered from a script, scripted popup menus, an input
// state of its own and the input simulator. The application starts afresh (not terminated,
// default hint settings, no handlers, the system's monitors) and, at the end, frees the forms it owns and is put back.
//
// Declare it before the controls of the test, so that they go first.
class UiTestEnvironment {
public:
    UiTestEnvironment();
    ~UiTestEnvironment();
    UiTestEnvironment(const UiTestEnvironment&) = delete;
    UiTestEnvironment& operator=(const UiTestEnvironment&) = delete;

    ScopedEnvironment& Base() { return FBase; }
    FakeClock& Clock() { return FBase.Clock(); }
    FakeTimerService& Timers() { return FTimers; }
    TestMessageQueue& Queue() { return FQueue; }
    void Pump() { FQueue.Pump(); }
    RecordingDialogService& Dialogs() { return FDialogs; }
    ScriptedPopupMenuService& Menus() { return FMenus; }
    TTrackedInputState& Input() { return FInput; }
    InputSimulator& Simulator() { return FSimulator; }

    // The messages of the exceptions that reached Application->HandleException and were shown
    // (message boxes with the stop icon).
    std::vector<std::string> ErrorBoxes() const;

private:
    void ResetApplication();

    ScopedEnvironment FBase;
    FakeTimerService FTimers{FBase.Clock()};
    TestMessageQueue FQueue;
    RecordingDialogService FDialogs;
    ScriptedPopupMenuService FMenus;
    TTrackedInputState FInput;
    InputSimulator FSimulator{FBase.Clock()};
    std::string FSavedTitle;
};

}  // namespace plat::testing
