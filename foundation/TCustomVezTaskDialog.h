#pragma once

#include "foundation/TaskDialogTypes.h"
#include "platform/controls/core/TControl.h"
#include "platform/controls/core/TWinControl.h"
#include "platform/core/TComponent.h"
#include "platform/graphics/Colors.h"

#include <cstdint>
#include <memory>
#include <string>

namespace plat {
class ITaskDialogWindow;
class TCustomForm;
class TIcon;
class TRadioButton;
class TStringList;
class TStrings;
struct TTaskDialogConfig;
}  // namespace plat

namespace skelda::foundation {

class IVezMessageForm;
class TVezMessageForm;

// A task dialog as a component: texts, buttons, icons and options set as properties, then
// Execute shows it modally and returns the id of the button that closed it (custom buttons
// 100, 101, ... in list order; radio buttons 200, 201, ...).
//
// Execute takes the platform's own dialog (the dialog service's TaskDialogIndirect) when the
// platform is version 6 or later with common controls 6 or later, unless NonNativeDialog is
// nndAlways; otherwise the emulated form (IVezMessageForm). Without a factory for that form it
// shows nothing and returns -1. Titles, the instruction, content, footer and the custom and radio
// captions go through ExpandNewlineEscapes; captions keep at most 1023 characters.
//
// While the dialog is shown, ClickButton, EnableButton, ElevateButton, Close and the setters of
// Content, ExpandedText, Footer and Instruction reach it through messages (and the emulated
// form directly); once Execute has returned they do nothing. A clicked link, when no
// OnDialogHyperlinkClick is assigned, opens through the shell service if it is an http, https or
// mailto link, and nothing else is ever opened. The component may be freed by its own event
// handlers: the dialog then carries on without it.
//
// A descendant shapes the dialog's buttons through the protected operations from CreateButton to
// GetButtonModalResult: the emulated form makes and sets up its push buttons and radio buttons
// only through them, and the captions they give the custom buttons and radio buttons are the
// captions the platform's dialog shows.
class TCustomVezTaskDialog : public plat::TComponent {
public:
    explicit TCustomVezTaskDialog(plat::TComponent* AOwner);
    ~TCustomVezTaskDialog() override;

    std::string ClassName() const override { return "TCustomVezTaskDialog"; }

    virtual int Execute();
    // Empties the texts, the button and radio lists and the icons; default radio button 200,
    // default button 0, no options, verification unchecked.
    void Clear();
    // While shown: presses DefaultButton (the dialog's first button when DefaultButton names
    // none), or closes the emulated form.
    void Close();
    void ClickButton(int ButtonID);
    void EnableButton(int ButtonID, bool Enabled);
    void ElevateButton(int ButtonID, bool Enabled);

    const std::string& GetTitle() const { return FTitle; }
    void SetTitle(const std::string& Value) { FTitle = Value; }
    const std::string& GetInstruction() const { return FInstruction; }
    void SetInstruction(const std::string& Value);
    const std::string& GetContent() const { return FContent; }
    void SetContent(const std::string& Value);
    const std::string& GetExpandedText() const { return FExpandedText; }
    void SetExpandedText(const std::string& Value);
    const std::string& GetExpandControlText() const { return FExpandControlText; }
    void SetExpandControlText(const std::string& Value) { FExpandControlText = Value; }
    const std::string& GetCollapsControlText() const { return FCollapsControlText; }
    void SetCollapsControlText(const std::string& Value) { FCollapsControlText = Value; }
    const std::string& GetFooter() const { return FFooter; }
    void SetFooter(const std::string& Value);
    const std::string& GetVerificationText() const { return FVerifyText; }
    void SetVerificationText(const std::string& Value) { FVerifyText = Value; }

    plat::TStrings& CustomButtons();
    // Copies the lines of Value.
    void SetCustomButtons(const plat::TStrings& Value);
    plat::TStrings& RadioButtons();
    void SetRadioButtons(const plat::TStrings& Value);
    TCommonButtons GetCommonButtons() const { return FCommonButtons; }
    void SetCommonButtons(TCommonButtons Value) { FCommonButtons = Value; }
    // -1: no default button.
    int GetDefaultButton() const { return FDefaultButton; }
    void SetDefaultButton(int Value) { FDefaultButton = Value; }
    int GetDefaultRadioButton() const { return FDefaultRadioButton; }
    void SetDefaultRadioButton(int Value) { FDefaultRadioButton = Value; }

    TTaskDialogIcon GetIcon() const { return FIcon; }
    void SetIcon(TTaskDialogIcon Value) { FIcon = Value; }
    // Replaces Icon when it holds a picture.
    plat::TIcon& CustomIcon() { return *FCustomIcon; }
    void SetCustomIcon(const plat::TIcon& Value);
    TTaskDialogFooterIcon GetFooterIcon() const { return FFooterIcon; }
    void SetFooterIcon(TTaskDialogFooterIcon Value) { FFooterIcon = Value; }
    TTaskDialogOptions GetOptions() const { return FOptions; }
    void SetOptions(TTaskDialogOptions Value) { FOptions = Value; }

