#include "app/TMUFForm.h"

#include "app/BulletinLocation.h"
#include "app/CoordinateTexts.h"
#include "app/InformationCommands.h"
#include "app/MufChart.h"
#include "app/PredictionDriver.h"
#include "app/PresetTargets.h"
#include "app/ProgramVersion.h"
#include "app/ResultHeaders.h"
#include "app/ResultsTable.h"
#include "app/SettingsStore.h"
#include "app/SetupPanel.h"
#include "app/SetupPanelControls.h"
#include "app/SolarValueBox.h"
#include "app/UtcClock.h"
#include "app/WorldMapView.h"
#include "editcontrols/button/TKvHTButton.h"
#include "editcontrols/panel/TKvCaptionPanel.h"
#include "editcontrols/spin/TKvSpinEdit.h"
#include "grid/model/TVezEzuzorEvad.h"
#include "platform/controls/core/MessageDelivery.h"
#include "platform/controls/standard/TGroupBox.h"
#include "platform/controls/standard/TImage.h"
#include "platform/controls/standard/TLabel.h"
#include "platform/controls/standard/TLabeledEdit.h"
#include "platform/controls/standard/TListBox.h"
#include "platform/controls/standard/TPaintBox.h"
#include "platform/controls/standard/TPanel.h"
#include "platform/controls/standard/TRadioGroup.h"
#include "platform/core/FormatSettings.h"
#include "platform/system/Clock.h"
#include "platform/system/DateTimeFormat.h"
#include "platform/system/Environment.h"

#include <utility>

