#pragma once

#include "grid/cells/TUndoRedoItem.h"
#include "platform/core/TComponent.h"

#include <functional>
#include <memory>
#include <string>

namespace skelda::grid {

class TCellGridHost;

// Grid is the linked grid (TBaseGrid in the program). OrigValue is the cell's display text at
// that moment, NewValue the text about to be written.
using TVezGridUndoRedoEvent = std::function<void(plat::TObject* Sender, TCellGridHost* Grid, int Col, int Row,
                                                 const std::string& OrigValue, const std::string& NewValue)>;

// The list of cell text changes of one grid, undone and redone singly or in bracketed
// sequences. Entries below Level are done, the rest undone and ready to be redone; registering
// anything new drops the undone entries, so a redo never replays a change made over by a later
// edit. Cells change only through the grid's SetCellText.
class TVezGridUndoRedo : public plat::TComponent {
public:
    explicit TVezGridUndoRedo(plat::TComponent* AOwner);
    ~TVezGridUndoRedo() override;

    std::string ClassName() const override { return "TVezGridUndoRedo"; }

    virtual void RegisterChange(int ACol, int ARow, const std::string& OldValue, const std::string& NewValue);
    virtual void StartSequence();
    virtual void StopSequence();
    void Undo();
    void Redo();
    void Reset();
    bool CanUndo() const { return FLevel > 0; }
    bool CanRedo() const { return FLevel < FItems->Count(); }

    const TUndoRedoCollection& Items() const { return *FItems; }
    int GetLevel() const { return FLevel; }
    // The most entries kept, the oldest going first; 0 or less for no limit.
    int GetMaxLevel() const { return FMaxLevel; }
    void SetMaxLevel(int Value) { FMaxLevel = Value; }

    TCellGridHost* GetGrid() const { return FGrid; }
    // Links the grid without telling it; the grid's SetUndoRedo links both ways.
    void SetGrid(TCellGridHost* Value);

    TVezGridUndoRedoEvent OnUndo;
    TVezGridUndoRedoEvent OnRedo;

protected:
    void Notification(plat::TComponent* AComponent, plat::TOperation Operation) override;

private:
    TUndoRedoItem& Append();
    void Apply(const TUndoRedoItem& Entry, bool Undoing);

    std::unique_ptr<TUndoRedoCollection> FItems;
    TCellGridHost* FGrid = nullptr;
    // The grid's component part, kept apart: a grid being destroyed is announced when only
    // that part is left.
    plat::TComponent* FGridComponent = nullptr;
    int FLevel = 0;
    int FMaxLevel = 0;
};

}  // namespace skelda::grid
