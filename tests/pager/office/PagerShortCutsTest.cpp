// Typed shortcut hints: which tabs show them and where, typing (characters as the keys type them,
// keypad digits as digits, keys that type nothing ignored), the beep, every way the hints hide,
// and the watch on the form that two pagers can keep at once.

#include "pager/glow/TShortCutHintWindow.h"
#include "platform/controls/core/Messages.h"
#include "platform/controls/core/VirtualKeys.h"
#include "platform/controls/standard/TEdit.h"
#include "tests/pager/office/PagerFixture.h"

#include <functional>

namespace skelda::pager::testing {
namespace {

// Pages with hints "A1", "A2", "C" (tab hidden), "D" (tab disabled) and a page E without one;
// the form stands clear of the screen's edges.
class PagerShortCutsTest : public PagerTest {
protected:
    PagerShortCutsTest()
    {
        form->SetBounds(200, 200, form->GetWidth(), form->GetHeight());
        AddPages(5);
        const char* hints[] = {"A1", "A2", "C", "D", ""};
        for (int i = 0; i < 5; ++i)
            pager->VezPages(i)->SetShortCutHint(hints[i]);
        pager->VezPages(2)->SetTabVisible(false);
        pager->VezPages(3)->SetTabEnabled(false);
        pager->SetActivePageIndex(4);
        pager->SetShowShortCutHints(true);
        other = new plat::TEdit(form);
        other->SetParent(form);
        other->SetBounds(420, 250, 100, 20);
    }
    // Focuses the pager (which shows the hints) from another control.
    void FocusPager()
    {
        other->SetFocus();
        pager->SetFocus();
        ASSERT_TRUE(pager->Focused());
    }
    bool Shows(int PageIndex) const
    {
        const TShortCutHintWindow* window = pager->VezPages(PageIndex)->ShortCutHintWindow();
        return window && window->GetVisible();
    }
    int Beeps() { return ui.Base().Beeper().Count(); }
    void Type(std::initializer_list<unsigned> Keys)
    {
        for (unsigned key : Keys)
            ui.Simulator().KeyPress(key);
    }

