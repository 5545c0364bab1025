// The pager's geometry: strip, tabs, buttons and page rectangles for every tab position, tab
// lengths and their cache, scrolling with fixed tabs, and the buttons, check boxes and insert
// button on and beside the tabs.

#include "pager/office/TCustomVezOfficePagerStyler.h"
#include "pager/office/TPageButtonSettings.h"
#include "platform/graphics/TCanvas.h"
#include "tests/pager/office/PagerFixture.h"

namespace skelda::pager::testing {
namespace {

using plat::TRect;

// A 400 × 200 pager (client area as large) with the default tab settings.
class PagerGeometryTest : public PagerTest {
protected:
    PagerGeometryTest() { pager->SetBounds(0, 0, 400, 200); }

    // Pages A, B, ... with tabs 100 long.
    void AddFixedPages(int Count)
    {
        pager->TabSettings().SetWidth(100);
        AddPages(Count);
    }
    const TPagerTabLayout& Layout() const { return pager->Layout(); }
    int MeasuredCount(const std::string& Text) const
    {
        return static_cast<int>(std::count(measurer.Texts.begin(), measurer.Texts.end(), Text));
    }
};

TEST_F(PagerGeometryTest, StripTabsButtonsAndPagePerPosition)
{
    const struct {
        TTabPosition Position;
        TRect Strip;
        TRect Tabs;
        TRect Buttons;
        TRect Page;
    } cases[] = {
        {tpTop, {0, 0, 400, 26}, {5, 4, 393, 30}, {393, 4, 396, 30}, {1, 26, 399, 198}},
        {tpBottom, {0, 174, 400, 200}, {5, 170, 393, 196}, {393, 170, 396, 196}, {1, 2, 399, 174}},
        {tpLeft, {0, 0, 26, 200}, {4, 5, 30, 193}, {4, 193, 30, 196}, {26, 2, 399, 198}},
        {tpRight, {374, 0, 400, 200}, {370, 5, 396, 193}, {370, 193, 396, 196}, {1, 2, 374, 198}},
    };
    AddPages(1);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Position);
        pager->SetTabPosition(c.Position);
        EXPECT_EQ(pager->GetTabStripRect(), c.Strip);
        EXPECT_EQ(Layout().GetTabsRect(), c.Tabs);
        EXPECT_EQ(Layout().GetButtonsRect(), c.Buttons);
        EXPECT_EQ(pager->GetPageRect(), c.Page);
        EXPECT_EQ(pager->VezPages(0)->GetBoundsRect(), c.Page) << "pages follow the page area";
    }
}

TEST_F(PagerGeometryTest, ButtonsTakeRoomFromTheTabs)
{
    TPageButtonSettings& b = pager->ButtonSettings();
    b.SetPageListButton(true);
    EXPECT_EQ(Layout().GetButtonsRect().Left, 393 - 21);
    b.SetCloseButton(true);
    EXPECT_EQ(Layout().GetButtonsRect().Left, 393 - 42);
    pager->SetCloseOnTab(true);
    EXPECT_EQ(Layout().GetButtonsRect().Left, 393 - 21) << "close buttons on the tabs take no room";
    b.SetClosedListButton(true);
    EXPECT_EQ(Layout().GetButtonsRect().Left, 393 - 21) << "only while a page is closed";
    AddPages(2);
    pager->VezPages(1)->SetTabVisible(false);
    EXPECT_EQ(Layout().GetButtonsRect().Left, 393 - 42);
    b.SetShowInsertButton(true);
    EXPECT_EQ(Layout().GetTabsRect().Right, 393 - 42 - 24) << "the insert button follows the tabs";
}

TEST_F(PagerGeometryTest, TabsFollowEachOtherWithTheirLengths)
{
    AddFixedPages(3);
    EXPECT_EQ(pager->GetTabRect(0), (TRect{5, 4, 105, 30}));
    EXPECT_EQ(pager->GetTabRect(1), (TRect{109, 4, 209, 30}));
    pager->VezPages(1)->SetTabVisible(false);
    EXPECT_EQ(pager->GetTabRect(1), TPagerTabLayout::None());
    EXPECT_EQ(pager->GetTabRect(2), (TRect{109, 4, 209, 30}));
    EXPECT_EQ(pager->IndexOfTabAt(150, 10), 2);
    EXPECT_EQ(pager->IndexOfTabAt(106, 10), -1) << "between tabs";
    EXPECT_EQ(pager->GetTabRect(7), TPagerTabLayout::None());

    pager->SetBounds(0, 0, 400, 400);
    pager->SetTabPosition(tpLeft);
    EXPECT_EQ(pager->GetTabRect(0), (TRect{4, 5, 30, 105}));
    EXPECT_EQ(pager->GetTabRect(2), (TRect{4, 109, 30, 209}));
}

