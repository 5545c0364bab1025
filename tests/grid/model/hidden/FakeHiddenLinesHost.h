#pragma once

// A grid of labelled rows without a window for the hidden rows and columns: display rows are
// row objects of a cell store with their heights, column widths a list, the row selection a
// set; every take and put is recorded.

#include "grid/model/hidden/THiddenLinesHost.h"
#include "grid/support/TGridItem.h"
#include "platform/grids/BatchLines.h"
#include "platform/grids/TGridCellStore.h"

#include <set>
#include <string>
#include <vector>

namespace skelda::grid::testing {

class TFakeHiddenLinesHost final : public THiddenLinesHost {
public:
    // Rows "r0" .. in column 0, each as high as 10 + its number; columns 60 + their number wide.
    TFakeHiddenLinesHost(int ACols, int ARows)
    {
        for (int C = 0; C < ACols; ++C)
            Widths.push_back(60 + C);
        for (int R = 0; R < ARows; ++R) {
            Store.SetText(0, R, "r" + std::to_string(R));
            Heights.push_back(10 + R);
        }
    }

    int RowCount() const override { return static_cast<int>(Heights.size()); }
    int ColCount() const override { return static_cast<int>(Widths.size()); }
    int FixedRows() const override { return Fixed; }
    int FixedCols() const override { return FixedColumns; }
    bool FixedRowAlways() const override { return RowAlways; }
    bool FixedColAlways() const override { return ColAlways; }
    int CurrentCol() const override { return Current.Right; }
    int CurrentRow() const override { return Current.Bottom; }
    plat::TGridRect Selection() const override { return Current; }
    void SetSelection(const plat::TGridRect& Value) override { Current = Value; }
    int ColWidth(int ADisplCol) const override { return Widths.at(static_cast<std::size_t>(ADisplCol)); }
    void SetColWidth(int ADisplCol, int AWidthPx) override { Widths.at(static_cast<std::size_t>(ADisplCol)) = AWidthPx; }
    void SetColCount(int ACount) override { Widths.resize(static_cast<std::size_t>(ACount), 64); }
    void HideEditor() override {}
    void RepaintGrid() override {}
    bool RowSelected(int ADisplRow) const override { return Selected.count(Label(ADisplRow)) > 0; }
    std::vector<std::unique_ptr<TGridItem>> TakeRowsOut(std::span<const int> ARows) override
    {
        ++Takes;
        std::vector<std::unique_ptr<plat::TGridRow>> Rows = Store.TakeRows(ARows);
        std::vector<int> Taken = plat::TakeLines(Heights, ARows);
        std::vector<std::unique_ptr<TGridItem>> Items;
        for (std::size_t I = 0; I < Rows.size(); ++I) {
            Items.push_back(std::make_unique<TGridItem>(std::move(Rows[I])));
            Items.back()->SetHeight(Taken[I]);
        }
        return Items;
    }
    void PutRowsBack(std::span<const int> AFinal, std::vector<std::unique_ptr<TGridItem>> AItems) override
    {
        ++Puts;
        std::vector<std::unique_ptr<plat::TGridRow>> Rows;
        std::vector<int> HeightsPx;
        for (const std::unique_ptr<TGridItem>& Item : AItems) {
            Rows.push_back(Item->TakeRow());
            HeightsPx.push_back(Item->GetHeight() < 0 ? 24 : Item->GetHeight());
        }
        Store.PutRows(AFinal, std::move(Rows));
        plat::PutLines(Heights, AFinal, std::move(HeightsPx));
    }
    void CellControlsUpdate() override {}

    std::string Label(int ADisplRow) const { return Store.GetText(0, ADisplRow); }
    // The labels of the display rows.
    std::vector<std::string> Labels() const
    {
        std::vector<std::string> Result;
        for (int R = 0; R < RowCount(); ++R)
            Result.push_back(Label(R));
        return Result;
    }

    plat::TGridCellStore Store;
    std::vector<int> Heights;
    std::vector<int> Widths;
    std::set<std::string> Selected;
    int Fixed = 1;
    int FixedColumns = 1;
    bool RowAlways = false;
    bool ColAlways = false;
    // The current cell is the selection's bottom right.
    plat::TGridRect Current{1, 1, 1, 1};
    int Takes = 0;
    int Puts = 0;
};

}  // namespace skelda::grid::testing
