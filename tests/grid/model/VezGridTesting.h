#pragma once

// What the string grid's tests share: a grid that counts its cell repaints and opens its
// protected hooks, a fixture with a form around it, and the check that merged blocks are sound.

#include "grid/model/TVezEzuzorEvad.h"
#include "platform/controls/forms/TApplication.h"
#include "platform/controls/forms/TForm.h"
#include "platform/testing/UiTestEnvironment.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace skelda::grid::testing {

class TProbeGrid : public TVezEzuzorEvad {
public:
    using TVezEzuzorEvad::TVezEzuzorEvad;
    using TVezEzuzorEvad::Click;
    using TVezEzuzorEvad::GetCellPropertyDefaults;

    void RepaintCell(int ACol, int ARow) override
    {
        ++CellRepaints;
        TVezEzuzorEvad::RepaintCell(ACol, ARow);
    }
    void SetCellText(int ACol, int ARow, const std::string& Value) override
    {
        if (OnWrite)
            OnWrite(ACol, ARow);
        TVezEzuzorEvad::SetCellText(ACol, ARow, Value);
    }

    int CellRepaints = 0;
    std::function<void(int ACol, int ARow)> OnWrite;
};

// Every covered cell points at a base whose block covers it, and every block lies inside the
// grid.
inline void ExpectSoundBlocks(const TBaseGrid& Grid)
{
    const int Cols = Grid.GetColCount();
    const int Rows = Grid.GetRowCount();
    const std::vector<plat::TGridRect> Blocks = Grid.MergedCells().Blocks();
    for (const plat::TGridRect& Block : Blocks) {
        EXPECT_TRUE(Block.Left >= 0 && Block.Top >= 0 && Block.Right < Cols && Block.Bottom < Rows);
        for (int C = Block.Left; C <= Block.Right; ++C)
            for (int R = Block.Top; R <= Block.Bottom; ++R) {
                EXPECT_EQ(Grid.BaseCell(C, R), (plat::TPoint{Block.Left, Block.Top})) << C << "," << R;
                EXPECT_EQ(Grid.MergedCells().FullCell(C, R), Block) << C << "," << R;
            }
    }
    for (int C = 0; C < Cols; ++C)
        for (int R = 0; R < Rows; ++R) {
            const TCellProperties* Record = Grid.FindCellProperties(C, R);
            if (!Record || (Record->GetIsBaseCell() && Record->GetCellSpanX() == -1))
                continue;
            const plat::TPoint Base = Record->GetBaseCell(C, R);
            const plat::TGridRect Block = Grid.MergedCells().FullCell(Base.X, Base.Y);
            EXPECT_TRUE(Block.Contains(C, R)) << C << "," << R;
        }
}

// A probe grid on a form, parented and shown when the test asks for a window.
class VezGridTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form->SetBounds(0, 0, 800, 600);
        grid = new TProbeGrid(form);
    }
    void Show()
    {
        grid->SetParent(form);
        form->Show();
    }

    plat::testing::UiTestEnvironment ui;
    plat::TForm* form = new plat::TForm(plat::Application);
    TProbeGrid* grid = nullptr;
};

}  // namespace skelda::grid::testing
