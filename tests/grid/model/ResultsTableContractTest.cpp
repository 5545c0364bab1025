// The main window's results table, driven the way the propagation program drives it: cleared,
// titled, filled hour by hour (one column past the grid included), coloured, and clicked.

#include "VezGridTesting.h"

#include "platform/graphics/TBrush.h"
#include "platform/graphics/TFont.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace skelda::grid::testing {
namespace {

constexpr int Cols = 25;
constexpr int Rows = 20;

class ResultsTableContractTest : public VezGridTest {
protected:
    void SetUp() override
    {
        VezGridTest::SetUp();
        grid->SetColCount(Cols);
        grid->SetRowCount(Rows);
        grid->SetFixedRows(0);
        grid->SetFixedCols(0);
        grid->SetDefaultColWidth(28);
        grid->SetDefaultRowHeight(15);
        grid->SetColor(plat::clWhite);
        Show();
    }

    void Clear()
    {
        for (int C = 0; C < Cols; ++C)
            for (int R = 0; R < Rows; ++R)
                grid->SetCellText(C, R, "");
    }

    // One computation: column 0 titled, then hours 0 .. 24 into columns 1 .. 25.
    void Fill(const std::string& Tag)
    {
        for (int R = 0; R < Rows; ++R)
            grid->SetCellText(0, R, "title " + std::to_string(R));
        for (int Hour = 0; Hour <= 24; ++Hour)
            for (int R = 0; R < Rows; ++R)
                grid->SetCellText(Hour + 1, R, Tag + std::to_string(Hour) + "x" + std::to_string(R) + "m");
    }

    void Colour(int CurrentHour)
    {
        grid->SetColWidths(0, 36);
        for (int C = 1; C <= 24; ++C)
            for (int R = 0; R <= 15; ++R)
                grid->SetCellColor(C, R, (C + R) % 2 ? plat::clGreen : plat::clAqua);
        for (int R = 16; R < Rows; ++R)
            grid->SetRowColor(R, plat::clSilver);
        for (int R = 16; R < Rows; ++R)
            grid->SetRowFontColor(R, plat::clNavy);
        const int Col = CurrentHour + 1;
        grid->SetCellFontColor(Col, 16, plat::clBlack);
        for (int R = 16; R < Rows; ++R) {
            grid->SetCellColor(Col, R, plat::clYellow);
            grid->SetCellFontColor(0, R, plat::clBlack);
            grid->SetCellFontStyle(Col, R, {plat::fsBold});
            grid->SetCellFontStyle(0, R, {plat::fsBold});
        }
        for (int R = 0; R <= 16; ++R)
            grid->SetCellFontColor(0, R, plat::clWhite);
    }

    // The look the painter gets for a cell.
    void Look(int ACol, int ARow, plat::TColor& Background, plat::TFont& Font)
    {
        plat::TBrush Brush;
        Brush.SetColor(grid->GetColor());
        Font.Assign(grid->Font());
        grid->QueryCellColor(ACol, ARow, Font, Brush, {});
        Background = Brush.GetColor();
    }
};

TEST_F(ResultsTableContractTest, ComputationsFillColourAndRefillTheTable)
{
    Clear();
    Fill("a");
    EXPECT_EQ(grid->GetCellText(1, 0), "a0x0m");
    EXPECT_EQ(grid->GetCellText(24, 19), "a23x19m");
    EXPECT_EQ(grid->GetCellText(25, 7), "a24x7m") << "the column past the grid keeps its text";
    EXPECT_TRUE(grid->CellRect(25, 7).IsEmpty()) << "and is not shown";
    EXPECT_EQ(grid->GetColCount(), Cols);

    Colour(13);
    EXPECT_EQ(grid->GetColWidths(0), 36);
    EXPECT_EQ(grid->GetColWidths(1), 28);
    plat::TColor Background = 0;
    plat::TFont Font;
    Look(3, 4, Background, Font);
    EXPECT_EQ(Background, plat::clGreen);
    Look(5, 17, Background, Font);
    EXPECT_EQ(Background, plat::clSilver);
    EXPECT_EQ(Font.GetColor(), plat::clNavy);
    EXPECT_FALSE(Font.GetStyle().Contains(plat::fsBold));
    Look(14, 18, Background, Font);
    EXPECT_EQ(Background, plat::clYellow);
    EXPECT_EQ(Font.GetColor(), plat::clNavy);
    EXPECT_TRUE(Font.GetStyle().Contains(plat::fsBold));
    Look(14, 16, Background, Font);
    EXPECT_EQ(Font.GetColor(), plat::clBlack);
    Look(0, 16, Background, Font);
    EXPECT_EQ(Font.GetColor(), plat::clWhite);
    EXPECT_TRUE(Font.GetStyle().Contains(plat::fsBold));
    Look(0, 18, Background, Font);
    EXPECT_EQ(Font.GetColor(), plat::clBlack);

    // The next computation clears and refills; the colours stay until it colours again.
    Clear();
    EXPECT_EQ(grid->GetCellText(3, 4), "");
    EXPECT_EQ(grid->GetCellColor(3, 4), plat::clGreen);
    Fill("b");
    Colour(2);
    EXPECT_EQ(grid->GetCellText(25, 0), "b24x0m");
    Look(3, 18, Background, Font);
    EXPECT_EQ(Background, plat::clYellow);
    Look(14, 18, Background, Font);
    EXPECT_EQ(Background, plat::clSilver);
    EXPECT_TRUE(Font.GetStyle().Contains(plat::fsBold)) << "styles persist until overwritten";

    for (int R = 16; R < Rows; ++R) {
        grid->SetRowColor(R, plat::clNone);
        grid->SetRowFontColor(R, plat::clNone);
    }
    Look(5, 17, Background, Font);
    EXPECT_EQ(Background, plat::clWhite);
    EXPECT_EQ(Font.GetColor(), grid->Font().GetColor());
    Look(3, 18, Background, Font);
    EXPECT_TRUE(Font.GetStyle().Contains(plat::fsBold)) << "clearing colours keeps the bold hour";
}

TEST_F(ResultsTableContractTest, RefusedCellSelectionLeavesTheCurrentCell)
{
    Fill("a");
    std::vector<std::string> Asked;
    bool Allow = true;
    grid->OnSelectCell = [&](plat::TObject*, int ACol, int ARow, bool& CanSelect) {
        Asked.push_back(std::to_string(ACol) + "," + std::to_string(ARow));
        CanSelect = Allow;
    };
    grid->MoveToCell(5, 6);
    EXPECT_EQ(grid->GetCol(), 5);
    EXPECT_EQ(grid->GetRow(), 6);
    Allow = false;
    grid->MoveToCell(7, 2);
    EXPECT_EQ(grid->GetCol(), 5);
    EXPECT_EQ(grid->GetRow(), 6);
    EXPECT_EQ(Asked, (std::vector<std::string>{"5,6", "7,2"}));
    EXPECT_EQ(grid->GetCurrentCellText(), "a4x6m");
}

}  // namespace
}  // namespace skelda::grid::testing
