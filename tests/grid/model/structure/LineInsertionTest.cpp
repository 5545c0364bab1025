#include "tests/grid/model/structure/FakeStructureGrid.h"

#include <gtest/gtest.h>

namespace skelda::grid::testing {
namespace {

using Texts = std::vector<std::string>;

std::vector<std::vector<std::string>> OneColumn(const Texts& Cells)
{
    std::vector<std::vector<std::string>> Rows;
    for (const std::string& Text : Cells)
        Rows.push_back({Text});
    return Rows;
}

TEST(LineInsertion, InsertedRowsPushHiddenRowsAtOrAfterTheirRealIndex)
{
    struct Case {
        int At;
        Texts Unfiltered;
    };
    for (const Case& C : {Case{0, {"X", "A", "B", "C", "D"}}, Case{1, {"A", "B", "X", "C", "D"}},
                          Case{3, {"A", "B", "C", "D", "X"}}}) {
        // A, B, C, D with B filtered out: B waits at real index 1.
        TFakeStructureGrid Grid(OneColumn({"A", "C", "D"}));
        Grid.HiddenRows[1] = "B";
        Grid.S.Lines.InsertRows(C.At, 1, true);
        Grid.SetCellText(0, C.At, "X");
        EXPECT_EQ(Grid.UnhiddenColumn(0), C.Unfiltered) << "insert at " << C.At;
    }
}

TEST(LineInsertion, RemovedRowsPullHiddenRowsUpByTheRowsRemovedBeforeThem)
{
    // A, B, C, D, E with C filtered out; A and D go: C then has one removed row before it.
    TFakeStructureGrid Grid(OneColumn({"A", "B", "D", "E"}));
    Grid.HiddenRows[2] = "C";
    Grid.RowSelect = true;
    Grid.SelectedRows = {{0, true}, {2, true}};
    Grid.S.Bulk.RemoveSelectedRows();
    EXPECT_EQ(Grid.UnhiddenColumn(0), (Texts{"B", "C", "E"}));
    EXPECT_EQ(Grid.Notices, (Texts{"rows removed 2"}));

    Grid.S.Lines.RemoveRows(0, 1);
    EXPECT_EQ(Grid.UnhiddenColumn(0), (Texts{"C", "E"}));
}

TEST(LineInsertion, RangesAreCutToTheRowsThatExist)
{
    struct Case {
        const char* Name;
        void (*Run)(TGridStructure&);
        Texts Left;
    };
    const Case Cases[] = {
        {"remove before the first row", [](TGridStructure& S) { S.Lines.RemoveRows(-1, 2); }, {"a", "b", "c"}},
        {"remove past the last row", [](TGridStructure& S) { S.Lines.RemoveRows(3, 1); }, {"a", "b", "c"}},
        {"remove a count too large", [](TGridStructure& S) { S.Lines.RemoveRows(1, 99); }, {"a"}},
        {"remove no rows", [](TGridStructure& S) { S.Lines.RemoveRowsEx(1, 0); }, {"a", "b", "c"}},
        {"insert a negative count", [](TGridStructure& S) { S.Lines.InsertRows(1, -1, true); }, {"a", "b", "c"}},
        {"insert past RowCount", [](TGridStructure& S) { S.Lines.InsertRows(4, 1, true); }, {"a", "b", "c"}},
        {"insert before the first row", [](TGridStructure& S) { S.Lines.InsertRows(-1, 1, true); }, {"a", "b", "c"}},
        {"insert at RowCount", [](TGridStructure& S) { S.Lines.InsertRows(3, 2, true); }, {"a", "b", "c", "", ""}},
    };
    for (const Case& C : Cases) {
        TFakeStructureGrid Grid(OneColumn({"a", "b", "c"}));
        C.Run(Grid.S);
        EXPECT_EQ(Grid.Column(0), C.Left) << C.Name;
    }
}

TEST(LineInsertion, RowRemovalFreesRecordsUnlessTheyAreKeptElsewhere)
{
    TFakeStructureGrid Grid(OneColumn({"a", "b", "c"}));
    Grid.SetRecord(0, 1);
    Grid.S.Lines.RemoveRowsEx(1, 1);
    EXPECT_EQ(Grid.Freed, 0);
    Grid.SetRecord(0, 1);
    Grid.S.Lines.DeleteRows(1, 1);
    EXPECT_EQ(Grid.Freed, 1);
    EXPECT_EQ(Grid.Column(0), (Texts{"a"}));
    ASSERT_EQ(Grid.Changed.size(), 2u);
    EXPECT_EQ(Grid.Changed.back(), (plat::TRect{0, 1, 0, 2}));
}

TEST(LineInsertion, RemovingAHiddenColumnLowersTheHiddenCount)
{
    TFakeStructureGrid Grid({{"a", "b", "c", "d"}});
    Grid.Hidden[1] = true;
    ASSERT_EQ(Grid.ColCount(), 3);
    Grid.S.Lines.RemoveCols(1, 1);
    EXPECT_EQ(Grid.NumHiddenColumns(), 0);
    EXPECT_EQ(Grid.ColCount(), 3);
    EXPECT_EQ(Grid.Rows[0].Texts, (Texts{"a", "c", "d"}));
    // The count is cut at the last real column.
    Grid.S.Lines.RemoveCols(2, 5);
    EXPECT_EQ(Grid.Rows[0].Texts, (Texts{"a", "c"}));
    EXPECT_EQ(Grid.Notices.back(), "cols removed 2 1");
}

TEST(LineInsertion, AddRowOpensAboveTheFloatingFooter)
{
    TFakeStructureGrid Grid(OneColumn({"a", "sum"}));
    Grid.S.Lines.AddRow();
    EXPECT_EQ(Grid.Column(0), (Texts{"a", "sum", ""}));
    Grid.FooterVisible = true;
    Grid.S.Lines.AddRow();
    EXPECT_EQ(Grid.Column(0), (Texts{"a", "sum", "", ""}));
    Grid.Rows.back().Texts[0] = "total";
    Grid.S.Lines.AddRow();
    EXPECT_EQ(Grid.Column(0).back(), "total");
    Grid.S.Lines.InsertRows(Grid.RowCount(), 1, true);
    EXPECT_EQ(Grid.Column(0).back(), "total");
    Grid.S.Lines.AddColumn();
    EXPECT_EQ(Grid.ColCount(), 2);
}

}  // namespace
}  // namespace skelda::grid::testing
