#pragma once

#include "grid/text/TFilterTerm.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace skelda::grid {

// A filter condition read once and tested on many values, as the column filters test every row.
// The language:
//
// - An expression is terms (TFilterTerm) and groups in parentheses, joined by "&" (and) and by
//   "|", ";" or "^" (or) outside double quotes. Operators have no precedence and join strictly
//   from the left: a&b|c is (a and b) or c, a|b&c is (a or b) and c. Whatever stands between a
//   group's ")" and the next operator is read but joins nothing.
// - An expression (a group's too) is trimmed of characters up to U+0020, loses the blanks
//   outside double quotes and then a leading "=". A group ends at the ")" where as many ")" as
//   "(" have been seen; without one it takes the rest of the expression.
// - The empty expression matches only the empty value.
// - An expression starting with U+FDD0 (a Unicode noncharacter, never in a typed or stored
//   text) matches exactly the text after it, character for character: FilterLiteral.
// - Without CaseSensitive, expression and value are both upper-cased (UnicodeUpperCase) first.
//
// Cost: reading takes expression length x parenthesis depth; a test takes value length x
// expression length, with no recursion. The operands' numbers and dates are read with the
// locale of the moment the condition is made.
class TFilterCondition {
public:
    TFilterCondition(std::string_view Expression, bool CaseSensitive);

    bool Matches(std::string_view Value) const;

    // The first character of a literal condition.
    static constexpr char32_t LiteralMark = 0xFDD0;

private:
    enum class TJoin : std::uint8_t { Replace, And, Or, None };
    // A term, or the start or end of a group, with how its answer joins the running one.
    struct TStep {
        enum class TKind : std::uint8_t { Term, GroupStart, GroupEnd } Kind;
        TJoin Join;
        std::size_t Term;
    };

    void Compile(std::u32string Expression);
    static bool Join(bool Result, TJoin How, bool Part);

    bool FCaseSensitive;
    std::optional<std::u32string> FLiteral;
    std::vector<TFilterTerm> FTerms;
    std::vector<TStep> FSteps;
};

}  // namespace skelda::grid
