#include "foundation/TaskDialogInput.h"

#include "foundation/TCustomVezTaskDialog.h"
#include "platform/controls/core/TWinControl.h"
#include "platform/controls/forms/TForm.h"
#include "platform/controls/standard/TComboBox.h"
#include "platform/controls/standard/TDateTimePicker.h"
#include "platform/controls/standard/TEdit.h"
#include "platform/controls/standard/TMemo.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/TStrings.h"
#include "platform/system/DateTimeFormat.h"

#include <string>

namespace skelda::foundation {

namespace {

constexpr int kEditHeightPx = 20;
constexpr int kMemoHeightPx = 60;
constexpr int kFieldAllowancePx = 36;
constexpr int kMemoAllowancePx = 70;
constexpr int kCustomMarginPx = 16;

}  // namespace

TTaskDialogInput::TTaskDialogInput(plat::TCustomForm& Form, TCustomVezTaskDialog& Dialog)
    : FForm(Form), FDialog(Dialog), FType(Dialog.GetInputType())
{
}

TTaskDialogInput::~TTaskDialogInput()
{
    // The form frees the controls on it: a borrowed one must be off it before then.
    GiveBack();
}

void TTaskDialogInput::Create(int Left, int Top)
{
    FLeft = Left;
    const int width = FForm.GetClientWidth() - Left;
    auto place = [&](plat::TWinControl& Control, int Height) {
        Control.SetParent(&FForm);
        Control.SetTabStop(true);
        Control.SetBounds(Left, Top, width, Height);
    };
    switch (FType) {
    case itEdit:
        FInputEdit = new plat::TEdit(&FForm);
        place(*FInputEdit, kEditHeightPx);
        FInputEdit->SetText(FDialog.GetInputText());
        break;
    case itMemo:
        FInputMemo = new plat::TMemo(&FForm);
        place(*FInputMemo, kMemoHeightPx);
        FInputMemo->SetWantReturns(false);
        FInputMemo->SetText(FDialog.GetInputText());
        break;
    case itComboEdit:
    case itComboList:
        FInputCombo = new plat::TComboBox(&FForm);
        place(*FInputCombo, kEditHeightPx);
        if (FType == itComboList)
            FInputCombo->SetStyle(plat::csDropDownList);
        FInputCombo->SetDropDownCount(FDialog.GetInputDropDownCount());
        FInputCombo->Items().Assign(FDialog.InputItems());
        if (FType == itComboList)
            FInputCombo->SetItemIndex(FDialog.InputItems().IndexOf(FDialog.GetInputText()));
        else
            FInputCombo->SetText(FDialog.GetInputText());
        break;
    case itDate: {
        FInputDate = new plat::TDateTimePicker(&FForm);
        FInputDate->SetParent(&FForm);
        FInputDate->SetTabStop(true);
        FInputDate->SetBounds(Left, Top, FInputDate->GetWidth(), FInputDate->GetHeight());
        // Closing without a change gives the same text back.
        ShowValue(FDialog.GetInputText());
        break;
    }
    case itCustom:
        if (plat::TWinControl* control = FDialog.GetInputControl()) {
            FCustom = plat::TControlRef<plat::TWinControl>(control);
            FOldParent = plat::TControlRef<plat::TWinControl>(control->GetParent());
            control->SetParent(&FForm);
            control->SetVisible(true);
            control->SetTabStop(true);
            if (FDialog.OnDialogInputSetText)
                FDialog.OnDialogInputSetText(&FDialog, FDialog.GetInputText());
            else
                control->SetText(FDialog.GetInputText());
            control->SetBounds(Left, Top, control->GetWidth(), control->GetHeight());
        }
        break;
    case itNone:
        break;
    }
}

plat::TWinControl* TTaskDialogInput::Control() const
{
    if (FInputEdit)
        return FInputEdit;
    if (FInputMemo)
        return FInputMemo;
    if (FInputCombo)
        return FInputCombo;
    if (FInputDate)
        return FInputDate;
    return FCustom.Get();
}

int TTaskDialogInput::RequiredClientWidth(int FormWidth) const
{
    const plat::TWinControl* custom = FCustom.Get();
    if (!custom || FLeft + custom->GetWidth() <= FormWidth)
        return 0;
    return custom->GetWidth() + 2 * FLeft;
}

void TTaskDialogInput::FitWidth(int ClientWidth, int RightMargin)
{
    plat::TWinControl* control = Control();
    if (!control)
        return;
    const int room = ClientWidth - FLeft - RightMargin;
    int width = control->GetWidth();
    if (control != FInputDate && (control != FCustom.Get() || width > room))
        width = room;
    control->SetBounds(FLeft, control->GetTop(), width, control->GetHeight());
}

void TTaskDialogInput::SetTop(int Top)
{
    if (plat::TWinControl* control = Control())
        control->SetTop(Top);
}

int TTaskDialogInput::Allowance() const
{
    switch (FType) {
    case itMemo:
        return kMemoAllowancePx;
    case itCustom:
        return FCustom ? FCustom->GetHeight() + kCustomMarginPx : kFieldAllowancePx;
    case itNone:
        return 0;
    default:
        return kFieldAllowancePx;
    }
}

void TTaskDialogInput::Focus(bool AfterRefusal)
{
    plat::TWinControl* control = Control();
    if (!control || (AfterRefusal && FType == itComboList))
        return;
    if (control->CanFocus())
        control->SetFocus();
}

std::string TTaskDialogInput::Value()
{
    if (FInputEdit)
        return FInputEdit->GetText();
    if (FInputMemo)
        return MemoValue();
    if (FInputCombo)
        return FInputCombo->GetText();
    if (FInputDate)
        return plat::FormatDateTime(plat::FormatSettings().ShortDateFormat, FInputDate->Date());
    if (plat::TWinControl* custom = FCustom.Get()) {
        std::string text = custom->GetText();
        if (FDialog.OnDialogInputGetText)
            FDialog.OnDialogInputGetText(&FForm, text);
        return text;
    }
    return FDialog.GetInputText();
}

// The memo separates its lines with CR LF; a caller whose text broke its lines with a line feed
// alone gets them back that way.
std::string TTaskDialogInput::MemoValue() const
{
    std::string text = FInputMemo->GetText();
    const std::string& given = FDialog.GetInputText();
    if (given.find('\n') == std::string::npos || given.find('\r') != std::string::npos)
        return text;
    std::erase(text, '\r');
    return text;
}

void TTaskDialogInput::ShowValue(const std::string& Text)
{
    if (FInputEdit) {
        FInputEdit->SetText(Text);
    } else if (FInputMemo) {
        FInputMemo->SetText(Text);
    } else if (FInputCombo && FType == itComboEdit) {
        FInputCombo->SetText(Text);
    } else if (FInputDate) {
        plat::TDateTime date{};
        if (plat::TryStrToDate(Text, date, plat::FormatSettings()))
            FInputDate->SetDate(date);
    }
}

void TTaskDialogInput::GiveBack()
{
    plat::TWinControl* custom = FCustom.Get();
    if (!custom)
        return;
    custom->SetVisible(false);
    custom->SetParent(FOldParent.Get());
    FCustom = {};
}

}  // namespace skelda::foundation
