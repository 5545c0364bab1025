// The main window driven as a user drives it, headless: a first start with an empty store, the
// station saved in the setup panel, the next start, the targets from the list and the map, the
// display format, the solar value, closing, a damaged store, the information text and the help;
// and the pictures of the window.

#include "app/BulletinLocation.h"
#include "app/ProgramStartup.h"
#include "app/RegistryExtended.h"
#include "app/SetupPanelControls.h"
#include "app/TInfoForm.h"
#include "app/TMUFForm.h"

#include "editcontrols/button/TKvHTButton.h"
#include "foundation/THTMLHint.h"
#include "platform/graphics/TFont.h"
#include "editcontrols/panel/TKvCaptionPanel.h"
#include "editcontrols/spin/TKvSpinEdit.h"
#include "grid/model/TVezEzuzorEvad.h"
#include "pager/office/TVezOfficePage.h"
#include "pager/office/TVezOfficePager.h"
#include "platform/controls/core/VirtualKeys.h"
#include "platform/controls/forms/TApplication.h"
#include "platform/controls/standard/TCheckBox.h"
#include "platform/controls/standard/TGroupBox.h"
#include "platform/controls/standard/THeaderControl.h"
#include "platform/controls/standard/TImage.h"
#include "platform/controls/standard/TLabel.h"
#include "platform/controls/standard/TLabeledEdit.h"
#include "platform/controls/standard/TListBox.h"
#include "platform/controls/standard/TMemo.h"
#include "platform/controls/standard/TPaintBox.h"
#include "platform/controls/standard/TPanel.h"
#include "platform/controls/standard/TRadioGroup.h"
#include "platform/controls/standard/TShape.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/TStringList.h"
#include "platform/system/DateTime.h"
#include "platform/system/Environment.h"
#include "platform/system/TRegIniFile.h"
#include "platform/system/TRegistry.h"
#include "platform/testing/Screenshot.h"
#include "platform/testing/UiTestEnvironment.h"

#include <QImage>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace skelda::app::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::StartsWith;

constexpr const char* kNoPrediction = "No prediction";

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() { ui.Clock().SetNow(plat::EncodeDate(2024, 6, 15) + plat::EncodeTime(13, 40, 0, 0)); }
    ~MainWindowTest() override { plat::FormatSettings() = savedFormat; }

    // A station near Paris and a target near Washington, as the setup panel and closing save them.
    static void SaveStation()
    {
        plat::TRegIniFile ini(kSettingsKey);
        ini.WriteString("Setup", "MyCall", "F5ABC");
        ini.WriteInteger("Setup", "Power", 400);
        WriteRegExtended("Setup", "Latitude", 48.8333L);
        WriteRegExtended("Setup", "Longitude", -2.25L);
        WriteRegExtended("Setup", "DestLat", 38);
        WriteRegExtended("Setup", "DestLon", 77);
    }

    // The day's bulletin answers with a flux of 120.
    void ServeBulletin()
    {
        plat::TRegIniFile ini(kSettingsKey);
        ui.Base().Http().SetResponse(BulletinUrl(ini), "Solar flux 120 and estimated planetary A-index 5.\n");
    }

    TMUFForm& Start()
    {
        window = plat::Application->CreateForm<TMUFForm>(folder);
        return *window;
    }

    TMUFForm& StartShown()
    {
        Start().Show();
        ui.Pump();
        return *window;
    }

    const SetupPanelControls& Setup() const { return window->SetupControls(); }
    std::string Header(plat::THeaderControl* header, int section) const { return header->Sections(section).GetText(); }
    std::string Cell(int col, int row) const { return window->MUFGrid->GetCellText(col, row); }

    std::vector<std::string> SetupValueNames() const
    {
        plat::TRegIniFile ini(kSettingsKey);
        plat::TStringList names;
        ini.ReadSection("Setup", names);
        std::vector<std::string> result;
        for (int i = 0; i < names.Count(); ++i)
            result.push_back(names.GetStrings(i));
        return result;
    }

    // Puts the focus in the field and types there.
    void TypeInto(plat::TWinControl& field, const std::string& text)
    {
        field.SetFocus();
        ui.Simulator().TypeText(text);
    }

    const plat::TFormatSettings savedFormat = plat::FormatSettings();
    plat::testing::UiTestEnvironment ui;
    // A folder of the test's own, without an information text.
    const std::string folder = ui.Base().ConfigDir();
    TMUFForm* window = nullptr;
};

