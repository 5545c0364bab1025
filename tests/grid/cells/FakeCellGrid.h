#pragma once

// A grid that holds cell records and merged blocks without a window: texts and object slots in
// the library's cell store, repaints and focus moves recorded. The merged-cell, record and undo
// tests run on it; TBaseGrid is the program's implementation of the same questions.

#include "grid/cells/TCellGridHost.h"
#include "grid/cells/TCellProperties.h"
#include "grid/cells/TMergedCells.h"
#include "platform/core/TComponent.h"
#include "platform/grids/TGridCellStore.h"
#include "tests/grid/cells/BlockConsistency.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace skelda::grid::testing {

class TFakeCellGrid : public plat::TComponent, public TCellGridHost {
public:
    TFakeCellGrid(int AColCount, int ARowCount) : plat::TComponent(nullptr), FCols(AColCount), FRows(ARowCount) {}
    ~TFakeCellGrid() override
    {
        for (int C = 0; C < FCols; ++C)
            for (int R = 0; R < FRows; ++R)
                delete FindCellProperties(C, R);
    }

    int RecordColCount() const override { return FCols; }
    int RecordRowCount() const override { return FRows; }
    TCellProperties* FindCellProperties(int ACol, int ARow) const override
    {
        return static_cast<TCellProperties*>(Store.GetObject(ACol, ARow));
    }
    TCellProperties& GetCellProperties(int ACol, int ARow) override
    {
        if (TCellProperties* Existing = FindCellProperties(ACol, ARow))
            return *Existing;
        auto* Record = new TCellProperties(this, ACol, ARow);
        Store.SetObject(ACol, ARow, Record);
        return *Record;
    }
    void CellPropertiesCreated() override { ++Created; }
    std::string GetCellText(int ACol, int ARow) override
    {
        const plat::TPoint Base = Merged.BaseCell(ACol, ARow);
        return Store.GetText(Base.X, Base.Y);
    }
    void SetCellText(int ACol, int ARow, const std::string& Value) override
    {
        const plat::TPoint Base = Merged.BaseCell(ACol, ARow);
        Store.SetText(Base.X, Base.Y, Value);
        Writes.emplace_back(ACol, ARow);
    }
    int DisplColIndex(int ACol) const override { return ACol + DisplShift; }
    void FocusCell(int ACol, int ARow) override { Focus = {ACol, ARow}; }
    void RepaintCell(int ACol, int ARow) override { Repainted.emplace_back(ACol, ARow); }
    void RepaintGrid() override { ++GridRepaints; }
    plat::TComponent& GridComponent() override { return *this; }

    void ExpectConsistentBlocks() const { testing::ExpectConsistentBlocks(*this, Merged); }

    plat::TGridCellStore Store;
    TMergedCells Merged{*this};
    int Created = 0;
    int DisplShift = 0;
    int GridRepaints = 0;
    std::pair<int, int> Focus{-1, -1};
    std::vector<std::pair<int, int>> Repainted;
    std::vector<std::pair<int, int>> Writes;

private:
    int FCols;
    int FRows;
};

}  // namespace skelda::grid::testing
