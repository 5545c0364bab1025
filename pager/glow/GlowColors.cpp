#include "pager/glow/GlowColors.h"

#include <algorithm>
#include <cmath>

namespace skelda::pager {

int RoundEven(double Value)
{
    return static_cast<int>(std::nearbyint(Value));
}

namespace {

int ShadeChannel(int Value, int Percent)
{
    if (Value == 0)
        return Percent > 0 ? Percent & 0xFF : 0;
    return RoundEven(Value * std::min(100, 100 + Percent) / 100.0) & 0xFF;
}

}  // namespace

plat::TColor ShadeColorChannels(plat::TColor Color, int RedPercent, int GreenPercent, int BluePercent)
{
    const plat::TColor rgb = plat::ColorToRGB(Color);
    return plat::RGB(ShadeChannel(plat::GetRValue(rgb), RedPercent), ShadeChannel(plat::GetGValue(rgb), GreenPercent),
                     ShadeChannel(plat::GetBValue(rgb), BluePercent));
}

plat::TColor ShadeColor(plat::TColor Color, int Percent)
{
    return ShadeColorChannels(Color, Percent, Percent, Percent);
}

plat::TColor MixColors(plat::TColor Color1, plat::TColor Color2, int Percent)
{
    if (Percent >= 100)
        return Color1;
    if (Percent <= 0)
        return Color2;
    if (Color1 == plat::clNone)
        return Color2;
    if (Color2 == plat::clNone)
        return Color1;
    const plat::TColor c1 = plat::ColorToRGB(Color1);
    const plat::TColor c2 = plat::ColorToRGB(Color2);
    const double share = Percent / 100.0;
    const auto mix = [share](int a, int b) { return std::min(255, RoundEven(share * a + (1 - share) * b)); };
    return plat::RGB(mix(plat::GetRValue(c1), plat::GetRValue(c2)), mix(plat::GetGValue(c1), plat::GetGValue(c2)),
                     mix(plat::GetBValue(c1), plat::GetBValue(c2)));
}

}  // namespace skelda::pager