TEST_F(MainWindowTest, AFirstStartAfterTheSplashOpensTheSetupPanelAndComputesNothing)
{
    ui.Queue().WhenIdle([&] { ui.Clock().Advance(2000); });
    StartProgram(folder, [&] { Start(); });
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(plat::Application->MainForm(), window);
    EXPECT_EQ(window->GetClientWidth(), 904);
    EXPECT_EQ(window->GetClientHeight(), 628);
    EXPECT_THAT(window->GetCaption(), StartsWith("SKELDA v1.7a by Vantel Software - Build 1.7.0."));
    EXPECT_EQ(window->KVPanel->GetCaption(), "Today Sat 15 June 2024");
    EXPECT_EQ(plat::FormatSettings().ThousandSeparator, '.');
    // The form's hints are mini-HTML on a cream-to-gold gradient.
    EXPECT_EQ(skelda::foundation::FindHTMLHint(), window->HTMLHint);
    EXPECT_EQ(window->HTMLHint->GetHintColor(), plat::clCream);
    EXPECT_EQ(window->HTMLHint->GetHintColorTo(), 0x07BCE9U);
    EXPECT_EQ(window->HTMLHint->HintFont().GetName(), "Tahoma");
    EXPECT_EQ(window->HTMLHint->HintFont().GetHeight(), -11);
    EXPECT_EQ(window->HTMLHint->HintFont().GetColor(), plat::clInfoText);
    EXPECT_EQ(window->HTMLHint->GetHintStyle(), skelda::foundation::hsRectangle);
    EXPECT_EQ(window->HTMLHint->GetMaxWidth(), 0);
    EXPECT_EQ(window->HTMLHint->GetURLColor(), plat::clBlack);

    EXPECT_TRUE(window->CFGPanel->GetVisible());
    EXPECT_FALSE(window->SetupBtn->GetEnabled());
    EXPECT_EQ(Setup().INDEdit->GetText(), "NoCall");
    EXPECT_EQ(Setup().PWRSpin->GetValue(), 100);
    EXPECT_EQ(Setup().ANGSpin->GetValue(), 10);
    EXPECT_FALSE(Setup().FreqBox->GetChecked());
    EXPECT_EQ(Setup().FreqSpin->GetText(), "21");
    EXPECT_EQ(Setup().PathGroup->GetItemIndex(), 0);
    EXPECT_EQ(Setup().AGTGroup->GetItemIndex(), 0);
    EXPECT_EQ(Setup().DisplayGroup->GetItemIndex(), 0);
    EXPECT_EQ(Setup().LTTEdit->GetText(), "0");
    EXPECT_EQ(Setup().LNGEdit->GetText(), "0");
    EXPECT_FALSE(Setup().PLAT->GetVisible());
    EXPECT_FALSE(Setup().PLON->GetVisible());
    EXPECT_EQ(window->LocalGroupBox->GetCaption(), " NoCall  Coordinates ");
    EXPECT_EQ(window->ORIGLat->GetCaption(), "0°");

    EXPECT_EQ(Header(window->H1, 0), "") << "no prediction";
    EXPECT_EQ(Cell(1, 16), "");
    EXPECT_TRUE(ui.Dialogs().Shown().empty());
    ASSERT_EQ(ui.Dialogs().TaskDialogs().size(), 1u) << "the download warning, as no bulletin came";
    EXPECT_EQ(window->SolarBox->GetCaption(), "Download error");
    EXPECT_EQ(SetupValueNames(), std::vector<std::string>{}) << "reading writes nothing";

    window->Show();
    ui.Simulator().Click(*window->HelpBtn, {10, 10});
    using TRequest = plat::testing::RecordingHelpViewer::TRequest;
    EXPECT_THAT(ui.Base().Help().Requests(), ElementsAre(TRequest{folder + "SKELDA.CHM", true, 0}));
}

