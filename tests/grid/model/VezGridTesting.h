#pragma once

// What the string grid's tests share: a grid that counts its cell repaints and opens its
// protected hooks and a fixture with a form around it.

#include "grid/model/TVezEzuzorEvad.h"
#include "platform/controls/forms/TApplication.h"
#include "platform/controls/forms/TForm.h"
#include "platform/testing/UiTestEnvironment.h"
#include "tests/grid/cells/BlockConsistency.h"

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
