#pragma once

#include "grid/settings/TNotifyingSettings.h"
#include "platform/core/ChangeValue.h"

#include <functional>
#include <memory>

namespace plat {
class TStringList;
class TStrings;
}  // namespace plat

namespace skelda::grid {

enum TGridFixedCellEdit { fceNone, fceDblClick, fceLeftClick, fceRightClick };
enum TGridFixedCellEditor { fceEdit, fceComboEdit, fceComboList };
enum TWheelAction { waMoveSelection, waScroll };

// What the mouse does in the grid: selection modes, direct editing, sizing and the wheel. Only
// WheelAction reports its changes through OnChange; the grid answers OnIsDesigning and repaints on
// OnInvalidate.
class TMouseActions : public TNotifyingSettings {
public:
    TMouseActions();
    ~TMouseActions() override;

    std::string ClassName() const override { return "TMouseActions"; }

    // From another TMouseActions: every setting except EditOnDblClickOnly, FixedComboValues,
    // HotmailRowSelect and SizeFixedRow, as plain values. Other sources are ignored.
    void Assign(const plat::TPersistent& Source) override;

    bool GetAllColumnSize() const { return FAllColumnSize; }
    void SetAllColumnSize(bool Value) { FAllColumnSize = Value; }
    bool GetAllRowSize() const { return FAllRowSize; }
    void SetAllRowSize(bool Value) { FAllRowSize = Value; }
    bool GetAllSelect() const { return FAllSelect; }
    void SetAllSelect(bool Value) { FAllSelect = Value; }
    bool GetColSelect() const { return FColSelect; }
    void SetColSelect(bool Value) { FColSelect = Value; }
    bool GetRowSelect() const { return FRowSelect; }
    void SetRowSelect(bool Value) { FRowSelect = Value; }
    bool GetAutoSizeColOnDblClick() const { return FAutoSizeColOnDblClick; }
    void SetAutoSizeColOnDblClick(bool Value) { FAutoSizeColOnDblClick = Value; }
    bool GetCaretPositioning() const { return FCaretPositioning; }
    void SetCaretPositioning(bool Value) { FCaretPositioning = Value; }
    bool GetCheckAllCheck() const { return FCheckAllCheck; }
    void SetCheckAllCheck(bool Value) { FCheckAllCheck = Value; }
    bool GetDirectComboClose() const { return FDirectComboClose; }
    void SetDirectComboClose(bool Value) { FDirectComboClose = Value; }
    bool GetDirectComboDrop() const { return FDirectComboDrop; }
    void SetDirectComboDrop(bool Value) { FDirectComboDrop = Value; }
    bool GetDirectDateClose() const { return FDirectDateClose; }
    void SetDirectDateClose(bool Value) { FDirectDateClose = Value; }
    bool GetDirectDateDrop() const { return FDirectDateDrop; }
    void SetDirectDateDrop(bool Value) { FDirectDateDrop = Value; }
    bool GetDirectEdit() const { return FDirectEdit; }
    void SetDirectEdit(bool Value) { FDirectEdit = Value; }
    // The three disjunct selection modes: switching one on while the grid is being designed
    // switches the other two off, so that a design shows one mode; at run time they combine.
    bool GetDisjunctRowSelect() const { return FDisjunctRowSelect; }
    void SetDisjunctRowSelect(bool Value);
    bool GetDisjunctColSelect() const { return FDisjunctColSelect; }
    void SetDisjunctColSelect(bool Value);
    bool GetDisjunctCellSelect() const { return FDisjunctCellSelect; }
    void SetDisjunctCellSelect(bool Value);
    bool GetDisjunctRowSelectNoCtrl() const { return FDisjunctRowSelectNoCtrl; }
    void SetDisjunctRowSelectNoCtrl(bool Value) { FDisjunctRowSelectNoCtrl = Value; }
    // Switching it on calls OnDisableEdit.
    bool GetEditOnDblClickOnly() const { return FEditOnDblClickOnly; }
    void SetEditOnDblClickOnly(bool Value);
    TGridFixedCellEdit GetFixedRowsEdit() const { return FFixedRowsEdit; }
    void SetFixedRowsEdit(TGridFixedCellEdit Value) { FFixedRowsEdit = Value; }
    TGridFixedCellEdit GetFixedColsEdit() const { return FFixedColsEdit; }
    void SetFixedColsEdit(TGridFixedCellEdit Value) { FFixedColsEdit = Value; }
    TGridFixedCellEditor GetFixedRowsEditor() const { return FFixedRowsEditor; }
    void SetFixedRowsEditor(TGridFixedCellEditor Value) { FFixedRowsEditor = Value; }
    TGridFixedCellEditor GetFixedColsEditor() const { return FFixedColsEditor; }
    void SetFixedColsEditor(TGridFixedCellEditor Value) { FFixedColsEditor = Value; }
    // Switching it on also switches DisjunctRowSelect and CheckAllCheck on (switching it off leaves
    // them); every write calls OnInvalidate.
    bool GetHotmailRowSelect() const { return FHotmailRowSelect; }
    void SetHotmailRowSelect(bool Value);
    bool GetMoveRowOnNodeClick() const { return FMoveRowOnNodeClick; }
    void SetMoveRowOnNodeClick(bool Value) { FMoveRowOnNodeClick = Value; }
    bool GetNodeAllExpandContract() const { return FNodeAllExpandContract; }
    void SetNodeAllExpandContract(bool Value) { FNodeAllExpandContract = Value; }
    bool GetNoAutoRangeScroll() const { return FNoAutoRangeScroll; }
    void SetNoAutoRangeScroll(bool Value) { FNoAutoRangeScroll = Value; }
    bool GetNoScrollOnPartialRow() const { return FNoScrollOnPartialRow; }
    void SetNoScrollOnPartialRow(bool Value) { FNoScrollOnPartialRow = Value; }
    bool GetPreciseCheckBoxCheck() const { return FPreciseCheckBoxCheck; }
    void SetPreciseCheckBoxCheck(bool Value) { FPreciseCheckBoxCheck = Value; }
    bool GetPreciseNodeClick() const { return FPreciseNodeClick; }
    void SetPreciseNodeClick(bool Value) { FPreciseNodeClick = Value; }
    bool GetRangeSelectAndEdit() const { return FRangeSelectAndEdit; }
    void SetRangeSelectAndEdit(bool Value) { FRangeSelectAndEdit = Value; }
    bool GetRowSelectPersistent() const { return FRowSelectPersistent; }
    void SetRowSelectPersistent(bool Value) { FRowSelectPersistent = Value; }
    bool GetSelectOnRightClick() const { return FSelectOnRightClick; }
    void SetSelectOnRightClick(bool Value) { FSelectOnRightClick = Value; }
    bool GetSizeFixedCol() const { return FSizeFixedCol; }
    void SetSizeFixedCol(bool Value) { FSizeFixedCol = Value; }
    bool GetSizeFixedRow() const { return FSizeFixedRow; }
    void SetSizeFixedRow(bool Value) { FSizeFixedRow = Value; }
    int GetWheelIncrement() const { return FWheelIncrement; }
    void SetWheelIncrement(int Value) { FWheelIncrement = Value; }
    TWheelAction GetWheelAction() const { return FWheelAction; }
    void SetWheelAction(TWheelAction Value)
    {
        if (plat::ChangeValue(FWheelAction, Value))
            Changed();
    }
    // The values offered when a fixed cell is edited with a combo box.
    plat::TStringList& FixedComboValues() { return *FFixedComboValues; }
    const plat::TStringList& FixedComboValues() const { return *FFixedComboValues; }
    void SetFixedComboValues(const plat::TStrings& Value);
    // DisjunctRowSelect without the design-time rule of its setter.
    void SetDisjunctRowSelectDirect(bool Value) { FDisjunctRowSelect = Value; }

