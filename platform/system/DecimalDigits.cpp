#include "platform/system/DecimalDigits.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace plat {

DecimalDigits::DecimalDigits(double Value)
{
    char text[64];
    const auto result =
        std::to_chars(text, text + sizeof text, std::fabs(Value), std::chars_format::scientific);
    // "d.ddde+XX": the shortest digits that round-trip, then the exponent of the first one.
    const std::string_view written(text, static_cast<std::size_t>(result.ptr - text));
    const std::size_t e = written.find('e');
    for (std::size_t i = 0; i < e; ++i)
        if (written[i] != '.')
            FDigits += written[i];
    FExponent = std::atoi(std::string(written.substr(e + 1)).c_str()) + 1;
    DropTrailingZeros();
}

char DecimalDigits::DigitAt(int Index) const
{
    if (Index < 0 || Index >= static_cast<int>(FDigits.size()))
        return '0';
    return FDigits[static_cast<std::size_t>(Index)];
}

void DecimalDigits::RoundToDecimals(int Decimals) { RoundToLength(FExponent + Decimals); }

void DecimalDigits::RoundToSignificant(int Count) { RoundToLength(Count); }

void DecimalDigits::RoundToLength(int Length)
{
    if (IsZero() || Length >= static_cast<int>(FDigits.size()))
        return;
    if (Length < 0) {
        FDigits.clear();
        FExponent = 0;
        return;
    }
    const bool up = FDigits[static_cast<std::size_t>(Length)] >= '5';
    FDigits.resize(static_cast<std::size_t>(Length));
    if (up) {
        std::size_t i = FDigits.size();
        while (i > 0 && FDigits[i - 1] == '9')
            FDigits[--i] = '0';
        if (i == 0) {
            FDigits.insert(FDigits.begin(), '1');
            ++FExponent;
        } else {
            ++FDigits[i - 1];
        }
    }
    DropTrailingZeros();
}

void DecimalDigits::TruncateToSignificant(int Count)
{
    if (Count < static_cast<int>(FDigits.size()))
        FDigits.resize(static_cast<std::size_t>(std::max(Count, 0)));
    DropTrailingZeros();
}

bool DecimalDigits::Exceeds(const DecimalDigits& Other) const
{
    if (IsZero() || Other.IsZero())
        return !IsZero() && Other.IsZero();
    if (FExponent != Other.FExponent)
        return FExponent > Other.FExponent;
    // Same exponent: the digits compare as the fractions 0.ddd they stand for.
    return FDigits > Other.FDigits;
}

void DecimalDigits::DropTrailingZeros()
{
    while (!FDigits.empty() && FDigits.back() == '0')
        FDigits.pop_back();
    if (FDigits.empty())
        FExponent = 0;
}

}  // namespace plat
