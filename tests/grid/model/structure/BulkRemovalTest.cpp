#include "tests/grid/model/structure/FakeStructureGrid.h"

#include <gtest/gtest.h>

namespace skelda::grid::testing {
namespace {

using Texts = std::vector<std::string>;

std::vector<std::vector<std::string>> WithRows(const Texts& Cells)
{
    std::vector<std::vector<std::string>> Rows;
    for (const std::string& Text : Cells)
        Rows.push_back({Text, "#" + Text});
    return Rows;
}

TEST(BulkRemoval, RemoveDuplicatesComparesWithCaseOnlyWhenAskedTo)
{
    struct Case {
        bool DoCase;
        Texts Left;
    };
    for (const Case& C : {Case{false, {"hdr", "x", "y", "sum"}}, Case{true, {"hdr", "x", "X", "y", "sum"}}}) {
        TFakeStructureGrid Grid(WithRows({"hdr", "x", "X", "y", "x", "sum"}));
        Grid.FixedRowCount = 1;
        Grid.Footers = 1;
        Grid.Rows.back().Texts[0] = "x";
        Grid.S.Bulk.RemoveDuplicates(0, C.DoCase);
        Texts Expected = C.Left;
        Expected.back() = "x";
        EXPECT_EQ(Grid.Column(0), Expected) << "DoCase " << C.DoCase;
        // One pass over the rows and one notification, however many rows went.
        EXPECT_EQ(Grid.LinePasses, 1);
        EXPECT_EQ(Grid.Changed.size(), 1u);
        EXPECT_EQ(Grid.Updates, 0);
    }
}

TEST(BulkRemoval, SelectedAndUnselectedRows)
{
    struct Case {
        const char* Name;
        bool Disjunct;
        bool Persistent;
        bool RemoveSelected;
        Texts Left;
        std::size_t SelectedAfter;
    };
    // Rows h, a, b, c, d; a and c selected (disjunct), or the range b .. c.
    const Case Cases[] = {
        {"disjunct selected", true, false, true, {"h", "b", "d"}, 0},
        {"range selected", false, false, true, {"h", "a", "d"}, 1},
        {"disjunct unselected", true, false, false, {"h", "a", "c"}, 0},
        {"persistent unselected", true, true, false, {"h", "a", "c"}, 2},
    };
    for (const Case& C : Cases) {
        TFakeStructureGrid Grid(WithRows({"h", "a", "b", "c", "d"}));
        Grid.FixedRowCount = 1;
        Grid.RowSelect = C.Disjunct;
        Grid.Persistent = C.Persistent;
        Grid.SelectedRows = {{1, true}, {3, true}};
        Grid.Sel = {0, 3, 1, 2};
        if (C.RemoveSelected)
            Grid.S.Bulk.RemoveSelectedRows();
        else
            Grid.S.Bulk.RemoveUnSelectedRows();
        EXPECT_EQ(Grid.Column(0), C.Left) << C.Name;
        EXPECT_EQ(Grid.Column(1).back(), "#" + C.Left.back()) << C.Name;
        EXPECT_EQ(Grid.SelectedRows.size(), C.SelectedAfter) << C.Name;
        EXPECT_EQ(Grid.LinePasses, 1) << C.Name;
    }
}

TEST(BulkRemoval, SelectedAndUnselectedColumns)
{
    struct Case {
        const char* Name;
        bool Disjunct;
        bool RemoveSelected;
        Texts Left;
    };
    // Columns f, a, b, c, d; b and d selected (disjunct), or the range c .. a.
    const Case Cases[] = {
        {"disjunct selected", true, true, {"f", "a", "c"}},
        {"range selected", false, true, {"f", "d"}},
        {"disjunct unselected", true, false, {"f", "b", "d"}},
        {"range unselected", false, false, {"f", "a", "b", "c"}},
    };
    for (const Case& C : Cases) {
        TFakeStructureGrid Grid({{"f", "a", "b", "c", "d"}});
        Grid.FixedColCount = 1;
        Grid.ColSelect = C.Disjunct;
        Grid.SelectedCols = {{2, true}, {4, true}};
        Grid.Sel = {3, 0, 1, 0};
        if (C.RemoveSelected)
            Grid.S.Bulk.RemoveSelectedCols();
        else
            Grid.S.Bulk.RemoveUnSelectedCols();
        EXPECT_EQ(Grid.Rows[0].Texts, C.Left) << C.Name;
    }
}

}  // namespace
}  // namespace skelda::grid::testing