TEST_F(PagerGeometryTest, TabLengthsByCaptionImageAndExtras)
{
    TVezOfficePage* a = AddPage("A");
    TVezOfficePage* b = AddPage("ABCDE");
    EXPECT_EQ(Layout().TabLength(1) - Layout().TabLength(0), 4 * FixedTextMeasurer::kCharPx);
    const int plain = Layout().TabLength(0);
    a->SetShowCheckBox(true);
    EXPECT_EQ(Layout().TabLength(0), plain + 20);
    pager->ButtonSettings().SetCloseButton(true);
    pager->SetCloseOnTab(true);
    EXPECT_EQ(Layout().TabLength(0), plain + 20 + 22);
    b->SetShowClose(false);
    EXPECT_EQ(Layout().TabLength(1) - Layout().TabLength(0), 4 * FixedTextMeasurer::kCharPx - 20 - 22);

    // Side tabs: rotated ones run along the edge; unrotated ones are as long as the text is high.
    pager->SetTabPosition(tpLeft);
    pager->SetCloseOnTab(false);
    a->SetShowCheckBox(false);
    const int rotated = Layout().TabLength(0);
    EXPECT_EQ(rotated, 4 + 6 + 5 + 4 + 2) << "a rotated tab counts room for an image beside the text";
    pager->TabSettings().SetImagePosition(ipTop);
    EXPECT_EQ(Layout().TabLength(0), rotated - 2);
    pager->SetRotateTabLeftRight(false);
    EXPECT_EQ(Layout().TabLength(0), 12 + FixedTextMeasurer::kLinePx + 2);
    pager->TabSettings().SetImagePosition(ipLeft);
    EXPECT_EQ(Layout().TabLength(0), 12 + FixedTextMeasurer::kLinePx);

    pager->TabSettings().SetWidth(100);
    EXPECT_EQ(Layout().TabLength(1), 100) << "a fixed length whatever the caption";
}

TEST_F(PagerGeometryTest, RampedShapesMakeRoomForTheirSlopes)
{
    AddPages(1);
    const int plain = Layout().TabLength(0);
    pager->TabSettings().SetRounding(2);
    pager->TabSettings().SetShape(tsLeftRightRamp);
    EXPECT_EQ(Layout().LeftRampInset(), 9);
    EXPECT_EQ(Layout().RightRampInset(), 9);
    EXPECT_EQ(Layout().TabLength(0), plain + 18);
    pager->TabSettings().SetShape(tsRightRamp);
    EXPECT_EQ(Layout().LeftRampInset(), 0);
    pager->TabSettings().SetRounding(1);
    pager->TabSettings().SetShape(tsRectangle);
    EXPECT_TRUE(Layout().IsPlainTabShape());
    pager->TabSettings().SetShape(tsLeftRamp);
    EXPECT_FALSE(Layout().IsPlainTabShape());
    pager->SetTabPosition(tpRight);
    pager->SetRotateTabLeftRight(false);
    EXPECT_TRUE(Layout().IsPlainTabShape());
}

TEST_F(PagerGeometryTest, ARepaintMeasuresEachCaptionOnce)
{
    AddPages(20);
    pager->UpdateScroller();
    measurer.Texts.clear();
    for (int i = 0; i < pager->GetVezPageCount(); ++i)
        pager->GetTabRect(i);
    for (int i = 0; i < pager->GetVezPageCount(); ++i)
        pager->GetTabRect(i);
    EXPECT_TRUE(measurer.Texts.empty()) << "lengths measured by the scroller update are kept";

    // A changed caption is measured again, once, by the update it causes.
    pager->VezPages(3)->SetCaption("Longer");
    EXPECT_EQ(MeasuredCount("Longer"), 1);
    measurer.Texts.clear();
    for (int i = 0; i < pager->GetVezPageCount(); ++i)
        pager->GetTabRect(i);
    EXPECT_TRUE(measurer.Texts.empty());

    // Lengths follow their pages when the pages move.
    const TRect before = pager->GetTabRect(3);
    pager->MoveVezPage(3, 0);
    EXPECT_EQ(pager->GetTabRect(0).Width(), before.Width());
}

