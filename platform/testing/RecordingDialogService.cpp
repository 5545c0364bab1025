#include "platform/testing/RecordingDialogService.h"

namespace plat::testing {

int RecordingDialogService::MessageBox(const std::string& Text, const std::string& Caption, unsigned Flags)
{
    int answer = MessageBoxDefaultId(Flags);
    if (!FAnswers.empty()) {
        answer = FAnswers.front();
        FAnswers.pop_front();
    }
    FShown.push_back({Text, Caption, Flags, answer});
    return answer;
}

std::vector<std::string> RecordingDialogService::Texts() const
{
    std::vector<std::string> texts;
    for (const TRecordedMessageBox& box : FShown)
        texts.push_back(box.Text);
    return texts;
}

HRESULT RecordingDialogService::TaskDialogIndirect(const TTaskDialogConfig& Config, int* Button, int* RadioButton,
                                                   bool* VerificationFlagChecked)
{
    TRecordedTaskDialog& record = FTaskDialogs.emplace_back();
    record.Config = Config;
    record.Config.Callback = nullptr;
    TRecordingTaskDialogWindow window(Config, record);
    window.Open();
    if (!FWhileShown.empty()) {
        const std::function<void(TRecordingTaskDialogWindow&)> step = std::move(FWhileShown.front());
        FWhileShown.pop_front();
        if (!window.Closed())
            step(window);
    }
    while (!window.Closed() && !FTaskDialogAnswers.empty()) {
        const TTaskDialogAnswer answer = FTaskDialogAnswers.front();
        FTaskDialogAnswers.pop_front();
        if (answer.RadioButton)
            window.ClickRadioButton(answer.RadioButton);
        if (answer.Verification)
            window.ClickVerification(*answer.Verification);
        window.ClickButton(answer.Button ? answer.Button : TaskDialogDefaultButton(Config));
    }
    if (!window.Closed())
        window.ClickButton(TaskDialogDefaultButton(Config));
    window.Destroy();
    if (!window.Closed()) {
        record.Result = E_FAIL;
        record.Button = record.RadioButton = 0;
        record.Verification = false;
    }
    if (Button)
        *Button = record.Button;
    if (RadioButton)
        *RadioButton = record.RadioButton;
    if (VerificationFlagChecked)
        *VerificationFlagChecked = record.Verification;
    return record.Result;
}

}  // namespace plat::testing
