#pragma once

// A grid of texts without a window for the structure operations: display rows of real columns,
// hidden rows (by real index, with their texts) and hidden columns, records as flags, merged
// blocks as rectangles. It answers the hidden lines' notices the way the hidden store must
// (shifting the hidden rows' indexes, dropping removed hidden columns) and records every notice.

#include "grid/model/structure/TGridStructure.h"
#include "grid/model/structure/TStructureHost.h"
#include "grid/support/TControlList.h"
#include "grid/support/TIntList.h"
#include "grid/support/TSortIndexList.h"

#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace skelda::grid::testing {

class TFakeStructureGrid : public TStructureHost {
public:
    struct TRow {
        std::vector<std::string> Texts;
        std::vector<bool> Records;
        int Height = 20;
    };

    // Rows of texts, one string per real column.
    explicit TFakeStructureGrid(const std::vector<std::vector<std::string>>& ARows)
    {
        Total = ARows.empty() ? 1 : static_cast<int>(ARows.front().size());
        for (const auto& Texts : ARows)
            Rows.push_back({Texts, std::vector<bool>(Texts.size(), false), 20});
        Hidden.assign(static_cast<std::size_t>(Total), false);
        Widths.assign(static_cast<std::size_t>(Total), 64);
    }

    // The texts of one real column over the display rows.
    std::vector<std::string> Column(int ACol) const
    {
        std::vector<std::string> Out;
        for (const TRow& Row : Rows)
            Out.push_back(Row.Texts[static_cast<std::size_t>(ACol)]);
        return Out;
    }
    // Column ACol with the hidden rows put back at their real places.
    std::vector<std::string> UnhiddenColumn(int ACol) const
    {
        std::vector<std::string> Out;
        auto Shown = Rows.begin();
        for (int Real = 0; Shown != Rows.end() || HiddenRows.lower_bound(Real) != HiddenRows.end(); ++Real) {
            if (auto It = HiddenRows.find(Real); It != HiddenRows.end())
                Out.push_back(It->second);
            else
                Out.push_back((Shown++)->Texts[static_cast<std::size_t>(ACol)]);
        }
        return Out;
    }
    void SetRecord(int ACol, int ARow) { Rows[static_cast<std::size_t>(ARow)].Records[static_cast<std::size_t>(ACol)] = true; }
    bool Record(int ACol, int ARow) const { return Rows[static_cast<std::size_t>(ARow)].Records[static_cast<std::size_t>(ACol)]; }

    // ---- TGridLinesHost
    int FixedCols() const override { return FixedColCount; }
    int FixedRows() const override { return FixedRowCount; }
    int ColCount() const override { return Total - NumHiddenColumns(); }
    int RowCount() const override { return static_cast<int>(Rows.size()); }
    int FixedRightCols() const override { return RightCols; }
    int FixedFooters() const override { return Footers; }
    int CurrentCol() const override { return Current.X; }
    int CurrentRow() const override { return Current.Y; }
    plat::TGridRect Selection() const override { return Sel; }

    // ---- Lines and maps
    int TotalColCount() const override { return Total; }
    int NumHiddenColumns() const override { return static_cast<int>(std::count(Hidden.begin(), Hidden.end(), true)); }
    int RealRowIndex(int ARow) const override
    {
        for (int Real = 0, Seen = -1;; ++Real)
            if (!HiddenRows.contains(Real) && ++Seen == ARow)
                return Real;
    }
    int RealColIndex(int ADisplCol) const override
    {
        for (int Real = 0, Seen = -1; Real < static_cast<int>(Hidden.size()); ++Real)
            if (!Hidden[static_cast<std::size_t>(Real)] && ++Seen == ADisplCol)
                return Real;
        return ADisplCol + NumHiddenColumns();
    }
    int DisplColIndex(int ACol) const override
    {
        int Displ = 0;
        for (int Real = 0; Real < ACol && Real < static_cast<int>(Hidden.size()); ++Real)
            Displ += Hidden[static_cast<std::size_t>(Real)] ? 0 : 1;
        return Displ;
    }
    int ColWidth(int ADisplCol) const override { return Widths[static_cast<std::size_t>(RealColIndex(ADisplCol))]; }
    void SetColWidth(int ADisplCol, int AWidth) override { Widths[static_cast<std::size_t>(RealColIndex(ADisplCol))] = AWidth; }
    int RowHeight(int ARow) const override { return Rows[static_cast<std::size_t>(ARow)].Height; }
    void SetRowHeight(int ARow, int AHeight) override { Rows[static_cast<std::size_t>(ARow)].Height = AHeight; }