// Pages A to F, 100 long each: three fit beside the scroll buttons.
TEST_F(PagerGeometryTest, ScrollingSkipsLeadingTabs)
{
    AddFixedPages(6);
    TPagerTabScroller& scroller = pager->TabScroller();
    EXPECT_TRUE(scroller.GetVisible());
    EXPECT_EQ(scroller.GetMax(), 3);
    EXPECT_EQ(Layout().GetButtonsRect().Left, 393 - 40);
    EXPECT_EQ(pager->GetTabRect(3), TPagerTabLayout::None()) << "beyond the buttons";

    pager->ScrollForward();
    pager->ScrollForward();
    EXPECT_EQ(scroller.GetPosition(), 2);
    EXPECT_EQ(pager->GetTabRect(0), TPagerTabLayout::None());
    EXPECT_EQ(pager->GetTabRect(1), TPagerTabLayout::None());
    EXPECT_EQ(pager->GetTabRect(2), (TRect{5, 4, 105, 30}));
    EXPECT_EQ(pager->GetTabRect(4), (TRect{213, 4, 313, 30}));

    pager->ScrollToLast();
    EXPECT_EQ(scroller.GetPosition(), 3);
    pager->ScrollForward();
    EXPECT_EQ(scroller.GetPosition(), 3);
    pager->ScrollToFirst();
    EXPECT_EQ(scroller.GetPosition(), 0);
    pager->ScrollBack();
    EXPECT_EQ(scroller.GetPosition(), 0);

    // Activating a tab scrolled out of view brings it in.
    pager->SetActivePageIndex(5);
    EXPECT_EQ(scroller.GetPosition(), 3);
    EXPECT_EQ(pager->GetTabRect(5), (TRect{213, 4, 313, 30}));

    // Fewer pages: the range shrinks and the position follows.
    delete pager->VezPages(5);
    delete pager->VezPages(4);
    EXPECT_EQ(scroller.GetMax(), 1);
    EXPECT_EQ(scroller.GetPosition(), 1);
    ExpectConsistent(*pager);
}

TEST_F(PagerGeometryTest, FixedTabsStayAtTheStartWhileScrolling)
{
    AddFixedPages(6);
    pager->SetFixedTabs(1);
    TPagerTabScroller& scroller = pager->TabScroller();
    EXPECT_EQ(scroller.GetMax(), 3);
    pager->ScrollToLast();
    EXPECT_EQ(pager->GetTabRect(0), (TRect{5, 4, 105, 30}));
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(pager->GetTabRect(i), TPagerTabLayout::None()) << i;
    EXPECT_EQ(pager->GetTabRect(4), (TRect{109, 4, 209, 30}));
    EXPECT_EQ(pager->GetTabRect(5), (TRect{213, 4, 313, 30}));

    // Hidden fixed tabs take no place, and the range counts only tabs that scroll.
    pager->SetFixedTabs(2);
    pager->VezPages(0)->SetTabVisible(false);
    pager->VezPages(1)->SetTabVisible(false);
    EXPECT_EQ(scroller.GetMax(), 1);
    pager->ScrollToLast();
    EXPECT_EQ(pager->GetTabRect(2), TPagerTabLayout::None());
    EXPECT_EQ(pager->GetTabRect(3), (TRect{5, 4, 105, 30}));
    EXPECT_EQ(pager->GetTabRect(5), (TRect{213, 4, 313, 30}));

    pager->SetFixedTabs(6);
    EXPECT_EQ(pager->GetFixedTabs(), 0) << "as many fixed tabs as pages is none";
    pager->SetFixedTabs(-2);
    EXPECT_EQ(pager->GetFixedTabs(), 0);
}

TEST_F(PagerGeometryTest, ScrollButtonsAlwaysKeepsAnEmptyRange)
{
    AddFixedPages(2);
    pager->ButtonSettings().SetScrollButtonsAlways(true);
    TPagerTabScroller& scroller = pager->TabScroller();
    EXPECT_TRUE(scroller.GetVisible());
    EXPECT_EQ(scroller.GetMax(), 0);
    pager->ScrollForward();
    pager->ScrollBack();
    EXPECT_EQ(scroller.GetPosition(), 0);
    EXPECT_NE(Layout().GetScrollNextRect(), TPagerTabLayout::None());
}

