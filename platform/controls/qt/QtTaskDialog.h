#pragma once

#include "platform/controls/services/TaskDialog.h"

#include <cstdint>
#include <memory>
#include <string>

class QLabel;
class QWidget;

namespace plat {

// The task dialog drawn with Qt widgets: a white upper area with the main icon, the main
// instruction (bold, blue), the content, the expanded text, a progress bar, the radio buttons and
// the command links; a grey band with the expand button, the push buttons and the verification
// box; the footer with its small icon below a line.
//
// Run shows it application-modal and waits on the message queue service (Messages()), as a
// modal form does, so a test drives it with the queue's idle steps. The timer notification runs
// on the timer service every 200 ms and counts 200 ms per tick. Everything the callback does
// runs inside the exception boundary; it may send messages to the dialog (TDM_) at any time,
// close it by a click included, and later notifications see the dialog as it left it.
class QtTaskDialog : public ITaskDialogWindow {
public:
    explicit QtTaskDialog(const TTaskDialogConfig& Config);
    ~QtTaskDialog() override;
    QtTaskDialog(const QtTaskDialog&) = delete;
    QtTaskDialog& operator=(const QtTaskDialog&) = delete;

    // Constructed and created notifications, the modal loop until a button closes the dialog,
    // the destroyed notification; the outputs as IDialogService::TaskDialogIndirect gives them.
    // E_FAIL when the message queue has nothing left to wait for before a button was pressed.
    HRESULT Run(int* Button, int* RadioButton, bool* VerificationFlagChecked);

    std::intptr_t Perform(unsigned Msg, std::uintptr_t WParam, std::intptr_t LParam) override;

    // The dialog's window, laid out at its size (for a picture of it; Run shows it).
    QWidget& Widget();

private:
    class Form;
    struct Parts;

    void Build();
    void BuildUpperArea();
    void BuildButtonBand();
    void BuildFooter();
    void AddButton(const TTaskDialogButton& Button, bool CommandLink);
    // A label showing Text (see TaskDialogRichText), hidden while empty; its links notify.
    QLabel* NewText(QWidget* Parent, const std::string& Text, bool Links);
    void ShowExpanded(bool Expanded);
    void Place();

    // Asks the callback, inside the exception boundary; S_OK without a callback.
    HRESULT Notify(unsigned Notification, std::uintptr_t WParam = 0, std::intptr_t LParam = 0);
    // A button pressed by the user or by TDM_CLICK_BUTTON.
    void Press(int ButtonID);
    void Tick();
    // An element that the dialog was built without stays away.
    void UpdateElementText(unsigned Element, const std::string& Text);
    // The range and position kept here, on the bar (not while it runs a marquee).
    void ShowProgress();
    void SetProgressState(unsigned State);

    TTaskDialogConfig FConfig;
    std::unique_ptr<Parts> FParts;
    bool FExpanded = false;
    bool FClosed = false;
    int FResult = 0;
    int FTimer = 0;
    std::uintptr_t FElapsedMs = 0;
    int FProgressMin = 0;
    int FProgressMax = 100;
    int FProgressPos = 0;
};

}  // namespace plat
