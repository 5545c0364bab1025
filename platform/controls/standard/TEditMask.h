#pragma once

#include "platform/core/Utf8.h"

#include <string>
#include <string_view>
#include <vector>

namespace plat {

// An edit mask of the widget library's masked edit: "mask;save;blank".
//
// The mask is one position per character of the edit text. Positions that take input:
// L letter, A letter or digit, C any character, 0 digit (all required); l, a, c, 9 the same
// optional; # digit or sign, optional. Anything else is a literal the user cannot change: ':'
// and '/' stand for the time and date separators, '_' for a space, '\' makes the next
// character a literal. '>' turns the following input to upper case, '<' to lower case, "<>"
// stops the conversion; '!' makes optional input right-aligned (blanks lead). None of these
// four takes a position.
//
// The second field ('0' or '1', default 1) says whether Text keeps the literals; the third
// gives the character that shows in empty positions (default '_').
//
// Positions and lengths count code points.
class TEditMask {
public:
    TEditMask() = default;
    explicit TEditMask(std::string_view Mask);

    bool Empty() const { return FSlots.empty(); }
    int Length() const { return static_cast<int>(FSlots.size()); }
    bool SaveLiterals() const { return FSaveLiterals; }
    char32_t BlankChar() const { return FBlank; }

    bool IsLiteral(int Pos) const;
    // The literal of a literal position, 0 for an input position.
    char32_t LiteralAt(int Pos) const;
    // The first input position at or after Pos (Length() when there is none), and the last
    // one before Pos (-1 when there is none).
    int NextInput(int Pos) const;
    int PreviousInput(int Pos) const;

    // The character as the position keeps it (case converted), or 0 when the position refuses
    // Ch. Literal positions refuse everything; every position refuses a character that is the
    // blank or becomes it by the case conversion.
    char32_t Accept(int Pos, char32_t Ch) const;

    // The edit text with every input position empty.
    std::u32string BlankEditText() const;
    // The first required position left empty in EditText, -1 when there is none.
    int FirstMissing(const std::u32string& EditText) const;

    // Text from the edit text: empty positions become spaces; without saved literals only the
    // input positions remain, without leading and trailing spaces.
    std::string TextOf(const std::u32string& EditText) const;
    // The edit text that shows Text: with saved literals Text is read position by position,
    // otherwise its characters fill the input positions in order (from the right with '!').
    // Characters a position refuses leave it empty.
    std::u32string EditTextOf(std::string_view Text) const;

private:
    enum class Kind { Literal, Letter, AlphaNumeric, AnyChar, Digit, DigitOrSign };
    enum class Case { Keep, Upper, Lower };
    struct Slot {
        Kind kind = Kind::Literal;
        bool required = false;
        Case caseMode = Case::Keep;
        char32_t literal = 0;
    };

    bool Fits(const Slot& slot, char32_t ch) const;

    std::vector<Slot> FSlots;
    bool FSaveLiterals = true;
    bool FRightAligned = false;
    char32_t FBlank = U'_';
};

}  // namespace plat
