// Text as it arrives from files, pastes and cell stores: UTF-8, Windows-1252, UTF-16, packed wide
// cell texts and the OEM code page. Every input is read three ways: as UTF-8, as single bytes and
// as big-endian 16-bit code units. What converts losslessly must convert back to the same text,
// UTF-8 out is always well-formed, and a packed text is a formula only as GetTextKind documents.

#include "FuzzSupport.h"

#include "grid/text/OemText.h"
#include "grid/text/TextKinds.h"
#include "grid/text/Utf16Text.h"
#include "platform/core/Utf8.h"

#include <string>

using skelda::fuzz::Check;
namespace grid = skelda::grid;

namespace {

constexpr char32_t ReplacementChar = 0xFFFD;

bool IsSurrogate(char32_t Unit) { return Unit >= 0xD800 && Unit <= 0xDFFF; }
bool IsHighSurrogate(char32_t Unit) { return Unit >= 0xD800 && Unit <= 0xDBFF; }
bool IsLowSurrogate(char32_t Unit) { return Unit >= 0xDC00 && Unit <= 0xDFFF; }

int Sign(int Value) { return (Value > 0) - (Value < 0); }

std::u16string AsCodeUnits(std::string_view Bytes)
{
    std::u16string units;
    for (std::size_t i = 0; i + 1 < Bytes.size(); i += 2)
        units += static_cast<char16_t>((static_cast<unsigned char>(Bytes[i]) << 8) | static_cast<unsigned char>(Bytes[i + 1]));
    return units;
}

// A conversion that may replace characters it cannot carry: the result has as many characters,
// each the original one or Replacement.
void CheckSameOrReplaced(std::string_view Original, std::string_view Back, char32_t Replacement, const char* What)
{
    const std::u32string before = plat::Utf8ToCodePoints(Original);
    const std::u32string after = plat::Utf8ToCodePoints(Back);
    Check(before.size() == after.size(), What, "character count changed");
    for (std::size_t i = 0; i < before.size(); ++i)
        Check(after[i] == before[i] || after[i] == Replacement, What, "character " + std::to_string(i) + " changed");
}

void CheckUtf8Helpers(std::string_view Text)
{
    const bool valid = plat::IsValidUtf8(Text);
    const std::string sanitized = plat::Utf8Sanitize(Text);
    Check(plat::IsValidUtf8(sanitized), "sanitized text is ill-formed");
    Check(valid == (sanitized == Text), "sanitizing changed a well-formed text or kept an ill-formed one");

    const std::u32string codePoints = plat::Utf8ToCodePoints(Text);
    const int length = plat::Utf8Length(Text);
    Check(codePoints.size() == static_cast<std::size_t>(length), "code point count differs from Utf8Length");
    Check(plat::CodePointsToUtf8(codePoints) == sanitized, "code points do not give back the sanitized text");

    const int half = length / 2;
    const std::string head = plat::Utf8Copy(Text, 1, half);
    const std::string tail = plat::Utf8Copy(Text, half + 1, length);
    Check(head + tail == Text, "the two halves of a copy do not make the text");
    if (length > 0) {
        Check(plat::Utf8CodePointAt(Text, length) == codePoints.back(), "last code point differs");
        if (valid) {
            const int found = plat::Utf8Pos(plat::Utf8Copy(Text, half + 1, 1), Text);
            Check(found >= 1 && found <= half + 1, "a character is not found where it is", std::to_string(found));
        }
    }

    for (const auto map : {plat::Utf8UpperCase, plat::Utf8LowerCase}) {
        const std::string mapped = map(Text);
        Check(plat::Utf8Length(mapped) == length, "case mapping changed the character count");
        Check(plat::IsValidUtf8(mapped) == valid, "case mapping changed well-formedness");
        Check(map(mapped) == mapped, "case mapping is not stable");
    }

    const std::string_view first = Text.substr(0, Text.size() / 2);
    const std::string_view second = Text.substr(Text.size() / 2);
    Check(Sign(plat::Utf8CompareText(first, second)) == -Sign(plat::Utf8CompareText(second, first)),
          "CompareText is not antisymmetric");
    Check(Sign(plat::Utf8CompareStr(first, second)) == -Sign(plat::Utf8CompareStr(second, first)),
          "CompareStr is not antisymmetric");
    Check(plat::Utf8SameText(first, second) == (plat::Utf8CompareText(first, second) == 0),
          "SameText disagrees with CompareText");
    // Every ill-formed byte reads as U+FFFD, so only well-formed texts are told apart.
    if (plat::IsValidUtf8(first) && plat::IsValidUtf8(second) && plat::Utf8CompareStr(first, second) == 0)
        Check(first == second, "CompareStr calls different texts equal");
}

// Windows-1252 gives every byte a character, so bytes survive; characters outside the code page
// become '?' by design.
void CheckWindows1252(std::string_view Text)
{
    const std::string fromBytes = plat::Windows1252ToUtf8(Text);
    Check(plat::IsValidUtf8(fromBytes), "Windows-1252 gave ill-formed UTF-8");
    Check(plat::Utf8Length(fromBytes) == static_cast<int>(Text.size()), "Windows-1252 changed the character count");
    Check(plat::Utf8ToWindows1252(fromBytes) == Text, "a Windows-1252 byte did not survive the round trip");

    const std::string bytes = plat::Utf8ToWindows1252(Text);
    Check(bytes.size() == static_cast<std::size_t>(plat::Utf8Length(Text)), "one byte per character expected");
    if (plat::IsValidUtf8(Text))
        CheckSameOrReplaced(Text, plat::Windows1252ToUtf8(bytes), U'?', "Windows-1252 round trip");
}

void CheckUtf16(std::string_view Text)
{
    Check(grid::Utf16ToUtf8(grid::Utf8ToUtf16(Text)) == plat::Utf8Sanitize(Text), "UTF-16 round trip lost text");

    const std::u16string units = AsCodeUnits(Text);
    const std::string utf8 = grid::Utf16ToUtf8(units);
    Check(plat::IsValidUtf8(utf8), "UTF-16 gave ill-formed UTF-8");
    // Paired surrogates come back as they were, lone ones as U+FFFD.
    std::u16string expected;
    for (std::size_t i = 0; i < units.size(); ++i) {
        if (IsHighSurrogate(units[i]) && i + 1 < units.size() && IsLowSurrogate(units[i + 1])) {
            expected += units[i];
            expected += units[++i];
        } else {
            expected += IsSurrogate(units[i]) ? static_cast<char16_t>(ReplacementChar) : units[i];
        }
    }
    Check(grid::Utf8ToUtf16(utf8) == expected, "UTF-16 round trip changed code units");
}

// Packed wide texts carry any code units, lone surrogates and U+0000 included.
void CheckPackedWideText(std::string_view Text)
{
    const std::u16string units = AsCodeUnits(Text);
    const std::string packed = grid::PackWideText(units);
    Check(packed.size() == 2 + 2 * units.size(), "packed text has the wrong size");
    Check(grid::UnpackWideText(packed) == units, "packed text did not unpack to its code units");
    const bool formula = units.size() >= 2 && units[0] == u'=' && units[1] < 0x100;
    for (const bool html : {false, true}) {
        const grid::TTextKind kind = grid::GetTextKind(packed, html);
        Check(kind == (formula ? grid::tkFormula : grid::tkPackedWide), "packed text of the wrong kind",
              std::to_string(kind));
        grid::GetTextKind(Text, html);
    }
    grid::UnpackWideText(Text);
}

// Code page 437 lacks most characters, which become '?' by design; its bytes, carried as
// Windows-1252 characters, all survive.
void CheckOem(std::string_view Text)
{
    if (plat::IsValidUtf8(Text)) {
        std::string oem(Text);
        grid::StringToOem(oem);
        Check(plat::IsValidUtf8(oem), "OEM text is ill-formed UTF-8");
        std::string back = oem;
        grid::OemToString(back);
        Check(plat::IsValidUtf8(back), "text from OEM is ill-formed UTF-8");
        CheckSameOrReplaced(Text, back, U'?', "OEM round trip");
    }
    std::string fromOem = plat::Windows1252ToUtf8(Text);
    grid::OemToString(fromOem);
    Check(plat::IsValidUtf8(fromOem), "text from OEM bytes is ill-formed UTF-8");
    grid::StringToOem(fromOem);
    Check(plat::Utf8ToWindows1252(fromOem) == Text, "an OEM byte did not survive the round trip");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    const std::string_view text = skelda::fuzz::AsText(Data, Size);
    CheckUtf8Helpers(text);
    CheckWindows1252(text);
    CheckUtf16(text);
    CheckPackedWideText(text);
    CheckOem(text);
    return 0;
}
