#include "foundation/TVezMessageForm.h"

#include "foundation/DialogLinks.h"
#include "foundation/TCustomVezTaskDialog.h"
#include "foundation/TTaskDialogButton.h"
#include "foundation/TVezInputTaskDialog.h"
#include "foundation/TaskDialogInput.h"
#include "foundation/TaskDialogCaptions.h"
#include "platform/controls/core/ControlCanvas.h"
#include "platform/controls/core/Messages.h"
#include "platform/controls/core/VirtualKeys.h"
#include "platform/controls/forms/IButtonControl.h"
#include "platform/controls/forms/TApplication.h"
#include "platform/controls/forms/TScreen.h"
#include "platform/controls/forms/TTimer.h"
#include "platform/controls/standard/TCheckBox.h"
#include "platform/controls/standard/TImage.h"
#include "platform/controls/standard/TLabel.h"
#include "platform/controls/standard/TProgressBar.h"
#include "platform/controls/standard/TRadioButton.h"
#include "platform/core/MulDiv.h"
#include "platform/core/TStringList.h"
#include "platform/graphics/CanvasFlags.h"
#include "platform/graphics/StandardIcons.h"
#include "platform/graphics/SystemFonts.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TIcon.h"
#include "platform/graphics/TPicture.h"
#include "platform/system/Beeper.h"
#include "platform/system/ClipboardText.h"
#include "platform/system/Environment.h"
#include "platform/system/ProgramFile.h"
#include "platform/system/SystemMetrics.h"

#include <algorithm>

namespace skelda::foundation {

namespace {

constexpr int kFirstCustomButtonId = 100;
constexpr int kFirstRadioButtonId = 200;
constexpr int kTimerIntervalMs = 100;
constexpr int kAutoCloseStepMs = 100;
constexpr int kMinButtonWidthPx = 60;
constexpr int kIconSizePx = 32;
constexpr int kExpandButtonSizePx = 19;
constexpr int kScreenPixelsPerInch = 96;
constexpr plat::TColor kInstructionColor = 0xC45300;
constexpr plat::TColor kCommandLinkBorderColor = 0xFFE16C;
constexpr plat::TColor kExpandButtonColor = 0xF0F0F0;

// The results that decline the dialog: Cancel (also Escape, the close box and Close), No and the
// Close button shown as "&Abort". Every other button accepts what the input field shows.
bool AcceptsInput(int ModalResult)
{
    return ModalResult != plat::mrCancel && ModalResult != plat::mrNo && ModalResult != plat::mrAbort;
}

// The stock icon each main icon shows; tiBlank keeps the room of one (a blank square), tiShield
// marks the room for the shield picture.
int MainIconId(TTaskDialogIcon Icon)
{
    static constexpr int kIds[] = {plat::IDI_ASTERISK, plat::IDI_EXCLAMATION, plat::IDI_QUESTION, plat::IDI_HAND,
                                   plat::IDI_ASTERISK, 0,                     plat::IDI_HAND};
    return kIds[Icon];
}

int FooterIconId(TTaskDialogFooterIcon Icon)
{
    static constexpr int kIds[] = {0, plat::IDI_EXCLAMATION, plat::IDI_QUESTION, plat::IDI_HAND, plat::IDI_ASTERISK,
                                   plat::IDI_WINLOGO};
    return kIds[Icon];
}

}  // namespace

// The program's file name without folder and extension.
std::string TVezMessageForm::ExeTitle()
{
    std::string name = plat::ProgramFileName();
    name.erase(0, plat::ExtractFilePath(name).size());
    if (const std::size_t dot = name.rfind('.'); dot != std::string::npos && dot > 0)
        name.erase(dot);
    return name;
}

namespace {

void AssignPicture(plat::TBitmap& Bitmap, const char* Name)
{
    Bitmap.LoadFromResourceName(Name);
    Bitmap.SetTransparentColor(0xFF00FF);
}

void SetButtonPictures(TTaskDialogButton& Button, const char* Normal, const char* Hot, const char* Down,
                       const char* Disabled)
{
    plat::TBitmap picture;
    AssignPicture(picture, Normal);
    Button.SetPicture(picture);
    AssignPicture(picture, Hot);
    Button.SetPictureHot(picture);
    AssignPicture(picture, Down);
    Button.SetPictureDown(picture);
    if (Disabled) {
        AssignPicture(picture, Disabled);
        Button.SetPictureDisabled(picture);
    }
}

int SingleLineWidth(plat::TCanvas& Canvas, const std::string& Text)
{
    plat::TRect r{0, 0, 0, 0};
    Canvas.DrawText(Text, r, plat::DT_CALCRECT | plat::DT_SINGLELINE);
    return r.Right;
}

// The form as the component steers it while it is shown; frees it when the modal run ends, or
// when it is done with when the form was never shown.
class TMessageFormSession : public IVezMessageForm {
public:
    explicit TMessageFormSession(TCustomVezTaskDialog& Dialog) : FDialog(Dialog) {}
    ~TMessageFormSession() override { delete FForm.Get(); }

