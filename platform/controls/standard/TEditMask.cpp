#include "platform/controls/standard/TEditMask.h"

#include "platform/core/FormatSettings.h"
#include "platform/core/Utf8.h"

#include <QChar>

#include <algorithm>

namespace plat {

namespace {

std::vector<std::u32string> SplitFields(const std::u32string& Mask)
{
    std::vector<std::u32string> fields(1);
    for (std::size_t i = 0; i < Mask.size(); ++i) {
        if (Mask[i] == U'\\' && i + 1 < Mask.size()) {
            fields.back() += Mask[i];
            fields.back() += Mask[++i];
        } else if (Mask[i] == U';') {
            fields.emplace_back();
        } else {
            fields.back() += Mask[i];
        }
    }
    return fields;
}

bool IsLetter(char32_t Ch)
{
    return QChar::isLetter(Ch);
}

bool IsDigit(char32_t Ch)
{
    return Ch >= U'0' && Ch <= U'9';
}

}  // namespace

TEditMask::TEditMask(std::string_view Mask)
{
    const std::vector<std::u32string> fields = SplitFields(Utf8ToCodePoints(Mask));
    if (fields.size() > 1 && !fields[1].empty())
        FSaveLiterals = fields[1][0] != U'0';
    if (fields.size() > 2 && !fields[2].empty())
        FBlank = fields[2][0];

    const TFormatSettings& settings = FormatSettings();
    Case caseMode = Case::Keep;
    const std::u32string& mask = fields[0];
    for (std::size_t i = 0; i < mask.size(); ++i) {
        const char32_t ch = mask[i];
        Slot slot;
        switch (ch) {
        case U'!':
            FRightAligned = true;
            continue;
        case U'>':
            caseMode = Case::Upper;
            continue;
        case U'<':
            if (i + 1 < mask.size() && mask[i + 1] == U'>') {
                ++i;
                caseMode = Case::Keep;
            } else {
                caseMode = Case::Lower;
            }
            continue;
        case U'\\':
            slot.literal = i + 1 < mask.size() ? mask[++i] : U'\\';
            break;
        case U'L':
        case U'l':
            slot.kind = Kind::Letter;
            slot.required = ch == U'L';
            break;
        case U'A':
        case U'a':
            slot.kind = Kind::AlphaNumeric;
            slot.required = ch == U'A';
            break;
        case U'C':
        case U'c':
            slot.kind = Kind::AnyChar;
            slot.required = ch == U'C';
            break;
        case U'0':
        case U'9':
            slot.kind = Kind::Digit;
            slot.required = ch == U'0';
            break;
        case U'#':
            slot.kind = Kind::DigitOrSign;
            break;
        case U':':
            slot.literal = static_cast<unsigned char>(settings.TimeSeparator);
            break;
        case U'/':
            slot.literal = static_cast<unsigned char>(settings.DateSeparator);
            break;
        case U'_':
            slot.literal = U' ';
            break;
        default:
            slot.literal = ch;
            break;
        }
        slot.caseMode = caseMode;
        FSlots.push_back(slot);
    }
}

bool TEditMask::IsLiteral(int Pos) const
{
    return Pos >= 0 && Pos < Length() && FSlots[static_cast<std::size_t>(Pos)].kind == Kind::Literal;
}

char32_t TEditMask::LiteralAt(int Pos) const
{
    return IsLiteral(Pos) ? FSlots[static_cast<std::size_t>(Pos)].literal : 0;
}

int TEditMask::NextInput(int Pos) const
{
    int pos = std::max(Pos, 0);
    while (pos < Length() && IsLiteral(pos))
        ++pos;
    return std::min(pos, Length());
}

int TEditMask::PreviousInput(int Pos) const
{
    int pos = std::min(Pos, Length()) - 1;
    while (pos >= 0 && IsLiteral(pos))
        --pos;
    return pos;
}

bool TEditMask::Fits(const Slot& slot, char32_t ch) const
{
    if (ch < 32 || ch == 127 || ch == FBlank)
        return false;
    switch (slot.kind) {
    case Kind::Letter:
        return IsLetter(ch);
    case Kind::AlphaNumeric:
        return IsLetter(ch) || IsDigit(ch);
    case Kind::AnyChar:
        return true;
    case Kind::Digit:
        return IsDigit(ch);
    case Kind::DigitOrSign:
        return IsDigit(ch) || ch == U'+' || ch == U'-';
    default:
        return false;
    }
}

char32_t TEditMask::Accept(int Pos, char32_t Ch) const
{
    if (Pos < 0 || Pos >= Length())
        return 0;
    const Slot& slot = FSlots[static_cast<std::size_t>(Pos)];
    if (!Fits(slot, Ch))
        return 0;
    char32_t kept = Ch;
    if (slot.caseMode != Case::Keep) {
        const std::string text = CodePointToUtf8(Ch);
        kept = Utf8CodePointAt(slot.caseMode == Case::Upper ? Utf8UpperCase(text) : Utf8LowerCase(text), 1);
    }
    // Turned into the blank, the character would read as an empty position.
    return kept == FBlank ? 0 : kept;
}

std::u32string TEditMask::BlankEditText() const
{
    std::u32string text;
    for (const Slot& slot : FSlots)
        text.push_back(slot.kind == Kind::Literal ? slot.literal : FBlank);
    return text;
}

int TEditMask::FirstMissing(const std::u32string& EditText) const
{
    for (int pos = 0; pos < Length(); ++pos) {
        const Slot& slot = FSlots[static_cast<std::size_t>(pos)];
        const bool empty = pos >= static_cast<int>(EditText.size()) || EditText[pos] == FBlank;
        if (slot.required && empty)
            return pos;
    }
    return -1;
}

std::string TEditMask::TextOf(const std::u32string& EditText) const
{
    std::u32string text;
    for (int pos = 0; pos < Length(); ++pos) {
        const Slot& slot = FSlots[static_cast<std::size_t>(pos)];
        const char32_t ch = pos < static_cast<int>(EditText.size()) ? EditText[pos] : FBlank;
        if (slot.kind == Kind::Literal) {
            if (FSaveLiterals)
                text.push_back(slot.literal);
            continue;
        }
        text.push_back(ch == FBlank ? U' ' : ch);
    }
    if (!FSaveLiterals) {
        const std::size_t first = text.find_first_not_of(U' ');
        if (first == std::u32string::npos)
            text.clear();
        else
            text = text.substr(first, text.find_last_not_of(U' ') - first + 1);
    }
    return CodePointsToUtf8(text);
}

std::u32string TEditMask::EditTextOf(std::string_view Text) const
{
    const std::u32string value = Utf8ToCodePoints(Text);
    std::u32string result = BlankEditText();
    auto place = [&](int pos, char32_t ch) {
        if (const char32_t accepted = Accept(pos, ch))
            result[static_cast<std::size_t>(pos)] = accepted;
    };
    if (FSaveLiterals) {
        std::size_t next = 0;
        for (int pos = 0; pos < Length() && next < value.size(); ++pos) {
            if (IsLiteral(pos)) {
                if (value[next] == LiteralAt(pos))
                    ++next;
                continue;
            }
            place(pos, value[next++]);
        }
        return result;
    }
    std::vector<int> inputs;
    for (int pos = 0; pos < Length(); ++pos)
        if (!IsLiteral(pos))
            inputs.push_back(pos);
    const std::size_t count = std::min(value.size(), inputs.size());
    const std::size_t first = FRightAligned ? inputs.size() - count : 0;
    for (std::size_t i = 0; i < count; ++i)
        place(inputs[first + i], value[i]);
    return result;
}

}  // namespace plat
