// The office pager from the keyboard: its dialog code, the arrow keys, Ctrl+Tab from inside a
// page and accelerators in tab captions, each reaching only pages whose tab is visible and
// enabled.

#include "platform/controls/core/Messages.h"
#include "platform/controls/core/VirtualKeys.h"
#include "platform/controls/standard/TEdit.h"
#include "tests/pager/office/PagerFixture.h"

namespace skelda::pager::testing {
namespace {

// Pages A, B (tab hidden), C (tab disabled) and D, A active.
class PagerKeysTest : public PagerTest {
protected:
    PagerKeysTest()
    {
        for (const char* caption : {"&Alpha", "&Beta", "&Gamma", "&Delta"})
            AddPage(caption);
        pager->VezPages(1)->SetTabVisible(false);
        pager->VezPages(2)->SetTabEnabled(false);
        pager->SetActivePageIndex(0);
    }
    plat::testing::InputSimulator& Keys() { return ui.Simulator(); }
    plat::TEdit* EditOn(int PageIndex)
    {
        auto* edit = new plat::TEdit(form);
        edit->SetParent(pager->VezPages(PageIndex));
        return edit;
    }
};

TEST_F(PagerKeysTest, WantsArrowsAndCharacters)
{
    EXPECT_EQ(pager->Perform(plat::WM_GETDLGCODE, 0, 0), 0x81);
}

TEST_F(PagerKeysTest, ArrowsSkipHiddenAndDisabledTabsAndWrap)
{
    pager->SetFocus();
    ASSERT_TRUE(pager->Focused());
    struct Case {
        unsigned Key;
        int From;
        int To;
    };
    const Case cases[] = {
        {plat::VK_RIGHT, 0, 3}, {plat::VK_DOWN, 0, 3}, {plat::VK_LEFT, 0, 3},
        {plat::VK_UP, 3, 0},    {plat::VK_RIGHT, 3, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "key " << c.Key << " from " << c.From);
        pager->SetActivePageIndex(c.From);
        pager->SetFocus();
        Keys().KeyPress(c.Key);
        EXPECT_EQ(pager->GetActivePageIndex(), c.To);
    }
    unsigned seen = 0;
    pager->OnKeyDown = [&](plat::TObject*, unsigned& Key, plat::TShiftState) { seen = Key; };
    Keys().KeyPress(plat::VK_RIGHT);
    EXPECT_EQ(seen, plat::VK_RIGHT) << "OnKeyDown still sees the key";
}

TEST_F(PagerKeysTest, CtrlTabFromAControlInsideAPage)
{
    plat::TEdit* onA = EditOn(0);
    plat::TEdit* onD = EditOn(3);
    plat::TEdit* outside = new plat::TEdit(form);
    outside->SetParent(form);
    outside->SetTop(250);
    onA->SetFocus();
    ASSERT_TRUE(onA->Focused());
    Keys().KeyPress(plat::VK_TAB, {plat::ssCtrl});
    EXPECT_EQ(pager->GetActivePageIndex(), 3);
    EXPECT_TRUE(onD->Focused()) << "the focus follows into the new page";

    Keys().KeyPress(plat::VK_TAB, {plat::ssCtrl, plat::ssShift});
    EXPECT_EQ(pager->GetActivePageIndex(), 0);

    outside->SetFocus();
    Keys().KeyPress(plat::VK_TAB, {plat::ssCtrl});
    EXPECT_EQ(pager->GetActivePageIndex(), 0) << "not from a control outside the pager";
}

TEST_F(PagerKeysTest, AcceleratorsReachOnlySelectableTabs)
{
    plat::TEdit* outside = new plat::TEdit(form);
    outside->SetParent(form);
    outside->SetTop(250);
    outside->SetFocus();
    struct Case {
        unsigned Key;
        int Active;
    };
    const Case cases[] = {{'D', 3}, {'B', 3}, {'G', 3}, {'A', 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(1, static_cast<char>(c.Key)));
        Keys().KeyPress(c.Key, {plat::ssAlt});
        EXPECT_EQ(pager->GetActivePageIndex(), c.Active);
    }
    pager->VezPages(3)->SetCaption("");
    pager->VezPages(3)->SetWideCaption("&Wide");
    Keys().KeyPress('W', {plat::ssAlt});
    EXPECT_EQ(pager->GetActivePageIndex(), 3) << "the wide caption stands in for an empty one";
}

}  // namespace
}  // namespace skelda::pager::testing
