#pragma once

#include "foundation/IVezMessageForm.h"
#include "foundation/MessageFormMetrics.h"
#include "foundation/TaskDialogTypes.h"
#include "platform/controls/forms/TForm.h"

#include <memory>
#include <string>
#include <vector>

namespace plat {
class TCanvas;
class TCheckBox;
class TControlCanvas;
class TImage;
class TLabel;
class TProgressBar;
class TRadioButton;
class TTimer;
}  // namespace plat

namespace skelda::foundation {

class TCustomVezTaskDialog;
class TTaskDialogButton;
class TTaskDialogInput;

// The form that stands in for the platform's task dialog: built control by control from one
// task dialog component, shown modally, freed when it closes. A white upper area holds the main
// icon, the instruction, the content, the input control, progress bar, radio buttons, the
// expanded text and the command links; a grey band below holds the expand button, the
// verification check box and the push buttons, aligned right; the footer comes last. Content,
// expanded text and footer are mini-HTML. Right to left (bdRightToLeft) the form is the mirror
// image of that layout.
//
// Sizes come from the dialog font's average character (MessageFormMetrics). The client width
// is the widest of the title, the instruction with the icon, the button row, the texts and
// NonNativeMinFormWidth (at 96 dots per inch), and never wider than the screen. Common buttons
// return their modal results (OK 1, Yes 6, No 7, Cancel 2, Retry 4, "&Abort" 3), custom buttons
// and command links 100 + index; closing otherwise (Escape or the window's close box with
// doAllowDialogCancel, the component's Close) gives 2. Without doAllowDialogCancel neither
// Alt+F4 nor the window manager's close request closes it.
//
// User-interface thread only. A component freed while the form is shown (by one of its own event
// handlers) closes the form, which then carries on without it.
class TVezMessageForm : public plat::TForm {
public:
    // An empty form in the system's message font; the second argument is there for the
    // constructor's shape only.
    TVezMessageForm(plat::TComponent* AOwner, int Dummy);
    ~TVezMessageForm() override;

    std::string ClassName() const override { return "TVezMessageForm"; }

    // A form built from Dialog, owned by the application or by Dialog's owner form.
    static TVezMessageForm* CreateMessageForm(TCustomVezTaskDialog& Dialog);
    // Shows Form (or, without one, a form built from Dialog) modally at (Left, Top) when both are
    // 0 or more, else centred as the component's DialogPosition says; frees it, also on an
    // exception. Its modal result.
    static int ExecuteMessageForm(TCustomVezTaskDialog& Dialog, int Left, int Top, TVezMessageForm* Form = nullptr);

    // Creates and measures every control from Dialog's settings.
    void BuildTaskDialog(TCustomVezTaskDialog& Dialog);
    // Lays the controls out top to bottom and sets the client height.
    void SetPositions();
    // Measures again after a text of the component changed while the form is shown.
    void UpdateDialog();
    bool GetExpanded() const { return FExpanded; }
    void SetExpanded(bool Value);

    // The shown button for an identifier: a common button by its modal result, a custom button
    // or command link by 100 + index; nullptr when no such button is shown.
    plat::TWinControl* FindDialogButton(int ButtonID) const;
    // Do nothing for an identifier of no shown button.
    void ClickDialogButton(int ButtonID);
    void EnableDialogButton(int ButtonID, bool Enabled);

    int GetMinFormWidth() const { return FMinFormWidth; }
    void SetMinFormWidth(int Value) { FMinFormWidth = Value; }

    const TMessageFormMetrics& Metrics() const { return FMetrics; }
    plat::TCanvas& Canvas();
    plat::TRect GetContentRect() const;
    plat::TRect GetExpandedTextRect() const;
    plat::TRect GetFooterRect() const;
    // Top of the grey band, plus half a vertical spacing; 0 for none.
    int WhiteWindowHeight() const { return FWhiteWindowHeight; }
    // The target of the link at Point (client coordinates) in the footer, content or expanded
    // text; empty when there is none.
    std::string AnchorAt(plat::TPoint Point);
    // The input field; nullptr when the component asks for none.
    plat::TWinControl* InputControl() const;

    void Dispatch(plat::TMessage& Message) override;

protected:
    void PaintWindow(plat::TPaintContext& Context) override;
    void KeyDown(unsigned& Key, plat::TShiftState Shift) override;
    void MouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
    void MouseMove(plat::TShiftState Shift, int X, int Y) override;
    void DoShow() override;
    void DoClose(plat::TCloseAction& Action) override;

private:
    // The room the footer icon takes beside the footer text, and its size.
    static constexpr int kFooterIconRoomPx = 20;
    static constexpr int kFooterIconSizePx = 16;
    static constexpr int kHtmlSlackPx = 2;
    // The room the box of a radio button or check box takes before its caption.
    static constexpr int kBoxRoomPx = 20;

