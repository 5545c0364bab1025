#include "platform/core/Format.h"

#include "platform/core/Exception.h"
#include "platform/core/Utf8.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace plat {

namespace {

// Widths and precisions past this are taken for a broken format rather than honoured, so a
// format typed by a user cannot ask for gigabytes of padding.
constexpr int MaxWidthOrPrecision = 65536;
// Significant digits a double carries reliably.
constexpr int ReliableDigits = 15;
constexpr int MaxFixedDecimals = 18;

// A finite non-negative value as decimal digits: Digits[0].Digits[1..] x 10^Exponent.
// No digits left means zero.
struct TDecimal {
    std::string Digits;
    int Exponent = 0;

    bool IsZero() const { return Digits.find_first_not_of('0') == std::string::npos; }
    char DigitAt(int k) const { return k >= 0 && k < static_cast<int>(Digits.size()) ? Digits[k] : '0'; }
};

TDecimal ToDecimal(double absValue)
{
    // Only fixed formats reach printf; the user's format never does.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", ReliableDigits - 1, absValue);
    TDecimal d;
    const char* p = buffer;
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            d.Digits += *p;
    d.Exponent = *p == 'e' ? std::atoi(p + 1) : 0;
    return d;
}

// Keeps the first Keep significant digits, rounding half away from zero on the digits present.
void RoundTo(TDecimal& d, int keep)
{
    if (keep >= static_cast<int>(d.Digits.size()))
        return;
    if (keep < 0) {
        d.Digits.clear();
        return;
    }
    const bool up = d.Digits[keep] >= '5';
    d.Digits.resize(keep);
    if (!up)
        return;
    int k = keep - 1;
    while (k >= 0 && d.Digits[k] == '9')
        d.Digits[k--] = '0';
    if (k >= 0) {
        ++d.Digits[k];
    } else {
        d.Digits.insert(d.Digits.begin(), '1');
        ++d.Exponent;
    }
}

std::string GroupThousands(const std::string& integerPart, char separator)
{
    if (separator == '\0')
        return integerPart;
    std::string out;
    const int n = static_cast<int>(integerPart.size());
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += separator;
        out += integerPart[i];
    }
    return out;
}

std::string FixedDigits(double absValue, int decimals, char decimalSeparator, char thousandSeparator, bool& isZero)
{
    TDecimal d = ToDecimal(absValue);
    RoundTo(d, d.Exponent + 1 + decimals);
    isZero = d.IsZero();
    std::string integerPart;
    for (int k = 0; k <= d.Exponent; ++k)
        integerPart += d.DigitAt(k);
    if (integerPart.empty())
        integerPart = "0";
    std::string out = GroupThousands(integerPart, thousandSeparator);
    if (decimals > 0) {
        out += decimalSeparator;
        for (int j = 1; j <= decimals; ++j)
            out += d.DigitAt(d.Exponent + j);
    }
    return out;
}

std::string ExponentDigits(int exponent, int minDigits, bool plusSign)
{
    std::string digits = std::to_string(std::abs(exponent));
    if (static_cast<int>(digits.size()) < minDigits)
        digits.insert(0, minDigits - digits.size(), '0');
    return std::string("E") + (exponent < 0 ? "-" : (plusSign ? "+" : "")) + digits;
}

std::string ScientificDigits(double absValue, int precision, char decimalSeparator, bool& isZero)
{
    TDecimal d = ToDecimal(absValue);
    RoundTo(d, precision);
    isZero = d.IsZero();
    if (isZero)
        d.Exponent = 0;
    d.Digits.resize(precision, '0');
    std::string out(1, d.Digits[0]);
    if (precision > 1)
        out += decimalSeparator + d.Digits.substr(1);
    return out + ExponentDigits(d.Exponent, 3, true);
}

