#pragma once

// A plain-list model of hidden rows and columns, stepped beside a real grid: every row is a
// labelled entry with its height and whether (and by which filter pass) it is hidden, every
// column a flag. Steps are numbered so that fuzzers and random tests can drive both alike; a new
// step is one more case in Step.

#include "grid/model/TVezEzuzorEvad.h"
#include "grid/support/TIntList.h"

#include <algorithm>
#include <string>
#include <vector>

namespace skelda::grid::testing {

class THiddenLinesModel {
public:
    static constexpr int StepKinds = 7;

    // Rows "r<i>" in column 0 with a record holding i, i in column 1 of every row, heights 20 + i.
    THiddenLinesModel(TVezEzuzorEvad& AGrid, int ACols, int ARows) : FGrid(AGrid)
    {
        FGrid.SetColCount(ACols);
        FGrid.SetRowCount(ARows);
        for (int R = 0; R < ARows; ++R) {
            FGrid.SetCellText(0, R, "r" + std::to_string(R));
            FGrid.SetCellObject(0, R, R);
            FGrid.SetRowHeights(R, 20 + R % 7);
            FRows.push_back({R, 20 + R % 7, -1});
        }
        FCols.assign(static_cast<std::size_t>(ACols), false);
    }

    // One step of kind AKind (0 .. StepKinds - 1) with two arguments; a description of it.
    std::string Step(int AKind, int A, int B)
    {
        const int Total = static_cast<int>(FRows.size());
        const int From = std::min(A, B) % (Total + 2) - 1;
        const int To = From + std::abs(A - B) % 4;
        switch (AKind) {
        case 0: {
            std::vector<int> Range;
            for (int R = std::max(From, 0); R <= std::min(To, Total - 1); ++R)
                if (FRows[static_cast<std::size_t>(R)].Level < 0)
                    Range.push_back(R);
            if (static_cast<int>(Range.size()) < Shown())
                for (int R : Range)
                    FRows[static_cast<std::size_t>(R)].Level = 0;
            FGrid.HideRows(From, To);
            return "hide rows " + std::to_string(From) + ".." + std::to_string(To);
        }
        case 1:
            if (From >= 0 && From < Total && FRows[static_cast<std::size_t>(From)].Level >= 0)
                for (int R = From; R <= std::min(To, Total - 1); ++R)
                    FRows[static_cast<std::size_t>(R)].Level = -1;
            FGrid.UnHideRows(From, To);
            return "unhide rows " + std::to_string(From) + ".." + std::to_string(To);
        case 2: {
            // Display rows A and B (and one past the end) as a filter pass.
            TIntList List(-1, -1);
            std::vector<int> Real;
            for (int D : {A % (Shown() + 1), B % (Shown() + 1)}) {
                List.Add(D);
                if (D < Shown())
                    Real.push_back(RealOf(D));
            }
            std::sort(Real.begin(), Real.end());
            Real.erase(std::unique(Real.begin(), Real.end()), Real.end());
            ++FPasses;
            if (static_cast<int>(Real.size()) < Shown())
                for (int R : Real)
                    FRows[static_cast<std::size_t>(R)].Level = FPasses;
            FGrid.HideRowList(List);
            return "filter " + std::to_string(A) + ", " + std::to_string(B);
        }
        case 3:
            if (FPasses > 0) {
                for (Row& R : FRows)
                    if (R.Level == FPasses)
                        R.Level = -1;
                --FPasses;
            }
            FGrid.UnHideRowList();
            return "unfilter";
        case 4:
            for (Row& R : FRows)
                R.Level = -1;
            FGrid.UnHideRowsAll();
            return "unhide all rows";
        case 5: {
            const int Col = A % static_cast<int>(FCols.size());
            if (!FCols[static_cast<std::size_t>(Col)] && std::count(FCols.begin(), FCols.end(), false) > 1)
                FCols[static_cast<std::size_t>(Col)] = true;
            FGrid.HideColumn(Col);
            return "hide column " + std::to_string(Col);
        }
        default: {
            const int Col = A % static_cast<int>(FCols.size());
            FCols[static_cast<std::size_t>(Col)] = false;
            FGrid.UnHideColumn(Col);
            return "unhide column " + std::to_string(Col);
        }
        }
    }

    // "" when the grid shows what the model says, else the first difference.
    std::string Mismatch() const
    {
        if (FGrid.TotalRowCount() != static_cast<int>(FRows.size()) || FGrid.GetRowCount() != Shown())
            return "row counts " + std::to_string(FGrid.GetRowCount()) + " + " + std::to_string(FGrid.NumHiddenRows());
        if (FGrid.TotalColCount() != static_cast<int>(FCols.size()))
            return "column count";
        int D = 0;
        for (const Row& R : FRows) {
            const std::string Label = "r" + std::to_string(R.Id);
            if (R.Level >= 0) {
                if (FGrid.GetAllCellText(0, R.Id) != Label || !FGrid.IsHiddenRow(R.Id))
                    return "hidden row " + Label;
                continue;
            }
            if (FGrid.GetCellText(0, D) != Label || FGrid.GetCellObject(0, D) != R.Id || FGrid.GetRowHeights(D) != R.HeightPx)
                return "display row " + std::to_string(D) + " shows " + FGrid.GetCellText(0, D) + " for " + Label;
            ++D;
        }
        int Displ = 0;
        for (std::size_t C = 0; C < FCols.size(); ++C) {
            if (FCols[C] != FGrid.IsHiddenColumn(static_cast<int>(C)))
                return "column " + std::to_string(C) + " hidden flag";
            if (!FCols[C] && FGrid.RealColIndex(Displ++) != static_cast<int>(C))
                return "column " + std::to_string(C) + " map";
        }
        return {};
    }

private:
    struct Row {
        int Id;
        int HeightPx;
        int Level;  // -1 shown, 0 hidden otherwise, 1.. the filter pass
    };
    int Shown() const
    {
        return static_cast<int>(std::count_if(FRows.begin(), FRows.end(), [](const Row& R) { return R.Level < 0; }));
    }
    int RealOf(int ADispl) const
    {
        for (const Row& R : FRows)
            if (R.Level < 0 && ADispl-- == 0)
                return R.Id;
        return -1;
    }

    TVezEzuzorEvad& FGrid;
    std::vector<Row> FRows;
    std::vector<bool> FCols;
    int FPasses = 0;
};

}  // namespace skelda::grid::testing
