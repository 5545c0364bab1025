// The solar value at start-up, against a bulletin server on 127.0.0.1: the day's flux when the
// bulletin arrives, otherwise one polite warning and the month's predicted flux, quickly; and the
// kind group showing the start-up value as a flux or a sunspot number.

#include "app/DownloadWarning.h"
#include "app/PredictionSettings.h"
#include "app/SolarValueBox.h"

#include "editcontrols/spin/TKvSpinEdit.h"
#include "engine/SolarActivity.h"
#include "foundation/TCustomVezTaskDialog.h"
#include "foundation/TVezMessageForm.h"
#include "platform/controls/forms/TApplication.h"
#include "platform/controls/forms/TForm.h"
#include "platform/controls/forms/TScreen.h"
#include "platform/controls/qt/QtTaskDialog.h"
#include "platform/controls/standard/TGroupBox.h"
#include "platform/controls/standard/TLabel.h"
#include "platform/controls/standard/TRadioGroup.h"
#include "platform/core/TStrings.h"
#include "platform/system/CurlHttpClient.h"
#include "platform/system/DateTime.h"
#include "platform/system/Environment.h"
#include "platform/testing/LoopbackHttpServer.h"
#include "platform/testing/Screenshot.h"
#include "platform/testing/UiTestEnvironment.h"

#include <QImage>
#include <QWidget>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace skelda::app::testing {
namespace {

using plat::testing::LoopbackHttpServer;
using ::testing::ElementsAre;

constexpr const char* kBulletin =
    ":Product: Geophysical Alert Message wwv.txt\n"
    ":Issued: 2013 Jun 06 0605 UTC\n"
    "# Prepared by the space weather service\n"
    "#\n"
    "Solar-terrestrial indices for 05 June follow.\n"
    "Solar flux 128 and estimated planetary A-index 5.\n"
    "The estimated planetary K-index at 0600 UTC on 06 June was 1.\n";
constexpr long double kJune2013PredictedSfu = 141.9L;

// The solar value's controls on a form, set up as the main window sets them up.
struct SolarWindow {
    explicit SolarWindow(plat::TForm& form)
        : FLXSpin(*Place<editcontrols::TKvSpinEdit>(form, plat::Bounds(10, 40, 80, 21))),
          SolarBox(*Place<plat::TGroupBox>(form, plat::Bounds(0, 0, 200, 160))),
          SunLabel(*Place<plat::TLabel>(form, plat::Bounds(10, 20, 80, 13))),
          SunGroup(*Place<plat::TRadioGroup>(form, plat::Bounds(10, 70, 180, 80))),
          TSKDLG(*new foundation::TVezTaskDialog(&form)),
          Box(FLXSpin, SolarBox, SunLabel, SunGroup, TSKDLG, Settings)
    {
        FLXSpin.SetValueType(editcontrols::vtFloat);
        SunLabel.SetCaption("Solar flux");
        SolarBox.SetCaption("Solar flux");
        TSKDLG.SetAutoCloseTimeOut(10000);
        TSKDLG.SetDialogPosition(foundation::dpOwnerFormCenter);
        TSKDLG.SetApplicationIsParent(true);
        TSKDLG.SetNonNativeMinFormWidth(450);
        SunGroup.OnClick = [this](plat::TObject* sender) { Box.SunGroupClick(sender); };
    }

    template <typename T>
    static T* Place(plat::TForm& form, plat::TRect bounds)
    {
        T* control = new T(&form);
        control->SetBoundsRect(bounds);
        control->SetParent(&form);
        return control;
    }

    editcontrols::TKvSpinEdit& FLXSpin;
    plat::TGroupBox& SolarBox;
    plat::TLabel& SunLabel;
    plat::TRadioGroup& SunGroup;
    foundation::TVezTaskDialog& TSKDLG;
    PredictionSettings Settings;
    SolarValueBox Box;
};

class SolarValueBoxTest : public ::testing::Test {
protected:
    SolarValueBoxTest()
    {
        plat::Env().Http = &http;
        ui.Clock().SetNow(plat::EncodeDate(2013, 6, 15) + 0.5);
    }

