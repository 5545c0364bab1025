#include "platform/system/FloatFormat.h"

#include "platform/core/FormatSettings.h"
#include "platform/system/DecimalDigits.h"
#include "platform/system/QuotedLiteral.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>
#include <vector>

namespace plat {

namespace {

constexpr int GeneralPrecision = 15;
// Without an exponent in the pattern, magnitudes from this one on are written in the general form
// instead of as a long run of invented digits.
constexpr double FixedPatternLimit = 1e18;
constexpr int MaxExponentDigits = 4;

std::string NonFiniteText(double Value)
{
    if (std::isnan(Value))
        return "NAN";
    return Value < 0 ? "-INF" : "INF";
}

bool IsExponentAt(std::string_view Section, std::size_t Pos)
{
    return (Section[Pos] == 'E' || Section[Pos] == 'e') && Pos + 1 < Section.size()
           && (Section[Pos + 1] == '+' || Section[Pos + 1] == '-');
}

std::vector<std::string_view> SplitSections(std::string_view Format)
{
    std::vector<std::string_view> sections;
    std::size_t start = 0;
    std::size_t pos = 0;
    while (pos < Format.size()) {
        if (Format[pos] == '\'' || Format[pos] == '"') {
            TakeQuotedLiteral(Format, pos);
        } else if (Format[pos] == ';') {
            sections.push_back(Format.substr(start, pos - start));
            start = ++pos;
        } else {
            ++pos;
        }
    }
    sections.push_back(Format.substr(start));
    return sections;
}

// What a section asks for, from one scan of it.
struct SectionLayout {
    int IntegerPlaces = 0;     // digit places before the decimal point
    int MinIntegerDigits = 0;  // from the first '0' before the point on
    int FractionPlaces = 0;
    int MinFractionDigits = 0;  // up to the last '0' after the point
    bool Grouping = false;
    bool Scientific = false;
    bool ExponentPlus = false;
    int ExponentDigits = 0;

