#pragma once

#include "platform/controls/services/DialogService.h"
#include "platform/testing/RecordingTaskDialogWindow.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace plat::testing {

struct TRecordedMessageBox {
    std::string Text;
    std::string Caption;
    unsigned Flags = 0;
    int Answer = 0;
};

// What the user does with a task dialog: chooses a radio button and sets the verification box
// (when given), then presses a button (0: the dialog's default button).
struct TTaskDialogAnswer {
    int Button = 0;
    int RadioButton = 0;
    std::optional<bool> Verification;
};

// Records each message box and answers from a script: the scripted ids in order, then the
// default button of each box.
//
// Task dialogs likewise: each is recorded, opened (constructed and created notifications), given
// to the next WhileTaskDialogShown step if there is one, and then answered from the script while
// it stays open; with no answer left the default button is pressed once. A dialog whose callback
// keeps it open even then ends with E_FAIL.
class RecordingDialogService : public IDialogService {
public:
    int MessageBox(const std::string& Text, const std::string& Caption, unsigned Flags) override;
    HRESULT TaskDialogIndirect(const TTaskDialogConfig& Config, int* Button, int* RadioButton,
                               bool* VerificationFlagChecked) override;

    void AnswerTaskDialog(int Button, int RadioButton = 0, std::optional<bool> Verification = std::nullopt)
    {
        FTaskDialogAnswers.push_back({Button, RadioButton, Verification});
    }
    // What the user does while the next task dialog is shown, before the scripted answers.
    void WhileTaskDialogShown(std::function<void(TRecordingTaskDialogWindow&)> Step)
    {
        FWhileShown.push_back(std::move(Step));
    }
    // In the order they were shown.
    const std::deque<TRecordedTaskDialog>& TaskDialogs() const { return FTaskDialogs; }

    void Answer(int Id) { FAnswers.push_back(Id); }
    const std::vector<TRecordedMessageBox>& Shown() const { return FShown; }
    // The texts of the boxes shown, in order.
    std::vector<std::string> Texts() const;
    void Clear() { FShown.clear(); }

private:
    std::deque<int> FAnswers;
    std::vector<TRecordedMessageBox> FShown;
    std::deque<TTaskDialogAnswer> FTaskDialogAnswers;
    std::deque<std::function<void(TRecordingTaskDialogWindow&)>> FWhileShown;
    std::deque<TRecordedTaskDialog> FTaskDialogs;
};

}  // namespace plat::testing
