#include "platform/graphics/ColorLiterals.h"

#include "platform/core/Exception.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <utility>

namespace plat {

namespace {

// No two names share a value, so each direction has one answer.
constexpr std::array<std::pair<TColor, std::string_view>, 52> kColorNames{{
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clMoneyGreen, "clMoneyGreen"},
    {clSkyBlue, "clSkyBlue"},
    {clCream, "clCream"},
    {clMedGray, "clMedGray"},
    {clActiveBorder, "clActiveBorder"},
    {clActiveCaption, "clActiveCaption"},
    {clAppWorkSpace, "clAppWorkSpace"},
    {clBackground, "clBackground"},
    {clBtnFace, "clBtnFace"},
    {clBtnHighlight, "clBtnHighlight"},
    {clBtnShadow, "clBtnShadow"},
    {clBtnText, "clBtnText"},
    {clCaptionText, "clCaptionText"},
    {clDefault, "clDefault"},
    {clGradientActiveCaption, "clGradientActiveCaption"},
    {clGradientInactiveCaption, "clGradientInactiveCaption"},
    {clGrayText, "clGrayText"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clHotLight, "clHotLight"},
    {clInactiveBorder, "clInactiveBorder"},
    {clInactiveCaption, "clInactiveCaption"},
    {clInactiveCaptionText, "clInactiveCaptionText"},
    {clInfoBk, "clInfoBk"},
    {clInfoText, "clInfoText"},
    {clMenu, "clMenu"},
    {clMenuBar, "clMenuBar"},
    {clMenuHighlight, "clMenuHighlight"},
    {clMenuText, "clMenuText"},
    {clNone, "clNone"},
    {clScrollBar, "clScrollBar"},
    {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"},
    {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"},
    {clWindowText, "clWindowText"},
}};

bool SameText(std::string_view A, std::string_view B)
{
    if (A.size() != B.size())
        return false;
    for (std::size_t i = 0; i < A.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(A[i])) != std::tolower(static_cast<unsigned char>(B[i])))
            return false;
    return true;
}

// "$" and 1 to 8 hexadecimal digits; the 32 bits are the colour's, top bit included.
bool TryHexColor(std::string_view Digits, TColor& Color)
{
    if (Digits.empty() || Digits.size() > 8)
        return false;
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(Digits.data(), Digits.data() + Digits.size(), value, 16);
    if (error != std::errc() || end != Digits.data() + Digits.size())
        return false;
    Color = static_cast<TColor>(value);
    return true;
}

// An optional sign and decimal digits within the 32-bit signed range.
bool TryDecimalColor(std::string_view Text, TColor& Color)
{
    const bool plus = !Text.empty() && Text.front() == '+';
    if (plus)
        Text.remove_prefix(1);
    if (Text.empty() || (plus && Text.front() == '-'))
        return false;
    TColor value = 0;
    const auto [end, error] = std::from_chars(Text.data(), Text.data() + Text.size(), value, 10);
    if (error != std::errc() || end != Text.data() + Text.size())
        return false;
    Color = value;
    return true;
}

}  // namespace

bool ColorToIdent(TColor Color, std::string& Ident)
{
    for (const auto& [color, name] : kColorNames)
        if (color == Color) {
            Ident = name;
            return true;
        }
    return false;
}

bool IdentToColor(std::string_view Ident, TColor& Color)
{
    for (const auto& [color, name] : kColorNames)
        if (SameText(name, Ident)) {
            Color = color;
            return true;
        }
    return false;
}

std::string ColorToString(TColor Color)
{
    std::string ident;
    if (ColorToIdent(Color, ident))
        return ident;
    char text[10];
    std::snprintf(text, sizeof text, "$%08X", static_cast<std::uint32_t>(Color));
    return text;
}

TColor StringToColor(std::string_view S)
{
    TColor color = 0;
    if (IdentToColor(S, color))
        return color;
    const bool valid = !S.empty() && S.front() == '$' ? TryHexColor(S.substr(1), color) : TryDecimalColor(S, color);
    if (!valid)
        throw EConvertError("'%s' is not a valid color value", {std::string(S)});
    return color;
}

}  // namespace plat
