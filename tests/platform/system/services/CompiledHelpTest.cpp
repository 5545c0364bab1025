// The compiled help file: its table of contents as the help compiler writes it, the file itself
// read through chmlib, and the HTML Help commands through the environment's viewer.

#include "platform/system/ChmContents.h"
#include "platform/system/ChmFile.h"
#include "platform/system/HtmlHelp.h"
#include "platform/testing/ScopedEnvironment.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

namespace plat {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

TEST(ChmContentsTest, ListsNestUnderTheItemBeforeThem)
{
    const std::string siteMap = R"(<HTML><BODY>
<OBJECT type="text/site properties"><param name="Window Styles" value="0x800025"></OBJECT>
<UL>
  <LI><OBJECT type="text/sitemap"><param name="Name" value="Welcome"><param name="Local" value="index.html"></OBJECT>
  <UL>
    <li><object type="text/sitemap"><param name=name value="Tables &amp; letters"><param name="local" value="sub\table.html#rows"></object>
    <LI><OBJECT type="text/sitemap"><param name="Name" value="Heading only"></OBJECT>
    <UL><LI><OBJECT type="text/sitemap"><param name="Name" value="Deep"><param name="Local" value="ms-its:SKELDA.CHM::/deep.html"></OBJECT></UL>
  </UL>
  <LI><OBJECT type="text/sitemap"><param name="Local" value="nameless.html"></OBJECT>
  <LI><OBJECT type="text/sitemap"><param name="Name" value="Caf&#233; &#xE9;t&eacute;"><param name="Local" value="./cafe.html"></OBJECT>
</UL></UL></BODY></HTML>)";
    const std::vector<TChmTopic> expected = {
        {"Welcome",
         "/index.html",
         {{"Tables & letters", "/sub/table.html#rows", {}},
          {"Heading only", "", {{"Deep", "/deep.html", {}}}}}},
        {"Café ét&eacute;", "/cafe.html", {}},
    };
    EXPECT_EQ(ParseChmContents(siteMap), expected);
}

TEST(ChmContentsTest, WindowsTextIsReadAsAnsiAndDeepListsStopAtTheLimit)
{
    EXPECT_EQ(ParseChmContents("<ul><li><object type=\"text/sitemap\"><param name=\"Name\" value=\"\xE9t\xE9\"></object></ul>"),
              (std::vector<TChmTopic>{{"été", "", {}}}));

    std::string deep;
    for (int i = 0; i < 1000; ++i)
        deep += "<ul><li><object type=\"text/sitemap\"><param name=\"Name\" value=\"x\"></object>";
    const std::vector<TChmTopic> topics = ParseChmContents(deep);
    int depth = 0;
    for (const std::vector<TChmTopic>* level = &topics; !level->empty(); level = &level->back().Children)
        ++depth;
    EXPECT_EQ(depth, MaxChmContentsDepth);

    EXPECT_TRUE(ParseChmContents("</ul></ul><object type=\"text/sitemap\"><param name=\"Name\" value=\"a").empty());
}

TEST(ChmFileTest, TheProgramsHelpOpensAtItsWelcomePageWithItsContents)
{
    std::string error;
    const std::unique_ptr<TChmFile> help = TChmFile::Open(SKELDA_HELP_FILE, error);
    ASSERT_TRUE(help) << error;
    EXPECT_EQ(help->Title(), "SKELDA v1.7a help");
    EXPECT_EQ(help->DefaultTopic(), "/index.html");
    ASSERT_EQ(help->Contents().size(), 1u);
    EXPECT_EQ(help->Contents()[0].Name, "Welcome to SKELDA");
    EXPECT_EQ(help->Contents()[0].Children.size(), 6u);
    EXPECT_EQ(help->Contents()[0].Children[4].Local, "/table.html");

    const std::optional<std::string> page = help->ReadObject("/table.html");
    ASSERT_TRUE(page.has_value());
    EXPECT_THAT(*page, HasSubstr("<title>The results table</title>"));
    EXPECT_FALSE(help->ReadObject("/no-such-page.html").has_value());
    EXPECT_FALSE(help->ReadObject("").has_value());
}

TEST(ChmFileTest, AFileThatIsNoHelpIsRefusedWithItsName)
{
    std::string error;
    EXPECT_FALSE(TChmFile::Open("/nonexistent/SKELDA.CHM", error));
    EXPECT_THAT(error, HasSubstr("/nonexistent/SKELDA.CHM"));
    EXPECT_FALSE(TChmFile::Open("/proc/self/status", error));
}

TEST(HtmlHelpTest, CommandsGoToTheEnvironmentsViewer)
{
    testing::ScopedEnvironment env;
    EXPECT_TRUE(HtmlHelp("/opt/skelda/SKELDA.CHM", HH_DISPLAY_TOC, 0).Ok);
    EXPECT_TRUE(HtmlHelp("/opt/skelda/SKELDA.CHM", HH_HELP_CONTEXT, 12).Ok);
    EXPECT_FALSE(HtmlHelp("/opt/skelda/SKELDA.CHM", 0x0002, 0).Ok);
    using TRequest = testing::RecordingHelpViewer::TRequest;
    EXPECT_THAT(env.Help().Requests(), ElementsAre(TRequest{"/opt/skelda/SKELDA.CHM", true, 0},
                                                   TRequest{"/opt/skelda/SKELDA.CHM", false, 12}));
}

}  // namespace
}  // namespace plat
