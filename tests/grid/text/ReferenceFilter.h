#pragma once

// The filter condition language written the plain way, step by step and recursive, to check
// TFilterCondition against (unit tests and the filter-condition fuzz target). Quadratic and
// recursive on purpose: it is only ever run on short texts. Texts are code points as
// FilterCodePoints gives them.

#include "grid/text/DateTexts.h"
#include "grid/text/FilterText.h"
#include "grid/text/NumberTexts.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/UnicodeUpperCase.h"
#include "platform/system/Conversions.h"

#include <map>
#include <optional>
#include <string>
#include <utility>

namespace skelda::grid::reference {

using Text = std::u32string;

constexpr char32_t LiteralMark = 0xFDD0;
constexpr std::size_t OperandCut = 255;

inline Text Upper(Text T)
{
    for (char32_t& c : T)
        c = plat::UnicodeUpperCase(c);
    return T;
}

inline bool Contains(const Text& T, char32_t C) { return T.find(C) != Text::npos; }

// An odd number of double quotes before index I.
inline bool InsideQuotes(const Text& T, std::size_t I)
{
    std::size_t quotes = 0;
    for (std::size_t k = 0; k < I; ++k)
        quotes += T[k] == '"';
    return quotes % 2 == 1;
}

inline bool ContainsOutsideQuotes(const Text& T, char32_t C)
{
    for (std::size_t i = 0; i < T.size(); ++i)
        if (T[i] == C && !InsideQuotes(T, i))
            return true;
    return false;
}

inline Text Normalise(Text E)
{
    while (!E.empty() && E.front() <= ' ')
        E.erase(0, 1);
    while (!E.empty() && E.back() <= ' ')
        E.pop_back();
    Text kept;
    for (std::size_t i = 0; i < E.size(); ++i)
        if (E[i] != ' ' || InsideQuotes(E, i))
            kept += E[i];
    if (!kept.empty() && kept.front() == '=')
        kept.erase(0, 1);
    return kept;
}

// A number unless a date; a date; or neither.
struct Quantity {
    std::optional<double> Number;
    std::optional<double> Date;
};

inline Quantity Read(const Text& T)
{
    const std::string text = FilterText(T);
    Quantity q;
    plat::TDateTime date = 0;
    plat::TFormatSettings point = plat::FormatSettings();
    point.DecimalSeparator = '.';
    double number = 0;
    if (ParseDateTimeText(text, date))
        q.Date = date;
    else if (plat::TryStrToFloat(NumberTextForVal(text), number, point))
        q.Number = number;
    return q;
}

// Value against operand: -1, 0 or 1.
inline int Compare(const Text& Value, const Text& Operand)
{
    const Quantity v = Read(Value);
    const Quantity o = Read(Operand);
    std::optional<std::pair<double, double>> numbers;
    if (v.Number && o.Number)
        numbers = {{*v.Number, *o.Number}};
    else if (v.Date && o.Date)
        numbers = {{*v.Date, *o.Date}};
    if (numbers)
        return (numbers->first > numbers->second) - (numbers->first < numbers->second);
    for (std::size_t i = 0; i < OperandCut; ++i) {
        const bool valueEnds = i >= Value.size();
        const bool operandEnds = i >= Operand.size();
        if (valueEnds || operandEnds)
            return operandEnds - valueEnds;
        if (Value[i] != Operand[i])
            return Value[i] < Operand[i] ? -1 : 1;
    }
    return 0;
}

inline Text ReadOperand(const Text& T, std::size_t I, bool BlankInQuotes)
{
    while (I < T.size() && T[I] == ' ')
        ++I;
    if (I < T.size() && T[I] == '"')
        ++I;
    Text operand;
    for (; I < T.size(); ++I) {
        const char32_t c = T[I];
        if ((c == '&' || c == '|') && !InsideQuotes(T, I))
            break;
        if (c == ' ') {
            const bool taken = BlankInQuotes && I > 0 && T[I - 1] != ' ' && T[I - 1] != '"' && InsideQuotes(T, I - 1);
            if (!taken)
                break;
        }
        operand += c;
    }
    if (!operand.empty() && operand.back() == '"')
        operand.pop_back();
    return operand.substr(0, OperandCut);
}

// The pattern of the term from index I against the value from J; "!" and double quotes match
// nothing, "*" tries every rest of the value from its end back.
inline bool Pattern(const Text& P, std::size_t I, const Text& V, std::size_t J, std::map<std::pair<std::size_t, std::size_t>, bool>& Seen)
{
    while (I < P.size() && (P[I] == '!' || P[I] == '"'))
        ++I;
    if (I == P.size())
        return J == V.size();
    if (P[I] == '*') {
        while (I < P.size() && (P[I] == '*' || P[I] == '!' || P[I] == '"'))
            ++I;
        const auto key = std::make_pair(I, J);
        if (const auto found = Seen.find(key); found != Seen.end())
            return found->second;
        bool matched = false;
        for (std::size_t k = V.size() + 1; k-- > J && !matched;)
            matched = Pattern(P, I, V, k, Seen);
        return Seen[key] = matched;
    }
    if (J == V.size() || (P[I] != '?' && P[I] != V[J]))
        return false;
    return Pattern(P, I + 1, V, J + 1, Seen);
}

inline bool Condition(const Text& T, const Text& V)
{
    if (!T.empty() && T.front() == '!')
        return !Condition(T.substr(1), V);
    bool greaterDone = false, lessDone = false, greater = true, less = true;
    if (const std::size_t p = T.find('>'); p != Text::npos) {
        const bool orEqual = p + 1 < T.size() && T[p + 1] == '=';
        const int order = Compare(V, ReadOperand(T, p + 1 + orEqual, true));
        greater = orEqual ? order >= 0 : order > 0;
        greaterDone = true;
    }
    if (const std::size_t p = T.find('<'); p != Text::npos) {
        const bool orEqual = p + 1 < T.size() && T[p + 1] == '=';
        const int order = Compare(V, ReadOperand(T, p + 1 + orEqual, false));
        less = orEqual ? order <= 0 : order < 0;
        lessDone = true;
    }
    if (Contains(T, '!')) {
        greaterDone = true;
        lessDone = true;
    }
    if (ContainsOutsideQuotes(T, '^') && (greaterDone || lessDone))
        return greater || less;
    if (ContainsOutsideQuotes(T, '&') && greaterDone && lessDone)
        return greater && less;
    if (Contains(T, '>') && greater)
        return true;
    if (Contains(T, '<') && less)
        return true;
    std::map<std::pair<std::size_t, std::size_t>, bool> seen;
    return Pattern(T, 0, V, 0, seen) != Contains(T, '!');
}

inline std::size_t ClosingParen(const Text& E)
{
    int depth = 0;
    for (std::size_t i = 0; i < E.size(); ++i) {
        depth += E[i] == '(' ? 1 : (E[i] == ')' ? -1 : 0);
        if (E[i] == ')' && depth == 0)
            return i;
    }
    return Text::npos;
}

inline bool Expression(Text E, const Text& V)
{
    E = Normalise(std::move(E));
    bool result = true;
    char32_t pending = 0;
    const auto join = [&](bool part) {
        if (pending == 0)
            result = part;
        else if (pending == '&')
            result = result && part;
        else if (pending != '(')
            result = result || part;
    };
    for (;;) {
        std::size_t i = 0;
        while (i < E.size() && !(Text(U"(;^&|").find(E[i]) != Text::npos && !InsideQuotes(E, i)))
            ++i;
        if (i == E.size())
            break;
        const char32_t separator = E[i];
        if (E.front() == '(') {
            const std::size_t close = ClosingParen(E);
            join(Expression(close == Text::npos ? E.substr(1) : E.substr(1, close - 1), V));
            E = close == Text::npos ? Text() : E.substr(close + 1);
        } else {
            join(Condition(E.substr(0, i), V));
            E = E.substr(i + 1);
        }
        pending = separator;
    }
    join(Condition(E, V));
    return result;
}

// MatchFilterExpression: the literal form, the case flag, then the expression.
inline bool Match(std::string_view Expression, std::string_view Value, bool CaseSensitive)
{
    Text e = FilterCodePoints(Expression);
    Text v = FilterCodePoints(Value);
    if (!CaseSensitive) {
        e = Upper(e);
        v = Upper(v);
    }
    if (!e.empty() && e.front() == LiteralMark)
        return e.substr(1) == v;
    return reference::Expression(e, v);
}

}  // namespace skelda::grid::reference
