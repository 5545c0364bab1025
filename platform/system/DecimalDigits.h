#pragma once

#include <string>

namespace plat {

// The magnitude of a double as the shortest decimal digits that read back to it, 0.Digits x
// 10^Exponent, so that rounding for display works on the digits a person would write (2.675
// stays 2.675 rather than the binary 2.67499999...). Digits hold no leading or trailing zeros;
// zero has no digits.
class DecimalDigits {
public:
    // Value must be finite; its sign is ignored.
    explicit DecimalDigits(double Value);

    const std::string& Digits() const { return FDigits; }
    int Exponent() const { return FExponent; }
    bool IsZero() const { return FDigits.empty(); }

    // The digit at Index counting from the first significant one, '0' beyond either end.
    char DigitAt(int Index) const;

    // Half away from zero, keeping Decimals digits after the decimal point.
    void RoundToDecimals(int Decimals);
    // Half away from zero, keeping Count significant digits.
    void RoundToSignificant(int Count);
    // Toward zero, keeping Count significant digits.
    void TruncateToSignificant(int Count);

    // Whether this magnitude is larger than Other's.
    bool Exceeds(const DecimalDigits& Other) const;

private:
    void RoundToLength(int Length);
    void DropTrailingZeros();

    std::string FDigits;
    int FExponent = 0;
};

}  // namespace plat
