// The main window's design: where every component sits, and its fixed look. The behaviour is in
// TMUFForm.cpp.

#include "app/TMUFForm.h"

#include "app/ButtonGlyphs.h"
#include "app/PlaceControl.h"
#include "app/SetupPanelControls.h"
#include "editcontrols/button/TKvHTButton.h"
#include "editcontrols/panel/TKvCaptionPanel.h"
#include "editcontrols/spin/TKvSpinEdit.h"
#include "foundation/THTMLHint.h"
#include "foundation/TCustomVezTaskDialog.h"
#include "grid/model/TVezEzuzorEvad.h"
#include "pager/office/TVezOfficePage.h"
#include "pager/office/TVezOfficePager.h"
#include "platform/controls/standard/BitBtnGlyphs.h"
#include "platform/controls/standard/TGroupBox.h"
#include "platform/controls/standard/THeaderControl.h"
#include "platform/controls/standard/TImage.h"
#include "platform/controls/standard/TLabel.h"
#include "platform/controls/standard/TListBox.h"
#include "platform/controls/standard/TPaintBox.h"
#include "platform/controls/standard/TPanel.h"
#include "platform/controls/standard/TRadioGroup.h"
#include "platform/controls/standard/TShape.h"
#include "platform/graphics/TBrush.h"
#include "platform/graphics/TFont.h"
#include "platform/graphics/TPen.h"

#include <variant>