namespace skelda::app {

namespace {

// Posted when the window first shows, to explain a prediction refused while it was made.
constexpr unsigned kExplainStartupRefusal = plat::WM_USER + 1;

}  // namespace

TMUFForm::TMUFForm(plat::TComponent* AOwner, std::string ProgramFolder)
    : plat::TForm(AOwner), FProgramFolder(std::move(ProgramFolder))
{
    CreateComponents();
    CreateParts();
    ConnectEvents();
    OnCreate = [this](plat::TObject* sender) { InitProgram(sender); };
    OnClose = [this](plat::TObject* sender, plat::TCloseAction& action) { CloseProgram(sender, action); };
}

// The controls go first: their last events may still reach the parts.
TMUFForm::~TMUFForm()
{
    DestroyComponents();
}

void TMUFForm::CreateParts()
{
    FResults = std::make_unique<ResultsTable>(*MUFGrid);
    FHeaders = std::make_unique<ResultHeaders>(*H1, *H2, *DESTLTTPnl, *DESTLNGPnl);
    FChart = std::make_unique<MufChart>(*PTB, FSettings);
    FDriver = std::make_unique<PredictionDriver>(FSettings, *FResults, *FHeaders, *FChart, *DisplayFormatGroup);
    FSolar = std::make_unique<SolarValueBox>(*FLXSpin, *SolarBox, *SunLabel, *SunGroup, *TSKDLG, FSettings);
    FTargets = std::make_unique<TargetList>(*DestBox, *CC, FSettings, [this] { Compute(); });
    FMap = std::make_unique<WorldMapView>(*MAPPanel, *MAP, *STA, *CC, *LBL, FSettings, [this] { Compute(); });
    FInformation = std::make_unique<InformationCommands>(FProgramFolder);
}

void TMUFForm::ConnectEvents()
{
    PTB->OnPaint = [this](plat::TObject* sender) { FChart->TraceTableau(sender); };
    MUFGrid->OnSelectCell = [this](plat::TObject* sender, int col, int row, bool& canSelect) {
        FResults->CellWasSelected(sender, col, row, canSelect);
    };
    // While the window is made the group only shows the stored format; the first prediction
    // comes at the end.
    DisplayFormatGroup->OnClick = [this](plat::TObject* sender) {
        if (!FStarting)
            FDriver->DisplayFormatGroupClick(sender);
    };
    SunGroup->OnClick = [this](plat::TObject* sender) { FSolar->SunGroupClick(sender); };
    FLXSpin->OnChange = [this](plat::TObject* sender) { FLXSpinChange(sender); };
    DestBox->OnClick = [this](plat::TObject* sender) { FTargets->DestBoxClick(sender); };
    MAP->OnMouseDown = [this](plat::TObject* sender, plat::TMouseButton button, plat::TShiftState shift, int x, int y) {
        FMap->MouseIsDownOnMap(sender, button, shift, x, y);
    };
    MAP->OnMouseMove = [this](plat::TObject* sender, plat::TShiftState shift, int x, int y) {
        FMap->MouseIsMovingOnMap(sender, shift, x, y);
    };
    AboutBtn->OnClick = [this](plat::TObject* sender) { FInformation->AboutBtnClick(sender); };
    InfoBtn->OnClick = [this](plat::TObject* sender) { FInformation->InfoBtnClick(sender); };
    HelpBtn->OnClick = [this](plat::TObject* sender) { FInformation->HelpBtnClick(sender); };
    ComputeBtn->OnClick = [this](plat::TObject* sender) { ComputeBtnClick(sender); };
    SetupBtn->OnClick = [this](plat::TObject* sender) { FSetup->SetupBtnClick(sender); };
    ExitBtn->OnClick = [this](plat::TObject* sender) { ExitBtnClick(sender); };

    const SetupPanelControls& setup = *FSetupControls;
    setup.OKBtn->OnClick = [this](plat::TObject* sender) { FSetup->OkBtnClick(sender); };
    setup.CancelBtn->OnClick = [this](plat::TObject* sender) { FSetup->CancelBtnClick(sender); };
    setup.PathGroup->OnClick = [this](plat::TObject* sender) { FSetup->PathGroupClick(sender); };
    setup.LOCEdit->OnChange = [this](plat::TObject* sender) { FSetup->LOCEditChange(sender); };
}

void TMUFForm::InitProgram(plat::TObject*)
{
    FStarting = true;
    const std::string buildText = BuildText();
    plat::FormatSettings().DecimalSeparator = '.';
    plat::FormatSettings().ThousandSeparator = '.';
    SetCaption(MainWindowCaption(buildText));
    SetCaptionsAndHints();

    FStore = std::make_unique<SettingsStore>();
    FSetup = std::make_unique<SetupPanel>(*FSetupControls, *CFGPanel, *SetupBtn, *TSKDLG, FStore->SettingsRegistry(),
                                          FSettings);
    FSettings.TargetName = kDefaultTargetName;
    FStore->ReadStartupSettings(FSettings);
    ShowOwnStation();
    DisplayFormatGroup->SetItemIndex(static_cast<int>(FSettings.Display));
    FSolar->FetchStartupFlux(BulletinUrl(FStore->SettingsRegistry()));
    // The antenna's gain table follows the settings in every prediction.
    FMap->PlaceTarget();
    FMap->UpdateMap(UtcNow());

    const bool firstStart =
        FSettings.MyCall == SettingsStore::kNoCall && FSettings.Latitude == 0 && FSettings.Longitude == 0;
    if (firstStart)
        FSetup->OpenAtFirstStart();
    else
        Compute();
    FStarting = false;
}

void TMUFForm::SetCaptionsAndHints()
{
    KVPanel->SetCaption("Today " + plat::FormatDateTime("ddd dd mmmm yyyy", plat::Env().Clock->Now()));
    FSetupControls->LOCEdit->EditLabel().SetCaption(
        "If you don't know your\r\ncoordinates enter your\r\nLocator here");
    const struct {
        plat::TControl* Control;
        const char* Hint;
    } hints[] = {
        {MAP, "Click on the map to get\r\na new target location."},
        {LocalGroupBox, "Local station coordinates."},
        {RemoteGroupBox, "Remote location coordinates."},
        {AboutBtn, "About Vantel."},
        {InfoBtn, "How the programs works."},
        {HelpBtn, "Online compiled HTML Help."},
        {ComputeBtn, "Compute the propagation\r\nfor the new location."},
        {SetupBtn, "The configuration dialog\r\nCoordinates, power etc."},
        {ExitBtn, "Close and exit SKELDA v1.7a"},
        {FSetupControls->OKBtn, "Save your configuration. You will probably\r\nhave to restart the program."},
        {FSetupControls->CancelBtn, "Cancel and close"},
    };
    for (const auto& hint : hints) {
        hint.Control->SetHint(hint.Hint);
        hint.Control->SetShowHint(true);
    }
}

void TMUFForm::ShowOwnStation()
{
    ORIGLon->SetCaption(OwnLongitudeCaption(FSettings.Longitude));
    ORIGLat->SetCaption(OwnLatitudeCaption(FSettings.Latitude));
    FMap->PlaceStation();
    LocalGroupBox->SetCaption(" " + FSettings.MyCall + " " + " Coordinates" + " ");
}

void TMUFForm::CloseProgram(plat::TObject*, plat::TCloseAction&)
{
    if (FStore)
        FStore->WriteClosingSettings(DisplayFormatGroup->GetItemIndex(), SunGroup->GetItemIndex(), FSettings.DestLat,
                                     FSettings.DestLon);
}

void TMUFForm::Compute()
{
    const engine::PredictionRefusal refusal = FDriver->Compute();
    if (FStarting)
        FPendingRefusal = refusal;
    else
        FDriver->ExplainRefusal(refusal);
}

void TMUFForm::ComputeBtnClick(plat::TObject*)
{
    Compute();
}

void TMUFForm::FLXSpinChange(plat::TObject* Sender)
{
    ComputeBtn->SetEnabled(true);
    FSolar->FLXSpinChange(Sender);
}

void TMUFForm::ExitBtnClick(plat::TObject*)
{
    Close();
}

void TMUFForm::DoShow()
{
    plat::TForm::DoShow();
    if (FPendingRefusal != engine::PredictionRefusal::None)
        plat::PostMessage(this, kExplainStartupRefusal);
}

void TMUFForm::Dispatch(plat::TMessage& Message)
{
    if (Message.Msg != kExplainStartupRefusal) {
        plat::TForm::Dispatch(Message);
        return;
    }
    const engine::PredictionRefusal refusal = std::exchange(FPendingRefusal, engine::PredictionRefusal::None);
    FDriver->ExplainRefusal(refusal);
}

}  // namespace skelda::app