    // A window of its own for each start, as each start of the program has.
    SolarWindow& NewWindow()
    {
        window.reset();
        form = new plat::TForm(plat::Application);
        window = std::make_unique<SolarWindow>(*form);
        return *window;
    }

    plat::testing::UiTestEnvironment ui;
    plat::CurlHttpClient http;
    plat::TForm* form = nullptr;
    std::unique_ptr<SolarWindow> window;
};

TEST_F(SolarValueBoxTest, ABulletinGivesTheFieldItsFluxWithoutAWarning)
{
    LoopbackHttpServer server(LoopbackHttpServer::Reply(200, "OK", kBulletin));
    struct Case {
        std::string bulletin;
        int flux;
        std::string issue;
    };
    std::string longBulletin = kBulletin;
    longBulletin += std::string(1500, '#') + "\nNo flux on this line.\n";
    const Case cases[] = {
        {kBulletin, 128, "2013 Jun 06 0605 UTC"},
        {"Solar-terrestrial indices for 05 June follow.\nSolar flux 96 and estimated planetary A-index 5.\n", 96, ""},
        {longBulletin, 128, "2013 Jun 06 0605 UTC"},
    };
    for (const Case& c : cases) {
        server.SetReply(LoopbackHttpServer::Reply(200, "OK", c.bulletin));
        SolarWindow& w = NewWindow();
        w.Box.FetchStartupFlux(server.Url("/ftpdir/latest/wwv.txt"));
        EXPECT_EQ(w.Box.BulletinFlux(), c.flux);
        EXPECT_EQ(w.Box.IssueText(), c.issue);
        EXPECT_EQ(w.FLXSpin.GetValue(), c.flux);
        EXPECT_EQ(w.Settings.SolarValue, c.flux);
        EXPECT_EQ(w.SolarBox.GetCaption(), "Solar flux");
    }
    EXPECT_NE(server.LastRequest().find("GET /ftpdir/latest/wwv.txt"), std::string::npos);
    EXPECT_NE(server.LastRequest().find("User-Agent: SKELDA"), std::string::npos);
    EXPECT_TRUE(ui.Dialogs().TaskDialogs().empty());
    EXPECT_EQ(ui.Base().Beeper().Count(), 0);
}

TEST_F(SolarValueBoxTest, AnyFailureWarnsOnceAndFallsBackToTheMonthsPredictedFluxWithinTheTimeOuts)
{
    LoopbackHttpServer server(LoopbackHttpServer::Reply(200, "OK", kBulletin));
    std::string refusedUrl;
    {
        LoopbackHttpServer gone("");
        refusedUrl = gone.Url("/ftpdir/latest/wwv.txt");
    }
    LoopbackHttpServer silent("", true);
    std::string tooLong = kBulletin;
    tooLong += std::string(70 * 1024, '#');
    const std::string truncated =
        "HTTP/1.1 200 OK\r\nContent-Length: 2000\r\nConnection: close\r\n\r\n" + std::string(kBulletin);
    struct Case {
        const char* name;
        std::string reply;  // from the answering server, unless the URL is given
        std::string url;
    };
    const Case cases[] = {
        {"404 with a bulletin", LoopbackHttpServer::Reply(404, "Not Found", kBulletin), {}},
        {"204", LoopbackHttpServer::Reply(204, "No Content", ""), {}},
        {"HTML page", LoopbackHttpServer::Reply(200, "OK", "<html><body>Sign in to the hotspot</body></html>"), {}},
        {"empty body", LoopbackHttpServer::Reply(200, "OK", ""), {}},
        {"truncated body", truncated, {}},
        {"body over the limit", LoopbackHttpServer::Reply(200, "OK", tooLong), {}},
        {"flux not a number", LoopbackHttpServer::Reply(200, "OK", "Solar flux n/a and estimated A-index 5."), {}},
        {"refused connection", {}, refusedUrl},
        {"server that never answers", {}, silent.Url("/ftpdir/latest/wwv.txt")},
    };
    plat::THttpOptions shortTimeOuts = BulletinHttpOptions();
    shortTimeOuts.ConnectTimeoutMs = 300;
    shortTimeOuts.TotalTimeoutMs = 300;
    for (const Case& c : cases) {
        if (!c.reply.empty())
            server.SetReply(c.reply);
        SolarWindow& w = NewWindow();
        const std::size_t warnings = ui.Dialogs().TaskDialogs().size();
        w.Box.FetchStartupFlux(c.url.empty() ? server.Url("/ftpdir/latest/wwv.txt") : c.url, shortTimeOuts);
        ASSERT_EQ(ui.Dialogs().TaskDialogs().size(), warnings + 1) << c.name;
        EXPECT_EQ(ui.Dialogs().TaskDialogs().back().Config.MainInstruction, "Failed to download solar flux data");
        EXPECT_NEAR(static_cast<double>(w.FLXSpin.GetValue()), static_cast<double>(kJune2013PredictedSfu), 1e-9)
            << c.name;
        EXPECT_EQ(w.SolarBox.GetCaption(), "Download error") << c.name;
        EXPECT_EQ(w.Box.BulletinFlux(), 0) << c.name;
        EXPECT_EQ(w.Settings.SolarValue, w.FLXSpin.GetValue());
    }
}

TEST_F(SolarValueBoxTest, TheWarningIsTheDialogOfThePartAfterTheInformationSound)
{
    SolarWindow& w = NewWindow();
    const std::string url = "https://bulletin.example.org/ftpdir/latest/wwv.txt";
    ui.Base().Http().SetFailure(url, "Could not resolve host");
    plat::Env().Http = &ui.Base().Http();
    ui.Dialogs().WhileTaskDialogShown([&](plat::testing::TRecordingTaskDialogWindow&) {
        EXPECT_THAT(ui.Base().Beeper().SoundTypes(), ElementsAre(0x40u)) << "the sound comes first";
    });
    w.Box.FetchStartupFlux(url);

    ASSERT_EQ(ui.Dialogs().TaskDialogs().size(), 1u);
    const plat::testing::TRecordedTaskDialog& shown = ui.Dialogs().TaskDialogs()[0];
    const plat::TTaskDialogConfig& config = shown.Config;
    EXPECT_EQ(config.WindowTitle, "Warning!");
    EXPECT_EQ(config.MainInstruction, "Failed to download solar flux data");
    EXPECT_NE(config.Content.find("<a href=\"https://bulletin.example.org/\">"), std::string::npos) << config.Content;
    EXPECT_NE(config.Content.find("propagation prediction list"), std::string::npos);
    EXPECT_NE(config.Content.find("check your Internet connection"), std::string::npos);
    EXPECT_NE(config.ExpandedInformation.find("Internet connection is not established"), std::string::npos);
    EXPECT_EQ(config.ExpandedControlText, "Hide infos");
    EXPECT_EQ(config.CollapsedControlText, "Want to know more ?");
    EXPECT_EQ(config.Footer, "<a href=\"" + url + "\">Open today's solar flux bulletin</a>");
    EXPECT_EQ(config.VerificationText, "");
    EXPECT_EQ(config.Flags, plat::TDF_ENABLE_HYPERLINKS | plat::TDF_USE_COMMAND_LINKS |
                                plat::TDF_ALLOW_DIALOG_CANCELLATION | plat::TDF_POSITION_RELATIVE_TO_WINDOW);
    EXPECT_EQ(config.MainIcon, plat::TD_RESOURCE_WARNING_ICON);
    EXPECT_EQ(config.FooterIcon, plat::TD_INFORMATION_ICON);
    EXPECT_THAT(config.Buttons, ElementsAre(plat::TTaskDialogButton{100, kCloseWarningButton}));
    EXPECT_EQ(config.CommonButtons, 0u);
    EXPECT_EQ(config.Parent, nullptr) << "the application's dialog";
    EXPECT_EQ(shown.Button, 100);
    EXPECT_EQ(w.TSKDLG.CustomButtons().Count(), 1) << "the button stays for the restart notice";

    plat::TTaskDialogConfig expanded = config;
    expanded.Flags |= plat::TDF_EXPANDED_BY_DEFAULT;
    plat::QtTaskDialog collapsedDialog(config);
    plat::QtTaskDialog expandedDialog(expanded);
    const QImage collapsedPicture = collapsedDialog.Widget().grab().toImage();
    const QImage expandedPicture = expandedDialog.Widget().grab().toImage();
    EXPECT_TRUE(collapsedPicture.save(SKELDA_APP_TEST_OUTPUT "/download-warning-collapsed.png", "PNG"));
    EXPECT_TRUE(expandedPicture.save(SKELDA_APP_TEST_OUTPUT "/download-warning-expanded.png", "PNG"));
    EXPECT_GT(expandedPicture.height(), collapsedPicture.height());
}

TEST_F(SolarValueBoxTest, WithTheEmulatedDialogTheWarningIsTheProgramsOwnForm)
{
    SolarWindow& w = NewWindow();
    w.TSKDLG.SetNonNativeDialog(foundation::nndAlways);
    const std::string url = "https://bulletin.example.org/ftpdir/latest/wwv.txt";
    ui.Base().Http().SetFailure(url, "Could not resolve host");
    plat::Env().Http = &ui.Base().Http();
    int result = 0;
    w.TSKDLG.OnDialogButtonClick = [&](plat::TObject*, int id) { result = id; };
    ui.Queue().WhenIdle([&] {
        auto* shown = dynamic_cast<foundation::TVezMessageForm*>(plat::Screen->ActiveForm());
        ASSERT_NE(shown, nullptr) << "the emulated form";
        EXPECT_EQ(shown->GetCaption(), "Warning!");
        const int collapsedHeight = shown->GetClientHeight();
        plat::testing::Screenshot(*shown, "download-warning-emulated.png");
        shown->SetExpanded(true);
        EXPECT_GT(shown->GetClientHeight(), collapsedHeight);
        plat::testing::Screenshot(*shown, "download-warning-emulated-expanded.png");
        w.TSKDLG.ClickButton(100);
    });
    w.Box.FetchStartupFlux(url);

    EXPECT_EQ(result, 100) << "closed by its command link";
    EXPECT_TRUE(ui.Dialogs().TaskDialogs().empty()) << "never the platform's dialog";
    EXPECT_NEAR(static_cast<double>(w.FLXSpin.GetValue()), static_cast<double>(kJune2013PredictedSfu), 1e-9);
    EXPECT_EQ(w.SolarBox.GetCaption(), "Download error");
}

TEST_F(SolarValueBoxTest, TheKindGroupShowsTheStartUpValueAsAFluxOrASunspotNumber)
{
    plat::Env().Http = &ui.Base().Http();
    const std::string url = "http://bulletin.test/ftpdir/latest/wwv.txt";
    ui.Base().Http().SetResponse(url, "Solar flux 120 and estimated planetary A-index 5.\n");
    struct Case {
        bool downloaded;
        long double startupSfu;
    };
    for (const Case c : {Case{true, 120}, Case{false, kJune2013PredictedSfu}}) {
        SolarWindow& w = NewWindow();
        w.Box.FetchStartupFlux(c.downloaded ? url : "http://unknown.test/ftpdir/latest/wwv.txt");
        ASSERT_EQ(w.SunGroup.GetItemIndex(), 0);
        EXPECT_EQ(w.SunGroup.GetCaption(), "Type of value");

        w.SunGroup.SetItemIndex(1);
        EXPECT_EQ(w.SunLabel.GetCaption(), "Sun spots");
        EXPECT_NEAR(static_cast<double>(w.FLXSpin.GetValue()), static_cast<double>(engine::FluxToSpots(c.startupSfu)),
                    0.005);
        EXPECT_EQ(w.Settings.SolarKind, engine::SolarValueKind::SunSpots);
        EXPECT_EQ(w.Settings.SolarValue, w.FLXSpin.GetValue());

        w.SunGroup.SetItemIndex(0);
        EXPECT_EQ(w.SunLabel.GetCaption(), "Solar flux");
        EXPECT_NEAR(static_cast<double>(w.FLXSpin.GetValue()), static_cast<double>(c.startupSfu), 0.005)
            << "the start-up value, also after a failed download";
        EXPECT_EQ(w.Settings.SolarKind, engine::SolarValueKind::Flux);
    }
    EXPECT_NEAR(static_cast<double>(engine::FluxToSpots(120)), 70.68, 1e-9);
}

}  // namespace
}  // namespace skelda::app::testing