    // ---- Cells
    const std::string& RawText(int ACol, int ARow) const override { return Rows[static_cast<std::size_t>(ARow)].Texts[static_cast<std::size_t>(ACol)]; }
    std::string CellText(int ACol, int ARow) override { return RawText(ACol, ARow); }
    void SetCellText(int ACol, int ARow, const std::string& Value) override
    {
        Rows[static_cast<std::size_t>(ARow)].Texts[static_cast<std::size_t>(ACol)] = Value;
    }
    bool HasRecord(int ACol, int ARow) const override { return Record(ACol, ARow); }
    void FreeRecord(int ACol, int ARow) override
    {
        Rows[static_cast<std::size_t>(ARow)].Records[static_cast<std::size_t>(ACol)] = false;
        ++Freed;
    }
    bool AnyRecordLeft() const override
    {
        return std::any_of(Rows.begin(), Rows.end(), [](const TRow& Row) {
            return std::find(Row.Records.begin(), Row.Records.end(), true) != Row.Records.end();
        });
    }
    void MarkRecordless() override { MarkedRecordless = true; }
    void SetCellColor(int ACol, int ARow, plat::TColor AColor) override { Colors[{ACol, ARow}] = AColor; }
    void RepaintCell(int ADisplCol, int ARow) override { Repainted.emplace_back(ADisplCol, ARow); }
    void RepaintGrid() override { ++GridRepaints; }

    // ---- Blocks
    const plat::TGridRect* BlockAt(int ACol, int ARow) const
    {
        for (const plat::TGridRect& B : Blocks)
            if (ACol >= B.Left && ACol <= B.Right && ARow >= B.Top && ARow <= B.Bottom)
                return &B;
        return nullptr;
    }
    bool MergeCells(int ACol, int ARow, int SpanX, int SpanY) override
    {
        Blocks.push_back({ACol, ARow, ACol + SpanX - 1, ARow + SpanY - 1});
        return true;
    }
    bool SplitCells(int ACol, int ARow) override
    {
        const plat::TGridRect* B = BlockAt(ACol, ARow);
        if (!B)
            return false;
        Blocks.erase(Blocks.begin() + (B - Blocks.data()));
        return true;
    }
    bool IsMergedCell(int ACol, int ARow) const override
    {
        const plat::TGridRect* B = BlockAt(ACol, ARow);
        return B && (B->Right > B->Left || B->Bottom > B->Top);
    }
    plat::TPoint CellSpan(int ACol, int ARow) const override
    {
        const plat::TGridRect* B = BlockAt(ACol, ARow);
        return B ? plat::TPoint{B->Right - B->Left, B->Bottom - B->Top} : plat::TPoint{0, 0};
    }
    bool RowSpanIdentical(int ARow1, int ARow2) const override
    {
        bool Shared = false;
        for (int C = 0; C < Total; ++C) {
            const plat::TGridRect* B1 = BlockAt(C, ARow1);
            const plat::TGridRect* B2 = BlockAt(C, ARow2);
            const bool V1 = B1 && B1->Bottom > B1->Top;
            const bool V2 = B2 && B2->Bottom > B2->Top;
            if (V1 != V2 || (V1 && B1 != B2))
                return false;
            Shared = Shared || V1;
        }
        return Shared;
    }
    bool ColSpanIdentical(int, int) const override { return false; }

