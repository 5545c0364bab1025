// The program's help window on its own compiled help: it opens at the first page with the
// contents beside it, links and contents items open their pages, Back and Forward retrace them,
// web links go to the shell, and the viewer keeps one window per file.

#include "platform/controls/qt/QtHelpViewer.h"
#include "platform/controls/qt/QtHelpWindow.h"
#include "platform/system/ChmFile.h"
#include "platform/testing/ScopedEnvironment.h"

#include <QWidget>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

namespace plat {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

std::unique_ptr<QtHelpWindow> OpenHelp()
{
    std::string error;
    std::unique_ptr<TChmFile> file = TChmFile::Open(SKELDA_HELP_FILE, error);
    EXPECT_TRUE(file) << error;
    return std::make_unique<QtHelpWindow>(std::move(file));
}

TEST(QtHelpWindowTest, OpensAtTheFirstPageWithTheWholeContents)
{
    const std::unique_ptr<QtHelpWindow> help = OpenHelp();
    help->ShowContents();
    EXPECT_TRUE(help->Widget().isVisible());
    EXPECT_EQ(help->Widget().windowTitle().toStdString(), "SKELDA v1.7a help");
    EXPECT_EQ(help->CurrentPage(), "/index.html");
    EXPECT_EQ(help->PageTitle(), "Welcome to SKELDA");
    EXPECT_EQ(help->SelectedTopic(), "Welcome to SKELDA");
    EXPECT_THAT(help->ContentsOutline(),
                ElementsAre("Welcome to SKELDA", "  The main window", "  Choosing the target", "  Solar activity",
                            "  The MUF chart", "  The results table", "  Setting up your station"));
}

TEST(QtHelpWindowTest, LinksOpenTheirPagesAndBackAndForwardRetraceThem)
{
    testing::ScopedEnvironment env;
    const std::unique_ptr<QtHelpWindow> help = OpenHelp();
    help->ShowContents();
    help->FollowLink("table.html");
    EXPECT_EQ(help->PageTitle(), "The results table");
    EXPECT_EQ(help->SelectedTopic(), "The results table");
    help->FollowLink("chart.html");
    EXPECT_EQ(help->CurrentPage(), "/chart.html");
    help->Back();
    EXPECT_EQ(help->CurrentPage(), "/table.html");
    help->Back();
    EXPECT_EQ(help->CurrentPage(), "/index.html");
    help->Forward();
    EXPECT_EQ(help->PageTitle(), "The results table");

    help->FollowLink("missing.html");
    EXPECT_EQ(help->PageTitle(), "Page not found");
    EXPECT_EQ(help->SelectedTopic(), "");
    help->Home();
    EXPECT_EQ(help->CurrentPage(), "/index.html");

    help->FollowLink("https://example.org/bulletin");
    help->FollowLink("file:///etc/passwd");
    EXPECT_THAT(env.Shell().Opened(), ElementsAre("https://example.org/bulletin"));
    EXPECT_EQ(help->CurrentPage(), "/index.html");
}

TEST(QtHelpViewerTest, CompiledHelpGetsOneWindowAndAMissingFileIsAFailure)
{
    QtHelpViewer viewer;
    ASSERT_TRUE(viewer.ShowContents(SKELDA_HELP_FILE).Ok);
    QtHelpWindow* window = viewer.WindowFor(SKELDA_HELP_FILE);
    ASSERT_NE(window, nullptr);
    window->FollowLink("setup.html");
    ASSERT_TRUE(viewer.ShowContext(SKELDA_HELP_FILE, 42).Ok);
    EXPECT_EQ(viewer.WindowFor(SKELDA_HELP_FILE), window);
    EXPECT_EQ(window->CurrentPage(), "/index.html") << "each request starts at the first page";

    const TOpenResult missing = viewer.ShowContents("/nonexistent/SKELDA.CHM");
    EXPECT_FALSE(missing.Ok);
    EXPECT_THAT(missing.Error, HasSubstr("/nonexistent/SKELDA.CHM"));
    EXPECT_FALSE(viewer.ShowContents("/proc/self/status.chm").Ok);
    window->Widget().hide();
}

}  // namespace
}  // namespace plat
