// The program's start: the splash window for two seconds of the timer service, then the title and
// help file, then the main window while the splash is still up, then the splash gone; and the
// build text from the program file's version information, present or not.

#include "app/ProgramStartup.h"
#include "app/ProgramVersion.h"
#include "app/TSplashForm.h"

#include "platform/controls/forms/TApplication.h"
#include "platform/controls/forms/TTimer.h"
#include "platform/controls/standard/TImage.h"
#include "platform/controls/standard/TLabel.h"
#include "platform/graphics/TPicture.h"
#include "platform/system/FileVersionInfo.h"
#include "platform/testing/ImageProbe.h"
#include "platform/testing/Screenshot.h"
#include "platform/testing/UiTestEnvironment.h"

#include <QImage>

#include <gtest/gtest.h>

#include <string>

namespace skelda::app::testing {
namespace {

TSplashForm* FindSplash()
{
    for (int i = 0; i < plat::Application->ComponentCount(); ++i)
        if (auto* splash = dynamic_cast<TSplashForm*>(plat::Application->Components(i)))
            return splash;
    return nullptr;
}

class ProgramStartupTest : public ::testing::Test {
protected:
    plat::testing::UiTestEnvironment ui;
};

TEST_F(ProgramStartupTest, TheSplashStaysTwoSecondsAndUntilTheMainWindowIsMade)
{
    int waitedMs = 0;
    for (int step = 0; step < 3; ++step)
        ui.Queue().WhenIdle([&] {
            ui.Clock().Advance(1000);
            waitedMs += 1000;
        });
    bool made = false;
    StartProgram("/opt/skelda/", [&] {
        made = true;
        EXPECT_EQ(waitedMs, 2000);
        EXPECT_EQ(plat::Application->GetTitle(), "SKELDA v1.7a");
        EXPECT_EQ(plat::Application->GetHelpFile(), "/opt/skelda/SKELDA.CHM");
        TSplashForm* splash = FindSplash();
        ASSERT_NE(splash, nullptr);
        EXPECT_TRUE(splash->GetVisible());
        EXPECT_FALSE(splash->SplashTimer->GetEnabled());
        EXPECT_EQ(plat::Application->MainForm(), nullptr) << "the splash is not the main form";
    });
    EXPECT_TRUE(made);
    EXPECT_EQ(FindSplash(), nullptr);
    EXPECT_EQ(ui.Timers().ActiveCount(), 0);
}

TEST_F(ProgramStartupTest, AMessageLoopWithNothingToWaitForEndsTheWait)
{
    bool made = false;
    StartProgram("", [&] { made = true; });
    EXPECT_TRUE(made);
    EXPECT_EQ(plat::Application->GetHelpFile(), "SKELDA.CHM");
}

TEST_F(ProgramStartupTest, TheSplashShowsItsPictureBuildAndVersion)
{
    TSplashForm* splash = plat::CreateForm<TSplashForm>(plat::Application);
    EXPECT_EQ(splash->GetClientWidth(), 520);
    EXPECT_EQ(splash->GetClientHeight(), 340);
    EXPECT_EQ(splash->ImgSplash->Picture().GetWidth(), 520);
    EXPECT_EQ(splash->ImgSplash->Picture().GetHeight(), 340);
    EXPECT_EQ(splash->BuildLabel->GetCaption(), "Build " + plat::ProgramFileVersion().Text());
    EXPECT_EQ(splash->DateLabel->GetCaption(), "Version 1.7a (May 2013)  ");
    EXPECT_EQ(splash->SplashTimer->GetInterval(), 2000u);
    splash->Show();
    const QImage picture = plat::testing::Screenshot(*splash);
    EXPECT_TRUE(picture.save(SKELDA_APP_TEST_OUTPUT "/splash.png", "PNG"));
    // The version line sits at the bottom right, white on the dark lower part of the picture.
    EXPECT_GT(plat::testing::CountPixels(picture, plat::Bounds(300, 322, 220, 17), plat::clWhite), 40);
}

TEST_F(ProgramStartupTest, WithoutVersionInformationTheBuildIsEmptyAndTheCaptionEndsInADash)
{
    EXPECT_EQ(MainWindowCaption(BuildText()), "SKELDA v1.7a by Vantel Software - Build " + plat::ProgramFileVersion().Text());
    EXPECT_TRUE(plat::ProgramFileVersion().Text().starts_with("1.7.0."));

    ui.Base().Platform().SetFileVersionInfo(std::nullopt);
    EXPECT_EQ(BuildText(), "");
    const std::string caption = MainWindowCaption(BuildText());
    EXPECT_TRUE(caption.ends_with(" - ")) << caption;
    TSplashForm* splash = plat::CreateForm<TSplashForm>(plat::Application);
    EXPECT_EQ(splash->BuildLabel->GetCaption(), "");
}

}  // namespace
}  // namespace skelda::app::testing
