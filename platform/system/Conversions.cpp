#include "platform/system/Conversions.h"

#include "platform/core/Exception.h"
#include "platform/core/FormatSettings.h"
#include "platform/system/ScanChars.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace plat {

namespace {

// Reads [+-]digits[sep digits][(E|e)[+-]digits] into a form std::from_chars takes, which knows
// nothing of a '+' sign or of separators other than '.'.
struct FloatText {
    bool Negative = false;
    std::string Plain;  // digits, '.', 'e', exponent sign and digits
    // Decimal exponent of the first significant digit, saturated; decides whether a value
    // std::from_chars cannot hold is too small (zero) or too large (invalid).
    long LeadingExponent = 0;
    bool AllZero = true;

    bool Parse(std::string_view S, char DecimalSeparator)
    {
        std::size_t pos = 0;
        if (pos < S.size() && (S[pos] == '+' || S[pos] == '-'))
            Negative = S[pos++] == '-';
        long mantissaDigits = 0;
        long digitsBeforePoint = 0;
        long firstSignificantIndex = 0;
        bool afterPoint = false;
        for (; pos < S.size(); ++pos) {
            const char c = S[pos];
            if (IsDigit(c)) {
                if (!afterPoint)
                    ++digitsBeforePoint;
                if (c != '0' && AllZero) {
                    AllZero = false;
                    firstSignificantIndex = mantissaDigits;
                }
                ++mantissaDigits;
                Plain += c;
            } else if (c == DecimalSeparator && !afterPoint) {
                afterPoint = true;
                Plain += '.';
            } else {
                break;
            }
        }
        if (mantissaDigits == 0)
            return false;
        long exponent = 0;
        if (pos < S.size() && (S[pos] == 'E' || S[pos] == 'e')) {
            Plain += 'e';
            ++pos;
            bool negativeExponent = false;
            if (pos < S.size() && (S[pos] == '+' || S[pos] == '-')) {
                negativeExponent = S[pos] == '-';
                Plain += S[pos++];
            }
            const std::size_t firstExponentDigit = pos;
            for (; pos < S.size() && IsDigit(S[pos]); ++pos) {
                Plain += S[pos];
                exponent = std::min(exponent * 10 + (S[pos] - '0'), 1'000'000L);
            }
            if (pos == firstExponentDigit)
                return false;
            if (negativeExponent)
                exponent = -exponent;
        }
        LeadingExponent = digitsBeforePoint - 1 - firstSignificantIndex + exponent;
        return pos == S.size();
    }
};

}  // namespace

bool TryStrToFloat(std::string_view S, double& Value) { return TryStrToFloat(S, Value, FormatSettings()); }

bool TryStrToFloat(std::string_view S, double& Value, const TFormatSettings& Settings)
{
    FloatText text;
    if (!text.Parse(TrimBlanks(S), Settings.DecimalSeparator))
        return false;
    double magnitude = 0;
    const char* end = text.Plain.data() + text.Plain.size();
    const auto result = std::from_chars(text.Plain.data(), end, magnitude);
    if (result.ptr != end)
        return false;
    if (result.ec == std::errc::result_out_of_range) {
        if (text.AllZero || text.LeadingExponent >= 0)
            return false;
        magnitude = 0;
    } else if (result.ec != std::errc()) {
        return false;
    }
    Value = text.Negative ? -magnitude : magnitude;
    return true;
}

double StrToFloat(std::string_view S) { return StrToFloat(S, FormatSettings()); }

double StrToFloat(std::string_view S, const TFormatSettings& Settings)
{
    double value = 0;
    if (!TryStrToFloat(S, value, Settings))
        throw EConvertError("'%s' is not a valid floating point value", {S});
    return value;
}

namespace {

bool TryStrToInt(std::string_view S, int& Value)
{
    while (!S.empty() && IsBlank(S.front()))
        S.remove_prefix(1);
    bool negative = false;
    if (!S.empty() && (S.front() == '+' || S.front() == '-')) {
        negative = S.front() == '-';
        S.remove_prefix(1);
    }
    if (S.empty() || !IsDigit(S.front()))
        return false;
    std::int64_t magnitude = 0;
    const auto result = std::from_chars(S.data(), S.data() + S.size(), magnitude);
    if (result.ec != std::errc() || result.ptr != S.data() + S.size())
        return false;
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return false;
    Value = static_cast<int>(value);
    return true;
}

}  // namespace

int StrToInt(std::string_view S)
{
    int value = 0;
    if (!TryStrToInt(S, value))
        throw EConvertError("'%s' is not a valid integer value", {S});
    return value;
}

int StrToIntDef(std::string_view S, int Default)
{
    int value = 0;
    return TryStrToInt(S, value) ? value : Default;
}

std::string IntToStr(std::int64_t Value) { return std::to_string(Value); }

std::string Trim(std::string_view S)
{
    const auto control = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!S.empty() && control(S.front()))
        S.remove_prefix(1);
    while (!S.empty() && control(S.back()))
        S.remove_suffix(1);
    return std::string(S);
}

}  // namespace plat
