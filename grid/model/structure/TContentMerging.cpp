#include "grid/model/structure/TContentMerging.h"

#include "grid/model/structure/TLineInsertion.h"
#include "grid/model/structure/TStructureHost.h"
#include "grid/text/TextTrim.h"

namespace skelda::grid {

void TContentMerging::MergeColumnCells(int ColIndex, bool MainMerge)
{
    const int Last = FHost.RowCount() - FHost.FixedFooters() - 1;
    int Start = FHost.FixedRows();
    for (int R = Start + 1; R <= Last + 1; ++R) {
        const bool RunGoesOn = R <= Last && FHost.CellText(ColIndex, R) == FHost.CellText(ColIndex, R - 1) &&
                               (MainMerge || FHost.RowSpanIdentical(R, R - 1));
        if (RunGoesOn)
            continue;
        if (R - Start > 1)
            FHost.MergeCells(ColIndex, Start, 1, R - Start);
        Start = R;
    }
}

void TContentMerging::MergeRowCells(int RowIndex, bool MainMerge)
{
    const int Last = FHost.ColCount() - FHost.FixedRightCols() - 1;
    int Start = FHost.FixedCols();
    for (int C = Start + 1; C <= Last; ++C) {
        if (FHost.CellText(C, RowIndex) == FHost.CellText(C - 1, RowIndex) &&
            (MainMerge || FHost.ColSpanIdentical(C, C - 1)))
            continue;
        FHost.MergeCells(Start, RowIndex, C - Start, 1);
        Start = C;
    }
    if (Last + 1 - Start > 1)
        FHost.MergeCells(Start, RowIndex, Last + 1 - Start, 1);
}

void TContentMerging::SplitColumnCells(int ColIndex)
{
    for (int R = 0; R < FHost.RowCount() - FHost.FixedFooters();) {
        const int Span = FHost.CellSpan(ColIndex, R).Y;
        if (Span > 0)
            FHost.SplitCells(ColIndex, R);
        R += Span + 1;
    }
}

void TContentMerging::SplitRowCells(int RowIndex)
{
    for (int C = 0; C < FHost.ColCount() - FHost.FixedRightCols();) {
        const int Span = FHost.CellSpan(C, RowIndex).X;
        if (FHost.IsMergedCell(C, RowIndex))
            FHost.SplitCells(C, RowIndex);
        C += Span + 1;
    }
}

void TContentMerging::SplitAllCells()
{
    for (int R = 0; R < FHost.RowCount(); ++R)
        for (int C = 0; C < FHost.ColCount(); ++C)
            if (FHost.IsMergedCell(C, R))
                FHost.SplitCells(C, R);
}

void TContentMerging::MergeCols(int ColIndex1, int ColIndex2, const std::string& Separator)
{
    for (int R = FHost.FixedRows(); R < FHost.RowCount(); ++R) {
        const std::string Joined =
            std::string(TrimText(FHost.CellText(ColIndex1, R))) + Separator + FHost.CellText(ColIndex2, R);
        FHost.SetCellText(ColIndex1, R, Joined);
    }
    FLines.RemoveCols(ColIndex2, 1);
}

}  // namespace skelda::grid