    TTaskDialogPosition GetDialogPosition() const { return FDlgPosition; }
    void SetDialogPosition(TTaskDialogPosition Value) { FDlgPosition = Value; }
    // The dialog belongs to the application rather than to the owner's window.
    bool GetApplicationIsParent() const { return FApplicationIsParent; }
    void SetApplicationIsParent(bool Value) { FApplicationIsParent = Value; }
    TNonNativeDialog GetNonNativeDialog() const { return FNonNativeDialog; }
    void SetNonNativeDialog(TNonNativeDialog Value) { FNonNativeDialog = Value; }
    // Minimum client width of the emulated form at 96 dots per inch.
    int GetNonNativeMinFormWidth() const { return FMinFormWidth; }
    void SetNonNativeMinFormWidth(int Value) { FMinFormWidth = Value; }
    int GetProgressBarMin() const { return FProgressBarMin; }
    void SetProgressBarMin(int Value) { FProgressBarMin = Value; }
    int GetProgressBarMax() const { return FProgressBarMax; }
    void SetProgressBarMax(int Value) { FProgressBarMax = Value; }
    // Closes the dialog once more than AutoCloseTimeOut ms have passed, counted as 100 ms per
    // timer notification.
    bool GetAutoClose() const { return FAutoClose; }
    void SetAutoClose(bool Value) { FAutoClose = Value; }
    int GetAutoCloseTimeOut() const { return FAutoCloseTimeout; }
    void SetAutoCloseTimeOut(int Value) { FAutoCloseTimeout = Value; }
    // F1 in the dialog shows this topic of the application's help file; 0 for none.
    int GetHelpContext() const { return FHelpContext; }
    void SetHelpContext(int Value) { FHelpContext = Value; }

    // The running dialog's window; nullptr when no dialog is shown.
    plat::ITaskDialogWindow* hWnd() const { return FhWnd; }
    // The outcome of the last Execute.
    int GetRadioButtonResult() const { return FButtonResult; }
    bool GetVerifyResult() const { return FVerifyResult; }
    // The window the dialog belongs to, before the owner's; nullptr for none.
    plat::TWinControl* GetModalParent() const { return FModalParent.Get(); }
    void SetModalParent(plat::TWinControl* Value) { FModalParent = plat::TControlRef<plat::TWinControl>(Value); }
    // Settings of the emulated form.
    bool GetAlwaysOnTop() const { return FAlwaysOnTop; }
    void SetAlwaysOnTop(bool Value) { FAlwaysOnTop = Value; }
    bool GetMultiLineButtons() const { return FMultiLineButtons; }
    void SetMultiLineButtons(bool Value) { FMultiLineButtons = Value; }
    plat::TColor GetFooterColor() const { return FFooterColor; }
    void SetFooterColor(plat::TColor Value) { FFooterColor = Value; }
    plat::TColor GetFooterLineColor() const { return FFooterLineColor; }
    void SetFooterLineColor(plat::TColor Value) { FFooterLineColor = Value; }

    // The input field of the emulated form (shown by TVezInputTaskDialog): InputText goes into it
    // when the form is built and comes back when it closes.
    TInputType GetInputType() const { return FInputType; }
    void SetInputType(TInputType Value) { FInputType = Value; }
    const std::string& GetInputText() const { return FInputText; }
    void SetInputText(const std::string& Value) { FInputText = Value; }
    plat::TStrings& InputItems();
    void SetInputItems(const plat::TStrings& Value);
    // The caller's own control for itCustom, borrowed while the form is shown; nullptr once it
    // is freed.
    plat::TWinControl* GetInputControl() const { return FInputControl.Get(); }
    void SetInputControl(plat::TWinControl* Value) { FInputControl = plat::TControlRef<plat::TWinControl>(Value); }
    int GetInputDropDownCount() const { return FInputDropDownCount; }
    void SetInputDropDownCount(int Value) { FInputDropDownCount = Value; }

    plat::TNotifyEvent OnDialogCreated;
    TTaskDialogCloseEvent OnDialogClose;
    TTaskDialogButtonClickEvent OnDialogButtonClick;
    TTaskDialogButtonClickEvent OnDialogRadioClick;
    TTaskDialogHyperlinkClickEvent OnDialogHyperlinkClick;
    plat::TNotifyEvent OnDialogTimer;
    TTaskDialogVerifyClickEvent OnDialogVerifyClick;
    TTaskDialogProgressEvent OnDialogProgress;
    // itCustom: fill the caller's control with InputText, and read its value back.
    TInputSetTextEvent OnDialogInputSetText;
    TInputGetTextEvent OnDialogInputGetText;

protected:
    // Shows the emulated form whatever the platform has.
    int ExecuteEmulated();