TEST_F(PagerGeometryTest, ScrollAndListButtonsInARow)
{
    AddFixedPages(6);
    TPageButtonSettings& b = pager->ButtonSettings();
    b.SetFirstButton(true);
    b.SetLastButton(true);
    b.SetPageListButton(true);
    b.SetCloseButton(true);
    // B.Left = 393 - (4 × 18 + 8) - 21 - 21 = 271; the slots sit 5 above its bottom (30).
    const TRect b0 = Layout().GetButtonsRect();
    EXPECT_EQ(b0.Left, 271);
    EXPECT_EQ(Layout().GetScrollerRect(), (TRect{271, 7, 271 + 80, 25}));
    EXPECT_EQ(Layout().GetScrollFirstRect(), (TRect{274, 7, 292, 25}));
    EXPECT_EQ(Layout().GetScrollPrevRect(), (TRect{294, 7, 312, 25}));
    EXPECT_EQ(Layout().GetScrollNextRect(), (TRect{314, 7, 332, 25}));
    EXPECT_EQ(Layout().GetScrollLastRect(), (TRect{334, 7, 352, 25}));
    EXPECT_EQ(Layout().GetPageListRect(), (TRect{355, 7, 373, 25}));
    EXPECT_EQ(Layout().GetCloseButtonRect(-1), (TRect{375, 7, 393, 25}));
    EXPECT_EQ(Layout().GetClosedListRect(), TPagerTabLayout::None());

    // Without the scroller, the first button sits in the first slot.
    b.SetFirstButton(false);
    b.SetLastButton(false);
    pager->TabSettings().SetWidth(50);
    EXPECT_FALSE(pager->TabScroller().GetVisible());
    const TRect b1 = Layout().GetButtonsRect();
    EXPECT_EQ(Layout().GetPageListRect(), (TRect{b1.Left + 3, 7, b1.Left + 21, 25}));
    EXPECT_EQ(Layout().GetScrollNextRect(), TPagerTabLayout::None());

    pager->SetBounds(0, 0, 400, 400);
    pager->SetTabPosition(tpLeft);
    const TRect b2 = Layout().GetButtonsRect();
    EXPECT_EQ(Layout().GetPageListRect(), (TRect{b2.Right - 23, b2.Top + 3, b2.Right - 5, b2.Top + 21}));
}

TEST_F(PagerGeometryTest, CloseButtonsOnTabsPerPosition)
{
    AddFixedPages(2);
    pager->ButtonSettings().SetCloseButton(true);
    pager->SetCloseOnTab(true);
    pager->SetActivePageIndex(0);
    const struct {
        TTabPosition Position;
        bool Rotated;
        TCloseOnTabPos Side;
        TRect Close;
    } cases[] = {
        {tpTop, true, cpRight, {83, 7, 101, 25}},
        {tpTop, true, cpLeft, {9, 7, 27, 25}},
        {tpBottom, true, cpRight, {83, 175, 101, 193}},
        {tpLeft, true, cpRight, {7, 9, 25, 27}},
        {tpLeft, true, cpLeft, {7, 83, 25, 101}},
        {tpRight, true, cpRight, {375, 83, 393, 101}},
        {tpRight, true, cpLeft, {375, 9, 393, 27}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.Position) + (c.Rotated ? " rotated " : " ") + std::to_string(c.Side));
        pager->SetTabPosition(c.Position);
        pager->SetRotateTabLeftRight(c.Rotated);
        pager->SetCloseOnTabPosition(c.Side);
        EXPECT_EQ(Layout().GetCloseButtonRect(0), c.Close);
    }
    // Unrotated side tabs are 100 long across the strip: the button sits across them.
    pager->SetTabPosition(tpLeft);
    pager->SetRotateTabLeftRight(false);
    pager->SetCloseOnTabPosition(cpRight);
    const TRect t = pager->GetTabRect(0);
    EXPECT_EQ(Layout().GetCloseButtonRect(0), (TRect{t.Right - 23, t.Top + 41, t.Right - 5, t.Top + 59}));

    // A tab that is not active has the single close button's place.
    pager->SetTabPosition(tpTop);
    EXPECT_EQ(Layout().GetCloseButtonRect(1), Layout().GetCloseButtonRect(-1));
    pager->SetShowCloseOnNonSelectedTabs(true);
    EXPECT_EQ(Layout().GetCloseButtonRect(1), (TRect{187, 7, 205, 25}));

    // Centred content keeps room for the close button on every tab that shows one, and the
    // button stands in that room, on the active tab as on the others.
    pager->TabSettings().SetAlignment(plat::taCenter);
    const TRect active = Layout().GetCloseButtonRect(0);
    const TRect other = Layout().GetCloseButtonRect(1);
    const int shiftPx = pager->GetTabRect(1).Left - pager->GetTabRect(0).Left;
    EXPECT_EQ(other, (TRect{active.Left + shiftPx, active.Top, active.Right + shiftPx, active.Bottom}));
    EXPECT_LT(other.Right, pager->GetTabRect(1).Right - 4 - 10);
}

