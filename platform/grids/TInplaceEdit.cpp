#include "platform/grids/TInplaceEdit.h"

#include "platform/controls/core/VirtualKeys.h"
#include "platform/core/Utf8.h"
#include "platform/grids/TCustomGrid.h"
#include "platform/system/Beeper.h"
#include "platform/system/Environment.h"

namespace plat {

namespace {

void Beep()
{
    if (IBeeper* beeper = Env().Beeper)
        beeper->MessageBeep(0);
}

}  // namespace

TInplaceEdit::TInplaceEdit(TComponent* AOwner) : TCustomMaskEdit(AOwner)
{
    InitVisible(false);
    SetTabStop(false);
    SetBorderStyle(bsNone);
}

void TInplaceEdit::Deselect()
{
    if (!IsMasked()) {
        SetSelStart(Utf8Length(RawText()));
        return;
    }
    const std::u32string shown = Utf8ToCodePoints(GetEditText());
    const TEditMask mask(GetEditMask());
    int caret = static_cast<int>(shown.size());
    for (int pos = 0; pos < mask.Length() && pos < caret; ++pos)
        if (!mask.IsLiteral(pos) && shown[static_cast<std::size_t>(pos)] == mask.BlankChar())
            caret = pos;
    SetSelStart(caret);
}

bool TInplaceEdit::CaretAtStart() const
{
    const int length = GetSelLength();
    return GetSelStart() == 0 && (length == 0 || length == Utf8Length(RawText()));
}

bool TInplaceEdit::CaretAtEnd() const
{
    const int start = GetSelStart();
    const int length = GetSelLength();
    return (start == 0 || length == 0) && start + length == Utf8Length(RawText());
}

void TInplaceEdit::UpdateContents()
{
    if (!FGrid)
        return;
    const int col = FGrid->GetCol();
    const int row = FGrid->GetRow();
    SetText({});
    SetEditMask(FGrid->GetEditMask(col, row));
    SetText(FGrid->GetEditText(col, row));
    SetMaxLength(FGrid->GetEditLimit());
    FLoadedText = GetText();
}

void TInplaceEdit::InternalMove(const TRect& Loc)
{
    if (Loc.IsEmpty()) {
        Hide();
        return;
    }
    SetBounds(Loc.Left, Loc.Top, Loc.Width(), Loc.Height());
    SetVisible(true);
    if (FGrid && FGrid->Focused() && CanFocus())
        SetFocus();
}

void TInplaceEdit::Hide()
{
    if (!GetVisible())
        return;
    if (Focused() && FGrid && FGrid->CanFocus())
        FGrid->SetFocus();
    SetVisible(false);
}

void TInplaceEdit::Dispatch(TMessage& Message)
{
    if (Message.Msg == WM_GETDLGCODE) {
        unsigned code = DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTALLKEYS;
        if (FGrid && FGrid->GetOptions().Contains(goTabs))
            code |= DLGC_WANTTAB;
        Message.Result = code;
        return;
    }
    TCustomMaskEdit::Dispatch(Message);
}

void TInplaceEdit::KeyDown(unsigned& Key, TShiftState Shift)
{
    if (!FGrid) {
        TCustomMaskEdit::KeyDown(Key, Shift);
        return;
    }
    const TControlRef<> alive(this);
    const bool forwardMovement = FGrid->GetOptions().Contains(goAlwaysShowEditor);
    const bool ctrl = Shift.Contains(ssCtrl);
    bool toGrid = false;
    switch (Key) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
        toGrid = true;
        break;
    case VK_ESCAPE:
        if (GetVisible()) {
            SetText(FLoadedText);
            if (forwardMovement)
                SelectAll();
            else
                FGrid->HideEditor();
        }
        toGrid = true;
        break;
    case VK_TAB:
        toGrid = !Shift.Contains(ssAlt);
        break;
    case VK_INSERT:
        toGrid = Shift.Empty();
        break;
    case VK_DELETE:
        toGrid = ctrl;
        break;
    case VK_LEFT:
    case VK_HOME:
        toGrid = forwardMovement && (ctrl || CaretAtStart());
        break;
    case VK_RIGHT:
    case VK_END:
        toGrid = forwardMovement && (ctrl || CaretAtEnd());
        break;
    case VK_F2:
        Deselect();
        break;
    default:
        break;
    }
    if (!alive) {
        Key = 0;
        return;
    }
    if (toGrid) {
        FGrid->KeyDown(Key, Shift);
        Key = 0;
        return;
    }
    TCustomMaskEdit::KeyDown(Key, Shift);
}

void TInplaceEdit::KeyPress(char32_t& Key)
{
    if (!FGrid) {
        TCustomMaskEdit::KeyPress(Key);
        return;
    }
    const TControlRef<> alive(this);
    FGrid->KeyPress(Key);
    if (!alive) {
        Key = 0;
        return;
    }
    if (Key >= U' ' && Key != 0x7F && !FGrid->CanEditAcceptKey(Key)) {
        Beep();
        Key = 0;
    }
    switch (Key) {
    case U'\r':
        if (GetSelLength() == Utf8Length(RawText()))
            Deselect();
        else
            SelectAll();
        Key = 0;
        break;
    case U'\t':
    case 0x1B:
        Key = 0;
        break;
    default:
        break;
    }
    if (Key != 0)
        TCustomMaskEdit::KeyPress(Key);
}

void TInplaceEdit::KeyUp(unsigned& Key, TShiftState Shift)
{
    if (FGrid)
        FGrid->KeyUp(Key, Shift);
    else
        TCustomMaskEdit::KeyUp(Key, Shift);
}

void TInplaceEdit::DblClick()
{
    if (FGrid)
        FGrid->DblClick();
    else
        TCustomMaskEdit::DblClick();
}

}  // namespace plat
