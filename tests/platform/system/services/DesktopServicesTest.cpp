#include "platform/system/DesktopHelpViewer.h"
#include "platform/system/DesktopShell.h"
#include "platform/system/ShellUrlPolicy.h"
#include "platform/testing/RecordingShell.h"

#include <gtest/gtest.h>

namespace plat {
namespace {

TEST(ShellUrlPolicyTest, OnlyWebMailAndFileLinksPass)
{
    struct Case {
        const char* Url;
        bool Allowed;
    };
    const Case cases[] = {
        {"http://www.example.org/wwv.txt", true},
        {"HTTPS://example.org", true},
        {"mailto:someone@example.org", true},
        {"file:///usr/share/doc/skelda/Info.txt", true},
        {"http://", false},
        {"http:///path", false},
        {"https:example.org", false},
        {"mailto:", false},
        {"file://", false},
        {"javascript:alert(1)", false},
        {"ftp://example.org/", false},
        {"smb://server/share", false},
        {"/usr/bin/xterm", false},
        {"xterm", false},
        {":nothing", false},
        {"", false},
        {"http://example.org/\nrm -rf", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Url);
        const TOpenResult result = CheckShellUrl(c.Url);
        EXPECT_EQ(result.Ok, c.Allowed);
        EXPECT_EQ(result.Error.empty(), c.Allowed);
    }
}

TEST(ShellUrlPolicyTest, ShellsRefuseWhatThePolicyRefusesAndRecordWhatTheyOpen)
{
    testing::RecordingShell recording;
    DesktopShell desktop;
    for (const char* refused : {"javascript:alert(1)", "ftp://example.org/", "xterm"}) {
        SCOPED_TRACE(refused);
        const TOpenResult fromDesktop = desktop.OpenUrl(refused);
        EXPECT_FALSE(fromDesktop.Ok);
        EXPECT_NE(fromDesktop.Error.find(refused), std::string::npos) << fromDesktop.Error;
        EXPECT_FALSE(recording.OpenUrl(refused).Ok);
    }
    EXPECT_TRUE(recording.OpenUrl("mailto:someone@example.org").Ok);
    EXPECT_EQ(recording.Opened(), std::vector<std::string>{"mailto:someone@example.org"});
}

TEST(DesktopHelpViewerTest, MissingHelpFileIsAFailure)
{
    const TOpenResult result = DesktopHelpViewer().ShowContext("/nonexistent/SKELDA.CHM", 12);
    EXPECT_FALSE(result.Ok);
    EXPECT_NE(result.Error.find("SKELDA.CHM"), std::string::npos) << result.Error;
}

}  // namespace
}  // namespace plat
