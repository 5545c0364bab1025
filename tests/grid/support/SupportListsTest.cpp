#include "grid/support/TControlList.h"
#include "grid/support/TFileStringList.h"
#include "grid/support/TIntList.h"
#include "grid/support/TSortIndexList.h"
#include "platform/controls/core/TWinControl.h"
#include "platform/core/Exception.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace skelda::grid {
namespace {

std::vector<int> Items(const TIntList& List)
{
    std::vector<int> items;
    for (int i = 0; i < List.Count(); ++i)
        items.push_back(List.GetValue(i));
    return items;
}

TEST(IntListTest, StrValueJoinsTheItems)
{
    TIntList list(0, 0);
    EXPECT_EQ(list.GetStrValue(), "");
    for (int value : {1, 20, 300})
        list.Add(value);
    EXPECT_EQ(list.GetStrValue(), "1,20,300");
}

TEST(IntListTest, SetStrValueReadsCommaText)
{
    const struct {
        std::string Text;
        std::vector<int> Items;
    } cases[] = {
        {"4, 5", {4, 5}}, {"", {}}, {"\"7\",8", {7, 8}}, {"-3 9", {-3, 9}}, {"12", {12}},
    };
    for (const auto& c : cases) {
        TIntList list(0, 0);
        list.Add(99);
        list.SetStrValue(c.Text);
        EXPECT_EQ(Items(list), c.Items) << c.Text;
    }
}

TEST(IntListTest, SetStrValueRaisesAtTheFirstNonNumberAndKeepsWhatCameBefore)
{
    TIntList list(0, 0);
    EXPECT_THROW(list.SetStrValue("1,x,3"), plat::EConvertError);
    EXPECT_EQ(Items(list), std::vector<int>{1});
}

TEST(IntListTest, ReportsAddDeleteAndWritesWithItsCell)
{
    TIntList list(3, 7);
    std::vector<std::string> notices;
    list.OnChange = [&](plat::TObject* Sender, int ACol, int ARow) {
        EXPECT_EQ(Sender, &list);
        notices.push_back(std::to_string(ACol) + "," + std::to_string(ARow));
    };

    list.Add(5);
    list.Insert(0, 4);
    list.SetValue(1, 6);
    list.DeleteValue(42);
    list.DeleteValue(4);
    list.Delete(0);
    list.Add(1);
    list.Clear();
    EXPECT_EQ(notices, (std::vector<std::string>{"3,7", "3,7", "3,7", "3,7", "3,7"}));
}

TEST(IntListTest, DeleteValueRemovesTheFirstEqualEntry)
{
    TIntList list(0, 0);
    list.SetStrValue("1,2,1");
    EXPECT_TRUE(list.HasValue(1));
    list.DeleteValue(1);
    EXPECT_EQ(Items(list), (std::vector<int>{2, 1}));
    list.DeleteValue(1);
    EXPECT_FALSE(list.HasValue(1));
}

TEST(IntListTest, BadIndexesRaise)
{
    TIntList list(0, 0);
    list.Add(1);
    EXPECT_THROW(list.GetValue(1), plat::EListError);
    EXPECT_THROW(list.SetValue(-1, 0), plat::EListError);
    EXPECT_THROW(list.Delete(1), plat::EListError);
    EXPECT_THROW(list.Insert(2, 0), plat::EListError);
    list.Insert(1, 2);
    EXPECT_EQ(Items(list), (std::vector<int>{1, 2}));
}

struct TSortKey {
    int Column;
    bool Ascending;
    friend bool operator==(const TSortKey&, const TSortKey&) = default;
};

std::vector<TSortKey> Keys(const TSortIndexList& List)
{
    std::vector<TSortKey> keys;
    for (int i = 0; i < List.Count(); ++i)
        keys.push_back({List.GetSortColumn(i),
                        (static_cast<std::uint32_t>(List.GetValue(i)) & TSortIndexList::DescendingFlag) == 0});
    return keys;
}

TEST(SortIndexListTest, SavesEachKeyAsDirectionLetterAndColumn)
{
    TSortIndexList list(0, 0);
    list.AddIndex(2, false);
    list.AddIndex(0, true);
    EXPECT_EQ(list.SaveToString(), "d2;u0");
    EXPECT_EQ(TSortIndexList(0, 0).SaveToString(), "");
}

TEST(SortIndexListTest, LoadsTheSavedForm)
{
    const struct {
        std::string Text;
        std::vector<TSortKey> Keys;
    } cases[] = {
        {"d3;u1", {{3, false}, {1, true}}},
        {"U2", {{2, false}}},  // only a lower case u is ascending
        {"u", {}},
        {"", {}},
        {"u2;;x;d", {{2, true}}},
        {"uabc;d4", {{4, false}}},  // a column that is no number is left out
        {"u-1;u1", {{1, true}}},
        {"u12;", {{12, true}}},
        {"u70000;d65535", {{65535, false}}},  // a column wider than the saved form is left out
    };
    for (const auto& c : cases) {
        TSortIndexList list(0, 0);
        list.AddIndex(9, true);
        list.LoadFromString(c.Text);
        EXPECT_EQ(Keys(list), c.Keys) << c.Text;
    }
}

TEST(SortIndexListTest, DirectionTravelsWithTheColumn)
{
    TSortIndexList list(0, 0);
    list.AddIndex(5, true);
    list.AddIndex(3, false);
    EXPECT_EQ(list.FindIndex(3), 1);
    EXPECT_EQ(list.FindIndex(4), -1);
    EXPECT_EQ(list.GetSortColumn(1), 3);

    int notices = 0;
    list.OnChange = [&](plat::TObject*, int, int) { ++notices; };
    list.ToggleIndex(3);
    list.ToggleIndex(5);
    list.ToggleIndex(4);
    EXPECT_EQ(Keys(list), (std::vector<TSortKey>{{5, false}, {3, true}}));
    EXPECT_EQ(notices, 2);
}

TEST(SortIndexListTest, SavesTheLow16BitsOfAColumn)
{
    TSortIndexList list(0, 0);
    list.AddIndex(70000, true);
    EXPECT_EQ(list.SaveToString(), "u4464");
}

TEST(FileStringListTest, WritePendsUntilWriteLnAddsTheLine)
{
    TFileStringList list;
    list.Write("a");
    list.Write("b");
    list.WriteLn("c");
    list.WriteLn("d");
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.GetStrings(0), "abc");
    EXPECT_EQ(list.GetStrings(1), "d");

