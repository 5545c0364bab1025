#pragma once

// The program's main window: the world map with the target list, the chart and the results
// table on two pages with the header bars under them, and on the right the buttons, the own and
// target coordinates and the solar value; the setup panel opens over it. Its creation reads the
// settings, fetches the day's solar flux, builds the map and runs the first prediction (or, on a
// first start, opens the setup panel); closing it keeps the display format and the target for
// the next start.

#include "app/PredictionSettings.h"
#include "platform/controls/forms/TForm.h"

#include <memory>
#include <string>

namespace plat {
class TGroupBox;
class THeaderControl;
class TImage;
class TLabel;
class TListBox;
class TPaintBox;
class TPanel;
class TRadioGroup;
class TShape;
}  // namespace plat

namespace skelda::editcontrols {
class TKvCaptionPanel;
class TKvHTButton;
class TKvSpinEdit;
}  // namespace skelda::editcontrols
namespace skelda::foundation {
class THTMLHint;
class TVezTaskDialog;
}  // namespace skelda::foundation
namespace skelda::pager {
class TVezOfficePage;
class TVezOfficePager;
}  // namespace skelda::pager
namespace skelda::grid {
class TVezEzuzorEvad;
}

namespace skelda::app {

class InformationCommands;
class MufChart;
class PredictionDriver;
class ResultHeaders;
class ResultsTable;
class SettingsStore;
class SetupPanel;
class SolarValueBox;
class TargetList;
class WorldMapView;
struct SetupPanelControls;

class TMUFForm : public plat::TForm {
public:
    static constexpr int kClientWidthPx = 904;
    static constexpr int kClientHeightPx = 628;

    // ProgramFolder (ending in '/') is where the information text lies.
    TMUFForm(plat::TComponent* AOwner, std::string ProgramFolder);
    ~TMUFForm() override;

    std::string ClassName() const override { return "TMUFForm"; }

    // The creation handler: formatting, captions and hints, settings, own position, solar flux,
    // target, map, then the first prediction or, on a first start, the setup panel. A prediction
    // refused now is explained once the window shows, not over the splash window.
    void InitProgram(plat::TObject* Sender);
    // The close handler: the display format, the kind of solar value and the target go to the
    // store; a failure is reported and the window closes all the same.
    void CloseProgram(plat::TObject* Sender, plat::TCloseAction& Action);

    void ComputeBtnClick(plat::TObject* Sender);
    // A new solar value is used by the next prediction; it starts none itself.
    void FLXSpinChange(plat::TObject* Sender);
    void ExitBtnClick(plat::TObject* Sender);

    // The program-wide values the prediction reads.
    const PredictionSettings& Settings() const { return FSettings; }
    // The controls on CFGPanel.
    const SetupPanelControls& SetupControls() const { return *FSetupControls; }

    void Dispatch(plat::TMessage& Message) override;

    plat::THeaderControl* H1;
    plat::THeaderControl* H2;
    plat::TListBox* DestBox;
    plat::TPanel* MAPPanel;
    plat::TImage* MAP;
    plat::TShape* CC;
    plat::TShape* STA;
    plat::TShape* Soleil;
    plat::TLabel* LBL;
    editcontrols::TKvCaptionPanel* KVPanel;
    plat::TGroupBox* RemoteGroupBox;
    plat::TPanel* DESTLTTPnl;
    plat::TPanel* DESTLNGPnl;
    plat::TGroupBox* LocalGroupBox;
    plat::TPanel* ORIGLat;
    plat::TPanel* ORIGLon;
    plat::TGroupBox* SolarBox;
    plat::TLabel* SunLabel;
    plat::TRadioGroup* SunGroup;
    editcontrols::TKvSpinEdit* FLXSpin;
    plat::TRadioGroup* DisplayFormatGroup;
    editcontrols::TKvHTButton* AboutBtn;
    editcontrols::TKvHTButton* InfoBtn;
    editcontrols::TKvHTButton* HelpBtn;
    editcontrols::TKvHTButton* ComputeBtn;
    editcontrols::TKvHTButton* SetupBtn;
    editcontrols::TKvHTButton* ExitBtn;
    pager::TVezOfficePager* PageControl;
    pager::TVezOfficePage* Page1;
    pager::TVezOfficePage* Page2;
    plat::TPaintBox* PTB;
    grid::TVezEzuzorEvad* MUFGrid;
    editcontrols::TKvCaptionPanel* CFGPanel;
    foundation::THTMLHint* HTMLHint;
    foundation::TVezTaskDialog* TSKDLG;

protected:
    void DoShow() override;

private:
    // The form's design: every component at its place, with its fixed look.
    void CreateComponents();
    void CreateMapArea();
    void CreateRightPanel();
    void CreatePages();
    void CreateParts();
    void ConnectEvents();

    void SetCaptionsAndHints();
    void ShowOwnStation();
    // The window's prediction; a refusal is explained at once, or kept while the window is not
    // up yet.
    void Compute();

    std::string FProgramFolder;
    PredictionSettings FSettings;
    std::unique_ptr<SettingsStore> FStore;
    std::unique_ptr<ResultsTable> FResults;
    std::unique_ptr<ResultHeaders> FHeaders;
    std::unique_ptr<MufChart> FChart;
    std::unique_ptr<PredictionDriver> FDriver;
    std::unique_ptr<SolarValueBox> FSolar;
    std::unique_ptr<TargetList> FTargets;
    std::unique_ptr<WorldMapView> FMap;
    std::unique_ptr<InformationCommands> FInformation;
    std::unique_ptr<SetupPanelControls> FSetupControls;
    std::unique_ptr<SetupPanel> FSetup;
    // A refusal of the start-up prediction, to be explained once the window shows.
    engine::PredictionRefusal FPendingRefusal = engine::PredictionRefusal::None;
    bool FStarting = false;
};

}  // namespace skelda::app