    // ---- Line operations
    void InsertRowLines(int ARow, int ACount, bool) override
    {
        TRow Empty{std::vector<std::string>(static_cast<std::size_t>(Total)), std::vector<bool>(static_cast<std::size_t>(Total)), 20};
        Rows.insert(Rows.begin() + ARow, static_cast<std::size_t>(ACount), Empty);
    }
    void RemoveRowLines(const std::vector<int>& ASortedRows, bool AFreeRecords) override
    {
        ++LinePasses;
        for (auto It = ASortedRows.rbegin(); It != ASortedRows.rend(); ++It) {
            if (AFreeRecords)
                Freed += static_cast<int>(std::count(Rows[static_cast<std::size_t>(*It)].Records.begin(),
                                                     Rows[static_cast<std::size_t>(*It)].Records.end(), true));
            Rows.erase(Rows.begin() + *It);
        }
        // The selection flags are kept with their rows, as the grid's row lists are.
        std::map<int, bool> Kept;
        for (const auto& [Row, Flag] : SelectedRows)
            if (const int Now = IndexAfterRemoval(Row, ASortedRows); Now >= 0)
                Kept[Now] = Flag;
        SelectedRows = Kept;
    }
    void InsertColLines(int ACol, int ACount) override
    {
        for (TRow& Row : Rows) {
            Row.Texts.insert(Row.Texts.begin() + ACol, static_cast<std::size_t>(ACount), "");
            Row.Records.insert(Row.Records.begin() + ACol, static_cast<std::size_t>(ACount), false);
        }
        Widths.insert(Widths.begin() + ACol, static_cast<std::size_t>(ACount), 64);
        Total += ACount;
    }
    void RemoveColLines(int ACol, int ACount) override
    {
        for (TRow& Row : Rows) {
            Row.Texts.erase(Row.Texts.begin() + ACol, Row.Texts.begin() + ACol + ACount);
            Row.Records.erase(Row.Records.begin() + ACol, Row.Records.begin() + ACol + ACount);
        }
        Widths.erase(Widths.begin() + ACol, Widths.begin() + ACol + ACount);
        Total -= ACount;
    }
    // As the library does: the sizes and the current cell move, then the hook is told.
    void MoveColLine(int AFrom, int ATo) override
    {
        MoveItem(Widths, AFrom, ATo);
        Current.X = IndexAfterMove(Current.X, AFrom, ATo);
        S.Moves.ColumnMoved(AFrom, ATo);
    }
    void MoveRowLine(int AFrom, int ATo) override
    {
        std::vector<int> Heights;
        for (const TRow& Row : Rows)
            Heights.push_back(Row.Height);
        MoveItem(Heights, AFrom, ATo);
        for (std::size_t R = 0; R < Rows.size(); ++R)
            Rows[R].Height = Heights[R];
        Current.Y = IndexAfterMove(Current.Y, AFrom, ATo);
        S.Moves.RowMoved(AFrom, ATo);
    }
    void ExchangeRowLines(int ARow1, int ARow2) override
    {
        std::swap(Rows[static_cast<std::size_t>(ARow1)].Texts, Rows[static_cast<std::size_t>(ARow2)].Texts);
        std::swap(Rows[static_cast<std::size_t>(ARow1)].Records, Rows[static_cast<std::size_t>(ARow2)].Records);
    }
    void ExchangeColLines(int ACol1, int ACol2) override
    {
        for (TRow& Row : Rows)
            std::swap(Row.Texts[static_cast<std::size_t>(ACol1)], Row.Texts[static_cast<std::size_t>(ACol2)]);
    }
    bool ShiftingLines() const override { return false; }
    void MoveColCells(int AFrom, int ATo) override
    {
        for (TRow& Row : Rows)
            MoveItem(Row.Texts, RealColIndex(AFrom), RealColIndex(ATo));
    }
    void MoveRowCells(int AFrom, int ATo) override
    {
        std::vector<std::vector<std::string>> Texts;
        for (const TRow& Row : Rows)
            Texts.push_back(Row.Texts);
        MoveItem(Texts, AFrom, ATo);
        for (std::size_t R = 0; R < Rows.size(); ++R)
            Rows[R].Texts = Texts[R];
    }

    // ---- Notices, answered as the hidden store must
    void RowsInserted(int ARealRow, int ACount) override
    {
        Notices.push_back("rows inserted " + std::to_string(ARealRow) + " " + std::to_string(ACount));
        std::map<int, std::string> Shifted;
        for (const auto& [Real, Text] : HiddenRows)
            Shifted[IndexAfterInsert(Real, ARealRow, ACount)] = Text;
        HiddenRows = Shifted;
    }
    void RowsRemoved(const std::vector<int>& ASortedRealRows) override
    {
        Notices.push_back("rows removed " + std::to_string(ASortedRealRows.size()));
        std::map<int, std::string> Shifted;
        for (const auto& [Real, Text] : HiddenRows) {
            const auto Before = std::lower_bound(ASortedRealRows.begin(), ASortedRealRows.end(), Real);
            Shifted[Real - static_cast<int>(Before - ASortedRealRows.begin())] = Text;
        }
        HiddenRows = Shifted;
    }
    void ColsInserted(int ARealCol, int ACount) override
    {
        Notices.push_back("cols inserted " + std::to_string(ARealCol) + " " + std::to_string(ACount));
        Hidden.insert(Hidden.begin() + ARealCol, static_cast<std::size_t>(ACount), false);
    }
    void ColsRemoved(int ARealCol, int ACount) override
    {
        Notices.push_back("cols removed " + std::to_string(ARealCol) + " " + std::to_string(ACount));
        Hidden.erase(Hidden.begin() + ARealCol, Hidden.begin() + ARealCol + ACount);
    }
    void ColumnMoved(int ARealFrom, int ARealTo) override
    {
        Notices.push_back("column moved " + std::to_string(ARealFrom) + " " + std::to_string(ARealTo));
    }
    void UnHideColumnsAll() override { std::fill(Hidden.begin(), Hidden.end(), false); }
    void ClearHiddenRowCells() override
    {
        for (auto& Entry : HiddenRows)
            Entry.second.clear();
    }

