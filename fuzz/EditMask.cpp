// Edit masks as a form designer writes them and text as a user types or pastes it: the input is
// the mask, a line break, then the text. The edit text always has one character per mask
// position with the literals in place; a kept character is one its position keeps and never
// the blank; with saved literals the text read back shows the same edit text again.

#include "FuzzSupport.h"

#include "platform/controls/standard/TEditMask.h"
#include "platform/core/Utf8.h"

#include <string>

using skelda::fuzz::Check;

namespace {

void CheckEditText(const plat::TEditMask& Mask, const std::u32string& EditText, const char* What)
{
    Check(EditText.size() == static_cast<std::size_t>(Mask.Length()), What, "edit text length differs from the mask");
    for (int pos = 0; pos < Mask.Length(); ++pos) {
        const char32_t ch = EditText[static_cast<std::size_t>(pos)];
        if (Mask.IsLiteral(pos))
            Check(ch == Mask.LiteralAt(pos), What, "a literal was overwritten at " + std::to_string(pos));
        else if (ch != Mask.BlankChar())
            Check(Mask.Accept(pos, ch) == ch, What, "a position holds a character it would not keep");
    }
    const int missing = Mask.FirstMissing(EditText);
    Check(missing == -1 || (!Mask.IsLiteral(missing) && EditText[static_cast<std::size_t>(missing)] == Mask.BlankChar()),
          What, "FirstMissing names a position that is not empty");
}

void CheckMaskLayout(const plat::TEditMask& Mask)
{
    for (int pos = 0; pos <= Mask.Length(); ++pos) {
        const int next = Mask.NextInput(pos);
        Check(next >= pos && next <= Mask.Length() && (next == Mask.Length() || !Mask.IsLiteral(next)),
              "NextInput lands on a literal or before its start");
        const int previous = Mask.PreviousInput(pos);
        Check(previous < pos && previous >= -1 && (previous == -1 || !Mask.IsLiteral(previous)),
              "PreviousInput lands on a literal or after its start");
    }
}

// Typing overwrites the next input position and moves on past the literals, as the masked edit
// does; a character the position refuses is not taken.
std::u32string Type(const plat::TEditMask& Mask, std::string_view Typed)
{
    std::u32string editText = Mask.BlankEditText();
    int caret = 0;
    for (const char32_t ch : plat::Utf8ToCodePoints(Typed)) {
        const int pos = Mask.NextInput(caret);
        if (pos >= Mask.Length())
            break;
        const char32_t kept = Mask.Accept(pos, ch);
        if (kept == 0)
            continue;
        Check(kept != Mask.BlankChar(), "a typed character became the blank", std::to_string(kept));
        editText[static_cast<std::size_t>(pos)] = kept;
        caret = pos + 1;
    }
    return editText;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    const std::string_view input = skelda::fuzz::AsText(Data, Size);
    const std::size_t lineBreak = input.find('\n');
    const std::string_view maskText = input.substr(0, lineBreak);
    const std::string_view typed = lineBreak == std::string_view::npos ? std::string_view() : input.substr(lineBreak + 1);

    const plat::TEditMask mask(maskText);
    CheckMaskLayout(mask);
    CheckEditText(mask, mask.BlankEditText(), "blank edit text");

    const std::u32string editText = Type(mask, typed);
    CheckEditText(mask, editText, "typed edit text");
    const std::string text = mask.TextOf(editText);
    Check(plat::IsValidUtf8(text), "text of the edit text is ill-formed UTF-8");
    const std::u32string shown = mask.EditTextOf(text);
    CheckEditText(mask, shown, "edit text of the text");
    if (mask.SaveLiterals()) {
        Check(plat::Utf8Length(text) == mask.Length(), "text with literals differs in length from the mask");
        Check(mask.TextOf(shown) == text, "text read back shows another edit text", text);
    }

    CheckEditText(mask, mask.EditTextOf(typed), "edit text of a pasted text");
    return 0;
}
