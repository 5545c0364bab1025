#include "platform/testing/RecordingTaskDialogWindow.h"

#include "platform/controls/core/ExceptionBoundary.h"

#include <algorithm>

namespace plat::testing {

namespace {

constexpr int kTimerIntervalMs = 200;

}  // namespace

TRecordingTaskDialogWindow::TRecordingTaskDialogWindow(const TTaskDialogConfig& Config, TRecordedTaskDialog& Record)
    : FConfig(Config), FRecord(Record), FButtons(TaskDialogButtonIds(Config)),
      FExpanded((Config.Flags & TDF_EXPANDED_BY_DEFAULT) != 0)
{
    FRecord.RadioButton = TaskDialogDefaultRadioButton(Config);
    FRecord.Verification = (Config.Flags & TDF_VERIFICATION_FLAG_CHECKED) != 0;
}

HRESULT TRecordingTaskDialogWindow::Notify(unsigned Notification, std::uintptr_t WParam, std::intptr_t LParam)
{
    HRESULT result = S_OK;
    if (FConfig.Callback)
        Guarded(nullptr, [&] { result = FConfig.Callback(this, Notification, WParam, LParam); });
    return result;
}

void TRecordingTaskDialogWindow::Open()
{
    Notify(TDN_DIALOG_CONSTRUCTED);
    if (!FClosed)
        Notify(TDN_CREATED);
}

void TRecordingTaskDialogWindow::Destroy()
{
    Notify(TDN_DESTROYED);
}

std::intptr_t TRecordingTaskDialogWindow::Perform(unsigned Msg, std::uintptr_t WParam, std::intptr_t LParam)
{
    TTaskDialogMessage message{Msg, WParam, LParam, {}};
    if (Msg == TDM_UPDATE_ELEMENT_TEXT && LParam)
        message.Text = reinterpret_cast<const char*>(LParam);
    FRecord.Messages.push_back(message);
    const int id = static_cast<int>(WParam);
    if (Msg == TDM_CLICK_BUTTON)
        ClickButton(id);
    else if (Msg == TDM_ENABLE_BUTTON && LParam)
        FDisabled.erase(id);
    else if (Msg == TDM_ENABLE_BUTTON)
        FDisabled.insert(id);
    return 0;
}

bool TRecordingTaskDialogWindow::ButtonEnabled(int ButtonID) const
{
    return std::find(FButtons.begin(), FButtons.end(), ButtonID) != FButtons.end() && !FDisabled.contains(ButtonID);
}

void TRecordingTaskDialogWindow::ClickButton(int ButtonID)
{
    if (FClosed || !ButtonEnabled(ButtonID))
        return;
    if (Notify(TDN_BUTTON_CLICKED, static_cast<std::uintptr_t>(ButtonID)) == S_FALSE || FClosed)
        return;
    FClosed = true;
    FRecord.Button = ButtonID;
}

void TRecordingTaskDialogWindow::ClickRadioButton(int ButtonID)
{
    const bool shown = std::any_of(FConfig.RadioButtons.begin(), FConfig.RadioButtons.end(),
                                   [ButtonID](const TTaskDialogButton& b) { return b.ButtonID == ButtonID; });
    if (FClosed || !shown)
        return;
    FRecord.RadioButton = ButtonID;
    Notify(TDN_RADIO_BUTTON_CLICKED, static_cast<std::uintptr_t>(ButtonID));
}

void TRecordingTaskDialogWindow::ClickVerification(bool Checked)
{
    if (FClosed || FConfig.VerificationText.empty() || FRecord.Verification == Checked)
        return;
    FRecord.Verification = Checked;
    Notify(TDN_VERIFICATION_CLICKED, Checked ? 1 : 0);
}

void TRecordingTaskDialogWindow::ClickLink(const std::string& Href)
{
    if (!FClosed && (FConfig.Flags & TDF_ENABLE_HYPERLINKS))
        Notify(TDN_HYPERLINK_CLICKED, 0, reinterpret_cast<std::intptr_t>(Href.c_str()));
}

void TRecordingTaskDialogWindow::ClickExpando()
{
    if (FClosed || FConfig.ExpandedInformation.empty())
        return;
    FExpanded = !FExpanded;
    Notify(TDN_EXPANDO_BUTTON_CLICKED, FExpanded ? 1 : 0);
}

void TRecordingTaskDialogWindow::PressHelp()
{
    if (!FClosed)
        Notify(TDN_HELP);
}

void TRecordingTaskDialogWindow::Tick()
{
    if (FClosed || !(FConfig.Flags & TDF_CALLBACK_TIMER))
        return;
    FElapsedMs += kTimerIntervalMs;
    if (Notify(TDN_TIMER, FElapsedMs) == S_FALSE)
        FElapsedMs = 0;
}

}  // namespace plat::testing
