// The pager's layout string: reading it, writing good and bad strings back, and the file that
// holds it.

#include "pager/office/PagerLayoutString.h"
#include "platform/core/Exception.h"
#include "tests/pager/office/PagerFixture.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace skelda::pager::testing {
namespace {

// A pager that records the pages its layout string floats.
class FloatRecordingPager : public TVezOfficePager {
public:
    using TVezOfficePager::TVezOfficePager;
    void FloatPage(TVezOfficePage* Page, int Left, int Top, int Width, int Height) override
    {
        Floated.push_back(Page->GetCaption() + "[" + std::to_string(Left) + ":" + std::to_string(Top) + ":" +
                          std::to_string(Width) + ":" + std::to_string(Height) + "]");
    }
    std::vector<std::string> Floated;
};

class PagerSettingsTest : public PagerTest {
protected:
    PagerSettingsTest()
    {
        delete pager;
        recorder = new FloatRecordingPager(form);
        pager = recorder;
        pager->SetTextMeasurer(&measurer);
        pager->SetParent(form);
        AddPages(4);
    }
    // The captions in tab order, a hidden tab in lower case.
    std::string Layout() const
    {
        std::string text;
        for (int i = 0; i < pager->GetVezPageCount(); ++i) {
            const TVezOfficePage* page = pager->VezPages(i);
            const char c = page->GetCaption()[0];
            text += page->GetTabVisible() ? c : static_cast<char>(c - 'A' + 'a');
        }
        return text;
    }