    plat::TEdit* other = nullptr;
};

TEST_F(PagerShortCutsTest, FocusShowsTheHintsOfTabsThatCanBeChosen)
{
    FocusPager();
    EXPECT_TRUE(pager->GetTabShortCutHintShowing());
    EXPECT_EQ(pager->ShortCutHintWindowCount(), 2);
    EXPECT_TRUE(Shows(0));
    EXPECT_TRUE(Shows(1));
    EXPECT_EQ(pager->VezPages(1)->ShortCutHintWindow()->GetCaption(), "A2");
    for (int i : {2, 3, 4})
        EXPECT_FALSE(Shows(i)) << "hidden, disabled or without a hint: page " << i;

    delete pager->VezPages(1);
    EXPECT_EQ(pager->ShortCutHintWindowCount(), 1) << "a page that goes takes its hint along";
    other->SetFocus();
    EXPECT_FALSE(pager->GetTabShortCutHintShowing());
    EXPECT_EQ(pager->ShortCutHintWindowCount(), 0) << "the windows are freed";

    pager->SetShowShortCutHints(false);
    pager->SetFocus();
    EXPECT_FALSE(pager->GetTabShortCutHintShowing());
    EXPECT_EQ(pager->ShortCutHintWindowCount(), 0);
}

TEST_F(PagerShortCutsTest, EachPositionPlacesTheHintAgainstItsTabEdge)
{
    TVezOfficePage* a = pager->VezPages(0);
    const plat::TRect tab = pager->GetTabRect(0);
    const plat::TPoint s = pager->ClientToScreen({tab.Left, tab.Top});
    struct Case {
        TShortCutHintPos Position;
        std::function<plat::TPoint(int W, int H)> Expected;
    };
    const Case cases[] = {
        {shpLeft, [&](int W, int H) { return plat::TPoint{s.X - W / 2, s.Y + (tab.Height() - H) / 2}; }},
        {shpTop, [&](int W, int H) { return plat::TPoint{s.X + (tab.Width() - W) / 2, s.Y - H / 2}; }},
        {shpRight, [&](int W, int H) { return plat::TPoint{s.X + tab.Width() - W / 2, s.Y + (tab.Height() - H) / 2}; }},
        {shpBottom, [&](int W, int H) { return plat::TPoint{s.X + (tab.Width() - W) / 2, s.Y + tab.Height() - H / 2}; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Position);
        a->SetShortCutHintPos(c.Position);
        a->ShowShortCutHint();
        const TShortCutHintWindow* window = a->ShortCutHintWindow();
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(plat::TPoint(window->GetLeft(), window->GetTop()),
                  c.Expected(window->GetWidth(), window->GetHeight()));
    }
    EXPECT_EQ(pager->ShortCutHintWindowCount(), 1) << "one window per page, used again";
    a->HideShortCutHint();
    EXPECT_EQ(pager->ShortCutHintWindowCount(), 0);
}

TEST_F(PagerShortCutsTest, TypingNarrowsTheHintsAndAFullHintActivatesItsPage)
{
    FocusPager();
    Type({'A'});
    EXPECT_TRUE(Shows(0));
    EXPECT_TRUE(Shows(1));
    EXPECT_EQ(Beeps(), 0);
    Type({'2'});
    EXPECT_EQ(pager->GetActivePageIndex(), 1);
    EXPECT_FALSE(pager->GetTabShortCutHintShowing());
    EXPECT_EQ(pager->ShortCutHintWindowCount(), 0);
    EXPECT_EQ(Beeps(), 0);

    FocusPager();
    Type({'X'});
    EXPECT_EQ(Beeps(), 1);
    EXPECT_FALSE(pager->GetTabShortCutHintShowing()) << "no hint is left";
    EXPECT_EQ(pager->ShortCutHintWindowCount(), 0);
    EXPECT_EQ(pager->GetActivePageIndex(), 1);

    // Hidden and disabled tabs cannot be typed to.
    for (unsigned key : {'C', 'D'}) {
        FocusPager();
        Type({key});
        EXPECT_EQ(pager->GetActivePageIndex(), 1);
    }
    EXPECT_EQ(Beeps(), 3);
}

TEST_F(PagerShortCutsTest, AMismatchBeepsAndKeepsTheHintsThatStillMatch)
{
    pager->VezPages(1)->SetShortCutHint("B");
    FocusPager();
    Type({'A'});
    EXPECT_TRUE(Shows(0));
    EXPECT_FALSE(Shows(1)) << "B no longer matches";
    EXPECT_EQ(Beeps(), 0);
    Type({'X'});
    EXPECT_EQ(Beeps(), 1);
    EXPECT_FALSE(Shows(0));
}

TEST_F(PagerShortCutsTest, KeysCountByTheCharacterTheyType)
{
    FocusPager();
    // Keys that type nothing neither count, nor beep, nor hide anything.
    Type({plat::VK_SHIFT, plat::VK_CONTROL, plat::VK_F5, 'A', plat::VK_SHIFT});
    EXPECT_EQ(Beeps(), 0);
    EXPECT_TRUE(Shows(0));
    EXPECT_TRUE(Shows(1));
    Type({plat::VK_NUMPAD2});
    EXPECT_EQ(pager->GetActivePageIndex(), 1) << "a keypad digit is that digit";
    EXPECT_EQ(Beeps(), 0);
}

TEST_F(PagerShortCutsTest, EverythingThatTakesTheAttentionAwayHidesTheHints)
{
    struct Case {
        const char* Name;
        std::function<void()> Act;
        bool Hides;
    };
    const Case cases[] = {
        {"Escape", [&] { Type({plat::VK_ESCAPE}); }, true},
        {"an arrow", [&] { Type({plat::VK_LEFT}); }, true},
        {"a page switch", [&] { pager->SetActivePageIndex(0); }, true},
        {"the focus moving on", [&] { other->SetFocus(); }, true},
        {"a click on the form", [&] { ui.Simulator().Click(*form, {590, 290}); }, true},
        {"the form resized", [&] { form->SetClientWidth(form->GetClientWidth() + 10); }, true},
        {"the form moving", [&] { form->Perform(0x0216, 0, 0); }, true},
        {"the form minimized", [&] { form->Perform(plat::WM_SYSCOMMAND, 0xF020, 0); }, true},
        {"the form maximized", [&] { form->Perform(plat::WM_SYSCOMMAND, 0xF030, 0); }, true},
        {"another system command", [&] { form->Perform(plat::WM_SYSCOMMAND, 0xF100, 0); }, false},
        {"a click on the pager", [&] { ui.Simulator().Click(*pager, {300, 150}); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        pager->SetActivePageIndex(4);
        FocusPager();
        ASSERT_TRUE(pager->GetTabShortCutHintShowing());
        c.Act();
        EXPECT_EQ(pager->GetTabShortCutHintShowing(), !c.Hides);
        EXPECT_EQ(pager->ShortCutHintWindowCount(), c.Hides ? 0 : 2);
    }
}

TEST_F(PagerShortCutsTest, TwoPagersWatchOneFormWhichKeepsItsOwnHandling)
{
    auto* second = new TVezOfficePager(form);
    second->SetTextMeasurer(&measurer);
    second->SetParent(form);
    second->SetBounds(410, 0, 180, 100);
    auto* page = new TVezOfficePage(form);
    page->SetShortCutHint("S");
    second->AddVezPage(page);
    second->SetShowShortCutHints(true);
    int resized = 0;
    form->OnResize = [&](plat::TObject*) { ++resized; };
    const auto resize = [&] { form->SetClientHeight(form->GetClientHeight() + 1); };

    pager->ShowTabShortCutHints();
    second->ShowTabShortCutHints();
    resize();
    EXPECT_FALSE(pager->GetTabShortCutHintShowing());
    EXPECT_FALSE(second->GetTabShortCutHintShowing()) << "each watcher hears the form";
    EXPECT_EQ(resized, 1);

    pager->ShowTabShortCutHints();
    second->ShowTabShortCutHints();
    delete pager;
    pager = nullptr;
    resize();
    EXPECT_EQ(resized, 2) << "the form works on";
    EXPECT_FALSE(second->GetTabShortCutHintShowing());
    EXPECT_EQ(second->ShortCutHintWindowCount(), 0);

    second->ShowTabShortCutHints();
    second->HideTabShortCutHints();
    second->ShowTabShortCutHints();
    resize();
    EXPECT_FALSE(second->GetTabShortCutHintShowing()) << "watching again after a hide";
    EXPECT_EQ(resized, 3);
}

}  // namespace
}  // namespace skelda::pager::testing
