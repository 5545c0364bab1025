#include "foundation/ColorTones.h"

#include <cmath>

namespace skelda::foundation {

using namespace plat;

TColor Darker(TColor Color, int Percent)
{
    const TColor rgb = ColorToRGB(Color);
    auto scaled = [&](int channel) { return static_cast<int>(std::nearbyint(channel * (100 - Percent) / 100.0)); };
    return RGB(scaled(GetRValue(rgb)), scaled(GetGValue(rgb)), scaled(GetBValue(rgb)));
}

TColorTones MakeDefaultTones()
{
    TColorTones tones;
    tones.Background = {clWindow, clHighlight, clWindowText};
    tones.Foreground = {clSilver, clSilver, clBlack};
    tones.Selected = {clHighlight, clHighlight, clHighlightText};
    tones.Hover = {clGray, clGray, clWhite};
    tones.Disabled = {clWindow, clSilver, clSilver};
    return tones;
}

TColorTones MakeMetroTones(bool Light, TColor Color, TColor)
{
    const TColor hover = Darker(Color, 20);
    TColorTones tones;
    tones.Background = {Light ? clWhite : clBlack, Color, Light ? clBlack : clWhite};
    tones.Foreground = {clSilver, clSilver, clBlack};
    tones.Selected = {Color, Color, clWhite};
    tones.Hover = {hover, hover, clWhite};
    tones.Disabled = {clSilver, clGray, clBlack};
    return tones;
}

}  // namespace skelda::foundation