TEST_F(MainWindowTest, SavingAStationWritesItInTheStoresOrderAndAnnouncesTheRestart)
{
    StartShown();
    Setup().INDEdit->SetText("");
    TypeInto(*Setup().INDEdit, " F6XYZ ");
    TypeInto(*Setup().LOCEdit, "jn18du");
    EXPECT_EQ(Setup().LTTEdit->GetText(), "48.833333");
    EXPECT_EQ(Setup().LNGEdit->GetText(), "2.25");
    EXPECT_EQ(Setup().PLAT->GetCaption(), " North");
    EXPECT_EQ(Setup().PLON->GetCaption(), " East");
    EXPECT_TRUE(Setup().PLAT->GetVisible());
    EXPECT_NEAR(static_cast<double>(window->Settings().Latitude), 48.8333333, 1e-6) << "at once, for the next prediction";
    EXPECT_EQ(window->Settings().Longitude, -2.25L);
    Setup().PWRSpin->SetValue(400);
    Setup().ANGSpin->SetValue(5);
    Setup().FreqBox->SetChecked(true);
    Setup().FreqSpin->SetValue(14);
    Setup().AGTGroup->SetItemIndex(2);

    ui.Simulator().Click(*Setup().OKBtn, {10, 10});
    EXPECT_THAT(SetupValueNames(), ElementsAre("MyCall", "Power", "Display", "Seuil", "SeuilFreq", "GainTable",
                                               "MinAngle", "Path", "Latitude", "Longitude"));
    plat::TRegIniFile ini(kSettingsKey);
    EXPECT_EQ(ini.ReadString("Setup", "MyCall", ""), "F6XYZ");
    EXPECT_EQ(ini.ReadString("Setup", "Power", ""), "400");
    EXPECT_EQ(ini.ReadString("Setup", "Seuil", ""), "1");
    EXPECT_EQ(ini.ReadString("Setup", "SeuilFreq", ""), "14");
    EXPECT_EQ(ini.ReadString("Setup", "GainTable", ""), "2");
    EXPECT_EQ(ini.ReadString("Setup", "MinAngle", ""), "5");
    EXPECT_EQ(ini.ReadString("Setup", "Path", ""), "0");
    EXPECT_EQ(ReadRegExtended("Setup", "Latitude", kMaxLatitudeDeg), 48.833333) << "the field's text";
    EXPECT_EQ(ReadRegExtended("Setup", "Longitude", kMaxLongitudeDeg), -2.25L) << "stored west positive";
    EXPECT_FALSE(window->CFGPanel->GetVisible());
    EXPECT_TRUE(window->SetupBtn->GetEnabled());
    EXPECT_EQ(window->Settings().Power, 100) << "the running program keeps its settings";

    ASSERT_EQ(ui.Dialogs().TaskDialogs().size(), 2u);
    const plat::TTaskDialogConfig& notice = ui.Dialogs().TaskDialogs()[1].Config;
    EXPECT_EQ(notice.WindowTitle, "Information");
    EXPECT_EQ(notice.MainInstruction, "Restart the program");
    EXPECT_EQ(notice.Content,
              "You need to restart the program to take into account the modifications that have been made.");
    EXPECT_EQ(notice.ExpandedInformation, "");
    EXPECT_EQ(notice.Footer, "");
    EXPECT_EQ(notice.MainIcon, plat::TD_RESOURCE_INFORMATION_ICON);
    EXPECT_EQ(notice.FooterIcon, plat::TD_INFORMATION_ICON);
    EXPECT_EQ(notice.CommonButtons, 0u);
    EXPECT_THAT(notice.Buttons, ElementsAre(plat::TTaskDialogButton{100, "Close this warning"}))
        << "left by the download warning";
    EXPECT_THAT(ui.Base().Beeper().SoundTypes(), ElementsAre(0x40u, 0x40u));
}

TEST_F(MainWindowTest, ASaveWithAWrongCoordinateWritesNothingAndKeepsThePanelOpen)
{
    StartShown();
    struct Case {
        const char* Latitude;
        const char* Longitude;
        std::string Message;
    };
    const Case cases[] = {
        {"48,8", "2.25", "'48,8' is not a valid floating point value"},
        {"48.8", "east", "'east' is not a valid floating point value"},
        {"91", "2.25", "The latitude must lie between -90 and 90 degrees."},
        {"48.8", "-180.5", "The longitude must lie between -180 and 180 degrees."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Latitude + std::string(" ") + c.Longitude);
        ui.Dialogs().Clear();
        Setup().LTTEdit->SetText(c.Latitude);
        Setup().LNGEdit->SetText(c.Longitude);
        ui.Simulator().Click(*Setup().OKBtn, {10, 10});
        ASSERT_EQ(ui.Dialogs().Texts(), std::vector<std::string>{c.Message});
        EXPECT_EQ(ui.Dialogs().Shown()[0].Caption, "Warning");
        EXPECT_EQ(SetupValueNames(), std::vector<std::string>{});
        EXPECT_TRUE(window->CFGPanel->GetVisible());
        EXPECT_EQ(ui.Dialogs().TaskDialogs().size(), 1u) << "no restart notice";
    }
    EXPECT_EQ(window->GetActiveControl(), Setup().LNGEdit) << "the wrong field takes the focus";
}