    void BuildInstruction(plat::TRect Bounds);
    void BuildTimer();
    void BuildProgressBar(int Top);
    void BuildCommonButtons(const TCommonButtonSlots& Slots, int& RowWidth);
    void BuildCustomButtons(int& RowWidth);
    void BuildCommandLinks(int& Width);
    void BuildLoneOkButton(int& RowWidth);
    plat::TWinControl* NewCommonButton(const TCommonButtonInfo& Info);
    // Sets the caption from Title (or the program's name); the client width it needs.
    int SetDialogCaption();
    // The instruction's size in its bold, larger font, wrapped within half the screen.
    plat::TSize MeasureInstruction();
    void BuildIcon(int Top, int& TextWidth, int& TextHeight);
    void BuildRadioButtons(int Top, int& Width);
    void BuildExpandedText(int Top);
    void BuildVerification(int Top, int& Width, int& VerifyWidth);
    void BuildFooter(int Top);
    void PlaceContent(int& Y);
    void PlaceButtonRow(int& Y, int& Bottom);
    void PlaceFooter(int Top, int& Bottom);
    int RowWidthWithoutCommandLinks() const;
    // The expand button with the wider of its captions, 0 without it.
    int ExpandRowWidth();
    // Sets the client width, at most the screen's.
    void ApplyClientWidth(int Width);
    void MirrorRightToLeft();
    // R, given left to right, as the form shows it.
    plat::TRect Mirrored(plat::TRect R) const;
    // Left of the content and the expanded text, past the icon, left to right.
    int TextLeft() const;
    // The footer text's rectangle, right of its icon (left of it right to left), and the icon's.
    plat::TRect FooterTextRect() const;
    plat::TRect FooterIconRect() const;
    // The input control's top, and the room it takes below the content.
    void PlaceInput(int Top);
    int InputAllowance() const;
    // The program's name for a dialog without a title.
    static std::string ExeTitle();

    void Paint();
    // Content or expanded text, mini-HTML with doHyperlinks; TextWidth is its measured width.
    void DrawTextBlock(const std::string& Text, plat::TRect Bounds, int TextWidth, bool AlwaysBreakLines);
    // Where a mini-HTML text of TextWidth is drawn and looked up within Bounds.
    plat::TRect HtmlBounds(plat::TRect Bounds, int TextWidth) const;
    plat::TSize MeasureTextBlock(const std::string& Text, plat::TRect Bounds, int Top, bool AlwaysBreakLines);
    plat::TSize MeasureDialogText(const std::string& Text, int Width, bool AlwaysBreakLines);
    void DrawFooter();
    void DrawFooterIcon(plat::TRect At);
    // The text as the dialog measures or draws it without mini-HTML.
    std::string PlainDialogText(const std::string& Text, bool AlwaysBreakLines) const;
    // Measures Text within Bounds as mini-HTML; the size it takes.
    plat::TSize MeasureHtml(const std::string& Text, plat::TRect Bounds, int PointY, bool SizeOnly);
    void DrawHtml(const std::string& Text, plat::TRect Bounds);
    std::string LinkAt(const std::string& Text, plat::TRect Bounds, plat::TPoint Point);
    void MeasureText(const std::string& Text, int& Width, int& Height);
    // Text's width within 1000 pixels.
    int CaptionWidth(const std::string& Text);
    unsigned ReadingFlags() const;

    void ButtonClick(plat::TObject* Sender);
    void RadioClick(plat::TObject* Sender);
    void VerificationClick(plat::TObject* Sender);
    void ToggleExpanded(plat::TObject* Sender);
    void DialogFormShow(plat::TObject* Sender);
    void TimerTick(plat::TObject* Sender);
    void FormKeyDown(plat::TObject* Sender, unsigned& Key, plat::TShiftState Shift);
    void CopyToClipboard();
    bool DialogChar(char32_t Char);
    void FocusDefaultButton();
    // Whether the component is still there; the form forgets it once it is freed.
    bool Attached();
    bool AllowsCancel() const;
    bool HasCommandLinks() const;

    plat::TLabel* Message = nullptr;
    TMessageFormMetrics FMetrics;
    TTaskDialogButton* FExpandButton = nullptr;
    bool FExpanded = true;
    std::vector<plat::TWinControl*> FcmBtnList;
    std::vector<plat::TWinControl*> FcsBtnList;
    TCustomVezTaskDialog* FTaskDialog = nullptr;
    std::weak_ptr<int> FDialogAlive;
    plat::TImage* FFooterIcon = nullptr;
    int FFooterIconID = 0;
    std::vector<plat::TRadioButton*> FRadioList;
    plat::TCheckBox* FVerificationCheck = nullptr;
    plat::TProgressBar* FProgressBar = nullptr;
    plat::TImage* FIcon = nullptr;
    int FFooterXSize = 0;
    int FFooterYSize = 0;
    int FContentXSize = 0;
    int FContentYSize = 0;
    int FExpTextXSize = 0;
    int FExpTextYSize = 0;
    int FExpTextTop = 0;
    std::string FAnchor;
    plat::TTimer* FTimer = nullptr;
    int FWhiteWindowHeight = 0;
    int FHorzParaMargin = 0;
    int FMinFormWidth = 350;
    // Width of the verification check box with its gap, kept for the button row.
    int FVerifyWidth = 0;
    // The client width the command links' captions need.
    int FCommandLinkWidth = 0;
    std::unique_ptr<TTaskDialogInput> FInput;
    plat::TColor FFooterColor = 0xF0F0F0;
    plat::TColor FFooterLineColor = 0xDFDFDF;
    std::unique_ptr<plat::TControlCanvas> FCanvas;
};

}  // namespace skelda::foundation
