#include "platform/core/TObject.h"
#include "platform/grids/EInvalidGridOperation.h"
#include "platform/grids/GridLimits.h"
#include "platform/grids/TGridCellStore.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <string>
#include <vector>

using namespace plat;

namespace {

// Rows a .. f at 0 .. 5, row 6 never written, row h at 7. Each labelled row holds its label in
// column 0, label + "3" in column 3 and its own object in column 3, so a row that came apart
// shows.
class GridCellStoreRows : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (int row = 0; row < 8; ++row) {
            if (row == 6)
                continue;
            const std::string label(1, static_cast<char>('a' + row));
            store.SetText(0, row, label);
            store.SetText(3, row, label + "3");
            store.SetObject(3, row, &objects[row]);
        }
    }

    // The labels of rows 0 .. RowExtent() - 1, "" for an empty row.
    std::vector<std::string> Labels()
    {
        std::vector<std::string> labels;
        for (int row = 0; row < store.RowExtent(); ++row) {
            const std::string label = store.GetText(0, row);
            labels.push_back(label);
            const bool empty = label.empty();
            EXPECT_EQ(store.GetText(3, row), empty ? "" : label + "3") << "row " << row;
            EXPECT_EQ(store.GetObject(3, row), empty ? nullptr : &objects[label[0] - 'a']) << "row " << row;
            EXPECT_EQ(store.GetObject(0, row), nullptr) << "row " << row;
        }
        return labels;
    }

    TGridCellStore store;
    TObject objects[8];
};

}  // namespace

TEST(GridCellStore, KeepsWhatIsWrittenAnywhereAndReadsTheRestAsEmpty)
{
    TGridCellStore store;
    TObject object;
    EXPECT_EQ(store.GetText(0, 0), "");
    EXPECT_EQ(store.GetObject(500, 900000), nullptr);

    // Clearing cells that were never written allocates nothing.
    store.SetText(7, 1000, "");
    store.SetObject(7, 1000, nullptr);
    EXPECT_EQ(store.RowExtent(), 0);
    EXPECT_EQ(store.ColExtent(), 0);

    store.SetText(40, 1000, "far \xC3\xA9t\xC3\xA9");
    store.SetObject(2, 1000, &object);
    store.SetText(1, 3, "near");
    EXPECT_EQ(store.GetText(40, 1000), "far \xC3\xA9t\xC3\xA9");
    EXPECT_EQ(store.GetObject(2, 1000), &object);
    EXPECT_EQ(store.GetText(2, 1000), "");
    EXPECT_EQ(store.GetObject(40, 1000), nullptr);
    EXPECT_EQ(store.GetText(1, 3), "near");
    EXPECT_EQ(store.GetText(40, 3), "");
    EXPECT_EQ(store.FindRow(500), nullptr);
    ASSERT_NE(store.FindRow(1000), nullptr);
    EXPECT_EQ(store.FindRow(1000)->Count(), 41);
    EXPECT_EQ(store.RowExtent(), 1001);
    EXPECT_EQ(store.ColExtent(), 41);
}

TEST_F(GridCellStoreRows, RowOperationsMoveWholeRowsIncludingThoseBeyondTheWrittenOnes)
{
    struct Case {
        const char* name;
        std::function<void(TGridCellStore&)> op;
        std::vector<std::string> labels;
    };
    const Case cases[] = {
        {"insert inside", [](TGridCellStore& s) { s.InsertRow(2); }, {"a", "b", "", "c", "d", "e", "f", "", "h"}},
        {"insert at the end", [](TGridCellStore& s) { s.InsertRow(8); }, {"a", "b", "c", "d", "e", "f", "", "h"}},
        {"delete inside", [](TGridCellStore& s) { s.DeleteRow(1); }, {"a", "c", "d", "e", "f", "", "h"}},
        {"delete beyond", [](TGridCellStore& s) { s.DeleteRow(20); }, {"a", "b", "c", "d", "e", "f", "", "h"}},
        {"move down", [](TGridCellStore& s) { s.MoveRow(1, 4); }, {"a", "c", "d", "e", "b", "f", "", "h"}},
        {"move up", [](TGridCellStore& s) { s.MoveRow(4, 1); }, {"a", "e", "b", "c", "d", "f", "", "h"}},
        {"move past the last row", [](TGridCellStore& s) { s.MoveRow(0, 9); },
         {"b", "c", "d", "e", "f", "", "h", "", "", "a"}},
        {"move an empty row in", [](TGridCellStore& s) { s.MoveRow(12, 0); },
         {"", "a", "b", "c", "d", "e", "f", "", "h"}},
        {"exchange", [](TGridCellStore& s) { s.ExchangeRows(5, 0); }, {"f", "b", "c", "d", "e", "a", "", "h"}},
        {"exchange with an empty row", [](TGridCellStore& s) { s.ExchangeRows(1, 9); },
         {"a", "", "c", "d", "e", "f", "", "h", "", "b"}},
        {"remove a list", [](TGridCellStore& s) { s.RemoveRows(std::vector<int>{4, 0, 4, 30, 6, 4}); },
         {"b", "c", "d", "f", "h"}},
        {"remove everything", [](TGridCellStore& s) { s.RemoveRows(std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}); }, {}},
        {"remove nothing", [](TGridCellStore& s) { s.RemoveRows({}); }, {"a", "b", "c", "d", "e", "f", "", "h"}},
        {"remove by predicate",
         [](TGridCellStore& s) {
             EXPECT_EQ(s.RemoveRowsIf([](int row) { return row % 3 == 1; }), (std::vector<int>{1, 4, 7}));
         },
         {"a", "c", "d", "f", ""}},
        {"clear", [](TGridCellStore& s) { s.Clear(); }, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        store.Clear();
        SetUp();
        c.op(store);
        EXPECT_EQ(Labels(), c.labels);
    }
}

