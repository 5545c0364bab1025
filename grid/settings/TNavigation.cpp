#include "grid/settings/TNavigation.h"

#include "platform/core/ChangeValue.h"

namespace skelda::grid {

void TNavigation::SetAdvanceDirection(TAdvanceDirection Value)
{
    if (plat::ChangeValue(FAdvanceDirection, Value))
        Changed();
}

void TNavigation::SetAdvanceInsert(bool Value)
{
    if (plat::ChangeValue(FAdvanceInsert, Value))
        Changed();
}

void TNavigation::SetAdvanceAuto(bool Value)
{
    FAdvanceAuto = Value;
    if (Value)
        FAdvanceOnEnter = true;
}

void TNavigation::Assign(const plat::TPersistent& Source)
{
    const auto* source = dynamic_cast<const TNavigation*>(&Source);
    if (!source)
        return;
    FAllowInsertRow = source->FAllowInsertRow;
    FAllowDeleteRow = source->FAllowDeleteRow;
    FAlwaysEdit = source->FAlwaysEdit;
    FAdvanceOnEnter = source->FAdvanceOnEnter;
    FAdvanceOnEnterLoop = source->FAdvanceOnEnterLoop;
    FAdvanceInsert = source->FAdvanceInsert;
    FAdvanceAutoEdit = source->FAdvanceAutoEdit;
    FAdvanceAuto = source->FAdvanceAuto;
    FAdvanceDirection = source->FAdvanceDirection;
    FTabAdvanceDirection = source->FTabAdvanceDirection;
    FAutoGotoWhenSorted = source->FAutoGotoWhenSorted;
    FAutoGotoIncremental = source->FAutoGotoIncremental;
    FAutoComboDropSize = source->FAutoComboDropSize;
    FAllowClipboardShortCuts = source->FAllowClipboardShortCuts;
    FAllowCtrlEnter = source->FAllowCtrlEnter;
    FAllowSmartClipboard = source->FAllowSmartClipboard;
    FAllowRTFClipboard = source->FAllowRTFClipboard;
    FAllowFmtClipboard = source->FAllowFmtClipboard;
    FAllowClipboardAlways = source->FAllowClipboardAlways;
    FAllowClipboardRowGrow = source->FAllowClipboardRowGrow;
    FAllowClipboardColGrow = source->FAllowClipboardColGrow;
    FClipboardPasteAction = source->FClipboardPasteAction;
    FCopyHTMLTagsToClipboard = source->FCopyHTMLTagsToClipboard;
    FAppendOnArrowDown = source->FAppendOnArrowDown;
    FEditSelectAll = source->FEditSelectAll;
    FInsertPosition = source->FInsertPosition;
    FComboGetUpDown = source->FComboGetUpDown;
    FCursorAdvance = source->FCursorAdvance;
    FCursorWalkEditor = source->FCursorWalkEditor;
    FCursorWalkAlwaysEdit = source->FCursorWalkAlwaysEdit;
    FMoveRowOnSort = source->FMoveRowOnSort;
    FMoveScrollOnly = source->FMoveScrollOnly;
    FKeepHorizScroll = source->FKeepHorizScroll;
    FLineFeedOnEnter = source->FLineFeedOnEnter;
    FImproveMaskSel = source->FImproveMaskSel;
    FTabToNextAtEnd = source->FTabToNextAtEnd;
    FLeftRightRowSelect = source->FLeftRightRowSelect;
    FHomeEndKey = source->FHomeEndKey;
    FSkipFixedCells = source->FSkipFixedCells;
    FSkipDisabledRows = source->FSkipDisabledRows;
}

}  // namespace skelda::grid