    // ---- Settings
    bool SaveHiddenCells() const override { return SaveHidden; }
    bool ClearTextOnly() const override { return TextOnly; }
    bool EnhRowColMove() const override { return Enh; }
    bool Destroying() const override { return false; }
    bool FloatingFooterVisible() const override { return FooterVisible; }
    bool FooterIsLastRow() const override { return true; }
    bool Grouped() const override { return GroupCol >= 0; }
    int GroupColumn() const override { return GroupCol; }

    // ---- Selection, sorting, controls, order
    bool DisjunctRowSelect() const override { return RowSelect; }
    bool DisjunctColSelect() const override { return ColSelect; }
    bool RowSelectPersistent() const override { return Persistent; }
    bool RowSelected(int ARow) const override { return SelectedRows.contains(ARow); }
    bool ColSelected(int ACol) const override { return SelectedCols.contains(ACol); }
    void SelectRows(int ARow, int ACount) override
    {
        for (int R = ARow; R < ARow + ACount; ++R)
            SelectedRows[R] = true;
    }
    void ClearRowSelect() override { SelectedRows.clear(); }
    void ClearColSelect() override { SelectedCols.clear(); }
    int SortColumn() const override { return SortCol; }
    void SetSortColumn(int ACol) override { SortCol = ACol; }
    bool SortIndexShow() const override { return IndexShow; }
    TSortIndexList& SortIndexes() override { return SortIndex; }
    TControlList& CellControls() override { return Controls; }
    void CellControlsUpdate() override { ++ControlUpdates; }
    void RepaintFooterPanel() override { ++FooterRepaints; }
    TIntList& ColumnOrder() override { return Order; }

    // ---- Grid-wide
    void RemoveAllNodes() override { ++NodeRemovals; }
    void ClearSearchText() override {}
    void BeginUpdate() override { ++Updates; }
    void EndUpdate() override { --Updates; }
    void CellsChanged(const plat::TRect& R) override { Changed.push_back(R); }
    TLineMoves* SyncedMoves(bool AColumns) override { return AColumns ? ColumnPeer : RowPeer; }

    template <typename T>
    static void MoveItem(std::vector<T>& Items, int AFrom, int ATo)
    {
        T Item = std::move(Items[static_cast<std::size_t>(AFrom)]);
        Items.erase(Items.begin() + AFrom);
        Items.insert(Items.begin() + ATo, std::move(Item));
    }

    std::vector<TRow> Rows;
    int Total = 1;
    std::vector<bool> Hidden;
    std::vector<int> Widths;
    std::map<int, std::string> HiddenRows;
    int FixedColCount = 0;
    int FixedRowCount = 0;
    int RightCols = 0;
    int Footers = 0;
    plat::TPoint Current{0, 0};
    plat::TGridRect Sel{0, 0, 0, 0};
    std::vector<plat::TGridRect> Blocks;
    std::map<std::pair<int, int>, plat::TColor> Colors;
    std::vector<std::pair<int, int>> Repainted;
    int GridRepaints = 0;
    int Freed = 0;
    bool MarkedRecordless = false;
    int LinePasses = 0;
    std::vector<std::string> Notices;
    std::vector<plat::TRect> Changed;
    bool SaveHidden = false;
    bool TextOnly = false;
    bool Enh = true;
    bool FooterVisible = false;
    int GroupCol = -1;
    bool RowSelect = false;
    bool ColSelect = false;
    bool Persistent = false;
    std::map<int, bool> SelectedRows;
    std::map<int, bool> SelectedCols;
    int SortCol = -1;
    bool IndexShow = false;
    TSortIndexList SortIndex{0, 0};
    TControlList Controls;
    int ControlUpdates = 0;
    int FooterRepaints = 0;
    TIntList Order{0, 0};
    int NodeRemovals = 0;
    int Updates = 0;
    TLineMoves* ColumnPeer = nullptr;
    TLineMoves* RowPeer = nullptr;
    TGridStructure S{*this};
};

}  // namespace skelda::grid::testing