    FloatRecordingPager* recorder = nullptr;
};

TEST_F(PagerSettingsTest, ReadingGivesTheActivePageThenEachTab)
{
    pager->VezPages(1)->SetTabVisible(false);
    pager->SetActivePageIndex(0);
    EXPECT_EQ(pager->GetSettings(), "P:0,V:0,H:1,V:2,V:3");
}

// Pages A B C D with TabIndex 0 to 3; before each string the tabs are scrambled, one hidden
// and page D active.
TEST_F(PagerSettingsTest, WritingGoodAndBadStrings)
{
    const struct {
        const char* Settings;
        const char* Layout;
        const char* Active;
        std::vector<std::string> Floated;
    } cases[] = {
        {"", "ABCD", "A", {}},
        {"P:1,V:2,H:0,V:1,V:3", "CaBD", "A", {}},
        {"P:2,H:3", "dABC", "B", {}},
        {"H:0,H:1,H:2,H:3", "abcd", "A", {}},
        {"X:1,P:1", "ABCD", "B", {}},
        // The letter alone reads as TabIndex 0; what follows the digits is dropped with the sign.
        {"V", "ABCD", "A", {}},
        {"V:-2x,P:3y", "CABD", "D", {}},
        // Blanks separate items like commas; quotes group.
        {"P:2 V:1", "BACD", "C", {}},
        {"\"P:1\",\"V:3\"", "DABC", "A", {}},
        // A TabIndex no page holds, a number beyond 32 bits, a TabIndex named twice.
        {"V:7,H:9,P:1", "ABCD", "B", {}},
        {"H:4294967297,V:99999999999,P:2147483648", "ABCD", "A", {}},
        {"V:2,V:1,V:2,V:0", "CBAD", "C", {}},
        {"P:-5", "ABCD", "D", {}},
        // Floating items go to FloatPage; one without its window part is skipped.
        {"F:1[10:-20:300:200],F:2,F:3[1:2:3],F:9[1:2:3:4]", "ABCD", "A", {"B[10:-20:300:200]"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("\"") + c.Settings + "\"");
        pager->ResetPages();
        pager->MoveVezPage(3, 0);
        pager->MoveVezPage(2, 1);
        pager->VezPages(2)->SetTabVisible(false);
        pager->SetActivePage(pager->VezPages(0));
        recorder->Floated.clear();
        pager->SetSettings(c.Settings);
        EXPECT_EQ(Layout(), c.Layout);
        ASSERT_NE(pager->GetActivePage(), nullptr);
        EXPECT_EQ(pager->GetActivePage()->GetCaption(), c.Active);
        EXPECT_EQ(recorder->Floated, c.Floated);
        ExpectConsistent(*pager);
    }
}

TEST_F(PagerSettingsTest, ReadingAndWritingBackRestoresTheLayout)
{
    pager->MoveVezPage(0, 3);
    pager->MoveVezPage(0, 1);
    pager->VezPages(2)->SetTabVisible(false);
    pager->SetActivePageIndex(3);
    const std::string saved = pager->GetSettings();
    const std::string layout = Layout();

    pager->SetSettings("");
    EXPECT_EQ(Layout(), "ABCD");
    // Hidden tabs keep their places too, so that the saved active index names the same page.
    pager->SetSettings(saved);
    EXPECT_EQ(Layout(), layout);
    EXPECT_EQ(pager->GetActivePage()->GetCaption(), "A");
    EXPECT_EQ(pager->GetSettings(), saved);
}

TEST_F(PagerSettingsTest, ALayoutRestoresOntoThePagesItWasTakenFrom)
{
    delete pager->VezPages(1);
    TVezOfficePage* e = AddPage("E");
    pager->MoveVezPage(3, 0);
    const std::string saved = pager->GetSettings();
    EXPECT_EQ(Layout(), "EACD");
    pager->SetSettings("");
    EXPECT_EQ(Layout(), "ACDE");
    pager->SetSettings(saved);
    EXPECT_EQ(pager->VezPages(0), e);
}

TEST(PagerLayoutNumberTest, ReadsLeniently)
{
    const struct {
        const char* Text;
        std::optional<int> Value;
    } cases[] = {
        {"", 0},
        {"12", 12},
        {"  -7", -7},
        {"+5", 5},
        {"-12x", 12},
        {"x", 0},
        {"-", 0},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", std::nullopt},
        {"99999999999999999999999", std::nullopt},
        {"2147483648x", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadLayoutNumber(c.Text), c.Value) << '"' << c.Text << '"';
}

class PagerSettingsFileTest : public PagerSettingsTest {
protected:
    PagerSettingsFileTest() { std::filesystem::create_directories(folder); }
    ~PagerSettingsFileTest() override { std::filesystem::remove_all(folder); }

    std::string File(const std::string& Name, const std::string& Contents) const
    {
        const std::string path = (folder / Name).string();
        std::ofstream(path, std::ios::binary) << Contents;
        return path;
    }
    static std::string Read(const std::string& Path)
    {
        std::ifstream in(Path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("skelda-pager-" + std::to_string(::getpid()) + "-" +
                                                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
};

TEST_F(PagerSettingsFileTest, LoadsOnlyAFileOfOneLine)
{
    const struct {
        const char* Contents;
        const char* Layout;
    } cases[] = {
        {"", "ABCD"},
        {"P:0,V:3,V:2,V:1,V:0\r\n", "DCBA"},
        {"P:0,V:3\r\nP:0,V:1\r\n", "ABCD"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Contents);
        pager->ResetPages();
        pager->LoadFromFile(File("layout.txt", c.Contents));
        EXPECT_EQ(Layout(), c.Layout);
    }
    EXPECT_THROW(pager->LoadFromFile((folder / "missing.txt").string()), plat::EFOpenError);
}

TEST_F(PagerSettingsFileTest, SavesTheLineAndKeepsTheOldFileWhenTheWriteFails)
{
    pager->VezPages(0)->SetTabVisible(false);
    const std::string path = (folder / "layout.txt").string();
    pager->SaveToFile(path);
    EXPECT_EQ(Read(path), pager->GetSettings() + "\r\n");
    pager->SetSettings("");
    pager->LoadFromFile(path);
    EXPECT_EQ(Layout(), "aBCD");

    // A folder where the file should go: the write fails and the folder stays.
    const std::filesystem::path blocked = folder / "blocked";
    std::filesystem::create_directories(blocked / "inside");
    EXPECT_THROW(pager->SaveToFile(blocked.string()), plat::EFCreateError);
    EXPECT_TRUE(std::filesystem::is_directory(blocked / "inside"));
}

}  // namespace
}  // namespace skelda::pager::testing
