// List boxes and combo boxes: items kept with and without a window, choices by code and by the
// user, and the events each gives.

#include "StandardFixture.h"

#include "platform/controls/core/VirtualKeys.h"
#include "platform/controls/standard/TComboBox.h"
#include "platform/controls/standard/TListBox.h"
#include "platform/core/Exception.h"
#include "platform/core/TStrings.h"
#include "platform/graphics/TCanvas.h"
#include "platform/testing/ImageProbe.h"
#include "platform/testing/Screenshot.h"

#include <QImage>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace plat;
using namespace plat::testing;
using ::testing::ElementsAre;

namespace {

std::vector<std::string> Lines(const TStrings& Items)
{
    std::vector<std::string> lines;
    for (int i = 0; i < Items.Count(); ++i)
        lines.push_back(Items.GetStrings(i));
    return lines;
}

class ListTest : public StandardFixture {
protected:
    TListBox* AddList()
    {
        auto* list = AddControl<TListBox>(*form, Bounds(10, 10, 150, 120));
        list->OnClick = log.Notify("click");
        list->OnDblClick = log.Notify("dblclick");
        return list;
    }
    TComboBox* AddCombo(TComboBoxStyle Style)
    {
        auto* combo = AddControl<TComboBox>(*form, Bounds(10, 150, 150, 21));
        combo->SetStyle(Style);
        combo->OnClick = log.Notify("click");
        combo->OnChange = log.Notify("change");
        combo->OnDropDown = log.Notify("dropdown");
        combo->OnCloseUp = log.Notify("closeup");
        return combo;
    }
    // Middle of line Index of a list whose lines are RowHeight high.
    static TPoint LinePoint(int Index, int RowHeight) { return {20, Index * RowHeight + RowHeight / 2}; }
};

// The same item handling before and after the window exists.
TEST_F(ListTest, ItemsSortingAndTheChoiceSurviveTheWindow)
{
    for (const bool windowFirst : {false, true}) {
        SCOPED_TRACE(windowFirst ? "window first" : "window later");
        TListBox* list = AddList();
        if (windowFirst)
            list->HandleNeeded();
        TStrings& items = list->Items();
        items.Add("pear");
        items.Add("apple");
        items.Add("Cherry");
        list->SetItemIndex(1);
        EXPECT_EQ(list->GetItemIndex(), 1);

        list->SetSorted(true);
        EXPECT_THAT(Lines(items), ElementsAre("apple", "Cherry", "pear"));
        items.Add("banana");
        EXPECT_THAT(Lines(items), ElementsAre("apple", "banana", "Cherry", "pear"));

        list->SetItemIndex(2);
        items.Delete(0);
        EXPECT_EQ(list->GetItemIndex(), 1) << "the choice follows its line";
        EXPECT_EQ(items.GetStrings(list->GetItemIndex()), "Cherry");
        items.SetStrings(1, "cherry");
        list->HandleNeeded();
        EXPECT_EQ(list->GetItemIndex(), 1);

        list->SetItemIndex(7);
        EXPECT_EQ(list->GetItemIndex(), -1);
        EXPECT_THROW(items.GetStrings(3), EStringListError);
        EXPECT_TRUE(log.Entries().empty()) << "code changes run no events";
        delete list;
    }
}

TEST_F(ListTest, TheUserChoosingALineClicksOnceAndDoubleClicks)
{
    TListBox* list = AddList();
    for (const char* item : {"one", "two", "three", "four"})
        list->Items().Add(item);
    list->SetStyle(lbOwnerDrawFixed);
    list->SetItemHeight(20);
    form->Show();
    list->SetFocus();

    ui.Simulator().Click(*list, LinePoint(1, 20));
    EXPECT_EQ(list->GetItemIndex(), 1);
    EXPECT_THAT(log.Entries(), ElementsAre("click"));

    // The same line again is still a click; a double click adds its own event.
    ui.Clock().Advance(1000);
    ui.Simulator().Click(*list, LinePoint(1, 20));
    EXPECT_EQ(Count("click"), 2);
    ui.Clock().Advance(1000);
    ui.Simulator().DoubleClick(*list, LinePoint(2, 20));
    EXPECT_EQ(list->GetItemIndex(), 2);
    EXPECT_EQ(Count("dblclick"), 1);

    log.Clear();
    ui.Simulator().KeyPress(VK_DOWN);
    EXPECT_EQ(list->GetItemIndex(), 3);
    EXPECT_THAT(log.Entries(), ElementsAre("click"));

    // Below the last line: nothing chosen, no click.
    log.Clear();
    ui.Clock().Advance(1000);
    ui.Simulator().Click(*list, {20, 110});
    EXPECT_TRUE(log.Entries().empty());
    EXPECT_EQ(list->ItemAtPos({20, 110}, true), -1);
    EXPECT_EQ(list->ItemAtPos({20, 110}, false), 4);
    EXPECT_EQ(list->ItemAtPos(LinePoint(2, 20), true), 2);
}

TEST_F(ListTest, MultiSelectKeepsSeveralLines)
{
    TListBox* list = AddList();
    for (const char* item : {"a", "b", "c", "d"})
        list->Items().Add(item);
    list->SetMultiSelect(true);
    list->SetSelected(0, true);
    list->SetSelected(2, true);
    EXPECT_EQ(list->SelCount(), 2);
    form->Show();
    EXPECT_TRUE(list->GetSelected(2));
    EXPECT_EQ(list->SelCount(), 2);

    list->SetSelected(0, false);
    EXPECT_EQ(list->SelCount(), 1);
    EXPECT_THROW(list->GetSelected(4), EListError);
}

TEST_F(ListTest, OwnerDrawnLinesAreDrawnByOnDrawItem)
{
    TListBox* list = AddList();
    list->SetStyle(lbOwnerDrawFixed);
    list->SetItemHeight(18);
    for (const char* item : {"red", "green", "blue"})
        list->Items().Add(item);
    list->SetItemIndex(1);
    std::vector<int> drawn;
    list->OnDrawItem = [&](TWinControl*, int index, TRect rect, TOwnerDrawState state) {
        drawn.push_back(index);
        const TColor colors[] = {clRed, clLime, clBlue};
        list->Canvas().Brush().SetColor(state.Contains(odSelected) ? clYellow : colors[index]);
        list->Canvas().FillRect(rect);
    };
    form->Show();
    const QImage picture = Screenshot(*list, "listbox_ownerdraw.png");
    EXPECT_THAT(drawn, ::testing::IsSupersetOf({0, 1, 2}));
    const TPoint origin = list->WidgetClientOffset();
    EXPECT_EQ(PixelAt(picture, origin.X + 60, origin.Y + 9), clRed);
    EXPECT_EQ(PixelAt(picture, origin.X + 60, origin.Y + 27), clYellow);
    EXPECT_EQ(PixelAt(picture, origin.X + 60, origin.Y + 45), clBlue);
}

TEST_F(ListTest, ComboChoicesByCodeRunNothingAndKeepTheTextInStep)
{
    for (const TComboBoxStyle style : {csDropDown, csDropDownList}) {
        SCOPED_TRACE(style);
        TComboBox* combo = AddCombo(style);
        TStrings& items = combo->Items();
        items.Add("20 m");
        items.Add("40 m");
        EXPECT_EQ(combo->GetItemIndex(), -1) << "adding lines chooses none";
        combo->SetItemIndex(1);
        EXPECT_EQ(combo->GetText(), "40 m");
        form->Show();
        EXPECT_EQ(combo->GetItemIndex(), 1);
        EXPECT_EQ(combo->GetText(), "40 m");

        items.Insert(0, "10 m");
        EXPECT_EQ(combo->GetItemIndex(), 2);
        items.Delete(2);
        EXPECT_EQ(combo->GetItemIndex(), -1);
        EXPECT_EQ(combo->GetText(), "");

        combo->SetText("20 m");
        if (style == csDropDownList) {
            EXPECT_EQ(combo->GetItemIndex(), 1) << "a list without an edit field chooses the line";
            combo->SetText("80 m");
            EXPECT_EQ(combo->GetItemIndex(), 1);
        } else {
            EXPECT_EQ(combo->GetText(), "20 m");
        }
        EXPECT_TRUE(log.Entries().empty());
        form->Hide();
        delete combo;
    }
}

TEST_F(ListTest, ComboEventsOfTheUser)
{
    TComboBox* combo = AddCombo(csDropDown);
    for (const char* item : {"a", "b", "c"})
        combo->Items().Add(item);
    combo->SetItemIndex(0);
    form->Show();
    combo->SetFocus();

    ui.Simulator().KeyPress(VK_DOWN);
    EXPECT_EQ(combo->GetItemIndex(), 1);
    EXPECT_THAT(log.Entries(), ElementsAre("click", "change"));

    log.Clear();
    combo->OnSelect = log.Notify("select");
    ui.Simulator().KeyPress(VK_DOWN);
    EXPECT_THAT(log.Entries(), ElementsAre("click", "select"));

    log.Clear();
    ui.Simulator().TypeText("x");
    EXPECT_EQ(combo->GetText(), "cx");
    EXPECT_THAT(log.Entries(), ElementsAre("change"));

    log.Clear();
    combo->SetDroppedDown(true);
    EXPECT_TRUE(combo->GetDroppedDown());
    combo->SetDroppedDown(true);
    combo->SetDroppedDown(false);
    combo->SetDroppedDown(false);
    EXPECT_THAT(log.Entries(), ElementsAre("dropdown", "closeup"));

    combo->SetDropDownCount(3);
    EXPECT_EQ(combo->GetDropDownCount(), 3);
}

TEST_F(ListTest, OnDropDownMayFillTheListBeforeItShows)
{
    TComboBox* combo = AddCombo(csDropDownList);
    combo->OnDropDown = [&](TObject*) { combo->Items().Add("filled"); };
    form->Show();
    combo->SetDroppedDown(true);
    EXPECT_EQ(combo->Items().Count(), 1);
    combo->SetDroppedDown(false);
}

}  // namespace
