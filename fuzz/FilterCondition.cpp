// The filter condition language on typed conditions and cell texts, checked against the plain
// recursive evaluator of the tests, and against itself: the case flag is upper-casing both
// texts, blanks outside double quotes change nothing, a condition in parentheses is the
// condition, and a literal matches its own value and no other.
//
// Input: a byte for the number and date settings, a byte saying where blanks go, then the
// condition, a value and a second value split by NUL bytes, each cut to 64 code points.

#include "FuzzSupport.h"

#include "tests/grid/text/ReferenceFilter.h"
#include "grid/text/CharRoutines.h"
#include "grid/text/FilterConditions.h"
#include "grid/text/FilterText.h"
#include "grid/text/TFilterCondition.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/Utf8.h"

#include <array>

using skelda::fuzz::Check;
namespace grid = skelda::grid;

namespace {

constexpr std::size_t MaxCodePoints = 64;

void UseSettings(std::uint8_t Choice)
{
    static constexpr std::array<std::array<char, 2>, 3> NumberSeparators{{{'.', ','}, {',', '.'}, {',', '\''}}};
    static constexpr std::array<const char*, 3> DateOrders{"dd/mm/yyyy", "mm/dd/yyyy", "yyyy/mm/dd"};
    plat::TFormatSettings& settings = plat::FormatSettings();
    settings = plat::DefaultFormatSettings();
    settings.DecimalSeparator = NumberSeparators[Choice % 3][0];
    settings.ThousandSeparator = NumberSeparators[Choice % 3][1];
    settings.DateSeparator = "/.-"[Choice / 3 % 3];
    settings.ShortDateFormat = DateOrders[Choice / 9 % 3];
}

std::string TakePart(std::string_view& Rest)
{
    const std::size_t end = std::min(Rest.find('\0'), Rest.size());
    std::u32string chars = grid::FilterCodePoints(Rest.substr(0, end));
    Rest.remove_prefix(std::min(end + 1, Rest.size()));
    chars.resize(std::min(chars.size(), MaxCodePoints));
    return grid::FilterText(chars);
}

// Expression with a blank put before each character outside double quotes that Pattern's bits
// pick.
std::string WithBlanks(std::string_view Expression, std::uint8_t Pattern)
{
    const std::u32string chars = grid::FilterCodePoints(Expression);
    std::u32string spaced;
    bool quoted = false;
    for (std::size_t i = 0; i < chars.size(); ++i) {
        if (!quoted && (Pattern >> (i % 8) & 1) != 0)
            spaced += U' ';
        if (chars[i] == '"')
            quoted = !quoted;
        spaced += chars[i];
    }
    return grid::FilterText(spaced);
}

bool StartsLiteral(std::string_view Expression)
{
    const std::u32string chars = grid::FilterCodePoints(Expression);
    return !chars.empty() && chars.front() == grid::TFilterCondition::LiteralMark;
}

std::string Describe(std::string_view Expression, std::string_view Value)
{
    return "[" + std::string(Expression) + "] on [" + std::string(Value) + "]";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    if (Size < 2)
        return 0;
    UseSettings(Data[0]);
    const std::uint8_t blanks = Data[1];
    std::string_view rest = skelda::fuzz::AsText(Data + 2, Size - 2);
    const std::string expression = TakePart(rest);
    const std::string value = TakePart(rest);
    const std::string other = TakePart(rest);

    for (const bool caseSensitive : {true, false}) {
        const bool answer = grid::MatchFilterExpression(expression, value, caseSensitive);
        Check(answer == skelda::grid::reference::Match(expression, value, caseSensitive), "differs from the reference",
              Describe(expression, value));
        const grid::TFilterCondition condition(expression, caseSensitive);
        Check(condition.Matches(other) == grid::MatchFilterExpression(expression, other, caseSensitive) &&
                  condition.Matches(value) == answer,
              "a compiled condition answers differently", Describe(expression, value));
        // A literal is told by its very first character, and holds its blanks.
        if (StartsLiteral(expression))
            continue;
        Check(grid::MatchFilterExpression(WithBlanks(expression, blanks), value, caseSensitive) == answer,
              "blanks outside quotes change the answer", Describe(expression, value));
        const std::string grouped = "(" + expression + ")";
        if (grid::ClosingParenPos(grouped) == plat::Utf8Length(grouped))
            Check(grid::MatchFilterExpression(grouped, value, caseSensitive) == answer,
                  "parentheses change the answer", Describe(expression, value));
    }
    Check(grid::MatchFilterExpression(expression, value, false) ==
              grid::MatchFilterExpression(plat::Utf8UpperCase(expression), plat::Utf8UpperCase(value), true),
          "the case flag is not upper-casing", Describe(expression, value));
    Check(grid::MatchFilterExpression(grid::FilterLiteral(value), other, true) == (value == other),
          "a literal matches another value", Describe(value, other));
    Check(grid::MatchFilterExpression(grid::FilterLiteral(value), value, true), "a literal misses its value", value);
    return 0;
}
