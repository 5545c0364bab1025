#pragma once

#include "grid/text/TWildcardPattern.h"
#include "platform/system/DateTime.h"

#include <optional>
#include <string>
#include <string_view>

namespace skelda::grid {

// What a comparison of a filter term reads a text as: a date in the locale's short-date order,
// else a number (thousand separators dropped, the decimal separator read as "."), else neither.
// The separators and the date order are those of the process-wide settings when it is read.
struct TFilterQuantity {
    std::optional<plat::TDateTime> Date;
    std::optional<double> Number;

    static TFilterQuantity Read(std::u32string_view Text);
};

// A value a condition is tested on, as code points (FilterText.h); what it reads as for a
// comparison is worked out once, at the first comparison that needs it.
class TFilterValue {
public:
    explicit TFilterValue(std::u32string Chars) : FChars(std::move(Chars)) {}

    const std::u32string& Chars() const { return FChars; }
    const TFilterQuantity& Quantity() const;

private:
    std::u32string FChars;
    mutable std::optional<TFilterQuantity> FQuantity;
};

// One term of a filter condition, read once and tested on many values. Term and values are
// taken as given: the caller folds both for a test without regard to case.
//
// A term starting with "!" matches exactly the values the rest of it does not match. Otherwise
// ">" and "<" (each optionally followed by "=") compare the value with the operand after them;
// a "!" elsewhere makes each comparison the term lacks count as made and holding. An "^"
// outside double quotes lets a term with a comparison match when either comparison holds, an
// "&" outside double quotes when both do. Else a holding ">" or "<" comparison matches, and
// what is left is the wildcard pattern of the whole term: double quotes and "!" are left out
// of it, and a "!" in it inverts its answer.
//
// An operand runs from after the operator and its blanks to the end of the term, to an "&" or
// "|" outside double quotes, or to a blank; after ">" a single blank right after a character
// inside double quotes belongs to the operand. An opening double quote and one closing double
// quote at the end are left out, and only the first 255 characters count. The operand is read
// as a number or date when the term is made.
class TFilterTerm {
public:
    explicit TFilterTerm(std::u32string_view Term);

    bool Matches(const TFilterValue& Value) const;

private:
    struct TComparison {
        bool Present = false;
        bool OrEqual = false;
        std::u32string Operand;
        TFilterQuantity Quantity;

        // The value's order against the operand: numbers, else dates, else characters by code.
        int Order(const TFilterValue& Value) const;
    };

    static TComparison ReadComparison(std::u32string_view Term, char32_t Operator, bool BlankInQuotes);
    bool Decide(const TFilterValue& Value) const;

    bool FNegated = false;
    TComparison FGreater;
    TComparison FLess;
    bool FHasNot = false;
    bool FOrOutsideQuotes = false;
    bool FAndOutsideQuotes = false;
    TWildcardPattern FPattern;
};

}  // namespace skelda::grid