TEST_F(GridCellStoreRows, TakenRowsComeBackWholeAtTheirFinalPlaces)
{
    struct Case {
        const char* name;
        std::vector<int> take;
        std::vector<std::string> left;
        // Where the taken rows are put back, and the labels then.
        std::vector<int> put;
        std::vector<std::string> after;
    };
    const Case cases[] = {
        {"scattered, back where they were", {1, 4, 6}, {"a", "c", "d", "f", "h"}, {1, 4, 6},
         {"a", "b", "c", "d", "e", "f", "", "h"}},
        {"first and last, back elsewhere", {0, 7}, {"b", "c", "d", "e", "f", ""}, {3, 4},
         {"b", "c", "d", "a", "h", "e", "f", ""}},
        {"beyond the written rows", {2, 20}, {"a", "b", "d", "e", "f", "", "h"}, {0, 9},
         {"c", "a", "b", "d", "e", "f", "", "h", "", ""}},
        {"put past the end", {3}, {"a", "b", "c", "e", "f", "", "h"}, {10}, {"a", "b", "c", "e", "f", "", "h", "", "", "", "d"}},
        {"nothing", {}, {"a", "b", "c", "d", "e", "f", "", "h"}, {}, {"a", "b", "c", "d", "e", "f", "", "h"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        store.Clear();
        SetUp();
        std::vector<std::unique_ptr<TGridRow>> rows = store.TakeRows(c.take);
        ASSERT_EQ(rows.size(), c.take.size());
        EXPECT_EQ(Labels(), c.left);
        store.PutRows(c.put, std::move(rows));
        EXPECT_EQ(Labels(), c.after);
    }
}

TEST_F(GridCellStoreRows, BatchRowsRefuseListsOutOfOrderBeforeChangingAnything)
{
    const std::vector<std::string> before = Labels();
    EXPECT_THROW(store.TakeRows(std::vector<int>{3, 1}), EInvalidGridOperation);
    EXPECT_THROW(store.TakeRows(std::vector<int>{2, 2}), EInvalidGridOperation);
    EXPECT_THROW(store.TakeRows(std::vector<int>{-1}), EInvalidGridOperation);
    std::vector<std::unique_ptr<TGridRow>> two(2);
    EXPECT_THROW(store.PutRows(std::vector<int>{1}, std::move(two)), EInvalidGridOperation);
    std::vector<std::unique_ptr<TGridRow>> one(1);
    EXPECT_THROW(store.PutRows(std::vector<int>{-1}, std::move(one)), EInvalidGridOperation);
    EXPECT_EQ(Labels(), before);
}

TEST(GridCellStore, PredicateSeesTheRowsAsTheyWereBeforeTheRemoval)
{
    TGridCellStore store;
    const std::vector<std::string> texts = {"a", "a", "a", "b", "b", "a"};
    for (int row = 0; row < static_cast<int>(texts.size()); ++row)
        store.SetText(0, row, texts[static_cast<std::size_t>(row)]);

    // Drops a row equal to the one above it, reading the neighbour through the store.
    const std::vector<int> removed =
        store.RemoveRowsIf([&](int row) { return row > 0 && store.GetText(0, row) == store.GetText(0, row - 1); });

    EXPECT_EQ(removed, (std::vector<int>{1, 2, 4}));
    ASSERT_EQ(store.RowExtent(), 3);
    EXPECT_EQ(store.GetText(0, 0), "a");
    EXPECT_EQ(store.GetText(0, 1), "b");
    EXPECT_EQ(store.GetText(0, 2), "a");
}

TEST(GridCellStore, ColumnOperationsShiftEveryRowAsFarAsItReaches)
{
    // Row 0 holds columns 0 .. 4 with an object at column 2, row 1 only columns 0 and 1, row 2
    // nothing, row 3 only column 5.
    TObject marker;
    const auto fill = [&](TGridCellStore& s) {
        for (int col = 0; col < 5; ++col)
            s.SetText(col, 0, std::to_string(col));
        s.SetObject(2, 0, &marker);
        s.SetText(0, 1, "x0");
        s.SetText(1, 1, "x1");
        s.SetText(5, 3, "z5");
    };
    // Each row's texts joined with '|', trailing empty cells left out.
    const auto rows = [&](const TGridCellStore& s) {
        std::vector<std::string> joined;
        for (int row = 0; row < 4; ++row) {
            std::string line;
            for (int col = 0; col < s.ColExtent() + 2; ++col) {
                line += s.GetText(col, row) + "|";
                EXPECT_EQ(s.GetObject(col, row) != nullptr, s.GetText(col, row) == "2") << col << "," << row;
            }
            joined.push_back(line.substr(0, line.find_last_not_of('|') + 1));
        }
        return joined;
    };
    struct Case {
        const char* name;
        std::function<void(TGridCellStore&)> op;
        std::vector<std::string> rows;
    };
    const Case cases[] = {
        {"insert", [](TGridCellStore& s) { s.InsertColumn(1); }, {"0||1|2|3|4", "x0||x1", "", "||||||z5"}},
        {"insert beyond", [](TGridCellStore& s) { s.InsertColumn(6); }, {"0|1|2|3|4", "x0|x1", "", "|||||z5"}},
        {"delete", [](TGridCellStore& s) { s.DeleteColumn(0); }, {"1|2|3|4", "x1", "", "||||z5"}},
        {"move right", [](TGridCellStore& s) { s.MoveColumn(0, 3); }, {"1|2|3|0|4", "x1|||x0", "", "|||||z5"}},
        {"move left", [](TGridCellStore& s) { s.MoveColumn(5, 0); }, {"|0|1|2|3|4", "|x0|x1", "", "z5"}},
        {"move past every row", [](TGridCellStore& s) { s.MoveColumn(2, 9); },
         {"0|1|3|4||||||2", "x0|x1", "", "||||z5"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TGridCellStore store;
        fill(store);
        c.op(store);
        EXPECT_EQ(rows(store), c.rows);
    }
}

// A long random run of every operation against a plain dense grid, with a fixed seed.
TEST(GridCellStore, MatchesADenseGridOverRandomOperations)
{
    constexpr int Rows = 256;
    constexpr int Cols = 40;
    struct Cell {
        std::string text;
        TObject* object = nullptr;
    };
    using Grid = std::vector<std::vector<Cell>>;
    Grid model(Rows, std::vector<Cell>(Cols));
    TGridCellStore store;
    TObject objects[4];
    std::mt19937 random(20240611);
    const auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    const auto rotate = [](auto& v, int from, int to) {
        if (from < to)
            std::rotate(v.begin() + from, v.begin() + from + 1, v.begin() + to + 1);
        else
            std::rotate(v.begin() + to, v.begin() + from, v.begin() + from + 1);
    };
    const auto isEmpty = [](const std::vector<Cell>& cells) {
        return std::all_of(cells.begin(), cells.end(), [](const Cell& cell) { return cell.text.empty() && !cell.object; });
    };
    const auto removeRows = [&](std::vector<int> rows) {
        std::sort(rows.begin(), rows.end());
        rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
        for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
            model.erase(model.begin() + *it);
            model.emplace_back(Cols);
        }
    };

    for (int step = 0; step < 3000; ++step) {
        const int a = pick(48);
        const int b = pick(48);
        const int c = pick(16);
        const int d = pick(16);
        switch (pick(12)) {
        case 0:
        case 1: {
            std::string text = pick(4) == 0 ? "" : "t" + std::to_string(step);
            model[a][c].text = text;
            store.SetText(c, a, text);
            break;
        }
        case 2: {
            TObject* object = pick(3) == 0 ? nullptr : &objects[pick(4)];
            model[a][c].object = object;
            store.SetObject(c, a, object);
            break;
        }
        case 3:
            model.insert(model.begin() + a, std::vector<Cell>(Cols));
            ASSERT_TRUE(isEmpty(model.back()));
            model.pop_back();
            store.InsertRow(a);
            break;
        case 4:
            model.erase(model.begin() + a);
            model.emplace_back(Cols);
            store.DeleteRow(a);
            break;
        case 5:
            rotate(model, a, b);
            store.MoveRow(a, b);
            break;
        case 6:
            std::swap(model[a], model[b]);
            store.ExchangeRows(a, b);
            break;
        case 7: {
            std::vector<int> rows;
            for (int n = pick(6); n > 0; --n)
                rows.push_back(pick(60));
            removeRows(rows);
            store.RemoveRows(rows);
            break;
        }
        case 8: {
            const int modulus = 2 + pick(5);
            std::vector<int> expected;
            for (int row = 0; row < store.RowExtent(); ++row)
                if (row % modulus == 0 && !model[row][0].text.empty())
                    expected.push_back(row);
            removeRows(expected);
            EXPECT_EQ(store.RemoveRowsIf([&](int row) { return row % modulus == 0 && !store.GetText(0, row).empty(); }),
                      expected);
            break;
        }
        case 9:
            for (auto& row : model) {
                row.insert(row.begin() + c, Cell{});
                ASSERT_TRUE(row.back().text.empty() && !row.back().object);
                row.pop_back();
            }
            store.InsertColumn(c);
            break;
        case 10:
            for (auto& row : model) {
                row.erase(row.begin() + c);
                row.emplace_back();
            }
            store.DeleteColumn(c);
            break;
        case 11:
            for (auto& row : model)
                rotate(row, c, d);
            store.MoveColumn(c, d);
            break;
        }

        ASSERT_LE(store.RowExtent(), Rows);
        ASSERT_LE(store.ColExtent(), Cols);
        if (step % 25 != 0)
            continue;
        for (int row = 0; row < Rows; ++row)
            for (int col = 0; col < Cols; ++col) {
                const Cell& cell = model[row][col];
                ASSERT_EQ(store.GetText(col, row), cell.text) << "step " << step << " cell " << col << "," << row;
                ASSERT_EQ(store.GetObject(col, row), cell.object) << "step " << step << " cell " << col << "," << row;
                if (row >= store.RowExtent() || col >= store.ColExtent()) {
                    ASSERT_TRUE(cell.text.empty() && !cell.object) << "beyond the high-water marks";
                }
            }
    }
}

TEST_F(GridCellStoreRows, BadIndexesRaiseAndChangeNothing)
{
    const std::function<void(TGridCellStore&)> ops[] = {
        [](TGridCellStore& s) { s.GetText(-1, 0); },
        [](TGridCellStore& s) { s.GetObject(0, -1); },
        [](TGridCellStore& s) { s.SetText(0, -1, "x"); },
        [](TGridCellStore& s) { s.SetText(MaxGridCols, 0, "x"); },
        [](TGridCellStore& s) { s.SetObject(0, MaxGridRows, nullptr); },
        [](TGridCellStore& s) { s.FindRow(-3); },
        [](TGridCellStore& s) { s.InsertRow(-1); },
        [](TGridCellStore& s) { s.DeleteRow(-1); },
        [](TGridCellStore& s) { s.MoveRow(1, -1); },
        [](TGridCellStore& s) { s.ExchangeRows(-1, 2); },
        [](TGridCellStore& s) { s.RemoveRows(std::vector<int>{1, 2, -1}); },
        [](TGridCellStore& s) { s.InsertColumn(-1); },
        [](TGridCellStore& s) { s.DeleteColumn(-1); },
        [](TGridCellStore& s) { s.MoveColumn(0, MaxGridCols); },
    };
    for (std::size_t i = 0; i < std::size(ops); ++i) {
        SCOPED_TRACE(i);
        try {
            ops[i](store);
            ADD_FAILURE() << "no exception";
        } catch (const EInvalidGridOperation& e) {
            EXPECT_EQ(e.Message(), "Grid index out of range");
        }
        EXPECT_EQ(Labels(), (std::vector<std::string>{"a", "b", "c", "d", "e", "f", "", "h"}));
    }
}
