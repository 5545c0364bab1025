#include "grid/cells/TVezGridUndoRedo.h"

#include "grid/cells/TCellGridHost.h"

#include <algorithm>

namespace skelda::grid {

TVezGridUndoRedo::TVezGridUndoRedo(plat::TComponent* AOwner)
    : plat::TComponent(AOwner), FItems(std::make_unique<TUndoRedoCollection>())
{
}

TVezGridUndoRedo::~TVezGridUndoRedo() = default;

void TVezGridUndoRedo::SetGrid(TCellGridHost* Value)
{
    if (Value == FGrid)
        return;
    if (FGridComponent)
        RemoveFreeNotification(FGridComponent);
    FGrid = Value;
    FGridComponent = Value ? &Value->GridComponent() : nullptr;
    if (FGridComponent)
        FreeNotification(FGridComponent);
}

void TVezGridUndoRedo::Notification(plat::TComponent* AComponent, plat::TOperation Operation)
{
    plat::TComponent::Notification(AComponent, Operation);
    if (Operation == plat::opRemove && AComponent == FGridComponent) {
        FGrid = nullptr;
        FGridComponent = nullptr;
    }
}

TUndoRedoItem& TVezGridUndoRedo::Append()
{
    while (FItems->Count() > FLevel)
        FItems->Delete(FItems->Count() - 1);
    if (FMaxLevel > 0)
        while (FItems->Count() >= FMaxLevel)
            FItems->Delete(0);
    TUndoRedoItem& Item = FItems->Add();
    FLevel = FItems->Count();
    return Item;
}

void TVezGridUndoRedo::RegisterChange(int ACol, int ARow, const std::string& OldValue, const std::string& NewValue)
{
    TUndoRedoItem& Item = Append();
    Item.Col = ACol;
    Item.Row = ARow;
    Item.Value = NewValue;
    Item.OrigValue = OldValue;
}

void TVezGridUndoRedo::StartSequence()
{
    Append().SequenceStart = true;
}

void TVezGridUndoRedo::StopSequence()
{
    Append().SequenceStop = true;
}

void TVezGridUndoRedo::Reset()
{
    FItems->Clear();
    FLevel = 0;
}

void TVezGridUndoRedo::Apply(const TUndoRedoItem& Entry, bool Undoing)
{
    // A marker inside a sequence (a nested one) changes no cell.
    if (Entry.IsMarker())
        return;
    const std::string& Text = Undoing ? Entry.OrigValue : Entry.Value;
    const TVezGridUndoRedoEvent& Event = Undoing ? OnUndo : OnRedo;
    if (Event)
        Event(this, FGrid, Entry.Col, Entry.Row, FGrid->GetCellText(Entry.Col, Entry.Row), Text);
    FGrid->SetCellText(Entry.Col, Entry.Row, Text);
    FGrid->FocusCell(FGrid->DisplColIndex(Entry.Col), Entry.Row);
}

void TVezGridUndoRedo::Undo()
{
    if (!FGrid || FLevel <= 0 || FLevel > FItems->Count())
        return;
    const TUndoRedoItem& Last = FItems->GetItem(FLevel - 1);
    if (Last.SequenceStop) {
        --FLevel;
        while (FLevel > 0 && !FItems->GetItem(FLevel - 1).SequenceStart) {
            Apply(FItems->GetItem(FLevel - 1), true);
            --FLevel;
        }
        if (FLevel > 0)
            --FLevel;
        FGrid->RepaintGrid();
        return;
    }
    Apply(Last, true);
    if (!Last.IsMarker())
        FGrid->RepaintCell(FGrid->DisplColIndex(Last.Col), Last.Row);
    --FLevel;
}

void TVezGridUndoRedo::Redo()
{
    if (!FGrid || FLevel >= FItems->Count())
        return;
    const TUndoRedoItem& Next = FItems->GetItem(FLevel);
    ++FLevel;
    if (Next.SequenceStart) {
        ++FLevel;
        while (FLevel <= FItems->Count() && !FItems->GetItem(FLevel - 1).SequenceStop) {
            Apply(FItems->GetItem(FLevel - 1), false);
            ++FLevel;
        }
        // A sequence left open at the end of the list ends with its last change.
        FLevel = std::min(FLevel, FItems->Count());
        FGrid->RepaintGrid();
        return;
    }
    Apply(Next, false);
}

}  // namespace skelda::grid
