#include "grid/model/structure/TBulkRemoval.h"

#include "grid/model/structure/TLineInsertion.h"
#include "grid/model/structure/TStructureHost.h"
#include "grid/support/TControlList.h"
#include "platform/core/Utf8.h"

#include <algorithm>
#include <functional>
#include <string>
#include <utility>

namespace skelda::grid {

namespace {

// The lines First .. End - 1 that Pick takes.
template <typename Pred>
std::vector<int> LinesWhere(int First, int End, Pred Pick)
{
    std::vector<int> Lines;
    for (int I = First; I < End; ++I)
        if (Pick(I))
            Lines.push_back(I);
    return Lines;
}

// The lines between two ends given in either order, cut to the grid.
std::vector<int> LinesBetween(int A, int B, int Count)
{
    return LinesWhere(std::max(std::min(A, B), 0), std::min(std::max(A, B) + 1, Count), [](int) { return true; });
}

}  // namespace

// The rows are sorted by the hash of their text, then by row: a text's earlier rows come first
// among the few of equal hash, and no text is allocated twice (a hash set of a million texts
// spends most of its time allocating, a sort by text comparing).
void TBulkRemoval::RemoveDuplicates(int ACol, bool DoCase)
{
    const int Col = FHost.RealColIndex(ACol);
    const int First = FHost.FixedRows();
    const int End = std::max(FHost.RowCount() - FHost.FixedFooters(), First);
    std::vector<std::string> Texts;
    std::vector<std::pair<std::size_t, int>> Keys;
    Texts.reserve(static_cast<std::size_t>(End - First));
    Keys.reserve(Texts.capacity());
    for (int R = First; R < End; ++R) {
        std::string Text = FHost.CellText(Col, R);
        Texts.push_back(DoCase ? std::move(Text) : plat::Utf8UpperCase(Text));
        Keys.emplace_back(std::hash<std::string>{}(Texts.back()), R);
    }
    std::sort(Keys.begin(), Keys.end());
    const auto TextOf = [&](std::size_t I) -> const std::string& {
        return Texts[static_cast<std::size_t>(Keys[I].second - First)];
    };
    std::vector<int> Rows;
    for (std::size_t Run = 0; Run < Keys.size();) {
        std::size_t RunEnd = Run + 1;
        while (RunEnd < Keys.size() && Keys[RunEnd].first == Keys[Run].first)
            ++RunEnd;
        for (std::size_t I = Run + 1; I < RunEnd; ++I)
            for (std::size_t J = Run; J < I; ++J)
                if (TextOf(J) == TextOf(I)) {
                    Rows.push_back(Keys[I].second);
                    break;
                }
        Run = RunEnd;
    }
    std::sort(Rows.begin(), Rows.end());
    RemoveRowsAt(Rows);
}

bool TBulkRemoval::IsRowSelected(int ARow) const
{
    return FHost.RowSelected(FHost.RowSelectPersistent() ? FHost.RealRowIndex(ARow) : ARow);
}

void TBulkRemoval::RemoveSelectedRows()
{
    const plat::TGridRect Sel = FHost.Selection();
    RemoveRowsAt(FHost.DisjunctRowSelect()
                     ? LinesWhere(FHost.FixedRows(), FHost.RowCount() - FHost.FixedFooters(),
                                  [this](int R) { return IsRowSelected(R); })
                     : LinesBetween(Sel.Top, Sel.Bottom, FHost.RowCount()));
    if (FHost.DisjunctRowSelect())
        FHost.ClearRowSelect();
}

void TBulkRemoval::RemoveUnSelectedRows()
{
    RemoveRowsAt(LinesWhere(FHost.FixedRows(), FHost.RowCount() - FHost.FixedFooters(),
                            [this](int R) { return !IsRowSelected(R); }));
    if (FHost.RowSelectPersistent())
        FHost.SelectRows(FHost.FixedRows(), FHost.RowCount() - FHost.FixedRows() - FHost.FixedFooters());
    else
        FHost.ClearRowSelect();
}

void TBulkRemoval::RemoveRowsAt(const std::vector<int>& ASortedRows)
{
    if (ASortedRows.empty())
        return;
    std::vector<int> RealRows(ASortedRows.size());
    std::transform(ASortedRows.begin(), ASortedRows.end(), RealRows.begin(),
                   [this](int R) { return FHost.RealRowIndex(R); });
    FHost.BeginUpdate();
    FHost.RemoveRowLines(ASortedRows, true);
    FHost.RowsRemoved(RealRows);
    FHost.EndUpdate();
    FHost.CellsChanged({0, ASortedRows.front(), FHost.ColCount() - 1, ASortedRows.back()});
    if (FHost.CellControls().Count() > 0)
        FHost.CellControlsUpdate();
}

void TBulkRemoval::RemoveSelectedCols()
{
    const plat::TGridRect Sel = FHost.Selection();
    RemoveColumns(FHost.DisjunctColSelect()
                      ? LinesWhere(FHost.FixedCols(), FHost.ColCount(), [this](int C) { return FHost.ColSelected(C); })
                      : LinesBetween(Sel.Left, Sel.Right, FHost.ColCount()));
    if (FHost.DisjunctColSelect())
        FHost.ClearColSelect();
}

void TBulkRemoval::RemoveUnSelectedCols()
{
    const plat::TGridRect Sel = FHost.Selection();
    const int Left = std::min(Sel.Left, Sel.Right);
    const int Right = std::max(Sel.Left, Sel.Right);
    RemoveColumns(LinesWhere(FHost.FixedCols(), FHost.ColCount(), [&](int C) {
        return !(FHost.DisjunctColSelect() ? FHost.ColSelected(C) : C >= Left && C <= Right);
    }));
    FHost.ClearColSelect();
}

void TBulkRemoval::RemoveColumns(const std::vector<int>& ASortedCols)
{
    FHost.BeginUpdate();
    for (auto It = ASortedCols.rbegin(); It != ASortedCols.rend();) {
        const int Last = *It;
        int First = Last;
        for (++It; It != ASortedCols.rend() && *It == First - 1; ++It)
            First = *It;
        FLines.RemoveCols(FHost.RealColIndex(First), Last - First + 1);
    }
    FHost.EndUpdate();
}

}  // namespace skelda::grid
