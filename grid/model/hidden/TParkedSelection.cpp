#include "grid/model/hidden/TParkedSelection.h"

#include "grid/model/hidden/THiddenLinesHost.h"

namespace skelda::grid {

void TParkedSelection::Park()
{
    FKept = FHost.Selection();
    const int Cols = FHost.ColCount();
    const int Rows = FHost.RowCount();
    FHost.SetSelection({Cols, Rows, Cols, Rows});
    FParked = true;
}

void TParkedSelection::Restore()
{
    FParked = false;
    if (FKept && FKept->Top < FHost.RowCount() && FKept->Left < FHost.ColCount()) {
        FHost.SetSelection(*FKept);
        return;
    }
    const int Left = FHost.FixedColAlways() && FHost.FixedCols() == FHost.ColCount() ? 0 : FHost.FixedCols();
    const int Top = FHost.FixedRowAlways() && FHost.FixedRows() == FHost.RowCount() ? 0 : FHost.FixedRows();
    FHost.SetSelection({Left, Top, Left, Top});
}

void TParkedSelection::RowsLeft()
{
    // The flag alone may be stale: a current cell moved back in since parking is parked again.
    if (FHost.RowCount() <= FHost.FixedRows() && FHost.CurrentRow() < FHost.RowCount())
        Park();
}

void TParkedSelection::RowsComing()
{
    if (FParked || FHost.CurrentCol() >= FHost.ColCount() || FHost.CurrentRow() >= FHost.RowCount())
        Restore();
}

}  // namespace skelda::grid