std::string GeneralDigits(double absValue, int precision, char decimalSeparator, bool& isZero)
{
    TDecimal d = ToDecimal(absValue);
    RoundTo(d, precision);
    isZero = d.IsZero();
    if (isZero)
        return "0";
    d.Digits.erase(d.Digits.find_last_not_of('0') + 1);
    const int n = static_cast<int>(d.Digits.size());
    if (d.Exponent >= precision || d.Exponent < -5) {
        std::string out(1, d.Digits[0]);
        if (n > 1)
            out += decimalSeparator + d.Digits.substr(1);
        return out + ExponentDigits(d.Exponent, 0, false);
    }
    if (d.Exponent < 0)
        return std::string("0") + decimalSeparator + std::string(-d.Exponent - 1, '0') + d.Digits;
    std::string out;
    for (int k = 0; k <= d.Exponent; ++k)
        out += d.DigitAt(k);
    if (n > d.Exponent + 1)
        out += decimalSeparator + d.Digits.substr(d.Exponent + 1);
    return out;
}

std::string ToBase(std::uint64_t value, unsigned base)
{
    static constexpr char digitChars[] = "0123456789ABCDEF";
    std::string out;
    do {
        out.insert(out.begin(), digitChars[value % base]);
        value /= base;
    } while (value != 0);
    return out;
}

// One pass over a format, consuming its arguments in order (or as index specifiers direct).
class TFormatter {
public:
    TFormatter(std::string_view fmt, std::initializer_list<TVarRec> args, const TFormatSettings& settings)
        : FFormat(fmt), FArgs(args), FSettings(settings)
    {
    }

    std::string Run()
    {
        std::string out;
        out.reserve(FFormat.size() + 16);
        while (FPos < FFormat.size()) {
            const std::size_t percent = FFormat.find('%', FPos);
            out.append(FFormat.substr(FPos, percent - FPos));
            if (percent == std::string_view::npos)
                break;
            FPos = percent + 1;
            if (Peek() == '%') {
                out += '%';
                ++FPos;
                continue;
            }
            out += Specifier();
        }
        return out;
    }

private:
    [[noreturn]] void Invalid() const
    {
        throw EConvertError("Format '%s' invalid or incompatible with argument", {std::string(FFormat)});
    }

    char Peek() const { return FPos < FFormat.size() ? FFormat[FPos] : '\0'; }

    const TVarRec& NextArg()
    {
        if (FArgIndex >= FArgs.size())
            throw EConvertError("No argument for format '%s'", {std::string(FFormat)});
        return FArgs.begin()[FArgIndex++];
    }

    // Digits or "*" (the next argument, which must be an integer).
    std::optional<long long> ReadNumber()
    {
        if (Peek() == '*') {
            ++FPos;
            const TVarRec& arg = NextArg();
            if (arg.Kind() != TVarRec::TKind::Integer)
                Invalid();
            if (arg.IsUnsigned() ? arg.AsUnsigned() > MaxWidthOrPrecision
                                 : arg.AsSigned() < -MaxWidthOrPrecision || arg.AsSigned() > MaxWidthOrPrecision)
                Invalid();
            return arg.IsUnsigned() ? static_cast<long long>(arg.AsUnsigned()) : arg.AsSigned();
        }
        if (Peek() < '0' || Peek() > '9')
            return std::nullopt;
        long long value = 0;
        while (Peek() >= '0' && Peek() <= '9') {
            value = value * 10 + (Peek() - '0');
            if (value > MaxWidthOrPrecision)
                Invalid();
            ++FPos;
        }
        return value;
    }

    std::string Specifier()
    {
        std::optional<long long> number = ReadNumber();
        if (number && Peek() == ':') {
            if (*number < 0)
                Invalid();
            FArgIndex = static_cast<std::size_t>(*number);
            ++FPos;
            number.reset();
        }
        bool leftJustify = false;
        if (!number && Peek() == '-') {
            leftJustify = true;
            ++FPos;
        }
        if (!number)
            number = ReadNumber();
        long long width = number.value_or(0);
        if (width < 0) {
            leftJustify = true;
            width = -width;
        }
        std::optional<long long> precision;
        if (Peek() == '.') {
            ++FPos;
            precision = ReadNumber().value_or(0);
            if (*precision < 0)
                precision.reset();
        }
        const char type = Peek();
        if (type == '\0')
            Invalid();
        ++FPos;
        std::string text = Convert(type, NextArg(), precision);
        const long long padding = width - Utf8Length(text);
        if (padding > 0)
            text.insert(leftJustify ? text.size() : 0, static_cast<std::size_t>(padding), ' ');
        return text;
    }

