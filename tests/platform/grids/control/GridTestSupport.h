#pragma once

// What the grid control tests share: a shown form with a string grid that has the focus, and
// grids that open their protected hooks to the tests.

#include "platform/controls/forms/TApplication.h"
#include "platform/controls/forms/TForm.h"
#include "platform/grids/TStringGrid.h"
#include "platform/testing/UiTestEnvironment.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace plat::testing {

// A string grid whose protected operations the tests call.
class TOpenStringGrid : public TStringGrid {
public:
    using TStringGrid::TStringGrid;
    using TStringGrid::DeleteColumn;
    using TStringGrid::DeleteRow;
    using TStringGrid::GetScrollInfo;
    using TStringGrid::PutRows;
    using TStringGrid::TakeRows;

    // The editor's length limit, as GetEditLimit answers it.
    int EditLimit = 0;

protected:
    int GetEditLimit() override { return EditLimit; }
};

class GridTest : public ::testing::Test {
protected:
    // A grid of 5 x 5 cells of 64 x 24 pixels (the defaults) with the focus, on a shown form,
    // without frame and scroll bars, so that its client area is its whole bounds.
    void SetUp() override
    {
        form->SetBounds(0, 0, 800, 600);
        grid = new TOpenStringGrid(form);
        grid->SetBorderStyle(bsNone);
        grid->SetScrollBars(ssNone);
        grid->SetBounds(0, 0, 400, 300);
        grid->SetParent(form);
        form->Show();
        grid->SetFocus();
    }
    // The centre of a cell in view.
    TPoint At(int ACol, int ARow) const
    {
        const TRect r = grid->CellRect(ACol, ARow);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }

    UiTestEnvironment ui;
    TForm* form = new TForm(Application);
    TOpenStringGrid* grid = nullptr;
};

// Where the indexes of one axis lie on the screen, worked out the slow way: every index before
// it, skipping the scrolled ones above the first shown, adds its size and the line width; an
// index of size 0 adds nothing.
struct NaiveAxis {
    std::vector<int> SizesPx;
    int LineWidthPx = 1;
    int Fixed = 0;
    int First = 0;

    // The client position of an index, none for one scrolled out before First.
    std::optional<int> Start(int Index) const
    {
        if (Index >= Fixed && Index < First)
            return std::nullopt;
        int px = 0;
        for (int i = 0; i < Index; ++i)
            if ((i < Fixed || i >= First) && SizesPx[i] > 0)
                px += SizesPx[i] + LineWidthPx;
        return px;
    }
    // The index whose cell or line covers a client position, -1 for none.
    int IndexAt(int Px) const
    {
        for (int i = 0; i < static_cast<int>(SizesPx.size()); ++i) {
            const std::optional<int> start = Start(i);
            if (start && SizesPx[i] > 0 && *start <= Px && Px < *start + SizesPx[i] + LineWidthPx)
                return i;
        }
        return -1;
    }
};

}  // namespace plat::testing