TEST_F(MainWindowTest, ASaveThatCannotBeWrittenIsReportedAndAnnouncesNoRestart)
{
    StartShown();
    // A settings folder below a plain file can never be made.
    const std::string blocker = folder + "file";
    std::ofstream(blocker) << "x";
    plat::Env().ConfigDir = blocker + "/skelda/";
    ui.Simulator().Click(*Setup().OKBtn, {10, 10});
    EXPECT_EQ(ui.Dialogs().Texts(), std::vector<std::string>{"Problem writing in the registry"});
    EXPECT_TRUE(window->CFGPanel->GetVisible());
    EXPECT_EQ(ui.Dialogs().TaskDialogs().size(), 1u) << "no restart notice";
}

TEST_F(MainWindowTest, AWrongLocatorCharacterIsNamedAndChangesNothing)
{
    StartShown();
    for (const char* locator : {"JS18DU", "JN1ADU"}) {
        Setup().LOCEdit->SetText(locator);
        EXPECT_EQ(window->Settings().Latitude, 0);
    }
    EXPECT_EQ(ui.Dialogs().Texts(),
              (std::vector<std::string>{"The character #2 is not correct !\r\nThe QTH Locator format is RR99XX max",
                                        "The character #4 is not correct !\r\nThe QTH Locator format is RR99XX max"}));
    EXPECT_EQ(Setup().LTTEdit->GetText(), "0");
    EXPECT_FALSE(Setup().PLAT->GetVisible());
}

TEST_F(MainWindowTest, TheSetupPanelMovesByItsCaption)
{
    StartShown();
    const plat::TRect before = window->CFGPanel->GetBoundsRect();
    EXPECT_EQ(before, plat::Bounds(224, 132, 403, 327));
    // One step: the simulator gives each position in the moving panel's own coordinates.
    ui.Simulator().Drag(*window->CFGPanel, {100, 10}, {140, 30}, 1);
    EXPECT_EQ(window->CFGPanel->GetBoundsRect(), plat::Bounds(264, 152, 403, 327));
}

TEST_F(MainWindowTest, TheNextStartComputesAtOnceWithTheSavedStation)
{
    SaveStation();
    plat::TRegIniFile(kSettingsKey).WriteInteger("Setup", "Display", 1);
    ServeBulletin();
    Start();
    EXPECT_FALSE(window->CFGPanel->GetVisible());
    EXPECT_TRUE(ui.Dialogs().TaskDialogs().empty());
    EXPECT_EQ(window->FLXSpin->GetValue(), 120);
    EXPECT_EQ(window->DisplayFormatGroup->GetItemIndex(), 1);
    EXPECT_EQ(window->LocalGroupBox->GetCaption(), " F5ABC  Coordinates ");
    EXPECT_EQ(window->ORIGLat->GetCaption(), "48°49.998° North");
    EXPECT_EQ(window->ORIGLon->GetCaption(), "2°15° East");
    EXPECT_EQ(window->STA->GetBoundsRect(), plat::Bounds(258, 59, 6, 6));
    EXPECT_EQ(window->STA->GetHint(), "F5ABC");
    EXPECT_EQ(window->CC->GetBoundsRect(), plat::Bounds(142, 70, 10, 10));
    EXPECT_EQ(window->CC->GetHint(), "Target location");

    EXPECT_THAT(Header(window->H1, 0), StartsWith("F5ABC Lat 48.8° North"));
    EXPECT_THAT(Header(window->H1, 1), StartsWith("Default target Lat 38.0° North Lon 77.0° West"));
    EXPECT_EQ(Header(window->H2, 0), "Solar flux at 10.7cm : 120.0");
    EXPECT_EQ(Header(window->H2, 3), "Power (Watts) : 400 W");
    EXPECT_EQ(Cell(0, 16), "UTC");
    EXPECT_FALSE(Cell(14, 18).empty()) << "the MUF of 13 UTC";
    EXPECT_TRUE(ui.Dialogs().Shown().empty());
}

