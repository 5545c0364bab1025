#include "grid/model/hidden/THiddenLines.h"
#include "grid/support/TGridItem.h"
#include "grid/support/TIntList.h"
#include "platform/core/TStrings.h"
#include "platform/grids/TGridRow.h"
#include "tests/grid/model/hidden/FakeHiddenLinesHost.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace skelda::grid {
namespace {

using testing::TFakeHiddenLinesHost;
using Labels = std::vector<std::string>;

std::unique_ptr<TIntList> MakeList(std::initializer_list<int> AValues)
{
    auto Result = std::make_unique<TIntList>(-1, -1);
    for (int V : AValues)
        Result->Add(V);
    return Result;
}


TEST(HiddenLinesTest, MapsRealAndDisplayIndexesBothWays)
{
    struct Case {
        const char* name;
        std::vector<int> hiddenCols;
        std::vector<int> hiddenRows;
        // Display index -> real index, then real -> display, for columns and rows.
        std::vector<std::pair<int, int>> realCols, displCols, realRows, displRows;
    };
    const Case cases[] = {
        {"columns 2 and 5 of 8", {2, 5}, {}, {{0, 0}, {1, 1}, {2, 3}, {3, 4}, {4, 6}, {5, 7}},
         {{3, 2}, {5, 4}, {7, 5}, {2, 2}}, {{4, 4}}, {{4, 4}}},
        {"row 4 of 10", {}, {4}, {{600, 600}}, {{600, 600}}, {{3, 3}, {4, 5}, {8, 9}}, {{5, 4}, {4, 4}, {3, 3}}},
        {"rows 3 and 4 of 12", {}, {3, 4}, {}, {}, {{3, 5}, {2, 2}, {9, 11}}, {{5, 3}, {4, 3}}},
        {"column 600 of 700", {600}, {}, {{599, 599}, {600, 601}}, {{600, 600}, {601, 600}}, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TFakeHiddenLinesHost Host(700, 12);
        THiddenLines Lines(Host);
        for (int Col : c.hiddenCols)
            Lines.HideColumns(Col, Col);
        for (int Row : c.hiddenRows)
            Lines.HideRows(Row, Row);
        for (auto [D, R] : c.realCols)
            EXPECT_EQ(Lines.RealColIndex(D), R) << "column " << D;
        for (auto [R, D] : c.displCols)
            EXPECT_EQ(Lines.DisplColIndex(R), D) << "column " << R;
        for (auto [D, R] : c.realRows)
            EXPECT_EQ(Lines.RealRowIndex(D), R) << "row " << D;
        for (auto [R, D] : c.displRows)
            EXPECT_EQ(Lines.DisplRowIndex(R), D) << "row " << R;
        EXPECT_EQ(Host.ColCount() + Lines.NumHiddenColumns(), 700);
        EXPECT_EQ(Host.RowCount() + Lines.NumHiddenRows(), 12);
        EXPECT_FALSE(Lines.IsHiddenColumn(650));
    }
}

TEST(HiddenLinesTest, RowsComeBackWithTheirCellsAndHeightsAtTheirRealPlaces)
{
    TFakeHiddenLinesHost Host(3, 10);
    THiddenLines Lines(Host);
    Lines.HideRows(3, 3);
    Lines.HideRows(2, 5);  // 3 is hidden already: one take of 2, 4 and 5
    EXPECT_EQ(Host.Takes, 2);
    EXPECT_EQ(Host.Labels(), (Labels{"r0", "r1", "r6", "r7", "r8", "r9"}));
    ASSERT_NE(Lines.GetHiddenRowStrings(4), nullptr);
    EXPECT_EQ(Lines.GetHiddenRowStrings(4)->GetStrings(0), "r4");
    EXPECT_EQ(Lines.GetHiddenRowStrings(6), nullptr);
    Lines.HideRows(7, 7);

    Lines.UnHideRows(6, 9);  // 6 is shown: nothing
    EXPECT_EQ(Host.Puts, 0);
    Lines.UnHideRows(2, 3);
    EXPECT_EQ(Host.Labels(), (Labels{"r0", "r1", "r2", "r3", "r6", "r8", "r9"}));
    Lines.UnHideRowsAll();
    EXPECT_EQ(Host.Puts, 2);
    EXPECT_EQ(Host.Labels(), (Labels{"r0", "r1", "r2", "r3", "r4", "r5", "r6", "r7", "r8", "r9"}));
    EXPECT_EQ(Host.Heights, (std::vector<int>{10, 11, 12, 13, 14, 15, 16, 17, 18, 19}));
    EXPECT_EQ(Lines.NumHiddenRows(), 0);
}

TEST(HiddenLinesTest, FilterPassesAreUndoneLastFirstAndLeaveOtherHiddenRows)
{
    TFakeHiddenLinesHost Host(2, 8);
    THiddenLines Lines(Host);
    Lines.HideRows(6, 6);
    Lines.HideRowList(*MakeList({4, 1}));  // r1, r4
    EXPECT_EQ(Host.Labels(), (Labels{"r0", "r2", "r3", "r5", "r7"}));
    Lines.HideRowList(*MakeList({2}));  // display 2 is r3
    EXPECT_EQ(Lines.FilterLevel(), 2);
    EXPECT_EQ(Host.Labels(), (Labels{"r0", "r2", "r5", "r7"}));

    Lines.UnHideRowList();
    EXPECT_EQ(Host.Labels(), (Labels{"r0", "r2", "r3", "r5", "r7"}));
    Lines.UnHideRowList();
    EXPECT_EQ(Host.Labels(), (Labels{"r0", "r1", "r2", "r3", "r4", "r5", "r7"}));
    EXPECT_EQ(Lines.FilterLevel(), 0);
    EXPECT_TRUE(Lines.IsHiddenRow(6)) << "a row hidden otherwise stays hidden";
    Lines.UnHideRowList();
    EXPECT_TRUE(Lines.IsHiddenRow(6));
    EXPECT_EQ(Host.Heights, (std::vector<int>{10, 11, 12, 13, 14, 15, 17}));
}

TEST(HiddenLinesTest, RowsInsertedWhileFilteredKeepTheHiddenRowsRealPlaces)
{
    // A, B, C, D; the filter hides B; X is inserted on top; the filter goes: X, A, B, C, D.
    TFakeHiddenLinesHost Host(1, 4);
    THiddenLines Lines(Host);
    Lines.HideRowList(*MakeList({1}));
    Host.Store.InsertRow(0);
    Host.Store.SetText(0, 0, "X");
    Host.Heights.insert(Host.Heights.begin(), 24);
    Lines.RowsInserted(0, 1);
    Lines.UnHideRowList();
    EXPECT_EQ(Host.Labels(), (Labels{"X", "r0", "r1", "r2", "r3"}));
}

TEST(HiddenLinesTest, RangesAndListsAreCutToWhatExists)
{
    TFakeHiddenLinesHost Host(3, 6);
    THiddenLines Lines(Host);
    Lines.HideRowList(*MakeList({5, 3, 5, -2, 40, 3}));
    EXPECT_EQ(Host.Labels(), (Labels{"r0", "r1", "r2", "r4"}));
    Lines.HideRows(4, 99);
    EXPECT_EQ(Host.Labels(), (Labels{"r0", "r1", "r2"}));
    Lines.HideRowsEx(-5, 2);  // would leave no row
    EXPECT_EQ(Host.Labels(), (Labels{"r0", "r1", "r2"}));
    Lines.HideRowsEx(1, 3);  // 3 is hidden already: only r1 and r2 go
    EXPECT_EQ(Host.Labels(), (Labels{"r0"}));
    Lines.UnHideRows(1, 2);
    EXPECT_EQ(Host.Heights, (std::vector<int>{10, 24, 24})) << "HideRowsEx keeps no height";
    Lines.HideColumns(-3, 99);
    EXPECT_EQ(Host.ColCount(), 1) << "the last shown column stays";
}

TEST(HiddenLinesTest, ColumnsKeepTheirWholeWidthFromTheirDisplayPlace)
{
    TFakeHiddenLinesHost Host(700, 2);
    THiddenLines Lines(Host);
    Host.Widths[650] = 100000;
    Lines.HideColumns(2, 2);
    Lines.HideColumns(651, 651);  // display column 650
    EXPECT_EQ(Host.ColCount(), 698);
    EXPECT_EQ(Host.Widths[649], 100000);
    Lines.UnHideColumnsAll();
    ASSERT_EQ(Host.ColCount(), 700);
    EXPECT_EQ(Host.Widths[2], 62);
    EXPECT_EQ(Host.Widths[650], 100000);
    EXPECT_EQ(Host.Widths[651], 711);
}

TEST(HiddenLinesTest, StructureChangesShiftHiddenLinesAndParkedCells)
{
    TFakeHiddenLinesHost Host(5, 8);
    for (int C = 1; C < 5; ++C)
        Host.Store.SetText(C, 5, "c" + std::to_string(C));
    THiddenLines Lines(Host);
    Lines.HideRows(2, 2);
    Lines.HideRows(5, 6);
    Lines.HideColumns(1, 1);
    Lines.HideColumns(3, 3);

    Lines.RowsRemoved(std::vector<int>{0, 2, 4});  // hidden 2 goes; 5, 6 shift by the rows before
    EXPECT_EQ(Lines.NumHiddenRows(), 2);
    EXPECT_TRUE(Lines.IsHiddenRow(2));
    EXPECT_TRUE(Lines.IsHiddenRow(3));
    EXPECT_EQ(Lines.GetHiddenRowStrings(2)->GetStrings(0), "r5");

    Lines.ColumnsRemoved(1, 1);  // a hidden column goes
    EXPECT_EQ(Lines.NumHiddenColumns(), 1);
    EXPECT_TRUE(Lines.IsHiddenColumn(2));
    Lines.ColumnsInserted(0, 2);
    EXPECT_TRUE(Lines.IsHiddenColumn(4));
    Lines.ColumnMoved(4, 0);
    EXPECT_TRUE(Lines.IsHiddenColumn(0));
    EXPECT_EQ(Lines.GetHiddenRowStrings(2)->GetCommaText(), "c3,,,r5,c2,c4");
}

class TWatched : public plat::TObject {
public:
    explicit TWatched(int& Frees) : FFrees(Frees) {}
    ~TWatched() override { ++FFrees; }

private:
    int& FFrees;
};

TEST(HiddenLinesTest, AStoreEmptiedWithoutShowingFreesTheParkedRecordsOnce)
{
    int Frees = 0;
    {
        TFakeHiddenLinesHost Host(2, 4);
        Host.Store.SetObject(1, 2, new TWatched(Frees));
        THiddenLines Lines(Host);
        Lines.HideRowList(*MakeList({2}));
        Lines.ClearHiddenRows();
        EXPECT_EQ(Frees, 1);
        EXPECT_EQ(Lines.FilterLevel(), 0);
        Lines.UnHideRowList();
        EXPECT_EQ(Host.Labels(), (Labels{"r0", "r1", "r3"}));
    }
    EXPECT_EQ(Frees, 1);
}

}  // namespace
}  // namespace skelda::grid
