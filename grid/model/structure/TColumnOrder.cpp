#include "grid/model/structure/TColumnOrder.h"

#include "grid/model/structure/TLineMoves.h"
#include "grid/model/structure/TStructureHost.h"
#include "grid/support/TIntList.h"

#include <algorithm>

namespace skelda::grid {

bool TColumnOrder::Recorded() const
{
    return FHost.ColumnOrder().Count() > 0;
}

void TColumnOrder::SetColumnOrder()
{
    TIntList& Order = FHost.ColumnOrder();
    Order.Clear();
    for (int C = 0; C < FHost.ColCount(); ++C)
        Order.Add(C);
}

void TColumnOrder::ColumnMoved(int RF, int RT)
{
    TIntList& Order = FHost.ColumnOrder();
    if (RF < 0 || RT < 0 || RF >= Order.Count() || RT >= Order.Count())
        return;
    const int Entry = Order.GetValue(RF);
    Order.Delete(RF);
    Order.Insert(RT, Entry);
}

void TColumnOrder::ResetColumnOrder()
{
    FHost.UnHideColumnsAll();
    if (!Recorded()) {
        SetColumnOrder();
        return;
    }
    const TIntList& Order = FHost.ColumnOrder();
    // Each move puts one column at its recorded place for good, so the passes end.
    for (bool Moved = true; Moved;) {
        Moved = false;
        for (int P = 0; P < std::min(FHost.ColCount(), Order.Count()); ++P) {
            const int Entry = Order.GetValue(P);
            if (Entry < P) {
                FMoves.MoveColumn(P, Entry);
                Moved = true;
            }
        }
    }
}

int TColumnOrder::ColumnPosition(int ACol) const
{
    const TIntList& Order = FHost.ColumnOrder();
    if (Order.Count() == 0)
        return ACol;
    int Position = ACol;
    const int Last = std::min(Order.Count(), FHost.TotalColCount());
    for (int P = 0; P < Last; ++P)
        if (Order.GetValue(P) == ACol) {
            Position = P;
            break;
        }
    return FHost.Grouped() && ACol >= FHost.GroupColumn() ? Position - 1 : Position;
}

int TColumnOrder::ColumnAtPosition(int ACol)
{
    if (!Recorded())
        SetColumnOrder();
    const TIntList& Order = FHost.ColumnOrder();
    if (ACol < 0 || ACol >= Order.Count())
        return ACol;
    const int Entry = Order.GetValue(ACol);
    return FHost.Grouped() && Entry >= FHost.GroupColumn() ? Entry + 1 : Entry;
}

int TColumnOrder::ColumnByHeader(const std::string& AValue) const
{
    for (int C = 0; C < FHost.TotalColCount(); ++C)
        if (FHost.RawText(C, 0) == AValue)
            return C;
    return -1;
}

}  // namespace skelda::grid
