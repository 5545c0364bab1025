#include "grid/text/TFilterCondition.h"

#include "grid/text/CharRoutines.h"
#include "grid/text/FilterText.h"

#include <algorithm>

namespace skelda::grid {

namespace {

constexpr std::u32string_view Separators = U"(;^&|";

// An expression or group as it is read: trimmed, without blanks outside double quotes, without
// a leading "=".
std::u32string Normalised(std::u32string_view Text)
{
    while (!Text.empty() && Text.front() <= ' ')
        Text.remove_prefix(1);
    while (!Text.empty() && Text.back() <= ' ')
        Text.remove_suffix(1);
    std::u32string text = RemoveUnquotedSpaces(Text);
    if (!text.empty() && text.front() == '=')
        text.erase(0, 1);
    return text;
}

}  // namespace

TFilterCondition::TFilterCondition(std::string_view Expression, bool CaseSensitive) : FCaseSensitive(CaseSensitive)
{
    std::u32string expression = FilterCodePoints(Expression);
    if (!CaseSensitive)
        UpperCaseCodePoints(expression);
    if (!expression.empty() && expression.front() == LiteralMark)
        FLiteral = expression.substr(1);
    else
        Compile(std::move(expression));
}

void TFilterCondition::Compile(std::u32string Expression)
{
    // The expression and each open group within it, innermost last, with how far each is read
    // and how its next part joins.
    struct TLevel {
        std::u32string Text;
        std::size_t Pos;
        TJoin Pending;
    };
    std::vector<TLevel> levels;
    levels.push_back({Normalised(Expression), 0, TJoin::Replace});
    const auto addTerm = [this](std::u32string_view Term, TJoin Join) {
        FSteps.push_back({TStep::TKind::Term, Join, FTerms.size()});
        FTerms.emplace_back(Term);
    };
    while (!levels.empty()) {
        TLevel& level = levels.back();
        const std::u32string_view rest = std::u32string_view(level.Text).substr(level.Pos);
        std::size_t index = 0;
        const char32_t separator = FindFirstSeparatorOutsideQuotes(rest, Separators, index);
        if (separator == 0) {
            addTerm(rest, level.Pending);
            levels.pop_back();
            if (!levels.empty())
                FSteps.push_back({TStep::TKind::GroupEnd, TJoin::None, 0});
        } else if (rest.front() == '(') {
            // Without its ")" a group takes the rest of the expression.
            const std::size_t close = std::min(ClosingParenIndex(rest), rest.size());
            const std::u32string_view group = rest.substr(1, close - 1);
            level.Pos += std::min(close + 1, rest.size());
            FSteps.push_back({TStep::TKind::GroupStart, level.Pending, 0});
            level.Pending = TJoin::None;
            std::u32string groupText = Normalised(group);
            levels.push_back({std::move(groupText), 0, TJoin::Replace});
        } else {
            addTerm(rest.substr(0, index), level.Pending);
            level.Pending = separator == '&' ? TJoin::And : (separator == '(' ? TJoin::None : TJoin::Or);
            level.Pos += index + 1;
        }
    }
}

bool TFilterCondition::Join(bool Result, TJoin How, bool Part)
{
    switch (How) {
    case TJoin::Replace:
        return Part;
    case TJoin::And:
        return Result && Part;
    case TJoin::Or:
        return Result || Part;
    case TJoin::None:
        break;
    }
    return Result;
}

bool TFilterCondition::Matches(std::string_view Value) const
{
    std::u32string chars = FilterCodePoints(Value);
    if (!FCaseSensitive)
        UpperCaseCodePoints(chars);
    if (FLiteral)
        return chars == *FLiteral;
    const TFilterValue value(std::move(chars));
    struct TOpenGroup {
        bool Result;
        TJoin Join;
    };
    std::vector<TOpenGroup> open;
    bool result = true;
    for (const TStep& step : FSteps) {
        switch (step.Kind) {
        case TStep::TKind::Term:
            result = Join(result, step.Join, FTerms[step.Term].Matches(value));
            break;
        case TStep::TKind::GroupStart:
            open.push_back({result, step.Join});
            result = true;
            break;
        case TStep::TKind::GroupEnd:
            result = Join(open.back().Result, open.back().Join, result);
            open.pop_back();
            break;
        }
    }
    return result;
}

}  // namespace skelda::grid
