// The compiled help file: its table of contents as the help compiler writes it, the file itself
// read through chmlib, and the HTML Help commands through the environment's viewer.

#include "platform/system/ChmContents.h"
#include "platform/system/ChmFile.h"
#include "platform/system/HtmlHelp.h"
#include "platform/testing/ScopedEnvironment.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

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

// The program's help file with some of its bytes changed, written to a file of its own.
class DamagedHelpFile {
public:
    DamagedHelpFile() : FBytes(ReadAll(SKELDA_HELP_FILE)) {}

    std::uint64_t Number(std::size_t at, int size) const
    {
        std::uint64_t value = 0;
        for (int i = size - 1; i >= 0; --i)
            value = value << 8 | FBytes.at(at + static_cast<std::size_t>(i));
        return value;
    }
    void Put(std::size_t at, std::uint64_t value, int size)
    {
        for (int i = 0; i < size; ++i)
            FBytes.at(at + static_cast<std::size_t>(i)) = static_cast<std::uint8_t>(value >> (8 * i));
    }
    std::size_t Find(std::string_view text) const
    {
        const auto found = std::search(FBytes.begin(), FBytes.end(), text.begin(), text.end());
        EXPECT_NE(found, FBytes.end()) << text;
        return static_cast<std::size_t>(found - FBytes.begin());
    }
    // Renames an object of the directory; the new name has the same length.
    void Rename(std::string_view from, std::string_view to) { std::copy(to.begin(), to.end(), FBytes.begin() + Find(from)); }
    // Where the first directory page starts: after the directory header the file header places.
    std::size_t FirstPage() const { return static_cast<std::size_t>(Number(0x48, 8)) + 0x54; }
    std::size_t DirectoryHeader() const { return static_cast<std::size_t>(Number(0x48, 8)); }
    // Where the data of an object starts: its directory entry's path is followed by its section
    // and start, numbers of 7 bits a byte, counted from the data offset of the file header.
    std::size_t ObjectData(std::string_view path) const
    {
        std::size_t at = Find(path) + path.size();
        const auto number = [&] {
            std::uint64_t value = 0;
            while (FBytes.at(at) >= 0x80)
                value = value << 7 | (FBytes.at(at++) & 0x7F);
            return value << 7 | FBytes.at(at++);
        };
        number();
        return static_cast<std::size_t>(Number(0x58, 8) + number());
    }

    std::string Write() const
    {
        const std::string name = ::testing::TempDir() + "damaged.chm";
        std::ofstream(name, std::ios::binary).write(reinterpret_cast<const char*>(FBytes.data()),
                                                    static_cast<std::streamsize>(FBytes.size()));
        return name;
    }

private:
    static std::vector<std::uint8_t> ReadAll(const std::string& name)
    {
        std::ifstream file(name, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }
    std::vector<std::uint8_t> FBytes;
};

// chmlib trusts the file: these made it divide by zero while opening, reserve what a header
// claims, go round a circle of pages for ever, or read compressed blocks into too small a buffer.
TEST(ChmFileTest, ADamagedFileIsRefusedBeforeChmlibReadsIt)
{
    struct Case {
        const char* name;
        std::function<void(DamagedHelpFile&)> damage;
        const char* why;
    };
    const Case cases[] = {
        {"a compression window of no length",
         [](DamagedHelpFile& f) { f.Put(f.ObjectData("::DataSpace/Storage/MSCompressed/ControlData") + 16, 0, 4); },
         "no LZX window"},
        {"directory pages of 900 MB", [](DamagedHelpFile& f) { f.Put(f.DirectoryHeader() + 0x10, 900'000'000, 4); },
         "no whole page"},
        {"a list page that leads to itself, searched for the contents",
         [](DamagedHelpFile& f) {
             f.Put(f.FirstPage() + 0x10, 0, 4);
             f.Rename("/#SYSTEM", "/#SYSTEX");
             f.Rename("/contents.hhc", "/contents.hhx");
         },
         "in a circle"},
        {"an index page that leads to itself",
         [](DamagedHelpFile& f) {
             const std::size_t page = f.FirstPage();
             f.Put(page, 0x49474D50, 4);  // "PMGI"
             f.Put(page + 4, 4096 - 8 - 3, 4);
             f.Put(page + 8, 0x002F01, 3);  // the path "/" leads to page 0
         },
         "in a circle"},
        {"a last compressed block longer than the buffer for it",
         [](DamagedHelpFile& f) {
             // The compressed length, which ends the last block.
             f.Put(f.ObjectData("::DataSpace/Storage/MSCompressed/Transform/{7FC28940-9D31-11D0-9B27-00A0C91E9C7C}/"
                                "InstanceData/ResetTable") + 0x18, std::uint64_t{1} << 40, 8);
         },
         "longer than chmlib's buffer"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DamagedHelpFile file;
        c.damage(file);
        const std::string name = file.Write();
        std::string error;
        EXPECT_FALSE(TChmFile::Open(name, error));
        EXPECT_THAT(error, HasSubstr(name));
        EXPECT_THAT(error, HasSubstr(c.why));
    }
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