TEST_F(PagerGeometryTest, CheckBoxesAndTheInsertButton)
{
    pager->ButtonSettings().SetShowInsertButton(true);
    EXPECT_EQ(Layout().GetInsertButtonRect(), (TRect{5, 9, 29, 22})) << "no tab: at the start of the tabs";

    AddFixedPages(2);
    pager->VezPages(1)->SetShowCheckBox(true);
    EXPECT_EQ(Layout().GetCheckBoxRect(1), (TRect{114, 9, 129, 24}));
    EXPECT_TRUE(Layout().PtInCheckBox(1, 114, 9));
    EXPECT_FALSE(Layout().PtInCheckBox(0, 10, 10)) << "page A shows no check box";
    EXPECT_EQ(Layout().GetInsertButtonRect(), (TRect{209, 9, 233, 22}));
    EXPECT_TRUE(Layout().PtInInsertButton(220, 10));

    const struct {
        TTabPosition Position;
        bool Rotated;
        TRect CheckBox;
        TRect Insert;
    } cases[] = {
        {tpBottom, true, {114, 175, 129, 190}, {209, 178, 233, 191}},
        {tpLeft, true, {9, 189, 24, 204}, {9, 209, 22, 233}},
        {tpLeft, false, {9, 114, 24, 129}, {3, 209, 22, 233}},
        {tpRight, true, {375, 114, 390, 129}, {378, 209, 391, 233}},
        {tpRight, false, {376, 114, 391, 129}, {378, 209, 397, 233}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.Position) + (c.Rotated ? " rotated" : ""));
        // Side tabs need the room of a taller pager.
        pager->SetBounds(0, 0, 400, c.Position == tpBottom ? 200 : 400);
        pager->SetTabPosition(c.Position);
        pager->SetRotateTabLeftRight(c.Rotated);
        EXPECT_EQ(Layout().GetCheckBoxRect(1), c.CheckBox);
        EXPECT_EQ(Layout().GetInsertButtonRect(), c.Insert);
    }
    pager->ButtonSettings().SetShowInsertButton(false);
    EXPECT_FALSE(Layout().PtInInsertButton(380, 215));
}

TEST_F(PagerGeometryTest, NeighboursOfTheActiveTab)
{
    AddPages(5);
    pager->VezPages(1)->SetTabVisible(false);
    pager->SetActivePageIndex(2);
    const int expected[] = {-1, 0, 0, 1, 0};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(Layout().ActiveNeighbourSide(i), expected[i]) << i;
}

// The tab's own font, when it has one, is the font its caption is measured in.
class FontSizedMeasurer : public FixedTextMeasurer {
public:
    int CalcTextGdi(plat::TCanvas& Canvas, const std::string& Text, plat::TRect& Rect, unsigned Format) const override
    {
        const int height = FixedTextMeasurer::CalcTextGdi(Canvas, Text, Rect, Format);
        Rect.Right = Rect.Left + static_cast<int>(Text.size()) * Canvas.Font().GetSize();
        return height;
    }
};

TEST_F(PagerGeometryTest, TextSizeIsMeasuredInTheTabsOwnFont)
{
    FontSizedMeasurer sized;
    pager->SetTextMeasurer(&sized);
    pager->SetAntiAlias(foundation::aaAntiAlias);
    TVezOfficePage* page = AddPage("ABC");
    page->TabAppearance().Font().SetSize(20);
    const int stylerSize = pager->CurrentStyler().TabAppearance().Font().GetSize();
    EXPECT_EQ(pager->GetTabTextSize(0).cx, 3 * stylerSize);
    page->SetUseTabAppearance(true);
    EXPECT_EQ(pager->GetTabTextSize(0).cx, 60);
    pager->SetTabPosition(tpLeft);
    EXPECT_EQ(Layout().TabLength(0), 4 + 60 + 5 + 4 + 2);
    EXPECT_EQ(pager->GetTabTextSize(5), (plat::TSize{0, 0}));
    pager->SetTextMeasurer(&measurer);
}

}  // namespace
}  // namespace skelda::pager::testing