TEST_F(MainWindowTest, APredictionRefusedAtStartIsExplainedOnceTheWindowShows)
{
    // A call sign but no position: station and target are both at 0, 0. The stored format is
    // shown by the group without a prediction of its own.
    plat::TRegIniFile ini(kSettingsKey);
    ini.WriteString("Setup", "MyCall", "F5ABC");
    ini.WriteInteger("Setup", "Display", 2);
    Start();
    EXPECT_FALSE(window->CFGPanel->GetVisible()) << "a call sign is no first start";
    EXPECT_TRUE(ui.Dialogs().Shown().empty()) << "not over the splash window";
    window->Show();
    ui.Pump();
    ASSERT_EQ(ui.Dialogs().Shown().size(), 1u);
    EXPECT_EQ(ui.Dialogs().Shown()[0].Caption, kNoPrediction);
    window->Hide();
    window->Show();
    ui.Pump();
    EXPECT_EQ(ui.Dialogs().Shown().size(), 1u) << "once";
}

TEST_F(MainWindowTest, AValueOfTheWrongTypeIsReportedOnceAndTheDefaultsHold)
{
    SaveStation();
    plat::TRegistry setup;
    setup.OpenKey(std::string("\\") + kSettingsKey + "\\Setup", true);
    setup.WriteString("Latitude", "48.8");
    Start();
    EXPECT_EQ(ui.Dialogs().Texts(), std::vector<std::string>{"Problem reading the registry"});
    EXPECT_EQ(window->Settings().MyCall, "NoCall");
    EXPECT_EQ(window->Settings().Power, 100);
    EXPECT_TRUE(window->CFGPanel->GetVisible()) << "the defaults are a first start";
    EXPECT_EQ(Setup().LTTEdit->GetText(), "0");
    EXPECT_EQ(Setup().INDEdit->GetText(), "F5ABC") << "what can be read is shown";

    window->Show();
    ui.Simulator().Click(*Setup().CancelBtn, {10, 10});
    ui.Simulator().Click(*window->SetupBtn, {10, 10});
    EXPECT_EQ(ui.Dialogs().Texts(),
              (std::vector<std::string>{"Problem reading the registry", "Problem reading the registry"}));
    EXPECT_TRUE(window->CFGPanel->GetVisible());
}

class StartedWindowTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        SaveStation();
        ServeBulletin();
        StartShown();
    }
};

TEST_F(StartedWindowTest, APresetTargetMovesTheMarkerAndRecomputes)
{
    int y = 0;
    while (window->DestBox->ItemAtPos({20, y}, true) < 3)
        ++y;
    ui.Simulator().Click(*window->DestBox, {20, y + 2});
    EXPECT_EQ(window->Settings().TargetName, "South America west coast (Lima, Peru)");
    EXPECT_EQ(window->CC->GetBoundsRect(), plat::Bounds(142, 141, 10, 10));
    EXPECT_THAT(Header(window->H1, 1), StartsWith("South America west coast (Lima, Peru) Lat 12.0° South"));
    EXPECT_EQ(window->DESTLTTPnl->GetCaption(), "12.0° South");
}

TEST_F(StartedWindowTest, AMapClickPicksTheTargetAndAMoveShowsTheCoordinates)
{
    ui.Simulator().Click(*window->MAP, {256, 128});
    EXPECT_EQ(window->Settings().DestLat, 0);
    EXPECT_EQ(window->Settings().DestLon, 0);
    EXPECT_EQ(window->CC->GetBoundsRect(), plat::Bounds(252, 124, 10, 10));
    EXPECT_THAT(Header(window->H1, 1), StartsWith("Location on map Lat 0.0° South Lon 0.0° East"));

    ui.Simulator().MouseMove(*window->MAP, {300, 50});
    EXPECT_EQ(window->LBL->GetCaption(), "Latitude 54° North - Longitude 30° East");
}

TEST_F(StartedWindowTest, TheDisplayFormatAndTheRouteTakeEffectAtOnce)
{
    const std::string levelCell = Cell(14, 9);
    window->DisplayFormatGroup->SetItemIndex(2);
    EXPECT_EQ(window->Settings().Display, engine::DisplayFormat::RouteDelay);
    EXPECT_NE(Cell(14, 9), levelCell) << "the table of the new format";

    ui.Simulator().Click(*window->SetupBtn, {10, 10});
    Setup().PathGroup->SetItemIndex(1);
    ui.Simulator().Click(*Setup().CancelBtn, {10, 10});
    EXPECT_TRUE(window->Settings().Path) << "the route is the panel's choice without saving";
    const std::string shortDistance = Header(window->H1, 2);
    ui.Simulator().Click(*window->ComputeBtn, {10, 10});
    EXPECT_NE(Header(window->H1, 2), shortDistance) << "the long path";
    EXPECT_FALSE(plat::TRegIniFile(kSettingsKey).ValueExists("Setup", "Path"));
}

