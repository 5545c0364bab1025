#include "grid/text/TFilterTerm.h"

#include "grid/text/DateTexts.h"
#include "grid/text/FilterText.h"
#include "grid/text/NumberTexts.h"
#include "platform/core/FormatSettings.h"
#include "platform/system/Conversions.h"

#include <algorithm>

namespace skelda::grid {

namespace {

// Operands and the texts they are compared with count this many characters.
constexpr std::size_t MaxOperandLength = 255;

// NumberTextForVal writes the decimal separator as ".", so the conversion reads "." whatever
// the locale; it reads no other setting.
const plat::TFormatSettings& PointDecimalSettings()
{
    static const plat::TFormatSettings settings = [] {
        plat::TFormatSettings point = plat::DefaultFormatSettings();
        point.DecimalSeparator = '.';
        return point;
    }();
    return settings;
}

// The term after its leading "!"s.
std::u32string_view WithoutLeadingNots(std::u32string_view Term)
{
    return Term.substr(std::min(Term.find_first_not_of(U'!'), Term.size()));
}

// The wildcard pattern of a term: its characters but double quotes and "!".
std::u32string PatternOf(std::u32string_view Term)
{
    std::u32string pattern;
    std::copy_if(Term.begin(), Term.end(), std::back_inserter(pattern), [](char32_t c) { return c != '"' && c != '!'; });
    return pattern;
}

bool HasOutsideQuotes(std::u32string_view Term, char32_t Ch)
{
    std::size_t index = 0;
    return FindFirstSeparatorOutsideQuotes(Term, std::u32string_view(&Ch, 1), index) != 0;
}

template <typename T>
int CompareValues(const T& A, const T& B)
{
    return A < B ? -1 : (B < A ? 1 : 0);
}

}  // namespace

TFilterQuantity TFilterQuantity::Read(std::u32string_view Text)
{
    const std::string text = FilterText(Text);
    TFilterQuantity quantity;
    plat::TDateTime date = 0;
    double number = 0;
    if (ParseDateTimeText(text, date))
        quantity.Date = date;
    else if (plat::TryStrToFloat(NumberTextForVal(text), number, PointDecimalSettings()))
        quantity.Number = number;
    return quantity;
}

const TFilterQuantity& TFilterValue::Quantity() const
{
    if (!FQuantity)
        FQuantity = TFilterQuantity::Read(FChars);
    return *FQuantity;
}

TFilterTerm::TFilterTerm(std::u32string_view Term)
    : FNegated((Term.size() - WithoutLeadingNots(Term).size()) % 2 == 1),
      FPattern(PatternOf(WithoutLeadingNots(Term)))
{
    const std::u32string_view rest = WithoutLeadingNots(Term);
    FGreater = ReadComparison(rest, '>', true);
    FLess = ReadComparison(rest, '<', false);
    FHasNot = rest.find('!') != std::u32string_view::npos;
    FOrOutsideQuotes = HasOutsideQuotes(rest, '^');
    FAndOutsideQuotes = HasOutsideQuotes(rest, '&');
}

TFilterTerm::TComparison TFilterTerm::ReadComparison(std::u32string_view Term, char32_t Operator, bool BlankInQuotes)
{
    TComparison comparison;
    std::size_t i = Term.find(Operator);
    if (i == std::u32string_view::npos)
        return comparison;
    comparison.Present = true;
    comparison.OrEqual = i + 1 < Term.size() && Term[i + 1] == '=';
    i += comparison.OrEqual ? 2 : 1;
    while (i < Term.size() && Term[i] == ' ')
        ++i;
    bool quoted = std::count(Term.begin(), Term.begin() + static_cast<std::ptrdiff_t>(i), U'"') % 2 == 1;
    if (i < Term.size() && Term[i] == '"') {
        quoted = !quoted;
        ++i;
    }
    std::u32string& operand = comparison.Operand;
    for (; i < Term.size(); ++i) {
        const char32_t c = Term[i];
        if ((c == '&' || c == '|') && !quoted)
            break;
        if (c == ' ') {
            const char32_t before = operand.empty() ? U' ' : operand.back();
            if (!BlankInQuotes || !quoted || before == ' ' || before == '"')
                break;
        }
        if (c == '"')
            quoted = !quoted;
        operand += c;
    }
    if (!operand.empty() && operand.back() == '"')
        operand.pop_back();
    operand.resize(std::min(operand.size(), MaxOperandLength));
    comparison.Quantity = TFilterQuantity::Read(operand);
    return comparison;
}

int TFilterTerm::TComparison::Order(const TFilterValue& Value) const
{
    const TFilterQuantity& value = Value.Quantity();
    if (value.Number && Quantity.Number)
        return CompareValues(*value.Number, *Quantity.Number);
    if (value.Date && Quantity.Date)
        return CompareValues(*value.Date, *Quantity.Date);
    const std::u32string_view chars = std::u32string_view(Value.Chars()).substr(0, MaxOperandLength);
    return CompareValues(chars.compare(Operand), 0);
}

bool TFilterTerm::Matches(const TFilterValue& Value) const { return Decide(Value) != FNegated; }

bool TFilterTerm::Decide(const TFilterValue& Value) const
{
    // A comparison that is not made counts as holding.
    const bool greater = !FGreater.Present || (FGreater.OrEqual ? FGreater.Order(Value) >= 0 : FGreater.Order(Value) > 0);
    const bool less = !FLess.Present || (FLess.OrEqual ? FLess.Order(Value) <= 0 : FLess.Order(Value) < 0);
    const bool greaterMade = FGreater.Present || FHasNot;
    const bool lessMade = FLess.Present || FHasNot;
    if (FOrOutsideQuotes && (greaterMade || lessMade))
        return greater || less;
    if (FAndOutsideQuotes && greaterMade && lessMade)
        return greater && less;
    if ((FGreater.Present && greater) || (FLess.Present && less))
        return true;
    return FPattern.Matches(Value.Chars()) != FHasNot;
}

}  // namespace skelda::grid
