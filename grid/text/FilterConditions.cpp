#include "grid/text/FilterConditions.h"

#include "grid/text/FilterText.h"
#include "grid/text/TFilterCondition.h"
#include "platform/core/Utf8.h"

namespace skelda::grid {

bool MatchFilterExpression(std::string_view Expression, std::string_view Value, bool CaseSensitive)
{
    return TFilterCondition(Expression, CaseSensitive).Matches(Value);
}

bool MatchFilterTerm(std::string_view Term, std::string_view Value, bool CaseSensitive)
{
    std::u32string term = FilterCodePoints(Term);
    std::u32string value = FilterCodePoints(Value);
    if (!CaseSensitive) {
        UpperCaseCodePoints(term);
        UpperCaseCodePoints(value);
    }
    return TFilterTerm(term).Matches(TFilterValue(std::move(value)));
}

bool MatchCondition(std::string_view Term, std::string_view Value) { return MatchFilterTerm(Term, Value, true); }

std::string FilterLiteral(std::string_view Value)
{
    return plat::CodePointToUtf8(TFilterCondition::LiteralMark) + std::string(Value);
}

}  // namespace skelda::grid