    int ShowModal() override
    {
        delete FForm.Get();
        FForm = plat::TControlRef<TVezMessageForm>(TVezMessageForm::CreateMessageForm(FDialog));
        return TVezMessageForm::ExecuteMessageForm(FDialog, -1, -1, FForm.Get());
    }
    void ClickButton(int ButtonID) override
    {
        if (TVezMessageForm* form = FForm.Get())
            form->ClickDialogButton(ButtonID);
    }
    void EnableButton(int ButtonID, bool Enabled) override
    {
        if (TVezMessageForm* form = FForm.Get())
            form->EnableDialogButton(ButtonID, Enabled);
    }
    void UpdateDialog() override
    {
        if (TVezMessageForm* form = FForm.Get())
            form->UpdateDialog();
    }
    void Close() override
    {
        if (TVezMessageForm* form = FForm.Get())
            form->Close();
    }

private:
    TCustomVezTaskDialog& FDialog;
    plat::TControlRef<TVezMessageForm> FForm;
};

}  // namespace

TMessageFormFactory DefaultMessageFormFactory()
{
    return [](TCustomVezTaskDialog& Dialog) { return std::make_unique<TMessageFormSession>(Dialog); };
}

TVezMessageForm::TVezMessageForm(plat::TComponent* AOwner, int /*Dummy*/)
    : plat::TForm(AOwner), FCanvas(std::make_unique<plat::TControlCanvas>())
{
    plat::GetMessageFont(Font());
    FWhiteWindowHeight = GetHeight();
}

TVezMessageForm::~TVezMessageForm()
{
    // A borrowed input control leaves before the form frees the controls on it.
    if (FInput)
        FInput->GiveBack();
}

plat::TWinControl* TVezMessageForm::InputControl() const
{
    return FInput ? FInput->Control() : nullptr;
}

plat::TCanvas& TVezMessageForm::Canvas()
{
    if (!FCanvas->Attached())
        FCanvas->SetIdleImage(LastPaint());
    return *FCanvas;
}

TVezMessageForm* TVezMessageForm::CreateMessageForm(TCustomVezTaskDialog& Dialog)
{
    auto* ownerForm = dynamic_cast<plat::TCustomForm*>(Dialog.Owner());
    plat::TComponent* owner = Dialog.GetApplicationIsParent() || !ownerForm
                                  ? static_cast<plat::TComponent*>(plat::Application)
                                  : ownerForm;
    auto* form = new TVezMessageForm(owner, 0);
    try {
        form->SetBiDiMode(plat::Application->GetBiDiMode());
        form->SetBorderIcons({});
        if (Dialog.FOptions.Contains(doAllowMinimize)) {
            form->SetBorderStyle(plat::bsSingle);
            form->SetBorderIcons({plat::biSystemMenu, plat::biMinimize});
        } else {
            form->SetBorderStyle(plat::bsDialog);
        }
        // A Cancel button is a way out, so Escape and the close box are one too.
        if (Dialog.FCommonButtons.Contains(cbCancel))
            Dialog.FOptions.Include(doAllowDialogCancel);
        if (Dialog.FOptions.Contains(doAllowDialogCancel))
            form->SetBorderIcons(form->GetBorderIcons() + plat::TBorderIcons{plat::biSystemMenu});
        if ((!Dialog.GetApplicationIsParent() && ownerForm && ownerForm->GetFormStyle() == plat::fsStayOnTop) ||
            Dialog.GetAlwaysOnTop())
            form->SetFormStyle(plat::fsStayOnTop);
        form->Canvas().Font().Assign(form->Font());
        form->SetKeyPreview(true);
        form->OnKeyDown = [form](plat::TObject* Sender, unsigned& Key, plat::TShiftState Shift) {
            form->FormKeyDown(Sender, Key, Shift);
        };
        form->FFooterColor = Dialog.GetFooterColor();
        form->FFooterLineColor = Dialog.GetFooterLineColor();
        form->FMinFormWidth = Dialog.GetNonNativeMinFormWidth();
        form->BuildTaskDialog(Dialog);
    } catch (...) {
        delete form;
        throw;
    }
    return form;
}

int TVezMessageForm::ExecuteMessageForm(TCustomVezTaskDialog& Dialog, int Left, int Top, TVezMessageForm* Form)
{
    const plat::TControlRef<TVezMessageForm> form(Form ? Form : CreateMessageForm(Dialog));
    struct FreeForm {
        const plat::TControlRef<TVezMessageForm>& Form;
        ~FreeForm() { delete Form.Get(); }
    } freeForm{form};
    form->OnShow = [f = form.Get()](plat::TObject* Sender) { f->DialogFormShow(Sender); };
    form->SetColor(plat::clWindow);
    if (Left >= 0)
        form->SetLeft(Left);
    if (Top >= 0)
        form->SetTop(Top);
    if (Left < 0 && Top < 0)
        form->SetPosition(Dialog.GetDialogPosition() == dpOwnerFormCenter ? plat::poOwnerFormCenter
                                                                           : plat::poScreenCenter);
    return form->ShowModal();
}

void TVezMessageForm::BuildTaskDialog(TCustomVezTaskDialog& Dialog)
{
    plat::TCanvas& canvas = Canvas();
    plat::TFont savedFont;
    savedFont.Assign(canvas.Font());
    FTaskDialog = &Dialog;
    FDialogAlive = Dialog.FLifeToken;
    FMetrics = MessageFormMetrics(AverageCharSize(canvas));

    // 1. Caption and the width it needs.
    int width = SetDialogCaption();
    FHorzParaMargin = FMetrics.HorzMarginPx;
    int y = FMetrics.VertMarginPx;
    int commonRowWidth = 0;
    int customRowWidth = 0;

    // 3-7. Buttons.
    BuildCommonButtons(CommonButtonSlots(Dialog.FCommonButtons, Dialog.FDefaultButton), commonRowWidth);
    if (HasCommandLinks())
        BuildCommandLinks(width);
    else
        BuildCustomButtons(customRowWidth);
    if (FcmBtnList.empty() && FcsBtnList.empty())
        BuildLoneOkButton(commonRowWidth);

    // 8. The instruction's size, bold and larger, wrapped within half the screen.
    const plat::TSize instructionSize = MeasureInstruction();
    const int instructionWidth = instructionSize.cx;
    const int instructionHeight = instructionSize.cy;

    // 9-10. Icon and instruction.
    int textWidth = instructionWidth;
    int textHeight = instructionHeight;
    BuildIcon(y, textWidth, textHeight);
    FHorzParaMargin = textWidth - instructionWidth + FMetrics.HorzMarginPx;
    BuildInstruction({FHorzParaMargin, y, FHorzParaMargin + instructionWidth, y + instructionHeight});
    y += Message->GetHeight() + FMetrics.VertSpacingPx;

    BuildTimer();
    BuildProgressBar(y);
    BuildRadioButtons(y, width);
    BuildExpandedText(y);
    int verifyWidth = 0;
    BuildVerification(y, width, verifyWidth);
    BuildFooter(y);

    // 17. The button row's width.
    const int rowWidth = commonRowWidth + customRowWidth + verifyWidth + ExpandRowWidth();

    // 18. The input field, below the instruction.
    if (Dialog.GetContent().empty())
        y -= 20;
    FInput = std::make_unique<TTaskDialogInput>(*this, Dialog);
    FInput->Create(FHorzParaMargin, y + 20);
    width = std::max(width, FInput->RequiredClientWidth(GetWidth()));

    // 19-20. Client width.
    width = std::max({width, std::max({textWidth, rowWidth, FFooterXSize}) + 2 * FMetrics.HorzMarginPx,
                      2 * FMetrics.HorzMarginPx + FExpTextXSize,
                      plat::MulDiv(FMinFormWidth, kScreenPixelsPerInch, 96)});
    ApplyClientWidth(width);

    // 21-22.
    SetPositions();
    if (FExpandButton)
        SetExpanded(Dialog.FOptions.Contains(doExpandedDefault));
    SetLeft(plat::Screen->Width() / 2 - GetWidth() / 2);
    SetTop(plat::Screen->Height() / 2 - GetHeight() / 2);
    canvas.Font().Assign(savedFont);
}

void TVezMessageForm::BuildInstruction(plat::TRect Bounds)
{
    Message = new plat::TLabel(this);
    Message->SetName("Instr");
    Message->SetParent(this);
    Message->SetAutoSize(false);
    Message->SetWordWrap(true);
    Message->SetShowAccelChar(false);
    Message->SetCaption(FTaskDialog->GetInstruction());
    Message->Font().Assign(Font());
    Message->Font().SetSize(11);
    Message->Font().SetColor(kInstructionColor);
    Message->Font().SetStyle({plat::fsBold});
    Message->SetBiDiMode(GetBiDiMode());
    Message->SetBoundsRect(Bounds);
}

// The timer behind the progress bar, OnDialogTimer and the auto-close.
void TVezMessageForm::BuildTimer()
{
    const TTaskDialogOptions options = FTaskDialog->FOptions;
    if (!options.Contains(doTimer) && !FTaskDialog->GetAutoClose() && !options.Contains(doProgressBarMarquee) &&
        !options.Contains(doProgressBar))
        return;
    FTimer = new plat::TTimer(this);
    FTimer->SetInterval(kTimerIntervalMs);
    FTimer->OnTimer = [this](plat::TObject* Sender) { TimerTick(Sender); };
}

void TVezMessageForm::BuildProgressBar(int Top)
{
    const TCustomVezTaskDialog& dialog = *FTaskDialog;
    if (!dialog.FOptions.Contains(doProgressBar))
        return;
    FProgressBar = new plat::TProgressBar(this);
    FProgressBar->SetName("ProgressBar");
    FProgressBar->SetParent(this);
    FProgressBar->SetBounds(FMetrics.HorzMarginPx, Top, FProgressBar->GetWidth() - 2 * FMetrics.HorzMarginPx, 12);
    FProgressBar->SetMin(dialog.GetProgressBarMin());
    FProgressBar->SetMax(dialog.GetProgressBarMax());
    FProgressBar->SetPosition(0);
    if (dialog.FOptions.Contains(doProgressBarMarquee)) {
        FProgressBar->SetMarqueeInterval(10);
        FProgressBar->SetStyle(plat::pbstMarquee);
    }
}

void TVezMessageForm::BuildCommonButtons(const TCommonButtonSlots& Slots, int& RowWidth)
{
    const TCustomVezTaskDialog& dialog = *FTaskDialog;
    for (int b = cbOK; b <= cbClose; ++b) {
        const auto kind = static_cast<TCommonButton>(b);
        if (!dialog.FCommonButtons.Contains(kind))
            continue;
        const TCommonButtonInfo& info = CommonButtonInfo(kind);
        const int captionWidth = SingleLineWidth(Canvas(), info.Caption) + 16;
        plat::TWinControl* button = NewCommonButton(info);
        const bool isDefaultSlot = Slots.HasDefault && kind == Slots.Default;
        button->SetTag(isDefaultSlot ? 1 : 0);
        if (AllowsCancel() && (info.ModalResult == plat::mrCancel || kind == Slots.Cancel))
            FTaskDialog->SetButtonCancel(button, true);
        if (isDefaultSlot) {
            FTaskDialog->SetButtonDefault(button, true);
            button->SetTabOrder(0);
        }
        button->SetBounds(0, 0, std::max(captionWidth, kMinButtonWidthPx), FMetrics.ButtonHeightPx);
        RowWidth += button->GetWidth() + FMetrics.ButtonSpacingPx;
        button->OnClick = [this](plat::TObject* Sender) { ButtonClick(Sender); };
        if (dialog.FDefaultButton == -1)
            button->SetTabStop(false);
    }
}

plat::TWinControl* TVezMessageForm::NewCommonButton(const TCommonButtonInfo& Info)
{
    plat::TWinControl* button = FTaskDialog->CreateButton(this);
    FcmBtnList.push_back(button);
    button->SetName(Info.Name);
    button->SetParent(this);
    FTaskDialog->SetButtonCaption(button, Info.Caption);
    FTaskDialog->SetButtonModalResult(button, Info.ModalResult);
    return button;
}

void TVezMessageForm::BuildCustomButtons(int& RowWidth)
{
    const TCustomVezTaskDialog& dialog = *FTaskDialog;
    const plat::TStrings& captions = *dialog.FCustomButtons;
    const int defaultId =
        FcmBtnList.empty() && dialog.FDefaultButton <= 0 ? kFirstCustomButtonId : dialog.FDefaultButton;
    for (int i = 0; i < captions.Count(); ++i) {
        const int captionWidth = SingleLineWidth(Canvas(), captions.GetStrings(i)) + 16;
        plat::TWinControl* button = FTaskDialog->CreateButton(this);
        FcsBtnList.push_back(button);
        button->SetName("CSButton" + std::to_string(i));
        button->SetParent(this);
        FTaskDialog->SetButtonModalResult(button, kFirstCustomButtonId + i);
        if (kFirstCustomButtonId + i == defaultId)
            FTaskDialog->SetButtonDefault(button, true);
        FTaskDialog->SetButtonCaption(button, captions.GetStrings(i));
        button->SetBounds(0, 0, std::max(captionWidth, kMinButtonWidthPx), FMetrics.ButtonHeightPx);
        button->OnClick = [this](plat::TObject* Sender) { ButtonClick(Sender); };
        RowWidth += button->GetWidth() + FMetrics.ButtonSpacingPx;
        if (defaultId == -1)
            button->SetTabStop(false);
    }
}

void TVezMessageForm::BuildCommandLinks(int& Width)
{
    const TCustomVezTaskDialog& dialog = *FTaskDialog;
    const plat::TStrings& captions = *dialog.FCustomButtons;
    plat::TCanvas& canvas = Canvas();
    plat::TFont bodyFont;
    bodyFont.Assign(canvas.Font());
    bodyFont.SetColor(kInstructionColor);
    plat::TFont headingFont;
    headingFont.Assign(bodyFont);
    headingFont.SetSize(11);
    headingFont.SetStyle({plat::fsBold});
    const bool withArrow = !dialog.FOptions.Contains(doCommandLinksNoIcon);
    plat::TFont savedFont;
    savedFont.Assign(canvas.Font());
    canvas.Font().Assign(bodyFont);
    const int lineHeight = canvas.TextHeight("gh");
    int widest = 0;
    for (int i = 0; i < captions.Count(); ++i) {
        const std::string& caption = captions.GetStrings(i);
        canvas.Font().SetSize(10);
        canvas.Font().SetStyle({});
        const TCommandLinkSize size =
            MeasureCommandLink(&canvas, caption, headingFont, true, dialog.GetMultiLineButtons(), 0, bodyFont);
        widest = std::max(widest, size.WidthPx + 26);
        Width = withArrow ? std::max(Width, 2 * FMetrics.HorzMarginPx + widest + FMetrics.HorzSpacingPx + 32)
                          : std::max(Width, widest + FMetrics.HorzMarginPx);
        FCommandLinkWidth = std::max(FCommandLinkWidth, Width);

        auto* link = new TTaskDialogButton(this);
        FcsBtnList.push_back(link);
        link->SetName("Button" + std::to_string(i));
        link->SetParent(this);
        link->SetCaption(caption);
        link->Font().Assign(bodyFont);
        link->SetHeadingFont(headingFont);
        link->SetModalResult(kFirstCustomButtonId + i);
        link->SetBorderColorHot(kCommandLinkBorderColor);
        link->SetBorderColorDown(kCommandLinkBorderColor);
        link->SetMultiLine(dialog.GetMultiLineButtons());
        // Right to left its arrow stands on the right and points left.
        link->SetBiDiMode(GetBiDiMode());
        link->SetAutoFocus(dialog.FDefaultButton != -1);
        link->SetTabStop(dialog.FDefaultButton != -1);
        link->SetBounds(0, 0, std::max(widest, kMinButtonWidthPx),
                        std::max({lineHeight + 20, FMetrics.ButtonHeightPx, size.HeightPx}));
        if (withArrow)
            SetButtonPictures(*link, "TD_ARW", "TD_ARWHOT", "TD_ARWDOWN", "TD_ARWDIS");
        link->OnClick = [this](plat::TObject* Sender) { ButtonClick(Sender); };
    }
    canvas.Font().Assign(savedFont);
}

void TVezMessageForm::BuildLoneOkButton(int& RowWidth)
{
    const TCommonButtonInfo& info = CommonButtonInfo(cbOK);
    plat::TWinControl* button = NewCommonButton(info);
    FTaskDialog->SetButtonDefault(button, true);
    if (AllowsCancel())
        FTaskDialog->SetButtonCancel(button, true);
    button->SetBounds(0, 0, std::max(SingleLineWidth(Canvas(), info.Caption) + 8, kMinButtonWidthPx),
                      FMetrics.ButtonHeightPx);
    RowWidth += button->GetWidth() + FMetrics.ButtonSpacingPx;
}

void TVezMessageForm::BuildIcon(int Top, int& TextWidth, int& TextHeight)
{
    const TCustomVezTaskDialog& dialog = *FTaskDialog;
    const int id = MainIconId(dialog.FIcon);
    const bool custom = !dialog.FCustomIcon->GetEmpty();
    if (id == 0 && !custom)
        return;
    // A custom icon takes the room of one as a stock icon does, so the instruction never covers it.
    TextWidth += FMetrics.HorzSpacingPx + kIconSizePx;
    TextHeight = std::max(TextHeight, kIconSizePx);
    FIcon = new plat::TImage(this);
    FIcon->SetName("Image");
    FIcon->SetParent(this);
    FIcon->SetBounds(FMetrics.HorzMarginPx, Top, kIconSizePx, kIconSizePx);
    if (custom) {
        FIcon->Picture().Assign(*dialog.FCustomIcon);
    } else if (dialog.FIcon == tiBlank) {
        plat::TBitmap& blank = FIcon->Picture().Bitmap();
        blank.SetSize(kIconSizePx, kIconSizePx);
        blank.Canvas().Brush().SetColor(plat::clWindow);
        blank.Canvas().FillRect({0, 0, kIconSizePx, kIconSizePx});
    } else if (dialog.FIcon == tiShield) {
        AssignPicture(FIcon->Picture().Bitmap(), "TD_SHIELD");
        FIcon->SetTransparent(true);
    } else {
        plat::TIcon icon;
        if (plat::LoadStandardIcon(id, kIconSizePx, icon))
            FIcon->Picture().Assign(icon);
    }
}

void TVezMessageForm::BuildRadioButtons(int Top, int& Width)
{
    TCustomVezTaskDialog& dialog = *FTaskDialog;
    const plat::TStrings& captions = *dialog.FRadioButtons;
    if (captions.Count() == 0)
        return;
    const bool noDefault = dialog.FOptions.Contains(doNoDefaultRadioButton);
    dialog.FButtonResult = noDefault ? 0 : dialog.FDefaultRadioButton;
    for (int i = 0; i < captions.Count(); ++i) {
        plat::TRadioButton* radio = dialog.CreateRadioButton(this);
        FRadioList.push_back(radio);
        dialog.InitRadioButton(this, radio, [this](plat::TObject* Sender) { RadioClick(Sender); }, i);
        // Right to left the box stands on the right of its caption.
        if (UseRightToLeftAlignment())
            radio->SetAlignment(plat::taLeftJustify);
        const int left = FHorzParaMargin + FMetrics.HorzMarginPx;
        const int captionWidth = CaptionWidth(captions.GetStrings(i));
        radio->SetBounds(left, Top, std::max(GetClientWidth() - left - 4, captionWidth + kBoxRoomPx),
                         radio->GetHeight());
        Width = std::max(Width, left + captionWidth + FMetrics.HorzMarginPx + kBoxRoomPx);
        dialog.SetControlText(radio, captions.GetStrings(i));
        // The initial choice is no click of the user's.
        radio->SetClicksDisabled(true);
        dialog.SetRadioButtonState(radio, !noDefault && (dialog.FDefaultRadioButton > 0
                                                             ? kFirstRadioButtonId + i == dialog.FDefaultRadioButton
                                                             : i == 0));
        radio->SetClicksDisabled(false);
    }
}

void TVezMessageForm::BuildExpandedText(int Top)
{
    const TCustomVezTaskDialog& dialog = *FTaskDialog;
    if (dialog.GetExpandedText().empty())
        return;
    const plat::TSize size = dialog.FOptions.Contains(doHyperlinks)
                                 ? MeasureHtml(dialog.GetExpandedText(), {FMetrics.HorzMarginPx, Top, 300, Top + 26},
                                               Top, false)
                                 : MeasureDialogText(dialog.GetExpandedText(), 300 - FMetrics.HorzMarginPx, true);
    FExpTextXSize = size.cx;
    FExpTextYSize = size.cy;
    FExpandButton = new TTaskDialogButton(this);
    FExpandButton->SetName("ExpandButton");
    FExpandButton->SetParent(this);
    FExpandButton->SetModalResult(0);
    FExpandButton->SetBounds(0, 0, kExpandButtonSizePx, kExpandButtonSizePx);
    FExpandButton->OnClick = [this](plat::TObject* Sender) { ToggleExpanded(Sender); };
    SetButtonPictures(*FExpandButton, "TD_COLP", "TD_COLPHOT", "TD_COLPDOWN", nullptr);
    if (!dialog.FCommonButtons.Empty())
        FExpandButton->SetBackColor(kExpandButtonColor);
}

void TVezMessageForm::BuildVerification(int Top, int& Width, int& VerifyWidth)
{
    TCustomVezTaskDialog& dialog = *FTaskDialog;
    if (dialog.GetVerificationText().empty())
        return;
    FVerificationCheck = new plat::TCheckBox(this);
    FVerificationCheck->SetName("Verification");
    FVerificationCheck->SetParent(this);
    FVerificationCheck->SetBiDiMode(GetBiDiMode());
    if (UseRightToLeftAlignment())
        FVerificationCheck->SetAlignment(plat::taLeftJustify);
    FVerificationCheck->SetCaption(dialog.GetVerificationText());
    FVerificationCheck->SetColor(FFooterColor);
    FVerificationCheck->SetChecked(dialog.FOptions.Contains(doVerifyChecked));
    FVerificationCheck->OnClick = [this](plat::TObject* Sender) { VerificationClick(Sender); };
    dialog.FVerifyResult = FVerificationCheck->GetChecked();
    const int captionWidth = CaptionWidth(dialog.GetVerificationText());
    VerifyWidth = 2 * FMetrics.VertSpacingPx + captionWidth;
    FVerifyWidth = VerifyWidth;
    FVerificationCheck->SetBounds(FMetrics.HorzMarginPx, Top, VerifyWidth, 16);
    Width = std::max(Width, FMetrics.HorzMarginPx + captionWidth);
}

void TVezMessageForm::BuildFooter(int Top)
{
    const TCustomVezTaskDialog& dialog = *FTaskDialog;
    FFooterXSize = FFooterYSize = 0;
    if (!dialog.GetFooter().empty()) {
        const plat::TSize size = MeasureHtml(dialog.GetFooter(), {FMetrics.HorzMarginPx, Top, 300, Top + 26}, Top, false);
        FFooterXSize = size.cx;
        FFooterYSize = size.cy;
    }
    if (const int id = FooterIconId(dialog.FFooterIcon)) {
        FFooterIcon = new plat::TImage(this);
        FFooterIcon->SetName("FooterImage");
        FFooterIcon->SetParent(this);
        FFooterIcon->SetVisible(false);
        FFooterIcon->SetBounds(FMetrics.HorzMarginPx, Top, 16, 16);
        FFooterIconID = id;
    }
}

int TVezMessageForm::SetDialogCaption()
{
    SetCaption(FTaskDialog->GetTitle().empty() ? ExeTitle() : FTaskDialog->GetTitle());
    if (GetCaption().empty())
        return 0;
    return CaptionWidth(GetCaption()) + 50;
}

plat::TSize TVezMessageForm::MeasureInstruction()
{
    const std::string& instruction = FTaskDialog->GetInstruction();
    if (instruction.empty())
        return {0, 0};
    plat::TCanvas& canvas = Canvas();
    plat::TFont savedFont;
    savedFont.Assign(canvas.Font());
    canvas.Font().SetSize(11);
    canvas.Font().SetStyle({plat::fsBold});
    plat::TRect r{0, 0, plat::Screen->Width() / 2, 0};
    canvas.DrawText(instruction, r, plat::DT_CALCRECT | plat::DT_WORDBREAK | plat::DT_EXPANDTABS | ReadingFlags());
    canvas.Font().Assign(savedFont);
    return {r.Right, r.Bottom};
}

void TVezMessageForm::PlaceInput(int Top)
{
    if (FInput)
        FInput->SetTop(Top);
}

int TVezMessageForm::InputAllowance() const
{
    return FInput ? FInput->Allowance() : 0;
}

bool TVezMessageForm::Attached()
{
    if (FTaskDialog && FDialogAlive.expired())
        FTaskDialog = nullptr;
    return FTaskDialog != nullptr;
}

bool TVezMessageForm::AllowsCancel() const
{
    return FTaskDialog && FTaskDialog->FOptions.Contains(doAllowDialogCancel);
}

bool TVezMessageForm::HasCommandLinks() const
{
    return FTaskDialog && FTaskDialog->FOptions.Contains(doCommandLinks);
}

unsigned TVezMessageForm::ReadingFlags() const
{
    return DrawTextBiDiModeFlagsReadingOnly();
}

void TVezMessageForm::MeasureText(const std::string& Text, int& Width, int& Height)
{
    if (Text.empty()) {
        Width = Height = 0;
        return;
    }
    plat::TRect r{0, 0, Width == 0 ? 1000 : Width, 100};
    Canvas().DrawText(Text, r,
                      plat::DT_CALCRECT | plat::DT_WORDBREAK | plat::DT_EXPANDTABS | plat::DT_NOPREFIX | ReadingFlags());
    Width = r.Right;
    Height = r.Bottom;
}

int TVezMessageForm::CaptionWidth(const std::string& Text)
{
    int width = 1000, height = 0;
    MeasureText(Text, width, height);
    return width;
}

plat::TSize TVezMessageForm::MeasureDialogText(const std::string& Text, int Width, bool AlwaysBreakLines)
{
    int height = 0;
    MeasureText(PlainDialogText(Text, AlwaysBreakLines), Width, height);
    return {Width, height};
}

std::string TVezMessageForm::PlainDialogText(const std::string& Text, bool AlwaysBreakLines) const
{
    if (!AlwaysBreakLines && !HasNewlineEscape(Text))
        return Text;
    std::string out;
    out.reserve(Text.size());
    for (std::size_t i = 0; i < Text.size(); ++i) {
        if (Text[i] == '\\' && i + 1 < Text.size() && Text[i + 1] == 'n') {
            out += '\r';
            ++i;
        } else {
            out += Text[i];
        }
    }
    return out;
}

plat::TWinControl* TVezMessageForm::FindDialogButton(int ButtonID) const
{
    for (plat::TWinControl* button : FcmBtnList)
        if (FTaskDialog && FTaskDialog->GetButtonModalResult(button) == ButtonID)
            return button;
    const int index = ButtonID - kFirstCustomButtonId;
    if (index >= 0 && index < static_cast<int>(FcsBtnList.size()))
        return FcsBtnList[static_cast<std::size_t>(index)];
    return nullptr;
}

void TVezMessageForm::ClickDialogButton(int ButtonID)
{
    plat::TWinControl* button = FindDialogButton(ButtonID);
    // A disabled button cannot be pressed, by the user or by the program.
    if (!button || !button->GetEnabled())
        return;
    if (auto* push = dynamic_cast<plat::IButtonControl*>(button))
        push->Click();
    else if (auto* link = dynamic_cast<TTaskDialogButton*>(button))
        link->Click();
}

void TVezMessageForm::EnableDialogButton(int ButtonID, bool Enabled)
{
    if (plat::TWinControl* button = FindDialogButton(ButtonID))
        button->SetEnabled(Enabled);
}

void TVezMessageForm::ButtonClick(plat::TObject* Sender)
{
    if (!Attached())
        return;
    if (!FTaskDialog->OnDialogButtonClick)
        return;
    const auto found = std::find(FcsBtnList.begin(), FcsBtnList.end(), Sender);
    if (found != FcsBtnList.end()) {
        FTaskDialog->OnDialogButtonClick(FTaskDialog,
                                         kFirstCustomButtonId + static_cast<int>(found - FcsBtnList.begin()));
    } else if (auto* button = dynamic_cast<plat::TControl*>(Sender)) {
        FTaskDialog->OnDialogButtonClick(FTaskDialog, FTaskDialog->GetButtonModalResult(button));
    }
}

void TVezMessageForm::RadioClick(plat::TObject* Sender)
{
    if (!Attached())
        return;
    const auto found = std::find(FRadioList.begin(), FRadioList.end(), Sender);
    if (found == FRadioList.end())
        return;
    FTaskDialog->FButtonResult = kFirstRadioButtonId + static_cast<int>(found - FRadioList.begin());
    if (FTaskDialog->OnDialogRadioClick)
        FTaskDialog->OnDialogRadioClick(FTaskDialog, FTaskDialog->FButtonResult);
}

void TVezMessageForm::VerificationClick(plat::TObject* /*Sender*/)
{
    if (!Attached())
        return;
    FTaskDialog->FVerifyResult = FVerificationCheck->GetChecked();
    if (FTaskDialog->OnDialogVerifyClick)
        FTaskDialog->OnDialogVerifyClick(FTaskDialog, FTaskDialog->FVerifyResult);
}

void TVezMessageForm::SetExpanded(bool Value)
{
    if (Value != FExpanded && FExpandButton) {
        if (Value)
            SetButtonPictures(*FExpandButton, "TD_COLP", "TD_COLPHOT", "TD_COLPDOWN", nullptr);
        else
            SetButtonPictures(*FExpandButton, "TD_EXP", "TD_EXPHOT", "TD_EXPDOWN", nullptr);
    }
    FExpanded = Value;
    SetPositions();
    Invalidate();
}

void TVezMessageForm::ToggleExpanded(plat::TObject* /*Sender*/)
{
    SetExpanded(!FExpanded);
}

void TVezMessageForm::DialogFormShow(plat::TObject* /*Sender*/)
{
    if (!Attached())
        return;
    if (FTaskDialog->OnDialogCreated)
        FTaskDialog->OnDialogCreated(FTaskDialog);
}

void TVezMessageForm::TimerTick(plat::TObject* /*Sender*/)
{
    // Each event may free the form or the component.
    const plat::TControlRef<> alive(this);
    auto goesOn = [&] { return alive && Attached(); };
    if (!goesOn())
        return;
    FTaskDialog->FAutoCloseCounter += kAutoCloseStepMs;
    if (FTaskDialog->FOptions.Contains(doTimer) && FTaskDialog->OnDialogTimer) {
        FTaskDialog->OnDialogTimer(FTaskDialog);
        if (!goesOn())
            return;
    }
    if (FTaskDialog->OnDialogProgress && FProgressBar) {
        std::int32_t pos = FProgressBar->GetPosition();
        TTaskDialogProgressState state = psNormal;
        FTaskDialog->OnDialogProgress(FTaskDialog, pos, state);
        if (!goesOn())
            return;
        FProgressBar->SetPosition(pos);
    }
    const TCustomVezTaskDialog& dialog = *FTaskDialog;
    if (dialog.FAutoCloseTimeout > 0 && dialog.FAutoCloseCounter > dialog.FAutoCloseTimeout && dialog.FAutoClose)
        FTaskDialog->Close();
}

void TVezMessageForm::FormKeyDown(plat::TObject* /*Sender*/, unsigned& Key, plat::TShiftState Shift)
{
    const plat::TShiftState modifiers = Shift * plat::TShiftState{plat::ssShift, plat::ssAlt, plat::ssCtrl};
    if (modifiers.Contains(plat::ssAlt) && Key == plat::VK_F4)
        Key = 0;
    else if (modifiers == plat::TShiftState{plat::ssCtrl} && Key == 'C')
        plat::Env().Beeper->MessageBeep(0);
}

void TVezMessageForm::KeyDown(unsigned& Key, plat::TShiftState Shift)
{
    const plat::TControlRef<> alive(this);
    plat::TForm::KeyDown(Key, Shift);
    if (!alive)
        return;
    if (Key == plat::VK_F1 && Attached())
        FTaskDialog->DialogHelp();
    else if (Key == 'C' && Shift.Contains(plat::ssCtrl))
        CopyToClipboard();
}

void TVezMessageForm::CopyToClipboard()
{
    if (!Attached())
        return;
    const TCustomVezTaskDialog& dialog = *FTaskDialog;
    std::string text = dialog.GetTitle() + "\r\n" + dialog.GetInstruction() + "\r\n" + dialog.GetContent();
    if (FExpanded)
        text += "\r\n\r\n" + dialog.GetExpandedText();
    plat::SetClipboardText(text);
}

bool TVezMessageForm::DialogChar(char32_t Char)
{
    if (!FTaskDialog)
        return false;
    if (HasCommandLinks()) {
        for (plat::TWinControl* link : FcsBtnList)
            if (plat::IsAccel(Char, link->GetCaption()) && CanFocus()) {
                if (auto* button = dynamic_cast<TTaskDialogButton*>(link); button && button->GetEnabled())
                    button->Click();
                return true;
            }
    }
    if (FExpandButton) {
        const std::string& accelerated =
            FExpanded ? FTaskDialog->GetExpandControlText() : FTaskDialog->GetCollapsControlText();
        if (plat::IsAccel(Char, accelerated)) {
            SetExpanded(!FExpanded);
            return true;
        }
    }
    return false;
}

void TVezMessageForm::Dispatch(plat::TMessage& Message)
{
    Attached();
    switch (Message.Msg) {
    case plat::WM_ACTIVATE:
        // Raised when it becomes active only: raising it as it loses the activation would fight
        // the window the user turned to. The default handling goes on and restores the focus.
        if ((Message.WParam & 0xFFFF) != plat::WA_INACTIVE)
            BringToFront();
        break;
    case plat::CM_DIALOGCHAR:
        if (DialogChar(static_cast<char32_t>(Message.WParam))) {
            Message.Result = 1;
            return;
        }
        break;
    case plat::CM_DIALOGKEY:
        if (Message.WParam == plat::VK_ESCAPE && AllowsCancel() &&
            (plat::KeyDataToShiftState(static_cast<int>(Message.LParam)) *
             plat::TShiftState{plat::ssShift, plat::ssAlt, plat::ssCtrl})
                .Empty()) {
            Close();
            Message.Result = 1;
            return;
        }
        break;
    case plat::WM_CLOSE:
        // The window manager's close request (its close box, its own Alt+F4): a way out only
        // where the dialog allows one, as Escape.
        if (!AllowsCancel())
            return;
        break;
    default:
        break;
    }
    plat::TForm::Dispatch(Message);
}

void TVezMessageForm::DoShow()
{
    const plat::TControlRef<> alive(this);
    plat::TForm::DoShow();
    if (!alive)
        return;
    FocusDefaultButton();
    if (FInput)
        FInput->Focus(false);
}

void TVezMessageForm::FocusDefaultButton()
{
    if (!Attached())
        return;
    const TCustomVezTaskDialog& dialog = *FTaskDialog;
    int k = -1;
    const int customCount = static_cast<int>(FcsBtnList.size());
    if (dialog.FDefaultButton - kFirstCustomButtonId >= 0 && dialog.FDefaultButton - kFirstCustomButtonId < customCount)
        k = dialog.FDefaultButton - kFirstCustomButtonId;
    else if (dialog.FCommonButtons.Empty() && customCount > 0 && dialog.FDefaultButton < kFirstCustomButtonId)
        k = 0;
    if (k < 0) {
        for (plat::TWinControl* button : FcmBtnList)
            if (button->GetTag() == 1 && button->CanFocus())
                button->SetFocus();
    } else if (plat::TWinControl* button = FcsBtnList[static_cast<std::size_t>(k)]; button->CanFocus()) {
        button->SetFocus();
    }
}

void TVezMessageForm::DoClose(plat::TCloseAction& Action)
{
    if (!Attached()) {
        plat::TForm::DoClose(Action);
        if (FInput)
            FInput->GiveBack();
        return;
    }
    TCustomVezTaskDialog& dialog = *FTaskDialog;
    const std::weak_ptr<int> alive = dialog.FLifeToken;
    // The field's value goes to the caller only when the form closes accepting it; until then
    // InputText stays as the caller left it.
    const std::string value = FInput ? FInput->Value() : dialog.GetInputText();
    if (alive.expired())
        return;
    bool canClose = true;
    auto* inputDialog = dynamic_cast<TVezInputTaskDialog*>(&dialog);
    if (inputDialog && inputDialog->OnValidateInputText) {
        std::string newValue = value;
        inputDialog->OnValidateInputText(&dialog, newValue, inputDialog->GetValidateData(), GetModalResult(), canClose);
        if (alive.expired())
            return;
        if (!canClose && newValue != value && FInput)
            FInput->ShowValue(newValue);
    }
    if (dialog.OnDialogClose) {
        dialog.OnDialogClose(&dialog, canClose);
        if (alive.expired())
            return;
    }
    if (!canClose)
        Action = plat::caNone;
    plat::TForm::DoClose(Action);
    if (Action == plat::caNone) {
        if (FInput)
            FInput->Focus(true);
        return;
    }
    if (AcceptsInput(GetModalResult()))
        dialog.SetInputText(value);
    if (FInput)
        FInput->GiveBack();
}

}  // namespace skelda::foundation
