#include "FakeCellGrid.h"
#include "grid/cells/TVezGridUndoRedo.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace skelda::grid {
namespace {

using testing::TFakeCellGrid;

class UndoRedoTest : public ::testing::Test {
protected:
    UndoRedoTest() { UndoRedo.SetGrid(&Grid); }

    // Writes the cell and registers the change, as an editor does.
    void Edit(int ACol, int ARow, const std::string& Value)
    {
        const std::string Old = Grid.GetCellText(ACol, ARow);
        Grid.SetCellText(ACol, ARow, Value);
        UndoRedo.RegisterChange(ACol, ARow, Old, Value);
    }
    std::string Texts() { return Grid.GetCellText(0, 0) + "|" + Grid.GetCellText(1, 0) + "|" + Grid.GetCellText(2, 0); }

    TFakeCellGrid Grid{4, 4};
    TVezGridUndoRedo UndoRedo{nullptr};
};

TEST_F(UndoRedoTest, SingleChangesUndoAndRedoOneAtATimeAndMoveToTheCell)
{
    Grid.DisplShift = 10;
    Edit(0, 0, "a");
    Edit(1, 0, "b");
    Grid.Writes.clear();

    UndoRedo.Undo();
    EXPECT_EQ(Texts(), "a||");
    EXPECT_EQ(Grid.Focus, (std::pair<int, int>{11, 0}));
    EXPECT_EQ(UndoRedo.GetLevel(), 1);
    UndoRedo.Undo();
    EXPECT_EQ(Texts(), "||");
    EXPECT_FALSE(UndoRedo.CanUndo());
    UndoRedo.Undo();
    EXPECT_EQ(UndoRedo.GetLevel(), 0);

    UndoRedo.Redo();
    EXPECT_EQ(Texts(), "a||");
    UndoRedo.Redo();
    UndoRedo.Redo();
    EXPECT_EQ(Texts(), "a|b|");
    EXPECT_FALSE(UndoRedo.CanRedo());
    // Cells change only through the grid's SetCellText.
    EXPECT_EQ(Grid.Writes.size(), 4u);
}

TEST_F(UndoRedoTest, SequenceUndoesAndRedoesAsOneStep)
{
    UndoRedo.StartSequence();
    Edit(0, 0, "a");
    Edit(1, 0, "b");
    Edit(2, 0, "c");
    UndoRedo.StopSequence();
    Grid.Writes.clear();

    UndoRedo.Undo();
    EXPECT_EQ(Texts(), "||");
    EXPECT_EQ(UndoRedo.GetLevel(), 0);
    EXPECT_EQ(Grid.Writes, (std::vector<std::pair<int, int>>{{2, 0}, {1, 0}, {0, 0}}));
    EXPECT_EQ(Grid.GridRepaints, 1);

    Grid.Writes.clear();
    UndoRedo.Redo();
    EXPECT_EQ(Texts(), "a|b|c");
    EXPECT_EQ(UndoRedo.GetLevel(), UndoRedo.Items().Count());
    EXPECT_EQ(Grid.Writes, (std::vector<std::pair<int, int>>{{0, 0}, {1, 0}, {2, 0}}));
}

TEST_F(UndoRedoTest, SequenceLeftOpenRedoesToItsLastChange)
{
    UndoRedo.StartSequence();
    Edit(0, 0, "a");
    Edit(1, 0, "b");
    UndoRedo.Undo();
    UndoRedo.Undo();
    UndoRedo.Undo();
    EXPECT_EQ(Texts(), "||");

    UndoRedo.Redo();
    EXPECT_EQ(Texts(), "a|b|");
    EXPECT_EQ(UndoRedo.GetLevel(), 3);
    EXPECT_FALSE(UndoRedo.CanRedo());
}

TEST_F(UndoRedoTest, ANewChangeAfterUndoDropsTheUndoneEntries)
{
    Edit(0, 0, "a");
    Edit(1, 0, "b");
    UndoRedo.Undo();
    Edit(2, 0, "c");

    EXPECT_EQ(UndoRedo.Items().Count(), 2);
    EXPECT_FALSE(UndoRedo.CanRedo());
    UndoRedo.Redo();
    EXPECT_EQ(Texts(), "a||c");
    UndoRedo.Undo();
    UndoRedo.Undo();
    EXPECT_EQ(Texts(), "||");
}

TEST_F(UndoRedoTest, MaxLevelDropsTheOldestEntry)
{
    UndoRedo.SetMaxLevel(2);
    Edit(0, 0, "a");
    Edit(1, 0, "b");
    Edit(2, 0, "c");
    ASSERT_EQ(UndoRedo.Items().Count(), 2);
    EXPECT_EQ(UndoRedo.Items().GetItem(0).Value, "b");
    EXPECT_TRUE(UndoRedo.CanUndo());
    UndoRedo.Undo();
    UndoRedo.Undo();
    UndoRedo.Undo();
    EXPECT_EQ(Texts(), "a||");
}

TEST_F(UndoRedoTest, ResetForgetsEverything)
{
    Edit(0, 0, "a");
    Edit(1, 0, "b");
    UndoRedo.Undo();
    UndoRedo.Reset();
    EXPECT_FALSE(UndoRedo.CanUndo());
    EXPECT_FALSE(UndoRedo.CanRedo());
    EXPECT_EQ(UndoRedo.Items().Count(), 0);
}

TEST_F(UndoRedoTest, EventsGetThePresentTextAndTheTextBeingWritten)
{
    std::vector<std::string> Seen;
    const auto Record = [&Seen](const char* Kind) {
        return [&Seen, Kind](plat::TObject*, TCellGridHost*, int Col, int Row, const std::string& Orig,
                             const std::string& New) {
            Seen.push_back(std::string(Kind) + " " + std::to_string(Col) + "," + std::to_string(Row) + " " + Orig +
                           ">" + New);
        };
    };
    UndoRedo.OnUndo = Record("undo");
    UndoRedo.OnRedo = Record("redo");
    Grid.Merged.MergeCells(1, 1, 2, 2);
    Edit(2, 2, "x");
    Grid.SetCellText(1, 1, "shown");

    UndoRedo.Undo();
    UndoRedo.Redo();
    EXPECT_EQ(Seen, (std::vector<std::string>{"undo 2,2 shown>", "redo 2,2 >x"}));
    EXPECT_EQ(Grid.GetCellText(1, 1), "x");
}

TEST_F(UndoRedoTest, NothingHappensWithoutAGridAndTheLinkGoesWithTheGrid)
{
    auto Other = std::make_unique<TFakeCellGrid>(2, 2);
    UndoRedo.SetGrid(Other.get());
    UndoRedo.RegisterChange(0, 0, "", "a");
    Other.reset();
    EXPECT_EQ(UndoRedo.GetGrid(), nullptr);
    UndoRedo.Undo();
    EXPECT_EQ(UndoRedo.GetLevel(), 1);
    UndoRedo.Redo();
    EXPECT_EQ(UndoRedo.GetLevel(), 1);
}

}  // namespace
}  // namespace skelda::grid
