#include "grid/drawing/ColorRoutines.h"

#include "platform/system/MathRoutines.h"

#include <algorithm>

namespace skelda::grid {

namespace {

int ShadeChannel(int Channel, int Percent)
{
    const std::int64_t shaded = plat::Round(Channel + static_cast<double>(Channel) * Percent / 100.0);
    return static_cast<int>(std::clamp<std::int64_t>(shaded, 0, 255));
}

}  // namespace

std::string ColorToHex(plat::TColor Color)
{
    static constexpr char Digits[] = "0123456789ABCDEF";
    const plat::TColor rgb = plat::ColorToRGB(Color);
    std::string hex;
    for (const int channel : {plat::GetRValue(rgb), plat::GetGValue(rgb), plat::GetBValue(rgb)}) {
        hex += Digits[channel >> 4];
        hex += Digits[channel & 0xF];
    }
    return hex;
}

plat::TColor HalveColor(plat::TColor Color)
{
    const plat::TColor rgb = plat::ColorToRGB(Color);
    return plat::RGB(plat::GetRValue(rgb) / 2, plat::GetGValue(rgb) / 2, plat::GetBValue(rgb) / 2);
}

plat::TColor ShadeColor(plat::TColor Color, int Percent)
{
    const plat::TColor rgb = plat::ColorToRGB(Color);
    return plat::RGB(ShadeChannel(plat::GetRValue(rgb), Percent), ShadeChannel(plat::GetGValue(rgb), Percent),
                     ShadeChannel(plat::GetBValue(rgb), Percent));
}

}  // namespace skelda::grid