namespace skelda::app {

namespace {

// The map's picture is 512 x 256; the image is one row taller, as the window always had it.
constexpr int kMapWidthPx = 512;
constexpr int kMapHeightPx = 257;
constexpr int kGapPx = 4;
// The pages hold the 25 x 20 table without scrolling.
constexpr int kPagesWidthPx = 744;
constexpr int kHeaderHeightPx = 18;
constexpr int kHeadersTopPx = TMUFForm::kClientHeightPx - 2 * kHeaderHeightPx;
constexpr int kSideLeftPx = kMapWidthPx + kGapPx;
constexpr int kSideWidthPx = kPagesWidthPx - kSideLeftPx;
constexpr int kRightPanelLeftPx = kPagesWidthPx + kGapPx;
constexpr int kRightPanelWidthPx = TMUFForm::kClientWidthPx - kRightPanelLeftPx;
constexpr plat::TColor kHintColourTo = 0x07BCE9;

plat::TPanel* ValuePanel(plat::TComponent& owner, plat::TWinControl& parent, plat::TRect bounds)
{
    auto* panel = PlaceControl<plat::TPanel>(owner, parent, bounds);
    panel->SetBevelOuter(plat::bvLowered);
    return panel;
}

// A group box with two value panels, one above the other.
plat::TGroupBox* PairBox(plat::TComponent& owner, plat::TWinControl& parent, plat::TRect bounds, plat::TPanel*& first,
                         plat::TPanel*& second)
{
    auto* box = PlaceControl<plat::TGroupBox>(owner, parent, bounds);
    const int width = bounds.Width() - 16;
    first = ValuePanel(owner, *box, plat::Bounds(8, 18, width, 19));
    second = ValuePanel(owner, *box, plat::Bounds(8, 40, width, 19));
    return box;
}

// A header bar across the window, not aligned: the two bars lie one under the other. A point
// smaller than the window's font, so that a prediction's texts fit across.
plat::THeaderControl* HeaderBar(plat::TForm& form, int top)
{
    auto* header = new plat::THeaderControl(&form);
    header->SetAlign(plat::alNone);
    header->Font().SetHeight(-10);
    header->SetBoundsRect(plat::Bounds(0, top, TMUFForm::kClientWidthPx, kHeaderHeightPx));
    header->SetParent(&form);
    return header;
}

using TGlyphSource = std::variant<ButtonGlyph, plat::TBitBtnKind>;

editcontrols::TKvHTButton* MainButton(plat::TComponent& owner, plat::TWinControl& parent, plat::TRect bounds,
                                      const char* caption, TGlyphSource glyph)
{
    auto* button = PlaceControl<editcontrols::TKvHTButton>(owner, parent, bounds);
    if (const auto* own = std::get_if<ButtonGlyph>(&glyph))
        LoadButtonGlyph(*own, button->Glyph());
    else
        plat::LoadBitBtnKindGlyph(std::get<plat::TBitBtnKind>(glyph), button->Glyph());
    button->SetCaption(caption);
    button->SetShowHint(true);
    return button;
}

}  // namespace

void TMUFForm::CreateComponents()
{
    SetBorderStyle(plat::bsDialog);
    SetBorderIcons({plat::biSystemMenu, plat::biMinimize});
    SetPosition(plat::poScreenCenter);
    SetColor(plat::clGradientInactiveCaption);
    Font().SetName("Tahoma");
    Font().SetHeight(-11);
    SetClientWidth(kClientWidthPx);
    SetClientHeight(kClientHeightPx);

    HTMLHint = new foundation::THTMLHint(this);
    HTMLHint->SetHintColor(plat::clCream);
    HTMLHint->SetHintColorTo(kHintColourTo);
    HTMLHint->HintFont().SetName("Tahoma");
    HTMLHint->HintFont().SetHeight(-11);
    HTMLHint->HintFont().SetColor(plat::clInfoText);
    HTMLHint->SetHintStyle(foundation::hsRectangle);
    HTMLHint->SetMaxWidth(0);
    HTMLHint->SetURLColor(plat::clBlack);

    TSKDLG = new foundation::TVezTaskDialog(this);
    TSKDLG->SetCommonButtons({});
    TSKDLG->SetDialogPosition(foundation::dpOwnerFormCenter);
    TSKDLG->SetApplicationIsParent(true);
    TSKDLG->SetNonNativeMinFormWidth(450);

    CreateMapArea();
    CreatePages();
    CreateRightPanel();

    H1 = HeaderBar(*this, kHeadersTopPx);
    H2 = HeaderBar(*this, kHeadersTopPx + kHeaderHeightPx);

    CFGPanel = PlaceControl<editcontrols::TKvCaptionPanel>(*this, *this, plat::Bounds(0, 0, 0, 0));
    FSetupControls = std::make_unique<SetupPanelControls>(*this, *CFGPanel);
}

void TMUFForm::CreateMapArea()
{
    MAPPanel = PlaceControl<plat::TPanel>(*this, *this, plat::Bounds(0, 0, kMapWidthPx, kMapHeightPx));
    MAPPanel->SetBevelOuter(plat::bvNone);
    MAP = PlaceControl<plat::TImage>(*this, *MAPPanel, plat::Bounds(0, 0, kMapWidthPx, kMapHeightPx));
    MAP->SetCursor(plat::crCross);
    STA = PlaceControl<plat::TShape>(*this, *MAPPanel, plat::Bounds(0, 0, 6, 6));
    CC = PlaceControl<plat::TShape>(*this, *MAPPanel, plat::Bounds(0, 0, 10, 10));
    // Beyond the panel's edge: the map draws its own sun.
    Soleil = PlaceControl<plat::TShape>(*this, *MAPPanel, plat::Bounds(kMapWidthPx + 8, 8, 20, 20));
    Soleil->SetShape(plat::stCircle);
    Soleil->Brush().SetColor(plat::clYellow);

    DestBox = PlaceControl<plat::TListBox>(*this, *this, plat::Bounds(kSideLeftPx, 0, kSideWidthPx, 150));
    DestBox->SetShowHint(true);
    DisplayFormatGroup =
        PlaceControl<plat::TRadioGroup>(*this, *this, plat::Bounds(kSideLeftPx, 152, kSideWidthPx, 86));
    DisplayFormatGroup->SetCaption(" Display format ");
    LBL = PlaceFixedLabel(*this, *this, plat::Bounds(kSideLeftPx, 241, kSideWidthPx, 16));
}

void TMUFForm::CreatePages()
{
    const int top = kMapHeightPx + 1;
    PageControl =
        PlaceControl<pager::TVezOfficePager>(*this, *this, plat::Bounds(0, top, kPagesWidthPx, kHeadersTopPx - top));
    Page1 = new pager::TVezOfficePage(this);
    Page1->SetVezOfficePager(PageControl);
    Page1->SetCaption("Main panel");
    Page2 = new pager::TVezOfficePage(this);
    Page2->SetVezOfficePager(PageControl);
    Page2->SetCaption("Detailed data");

    auto* chartPanel = PlaceControl<plat::TPanel>(*this, *Page1, Page1->GetClientRect());
    chartPanel->SetAlign(plat::alClient);
    chartPanel->SetBevelOuter(plat::bvNone);
    chartPanel->SetColor(plat::clBlack);
    PTB = PlaceControl<plat::TPaintBox>(*this, *chartPanel, chartPanel->GetClientRect());
    MUFGrid = PlaceControl<grid::TVezEzuzorEvad>(*this, *Page2, Page2->GetClientRect());
    MUFGrid->SetAlign(plat::alClient);
    MUFGrid->SetScrollBars(plat::ssNone);
    PageControl->SetActivePage(Page1);
}

void TMUFForm::CreateRightPanel()
{
    KVPanel = PlaceControl<editcontrols::TKvCaptionPanel>(
        *this, *this, plat::Bounds(kRightPanelLeftPx, 0, kRightPanelWidthPx, kHeadersTopPx));
    KVPanel->SetCaptionHeight(22);
    KVPanel->SetColor(plat::clGradientInactiveCaption);
    KVPanel->SetAutoDrag(false);
    KVPanel->SetResizable(false);
    plat::TWinControl& panel = *KVPanel;

    // Beside the caption bar on the left.
    const int left = 26;
    const int width = kRightPanelWidthPx - left - 4;
    LocalGroupBox = PairBox(*this, panel, plat::Bounds(left, 6, width, 66), ORIGLat, ORIGLon);
    RemoteGroupBox = PairBox(*this, panel, plat::Bounds(left, 78, width, 66), DESTLTTPnl, DESTLNGPnl);
    RemoteGroupBox->SetCaption(" Target ");

    SolarBox = PlaceControl<plat::TGroupBox>(*this, panel, plat::Bounds(left, 150, width, 136));
    SolarBox->SetCaption("Solar activity");
    SunLabel = PlaceControl<plat::TLabel>(*this, *SolarBox, plat::Bounds(8, 18, width - 16, 13));
    SunLabel->SetCaption("Solar flux");
    FLXSpin = PlaceControl<editcontrols::TKvSpinEdit>(*this, *SolarBox, plat::Bounds(8, 34, width - 16, 21));
    FLXSpin->SetValueType(editcontrols::vtFloat);
    SunGroup = PlaceControl<plat::TRadioGroup>(*this, *SolarBox, plat::Bounds(8, 62, width - 16, 66));

    const int buttonLeft = left + 2;
    const int buttonWidth = width - 4;
    int top = 320;
    const int step = 40;
    AboutBtn = MainButton(*this, panel, plat::Bounds(buttonLeft, top, buttonWidth, 30), "About the Author",
                          ButtonGlyph::About);
    InfoBtn = MainButton(*this, panel, plat::Bounds(buttonLeft, top += step, buttonWidth, 30), "Information",
                         ButtonGlyph::Information);
    HelpBtn = MainButton(*this, panel, plat::Bounds(buttonLeft, top += step, buttonWidth, 30), "OnLine Help",
                         plat::bkHelp);
    ComputeBtn = MainButton(*this, panel, plat::Bounds(buttonLeft, top += step, buttonWidth, 30), "Compute",
                            plat::bkRetry);
    SetupBtn = MainButton(*this, panel, plat::Bounds(buttonLeft, top += step, buttonWidth, 30), "Setup dialog",
                          ButtonGlyph::Setup);
    ExitBtn = MainButton(*this, panel, plat::Bounds(buttonLeft, top += step, buttonWidth, 30), "Exit program",
                         plat::bkClose);
}

}  // namespace skelda::app
