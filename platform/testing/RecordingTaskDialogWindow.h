#pragma once

#include "platform/controls/services/TaskDialog.h"

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace plat::testing {

// A message sent to a recorded task dialog's window; Text holds the text of
// TDM_UPDATE_ELEMENT_TEXT.
struct TTaskDialogMessage {
    unsigned Msg = 0;
    std::uintptr_t WParam = 0;
    std::intptr_t LParam = 0;
    std::string Text;
};

// A task dialog as the recording dialog service showed it: what it was asked to show (without
// its callback), the messages its window got, and how it ended.
struct TRecordedTaskDialog {
    TTaskDialogConfig Config;
    std::vector<TTaskDialogMessage> Messages;
    HRESULT Result = S_OK;
    int Button = 0;
    int RadioButton = 0;
    bool Verification = false;
};

// The window of a recorded task dialog while it is shown. A test acts through it as the user
// would, and it answers the callback's messages as the dialog does: TDM_CLICK_BUTTON presses a
// shown, enabled button, TDM_ENABLE_BUTTON enables or disables one; every message is recorded.
// Once a button has closed the dialog, the user's actions do nothing. The callback runs inside
// the exception boundary, as in production.
class TRecordingTaskDialogWindow : public ITaskDialogWindow {
public:
    TRecordingTaskDialogWindow(const TTaskDialogConfig& Config, TRecordedTaskDialog& Record);

    std::intptr_t Perform(unsigned Msg, std::uintptr_t WParam, std::intptr_t LParam) override;

    // TDN_DIALOG_CONSTRUCTED and TDN_CREATED; TDN_DESTROYED.
    void Open();
    void Destroy();

    // The button of that id, when shown and enabled: TDN_BUTTON_CLICKED, and the dialog closes
    // unless the callback answers S_FALSE.
    void ClickButton(int ButtonID);
    void ClickRadioButton(int ButtonID);
    void ClickVerification(bool Checked);
    void ClickLink(const std::string& Href);
    void ClickExpando();
    void PressHelp();
    // One tick of the dialog's 200 ms timer, when it has one (TDF_CALLBACK_TIMER).
    void Tick();

    bool Closed() const { return FClosed; }
    bool ButtonEnabled(int ButtonID) const;
    bool Expanded() const { return FExpanded; }

private:
    HRESULT Notify(unsigned Notification, std::uintptr_t WParam = 0, std::intptr_t LParam = 0);

    const TTaskDialogConfig& FConfig;
    TRecordedTaskDialog& FRecord;
    std::vector<int> FButtons;
    std::set<int> FDisabled;
    bool FClosed = false;
    bool FExpanded = false;
    std::uintptr_t FElapsedMs = 0;
};

}  // namespace plat::testing