    std::string Convert(char type, const TVarRec& arg, std::optional<long long> precision)
    {
        switch (type) {
        case 'd': case 'D': case 'u': case 'U': case 'x': case 'X':
            return IntegerText(type, arg, precision);
        case 'e': case 'E': case 'f': case 'F': case 'g': case 'G': case 'n': case 'N': case 'm': case 'M':
            return FloatText(type, arg, precision);
        case 's': case 'S':
            if (arg.Kind() != TVarRec::TKind::String)
                Invalid();
            return precision ? Utf8Copy(arg.AsString(), 1, static_cast<int>(*precision)) : arg.AsString();
        default:
            Invalid();
        }
    }

    std::string IntegerText(char type, const TVarRec& arg, std::optional<long long> precision)
    {
        if (arg.Kind() != TVarRec::TKind::Integer)
            Invalid();
        bool negative = false;
        std::uint64_t magnitude = 0;
        const bool asUnsigned = type == 'u' || type == 'U' || type == 'x' || type == 'X';
        if (arg.IsUnsigned()) {
            magnitude = arg.AsUnsigned();
        } else if (asUnsigned) {
            // A negative value reads as the unsigned number of the same bits, in its own size.
            const int bits = arg.SizeBytes() * 8;
            const std::uint64_t mask = bits >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << bits) - 1;
            magnitude = static_cast<std::uint64_t>(arg.AsSigned()) & mask;
        } else {
            negative = arg.AsSigned() < 0;
            magnitude = negative ? std::uint64_t{0} - static_cast<std::uint64_t>(arg.AsSigned())
                                 : static_cast<std::uint64_t>(arg.AsSigned());
        }
        std::string digits = ToBase(magnitude, type == 'x' || type == 'X' ? 16 : 10);
        if (precision && *precision > static_cast<long long>(digits.size()))
            digits.insert(0, static_cast<std::size_t>(*precision) - digits.size(), '0');
        return negative ? "-" + digits : digits;
    }

    std::string FloatText(char type, const TVarRec& arg, std::optional<long long> precision)
    {
        if (arg.Kind() != TVarRec::TKind::Float)
            Invalid();
        const double value = arg.AsFloat();
        if (std::isnan(value))
            return "NAN";
        if (std::isinf(value))
            return value < 0 ? "-INF" : "INF";
        const char lower = static_cast<char>(type | 0x20);
        const double absValue = std::fabs(value);
        bool isZero = false;
        std::string text;
        if (lower == 'e' || lower == 'g') {
            const int digits = static_cast<int>(std::clamp<long long>(precision.value_or(ReliableDigits), 1, ReliableDigits));
            text = lower == 'e' ? ScientificDigits(absValue, digits, FSettings.DecimalSeparator, isZero)
                                : GeneralDigits(absValue, digits, FSettings.DecimalSeparator, isZero);
        } else {
            const int decimals = static_cast<int>(std::min<long long>(precision.value_or(2), MaxFixedDecimals));
            const char thousands = lower == 'f' ? '\0' : FSettings.ThousandSeparator;
            text = FixedDigits(absValue, decimals, FSettings.DecimalSeparator, thousands, isZero);
        }
        return value < 0 && !isZero ? "-" + text : text;
    }

    std::string_view FFormat;
    std::initializer_list<TVarRec> FArgs;
    const TFormatSettings& FSettings;
    std::size_t FPos = 0;
    std::size_t FArgIndex = 0;
};

}  // namespace

std::string Format(std::string_view fmt, std::initializer_list<TVarRec> args)
{
    return Format(fmt, args, FormatSettings());
}

Exception::Exception(std::string_view fmt, std::initializer_list<TVarRec> args) : FMessage(Format(fmt, args)) {}

std::string Format(std::string_view fmt, std::initializer_list<TVarRec> args, const TFormatSettings& settings)
{
    return TFormatter(fmt, args, settings).Run();
}

}  // namespace plat