    list.Write("dropped");
    list.Reset();
    list.WriteLn("e");
    EXPECT_EQ(list.GetStrings(2), "e");
}

TEST(FileStringListTest, ReadsLinesInOrderAndRaisesPastTheEnd)
{
    TFileStringList list;
    list.SetText("one\ntwo\n");
    std::vector<std::string> lines;
    std::string line;
    while (!list.Eof()) {
        list.ReadLn(line);
        lines.push_back(line);
    }
    EXPECT_EQ(lines, (std::vector<std::string>{"one", "two"}));
    EXPECT_THROW(list.ReadLn(line), plat::EStringListError);

    list.Reset();
    EXPECT_FALSE(list.Eof());
    list.ReadLn(line);
    EXPECT_EQ(line, "one");
}

// A control that tells when it is freed.
class TWatchedControl : public plat::TControl {
public:
    TWatchedControl(bool& Freed) : plat::TControl(nullptr), FFreed(Freed) {}
    ~TWatchedControl() override { FFreed = true; }

private:
    bool& FFreed;
};

TEST(ControlListTest, FindsTheFirstControlOfACell)
{
    plat::TControl a(nullptr), b(nullptr), c(nullptr);
    TControlList list;
    EXPECT_EQ(list.ControlIndex(0, 0), -1);
    list.AddControl(1, 2, &a);
    list.AddControl(2, 1, &b);
    list.AddControl(1, 2, &c);
    EXPECT_EQ(list.ControlIndex(1, 2), 0);
    EXPECT_EQ(list.ControlIndex(2, 1), 1);
    EXPECT_EQ(list.ControlIndex(2, 2), -1);
    EXPECT_EQ(list.GetItem(2).GetControl(), &c);
    EXPECT_THROW(list.GetItem(3), plat::EListError);
    EXPECT_THROW(list.RemoveControl(-1), plat::EListError);
}

TEST(ControlListTest, ControlsOutliveTheirItemsAndTheList)
{
    bool firstFreed = false;
    bool secondFreed = false;
    TWatchedControl first(firstFreed);
    TWatchedControl second(secondFreed);
    {
        TControlList list;
        list.AddControl(0, 1, &first);
        list.AddControl(0, 2, &second);
        list.RemoveControl(0);
        EXPECT_EQ(list.Count(), 1);
        EXPECT_EQ(list.ControlIndex(0, 2), 0);
    }
    EXPECT_FALSE(firstFreed);
    EXPECT_FALSE(secondFreed);
}

TEST(ControlListTest, HasHandleKnowsTheWindowsOfItsControls)
{
    plat::TWinControl listed(nullptr);
    plat::TWinControl other(nullptr);
    plat::TControl windowless(nullptr);
    listed.HandleNeeded();
    other.HandleNeeded();
    TControlList list;
    list.AddControl(0, 0, &windowless);
    EXPECT_FALSE(list.HasHandle(listed.Host()));
    list.AddControl(1, 0, &listed);
    EXPECT_TRUE(list.HasHandle(listed.Host()));
    EXPECT_FALSE(list.HasHandle(other.Host()));
    EXPECT_FALSE(list.HasHandle(nullptr));
}

}  // namespace
}  // namespace skelda::grid
