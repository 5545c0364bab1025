#include "app/SetupPanelControls.h"

#include "app/PlaceControl.h"
#include "platform/controls/standard/TLabel.h"
#include "editcontrols/button/TKvHTButton.h"
#include "editcontrols/panel/TKvCaptionPanel.h"
#include "editcontrols/spin/TKvSpinEdit.h"
#include "platform/controls/standard/BitBtnGlyphs.h"
#include "platform/controls/standard/TCheckBox.h"
#include "platform/controls/standard/TGroupBox.h"
#include "platform/controls/standard/TLabel.h"
#include "platform/controls/standard/TLabeledEdit.h"
#include "platform/controls/standard/TPanel.h"
#include "platform/controls/standard/TRadioGroup.h"
#include "platform/core/TStrings.h"
#include "platform/graphics/TFont.h"

#include <initializer_list>

namespace skelda::app {

namespace {

constexpr int kCaptionHeightPx = 24;
constexpr int kFieldHeightPx = 21;

// A field with its label to its left, the label ending LabelSpacing before the field.
plat::TLabeledEdit* LabelledField(plat::TComponent& Owner, plat::TWinControl& Parent, plat::TRect Bounds,
                                  const char* Label, int MaxLength)
{
    auto* edit = PlaceControl<plat::TLabeledEdit>(Owner, Parent, Bounds);
    edit->SetLabelPosition(plat::lpLeft);
    edit->EditLabel().SetCaption(Label);
    edit->SetMaxLength(MaxLength);
    return edit;
}

plat::TPanel* HemispherePanel(plat::TComponent& Owner, plat::TWinControl& Parent, plat::TRect Bounds)
{
    auto* panel = PlaceControl<plat::TPanel>(Owner, Parent, Bounds);
    panel->SetBevelOuter(plat::bvLowered);
    panel->SetAlignment(plat::taLeftJustify);
    panel->SetVisible(false);
    return panel;
}

editcontrols::TKvSpinEdit* Spin(plat::TComponent& Owner, plat::TWinControl& Parent, plat::TRect Bounds, int MinValue,
                                int MaxValue)
{
    auto* spin = PlaceControl<editcontrols::TKvSpinEdit>(Owner, Parent, Bounds);
    spin->SetMinValue(MinValue);
    spin->SetMaxValue(MaxValue);
    return spin;
}

plat::TRadioGroup* Group(plat::TComponent& Owner, plat::TWinControl& Parent, plat::TRect Bounds, const char* Caption,
                         std::initializer_list<const char*> Items)
{
    auto* group = PlaceControl<plat::TRadioGroup>(Owner, Parent, Bounds);
    group->SetCaption(Caption);
    for (const char* item : Items)
        group->Items().Add(item);
    return group;
}

editcontrols::TKvHTButton* Button(plat::TComponent& Owner, plat::TWinControl& Parent, plat::TRect Bounds,
                                  const char* Caption, plat::TBitBtnKind Glyph)
{
    auto* button = PlaceControl<editcontrols::TKvHTButton>(Owner, Parent, Bounds);
    plat::LoadBitBtnKindGlyph(Glyph, button->Glyph());
    button->SetCaption(Caption);
    button->SetShowHint(true);
    return button;
}

}  // namespace

SetupPanelControls::SetupPanelControls(plat::TComponent& Owner, editcontrols::TKvCaptionPanel& CFGPanel)
{
    CFGPanel.SetVisible(false);
    CFGPanel.SetBounds(kLeftPx, kTopPx, kWidthPx, kHeightPx);
    CFGPanel.SetCaption("Setup");
    CFGPanel.SetCaptionPosition(editcontrols::dpTop);
    CFGPanel.SetCaptionHeight(kCaptionHeightPx);
    CFGPanel.CaptionFont().SetName("Tahoma");
    CFGPanel.CaptionFont().SetHeight(-16);
    CFGPanel.CaptionFont().SetStyle({plat::fsBold});
    CFGPanel.CaptionFont().SetColor(plat::clWhite);
    CFGPanel.SetColor(plat::clGradientActiveCaption);
    CFGPanel.SetFlatButtons(true);
    CFGPanel.SetResizable(false);

    const int top = kCaptionHeightPx + 4;
    LocalStationBox = PlaceControl<plat::TGroupBox>(Owner, CFGPanel, plat::Bounds(6, top, 210, 200));
    LocalStationBox->SetCaption(" Local station ");
    LocalStationBox->SetHint("Informations concernant votre station\r\n(coordonnées, puissance etc...) ");
    LocalStationBox->SetShowHint(true);
    plat::TGroupBox& station = *LocalStationBox;
    INDEdit = LabelledField(Owner, station, plat::Bounds(70, 18, 104, kFieldHeightPx), "CallSign", 10);
    LOCEdit = PlaceControl<plat::TLabeledEdit>(Owner, station, plat::Bounds(8, 48, 62, kFieldHeightPx));
    LOCEdit->SetLabelPosition(plat::lpRight);
    LOCEdit->SetMaxLength(6);
    LTTEdit = LabelledField(Owner, station, plat::Bounds(70, 84, 80, kFieldHeightPx), "Latitude", 10);
    PLAT = HemispherePanel(Owner, station, plat::Bounds(154, 84, 48, kFieldHeightPx));
    LNGEdit = LabelledField(Owner, station, plat::Bounds(70, 110, 80, kFieldHeightPx), "Longitude", 10);
    PLON = HemispherePanel(Owner, station, plat::Bounds(154, 110, 48, kFieldHeightPx));
    PowerLabel = PlaceFixedLabel(Owner, station, plat::Bounds(8, 143, 130, 14));
    PowerLabel->SetCaption("Power output (Watts)");
    PWRSpin = Spin(Owner, station, plat::Bounds(144, 139, 58, kFieldHeightPx), 5, 2500);
    AngleLabel = PlaceFixedLabel(Owner, station, plat::Bounds(8, 166, 130, 28));
    AngleLabel->SetCaption("Minimum takeoff angle in degrees");
    ANGSpin = Spin(Owner, station, plat::Bounds(144, 168, 58, kFieldHeightPx), 0, 90);

    const int right = 220;
    const int rightWidth = kWidthPx - right - 4;
    ThresholdBox = PlaceControl<plat::TGroupBox>(Owner, CFGPanel, plat::Bounds(right, top, rightWidth, 46));
    ThresholdBox->SetCaption(" Threshold frequency ");
    FreqBox = PlaceControl<plat::TCheckBox>(Owner, *ThresholdBox, plat::Bounds(8, 19, 50, 17));
    FreqBox->SetCaption("Yes");
    FreqSpin = Spin(Owner, *ThresholdBox, plat::Bounds(64, 17, 56, kFieldHeightPx), 1, 30);
    FreqUnitLabel = PlaceFixedLabel(Owner, *ThresholdBox, plat::Bounds(126, 21, 40, 14));
    FreqUnitLabel->SetCaption("Mhz");

    PathGroup = Group(Owner, CFGPanel, plat::Bounds(right, top + 48, rightWidth, 58), " Route ",
                      {"Short path", "Long path"});
    AGTGroup = Group(Owner, CFGPanel, plat::Bounds(right, top + 108, rightWidth, 92), " Antenna gain ",
                     {"None (isotrop antenna)", "Simple dipole", "Dipole and 3 elem. Yagi"});
    DisplayGroup = Group(Owner, CFGPanel, plat::Bounds(6, top + 204, 240, 89), " Results display format ",
                         {"Signal level (dB)", "Takeoff angle (degrees)", "Route delays (milliseconds)",
                          "Best frequencies (MHz), Signal (dB)"});
    OKBtn = Button(Owner, CFGPanel, plat::Bounds(254, top + 216, 140, 27), "Save data", plat::bkOK);
    CancelBtn = Button(Owner, CFGPanel, plat::Bounds(254, top + 252, 140, 27), "Cancel", plat::bkCancel);
}

}  // namespace skelda::app