TEST_F(StartedWindowTest, ANewSolarValueIsUsedByTheNextPredictionOnly)
{
    window->SunGroup->SetItemIndex(1);
    EXPECT_EQ(window->SunLabel->GetCaption(), "Sun spots");
    EXPECT_NEAR(static_cast<double>(window->FLXSpin->GetValue()), 70.68, 0.005);
    window->SunGroup->SetItemIndex(0);

    window->FLXSpin->SetValue(150);
    EXPECT_TRUE(window->ComputeBtn->GetEnabled());
    EXPECT_EQ(Header(window->H2, 0), "Solar flux at 10.7cm : 120.0");
    ui.Simulator().Click(*window->ComputeBtn, {10, 10});
    EXPECT_EQ(Header(window->H2, 0), "Solar flux at 10.7cm : 150.0");
}

TEST_F(StartedWindowTest, ClosingKeepsTheFormatTheKindAndTheTargetForTheNextStart)
{
    ui.Simulator().Click(*window->MAP, {0, 0});
    window->DisplayFormatGroup->SetItemIndex(3);
    window->SunGroup->SetItemIndex(1);
    ui.Simulator().Click(*window->ExitBtn, {10, 10});
    EXPECT_TRUE(plat::Application->Terminated());
    plat::TRegIniFile ini(kSettingsKey);
    EXPECT_EQ(ini.ReadString("Setup", "Display", ""), "3");
    EXPECT_EQ(ini.ReadString("Setup", "SunSpots", ""), "1");
    EXPECT_EQ(ReadRegExtended("Setup", "DestLat", kMaxLatitudeDeg), 90);
    EXPECT_EQ(ReadRegExtended("Setup", "DestLon", kMaxLongitudeDeg), 180);
    EXPECT_TRUE(ui.Dialogs().Shown().empty());
}

TEST_F(StartedWindowTest, WithoutTheInformationTextItsWindowBeepsAndSaysSo)
{
    ui.Simulator().Click(*window->InfoBtn, {10, 10});
    TInfoForm* info = nullptr;
    for (int i = 0; i < plat::Application->ComponentCount() && !info; ++i)
        info = dynamic_cast<TInfoForm*>(plat::Application->Components(i));
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->Memo->GetText(), "Could not find the file \"Info.txt\"...");
    EXPECT_THAT(ui.Base().Beeper().SoundTypes(), ElementsAre(1u));
    EXPECT_EQ(info->CloseBtn->GetKind(), plat::bkClose);
}

TEST_F(StartedWindowTest, ItsTabsSwitchBetweenTheChartAndTheTable)
{
    EXPECT_EQ(window->PageControl->GetActivePage(), window->Page1);
    EXPECT_EQ(window->Page1->GetCaption(), "Main panel");
    EXPECT_FALSE(window->MUFGrid->Showing());

    const plat::TRect tableTab = window->PageControl->GetTabRect(window->Page2);
    ui.Simulator().Click(*window->PageControl, {(tableTab.Left + tableTab.Right) / 2, (tableTab.Top + tableTab.Bottom) / 2});
    EXPECT_EQ(window->PageControl->GetActivePage(), window->Page2);
    EXPECT_TRUE(window->MUFGrid->Showing());
    EXPECT_FALSE(window->PTB->Showing());

    window->PageControl->SetFocus();
    ui.Simulator().KeyPress(plat::VK_LEFT);
    EXPECT_EQ(window->PageControl->GetActivePage(), window->Page1);
    EXPECT_TRUE(window->PTB->Showing());
}

TEST_F(StartedWindowTest, PicturesOfTheWindowOnBothPagesAndOfTheSetupPanel)
{
    const QImage chartPage = plat::testing::Screenshot(*window);
    EXPECT_TRUE(chartPage.save(SKELDA_APP_TEST_OUTPUT "/main-window.png", "PNG"));
    window->PageControl->SetActivePage(window->Page2);
    EXPECT_TRUE(plat::testing::Screenshot(*window).save(SKELDA_APP_TEST_OUTPUT "/main-window-table.png", "PNG"));
    ui.Simulator().Click(*window->SetupBtn, {10, 10});
    const QImage setup = plat::testing::Screenshot(*window);
    EXPECT_TRUE(setup.save(SKELDA_APP_TEST_OUTPUT "/setup-panel.png", "PNG"));
    EXPECT_NE(setup, chartPage);
}

}  // namespace
}  // namespace skelda::app::testing
