#pragma once

#include <string>
#include <string_view>

namespace skelda::grid {

// The condition language of the column filters and of find, as TFilterCondition describes it:
// >=10, A*|B*, (>1&<5)|9, !*old*. These read the condition at every call; a caller that tests
// many values keeps a TFilterCondition.

// Whether Value satisfies the whole Expression.
bool MatchFilterExpression(std::string_view Expression, std::string_view Value, bool CaseSensitive);
// Whether Value satisfies one term (TFilterTerm); without CaseSensitive both are upper-cased.
bool MatchFilterTerm(std::string_view Term, std::string_view Value, bool CaseSensitive);
// MatchFilterTerm with case counting.
bool MatchCondition(std::string_view Term, std::string_view Value);

// An expression that Value satisfies and no other text does (with case counting): Value after
// TFilterCondition::LiteralMark. No quoting can do this, since "!", wildcards and comparisons
// act inside double quotes too.
std::string FilterLiteral(std::string_view Value);

}  // namespace skelda::grid
