#pragma once

#include "platform/controls/standard/TCustomEdit.h"
#include "platform/controls/standard/TEditMask.h"
#include "platform/core/Exception.h"

#include <string>

namespace plat {

// Raised when a masked field is left incomplete.
class EDBEditError : public Exception {
public:
    using Exception::Exception;
};

// An edit field whose input follows an edit mask (see TEditMask). The field always shows
// EditText: one character per mask position, literals in place and the blank character in
// empty positions. Text is what the mask saves of it.
//
// Typing overwrites the next input position and skips the literals; a character the position
// refuses is not taken (a beep). Backspace and Delete empty positions, the clipboard commands
// work through the mask, Escape brings back the text the field had when it got the focus.
// Leaving a modified field with a required position empty raises EDBEditError "Invalid input
// value" and keeps the focus in the field, the caret at the first empty position.
//
// Without a mask the field is a plain edit.
class TCustomMaskEdit : public TCustomEdit {
public:
    explicit TCustomMaskEdit(TComponent* AOwner);

    std::string ClassName() const override { return "TCustomMaskEdit"; }

    const std::string& GetEditMask() const { return FEditMask; }
    // Keeps the present Text, shown through the new mask.
    void SetEditMask(const std::string& Value);
    bool IsMasked() const { return !FMask.Empty(); }

    std::string GetText() const override;
    void SetText(const std::string& Value) override;
    std::string GetEditText() const { return RawText(); }
    // Each input position takes the character at its place in Value when the mask allows it.
    void SetEditText(const std::string& Value);

    // When the field is masked, modified and incomplete: takes the focus back, puts the caret on
    // the first empty required position and raises through ValidateError.
    virtual void ValidateEdit();

    void Dispatch(TMessage& Message) override;

protected:
    void KeyDown(unsigned& Key, TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void DoEnter() override;
    void DoExit() override;
    // Beeps and raises EDBEditError.
    virtual void ValidateError();

private:
    std::u32string CurrentEditText() const;
    void Apply(const std::u32string& Text, int Caret);
    void BlankRange(std::u32string& Text, int Start, int End) const;
    void TypeChar(char32_t Ch);
    // Puts Chars into the input positions from the caret on, as typing does, without beeps.
    void InsertChars(const std::u32string& Chars);
    void Backspace();
    void DeleteForward();
    void CutMasked();
    void ClearMasked();
    void UndoMasked();
    void Revert();

    std::string FEditMask;
    TEditMask FMask;
    std::u32string FOldValue;
    std::u32string FUndoText;
    int FUndoCaret = 0;
    bool FReEntering = false;
};

class TMaskEdit : public TCustomMaskEdit {
public:
    using TCustomMaskEdit::TCustomMaskEdit;
    std::string ClassName() const override { return "TMaskEdit"; }
};

}  // namespace plat
