#pragma once

#include "editcontrols/base/KvTypes.h"
#include "editcontrols/base/TKvExWinControl.h"
#include "platform/controls/standard/TMaskEdit.h"

namespace skelda::editcontrols {

// The masked-edit member of the extended-control family. It lets through only the clipboard
// commands in ClipboardCommands: WM_CUT, WM_COPY, WM_PASTE, WM_CLEAR and WM_UNDO (EM_UNDO) of a
// command left out are answered 1 and do nothing, so no way to the clipboard (keys, menus,
// code) gets past. Refused input is reported by NotifyValidationError, which beeps only when
// BeepOnError is set.
class TKvExCustomMaskEdit : public TKvExWinControl<plat::TCustomMaskEdit> {
public:
    explicit TKvExCustomMaskEdit(plat::TComponent* AOwner);

    std::string ClassName() const override { return "TKvExCustomMaskEdit"; }

    TKvClipboardCommands GetClipboardCommands() const { return FClipboardCommands; }
    virtual void SetClipboardCommands(TKvClipboardCommands Value) { FClipboardCommands = Value; }
    bool GetBeepOnError() const { return FBeepOnError; }
    virtual void SetBeepOnError(bool Value) { FBeepOnError = Value; }

    void WndProc(plat::TMessage& Message) override;

protected:
    // The validation-error notification: the platform's default message beep when BeepOnError.
    virtual void NotifyValidationError();

private:
    bool AllowsClipboardMessage(unsigned Msg) const;

    TKvClipboardCommands FClipboardCommands = AllClipboardCommands;
    bool FBeepOnError = true;
};

}  // namespace skelda::editcontrols
