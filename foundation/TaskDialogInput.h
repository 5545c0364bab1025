#pragma once

#include "foundation/TaskDialogTypes.h"
#include "platform/controls/core/TControl.h"

#include <string>

namespace plat {
class TComboBox;
class TCustomForm;
class TDateTimePicker;
class TEdit;
class TMemo;
class TWinControl;
}  // namespace plat

namespace skelda::foundation {

class TCustomVezTaskDialog;

// The input field of the emulated task dialog, of the component's InputType: it is made on the
// form filled from InputText and placed as the form lays itself out; the form reads its value
// when it closes. A caller's own control (itCustom) is only borrowed: it is given back to its
// former parent, hidden, when the form closes or is freed, never freed with the form.
//
// A date goes in and out in the short date format of FormatSettings(); a text that does not read
// as a date leaves the picker at its own date. A memo gives its lines back joined by the line
// break InputText used (a line feed alone, else CR LF).
class TTaskDialogInput {
public:
    TTaskDialogInput(plat::TCustomForm& Form, TCustomVezTaskDialog& Dialog);
    ~TTaskDialogInput();
    TTaskDialogInput(const TTaskDialogInput&) = delete;
    TTaskDialogInput& operator=(const TTaskDialogInput&) = delete;

    // Makes the field at (Left, Top); nothing for itNone or itCustom without a control.
    void Create(int Left, int Top);
    plat::TWinControl* Control() const;
    // The client width a caller's control needs with its margins; 0 when it fits or for others.
    int RequiredClientWidth(int FormWidth) const;
    // Puts the field back at its left edge and sizes it to end RightMargin short of the client
    // width (a caller's control only when wider, the date picker never).
    void FitWidth(int ClientWidth, int RightMargin);
    void SetTop(int Top);
    // The room the field takes below the content.
    int Allowance() const;
    // Gives the field the focus; after a refused close the drop-down list keeps out of it.
    void Focus(bool AfterRefusal);
    // What the field shows, as InputText would hold it; InputText itself without a field.
    std::string Value();
    // The field shows Text (edit, memo, combo edit, date picker).
    void ShowValue(const std::string& Text);
    // A borrowed control goes back to its former parent, hidden.
    void GiveBack();

private:
    std::string MemoValue() const;

    plat::TCustomForm& FForm;
    TCustomVezTaskDialog& FDialog;
    TInputType FType;
    int FLeft = 0;
    plat::TEdit* FInputEdit = nullptr;
    plat::TMemo* FInputMemo = nullptr;
    plat::TComboBox* FInputCombo = nullptr;
    plat::TDateTimePicker* FInputDate = nullptr;
    plat::TControlRef<plat::TWinControl> FCustom;
    plat::TControlRef<plat::TWinControl> FOldParent;
};

}  // namespace skelda::foundation