    explicit SectionLayout(std::string_view Section)
    {
        bool afterPoint = false;
        int firstIntegerZero = -1;
        std::size_t pos = 0;
        while (pos < Section.size() && !Scientific) {
            const char c = Section[pos];
            if (c == '\'' || c == '"') {
                TakeQuotedLiteral(Section, pos);
                continue;
            }
            if (c == '0' || c == '#') {
                if (afterPoint) {
                    ++FractionPlaces;
                    if (c == '0')
                        MinFractionDigits = FractionPlaces;
                } else {
                    if (c == '0' && firstIntegerZero < 0)
                        firstIntegerZero = IntegerPlaces;
                    ++IntegerPlaces;
                }
            } else if (c == '.') {
                afterPoint = true;
            } else if (c == ',') {
                Grouping = true;
            } else if (IsExponentAt(Section, pos)) {
                Scientific = true;
                ExponentPlus = Section[pos + 1] == '+';
                for (std::size_t z = pos + 2; z < Section.size() && Section[z] == '0'; ++z)
                    ExponentDigits = std::min(ExponentDigits + 1, MaxExponentDigits);
            }
            ++pos;
        }
        if (firstIntegerZero >= 0)
            MinIntegerDigits = IntegerPlaces - firstIntegerZero;
    }
};

// The digits a section will place, already rounded.
struct PlacedNumber {
    std::string IntegerDigits;
    std::string FractionDigits;
    std::string ExponentText;
};

std::string TrimmedFraction(const DecimalDigits& Number, int FirstIndex, const SectionLayout& Layout)
{
    std::string fraction;
    for (int i = 0; i < Layout.FractionPlaces; ++i)
        fraction += Number.DigitAt(FirstIndex + i);
    while (static_cast<int>(fraction.size()) > Layout.MinFractionDigits && fraction.back() == '0')
        fraction.pop_back();
    return fraction;
}

// Leading zeros only as far as the pattern's '0' places ask for them.
std::string PaddedInteger(std::string Digits, const SectionLayout& Layout)
{
    Digits.erase(0, std::min(Digits.find_first_not_of('0'), Digits.size()));
    if (static_cast<int>(Digits.size()) < Layout.MinIntegerDigits)
        Digits.insert(0, static_cast<std::size_t>(Layout.MinIntegerDigits) - Digits.size(), '0');
    return Digits;
}

PlacedNumber PlaceFixed(const DecimalDigits& Number, const SectionLayout& Layout)
{
    PlacedNumber placed;
    for (int i = 0; i < Number.Exponent(); ++i)
        placed.IntegerDigits += Number.DigitAt(i);
    placed.IntegerDigits = PaddedInteger(placed.IntegerDigits, Layout);
    placed.FractionDigits = TrimmedFraction(Number, Number.Exponent(), Layout);
    return placed;
}

PlacedNumber PlaceScientific(const DecimalDigits& Number, const SectionLayout& Layout)
{
    PlacedNumber placed;
    for (int i = 0; i < Layout.IntegerPlaces; ++i)
        placed.IntegerDigits += Number.DigitAt(i);
    placed.IntegerDigits = PaddedInteger(placed.IntegerDigits, Layout);
    placed.FractionDigits = TrimmedFraction(Number, Layout.IntegerPlaces, Layout);
    const int exponent = Number.IsZero() ? 0 : Number.Exponent() - Layout.IntegerPlaces;
    if (exponent < 0)
        placed.ExponentText = "-";
    else if (Layout.ExponentPlus)
        placed.ExponentText = "+";
    std::string digits = std::to_string(std::abs(exponent));
    if (static_cast<int>(digits.size()) < Layout.ExponentDigits)
        digits.insert(0, static_cast<std::size_t>(Layout.ExponentDigits) - digits.size(), '0');
    placed.ExponentText += digits;
    return placed;
}

// Walks the section again, putting digits into their places and copying the rest. Integer
// digits fill the places from the right; any the places cannot hold go to the first one.
std::string WriteSection(std::string_view Section, const SectionLayout& Layout, const PlacedNumber& Number,
                         const TFormatSettings& Settings)
{
    std::string out;
    const std::string& integer = Number.IntegerDigits;
    const int integerCount = static_cast<int>(integer.size());
    bool integerWritten = false;
    auto writeIntegerDigits = [&](int From, int To) {
        for (int i = From; i < To; ++i) {
            out += integer[static_cast<std::size_t>(i)];
            const int following = integerCount - 1 - i;
            if (Layout.Grouping && following > 0 && following % 3 == 0)
                out += Settings.ThousandSeparator;
        }
        integerWritten = true;
    };
    bool afterPoint = false;
    bool exponentWritten = false;
    int integerPlace = 0;
    int fractionPlace = 0;
    std::size_t pos = 0;
    while (pos < Section.size()) {
        const char c = Section[pos];
        if (c == '\'' || c == '"') {
            out += TakeQuotedLiteral(Section, pos);
            continue;
        }
        if (exponentWritten) {
            out += c;
        } else if (c == '0' || c == '#') {
            if (!afterPoint) {
                // This place's own digit, negative when the number is too short to reach it.
                const int own = integerCount - Layout.IntegerPlaces + integerPlace;
                writeIntegerDigits(integerPlace == 0 ? 0 : std::max(own, 0), std::max(own + 1, 0));
                ++integerPlace;
            } else {
                if (!integerWritten)
                    writeIntegerDigits(0, integerCount);
                if (fractionPlace < static_cast<int>(Number.FractionDigits.size()))
                    out += Number.FractionDigits[static_cast<std::size_t>(fractionPlace)];
                ++fractionPlace;
            }
        } else if (c == '.') {
            if (!afterPoint) {
                if (!integerWritten)
                    writeIntegerDigits(0, integerCount);
                if (!Number.FractionDigits.empty())
                    out += Settings.DecimalSeparator;
                afterPoint = true;
            }
        } else if (c == ',') {
            // Only switches grouping on.
        } else if (Layout.Scientific && IsExponentAt(Section, pos)) {
            out += c;
            out += Number.ExponentText;
            pos += 2;
            while (pos < Section.size() && Section[pos] == '0')
                ++pos;
            exponentWritten = true;
            continue;
        } else {
            out += c;
        }
        ++pos;
    }
    return out;
}

// Nothing when the value rounds to zero in this section.
std::optional<std::string> FormatInSection(std::string_view Section, const SectionLayout& Layout,
                                           double Magnitude, const TFormatSettings& Settings)
{
    DecimalDigits number(Magnitude);
    if (Layout.Scientific)
        number.RoundToSignificant(std::max(Layout.IntegerPlaces + Layout.FractionPlaces, 1));
    else
        number.RoundToDecimals(Layout.FractionPlaces);
    if (number.IsZero())
        return std::nullopt;
    const PlacedNumber placed =
        Layout.Scientific ? PlaceScientific(number, Layout) : PlaceFixed(number, Layout);
    return WriteSection(Section, Layout, placed, Settings);
}

// The digits FloatToStr writes. Rounded up, the largest doubles would read as a number past
// the largest one, which StrToFloat refuses; those are cut to the digits shown instead.
DecimalDigits GeneralDigits(double Value)
{
    static const DecimalDigits largest(std::numeric_limits<double>::max());
    DecimalDigits rounded(Value);
    rounded.RoundToSignificant(GeneralPrecision);
    if (!rounded.Exceeds(largest))
        return rounded;
    DecimalDigits cut(Value);
    cut.TruncateToSignificant(GeneralPrecision);
    return cut;
}

std::string FormatZero(std::string_view Section, const TFormatSettings& Settings)
{
    const SectionLayout layout(Section);
    const DecimalDigits zero(0.0);
    const PlacedNumber placed = layout.Scientific ? PlaceScientific(zero, layout) : PlaceFixed(zero, layout);
    return WriteSection(Section, layout, placed, Settings);
}

}  // namespace

std::string FormatFloat(std::string_view Format, double Value)
{
    return FormatFloat(Format, Value, FormatSettings());
}

std::string FormatFloat(std::string_view Format, double Value, const TFormatSettings& Settings)
{
    if (!std::isfinite(Value))
        return NonFiniteText(Value);
    if (Format.empty())
        return FloatToStr(Value, Settings);
    const std::vector<std::string_view> sections = SplitSections(Format);
    auto sectionOr = [&](std::size_t Index) {
        return Index < sections.size() && !sections[Index].empty() ? sections[Index] : sections[0];
    };
    const bool negative = Value < 0;
    const bool ownNegativeSection = sections.size() > 1 && !sections[1].empty();
    if (Value != 0) {
        const std::string_view section = negative ? sectionOr(1) : sections[0];
        const SectionLayout layout(section);
        if (!layout.Scientific && std::fabs(Value) >= FixedPatternLimit)
            return FloatToStr(Value, Settings);
        if (const auto text = FormatInSection(section, layout, std::fabs(Value), Settings))
            return negative && !ownNegativeSection ? "-" + *text : *text;
    }
    return FormatZero(sectionOr(2), Settings);
}

std::string FloatToStr(double Value) { return FloatToStr(Value, FormatSettings()); }

std::string FloatToStr(double Value, const TFormatSettings& Settings)
{
    if (!std::isfinite(Value))
        return NonFiniteText(Value);
    const DecimalDigits number = GeneralDigits(Value);
    if (number.IsZero())
        return "0";
    const std::string& digits = number.Digits();
    const int exponent = number.Exponent();
    std::string out = Value < 0 ? "-" : "";
    if (exponent > GeneralPrecision || exponent < -3) {
        out += digits[0];
        if (digits.size() > 1) {
            out += Settings.DecimalSeparator;
            out.append(digits, 1);
        }
        out += 'E';
        if (exponent - 1 < 0)
            out += '-';
        out += std::to_string(std::abs(exponent - 1));
    } else if (exponent <= 0) {
        out += '0';
        out += Settings.DecimalSeparator;
        out.append(static_cast<std::size_t>(-exponent), '0');
        out += digits;
    } else {
        for (int i = 0; i < exponent; ++i)
            out += number.DigitAt(i);
        if (static_cast<int>(digits.size()) > exponent) {
            out += Settings.DecimalSeparator;
            out.append(digits, static_cast<std::size_t>(exponent));
        }
    }
    return out;
}

}  // namespace plat
