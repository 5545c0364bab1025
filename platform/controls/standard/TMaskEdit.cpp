#include "platform/controls/standard/TMaskEdit.h"

#include "platform/controls/core/VirtualKeys.h"
#include "platform/system/Beeper.h"
#include "platform/system/Environment.h"

#include <QClipboard>
#include <QGuiApplication>

#include <algorithm>

namespace plat {

namespace {

void RefusedKeyBeep()
{
    Env().Beeper->MessageBeep(0);
}

}  // namespace

TCustomMaskEdit::TCustomMaskEdit(TComponent* AOwner) : TCustomEdit(AOwner) {}

void TCustomMaskEdit::SetEditMask(const std::string& Value)
{
    if (Value == FEditMask)
        return;
    const std::string text = GetText();
    FEditMask = Value;
    FMask = TEditMask(Value);
    if (IsMasked())
        TCustomEdit::SetText(CodePointsToUtf8(FMask.EditTextOf(text)));
    else
        TCustomEdit::SetText(text);
}

std::string TCustomMaskEdit::GetText() const
{
    if (!IsMasked())
        return TCustomEdit::GetText();
    return FMask.TextOf(CurrentEditText());
}

void TCustomMaskEdit::SetText(const std::string& Value)
{
    if (!IsMasked()) {
        TCustomEdit::SetText(Value);
        return;
    }
    TCustomEdit::SetText(CodePointsToUtf8(FMask.EditTextOf(Value)));
}

void TCustomMaskEdit::SetEditText(const std::string& Value)
{
    if (!IsMasked()) {
        TCustomEdit::SetText(Value);
        return;
    }
    const std::u32string given = Utf8ToCodePoints(Value);
    std::u32string text = FMask.BlankEditText();
    for (int pos = 0; pos < FMask.Length() && pos < static_cast<int>(given.size()); ++pos)
        if (const char32_t ch = FMask.Accept(pos, given[static_cast<std::size_t>(pos)]))
            text[static_cast<std::size_t>(pos)] = ch;
    TCustomEdit::SetText(CodePointsToUtf8(text));
}

std::u32string TCustomMaskEdit::CurrentEditText() const
{
    // The field may hold something else when the user got past the mask (it never should).
    std::u32string text = Utf8ToCodePoints(RawText());
    text.resize(static_cast<std::size_t>(FMask.Length()), FMask.BlankChar());
    return text;
}

void TCustomMaskEdit::Apply(const std::u32string& Text, int Caret)
{
    FUndoText = CurrentEditText();
    FUndoCaret = GetSelStart();
    ApplyUserEdit(CodePointsToUtf8(Text), Caret);
}

void TCustomMaskEdit::BlankRange(std::u32string& Text, int Start, int End) const
{
    for (int pos = Start; pos < End && pos < static_cast<int>(Text.size()); ++pos)
        if (!FMask.IsLiteral(pos))
            Text[static_cast<std::size_t>(pos)] = FMask.BlankChar();
}

void TCustomMaskEdit::TypeChar(char32_t Ch)
{
    std::u32string text = CurrentEditText();
    const int start = GetSelStart();
    const int end = start + GetSelLength();
    // Typing the literal at the caret moves past it; typing the one the caret has just skipped
    // changes nothing.
    if (start == end) {
        if (FMask.LiteralAt(start) == Ch) {
            SetSelStart(FMask.NextInput(start + 1));
            return;
        }
        if (FMask.LiteralAt(start - 1) == Ch)
            return;
    }
    const int pos = FMask.NextInput(start);
    const char32_t accepted = pos < FMask.Length() ? FMask.Accept(pos, Ch) : 0;
    if (!accepted) {
        RefusedKeyBeep();
        return;
    }
    BlankRange(text, start, end);
    text[static_cast<std::size_t>(pos)] = accepted;
    Apply(text, FMask.NextInput(pos + 1));
}

void TCustomMaskEdit::InsertChars(const std::u32string& Chars)
{
    std::u32string text = CurrentEditText();
    const int start = GetSelStart();
    BlankRange(text, start, start + GetSelLength());
    int pos = start;
    for (const char32_t ch : Chars) {
        if (pos >= FMask.Length())
            break;
        if (FMask.LiteralAt(pos) == ch) {
            ++pos;
            continue;
        }
        const int input = FMask.NextInput(pos);
        if (input >= FMask.Length())
            break;
        if (const char32_t accepted = FMask.Accept(input, ch)) {
            text[static_cast<std::size_t>(input)] = accepted;
            pos = input + 1;
        }
    }
    Apply(text, FMask.NextInput(pos));
}

void TCustomMaskEdit::Backspace()
{
    std::u32string text = CurrentEditText();
    const int start = GetSelStart();
    const int length = GetSelLength();
    if (length > 0) {
        BlankRange(text, start, start + length);
        Apply(text, start);
        return;
    }
    const int pos = FMask.PreviousInput(start);
    if (pos < 0)
        return;
    text[static_cast<std::size_t>(pos)] = FMask.BlankChar();
    Apply(text, pos);
}

void TCustomMaskEdit::DeleteForward()
{
    std::u32string text = CurrentEditText();
    const int start = GetSelStart();
    const int length = GetSelLength();
    if (length > 0) {
        BlankRange(text, start, start + length);
    } else {
        const int pos = FMask.NextInput(start);
        if (pos >= FMask.Length())
            return;
        text[static_cast<std::size_t>(pos)] = FMask.BlankChar();
    }
    Apply(text, start);
}

void TCustomMaskEdit::ClearMasked()
{
    if (GetReadOnly() || GetSelLength() == 0)
        return;
    std::u32string text = CurrentEditText();
    const int start = GetSelStart();
    BlankRange(text, start, start + GetSelLength());
    Apply(text, start);
}

void TCustomMaskEdit::CutMasked()
{
    if (GetReadOnly() || GetPasswordChar())
        return;
    CopyToClipboard();
    ClearMasked();
}

void TCustomMaskEdit::UndoMasked()
{
    if (GetReadOnly() || FUndoText.empty())
        return;
    const std::u32string text = FUndoText;
    const int caret = FUndoCaret;
    Apply(text, caret);
}

void TCustomMaskEdit::Revert()
{
    const std::u32string old = FOldValue;
    ApplyUserEdit(CodePointsToUtf8(old), 0);
    SetModified(false);
    SelectAll();
}

void TCustomMaskEdit::KeyDown(unsigned& Key, TShiftState Shift)
{
    TCustomEdit::KeyDown(Key, Shift);
    if (!IsMasked() || Key == 0)
        return;
    if (Key == VK_ESCAPE && Shift.Empty() && GetModified()) {
        Revert();
        Key = 0;
    } else if (Key == VK_DELETE && Shift.Empty()) {
        if (!GetReadOnly())
            DeleteForward();
        Key = 0;
    }
}

void TCustomMaskEdit::KeyPress(char32_t& Key)
{
    TCustomEdit::KeyPress(Key);
    if (!IsMasked() || Key == 0)
        return;
    if (Key == U'\b') {
        if (!GetReadOnly())
            Backspace();
        Key = 0;
        return;
    }
    // Control characters go on to the field's window procedure (clipboard keys, Enter, ...).
    if (Key < 32 || Key == 127)
        return;
    if (!GetReadOnly())
        TypeChar(Key);
    Key = 0;
}

void TCustomMaskEdit::DoEnter()
{
    // Coming back after a failed check is no new entry: the caret stays where the check put it.
    if (FReEntering)
        return;
    FOldValue = IsMasked() ? CurrentEditText() : std::u32string();
    TCustomEdit::DoEnter();
}

void TCustomMaskEdit::DoExit()
{
    ValidateEdit();
    TCustomEdit::DoExit();
}

void TCustomMaskEdit::ValidateEdit()
{
    if (!IsMasked() || !GetModified())
        return;
    const int missing = FMask.FirstMissing(CurrentEditText());
    if (missing < 0)
        return;
    if (CanFocus() && !Focused()) {
        const TControlRef<> alive(this);
        FReEntering = true;
        try {
            SetFocus();
        } catch (...) {
            if (alive)
                FReEntering = false;
            throw;
        }
        if (!alive)
            return;
        FReEntering = false;
    }
    SetSelStart(missing);
    ValidateError();
}

void TCustomMaskEdit::ValidateError()
{
    Env().Beeper->MessageBeep(0);
    throw EDBEditError("Invalid input value");
}

void TCustomMaskEdit::Dispatch(TMessage& Message)
{
    if (IsMasked()) {
        switch (Message.Msg) {
        case WM_CUT:
            CutMasked();
            return;
        case WM_PASTE:
            if (!GetReadOnly())
                InsertChars(Utf8ToCodePoints(FitPastedText(QGuiApplication::clipboard()->text().toStdString())));
            return;
        case WM_CLEAR:
            ClearMasked();
            return;
        case WM_UNDO:
        case EM_UNDO:
            UndoMasked();
            Message.Result = 1;
            return;
        default:
            break;
        }
    }
    TCustomEdit::Dispatch(Message);
}

}  // namespace plat
