// What the main window's information buttons open: the About dialog with the computer's memory,
// the help at its contents, and the information window with "Info.txt" or the reason it has none.

#include "app/InformationCommands.h"
#include "app/TAPropos.h"
#include "app/TInfoForm.h"

#include "editcontrols/button/TKvHTButton.h"
#include "platform/controls/forms/TApplication.h"
#include "platform/controls/qt/QtHelpWindow.h"
#include "platform/controls/standard/TBitBtn.h"
#include "platform/controls/standard/TLabel.h"
#include "platform/controls/standard/TMemo.h"
#include "platform/core/TStrings.h"
#include "platform/system/ChmFile.h"
#include "platform/system/Environment.h"
#include "platform/testing/Screenshot.h"
#include "platform/testing/UiTestEnvironment.h"

#include <QImage>
#include <QWidget>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace skelda::app::testing {
namespace {

using ::testing::ElementsAre;

class InformationWindowsTest : public ::testing::Test {
protected:
    plat::testing::UiTestEnvironment ui;
    // An empty folder of the test's own stands for the program's folder.
    const std::string folder = ui.Base().ConfigDir();
    InformationCommands commands{folder};
};

TEST(PhysicalMemoryTextTest, KilobytesGroupedByDotsAndBeyondFourGigabytes)
{
    struct Case {
        std::uint64_t Bytes;
        const char* Text;
    };
    const Case cases[] = {
        {std::uint64_t{3145728} * 1024, "3.145.728 Ko"},
        {std::uint64_t{16} << 30, "16.777.216 Ko"},
        {std::uint64_t{1} << 40, "1.073.741.824 Ko"},
        {999 * 1024 + 1023, "999 Ko"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PhysicalMemoryText(c.Bytes), c.Text);
}

TEST_F(InformationWindowsTest, AboutShowsTheMemoryAndClosesWithItsButton)
{
    ui.Base().Platform().SetTotalPhysBytes(std::uint64_t{3145728} * 1024);
    TAPropos* shown = nullptr;
    ui.Queue().WhenIdle([&] {
        for (int i = 0; i < plat::Application->ComponentCount() && !shown; ++i)
            shown = dynamic_cast<TAPropos*>(plat::Application->Components(i));
        ASSERT_NE(shown, nullptr);
        EXPECT_EQ(shown->GetCaption(), "About Vantel...");
        EXPECT_EQ(shown->Label3->GetCaption(), "Memory available for Windows®:");
        EXPECT_EQ(shown->PhysMem->GetCaption(), "3.145.728 Ko");
        EXPECT_EQ(shown->GetWidth(), 538);
        EXPECT_EQ(shown->GetHeight(), 198);
        const QImage picture = plat::testing::Screenshot(*shown);
        EXPECT_TRUE(picture.save(SKELDA_APP_TEST_OUTPUT "/about.png", "PNG"));
        ui.Simulator().Click(*shown->CloseBtn, {10, 10});
    });
    commands.AboutBtnClick(nullptr);
    ASSERT_NE(shown, nullptr);
    for (int i = 0; i < plat::Application->ComponentCount(); ++i)
        EXPECT_EQ(dynamic_cast<TAPropos*>(plat::Application->Components(i)), nullptr) << "freed once closed";
}

TEST_F(InformationWindowsTest, HelpOpensTheApplicationsHelpFileAtItsContents)
{
    plat::Application->SetHelpFile("/opt/skelda/SKELDA.CHM");
    commands.HelpBtnClick(nullptr);
    using TRequest = plat::testing::RecordingHelpViewer::TRequest;
    EXPECT_THAT(ui.Base().Help().Requests(), ElementsAre(TRequest{"/opt/skelda/SKELDA.CHM", true, 0}));
    EXPECT_TRUE(ui.Dialogs().Shown().empty());
}

TEST_F(InformationWindowsTest, HelpThatCannotBeShownSaysWhy)
{
    struct NoHelp : plat::IHelpViewer {
        plat::TOpenResult ShowContents(const std::string& file) override
        {
            return plat::TOpenResult::Failure("Help file not found: \"" + file + "\"");
        }
        plat::TOpenResult ShowContext(const std::string& file, int) override { return ShowContents(file); }
    } noHelp;
    plat::Env().Help = &noHelp;
    plat::Application->SetTitle("SKELDA v1.7a");
    plat::Application->SetHelpFile("/opt/skelda/SKELDA.CHM");
    commands.HelpBtnClick(nullptr);
    ASSERT_EQ(ui.Dialogs().Shown().size(), 1u);
    EXPECT_EQ(ui.Dialogs().Shown()[0].Text, "Help file not found: \"/opt/skelda/SKELDA.CHM\"");
    EXPECT_EQ(ui.Dialogs().Shown()[0].Caption, "SKELDA v1.7a");
}

TEST_F(InformationWindowsTest, InformationShowsTheTextOfTheProgramsFolder)
{
    std::ofstream(folder + "Info.txt") << "SKELDA predicts HF propagation.\r\nSecond line.\r\n";
    TInfoForm* info = commands.InfoBtnClick(nullptr);
    EXPECT_TRUE(info->GetVisible());
    EXPECT_EQ(info->GetCaption(), "Info");
    EXPECT_EQ(info->GetWidth(), 480);
    EXPECT_EQ(info->GetHeight(), 375);
    EXPECT_EQ(info->Memo->GetHeight(), 318);
    ASSERT_EQ(info->Memo->Lines().Count(), 2);
    EXPECT_EQ(info->Memo->Lines().GetStrings(0), "SKELDA predicts HF propagation.");
    EXPECT_EQ(info->Memo->Lines().GetStrings(1), "Second line.");
    EXPECT_EQ(info->CloseBtn->GetCaption(), "Close");
    EXPECT_EQ(info->CloseBtn->GetKind(), plat::bkClose);
    EXPECT_EQ(ui.Base().Beeper().Count(), 0);

    TInfoForm* second = commands.InfoBtnClick(nullptr);
    EXPECT_NE(second, info) << "each click opens a further window";
    int closedCount = 0;
    const plat::TReleaseHookRegistration hook =
        plat::TControl::AddReleaseHook([&](plat::TControl& control) { closedCount += &control == info; });
    ui.Simulator().Click(*info->CloseBtn, {10, 10});
    ui.Pump();
    EXPECT_EQ(closedCount, 1) << "a closed window is freed";
}

TEST_F(InformationWindowsTest, WithoutTheTextItBeepsAndSaysWhichFileIsMissing)
{
    TInfoForm* info = commands.InfoBtnClick(nullptr);
    EXPECT_TRUE(info->GetVisible());
    EXPECT_EQ(info->Memo->GetText(), "Could not find the file \"Info.txt\"...");
    EXPECT_THAT(ui.Base().Beeper().SoundTypes(), ElementsAre(1u));
}

TEST(HelpWindowPictureTest, TheResultsTablePageBesideTheContents)
{
    std::string error;
    std::unique_ptr<plat::TChmFile> file = plat::TChmFile::Open(SKELDA_APP_HELP_FILE, error);
    ASSERT_TRUE(file) << error;
    plat::QtHelpWindow help(std::move(file));
    help.ShowContents();
    help.FollowLink("table.html");
    ASSERT_EQ(help.PageTitle(), "The results table");
    const QImage picture = help.Widget().grab().toImage();
    EXPECT_TRUE(picture.save(SKELDA_APP_TEST_OUTPUT "/help-window.png", "PNG"));
    help.Widget().hide();
}

}  // namespace
}  // namespace skelda::app::testing
