#include "grid/settings/TMouseActions.h"

#include "platform/core/TStringList.h"

namespace skelda::grid {

TMouseActions::TMouseActions()
    : FFixedComboValues(std::make_unique<plat::TStringList>())
{
}

TMouseActions::~TMouseActions() = default;

void TMouseActions::SetFixedComboValues(const plat::TStrings& Value)
{
    FFixedComboValues->Assign(Value);
}

void TMouseActions::SetDisjunct(bool& Field, bool Value)
{
    Field = Value;
    if (!Value || !IsDesigning())
        return;
    for (bool* mode : {&FDisjunctRowSelect, &FDisjunctColSelect, &FDisjunctCellSelect})
        if (mode != &Field)
            *mode = false;
}

void TMouseActions::SetDisjunctRowSelect(bool Value)
{
    SetDisjunct(FDisjunctRowSelect, Value);
}

void TMouseActions::SetDisjunctColSelect(bool Value)
{
    SetDisjunct(FDisjunctColSelect, Value);
}

void TMouseActions::SetDisjunctCellSelect(bool Value)
{
    SetDisjunct(FDisjunctCellSelect, Value);
}

void TMouseActions::SetEditOnDblClickOnly(bool Value)
{
    FEditOnDblClickOnly = Value;
    if (Value && OnDisableEdit)
        OnDisableEdit(this);
}

void TMouseActions::SetHotmailRowSelect(bool Value)
{
    FHotmailRowSelect = Value;
    if (Value) {
        FDisjunctRowSelect = true;
        FCheckAllCheck = true;
    }
    if (OnInvalidate)
        OnInvalidate(this);
}

void TMouseActions::Assign(const plat::TPersistent& Source)
{
    const auto* source = dynamic_cast<const TMouseActions*>(&Source);
    if (!source)
        return;
    FAllColumnSize = source->FAllColumnSize;
    FAllRowSize = source->FAllRowSize;
    FAllSelect = source->FAllSelect;
    FColSelect = source->FColSelect;
    FRowSelect = source->FRowSelect;
    FAutoSizeColOnDblClick = source->FAutoSizeColOnDblClick;
    FCaretPositioning = source->FCaretPositioning;
    FCheckAllCheck = source->FCheckAllCheck;
    FDirectComboClose = source->FDirectComboClose;
    FDirectComboDrop = source->FDirectComboDrop;
    FDirectDateClose = source->FDirectDateClose;
    FDirectDateDrop = source->FDirectDateDrop;
    FDirectEdit = source->FDirectEdit;
    FDisjunctRowSelect = source->FDisjunctRowSelect;
    FDisjunctColSelect = source->FDisjunctColSelect;
    FDisjunctCellSelect = source->FDisjunctCellSelect;
    FDisjunctRowSelectNoCtrl = source->FDisjunctRowSelectNoCtrl;
    FFixedRowsEdit = source->FFixedRowsEdit;
    FFixedColsEdit = source->FFixedColsEdit;
    FFixedRowsEditor = source->FFixedRowsEditor;
    FFixedColsEditor = source->FFixedColsEditor;
    FMoveRowOnNodeClick = source->FMoveRowOnNodeClick;
    FNodeAllExpandContract = source->FNodeAllExpandContract;
    FNoAutoRangeScroll = source->FNoAutoRangeScroll;
    FNoScrollOnPartialRow = source->FNoScrollOnPartialRow;
    FPreciseCheckBoxCheck = source->FPreciseCheckBoxCheck;
    FPreciseNodeClick = source->FPreciseNodeClick;
    FRangeSelectAndEdit = source->FRangeSelectAndEdit;
    FRowSelectPersistent = source->FRowSelectPersistent;
    FSelectOnRightClick = source->FSelectOnRightClick;
    FSizeFixedCol = source->FSizeFixedCol;
    FWheelIncrement = source->FWheelIncrement;
    FWheelAction = source->FWheelAction;
}

}  // namespace skelda::grid
