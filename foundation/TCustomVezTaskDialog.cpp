#include "foundation/TCustomVezTaskDialog.h"

#include "foundation/DialogLinks.h"
#include "foundation/IVezMessageForm.h"
#include "foundation/NewlineEscapes.h"
#include "platform/controls/core/Messages.h"
#include "platform/controls/forms/TApplication.h"
#include "platform/controls/forms/TForm.h"
#include "platform/controls/services/DialogService.h"
#include "platform/controls/services/TaskDialog.h"
#include "platform/controls/services/UiServices.h"
#include "platform/controls/standard/TButton.h"
#include "platform/controls/standard/TRadioButton.h"
#include "platform/core/Exception.h"
#include "platform/core/TStringList.h"
#include "platform/core/Utf8.h"
#include "platform/graphics/TIcon.h"
#include "platform/system/Environment.h"
#include "platform/system/HelpViewer.h"
#include "platform/system/PlatformInformation.h"

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace skelda::foundation {

namespace {

constexpr int kFirstCustomButtonId = 100;
constexpr int kFirstRadioButtonId = 200;
// The captions the platform's dialog takes: a buffer of 1024 characters with its terminator.
constexpr int kMaxCaptionChars = 1023;
constexpr int kAutoCloseStepMs = 100;

int MainIconId(TTaskDialogIcon Icon)
{
    static constexpr int kIds[] = {17, plat::TD_RESOURCE_WARNING_ICON, plat::TD_RESOURCE_QUESTION_ICON,
                                   plat::TD_RESOURCE_ERROR_ICON, plat::TD_RESOURCE_INFORMATION_ICON, 0,
                                   plat::TD_RESOURCE_SHIELD_ICON};
    return kIds[Icon];
}

int FooterIconId(TTaskDialogFooterIcon Icon)
{
    static constexpr int kIds[] = {0, plat::TD_RESOURCE_WARNING_ICON, plat::TD_RESOURCE_QUESTION_ICON,
                                   plat::TD_RESOURCE_ERROR_ICON, plat::TD_INFORMATION_ICON, plat::TD_SHIELD_ICON};
    return kIds[Icon];
}

// The buttons as the platform's dialog takes them: identifiers from FirstId, each caption as
// CaptionOf gives it, escapes expanded and at most 1023 characters kept.
std::vector<plat::TTaskDialogButton> DialogButtons(const plat::TStrings& Captions, int FirstId,
                                                   const std::function<std::string(const std::string&)>& CaptionOf)
{
    std::vector<plat::TTaskDialogButton> buttons;
    for (int i = 0; i < Captions.Count(); ++i)
        buttons.push_back(
            {FirstId + i, plat::Utf8Copy(ExpandNewlineEscapes(CaptionOf(Captions.GetStrings(i))), 1, kMaxCaptionChars)});
    return buttons;
}

unsigned DialogFlags(TTaskDialogOptions Options, bool HasCustomButtons, bool AutoClose, TTaskDialogPosition Position)
{
    unsigned flags = 0;
    if (Options.Contains(doCommandLinks) && HasCustomButtons)
        flags = plat::TDF_USE_COMMAND_LINKS;
    if (Options.Contains(doCommandLinksNoIcon))
        flags = plat::TDF_USE_COMMAND_LINKS_NO_ICON;
    static constexpr struct {
        TTaskDialogOption Option;
        unsigned Flag;
    } kFlags[] = {{doHyperlinks, plat::TDF_ENABLE_HYPERLINKS},
                  {doExpandedDefault, plat::TDF_EXPANDED_BY_DEFAULT},
                  {doExpandedFooter, plat::TDF_EXPAND_FOOTER_AREA},
                  {doAllowMinimize, plat::TDF_CAN_BE_MINIMIZED},
                  {doVerifyChecked, plat::TDF_VERIFICATION_FLAG_CHECKED},
                  {doProgressBar, plat::TDF_SHOW_PROGRESS_BAR},
                  {doProgressBarMarquee, plat::TDF_SHOW_MARQUEE_PROGRESS_BAR},
                  {doNoDefaultRadioButton, plat::TDF_NO_DEFAULT_RADIO_BUTTON},
                  {doAllowDialogCancel, plat::TDF_ALLOW_DIALOG_CANCELLATION}};
    for (const auto& entry : kFlags)
        if (Options.Contains(entry.Option))
            flags |= entry.Flag;
    if (Options.Contains(doProgressBarMarquee) || Options.Contains(doProgressBar) || Options.Contains(doTimer) ||
        AutoClose)
        flags |= plat::TDF_CALLBACK_TIMER;
    if (Position == dpOwnerFormCenter)
        flags |= plat::TDF_POSITION_RELATIVE_TO_WINDOW;
    return flags;
}

unsigned DialogCommonButtons(TCommonButtons Buttons)
{
    static constexpr struct {
        TCommonButton Button;
        unsigned Flag;
    } kButtons[] = {{cbOK, plat::TDCBF_OK_BUTTON},         {cbYes, plat::TDCBF_YES_BUTTON},
                    {cbNo, plat::TDCBF_NO_BUTTON},         {cbCancel, plat::TDCBF_CANCEL_BUTTON},
                    {cbRetry, plat::TDCBF_RETRY_BUTTON}, {cbClose, plat::TDCBF_CLOSE_BUTTON}};
    unsigned flags = 0;
    for (const auto& entry : kButtons)
        if (Buttons.Contains(entry.Button))
            flags |= entry.Flag;
    return flags;
}

// A failure reported while the dialog is shown, in a message box of the application's own.
void ShowDialogException(std::string Message)
{
    if (!Message.empty() && static_cast<unsigned char>(Message.back()) > '.')
        Message += '.';
    unsigned flags = plat::MB_ICONSTOP;
    if (plat::Application->GetBiDiMode() != plat::bdLeftToRight)
        flags |= plat::MB_RTLREADING;
    plat::Dialogs().MessageBox(Message, plat::Application->GetTitle(), flags);
}

}  // namespace

TCustomVezTaskDialog::TCustomVezTaskDialog(plat::TComponent* AOwner)
    : plat::TComponent(AOwner), FCustomButtons(std::make_unique<plat::TStringList>()),
      FCustomIcon(std::make_unique<plat::TIcon>()), FRadioButtons(std::make_unique<plat::TStringList>()),
      FInputItems(std::make_unique<plat::TStringList>())
{
}

TCustomVezTaskDialog::~TCustomVezTaskDialog()
{
    // Freed by one of its own handlers while the emulated form is shown: the form closes.
    if (FDialogForm)
        FDialogForm->Close();
}

plat::TStrings& TCustomVezTaskDialog::CustomButtons()
{
    return *FCustomButtons;
}

void TCustomVezTaskDialog::SetCustomButtons(const plat::TStrings& Value)
{
    FCustomButtons->Assign(Value);
}

plat::TStrings& TCustomVezTaskDialog::RadioButtons()
{
    return *FRadioButtons;
}

void TCustomVezTaskDialog::SetRadioButtons(const plat::TStrings& Value)
{
    FRadioButtons->Assign(Value);
}

plat::TStrings& TCustomVezTaskDialog::InputItems()
{
    return *FInputItems;
}

void TCustomVezTaskDialog::SetInputItems(const plat::TStrings& Value)
{
    FInputItems->Assign(Value);
}

void TCustomVezTaskDialog::SetCustomIcon(const plat::TIcon& Value)
{
    FCustomIcon->Assign(Value);
}

void TCustomVezTaskDialog::SetInstruction(const std::string& Value)
{
    UpdateElementText(FInstruction, Value, plat::TDE_MAIN_INSTRUCTION);
}

void TCustomVezTaskDialog::SetContent(const std::string& Value)
{
    UpdateElementText(FContent, Value, plat::TDE_CONTENT);
}

void TCustomVezTaskDialog::SetExpandedText(const std::string& Value)
{
    UpdateElementText(FExpandedText, Value, plat::TDE_EXPANDED_INFORMATION);
}

void TCustomVezTaskDialog::SetFooter(const std::string& Value)
{
    UpdateElementText(FFooter, Value, plat::TDE_FOOTER);
}

void TCustomVezTaskDialog::UpdateElementText(std::string& Field, const std::string& Value, unsigned Element)
{
    if (Field == Value)
        return;
    Field = Value;
    SendToDialog(plat::TDM_UPDATE_ELEMENT_TEXT, Element, reinterpret_cast<std::intptr_t>(Field.c_str()));
    if (FDialogForm)
        FDialogForm->UpdateDialog();
}

void TCustomVezTaskDialog::Clear()
{
    FCommonButtons = {};
    FCustomButtons->Clear();
    FRadioButtons->Clear();
    FIcon = tiBlank;
    FFooterIcon = tfiBlank;
    SetInstruction({});
    FTitle.clear();
    SetContent({});
    SetFooter({});
    FVerifyText.clear();
    FInputText.clear();
    FExpandControlText.clear();
    FCollapsControlText.clear();
    SetExpandedText({});
    FDefaultRadioButton = kFirstRadioButtonId;
    FDefaultButton = 0;
    FOptions = {};
    FVerifyResult = false;
}

std::intptr_t TCustomVezTaskDialog::SendToDialog(unsigned Msg, std::uintptr_t WParam, std::intptr_t LParam)
{
    return FhWnd ? FhWnd->Perform(Msg, WParam, LParam) : 0;
}

void TCustomVezTaskDialog::Close()
{
    if (FIsNative)
        SendToDialog(plat::TDM_CLICK_BUTTON, static_cast<std::uintptr_t>(FClosingButton), 0);
    else if (FDialogForm)
        FDialogForm->Close();
}

void TCustomVezTaskDialog::ClickButton(int ButtonID)
{
    SendToDialog(plat::TDM_CLICK_BUTTON, static_cast<std::uintptr_t>(ButtonID), 0);
    if (FDialogForm)
        FDialogForm->ClickButton(ButtonID);
}

void TCustomVezTaskDialog::EnableButton(int ButtonID, bool Enabled)
{
    SendToDialog(plat::TDM_ENABLE_BUTTON, static_cast<std::uintptr_t>(ButtonID), Enabled ? 1 : 0);
    if (FDialogForm)
        FDialogForm->EnableButton(ButtonID, Enabled);
}

void TCustomVezTaskDialog::ElevateButton(int ButtonID, bool Enabled)
{
    SendToDialog(plat::TDM_SET_BUTTON_ELEVATION_REQUIRED_STATE, static_cast<std::uintptr_t>(ButtonID), Enabled ? 1 : 0);
}

int TCustomVezTaskDialog::ExecuteEmulated()
{
    FIsNative = false;
    FVerifyResult = false;
    FAutoCloseCounter = 0;
    return ExecuteMessageForm();
}

int TCustomVezTaskDialog::Execute()
{
    const plat::IPlatformInformation& platform = *plat::Env().Platform;
    const int commonControlsMajor = platform.GetCommonControlsVersion().Major & 0xFF;
    if (platform.GetVersionEx().MajorVersion < 6 || commonControlsMajor <= 5 || FNonNativeDialog == nndAlways)
        return ExecuteEmulated();

    FVerifyResult = false;
    FAutoCloseCounter = 0;
    FIsNative = true;
    const plat::TTaskDialogConfig config = NativeConfig();
    FClosingButton = plat::TaskDialogDefaultButton(config);
    int button = 0;
    int radio = 0;
    bool verified = false;
    const std::weak_ptr<int> alive = FLifeToken;
    try {
        plat::Dialogs().TaskDialogIndirect(config, &button, &radio, &verified);
    } catch (...) {
        if (!alive.expired())
            FhWnd = nullptr;
        throw;
    }
    if (alive.expired())
        return button;
    FhWnd = nullptr;
    FButtonResult = radio;
    FVerifyResult = verified;
    return button;
}

int TCustomVezTaskDialog::ExecuteMessageForm()
{
    if (!MessageFormFactory())
        return -1;
    const std::unique_ptr<IVezMessageForm> form = MessageFormFactory()(*this);
    const std::weak_ptr<int> alive = FLifeToken;
    FDialogForm = form.get();
    int result = 0;
    try {
        result = form->ShowModal();
    } catch (...) {
        if (!alive.expired())
            FDialogForm = nullptr;
        throw;
    }
    if (!alive.expired())
        FDialogForm = nullptr;
    return result;
}

plat::TWinControl* TCustomVezTaskDialog::ParentWindow() const
{
    if (plat::TWinControl* parent = FModalParent.Get())
        return parent;
    if (!FApplicationIsParent)
        if (auto* owner = dynamic_cast<plat::TWinControl*>(Owner()))
            return owner;
    return nullptr;
}

plat::TTaskDialogConfig TCustomVezTaskDialog::NativeConfig()
{
    plat::TTaskDialogConfig config;
    config.Parent = ParentWindow();
    // Each button is made and captioned as on the emulated form, so that a descendant's captions
    // show here too, and let go once its caption is read.
    config.Buttons = DialogButtons(*FCustomButtons, kFirstCustomButtonId, [this](const std::string& Caption) {
        const std::unique_ptr<plat::TWinControl> button(CreateButton(nullptr));
        SetButtonCaption(button.get(), Caption);
        return button->GetText();
    });
    config.RadioButtons = DialogButtons(*FRadioButtons, kFirstRadioButtonId, [this](const std::string& Caption) {
        const std::unique_ptr<plat::TRadioButton> button(CreateRadioButton(nullptr));
        SetControlText(button.get(), Caption);
        return button->GetText();
    });
    config.WindowTitle = ExpandNewlineEscapes(FTitle);
    config.MainInstruction = ExpandNewlineEscapes(FInstruction);
    config.Content = ExpandNewlineEscapes(FContent);
    config.Footer = ExpandNewlineEscapes(FFooter);
    config.ExpandedInformation = FExpandedText;
    config.ExpandedControlText = FExpandControlText;
    config.CollapsedControlText = FCollapsControlText;
    config.VerificationText = FVerifyText;
    config.CommonButtons = DialogCommonButtons(FCommonButtons);
    config.Flags = DialogFlags(FOptions, !config.Buttons.empty(), FAutoClose, FDlgPosition);
    if (!FCustomIcon->GetEmpty()) {
        auto icon = std::make_shared<plat::TIcon>();
        icon->Assign(*FCustomIcon);
        config.MainIconHandle = std::move(icon);
        config.Flags |= plat::TDF_USE_HICON_MAIN;
    } else {
        config.MainIcon = MainIconId(FIcon);
    }
    config.FooterIcon = FooterIconId(FFooterIcon);
    config.DefaultButton = FDefaultButton;
    config.DefaultRadioButton = FDefaultRadioButton;
    config.Callback = [this, alive = std::weak_ptr<int>(FLifeToken)](plat::ITaskDialogWindow* Window,
                                                                      unsigned Notification, std::uintptr_t WParam,
                                                                      std::intptr_t LParam) -> plat::HRESULT {
        return alive.expired() ? plat::S_OK : TaskDialogCallback(Window, Notification, WParam, LParam);
    };
    return config;
}

plat::TWinControl* TCustomVezTaskDialog::CreateButton(plat::TComponent* AOwner)
{
    return new plat::TButton(AOwner);
}

plat::TRadioButton* TCustomVezTaskDialog::CreateRadioButton(plat::TComponent* AOwner)
{
    return new plat::TRadioButton(AOwner);
}

void TCustomVezTaskDialog::InitRadioButton(plat::TCustomForm* AForm, plat::TRadioButton* Button,
                                           plat::TNotifyEvent OnClick, int Index)
{
    Button->SetName("Radio" + std::to_string(Index));
    Button->SetParent(AForm);
    Button->Font().SetName(AForm->Font().GetName());
    Button->Font().SetSize(8);
    Button->SetBiDiMode(AForm->GetBiDiMode());
    Button->OnClick = std::move(OnClick);
}

void TCustomVezTaskDialog::SetRadioButtonState(plat::TRadioButton* Button, bool Checked)
{
    Button->SetChecked(Checked);
}

void TCustomVezTaskDialog::SetControlText(plat::TControl* Control, const std::string& Text)
{
    Control->SetText(Text);
}

void TCustomVezTaskDialog::SetButtonCaption(plat::TControl* Button, const std::string& Caption)
{
    if (auto* button = dynamic_cast<plat::TButton*>(Button))
        button->SetCaption(Caption);
}

void TCustomVezTaskDialog::SetButtonCancel(plat::TControl* Button, bool Value)
{
    if (auto* button = dynamic_cast<plat::TButton*>(Button))
        button->SetCancel(Value);
}

void TCustomVezTaskDialog::SetButtonDefault(plat::TControl* Button, bool Value)
{
    if (auto* button = dynamic_cast<plat::TButton*>(Button))
        button->SetDefault(Value);
}

void TCustomVezTaskDialog::SetButtonModalResult(plat::TControl* Button, int Value)
{
    if (auto* button = dynamic_cast<plat::TButton*>(Button))
        button->SetModalResult(Value);
}

int TCustomVezTaskDialog::GetButtonModalResult(plat::TControl* Button)
{
    auto* button = dynamic_cast<plat::TButton*>(Button);
    return button ? button->GetModalResult() : 0;
}

std::int32_t TCustomVezTaskDialog::TaskDialogCallback(plat::ITaskDialogWindow* Window, unsigned Notification,
                                                      std::uintptr_t WParam, std::intptr_t LParam)
{
    FhWnd = Window;
    switch (Notification) {
    case plat::TDN_CREATED:
        DialogCreated();
        break;
    case plat::TDN_BUTTON_CLICKED:
        return DialogButtonClicked(static_cast<int>(WParam));
    case plat::TDN_HYPERLINK_CLICKED:
        DialogHyperlinkClicked(LParam ? reinterpret_cast<const char*>(LParam) : "");
        break;
    case plat::TDN_TIMER:
        DialogTimer();
        break;
    case plat::TDN_RADIO_BUTTON_CLICKED:
        if (OnDialogRadioClick)
            OnDialogRadioClick(this, static_cast<std::int32_t>(WParam));
        break;
    case plat::TDN_VERIFICATION_CLICKED:
        if (OnDialogVerifyClick)
            OnDialogVerifyClick(this, WParam != 0);
        break;
    case plat::TDN_HELP:
        DialogHelp();
        break;
    default:
        break;
    }
    return plat::S_OK;
}

void TCustomVezTaskDialog::DialogCreated()
{
    const std::weak_ptr<int> alive = FLifeToken;
    if (OnDialogCreated)
        OnDialogCreated(this);
    if (alive.expired())
        return;
    if (FOptions.Contains(doProgressBar))
        SendToDialog(plat::TDM_SET_PROGRESS_BAR_RANGE, 0, plat::MAKELPARAM(FProgressBarMin, FProgressBarMax));
    if (FOptions.Contains(doProgressBarMarquee))
        SendToDialog(plat::TDM_SET_PROGRESS_BAR_MARQUEE, 1, 10);
}

std::int32_t TCustomVezTaskDialog::DialogButtonClicked(int ButtonID)
{
    const std::weak_ptr<int> alive = FLifeToken;
    if (OnDialogButtonClick)
        OnDialogButtonClick(this, ButtonID);
    if (alive.expired() || !OnDialogClose)
        return plat::S_OK;
    bool canClose = true;
    OnDialogClose(this, canClose);
    return canClose ? plat::S_OK : plat::S_FALSE;
}

void TCustomVezTaskDialog::DialogHyperlinkClicked(const std::string& HRef)
{
    if (OnDialogHyperlinkClick)
        OnDialogHyperlinkClick(this, HRef);
    else
        OpenDialogLink(HRef);
}

void TCustomVezTaskDialog::DialogTimer()
{
    const std::weak_ptr<int> alive = FLifeToken;
    if (OnDialogTimer)
        OnDialogTimer(this);
    if (alive.expired())
        return;
    if (OnDialogProgress) {
        std::int32_t pos = 0;
        TTaskDialogProgressState state = psNormal;
        OnDialogProgress(this, pos, state);
        if (alive.expired())
            return;
        SendToDialog(plat::TDM_SET_PROGRESS_BAR_POS, static_cast<std::uintptr_t>(pos), 0);
        static constexpr unsigned kStates[] = {plat::PBST_NORMAL, plat::PBST_ERROR, plat::PBST_PAUSED};
        SendToDialog(plat::TDM_SET_PROGRESS_BAR_STATE, kStates[state], 0);
    }
    FAutoCloseCounter += kAutoCloseStepMs;
    if (FAutoCloseTimeout > 0 && FAutoCloseCounter > FAutoCloseTimeout && FAutoClose)
        Close();
}

void TCustomVezTaskDialog::DialogHelp()
{
    if (FHelpContext == 0)
        return;
    try {
        const plat::TOpenResult shown = plat::Env().Help->ShowContext(plat::Application->GetHelpFile(), FHelpContext);
        if (!shown.Ok)
            ShowDialogException(shown.Error);
    } catch (const plat::Exception& E) {
        ShowDialogException(E.Message());
    }
}

std::string TVezTaskDialog::GetVersion() const
{
    return "1.7.3.1";
}

}  // namespace skelda::foundation
