#pragma once

// The controls of the setup panel CFGPanel, placed and labelled: the station (call sign,
// locator, coordinates with their hemisphere panels, power, minimum takeoff angle), the
// threshold frequency, the route, the antenna, the display format and the two buttons.

namespace plat {
class TCheckBox;
class TComponent;
class TGroupBox;
class TLabel;
class TLabeledEdit;
class TPanel;
class TRadioGroup;
}  // namespace plat

namespace skelda::editcontrols {
class TKvCaptionPanel;
class TKvHTButton;
class TKvSpinEdit;
}  // namespace skelda::editcontrols

namespace skelda::app {

struct SetupPanelControls {
    static constexpr int kWidthPx = 403;
    static constexpr int kHeightPx = 327;
    static constexpr int kLeftPx = 224;
    static constexpr int kTopPx = 132;

    // Gives CFGPanel its place, size and look, hidden, and puts the controls on it, owned by Owner.
    SetupPanelControls(plat::TComponent& Owner, editcontrols::TKvCaptionPanel& CFGPanel);

    plat::TGroupBox* LocalStationBox;
    plat::TLabeledEdit* INDEdit;
    // Its label's caption comes with the window's captions.
    plat::TLabeledEdit* LOCEdit;
    plat::TLabeledEdit* LTTEdit;
    plat::TLabeledEdit* LNGEdit;
    plat::TPanel* PLAT;
    plat::TPanel* PLON;
    plat::TLabel* PowerLabel;
    editcontrols::TKvSpinEdit* PWRSpin;
    plat::TLabel* AngleLabel;
    editcontrols::TKvSpinEdit* ANGSpin;
    plat::TGroupBox* ThresholdBox;
    plat::TCheckBox* FreqBox;
    // Whole MHz, as the setting keeps them.
    editcontrols::TKvSpinEdit* FreqSpin;
    plat::TLabel* FreqUnitLabel;
    plat::TRadioGroup* PathGroup;
    plat::TRadioGroup* AGTGroup;
    plat::TRadioGroup* DisplayGroup;
    editcontrols::TKvHTButton* OKBtn;
    editcontrols::TKvHTButton* CancelBtn;
};

}  // namespace skelda::app