    // Asked whether the grid is being designed.
    std::function<bool(plat::TObject* Sender)> OnIsDesigning;
    std::function<void(plat::TObject* Sender)> OnInvalidate;
    std::function<void(plat::TObject* Sender)> OnDisableEdit;

private:
    void SetDisjunct(bool& Field, bool Value);
    bool IsDesigning() { return OnIsDesigning && OnIsDesigning(this); }

    bool FAllColumnSize = false;
    bool FAllRowSize = false;
    bool FAllSelect = false;
    bool FColSelect = false;
    bool FRowSelect = false;
    bool FAutoSizeColOnDblClick = true;
    bool FCaretPositioning = false;
    bool FCheckAllCheck = false;
    bool FDirectComboClose = false;
    bool FDirectComboDrop = false;
    bool FDirectDateClose = false;
    bool FDirectDateDrop = false;
    bool FDirectEdit = false;
    bool FDisjunctRowSelect = false;
    bool FDisjunctColSelect = false;
    bool FDisjunctCellSelect = false;
    bool FDisjunctRowSelectNoCtrl = false;
    bool FEditOnDblClickOnly = false;
    TGridFixedCellEdit FFixedRowsEdit = fceNone;
    TGridFixedCellEdit FFixedColsEdit = fceNone;
    TGridFixedCellEditor FFixedRowsEditor = fceEdit;
    TGridFixedCellEditor FFixedColsEditor = fceEdit;
    bool FHotmailRowSelect = false;
    bool FMoveRowOnNodeClick = false;
    bool FNodeAllExpandContract = false;
    bool FNoAutoRangeScroll = false;
    bool FNoScrollOnPartialRow = false;
    bool FPreciseCheckBoxCheck = false;
    bool FPreciseNodeClick = true;
    bool FRangeSelectAndEdit = false;
    bool FRowSelectPersistent = false;
    bool FSelectOnRightClick = false;
    bool FSizeFixedCol = false;
    bool FSizeFixedRow = false;
    int FWheelIncrement = 0;
    TWheelAction FWheelAction = waMoveSelection;
    std::unique_ptr<plat::TStringList> FFixedComboValues;
};

}  // namespace skelda::grid
