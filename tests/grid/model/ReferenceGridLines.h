#pragma once

// A plain-list model of the string grid's lines, stepped beside a real grid: every row is a
// labelled entry in real order with its height and whether (and by which filter pass) it is
// hidden, every column a labelled entry in real order with its hidden flag. A cell holds the
// text "r<row>c<column>" of its row's and column's labels, and column 0's first label carries a
// record with the row's label as its cell object. Steps are numbered so that fuzzers and random
// tests drive both alike; a new step is one more case in Step.

#include "grid/model/TVezEzuzorEvad.h"
#include "grid/support/TIntList.h"

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace skelda::grid::testing {

class TReferenceGridLines {
public:
    static constexpr int StepKinds = 14;

    TReferenceGridLines(TVezEzuzorEvad& AGrid, int ACols, int ARows) : FGrid(AGrid)
    {
        FGrid.SetColCount(ACols);
        FGrid.SetRowCount(ARows);
        for (int C = 0; C < ACols; ++C)
            FCols.push_back({C, false});
        for (int R = 0; R < ARows; ++R)
            FRows.push_back({FNextRow++, 20 + R % 7, -1, true});
        for (int R = 0; R < ARows; ++R)
            Fill(R, FRows[static_cast<std::size_t>(R)]);
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
            const auto ShownCols = std::count_if(FCols.begin(), FCols.end(), [](const Col_& E) { return !E.Hidden; });
            if (!FCols[static_cast<std::size_t>(Col)].Hidden && ShownCols > 1)
                FCols[static_cast<std::size_t>(Col)].Hidden = true;
            FGrid.HideColumn(Col);
            return "hide column " + std::to_string(Col);
        }
        case 6: {
            const int Col = A % static_cast<int>(FCols.size());
            FCols[static_cast<std::size_t>(Col)].Hidden = false;
            FGrid.UnHideColumn(Col);
            return "unhide column " + std::to_string(Col);
        }
        case 7: {
            // One or two rows opened at display row D: they take the real place of the row shown
            // there, after any hidden rows before it.
            const int D = A % (Shown() + 1);
            const int Count = 1 + B % 2;
            const int Real = D < Shown() ? RealOf(D) : Total;
            FGrid.InsertRows(D, Count);
            for (int K = 0; K < Count; ++K) {
                const Row New{FNextRow++, 30 + K, -1, false};
                FRows.insert(FRows.begin() + Real + K, New);
                Fill(D + K, New);
            }
            return "insert " + std::to_string(Count) + " at " + std::to_string(D);
        }
        case 8: {
            const int D = A % std::max(Shown(), 1);
            const int Count = std::min(1 + B % 3, Shown() - D);
            if (Shown() - Count < 2)
                return "keep the rows";
            std::vector<int> Real;
            for (int K = 0; K < Count; ++K)
                Real.push_back(RealOf(D + K));
            for (auto It = Real.rbegin(); It != Real.rend(); ++It)
                FRows.erase(FRows.begin() + *It);
            FGrid.RemoveRows(D, Count);
            return "remove " + std::to_string(Count) + " at " + std::to_string(D);
        }
        case 9:
        case 10: {
            // A shown row moved or two exchanged; the hidden rows keep their real places.
            const int D1 = A % Shown();
            const int D2 = B % Shown();
            std::vector<int> Slots;
            std::vector<Row> Order;
            for (int R = 0; R < Total; ++R)
                if (FRows[static_cast<std::size_t>(R)].Level < 0) {
                    Slots.push_back(R);
                    Order.push_back(FRows[static_cast<std::size_t>(R)]);
                }
            if (AKind == 9) {
                const Row Moved = Order[static_cast<std::size_t>(D1)];
                Order.erase(Order.begin() + D1);
                Order.insert(Order.begin() + D2, Moved);
                FGrid.MoveRow(D1, D2);
            } else {
                std::swap(Order[static_cast<std::size_t>(D1)], Order[static_cast<std::size_t>(D2)]);
                FGrid.SwapRows(D1, D2);
            }
            for (std::size_t I = 0; I < Slots.size(); ++I)
                FRows[static_cast<std::size_t>(Slots[I])] = Order[I];
            return (AKind == 9 ? "move row " : "swap rows ") + std::to_string(D1) + ", " + std::to_string(D2);
        }
        case 11: {
            // A shown column moved: its cells go from real column RF to RT with its hidden
            // neighbours keeping their order around it.
            const int Cols = FGrid.GetColCount();
            const int D1 = A % Cols;
            const int D2 = B % Cols;
            const int RF = FGrid.RealColIndex(D1);
            const int RT = FGrid.RealColIndex(D2);
            const Col_ Moved = FCols[static_cast<std::size_t>(RF)];
            FCols.erase(FCols.begin() + RF);
            FCols.insert(FCols.begin() + RT, Moved);
            FGrid.MoveColumn(D1, D2);
            return "move column " + std::to_string(D1) + ", " + std::to_string(D2);
        }
        case 12: {
            // Two rows of a shown column other than the record's merged into a block.
            const int Cols = FGrid.GetColCount();
            const int Col = FGrid.RealColIndex(A % Cols);
            const int D = B % Shown();
            if (FCols[static_cast<std::size_t>(Col)].Id != 0 && D + 1 < Shown())
                FGrid.MergeCells(Col, D, 1, 2);
            return "merge column " + std::to_string(Col) + " rows " + std::to_string(D) + "..+1";
        }
        default:
            FGrid.SplitAllCells();
            return "split all";
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
        for (int Real = 0; Real < static_cast<int>(FRows.size()); ++Real) {
            const Row& R = FRows[static_cast<std::size_t>(Real)];
            const bool Hidden = R.Level >= 0;
            if (Hidden != FGrid.IsHiddenRow(Real))
                return "row " + std::to_string(R.Id) + " hidden flag at real " + std::to_string(Real);
            for (int C = 0; C < static_cast<int>(FCols.size()); ++C) {
                const std::string Text = Hidden ? FGrid.GetAllCellText(C, Real) : FGrid.GetRawCell(C, D);
                if (Text != Label(R, C))
                    return "row " + std::to_string(R.Id) + " column " + std::to_string(C) + " holds " + Text;
            }
            if (Hidden)
                continue;
            if (R.HasObject && FGrid.GetCellObject(RecordCol(), D) != R.Id)
                return "record of row " + std::to_string(R.Id);
            if (FGrid.GetRowHeights(D) != R.HeightPx)
                return "height of row " + std::to_string(R.Id);
            ++D;
        }
        int Displ = 0;
        for (std::size_t C = 0; C < FCols.size(); ++C) {
            if (FCols[C].Hidden != FGrid.IsHiddenColumn(static_cast<int>(C)))
                return "column " + std::to_string(C) + " hidden flag";
            if (!FCols[C].Hidden && FGrid.RealColIndex(Displ++) != static_cast<int>(C))
                return "column " + std::to_string(C) + " map";
        }
        return BlockMismatch();
    }

private:
    struct Row {
        int Id;
        int HeightPx;
        int Level;  // -1 shown, 0 hidden otherwise, 1.. the filter pass
        bool HasObject;
    };
    struct Col_ {
        int Id;
        bool Hidden;
    };

    std::string Label(const Row& R, int ARealCol) const
    {
        return "r" + std::to_string(R.Id) + "c" + std::to_string(FCols[static_cast<std::size_t>(ARealCol)].Id);
    }
    int RecordCol() const
    {
        for (std::size_t C = 0; C < FCols.size(); ++C)
            if (FCols[C].Id == 0)
                return static_cast<int>(C);
        return 0;
    }
    // Writes a shown row's cells as the model has them, at display row D.
    void Fill(int D, const Row& R)
    {
        for (int C = 0; C < static_cast<int>(FCols.size()); ++C)
            FGrid.SetRawCell(C, D, Label(R, C));
        if (R.HasObject)
            FGrid.SetCellObject(RecordCol(), D, R.Id);
        FGrid.SetRowHeights(D, R.HeightPx);
    }
    // Every block lies inside the shown rows and all columns, no two share a cell, and each of
    // its cells leads to its base.
    std::string BlockMismatch() const
    {
        std::set<std::pair<int, int>> Taken;
        for (const plat::TGridRect& B : FGrid.MergedCells().Blocks()) {
            if (B.Left < 0 || B.Top < 0 || B.Right >= FGrid.TotalColCount() || B.Bottom >= FGrid.GetRowCount())
                return "block at " + std::to_string(B.Left) + "," + std::to_string(B.Top) + " reaches outside";
            for (int C = B.Left; C <= B.Right; ++C)
                for (int R = B.Top; R <= B.Bottom; ++R) {
                    if (!Taken.insert({C, R}).second)
                        return "cell " + std::to_string(C) + "," + std::to_string(R) + " in two blocks";
                    if (FGrid.BaseCell(C, R) != plat::TPoint{B.Left, B.Top})
                        return "cell " + std::to_string(C) + "," + std::to_string(R) + " lost its base";
                }
        }
        return {};
    }
    int Shown() const
    {
        return static_cast<int>(std::count_if(FRows.begin(), FRows.end(), [](const Row& R) { return R.Level < 0; }));
    }
    int RealOf(int ADispl) const
    {
        for (std::size_t I = 0; I < FRows.size(); ++I)
            if (FRows[I].Level < 0 && ADispl-- == 0)
                return static_cast<int>(I);
        return -1;
    }

    TVezEzuzorEvad& FGrid;
    std::vector<Row> FRows;
    std::vector<Col_> FCols;
    int FPasses = 0;
    int FNextRow = 0;
};

}  // namespace skelda::grid::testing
