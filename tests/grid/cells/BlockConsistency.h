#pragma once

// The one check that merged blocks are sound, for every grid that keeps them: the fake grid of
// the merged-cell and record tests as well as the base grid and the string grid. The tests run
// it after every change that may touch a block.

#include "grid/cells/TBaseGrid.h"
#include "grid/cells/TCellGridHost.h"
#include "grid/cells/TCellProperties.h"
#include "grid/cells/TMergedCells.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

namespace skelda::grid::testing {

// Every indexed block lies inside the grid and no two share a cell; a cell carries merge data in
// its record exactly when it lies in a block, and then its record, the base cell lookup and the
// block lookup all name that block.
inline void ExpectConsistentBlocks(const TCellGridHost& Grid, const TMergedCells& Merged)
{
    const int Cols = Grid.RecordColCount();
    const int Rows = Grid.RecordRowCount();
    const auto Name = [](int ACol, int ARow) { return "cell " + std::to_string(ACol) + "," + std::to_string(ARow); };
    const std::vector<plat::TGridRect> Blocks = Merged.Blocks();
    std::vector<int> Owner(static_cast<std::size_t>(Cols) * static_cast<std::size_t>(Rows), -1);
    for (std::size_t B = 0; B < Blocks.size(); ++B) {
        const plat::TGridRect& Block = Blocks[B];
        ASSERT_TRUE(Block.Left >= 0 && Block.Top >= 0 && Block.Right < Cols && Block.Bottom < Rows)
            << "block at " << Block.Left << "," << Block.Top << " reaches outside the grid";
        for (int C = Block.Left; C <= Block.Right; ++C)
            for (int R = Block.Top; R <= Block.Bottom; ++R) {
                int& Cell = Owner[static_cast<std::size_t>(R) * static_cast<std::size_t>(Cols) + C];
                EXPECT_EQ(Cell, -1) << Name(C, R) << " in two blocks";
                Cell = static_cast<int>(B);
            }
    }
    for (int C = 0; C < Cols; ++C)
        for (int R = 0; R < Rows; ++R) {
            const TCellProperties* Record = Grid.FindCellProperties(C, R);
            const int Block = Owner[static_cast<std::size_t>(R) * static_cast<std::size_t>(Cols) + C];
            const bool InBlock = Record && (!Record->GetIsBaseCell() || Record->GetCellSpanX() != -1);
            ASSERT_EQ(InBlock, Block != -1) << Name(C, R);
            if (Block == -1)
                continue;
            const plat::TGridRect& Expected = Blocks[static_cast<std::size_t>(Block)];
            const plat::TPoint Base{Expected.Left, Expected.Top};
            EXPECT_EQ(Record->GetBaseCell(C, R), Base) << Name(C, R);
            EXPECT_EQ(Merged.BaseCell(C, R), Base) << Name(C, R);
            EXPECT_EQ(Merged.FullCell(C, R), Expected) << Name(C, R);
        }
}

inline void ExpectConsistentBlocks(const TBaseGrid& Grid)
{
    ExpectConsistentBlocks(Grid, Grid.MergedCells());
}

}  // namespace skelda::grid::testing
