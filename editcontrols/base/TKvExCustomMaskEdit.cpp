#include "editcontrols/base/TKvExCustomMaskEdit.h"

#include "platform/system/Beeper.h"
#include "platform/system/Environment.h"

namespace skelda::editcontrols {

TKvExCustomMaskEdit::TKvExCustomMaskEdit(plat::TComponent* AOwner) : TKvExWinControl<plat::TCustomMaskEdit>(AOwner) {}

bool TKvExCustomMaskEdit::AllowsClipboardMessage(unsigned Msg) const
{
    switch (Msg) {
    case plat::WM_CUT:
        return FClipboardCommands.Contains(caCut);
    case plat::WM_COPY:
        return FClipboardCommands.Contains(caCopy);
    case plat::WM_PASTE:
        return FClipboardCommands.Contains(caPaste);
    case plat::WM_CLEAR:
        return FClipboardCommands.Contains(caClear);
    case plat::WM_UNDO:
    case plat::EM_UNDO:
        return FClipboardCommands.Contains(caUndo);
    default:
        return true;
    }
}

void TKvExCustomMaskEdit::WndProc(plat::TMessage& Message)
{
    if (!AllowsClipboardMessage(Message.Msg)) {
        Message.Result = 1;
        return;
    }
    TKvExWinControl<plat::TCustomMaskEdit>::WndProc(Message);
}

void TKvExCustomMaskEdit::NotifyValidationError()
{
    if (FBeepOnError)
        plat::Env().Beeper->MessageBeep(0);
}

}  // namespace skelda::editcontrols