    // A push button owned by AOwner (nullptr: by nobody).
    virtual plat::TWinControl* CreateButton(plat::TComponent* AOwner);
    virtual plat::TRadioButton* CreateRadioButton(plat::TComponent* AOwner);
    // Names the radio button "Radio" and Index, puts it on AForm in the form's font name at size
    // 8 and the form's reading order, and clicks it to OnClick.
    virtual void InitRadioButton(plat::TCustomForm* AForm, plat::TRadioButton* Button, plat::TNotifyEvent OnClick,
                                 int Index);
    virtual void SetRadioButtonState(plat::TRadioButton* Button, bool Checked);
    virtual void SetControlText(plat::TControl* Control, const std::string& Text);
    // These four act on a push button (TButton) and leave any other control alone.
    virtual void SetButtonCaption(plat::TControl* Button, const std::string& Caption);
    virtual void SetButtonCancel(plat::TControl* Button, bool Value);
    virtual void SetButtonDefault(plat::TControl* Button, bool Value);
    virtual void SetButtonModalResult(plat::TControl* Button, int Value);
    // A push button's modal result; 0 for any other control.
    virtual int GetButtonModalResult(plat::TControl* Button);

private:
    // The emulated form keeps the outcome (radio button, verification) and the auto-close count,
    // and shows the help, as the native dialog's notifications do here.
    friend class TVezMessageForm;

    int ExecuteMessageForm();
    plat::TTaskDialogConfig NativeConfig();
    plat::TWinControl* ParentWindow() const;
    std::intptr_t SendToDialog(unsigned Msg, std::uintptr_t WParam, std::intptr_t LParam);
    // A text setter's work: store, tell the shown dialog.
    void UpdateElementText(std::string& Field, const std::string& Value, unsigned Element);
    std::int32_t TaskDialogCallback(plat::ITaskDialogWindow* Window, unsigned Notification, std::uintptr_t WParam,
                                    std::intptr_t LParam);
    void DialogCreated();
    std::int32_t DialogButtonClicked(int ButtonID);
    void DialogHyperlinkClicked(const std::string& HRef);
    void DialogTimer();
    void DialogHelp();

    std::string FTitle;
    std::string FContent;
    std::string FFooter;
    std::string FInstruction;
    bool FIsNative = false;
    TCommonButtons FCommonButtons;
    std::string FExpandedText;
    std::string FCollapsControlText;
    std::string FExpandControlText;
    int FButtonResult = 0;
    bool FVerifyResult = false;
    std::string FVerifyText;
    std::unique_ptr<plat::TStringList> FCustomButtons;
    std::unique_ptr<plat::TIcon> FCustomIcon;
    TTaskDialogOptions FOptions;
    std::unique_ptr<plat::TStringList> FRadioButtons;
    plat::ITaskDialogWindow* FhWnd = nullptr;
    int FHelpContext = 0;
    int FProgressBarMin = 0;
    int FProgressBarMax = 100;
    bool FAutoClose = false;
    int FAutoCloseTimeout = 0;
    int FAutoCloseCounter = 0;
    TTaskDialogIcon FIcon = tiBlank;
    TTaskDialogFooterIcon FFooterIcon = tfiBlank;
    int FDefaultButton = 0;
    int FDefaultRadioButton = 200;
    // The button Close presses in the shown native dialog.
    int FClosingButton = 0;
    IVezMessageForm* FDialogForm = nullptr;
    TTaskDialogPosition FDlgPosition = dpScreenCenter;
    bool FApplicationIsParent = false;
    bool FAlwaysOnTop = false;
    plat::TControlRef<plat::TWinControl> FModalParent;
    int FMinFormWidth = 350;
    TNonNativeDialog FNonNativeDialog = nndAuto;
    plat::TColor FFooterColor = 0xF0F0F0;
    plat::TColor FFooterLineColor = 0xDFDFDF;
    bool FMultiLineButtons = true;
    TInputType FInputType = itNone;
    std::string FInputText;
    std::unique_ptr<plat::TStringList> FInputItems;
    plat::TControlRef<plat::TWinControl> FInputControl;
    int FInputDropDownCount = 0;
    // Expires with the component, for the dialog and the handlers that outlive it.
    std::shared_ptr<int> FLifeToken = std::make_shared<int>(0);
};

// The task dialog component with its version.
class TVezTaskDialog : public TCustomVezTaskDialog {
public:
    using TCustomVezTaskDialog::TCustomVezTaskDialog;

    std::string ClassName() const override { return "TVezTaskDialog"; }

    std::string GetVersion() const;
};

}  // namespace skelda::foundation
